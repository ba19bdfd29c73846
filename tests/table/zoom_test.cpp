// Runs on a large offscreen screen (support/large_screen*.json), at one and at two device pixels per pixel.
#include "platform/animation_player.h"
#include "support/cards.h"
#include "support/scripted_platform.h"
#include "support/table_controls.h"
#include "table/card_box.h"
#include "table/coach_windows.h"
#include "table/help_window.h"
#include "table/insurance_dialog.h"
#include "table/narrator.h"
#include "table/table_pictures.h"
#include "table/table_window.h"
#include "table/table_zoom.h"

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QMovie>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <vector>

namespace {

// Each edge of `shown` within a pixel of the edge of `base` scaled by `zoom`.
bool inProportion(const QRect &shown, const QRect &base, qreal zoom) {
    const auto near = [zoom](int edge, int baseEdge) { return std::abs(edge - baseEdge * zoom) <= 1.0; };
    return near(shown.left(), base.left()) && near(shown.top(), base.top()) &&
           near(shown.left() + shown.width(), base.left() + base.width()) &&
           near(shown.top() + shown.height(), base.top() + base.height());
}

// The picture has at least as many device pixels as the logical `target` it covers on this screen.
bool sharpFor(QSize picture, QSizeF target, qreal ratio) {
    return picture.width() >= std::floor(target.width() * ratio) &&
           picture.height() >= std::floor(target.height() * ratio);
}

} // namespace

TEST(TableZoom, LargestStepKeepsTheArtSharpAndTheWindowOnTheScreen) {
    struct Case {
        qreal ratio;
        QSize room;
        int largest;
    };
    const QSize felt(559, 410), frame(4, 30);
    for (const Case &c :
         {Case{1.0, {2560, 1600}, 300}, Case{2.0, {2560, 1600}, 150}, Case{1.25, {2560, 1600}, 200},
          Case{3.0, {2560, 1600}, 100}, Case{1.0, {1920, 1080}, 250}, Case{1.0, {1366, 768}, 175},
          Case{1.0, {800, 600}, 125}, Case{1.0, {400, 300}, 100}, Case{4.0, {9000, 9000}, 100}})
        EXPECT_EQ(TableZoom::largestStep(c.ratio, c.room, felt, frame), c.largest)
            << c.ratio << " " << c.room.width() << "x" << c.room.height();
}

TEST(TableZoom, StepsOneAtATimeWithinTheLargestAndDownToANewScreensLargest) {
    QWidget table;
    TableZoom zoom(&table);
    for (int step = 0; step < 3; ++step)
        EXPECT_TRUE(zoom.zoomIn(175));
    EXPECT_FALSE(zoom.zoomIn(175));
    EXPECT_EQ(zoom.percent(), 175);
    EXPECT_FALSE(zoom.keepWithin(200));
    EXPECT_TRUE(zoom.keepWithin(125));
    EXPECT_EQ(zoom.percent(), 125);
    EXPECT_TRUE(zoom.zoomOut());
    EXPECT_FALSE(zoom.zoomOut());
    EXPECT_EQ(TableZoom::of(&table), &zoom);
}

class ZoomedTable : public ::testing::Test {
protected:
    void SetUp() override {
        table->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(table.window.get()));
        QObject::connect(table->findChild<Narrator *>(), &Narrator::spoke,
                         [this](const QString &words) { heard << words; });
        felt = table->centralWidget();
        for (QWidget *child : felt->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            base.emplace_back(child, child->geometry());
        baseFont = table.ui->lblmoney->font().pointSizeF();
    }

    // Every step above 100% that Zoom In reaches, the first by its key.
    std::vector<int> zoomThroughEveryStep(const std::function<void(qreal zoom)> &atStep) {
        std::vector<int> reached;
        auto *zoomIn = table->findChild<QAction *>(QStringLiteral("ZoomIn"));
        const TableZoom *zoom = TableZoom::of(table.window.get());
        QTest::keyClick(table.window.get(), Qt::Key_Plus, Qt::ControlModifier);
        EXPECT_GT(zoom->percent(), 100) << "Ctrl+Plus zooms in";
        for (; zoom->percent() > 100; zoomIn->trigger()) {
            reached.push_back(zoom->percent());
            atStep(zoom->factor());
            if (!zoomIn->isEnabled())
                break;
        }
        return reached;
    }

    std::vector<int> stepsExpected() const {
        std::vector<int> steps;
        for (int step : TableZoom::stepsInPercent) {
            if (step / 100.0 * table->devicePixelRatioF() <= TableZoom::largestArt)
                steps.push_back(step);
        }
        return steps;
    }

