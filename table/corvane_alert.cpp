#include "table/corvane_alert.h"

#include "table/table_zoom.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>

namespace {

// The desktop draws the title in a bar of its own, often bold and larger than the text, between the bar's
// buttons; a box only as wide as a short message cuts a longer title ("Corvane-Hinweis" shows as
// "Cor… eis"). Qt allows the title in the application's font and 50 pixels, too little on many
// desktops. This allows it in a bold face a quarter larger, centred between two buttons on either side.
int widthForTitle(const QString &title) {
    QFont font = QApplication::font("QMdiSubWindowTitleBar");
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.25);
    const QFontMetrics metrics(font);
    const int button = metrics.height() * 3 / 2;
    return metrics.horizontalAdvance(title) + 2 * 2 * button;
}

} // namespace

QMessageBox *showCorvaneAlert(QWidget *parent, const QString &text) {
    const QString title = QCoreApplication::translate("CorvaneAlert", "Corvane Alert");
    auto *box = new QMessageBox(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
    // The message box sizes itself to its layout when shown; a strut across the layout's last row keeps it
    // as wide as its title needs.
    if (auto *grid = qobject_cast<QGridLayout *>(box->layout()))
        grid->addItem(new QSpacerItem(widthForTitle(title), 0, QSizePolicy::Fixed, QSizePolicy::Minimum),
                      grid->rowCount(), 0, 1, grid->columnCount());
    box->setAttribute(Qt::WA_DeleteOnClose);
    // Modal, so the table's zoom cannot change while it is up.
    if (TableZoom *zoom = TableZoom::of(parent))
        zoomWidgets(box, zoom->factor());
    box->open();
    return box;
}
