// The map selection dialog on a recording view: the editing of the selected list, OK and Cancel.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "dialogs/MapSelectionDlg.h"
#include "tests/support/RecordingView.h"
#include "tests/support/TempInstallation.h"

namespace kelvrin::testing {
namespace {

using namespace mapselection;
using Rows = std::vector<std::string>;

std::string Script(const Rows& rows) {
    std::string text = "set si_mapcycle \"";
    for (std::size_t i = 0; i < rows.size(); ++i) text += (i == 0 ? "mp/" : ";mp/") + rows[i];
    return text + "\"\r\n";
}

class MapSelectionDlgTest : public ::testing::Test {
protected:
    // A fresh store and the dialog opened on a game folder whose script holds these rows.
    void Open(const Rows& script) {
        settings = install.Settings();
        install.WriteFile("dvbase/kelvrin.scriptcfg", Script(script));
        view.reset();
        dialog = std::make_unique<CMapSelectionDlg>(settings);
        view = std::make_unique<RecordingView>(*dialog);
    }
    void Add(const std::string& typed) const {
        view->Type(kTypedName, typed);
        view->Click(kAddButton);
    }

    TempInstallation install;
    ServerSettings settings;
    std::unique_ptr<CMapSelectionDlg> dialog;
    std::unique_ptr<RecordingView> view;
};

// What the operator does to the cycle a, b, c; then the chosen row, the move buttons and the
// selected list. Row 9 of the available list is "dvctf1.map".
TEST_F(MapSelectionDlgTest, ButtonsAndDoubleClicksEditTheSelectedList) {
    using View = RecordingView&;
    const struct {
        const char* name;
        std::function<void(View)> act;
        int chosen;
        bool up;
        bool down;
        Rows rows;
    } rows[] = {
        {"choose the first",
         [](View v) { v.Pick(kSelectedList, 0); },
         0,
         false,
         true,
         {"a", "b", "c"}},
        {"choose the middle",
         [](View v) { v.Pick(kSelectedList, 1); },
         1,
         true,
         true,
         {"a", "b", "c"}},
        {"choose the last",
         [](View v) { v.Pick(kSelectedList, 2); },
         2,
         true,
         false,
         {"a", "b", "c"}},
        {"focus the available list",
         [](View v) {
             v.Pick(kSelectedList, 1);
             v.Focus(kAvailableList);
         },
         -1,
         false,
         false,
         {"a", "b", "c"}},
        {"copy keeps the choice",
         [](View v) {
             v.Pick(kSelectedList, 1);
             v.Select(kAvailableList, 9);
             v.Click(kCopyButton);
         },
         1,
         true,
         true,
         {"a", "b", "c", "dvctf1.map"}},
        {"copy without a choice",
         [](View v) { v.Click(kCopyButton); },
         -1,
         false,
         false,
         {"a", "b", "c"}},
        {"double click copies",
         [](View v) { v.DoubleClick(kAvailableList, 9); },
         -1,
         false,
         false,
         {"a", "b", "c", "dvctf1.map"}},
        {"remove",
         [](View v) {
             v.Pick(kSelectedList, 1);
             v.Click(kRemoveButton);
         },
         -1,
         false,
         false,
         {"a", "c"}},
        {"double click removes",
         [](View v) { v.DoubleClick(kSelectedList, 1); },
         -1,
         false,
         false,
         {"a", "c"}},
        {"up",
         [](View v) {
             v.Pick(kSelectedList, 1);
             v.Click(kUpButton);
         },
         0,
         false,
         true,
         {"b", "a", "c"}},
        {"down twice",
         [](View v) {
             v.Pick(kSelectedList, 0);
             v.Click(kDownButton);
             v.Click(kDownButton);
         },
         2,
         true,
         false,
         {"b", "c", "a"}},
        {"add a typed name",
         [](View v) {
             v.Type(kTypedName, "my.map");
             v.Click(kAddButton);
         },
         -1,
         false,
         false,
         {"a", "b", "c", "my.map"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Open({"a", "b", "c"});
        row.act(*view);
        EXPECT_EQ(view->Selection(kSelectedList), row.chosen);
        EXPECT_EQ(view->At(kUpButton).enabled, row.up);
        EXPECT_EQ(view->At(kDownButton).enabled, row.down);
        EXPECT_EQ(view->At(kSelectedList).items, row.rows);
        EXPECT_EQ(dialog->SelectedRows(), row.rows);
        EXPECT_EQ(view->At(kAvailableList).items.size(), 13u);
    }
}

// The last row stays; typed names are taken up to 99 characters, and never one the script could
// not carry back; a name's bytes reach the script unchanged.
TEST_F(MapSelectionDlgTest, WhatMayBeRemovedAndAdded) {
    const struct {
        const char* name;
        Rows script;
        std::string typed;
        Rows rows;
    } rows[] = {
        {"the last row stays", {"only"}, "", {"only"}},
        {"120 characters", {"a"}, std::string(120, 'q'), {"a", std::string(99, 'q')}},
        {"a semicolon", {"a"}, "a;b", {"a"}},
        {"a double quote", {"a"}, "say\"x", {"a"}},
        {"Latin-1 and UTF-8 bytes", {"caf\xc3\xa9"}, "Z\xfcrich", {"caf\xc3\xa9", "Z\xfcrich"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Open(row.script);
        view->Pick(kSelectedList, 0);
        view->Click(kRemoveButton);
        if (!row.typed.empty()) Add(row.typed);
        view->Click(kOkButton);
        EXPECT_EQ(install.ReadFile("dvbase/kelvrin.scriptcfg"), Script(row.rows));
    }
}

// OK writes the script and closes, or asks for a map when the list is empty; Cancel writes
// nothing but keeps the start map that opening took from the script.
TEST_F(MapSelectionDlgTest, OkAndCancel) {
    const struct {
        const char* name;
        bool folder;
        int button;
        std::vector<std::string> shown;
        std::string written;
        std::string startMap;
        std::optional<bool> closed;
    } rows[] = {
        {"OK",
         true,
         kOkButton,
         {},
         Script({"dvctf1.map", "dvdm3.map", "dvdm2.map"}),
         "mp/dvctf1.map",
         true},
        {"Cancel",
         true,
         kCancelButton,
         {},
         Script({"dvdm3.map", "dvctf1.map"}),
         "mp/dvdm3.map",
         false},
        {"OK without a game folder",
         false,
         kOkButton,
         {"Please select at least one map ( startmap ) or press \"Cancel\""},
         Script({"dvdm3.map", "dvctf1.map"}),
         "mp/dvdm3.map",
         std::nullopt},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Open({"dvdm3.map", "dvctf1.map"});
        if (row.folder) {
            view->Pick(kSelectedList, 1);
            view->Click(kUpButton);
            view->Select(kAvailableList, 1);
            view->Click(kCopyButton);
        } else {
            settings.gameFolder = "missing";
            view.reset();
            dialog = std::make_unique<CMapSelectionDlg>(settings);
            view = std::make_unique<RecordingView>(*dialog);
        }
        view->Click(row.button);
        EXPECT_EQ(view->shown, row.shown);
        EXPECT_EQ(install.ReadFile("dvbase/kelvrin.scriptcfg"), row.written);
        EXPECT_EQ(settings.si_map, row.startMap);
        EXPECT_EQ(view->closed, row.closed);
    }
}

}  // namespace
}  // namespace kelvrin::testing
