#include "table/verdict_words.h"

#include <QCoreApplication>
#include <QLocale>
#include <cmath>

namespace {

// The context of the verdicts and the record's decision lines for translators.
class CoachVerdict {
    Q_DECLARE_TR_FUNCTIONS(CoachVerdict)
};

// Less than a cent given away is too little to tell apart from the best at the table.
constexpr double closeCall = 0.01;

QString choiceName(Choice choice) {
    switch (choice) {
    case Choice::Stand:
        return CoachVerdict::tr("Stand");
    case Choice::Hit:
        return CoachVerdict::tr("Hit");
    case Choice::Double:
        return CoachVerdict::tr("Double");
    case Choice::Insure:
        return CoachVerdict::tr("Insurance");
    case Choice::DeclineInsurance:
        return CoachVerdict::tr("No insurance");
    }
    return {};
}

QString amount(double value, int decimals) {
    return QLocale().toString(value, 'f', decimals);
}

} // namespace

QString verdictInWords(const ChoiceGrade &grade) {
    if (grade.isBest())
        return CoachVerdict::tr("Best choice.");
    if (grade.givenAway < closeCall) {
        //: The better choice first: "Close call: Stand was better by less than 0.01."
        return CoachVerdict::tr("Close call: %1 was better by less than %2.")
            .arg(choiceName(grade.best), amount(closeCall, 2));
    }
    //: The better choice, then the one taken: "Stand was better: Hit gives away 0.07 on average."
    return CoachVerdict::tr("%1 was better: %2 gives away %3 on average.")
        .arg(choiceName(grade.best), choiceName(grade.taken), amount(grade.givenAway, 2));
}

QList<RecordLine> decisionsInWords(const SessionTotals &totals) {
    return {
        {CoachVerdict::tr("Decisions"), QLocale().toString(totals.decisions)},
        //: The count of best choices, then their share of the decisions in percent: "12 (75%)".
        {CoachVerdict::tr("Best choices"),
         CoachVerdict::tr("%1 (%2%)")
             .arg(QLocale().toString(totals.bestChoices), amount(100 * totals.bestShare(), 0))},
        //: The average money given away by each decision, to a tenth of a cent.
        {CoachVerdict::tr("Given away per decision"),
         QStringLiteral("$") + amount(totals.givenAwayPerDecision(), 3)},
    };
}
