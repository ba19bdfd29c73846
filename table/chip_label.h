#pragma once

#include <QLabel>

// A caption-less label lying over a chip stack of the background picture; a click bets its amount.
// Disabled, it ignores clicks.
class ChipLabel : public QLabel {
    Q_OBJECT

public:
    explicit ChipLabel(QWidget *parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool pressed = false;
};
