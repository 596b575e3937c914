#pragma once

// Every window test includes this header: Qt's widgets and test library whole, GoogleTest, and
// what the renderer's tests share.
#include <gtest/gtest.h>
#include <QtTest>
#include <QtWidgets>

#include <functional>

#include "dialogs/DialogIds.h"
#include "tests/support/EventDialog.h"
#include "tests/support/Standing.h"
#include "ui/TemplateWindow.h"

// Qt's texts show in a failure as their UTF-8, quoted.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << ::testing::PrintToString(text.toStdString());
}

namespace kelvrin::testing {

// Acts on the next menu or modal window once it is there, so that a test that opens one with
// exec() never hangs: after about five seconds the wait gives up.
inline void WhenWindowAppears(std::function<void(QWidget*)> act, int tries = 500) {
    QTimer::singleShot(10, [act, tries] {
        QWidget* window = QApplication::activePopupWidget();
        if (window == nullptr) window = QApplication::activeModalWidget();
        if (window != nullptr) return act(window);
        if (tries > 0) WhenWindowAppears(act, tries - 1);
    });
}

// The operator presses a key in a control; the focus set from code first is no event.
template <Qt::Key key>
void Press(QWidget* control) {
    control->setFocus();
    QTest::keyClick(control, key);
}

// A template's window over a dialog that only notes its events, shown and active.
struct ShownTemplate {
    explicit ShownTemplate(int templateId) : dialog(templateId), window(dialog) {
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        dialog.events.clear();  // the focus the window gives its first control on showing
    }

    EventDialog dialog;
    TemplateWindow window;
};

}  // namespace kelvrin::testing
