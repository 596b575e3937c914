#pragma once

// Every window test includes this header: Qt's widgets and test library whole, GoogleTest, and
// what the renderer's tests share.
#include <gtest/gtest.h>
#include <QtTest>
#include <QtWidgets>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "dialogs/Dialog.h"
#include "tests/support/TempInstallation.h"
#include "ui/ProgramCursor.h"
#include "ui/TemplateWindow.h"

namespace kelvrin::testing {

// Acts on the next window that runs modally (or pops up) once it is there, so that a test that
// opens one with exec() never hangs: after a few seconds the wait gives up.
inline void WhenWindowAppears(
    std::function<void(QWidget*)> act,
    std::function<QWidget*()> find = [] { return QApplication::activeModalWidget(); }) {
    auto* poll = new QTimer;
    auto* clock = new QElapsedTimer;
    clock->start();
    QObject::connect(poll, &QTimer::timeout, [poll, clock, act, find] {
        QWidget* window = find();
        if (window == nullptr && clock->elapsed() < 5000) return;
        poll->stop();
        poll->deleteLater();
        delete clock;
        if (window != nullptr) act(window);
    });
    poll->start(10);
}

// Whether the widget shows the program's own cursor (a bitmap cursor: it has no pixmap).
inline bool HasProgramCursor(const QWidget& widget) {
    const QCursor cursor = widget.cursor();
    const QCursor program = ProgramCursor();
    return cursor.shape() == Qt::BitmapCursor &&
           cursor.bitmap().toImage() == program.bitmap().toImage() &&
           cursor.mask().toImage() == program.mask().toImage() &&
           cursor.hotSpot() == program.hotSpot();
}

// A dialog of any template that does nothing but note the events its window reports.
class RecordingDialog : public Dialog {
public:
    explicit RecordingDialog(int templateId) : Dialog(templateId) {}

    void Clicked(int id) override { events.push_back("clicked " + std::to_string(id)); }
    void Picked(int id) override { events.push_back("picked " + std::to_string(id)); }
    void Edited(int id) override { events.push_back("edited " + std::to_string(id)); }
    void DoubleClicked(int id) override {
        events.push_back("double-clicked " + std::to_string(id));
    }
    void Focused(int id) override { events.push_back("focused " + std::to_string(id)); }

    std::vector<std::string> events;

protected:
    void OnInitDialog() override {}
};

// A template's window over a recording dialog, shown and active.
struct ShownTemplate {
    explicit ShownTemplate(int templateId) : dialog(templateId), window(dialog) {
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        dialog.events.clear();
    }
    template <class T>
    T* Item(int id) const {
        return window.ItemAs<T>(id);
    }
    // The operator clicks near the control's left end, where a check box has its box.
    void Click(int id) const {
        auto* button = Item<QAbstractButton>(id);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    }
    // The operator picks an item from the box's drop-down list with the mouse.
    void Choose(int id, int index) const {
        QComboBox* combo = Item<QComboBox>(id);
        combo->showPopup();
        QAbstractItemView* list = combo->view();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(list->window()));
        const QRect row = list->visualRect(list->model()->index(index, 0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row.center());
    }

    RecordingDialog dialog;
    TemplateWindow window;
};

}  // namespace kelvrin::testing
