#include "table/corvane_alert.h"

#include <QCoreApplication>
#include <QMessageBox>

void showCorvaneAlert(QWidget *parent, const QString &text) {
    QMessageBox box(QMessageBox::NoIcon, QCoreApplication::translate("CorvaneAlert", "Corvane Alert"), text,
                    QMessageBox::Ok, parent);
    box.exec();
}
