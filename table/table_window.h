#pragma once

#include "platform/card_deck.h"
#include "platform/platform_bundle.h"
#include "play/round_model.h"
#include "play/round_view.h"

#include <QFont>
#include <QMainWindow>
#include <QPointer>
#include <array>
#include <cstdint>
#include <memory>

class AnimationPlayer;
class BJHelp;
class BJInsur;
class BJInsurWindow;
class CardBox;
class ChipLabel;
class Narrator;
class QAction;
class QEventLoop;
class QFrame;
class QLabel;
class QMenu;
class QPushButton;

// The table window, the round's view: it builds the controls, hands every click to the round model
// and shows what the model reports. Tests reach the controls by their object names.
class BJMain : public QMainWindow, public RoundView {
    Q_OBJECT

public:
    explicit BJMain(PlatformBundle platform = PlatformBundle::system(), QWidget *parent = nullptr);
    ~BJMain() override;

    // Handlers of the window's events.
    void Form_Load();
    void CmdNew_Click();
    void CmdHit_Click();
    void cmdDouble_Click();
    void CmdStand_Click();
    void lblBet5_Click();
    void lblBet10_Click();
    void lblBet50_Click();
    void New_Game_Click();
    void Exit_Click();
    void Sound_Click();
    void Help_Click();
    void ReadTable_Click();

    // The round the table shows.
    RoundModel &model() { return round; }
    // The insurance offer's window while it is on screen, else null.
    BJInsurWindow *insuranceWindow() const;
    // The help window while it is open, else null.
    BJHelp *helpWindow() const;
    // The result of the last sound call; written only by the game.
    std::int32_t soundResult() const { return SoundResult; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    // What the round model reports, shown on the table.
    void showCardBox(Hand hand, int position, BoxShows shows, int cardNumber) override;
    void showBankroll(double amount) override;
    void showStake(double amount) override;
    void showPlayerTotal(int total) override;
    void showDealerTotal(int total) override;
    void enableControls(const RoundControls &enabled) override;
    void playSound(SoundCue cue) override;
    void showClip(ClipCue clip) override;
    void resetClip() override;
    void hideClip() override;
    void tellOutcome(RoundOutcome outcome) override;
    void alert(Alert alert) override;
    InsuranceAnswer askInsurance() override;
    void closeInsuranceOffer() override;
    bool waitBeforeDealerCard(DealerPause &pause) override;

    void buildControls();
    void buildMenu();
    void connectHandlers();

    // What the clip area tells assistive technology: the outcome in words, or that there is none yet.
    void tellNoOutcome();
    // The stored card back, named in the language of the moment.
    CardPicture faceDownCard() const;

    // The cues as the program has always played them: a wave file only while Sound is checked, a clip
    // in the animation player; both by the program's directory followed by the name as stored.
    void PlaySoundCue(const QString &name);
    void ShowClip(const QString &name);
    void ResetClip();
    QString mediaPath(const QString &name) const;

    // Lets the window handle its events for about `milliseconds`; false when woken early because the
    // round was given up or the application is quitting.
    bool sleepHandlingEvents(int milliseconds);
    // Wakes a dealer's play waiting in its pause, once its round has been given up.
    void wakeDealerPause();

    PlatformBundle platform;

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
    CardDeck Deck1;

    QMenu *File = nullptr;
    QAction *New_Game = nullptr;
    QAction *line = nullptr;
    QAction *Exit = nullptr;
    QMenu *Sound1 = nullptr;
    QAction *Sound = nullptr;
    QMenu *About = nullptr;
    QAction *Help = nullptr;
    // Reads the whole table to a screen reader; a key without a menu entry, so the picture stays as it was.
    QAction *ReadTable = nullptr;
    // Tells a screen reader what happens at the table.
    Narrator *narrator = nullptr;

    std::int32_t SoundResult = 0;
    RoundModel round;
    // The insurance dialog: the object lives as long as the table, its window only while shown.
    std::unique_ptr<BJInsur> BJInsurDialog;
    QPointer<BJHelp> BJHelpWindow;
    QPointer<QEventLoop> pauseLoop;

    // The amounts' own fonts; a long amount is shown in a smaller size of them.
    QFont moneyFont;
    QFont betFont;
};