    ScriptedTable table;
    QWidget *felt = nullptr;
    std::vector<std::pair<QWidget *, QRect>> base;
    qreal baseFont = 0;
    QStringList heard;
};

TEST_F(ZoomedTable, EveryStepKeepsEveryWidgetInTheTablesProportionsAndIsHeard) {
    const QSize feltBase = felt->size();
    const std::vector<int> reached = zoomThroughEveryStep([&](qreal zoom) {
        SCOPED_TRACE(zoom);
        EXPECT_TRUE(inProportion(felt->rect(), QRect(QPoint(), feltBase), zoom));
        EXPECT_EQ(table->height(), table->menuBar()->height() + felt->height()) << "the window follows";
        for (const auto &[widget, rect] : base)
            EXPECT_TRUE(inProportion(widget->geometry(), rect, zoom)) << widget->objectName().toStdString();
        EXPECT_NEAR(table.ui->lblmoney->font().pointSizeF(), baseFont * zoom, 0.01);
        EXPECT_TRUE(heard.contains(QStringLiteral("Zoom %1%").arg(qRound(zoom * 100))));
    });
    const std::vector<int> expected = stepsExpected();
    EXPECT_EQ(reached, std::vector<int>(expected.begin() + 1, expected.end()));

    QTest::keyClick(table.window.get(), Qt::Key_0, Qt::ControlModifier);
    for (const auto &[widget, rect] : base)
        EXPECT_EQ(widget->geometry(), rect) << widget->objectName().toStdString();
}

TEST_F(ZoomedTable, NoPictureIsDrawnFromFewerPixelsThanItCovers) {
    table.stake(10, 490);
    table.deal(clubs(5), hearts(12), spades(10));
    table.ui->Flash->setMovie(QCoreApplication::applicationDirPath() + QStringLiteral("\\win.swf"));
    // The window's own ratio, which the table's art is chosen for; on a test platform it may differ from
    // the application's.
    const qreal ratio = table->devicePixelRatioF();
    zoomThroughEveryStep([&](qreal zoom) {
        SCOPED_TRACE(zoom);
        EXPECT_TRUE(sharpFor(backgroundPicture(ratio, zoom).size(), felt->size(), ratio));
        for (CardBox *box : {table.ui->PicCom[0], table.ui->PicCom[1], table.ui->PicPlay[0]}) {
            const QPixmap card = box->pixmap();
            EXPECT_NEAR(card.deviceIndependentSize().width(), 71 * zoom, 1.0);
            EXPECT_TRUE(sharpFor(card.size(), QSizeF(71, 96) * zoom, ratio))
                << box->objectName().toStdString();
        }
        auto *clip = table.ui->Flash->findChild<QMovie *>();
        ASSERT_NE(clip, nullptr);
        EXPECT_TRUE(sharpFor(clip->currentPixmap().size(), table.ui->Flash->size(), ratio));
    });
}

TEST_F(ZoomedTable, TheWindowsBesideAndOverTheTableScaleWithIt) {
    table.ui->Help->trigger();
    table->findChild<QAction *>(QStringLiteral("Statistics"))->trigger();
    table->findChild<QAction *>(QStringLiteral("Hint"))->trigger();
    auto *help = windowOnScreen<BJHelp>();
    ASSERT_TRUE(help && windowOnScreen<BJStats>() && windowOnScreen<BJHint>());
    const QSize helpBase = help->size();
    // The words of each open window, and the size they had at 100%.
    const std::vector<std::pair<QWidget *, qreal>> words{
        {help->txtHelp, help->txtHelp->font().pointSizeF()},
        {windowOnScreen<BJHint>()->lblHint, windowOnScreen<BJHint>()->lblHint->font().pointSizeF()},
        {windowOnScreen<BJStats>()->cmdClose, windowOnScreen<BJStats>()->cmdClose->font().pointSizeF()}};
    zoomThroughEveryStep([&](qreal zoom) {
        SCOPED_TRACE(zoom);
        EXPECT_TRUE(inProportion(help->rect(), QRect(QPoint(), helpBase), zoom)) << "an open window follows";
        for (const auto &[widget, points] : words)
            EXPECT_NEAR(widget->font().pointSizeF(), points * zoom, 0.01)
                << widget->objectName().toStdString();
        BJInsurWindow offer(table.window.get());
        EXPECT_TRUE(inProportion(offer.rect(), QRect(0, 0, 248, 103), zoom)) << "a new one opens at the zoom";
        EXPECT_TRUE(inProportion(offer.CmdNo->geometry(), QRect(136, 56, 89, 33), zoom));
    });
    help->close();
}
