#include "table/chip_label.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {

// Presents a chip to assistive technology as the button it behaves like, with a press action.
class ChipAccessible : public QAccessibleWidget {
public:
    explicit ChipAccessible(ChipLabel *chip) : QAccessibleWidget(chip, QAccessible::Button) {
        addControllingSignal(QStringLiteral("clicked()"));
    }

    QStringList actionNames() const override {
        return widget()->isEnabled() ? QStringList{pressAction()} : QStringList{};
    }

    void doAction(const QString &actionName) override {
        if (actionName == pressAction() && widget()->isEnabled())
            emit static_cast<ChipLabel *>(widget())->clicked();
    }
};

QAccessibleInterface *chipAccessibleFactory(const QString &className, QObject *object) {
    if (className == QLatin1String("ChipLabel") && object && object->isWidgetType())
        return new ChipAccessible(static_cast<ChipLabel *>(object));
    return nullptr;
}

} // namespace

ChipLabel::ChipLabel(QWidget *parent) : QLabel(parent) {
    static const bool factoryInstalled = (QAccessible::installFactory(chipAccessibleFactory), true);
    Q_UNUSED(factoryInstalled);
    setAttribute(Qt::WA_TranslucentBackground);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
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

void ChipLabel::keyPressEvent(QKeyEvent *event) {
    const bool press =
        event->key() == Qt::Key_Space || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!press || event->isAutoRepeat()) {
        QLabel::keyPressEvent(event);
        return;
    }
    event->accept();
    emit clicked();
}

// Only the painted stack is seen; a keyboard user also sees which chip has the focus.
void ChipLabel::paintEvent(QPaintEvent *event) {
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::white, 2 * zoom, Qt::DashLine));
    painter.drawRoundedRect(QRectF(rect()).adjusted(zoom, zoom, -zoom, -zoom), 8 * zoom, 8 * zoom);
}
