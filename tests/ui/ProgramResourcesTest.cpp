#include <QMessageBox>
#include <QTest>

#include <gtest/gtest.h>

#include "tests/ui/ModalRun.h"
#include "ui/QtOperatorMessages.h"

namespace kelvrin {
namespace {

struct SeenBox {
    QString caption, text;
    QMessageBox::Icon icon{};
    QMessageBox::StandardButtons buttons;
    Qt::TextFormat format{};
};

// Records the next message box and then presses the given key in it.
void SeeAndPress(SeenBox& seen, Qt::Key key) {
    testing::WhenWindowAppears([&seen, key](QWidget* modal) {
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            seen = {box->windowTitle(), box->text(), box->icon(), box->standardButtons(), box->textFormat()};
        }
        QTest::keyClick(modal, key);
    });
}

TEST(QtOperatorMessages, ShowHasOneOkButtonNoIconAndTheApplicationTitle) {
    QtOperatorMessages messages(nullptr);
    SeenBox seen;
    SeeAndPress(seen, Qt::Key_Return);
    messages.Show("<b>can't write \"kelvrin.cfg\"!</b>");
    EXPECT_EQ(seen.caption, QStringLiteral("ui_tests")) << "the application title: the executable's name";
    EXPECT_EQ(seen.text, QStringLiteral("<b>can't write \"kelvrin.cfg\"!</b>"));
    EXPECT_EQ(seen.format, Qt::PlainText) << "markup is shown as written";
    EXPECT_EQ(seen.icon, QMessageBox::NoIcon);
    EXPECT_EQ(seen.buttons, QMessageBox::Ok);
}

TEST(QtOperatorMessages, AskYesNoHasYesDefaultWarningIconAndItsOwnCaption) {
    for (const auto& [key, answer] : {std::pair{Qt::Key_Return, true}, std::pair{Qt::Key_N, false}}) {
        SCOPED_TRACE(key);
        QtOperatorMessages messages(nullptr);
        SeenBox seen;
        SeeAndPress(seen, key);
        EXPECT_EQ(messages.AskYesNo("Save changed configuration ?", "Question"), answer);
        EXPECT_EQ(seen.caption, QStringLiteral("Question"));
        EXPECT_EQ(seen.text, QStringLiteral("Save changed configuration ?"));
        EXPECT_EQ(seen.icon, QMessageBox::Warning);
        EXPECT_EQ(seen.buttons, QMessageBox::Yes | QMessageBox::No);
    }
}

}  // namespace
}  // namespace kelvrin
