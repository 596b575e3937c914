#pragma once

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

#include "settings/ConfigWriter.h"
#include "tests/support/RecordingLauncher.h"
#include "tests/support/RecordingMessages.h"
#include "tests/support/TempInstallation.h"
#include "tests/ui/ModalRun.h"
#include "ui/KelvrinDlg.h"
#include "ui/MainWindowControls.h"
#include "ui/UrlOpener.h"

namespace kelvrin::testing {

class RecordingUrlOpener : public UrlOpener {
public:
    void Open(const QString& target) override { opened.push_back(target.toStdString()); }
    std::vector<std::string> opened;
};

// A started installation with the default game folder and the opened main window.
class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest() { installation.MakeFolder("dvbase"); }

    void Open() {
        window = std::make_unique<CKelvrinDlg>(settings, messages, launcher, urls);
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    // A new window with nothing recorded yet, for the next case of a table.
    void Reopen() {
        window.reset();
        messages.shown.clear(), messages.asked.clear(), messages.answers.clear(), launcher.launches.clear();
        Open();
    }

    template <class T>
    T* Item(int id) const { return window->ItemAs<T>(id); }
    QCheckBox* Check(int id) const { return Item<QCheckBox>(id); }
    QComboBox* Combo(int id) const { return Item<QComboBox>(id); }
    QLineEdit* Edit(int id) const { return Item<QLineEdit>(id); }

    // An edit, or the edit field of a drop-down.
    QLineEdit* Field(int id) const {
        if (auto* combo = window->ItemAs<QComboBox>(id)) return combo->lineEdit();
        return Edit(id);
    }
    QString Text(int id) const { return Field(id)->text(); }
    QStringList Texts(std::initializer_list<int> ids) const {
        QStringList texts;
        for (const int id : ids) texts << Text(id);
        return texts;
    }
    QStringList Items(int id) const {
        QStringList items;
        for (int row = 0; row < Combo(id)->count(); ++row) items << Combo(id)->itemText(row);
        return items;
    }

    // The operator clicks near the control's left end, where a check box has its box.
    void Click(int id) const {
        QAbstractButton* button = Item<QAbstractButton>(id);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    }

    // The operator picks an item from the box's drop-down list with the mouse.
    void Choose(int id, int index) const {
        Combo(id)->showPopup();
        QAbstractItemView* list = Combo(id)->view();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(list->window()));
        const QRect row = list->visualRect(list->model()->index(index, 0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(row.left() + 4, row.center().y()));
    }

    // The operator replaces the text of an edit or drop-down by typing (ASCII only, as Qt Test).
    void Type(int id, const QString& text) const {
        Field(id)->setFocus();
        Field(id)->selectAll();
        QTest::keyClick(Field(id), Qt::Key_Delete);
        QTest::keyClicks(Field(id), text);
    }

    // Writes the folder's kelvrin.cfg as the program itself writes it for these settings.
    void WriteConfig(const std::string& folder, ServerSettings stored) const {
        RecordingMessages unused;
        installation.WriteFile(folder + "/kelvrin.cfg", ComposeServerConfig(stored, unused));
    }

    TempInstallation installation;
    ServerSettings settings;
    RecordingMessages messages;
    RecordingLauncher launcher;
    RecordingUrlOpener urls;
    std::unique_ptr<CKelvrinDlg> window;
};

}  // namespace kelvrin::testing
