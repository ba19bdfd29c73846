#include "support/modal.h"

#include <QApplication>
#include <QMessageBox>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

namespace {

// A message box opened without waiting, as the game shows its refusals.
void openAlert(const QString &text) {
    auto *box = new QMessageBox(QMessageBox::NoIcon, QStringLiteral("Corvane Alert"), text, QMessageBox::Ok);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

} // namespace

TEST(ModalAnswers, AnswerTheWindowOnScreenAndNoteWhatItShowed) {
    openAlert(QStringLiteral("first"));
    const ModalSeen seen = answerModal(QStringLiteral("OK"));
    EXPECT_EQ(seen.text, "first");
    EXPECT_EQ(seen.buttons, QStringList{"OK"});
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST(ModalAnswers, FailTheTestWhenNoWindowIsUpOrItLacksTheButton) {
    EXPECT_NONFATAL_FAILURE(answerModal(QStringLiteral("OK")), "no modal window is on screen");
    openAlert(QStringLiteral("no Yes here"));
    EXPECT_NONFATAL_FAILURE(answerModal(QStringLiteral("Yes")), "has no button Yes");
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "closed, not left for the next test";
}
