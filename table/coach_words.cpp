#include "table/coach_words.h"

#include "table/amount_captions.h"

#include <QCoreApplication>
#include <QLocale>
#include <cmath>

namespace {

// The context of the coach's and the record's words for translators.
class CoachWords {
    Q_DECLARE_TR_FUNCTIONS(CoachWords)
};

// An amount that is not a whole number of the table's steps: two decimals in the system's locale.
QString cents(double amount) {
    return QLocale().toString(std::abs(amount), 'f', 2);
}

QString signedCents(double amount) {
    return (amount < 0 ? QLocale().negativeSign() : QLocale().positiveSign()) + cents(amount);
}

QString choiceName(Choice choice) {
    switch (choice) {
    case Choice::Stand:
        return CoachWords::tr("Stand");
    case Choice::Hit:
        return CoachWords::tr("Hit");
    case Choice::Double:
        return CoachWords::tr("Double");
    case Choice::Insure:
        return CoachWords::tr("Insurance");
    case Choice::DeclineInsurance:
        return CoachWords::tr("No insurance");
    }
    return {};
}

QString resultInWords(double expected, bool first) {
    // Less than half a cent either way shows as nothing.
    if (std::abs(expected) < 0.005)
        return first ? CoachWords::tr("break even on average") : CoachWords::tr("break even");
    if (expected > 0)
        return first ? CoachWords::tr("win %1 on average").arg(cents(expected))
                     : CoachWords::tr("win %1").arg(cents(expected));
    return first ? CoachWords::tr("lose %1 on average").arg(cents(expected))
                 : CoachWords::tr("lose %1").arg(cents(expected));
}

} // namespace

QString hintInWords(const std::optional<Decision> &decision, const Coach &coach) {
    const std::vector<ChoiceValue> choices = decision ? coach.advise(*decision) : std::vector<ChoiceValue>{};
    if (choices.empty())
        return CoachWords::tr("Nothing to decide now.");
    QStringList sentences;
    for (const ChoiceValue &choice : choices) {
        //: One choice and its expected result: "Stand: lose 1.54 on average."
        sentences << CoachWords::tr("%1: %2.").arg(choiceName(choice.choice),
                                                   resultInWords(choice.expected, sentences.isEmpty()));
    }
    return sentences.join(QLatin1Char(' '));
}

QStringList recordInWords(const SessionTotals &totals) {
    const auto count = [](const char *caption, int value) {
        return QCoreApplication::translate("CoachWords", caption).arg(value);
    };
    return {
        count(QT_TRANSLATE_NOOP("CoachWords", "Rounds played: %1"), totals.rounds),
        count(QT_TRANSLATE_NOOP("CoachWords", "Won: %1"), totals.won),
        count(QT_TRANSLATE_NOOP("CoachWords", "Lost: %1"), totals.lost),
        count(QT_TRANSLATE_NOOP("CoachWords", "Pushed: %1"), totals.pushed),
        count(QT_TRANSLATE_NOOP("CoachWords", "Blackjacks: %1"), totals.blackjacks),
        count(QT_TRANSLATE_NOOP("CoachWords", "Insurance bought: %1"), totals.insuranceBought),
        count(QT_TRANSLATE_NOOP("CoachWords", "Insurance paid: %1"), totals.insurancePaid),
        count(QT_TRANSLATE_NOOP("CoachWords", "Doubles: %1"), totals.doubles),
        CoachWords::tr("Net result: %1")
            .arg((totals.net > 0 ? QLocale().positiveSign() : QString()) + captionFromAmount(totals.net)),
        CoachWords::tr("Highest bankroll: %1").arg(captionFromAmount(totals.highestBankroll)),
        //: The money given away by choices worse than the best one.
        CoachWords::tr("Given away by choices: %1").arg(cents(totals.skill)),
        //: The result less what the choices made were expected to bring, then in standard deviations.
        CoachWords::tr("Luck: %1 (%2 standard deviations)")
            .arg(signedCents(totals.luck()), signedCents(totals.luckInDeviations())),
    };
}
