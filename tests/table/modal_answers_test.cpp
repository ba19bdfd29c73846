#include "support/modal.h"

#include <QMessageBox>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

namespace {

// A modal message box, as the game shows its refusals.
void showAlert(const QString &text) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Corvane Alert"), text, QMessageBox::Ok);
    box.exec();
}

} // namespace

TEST(ModalAnswers, AnswerTheWindowsInTurnAndNoteWhatTheyShowed) {
    ModalAnswers modals;
    modals.click("OK").click("OK");
    showAlert(QStringLiteral("first"));
    showAlert(QStringLiteral("second"));
    modals.waitUntilDone();
    ASSERT_EQ(modals.seen().size(), 2u);
    EXPECT_EQ(modals.seen()[0].text, "first");
    EXPECT_EQ(modals.seen()[1].text, "second");
    EXPECT_EQ(modals.seen()[1].buttons, QStringList{"OK"});
}

TEST(ModalAnswers, FailTheTestWhenNoWindowComes) {
    EXPECT_NONFATAL_FAILURE(
        {
            ModalAnswers modals;
            modals.click("OK");
        },
        "did not come within two seconds");
}

TEST(ModalAnswers, CloseAWindowThatLacksTheButtonInsteadOfHanging) {
    EXPECT_NONFATAL_FAILURE(
        {
            ModalAnswers modals;
            modals.click("Yes");
            showAlert(QStringLiteral("no Yes here"));
        },
        "has no button Yes");
}

TEST(StuckModalWindows, AreClosedAndFailTheTestWhenNothingAnswersThem) {
    EXPECT_NONFATAL_FAILURE(showAlert(QStringLiteral("nobody answers")), "came unexpected");
}
