#include "table/corvane_alert.h"

#include <QCoreApplication>
#include <QMessageBox>

QMessageBox *showCorvaneAlert(QWidget *parent, const QString &text) {
    auto *box =
        new QMessageBox(QMessageBox::NoIcon, QCoreApplication::translate("CorvaneAlert", "Corvane Alert"),
                        text, QMessageBox::Ok, parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
    return box;
}
