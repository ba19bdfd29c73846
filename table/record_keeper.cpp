#include "table/record_keeper.h"

#include "table/coach_on_demand.h"
#include "table/coach_windows.h"
#include "table/coach_words.h"
#include "table/session_chart.h"
#include "table/verdict_words.h"
#include "table/window_placement.h"

#include <QBoxLayout>
#include <QListWidget>

RecordKeeper::RecordKeeper(CoachOnDemand &coach, double startingBankroll)
    : coach(coach), startingBankroll(startingBankroll) {}

RecordKeeper::~RecordKeeper() {
    delete window.data();
}

SessionRecord &RecordKeeper::record() {
    if (!session)
        session.emplace(coach.get(), startingBankroll);
    return *session;
}

void RecordKeeper::showWindow(const QWidget *table) {
    if (!window) {
        window = new BJStats;
        // The chart beside the list, so that the window stays low enough for a small screen; it is built
        // with the window that shows it.
        chart = new SessionChart(window);
        if (auto *column = qobject_cast<QBoxLayout *>(window->layout())) {
            auto *row = new QHBoxLayout;
            column->removeWidget(window->lstRecord);
            row->addWidget(window->lstRecord, 0, Qt::AlignTop);
            row->addWidget(chart, 1);
            column->insertLayout(0, row);
        }
        // Tab goes from the list to the chart's sentence, then to the button.
        QWidget::setTabOrder(window->lstRecord, chart);
        showRecord();
        window->adjustSize();
        placeBesideTable(window, table, Qt::AlignTop);
    }
    window->show();
    window->raise();
    window->activateWindow();
}

void RecordKeeper::closeWindow() {
    if (window)
        window->close();
}

void RecordKeeper::roundDealt(const report::RoundDealt &dealt) {
    record().roundDealt(dealt.stake, dealt.bankroll);
}

void RecordKeeper::choiceMade(const report::ChoiceMade &made) {
    record().choiceMade(decisionFrom(made.decision), made.choice);
}

void RecordKeeper::outcomeSettled(const report::OutcomeSettled &settled) {
    record().roundSettled(settled.outcome);
}

void RecordKeeper::roundEnded(const report::RoundEnded &ended) {
    if (!ended.settled) {
        record().roundAbandoned();
        return;
    }
    if (record().roundEnded(ended.bankroll))
        showRecord();
}

void RecordKeeper::showRecord() {
    if (!window)
        return;
    window->showRecord(recordInWords(record().totals()) + decisionsInWords(record().totals()));
    if (chart)
        chart->showPath(record().path());
}
