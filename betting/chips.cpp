#include "betting/alert.h"
#include "betting/amounts.h"
#include "table/table_window.h"

#include <QLabel>

double BJMain::captionNumber(const QLabel *label) {
    return amountFromCaption(label->text());
}

void BJMain::writeNumber(QLabel *label, double number) {
    label->setText(captionFromAmount(number));
}

void BJMain::alert(const QString &text) {
    showCorvaneAlert(this, text);
}

void BJMain::placeChip(int value) {
    // More than the chip's value less one: the bankroll moves in steps of 2.5, so this accepts exactly
    // the bankrolls that cover the chip.
    if (!(captionNumber(lblmoney) > value - 1)) {
        alert(notEnoughMoneyText);
        return;
    }
    writeNumber(lblBet, captionNumber(lblBet) + value);
    writeNumber(lblmoney, captionNumber(lblmoney) - value);
}

void BJMain::lblBet5_Click() {
    placeChip(5);
}
void BJMain::lblBet10_Click() {
    placeChip(10);
}
void BJMain::lblBet50_Click() {
    placeChip(50);
}
