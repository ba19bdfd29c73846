#pragma once

#include "play/round_listener.h"
#include "table/card_deck.h"
#include "table/table_shown.h"

#include <QCoreApplication>
#include <QFont>
#include <QHash>
#include <QList>
#include <QRect>
#include <QTimer>
#include <array>

class AnimationPlayer;
class CardBox;
class ChipLabel;
class QFrame;
class QLabel;
class QMainWindow;
class QPushButton;
class TableFelt;

// The table's face: the card boxes, the amounts and totals, the buttons and the chips, built into the
// table window and kept as the round reports. The focus follows the round, so that a keyboard player
// never has to look for it. The controls keep the names a player's tools and the tests find them by.
class TableScreen final : public RoundListener {
    Q_DECLARE_TR_FUNCTIONS(BJMain)

public:
    // Builds the felt and everything on it as the window's central widget.
    explicit TableScreen(QMainWindow *window);

    // The actions as the table shows them, with the amounts on its captions.
    TableShown shown() const;
    // Where the controls, card boxes (empty ones too) and captions lie, in the screen's coordinates:
    // what a window beside the table must leave clear.
    QList<QRect> occupiedAreas() const;

    // Draws the whole table at `zoom` times its size, in its proportions: every control, caption, card,
    // line and the clip strip, each picture from art with the pixels the new size needs.
    void setZoom(qreal zoom);

    void cardDealt(const report::CardDealt &card) override;
    void boxChanged(const report::BoxChanged &box) override;
    void amountsChanged(const report::AmountsChanged &amounts) override;
    void totalsChanged(const report::TotalsChanged &totals) override;
    void controlsChanged(const report::ControlsChanged &changed) override;

    // Card boxes: the dealer's fan along the top, the player's across the middle, and the stored back.
    std::array<CardBox *, 7> PicCom{};
    std::array<CardBox *, 7> PicPlay{};
    CardBox *PicBack = nullptr;

    QPushButton *CmdNew = nullptr;
    QPushButton *CmdHit = nullptr;
    QPushButton *CmdStand = nullptr;
    QPushButton *cmdDouble = nullptr;

    ChipLabel *lblBet5 = nullptr;
    ChipLabel *lblBet10 = nullptr;
    ChipLabel *lblBet50 = nullptr;

    QLabel *lblCom = nullptr;
    QLabel *lblPlay = nullptr;
    QLabel *lblBet = nullptr;
    QLabel *lblmoney = nullptr;
    QLabel *lblBettitle = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *lblMoneytitle = nullptr;
    QLabel *Label2 = nullptr;
    std::array<QFrame *, 8> Line{};

    AnimationPlayer *Flash = nullptr;

private:
    void buildCards(QWidget *felt);
    void buildButtonsAndChips(QWidget *felt);
    void buildCaptions(QWidget *felt);
    void buildLines(QWidget *felt);
    // The stored card back at the zoom, named in the language of the moment.
    CardPicture faceDownCard() const;
    // Fits `text` in `label` from `font` at 100%, now and at every zoom; without a font, from the label's.
    void showFitted(QLabel *label, const QString &text, const QFont &font);
    void showFitted(QLabel *label, const QString &text);
    void showPicturesAtZoom();

    void moveFocusDue();

    QMainWindow *window;
    TableFelt *tableFelt = nullptr;
    CardDeck Deck1;
    qreal zoom = 1.0;
    // The card each box shows, 0 for the back.
    std::array<qint32, 7> comShown{};
    std::array<qint32, 7> playShown{};
    // The captions fitted to their boxes, with their words and their font at 100%.
    struct Fitted {
        QString text;
        QFont font;
    };
    QHash<QWidget *, Fitted> fitted;
    // Moves the focus to `focusDue` after the narrator's news, whose timer started earlier in the step
    // and so fires first.
    QTimer focusTimer;
    QPushButton *focusDue = nullptr;
    double stakeShown = 0;
    double bankrollShown = 0;
};
