#include "table/chip_label.h"

#include <QMouseEvent>

ChipLabel::ChipLabel(QWidget *parent) : QLabel(parent) {
    setAttribute(Qt::WA_TranslucentBackground);
    setCursor(Qt::PointingHandCursor);
}

void ChipLabel::mousePressEvent(QMouseEvent *event) {
    pressed = event->button() == Qt::LeftButton;
    event->accept();
}

// Like a button, the click counts when the press and the release both fall on the chip.
void ChipLabel::mouseReleaseEvent(QMouseEvent *event) {
    const bool click =
        pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed = false;
    event->accept();
    if (click)
        emit clicked();
}
