#pragma once

// Every window test includes this header: Qt's widgets and test library whole, GoogleTest, the
// standard library parts the tests use, and the recording stand-ins for the program's services.
#include <gtest/gtest.h>
#include <QtTest>
#include <QtWidgets>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "dialogs/MainWindowIds.h"
#include "settings/ConfigWriter.h"
#include "tests/support/Recorders.h"
#include "tests/support/TempInstallation.h"
#include "ui/KelvrinDlg.h"
#include "ui/ProgramCursor.h"
#include "ui/UrlOpener.h"

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
    const QCursor cursor = widget.cursor(), program = ProgramCursor();
    return cursor.shape() == Qt::BitmapCursor &&
           cursor.bitmap().toImage() == program.bitmap().toImage() &&
           cursor.mask().toImage() == program.mask().toImage() &&
           cursor.hotSpot() == program.hotSpot();
}

class RecordingUrlOpener : public UrlOpener {
public:
    void Open(const QString& target) override { opened.push_back(target.toStdString()); }
    std::vector<std::string> opened;
};

// A start directory with the default game folder, and the main window opened in it.
class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest() { installation.MakeFolder("dvbase"); }

    // Opens a new window on a fresh store, with nothing recorded yet.
    void Open(ServerSettings stored = {}) {
        window.reset(), settings = stored, messages = {}, launcher.launches.clear();
        window = std::make_unique<CKelvrinDlg>(settings, messages, launcher, urls);
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    template <class T>
    T* Item(int id) const {
        return window->ItemAs<T>(id);
    }
    QCheckBox* Check(int id) const { return Item<QCheckBox>(id); }
    QComboBox* Combo(int id) const { return Item<QComboBox>(id); }

    // An edit, or the edit field of a drop-down.
    QLineEdit* Field(int id) const {
        return Combo(id) ? Combo(id)->lineEdit() : Item<QLineEdit>(id);
    }
    QStringList Texts(std::initializer_list<int> ids) const {
        QStringList texts;
        for (const int id : ids) texts << Field(id)->text();
        return texts;
    }

    // The operator clicks near the control's left end, where a check box has its box.
    void Click(int id) const {
        auto* button = Item<QAbstractButton>(id);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    }

    // The operator picks an item from the box's drop-down list with the mouse.
    void Choose(int id, int index) const {
        Combo(id)->showPopup();
        QAbstractItemView* list = Combo(id)->view();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(list->window()));
        const QRect row = list->visualRect(list->model()->index(index, 0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          QPoint(row.left() + 4, row.center().y()));
    }

    // The operator replaces the text of an edit or drop-down by typing.
    void Type(int id, const QString& text) const {
        Field(id)->setFocus(), Field(id)->selectAll(), QTest::keyClick(Field(id), Qt::Key_Delete),
            QTest::keyClicks(Field(id), text);
    }

    // Writes the folder's kelvrin.cfg as the program itself writes it for these settings.
    void WriteConfig(const std::string& folder, ServerSettings stored) const {
        RecordingMessages unused;
        installation.WriteFile(folder + "/kelvrin.cfg", ComposeServerConfig(stored, unused));
    }
    bool Wrote(const char* text) const {
        return installation.ReadFile("dvbase/kelvrin.cfg").find(text) != std::string::npos;
    }

    TempInstallation installation;
    ServerSettings settings;
    RecordingMessages messages;
    RecordingLauncher launcher;
    RecordingUrlOpener urls;
    std::unique_ptr<CKelvrinDlg> window;
};

}  // namespace kelvrin::testing
