#include "table/outcome_cues.h"

#include <QtGlobal>

OutcomeCues outcomeCues(RoundOutcome outcome) {
    switch (outcome) {
    case RoundOutcome::InsurancePays:
        return {nullptr, "\\loss.swf", QT_TRANSLATE_NOOP("BJMain", "Insurance pays")};
    case RoundOutcome::Push:
        return {"/snore.wav", "\\draw.swf", QT_TRANSLATE_NOOP("BJMain", "Push")};
    case RoundOutcome::Loss:
        return {"/hung-01.wav", "\\loss.swf", QT_TRANSLATE_NOOP("BJMain", "You lose")};
    case RoundOutcome::Win:
        return {"/haha.wav", "\\win.swf", QT_TRANSLATE_NOOP("BJMain", "You win")};
    case RoundOutcome::DealerBusts:
        return {"/Explode.wav", "\\win.swf", QT_TRANSLATE_NOOP("BJMain", "You win")};
    case RoundOutcome::Blackjack:
        return {"/clap.wav", "\\bj.swf", QT_TRANSLATE_NOOP("BJMain", "Blackjack!")};
    }
    return {nullptr, "\\loss.swf", ""};
}

const char *alertText(Alert alert) {
    return alert == Alert::NotEnoughMoney ? QT_TRANSLATE_NOOP("Alert", "You have not enough money!!")
                                          : QT_TRANSLATE_NOOP("Alert", "Please bet first!!");
}
