#include "table/record_keeper.h"

#include "table/coach_on_demand.h"
#include "table/coach_windows.h"
#include "table/coach_words.h"
#include "table/session_chart.h"
#include "table/table_zoom.h"
#include "table/verdict_words.h"
#include "table/window_placement.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QScreen>
#include <algorithm>

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
        window->showBesideFigures(chart);
        showRecord();
        if (TableZoom *zoom = TableZoom::of(table)) {
            zoom->follow(window, [this] {
                fitChartOnScreen();
                keepOnScreen(window);
            });
        }
        window->adjustSize();
        placeBesideTable(window, table, Qt::AlignTop);
    }
    window->show();
    window->raise();
    window->activateWindow();
}

// On a small screen the chart gives up width, down to a third of what it would take, so that the window
// stays whole beside the figures, which may have grown.
void RecordKeeper::fitChartOnScreen() {
    const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const int wanted = chart->sizeHint().width();
    chart->setMaximumWidth(wanted);
    window->layout()->activate();
    const int overflow = window->frameGeometry().width() - screen->availableGeometry().width();
    if (overflow > 0) {
        chart->setMaximumWidth(std::max(wanted / 3, wanted - overflow));
        window->layout()->activate();
    }
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

// Longer figures widen the window; it stays whole on the screen.
void RecordKeeper::showRecord() {
    if (!window)
        return;
    window->showRecord(recordInWords(record().totals()) + decisionsInWords(record().totals()));
    if (chart) {
        chart->showPath(record().path());
        fitChartOnScreen();
        // Tab goes through the figures to the chart's sentence, then to the button.
        QWidget::setTabOrder(window->lblValues.last(), chart);
        QWidget::setTabOrder(chart, window->cmdClose);
    }
    keepOnScreen(window);
}
