#include "table/coach_at_play.h"

#include "odds/choice_grade.h"
#include "table/coach_on_demand.h"
#include "table/coach_windows.h"
#include "table/table_zoom.h"
#include "table/verdict_words.h"
#include "table/window_placement.h"

#include <QCoreApplication>
#include <QLabel>

CoachAtPlay::CoachAtPlay(QWidget *table, CoachOnDemand &coach, std::function<QList<QRect>()> keepClear,
                         std::function<void(const QString &)> speak)
    : table(table), coach(coach), keepClear(std::move(keepClear)), speak(std::move(speak)) {}

CoachAtPlay::~CoachAtPlay() {
    delete note.data();
}

void CoachAtPlay::setOn(bool coachOn) {
    on = coachOn;
    if (!on)
        putAway();
}

void CoachAtPlay::close() {
    if (note)
        note->close();
}

void CoachAtPlay::choiceMade(const report::ChoiceMade &made) {
    if (!on)
        return;
    const std::optional<ChoiceGrade> grade =
        gradeChoice(coach.get(), decisionFrom(made.decision), made.choice);
    if (grade)
        show(verdictInWords(*grade));
}

void CoachAtPlay::show(const QString &words) {
    if (!note) {
        // The hint's kind of window, which never takes the focus, under a name and title of its own.
        note = new BJHint(table);
        note->setObjectName(QStringLiteral("BJCoach"));
        note->setWindowTitle(QCoreApplication::translate("CoachVerdict", "Coach"));
        note->lblHeading->setText(QCoreApplication::translate("CoachVerdict", "Your last choice"));
        if (TableZoom *zoom = TableZoom::of(table)) {
            zoom->follow(note, [this] {
                if (note->isVisible())
                    placeBesideTable(note, table, Qt::AlignBottom, keepClear());
            });
        }
    }
    note->showHint(words);
    placeBesideTable(note, table, Qt::AlignBottom, keepClear());
    note->show();
    speak(words);
}

void CoachAtPlay::putAway() {
    if (note)
        note->hide();
}
