#pragma once

#include <QLabel>

// A caption-less label lying over a chip stack of the background picture; a click bets its amount.
// Disabled, it ignores clicks. It can also be reached with Tab and pressed with Space or Enter, and a
// screen reader sees it as a button it can press.
class ChipLabel : public QLabel {
    Q_OBJECT

public:
    explicit ChipLabel(QWidget *parent = nullptr);

    // The focus ring is drawn at the table's zoom.
    void setZoom(qreal tableZoom) { zoom = tableZoom; }

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    bool pressed = false;
    qreal zoom = 1.0;
};
