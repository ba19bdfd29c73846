#include "play/insurance_dialog.h"

#include "betting/alert.h"
#include "betting/cues.h"
#include "table/table_pictures.h"
#include "table/table_window.h"
#include "table/twips.h"
#include "table/window_placement.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>

BJInsurWindow::BJInsurWindow() : QDialog(nullptr) {
    setObjectName(QStringLiteral("BJInsur"));
    setWindowTitle(QStringLiteral("Insurance"));
    setWindowIcon(corvaneIcon());
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setWindowModality(Qt::ApplicationModal);
    setFixedSize(pixelsFromTwips(3720), pixelsFromTwips(1545));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(255, 255, 192));
    setPalette(palette);
    setAutoFillBackground(true);

    lblInsurance = new QLabel(QStringLiteral("Insurance?"), this);
    lblInsurance->setObjectName(QStringLiteral("lblInsurance"));
    lblInsurance->setGeometry(rectFromTwips(120, 0, 3615, 735));
    QFont serif(QStringLiteral("Times New Roman"));
    serif.setStyleHint(QFont::Serif);
    serif.setPointSize(36);
    // Serif faces wider than the one the dialog was drawn for would cut the question mark off.
    while (serif.pointSize() > 12 &&
           QFontMetrics(serif).horizontalAdvance(lblInsurance->text()) > lblInsurance->width())
        serif.setPointSize(serif.pointSize() - 1);
    lblInsurance->setFont(serif);
    QPalette labelPalette = lblInsurance->palette();
    labelPalette.setColor(QPalette::WindowText, QColor(255, 128, 255));
    lblInsurance->setPalette(labelPalette);

    CmdYes = new QPushButton(QStringLiteral("&Yes"), this);
    CmdYes->setObjectName(QStringLiteral("CmdYes"));
    CmdYes->setGeometry(rectFromTwips(240, 840, 1335, 495));
    CmdNo = new QPushButton(QStringLiteral("&No"), this);
    CmdNo->setObjectName(QStringLiteral("CmdNo"));
    CmdNo->setGeometry(rectFromTwips(2040, 840, 1335, 495));
    setTabOrder(CmdYes, CmdNo);
    CmdYes->setFocus();
    centreOnScreen(this);
}

void BJInsurWindow::reject() {
    emit closedWithoutAnswer();
}

BJInsur::BJInsur(BJMain &table) : table(table) {}

BJInsur::~BJInsur() {
    delete loaded.data();
}

void BJInsur::ShowModal() {
    if (loaded)
        return;
    loaded = new BJInsurWindow;
    loaded->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(loaded->CmdYes, &QPushButton::clicked, loaded, [this] { CmdYes_Click(); });
    QObject::connect(loaded->CmdNo, &QPushButton::clicked, loaded, [this] { CmdNo_Click(); });
    QObject::connect(loaded, &BJInsurWindow::closedWithoutAnswer, loaded, [this] { CmdNo_Click(); });
    Form_Load();
    loaded->exec();
}

void BJInsur::Unload() {
    if (loaded)
        loaded->done(QDialog::Accepted);
}

// The offer is always announced, whatever the sound setting; the call's result is of no interest.
void BJInsur::Form_Load() {
    table.wavePlayer().play(table.mediaPath(Cue::Insurance));
}

void BJInsur::CmdYes_Click() {
    const double stake = BJMain::captionNumber(table.lblBet);
    const double bankroll = BJMain::captionNumber(table.lblmoney);
    if (stake / 2 > bankroll) {
        showCorvaneAlert(loaded, notEnoughMoneyText);
        InsYes = 0;
    } else {
        BJMain::writeNumber(table.lblmoney,
                            BJMain::captionNumber(table.lblmoney) - BJMain::captionNumber(table.lblBet) / 2);
        InsYes = 1;
    }
    returnTurnToPlayer();
    Unload();
}

void BJInsur::CmdNo_Click() {
    InsYes = 0;
    returnTurnToPlayer();
    Unload();
}

void BJInsur::returnTurnToPlayer() {
    table.CmdHit->setEnabled(true);
    table.CmdStand->setEnabled(true);
}
