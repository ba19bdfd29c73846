#include "table/table_felt.h"

#include "table/table_pictures.h"

#include <QAccessibleWidget>
#include <QPainter>

namespace {

constexpr const char *decorativeProperty = "corvaneDecorative";

// The felt as assistive technology sees it: its children without the decorative ones.
class FeltAccessible : public QAccessibleWidget {
public:
    explicit FeltAccessible(QWidget *felt) : QAccessibleWidget(felt) {}

    int childCount() const override { return static_cast<int>(shownChildren().size()); }

    QAccessibleInterface *child(int index) const override {
        const QList<QAccessibleInterface *> shown = shownChildren();
        return index >= 0 && index < shown.size() ? shown.at(index) : nullptr;
    }

    int indexOfChild(const QAccessibleInterface *child) const override {
        return static_cast<int>(shownChildren().indexOf(const_cast<QAccessibleInterface *>(child)));
    }

private:
    QList<QAccessibleInterface *> shownChildren() const {
        QList<QAccessibleInterface *> shown;
        for (int i = 0; i < QAccessibleWidget::childCount(); ++i) {
            QAccessibleInterface *child = QAccessibleWidget::child(i);
            if (child && !TableFelt::isDecorative(child->object()))
                shown << child;
        }
        return shown;
    }
};

QAccessibleInterface *feltAccessibleFactory(const QString &className, QObject *object) {
    if (className == QLatin1String("TableFelt") && object && object->isWidgetType())
        return new FeltAccessible(static_cast<QWidget *>(object));
    return nullptr;
}

} // namespace

TableFelt::TableFelt(QWidget *parent) : QWidget(parent) {
    static const bool factoryInstalled = (QAccessible::installFactory(feltAccessibleFactory), true);
    Q_UNUSED(factoryInstalled);
}

void TableFelt::setZoom(qreal tableZoom) {
    zoom = tableZoom;
    update();
}

void TableFelt::markDecorative(QWidget *child) {
    child->setProperty(decorativeProperty, true);
}

bool TableFelt::isDecorative(const QObject *child) {
    return child && child->property(decorativeProperty).toBool();
}

void TableFelt::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    // The ratio of what is painted on, which is also right for a grab or a print of the table.
    painter.drawPixmap(0, 0, backgroundPicture(painter.device()->devicePixelRatioF(), zoom));
}
