#pragma once

#include "soak/soak_session.h"

#include <QPointer>
#include <functional>
#include <vector>

class QMessageBox;
class QWidget;
class SoakDice;
class SoakReferee;

// Answers the modal windows an action opened: an alert with its OK, the insurance offer at random with
// Yes, No or its close, now and then after an action taken while the offer is on screen.
class SoakModalAnswerer {
public:
    // `actDuringTheOffer` takes one of the player's actions while the offer waits for its answer.
    SoakModalAnswerer(SoakSession &session, SoakDice &dice, SoakReferee &referee,
                      std::function<void()> actDuringTheOffer);

    // Answers each modal window on screen until none is left.
    void answerModalWindows();

private:
    void answerOffer(QWidget *offer);
    void answerAlert(QMessageBox *alert);

    SoakSession &session;
    SoakDice &dice;
    SoakReferee &referee;
    std::function<void()> actDuringTheOffer;
    // The windows already answered: one still up is a window that ignored its answer.
    std::vector<QPointer<QWidget>> answered;
};
