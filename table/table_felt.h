#pragma once

#include <QWidget>

// The felt of the table: the background picture drawn from the top-left corner, at the table's zoom. Children
// marked decorative (the frame lines) are left out of what assistive technology sees of it, so that a
// screen reader does not walk through nameless frames.
class TableFelt : public QWidget {
    Q_OBJECT

public:
    explicit TableFelt(QWidget *parent = nullptr);

    // The picture is drawn at `zoom` times its size.
    void setZoom(qreal zoom);

    static void markDecorative(QWidget *child);
    static bool isDecorative(const QObject *child);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    qreal zoom = 1.0;
};
