#include <QMessageBox>
#include <QTest>

#include <gtest/gtest.h>

#include "tests/ui/ModalRun.h"
#include "ui/QtOperatorMessages.h"

namespace kelvrin {
namespace {

// A message has one OK button, no icon and the application title; the question its own caption,
// Yes and No with Yes the default, and the exclamation icon. Markup shows as written.
TEST(QtOperatorMessages, MessagesAndTheQuestionLookAsTheyShould) {
    const struct { bool question; Qt::Key key; QString caption; QMessageBox::Icon icon;
                   QMessageBox::StandardButtons buttons; bool answer; } rows[] = {
        {false, Qt::Key_Return, "ui_tests", QMessageBox::NoIcon, QMessageBox::Ok, false},
        {true, Qt::Key_Return, "Question", QMessageBox::Warning, QMessageBox::Yes | QMessageBox::No, true},
        {true, Qt::Key_N, "Question", QMessageBox::Warning, QMessageBox::Yes | QMessageBox::No, false},
    };
    for (const auto& row : rows) {
        QtOperatorMessages messages(nullptr);
        QMessageBox* seen = nullptr;
        QString text;
        testing::WhenWindowAppears([&, key = row.key](QWidget* modal) {
            seen = qobject_cast<QMessageBox*>(modal);
            if (seen != nullptr) {
                EXPECT_EQ(seen->windowTitle(), row.caption);
                EXPECT_EQ(seen->icon(), row.icon);
                EXPECT_EQ(seen->standardButtons(), row.buttons);
                EXPECT_EQ(seen->textFormat(), Qt::PlainText);
                text = seen->text();
            }
            QTest::keyClick(modal, key);
        });
        const bool answer = row.question ? messages.AskYesNo("Save <b>changed</b> configuration ?", "Question")
                                         : (messages.Show("Save <b>changed</b> configuration ?"), false);
        EXPECT_NE(seen, nullptr);
        EXPECT_EQ(text, "Save <b>changed</b> configuration ?");
        EXPECT_EQ(answer, row.answer);
    }
}

}  // namespace
}  // namespace kelvrin
