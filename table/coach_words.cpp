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

// The table's dollar sign, which the table shows before every amount.
const QString dollar = QStringLiteral("$");

// An amount that is not a whole number of the table's steps: two decimals in the system's locale.
QString cents(double amount) {
    return dollar + QLocale().toString(std::abs(amount), 'f', 2);
}

QString sign(double amount) {
    return amount < 0 ? QLocale().negativeSign() : amount > 0 ? QLocale().positiveSign() : QString();
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

QList<RecordLine> recordInWords(const SessionTotals &totals) {
    const auto count = [](const char *name, int value) {
        return RecordLine{QCoreApplication::translate("CoachWords", name), QLocale().toString(value)};
    };
    return {
        count(QT_TRANSLATE_NOOP("CoachWords", "Rounds played"), totals.rounds),
        count(QT_TRANSLATE_NOOP("CoachWords", "Won"), totals.won),
        count(QT_TRANSLATE_NOOP("CoachWords", "Lost"), totals.lost),
        count(QT_TRANSLATE_NOOP("CoachWords", "Pushed"), totals.pushed),
        count(QT_TRANSLATE_NOOP("CoachWords", "Blackjacks"), totals.blackjacks),
        count(QT_TRANSLATE_NOOP("CoachWords", "Insurance bought"), totals.insuranceBought),
        count(QT_TRANSLATE_NOOP("CoachWords", "Insurance paid"), totals.insurancePaid),
        count(QT_TRANSLATE_NOOP("CoachWords", "Doubles"), totals.doubles),
        {CoachWords::tr("Net result"), sign(totals.net) + dollar + captionFromAmount(std::abs(totals.net))},
        //: The most money the player has held this session; "Your Money" is the table's caption for it.
        {CoachWords::tr("Your Money at its highest"), dollar + captionFromAmount(totals.highestBankroll)},
        //: The money given away by choices worse than the best one.
        {CoachWords::tr("Given away by choices"), cents(totals.skill)},
        //: The result less what the choices made were expected to bring.
        {CoachWords::tr("Luck"), sign(totals.luck()) + cents(totals.luck())},
        //: The luck as a number of standard deviations.
        {CoachWords::tr("Luck in standard deviations"),
         sign(totals.luckInDeviations()) + QLocale().toString(std::abs(totals.luckInDeviations()), 'f', 2)},
    };
}
