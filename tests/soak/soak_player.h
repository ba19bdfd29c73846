#pragma once

#include "soak/soak_ledger.h"

#include <QPointer>
#include <deque>
#include <memory>
#include <random>
#include <string>
#include <vector>

class QMessageBox;
class QWidget;
struct ScriptedTable;

// How long the soak plays and which random choices it makes.
struct SoakSettings {
    long actions = 3000;
    unsigned seed = 20261207;
};
// CORVANE_SOAK_ACTIONS and CORVANE_SOAK_SEED, where set, over the defaults.
SoakSettings soakSettingsFromEnvironment();

struct SoakReport {
    long actions = 0;
    long rounds = 0;
    long naturals = 0;
    long busts = 0;
    long settlements = 0;
    long restarts = 0;
    long restartsInPause = 0;
    long restartsInOffer = 0;
    long closes = 0;
    long insuranceOffers = 0;
    long alerts = 0;
    long ledgerChecks = 0;
    // The process's resident memory at the first and the last thousandth action; -1 before any.
    long residentAtFirstThousandKb = -1;
    long residentAtLastThousandKb = -1;
    // The first break of the ledger, with the actions that led to it; empty while the money agrees.
    std::string ledgerBreak;
};

// Plays the real table window at random through real clicks and menu commands, on scripted cards and a
// clock that moves only when the dealer pauses, and holds what the window shows against a ledger of its
// own after every action. Any command may come at any moment: inside the dealer's pause and while the
// insurance offer is on screen too. Modal windows are answered as the actions open them.
class SoakPlayer {
public:
    explicit SoakPlayer(SoakSettings settings);
    ~SoakPlayer();

    // Plays until the actions are spent or the ledger breaks.
    SoakReport run();

private:
    enum class Moment { Table, DealerPause, InsuranceOffer };

    void freshTable();
    void dropTable();
    // One action chosen at random for the moment; inside the dealer's pause most often none.
    void act(Moment moment);
    void actAtTheTable();
    void actInThePause();
    void actDuringTheOffer();

    void chip(int value);
    void deal();
    void hit();
    void stand();
    void doubleDown();
    void restart(Moment moment);
    void toggleSound();
    void openOrCloseHelp();
    void closeWindow();
    void clickAnyRoundControl();

    void playTheDealersTurn(const std::vector<int> &dealerCards);
    void answerModalWindows();
    void answerOffer(QWidget *offer);
    void answerAlert(QMessageBox *alert);

    // Holds the window against the ledger; the first difference breaks the soak.
    void check(const char *after);
    void countRoundEnding();
    void fail(const std::string &why);
    void log(const std::string &entry);
    void reportMemory();

    int randomCard();
    std::vector<int> randomCards(int count);
    bool chance(double probability);
    int pick(int count);

    SoakSettings settings;
    std::mt19937 rng;
    SoakLedger ledger;
    SoakReport report;
    std::unique_ptr<ScriptedTable> table;
    bool windowClosed = false;
    bool soundOn = true;
    int alertsSeen = 0;
    int depth = 0;
    std::vector<QPointer<QWidget>> answered;
    std::deque<std::string> recent;
};
