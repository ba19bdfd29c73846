#include "corvane_version.h"
#include "support/scripted_platform.h"
#include "support/table_controls.h"
#include "table/help_window.h"
#include "table/table_window.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>
#include <gtest/gtest.h>

namespace {

const QStringList headings{
    "The Rules:", "Double Down:", "Insurance:", "Rules for the Dealer:", "Keyboard:", "Accessibility:"};

class HelpWindow : public ::testing::Test {
protected:
    ~HelpWindow() override {
        if (windowOnScreen<BJHelp>())
            windowOnScreen<BJHelp>()->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Opens the help window through the menu and waits until it is on screen.
    BJHelp *openHelp() {
        table.ui->Help->trigger();
        BJHelp *help = windowOnScreen<BJHelp>();
        if (help && !QTest::qWaitForWindowExposed(help))
            return nullptr;
        return help;
    }

    // True when the first line holding `text` lies wholly inside the text box's visible part.
    static bool lineInView(QPlainTextEdit *box, const QString &text) {
        const QTextCursor found = box->document()->find(text);
        return !found.isNull() && box->viewport()->rect().contains(box->cursorRect(found));
    }

    ScriptedTable table;
};

} // namespace

TEST_F(HelpWindow, IgnoresTypingIntoTheText) {
    BJHelp *help = openHelp();
    ASSERT_NE(help, nullptr);
    QPlainTextEdit *text = help->txtHelp;
    const QString rules = text->toPlainText();
    QGuiApplication::clipboard()->setText(QStringLiteral("pasted"));

    QTest::keyClicks(text, QStringLiteral("abc 21"));
    for (const QKeyCombination key : {QKeyCombination(Qt::Key_Return), QKeyCombination(Qt::Key_Backspace),
                                      QKeyCombination(Qt::Key_Delete), QKeyCombination(Qt::CTRL, Qt::Key_V),
                                      QKeyCombination(Qt::CTRL, Qt::Key_A),
                                      QKeyCombination(Qt::CTRL, Qt::Key_X), QKeyCombination(Qt::Key_Delete)})
        QTest::keyClick(text, key.key(), key.keyboardModifiers());

    EXPECT_EQ(text->toPlainText(), rules);
}

TEST_F(HelpWindow, StatesTheRulesTheKeysAndTheAccessibilityInSixSections) {
    BJHelp *help = openHelp();
    ASSERT_NE(help, nullptr);
    const QString rules = help->txtHelp->toPlainText();
    const QStringList lines = rules.split(QLatin1Char('\n'));

    qsizetype previous = -1;
    for (const QString &heading : headings) {
        const qsizetype at = lines.indexOf(heading);
        EXPECT_GT(at, previous) << heading.toStdString() << " as a line of its own, after the one before";
        previous = at;
    }
    EXPECT_TRUE(rules.contains(QLatin1String("Corvane")));
    EXPECT_GT(rules.size(), 1600);
    EXPECT_LT(rules.size(), 3200);
}

TEST_F(HelpWindow, EndsWithTheProgramsVersionOnALineOfItsOwn) {
    BJHelp *help = openHelp();
    ASSERT_NE(help, nullptr);
    const QStringList lines = help->txtHelp->toPlainText().split(QLatin1Char('\n'));

    ASSERT_GE(lines.size(), 3);
    EXPECT_EQ(lines.last(), QStringLiteral("Corvane %1").arg(QLatin1String(corvaneVersion)));
    EXPECT_TRUE(QString::fromLatin1(corvaneVersion)
                    .contains(QRegularExpression(QStringLiteral("^\\d+\\.\\d+\\.\\d+$"))))
        << corvaneVersion;
    EXPECT_TRUE(lines.at(lines.size() - 2).isEmpty()) << "set apart from the rules";
    EXPECT_FALSE(lines.at(lines.size() - 3).isEmpty()) << "the rules end right above";
}

TEST_F(HelpWindow, ScrollsDownToItsLastSection) {
    BJHelp *help = openHelp();
    ASSERT_NE(help, nullptr);
    QPlainTextEdit *text = help->txtHelp;
    QScrollBar *bar = text->verticalScrollBar();

    EXPECT_TRUE(bar->isVisible());
    ASSERT_GT(bar->maximum(), 0) << "the text is longer than the box";
    EXPECT_TRUE(lineInView(text, headings.front()));
    EXPECT_FALSE(lineInView(text, headings.back()));

    bar->setValue(bar->maximum());

    EXPECT_TRUE(lineInView(text, headings.back()));
}

TEST_F(HelpWindow, UnloadsWhenClosedAndReopensScrolledToTheTop) {
    QPointer<BJHelp> first = openHelp();
    ASSERT_TRUE(first);
    QScrollBar *firstBar = first->txtHelp->verticalScrollBar();
    firstBar->setValue(firstBar->maximum());

    first->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(first) << "closing unloads the window";
    EXPECT_EQ(windowOnScreen<BJHelp>(), nullptr);

    BJHelp *second = openHelp();
    ASSERT_NE(second, nullptr);
    EXPECT_TRUE(second->isVisible());
    EXPECT_EQ(second->txtHelp->verticalScrollBar()->value(), 0);
    EXPECT_TRUE(lineInView(second->txtHelp, headings.front()));
}
