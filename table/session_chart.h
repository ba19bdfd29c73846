#pragma once

#include "odds/session_record.h"

#include <QWidget>
#include <vector>

// The session as a picture: the money after each round, the expected path of the choices made, and the
// bands of one and two standard deviations around that path that luck alone explains. Drawn in the
// desktop's own colours, the lines told apart by their style as well. A session longer than the chart
// is wide is thinned to a few points a pixel, keeping the money's highs and lows.
// The points of a path of `count` points to draw across `columns` columns: all of them when they fit,
// otherwise the first, the last and, in each column, the money's lowest and highest. In order, each once.
std::vector<std::size_t> pointsToDraw(const std::vector<SessionPoint> &path, int columns);

class SessionChart : public QWidget {
    Q_OBJECT

public:
    explicit SessionChart(QWidget *parent = nullptr);

    // The record's path: the starting point, then one point a round.
    void showPath(const std::vector<SessionPoint> &path);
    const std::vector<SessionPoint> &points() const { return path; }
    // The chart in one sentence, as the screen reader reads it: the money, the expected path, the luck.
    QString description() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::vector<SessionPoint> path;
};
