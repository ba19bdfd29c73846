#pragma once

#include "cards/deck.h"
#include "cards/round_state.h"
#include "platform/card_deck.h"
#include "platform/platform_bundle.h"

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <cstdint>
#include <memory>

class AnimationPlayer;
class BJHelp;
class BJInsur;
class CardBox;
class ChipLabel;
class QAction;
class QEventLoop;
class QFrame;
class QLabel;
class QMenu;
class QPushButton;

// The table window: every control of the game, the round's state and every handler. Handlers live in
// the files of the subsystem that owns them (the hit in play/hit.cpp, the chips in betting/chips.cpp).
class BJMain : public QMainWindow {
    Q_OBJECT

public:
    explicit BJMain(PlatformBundle platform = PlatformBundle::system(), QWidget *parent = nullptr);
    ~BJMain() override;

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

    // The totals, the stake and the bankroll live only as these captions.
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

    Deck deck;
    RoundState round;
    // The result of the last sound call; written only.
    std::int32_t SoundResult = 0;

    // The insurance dialog: the object lives as long as the table, its window only while shown.
    BJInsur &insurance() { return *BJInsurDialog; }
    // The help window while it is open, else null.
    BJHelp *helpWindow() const;

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

    // Round play.
    void OfferInsurance();
    void DoubleDown();
    void DealerPlay();
    void SettleRound();

    // Outcomes.
    void PayInsurance();
    void PushHand();
    void LoseHand();
    void WinHand();
    void WinBlackjack();

    // Cues.
    void PlaySoundCue(const QString &name);
    void ShowClip(const QString &name);
    void ResetClip();

    // The program's directory followed by a media name, exactly as stored.
    QString mediaPath(const QString &name) const;
    WavePlayer &wavePlayer() { return *platform.wave; }

    // Amounts and totals are read from and written to their captions.
    static double captionNumber(const QLabel *label);
    static void writeNumber(QLabel *label, double number);
    // The modal "Corvane Alert" message box.
    void alert(const QString &text);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildControls();
    void buildMenu();
    void connectHandlers();

    // A chip click moves the chip's value from the bankroll to the stake if the bankroll covers it.
    void placeChip(int value);
    // Draws a shown card into a card variable, shows its face in the box and values it in place.
    void dealCardInto(CardBox *box, int &cardVariable);
    // The ace rule, worked through the total's caption: hard total, plus ten, minus ten on a bust.
    void writeHandTotal(const HandCards &cards, std::int16_t &noAceFlag, QLabel *totalLabel);
    // Waits until the clock reaches the rounded start second plus WaitSecs, handling events meanwhile.
    // False when the round was given up during the wait: nothing more may be drawn, cued or settled.
    bool PauseBeforeDealerCard(std::uint64_t epoch);
    // Gives up the round in play (a restart, a closed window), waking a waiting dealer's play.
    void abandonRound();
    void enableChips();
    // True when the round that began at `epoch` was given up by a restart or a closed window.
    bool roundAbandoned(std::uint64_t epoch) const;

    PlatformBundle platform;
    std::unique_ptr<BJInsur> BJInsurDialog;
    QPointer<BJHelp> BJHelpWindow;
    // Counts restarts and closings: a dealer's play that sees it change gives its round up.
    std::uint64_t roundEpoch = 0;
    QPointer<QEventLoop> pauseLoop;
};
