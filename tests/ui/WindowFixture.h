#pragma once

// Every window test includes this header: Qt's widgets and test library whole, GoogleTest, and
// what the renderer's tests share.
#include <gtest/gtest.h>
#include <QtTest>
#include <QtWidgets>

#include <functional>
#include <string>
#include <vector>

#include "dialogs/DialogIds.h"
#include "tests/support/EventDialog.h"
#include "tests/support/Standing.h"
#include "ui/TemplateWindow.h"

// Qt's texts show in a failure as their UTF-8, quoted.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << ::testing::PrintToString(text.toStdString());
}

namespace kelvrin::testing {

// Acts on the next modal window (or what find gives) once it is there, so that a test that opens
// one with exec() never hangs: after about five seconds the wait gives up.
inline void WhenWindowAppears(
    std::function<void(QWidget*)> act,
    std::function<QWidget*()> find = [] { return QApplication::activeModalWidget(); },
    int tries = 500) {
    QTimer::singleShot(10, [act, find, tries] {
        if (QWidget* window = find()) return act(window);
        if (tries > 0) WhenWindowAppears(act, find, tries - 1);
    });
}

// A dialog of any template that does nothing but note the events its window reports.
class RecordingDialog : public Dialog {
public:
    explicit RecordingDialog(int templateId) : Dialog(templateId) {}

    void Clicked(int id) override { Note("clicked", id); }
    void Picked(int id) override { Note("picked", id); }
    void Edited(int id) override { Note("edited", id); }
    void DoubleClicked(int id) override { Note("double-clicked", id); }
    void Focused(int id) override { Note("focused", id); }

    std::vector<std::string> events;

protected:
    void OnInitDialog() override {}

private:
    void Note(const std::string& kind, int id) {
        events.push_back(kind + " " + std::to_string(id));
    }
};

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
