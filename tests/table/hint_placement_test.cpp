#include "support/cards.h"
#include "support/scripted_platform.h"
#include "support/table_controls.h"
#include "table/coach_windows.h"
#include "table/help_window.h"
#include "table/table_window.h"
#include "table/window_placement.h"

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QTest>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

QRect onScreen(const QWidget *widget) {
    return {widget->mapToGlobal(QPoint(0, 0)), widget->size()};
}

// What a player must still see and reach: the menu bar, every card box, button, chip and caption, the
// clip. The stored card back and the frame lines never show on their own.
QList<QRect> tableContents(const BJMain &table) {
    QList<QRect> areas{onScreen(table.menuBar())};
    for (const QWidget *child : table.centralWidget()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (child->objectName() != "PicBack" && !child->objectName().startsWith("Line"))
            areas << onScreen(child);
    }
    return areas;
}

bool coversAny(const QRect &window, const QList<QRect> &areas) {
    return std::any_of(areas.begin(), areas.end(),
                       [&](const QRect &area) { return window.intersects(area); });
}

} // namespace

// On the small screens players still have, there is no room beside the table: the hint finds a place
// that covers none of it.
TEST(HintPlacement, CoversNoControlCardOrCaptionOnSmallScreens) {
    ScriptedTable table;
    table->show();
    table.stake(10, 490);
    table.deal(clubs(10), clubs(10), clubs(6));
    table->findChild<QAction *>("Hint")->trigger();
    BJHint *hint = windowOnScreen<BJHint>();
    ASSERT_TRUE(hint);
    EXPECT_FALSE(coversAny(hint->frameGeometry(), tableContents(*table.window)))
        << "on this platform's screen";

    const QList<QRect> contents = tableContents(*table.window);
    for (const QSize screenSize : {QSize(800, 600), QSize(1024, 768), QSize(1920, 1080)}) {
        SCOPED_TRACE(screenSize.width());
        BesideTable where;
        where.screen = QRect(QPoint(0, 0), screenSize);
        QRect tableFrame = table->frameGeometry();
        tableFrame.moveCenter(where.screen.center());
        const QPoint moved = tableFrame.topLeft() - table->frameGeometry().topLeft();
        where.table = tableFrame;
        for (const QRect &area : contents)
            where.keepClear << area.translated(moved);
        where.alignment = Qt::AlignBottom;
        where.widest = hint->sizeHint().width();
        where.narrowest = hint->minimumWidth();
        const QRect placed =
            placeBeside(where, [&](int width) { return QSize(width, hint->heightForWidth(width)); });
        EXPECT_TRUE(where.screen.contains(placed));
        EXPECT_FALSE(coversAny(placed, where.keepClear));
        if (screenSize.width() >= 1920) {
            EXPECT_FALSE(placed.intersects(where.table)) << "beside the table where there is room";
        }
    }
}

TEST(HintPlacement, TheHintGoesWithTheTableWhateverElseIsOpen) {
    ScriptedTable table;
    table->show();
    table->findChild<QAction *>("Help")->trigger();
    table->findChild<QAction *>("Hint")->trigger();
    ASSERT_TRUE(windowOnScreen<BJHint>());
    table->findChild<QAction *>("Exit")->trigger();
    EXPECT_FALSE(windowOnScreen<BJHint>());
    ASSERT_TRUE(windowOnScreen<BJHelp>()) << "the help stays open";
    windowOnScreen<BJHelp>()->close();
}
