#include "support/table_controls.h"

#include "platform/animation_player.h"
#include "support/scripted_platform.h"
#include "table/card_box.h"
#include "table/chip_label.h"
#include "table/table_window.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

template <typename Control> Control *named(BJMain &window, const QString &name) {
    auto *control = window.findChild<Control *>(name);
    if (!control)
        ADD_FAILURE() << "the table has no " << name.toStdString();
    return control;
}

int visibleBoxes(const std::array<CardBox *, 7> &boxes) {
    return static_cast<int>(std::count_if(boxes.begin(), boxes.end(), [](const CardBox *box) {
        return box->isVisibleTo(box->parentWidget());
    }));
}

} // namespace

TableControls::TableControls(BJMain &window) {
    for (int i = 0; i < 7; ++i) {
        PicCom[i] = named<CardBox>(window, QStringLiteral("PicCom%1").arg(i + 1));
        PicPlay[i] = named<CardBox>(window, QStringLiteral("PicPlay%1").arg(i + 1));
    }
    PicBack = named<CardBox>(window, QStringLiteral("PicBack"));
    CmdNew = named<QPushButton>(window, QStringLiteral("CmdNew"));
    CmdHit = named<QPushButton>(window, QStringLiteral("CmdHit"));
    CmdStand = named<QPushButton>(window, QStringLiteral("CmdStand"));
    cmdDouble = named<QPushButton>(window, QStringLiteral("cmdDouble"));
    lblBet5 = named<ChipLabel>(window, QStringLiteral("lblBet5"));
    lblBet10 = named<ChipLabel>(window, QStringLiteral("lblBet10"));
    lblBet50 = named<ChipLabel>(window, QStringLiteral("lblBet50"));
    lblCom = named<QLabel>(window, QStringLiteral("lblCom"));
    lblPlay = named<QLabel>(window, QStringLiteral("lblPlay"));
    lblBet = named<QLabel>(window, QStringLiteral("lblBet"));
    lblmoney = named<QLabel>(window, QStringLiteral("lblmoney"));
    Flash = named<AnimationPlayer>(window, QStringLiteral("Flash"));
    File = named<QMenu>(window, QStringLiteral("File"));
    Sound1 = named<QMenu>(window, QStringLiteral("Sound1"));
    About = named<QMenu>(window, QStringLiteral("About"));
    New_Game = named<QAction>(window, QStringLiteral("New_Game"));
    line = named<QAction>(window, QStringLiteral("line"));
    Exit = named<QAction>(window, QStringLiteral("Exit"));
    Sound = named<QAction>(window, QStringLiteral("Sound"));
    Help = named<QAction>(window, QStringLiteral("Help"));
}

int TableControls::visibleDealerCards() const {
    return visibleBoxes(PicCom);
}

int TableControls::visiblePlayerCards() const {
    return visibleBoxes(PicPlay);
}

QString TableControls::clip() const {
    return Flash->movie().mid(scriptedProgramDirectory.size());
}
