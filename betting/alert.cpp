#include "betting/alert.h"

#include <QMessageBox>

void showCorvaneAlert(QWidget *parent, const QString &text) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Corvane Alert"), text, QMessageBox::Ok, parent);
    box.exec();
}
