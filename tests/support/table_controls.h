#pragma once

#include <QApplication>
#include <QString>
#include <QWidget>
#include <array>

class AnimationPlayer;
class BJMain;
class CardBox;
class ChipLabel;
class QAction;
class QLabel;
class QMenu;
class QPushButton;

// The table window's controls, found by their object names as a player's tools would find them.
// A control that is missing fails the test.
struct TableControls {
    explicit TableControls(BJMain &window);

    std::array<CardBox *, 7> PicCom{};
    std::array<CardBox *, 7> PicPlay{};
    CardBox *PicBack = nullptr;
    QPushButton *CmdNew = nullptr;
    QPushButton *CmdHit = nullptr;
    QPushButton *CmdStand = nullptr;
    QPushButton *cmdDouble = nullptr;
    ChipLabel *lblBet5 = nullptr;
    ChipLabel *lblBet10 = nullptr;
    ChipLabel *lblBet50 = nullptr;
    QLabel *lblCom = nullptr;
    QLabel *lblPlay = nullptr;
    QLabel *lblBet = nullptr;
    QLabel *lblmoney = nullptr;
    AnimationPlayer *Flash = nullptr;
    QMenu *File = nullptr;
    QMenu *Sound1 = nullptr;
    QMenu *About = nullptr;
    QAction *New_Game = nullptr;
    QAction *line = nullptr;
    QAction *Exit = nullptr;
    QAction *Sound = nullptr;
    QAction *Help = nullptr;

    // How many of a hand's boxes are on view.
    int visibleDealerCards() const;
    int visiblePlayerCards() const;
    // The clip loaded in the animation player, without the program's directory.
    QString clip() const;
};

// The program's window of kind W on screen, or null: the insurance offer, the help, the hint, the record.
template <class W> W *windowOnScreen() {
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (auto *found = qobject_cast<W *>(window); found && found->isVisible())
            return found;
    }
    return nullptr;
}
