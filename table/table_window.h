#pragma once

#include "odds/coach.h"
#include "odds/session_record.h"
#include "platform/platform_bundle.h"
#include "play/round_model.h"
#include "play/round_view.h"
#include "table/card_deck.h"
#include "table/refusal_hold.h"

#include <QFont>
#include <QMainWindow>
#include <QPointer>
#include <QTimer>
#include <array>
#include <memory>

class AnimationPlayer;
class BJHelp;
class BJHint;
class BJInsur;
class BJInsurWindow;
class BJStats;
class CardBox;
class ChipLabel;
class Narrator;
class QAction;
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
    void Statistics_Click();
    void Hint_Click();

    // The round the table shows.
    RoundModel &model() { return round; }
    // The insurance offer's window while it is on screen, else null.
    BJInsurWindow *insuranceWindow() const;
    // The help window while it is open, else null.
    BJHelp *helpWindow() const;
    // The hint's window once F4 has opened it (hidden while no answer stands), else null.
    BJHint *hintWindow() const;
    // The record's window while it is open, else null.
    BJStats *statisticsWindow() const;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    // What the round model reports, shown on the table: each is the one place where the table shows,
    // sounds and tells that event.
    void cardShown(Hand hand, int position, BoxShows shows, int cardNumber) override;
    void cardDrawn(Hand hand) override;
    void amountsChanged(double bankroll, double stake) override;
    void totalsChanged(int player, int dealer) override;
    void controlsChanged(const RoundControls &enabled) override;
    void dealStarted() override;
    void tableRestarted() override;
    void roundSettled(RoundOutcome outcome) override;
    void insuranceOffered() override;
    void insuranceOfferClosed() override;
    void dealerPaused(int milliseconds) override;
    void dealerPauseCancelled() override;
    void alertRaised(Alert alert) override;

    // The record hears of each choice that took effect where `open` was the decision before it, and of
    // a round's end once the model has finished the step that ended it, with its money paid, and the
    // table has been told its outcome (which a refusal on screen holds back).
    void recordChoice(const std::optional<Decision> &open, Choice chosen);
    void recordRoundEnd();
    // A card, an amount, the controls or the offer changed: the decision the hint answered has passed.
    void putAwayHint();

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
    QAction *Statistics = nullptr;
    QAction *Hint = nullptr;
    // Reads the whole table to a screen reader; a key without a menu entry, so the picture stays as it was.
    QAction *ReadTable = nullptr;
    // Tells a screen reader what happens at the table.
    Narrator *narrator = nullptr;

    // What the round reports comes through here, so that a refusal is seen before what follows it.
    RefusalHold hold{*this};
    RoundModel round;
    // Ends each dealer's pause; a restart or a closed window stops it.
    QTimer dealerPauseTimer;
    // The insurance dialog: the object lives as long as the table, its window only while shown.
    std::unique_ptr<BJInsur> BJInsurDialog;
    QPointer<BJHelp> BJHelpWindow;
    QPointer<BJHint> BJHintWindow;
    QPointer<BJStats> BJStatsWindow;

    // The coach's analysis, built once with the table, and the session's record from the program's start:
    // a restart refills the money but keeps the record (a round it gives up counts for nothing).
    Coach coach;
    SessionRecord record{coach, round.bankroll()};

    // The amounts' own fonts; a long amount is shown in a smaller size of them.
    QFont moneyFont;
    QFont betFont;
};
