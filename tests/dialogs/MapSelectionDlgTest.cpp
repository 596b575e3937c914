// The map selection dialog on a recording view: the editing of the selected list, OK and Cancel.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialogs/MapSelectionDlg.h"
#include "tests/support/RecordingView.h"
#include "tests/support/TempInstallation.h"

namespace kelvrin::testing {
namespace {

using namespace mapselection;
using Rows = std::vector<std::string>;

// The rows as the script separates them.
std::string Joined(const Rows& rows) {
    std::string joined;
    for (const std::string& row : rows) joined += (joined.empty() ? "" : ";") + row;
    return joined;
}

std::string Script(const std::string& rows) {
    std::string text = "set si_mapcycle \"mp/";
    for (const char c : rows) text += c == ';' ? std::string(";mp/") : std::string(1, c);
    return text + "\"\r\n";
}

// One thing the operator does: an event on a control, with a row where it takes one.
struct Step {
    enum { Pick, Select, Click, DoubleClick, Focus, Type } what;
    int id;
    int row = 0;
    std::string text = {};
};

class MapSelectionDlgTest : public ::testing::Test {
protected:
    // A fresh store and the dialog opened on a game folder whose script holds these rows.
    void Open(const std::string& rows, const std::string& folder = "dvbase") {
        settings = install.Settings();
        settings.gameFolder = folder;
        install.WriteFile("dvbase/kelvrin.scriptcfg", Script(rows));
        view.reset();
        dialog = std::make_unique<CMapSelectionDlg>(settings);
        view = std::make_unique<RecordingView>(*dialog);
    }
    void Do(const std::vector<Step>& steps) const {
        for (const Step& step : steps) {
            switch (step.what) {
                case Step::Pick:
                    view->Pick(step.id, step.row);
                    break;
                case Step::Select:
                    view->Select(step.id, step.row);
                    break;
                case Step::Click:
                    view->Click(step.id);
                    break;
                case Step::DoubleClick:
                    view->DoubleClick(step.id, step.row);
                    break;
                case Step::Focus:
                    view->Focus(step.id);
                    break;
                case Step::Type:
                    view->Type(step.id, step.text);
                    break;
            }
        }
    }

    TempInstallation install;
    ServerSettings settings;
    std::unique_ptr<CMapSelectionDlg> dialog;
    std::unique_ptr<RecordingView> view;
};

// What the operator does to the cycle a, b, c; then the chosen row, the move buttons and the
// selected list. Row 9 of the available list is "dvctf1.map". The last row cannot be removed,
// and a typed name is taken up to 99 characters unless the script could not carry it back.
TEST_F(MapSelectionDlgTest, ButtonsAndDoubleClicksEditTheSelectedList) {
    const std::string q99(99, 'q');
    const struct {
        const char* name;
        int chosen;
        bool up;
        bool down;
        std::string rows;
        std::vector<Step> steps;
    } rows[] = {
        {"choose the first", 0, false, true, "a;b;c", {{Step::Pick, kSelectedList, 0}}},
        {"choose the middle", 1, true, true, "a;b;c", {{Step::Pick, kSelectedList, 1}}},
        {"choose the last", 2, true, false, "a;b;c", {{Step::Pick, kSelectedList, 2}}},
        {"focus the available list",
         -1,
         false,
         false,
         "a;b;c",
         {{Step::Pick, kSelectedList, 1}, {Step::Focus, kAvailableList}}},
        {"copy keeps the choice",
         1,
         true,
         true,
         "a;b;c;dvctf1.map",
         {{Step::Pick, kSelectedList, 1},
          {Step::Select, kAvailableList, 9},
          {Step::Click, kCopyButton}}},
        {"copy without a choice", -1, false, false, "a;b;c", {{Step::Click, kCopyButton}}},
        {"double click copies",
         -1,
         false,
         false,
         "a;b;c;dvctf1.map",
         {{Step::DoubleClick, kAvailableList, 9}}},
        {"remove",
         -1,
         false,
         false,
         "a;c",
         {{Step::Pick, kSelectedList, 1}, {Step::Click, kRemoveButton}}},
        {"double click removes", -1, false, false, "a;c", {{Step::DoubleClick, kSelectedList, 1}}},
        {"the last row stays",
         0,
         false,
         false,
         "c",
         {{Step::DoubleClick, kSelectedList, 0},
          {Step::DoubleClick, kSelectedList, 0},
          {Step::DoubleClick, kSelectedList, 0}}},
        {"up", 0, false, true, "b;a;c", {{Step::Pick, kSelectedList, 1}, {Step::Click, kUpButton}}},
        {"down twice",
         2,
         true,
         false,
         "b;c;a",
         {{Step::Pick, kSelectedList, 0}, {Step::Click, kDownButton}, {Step::Click, kDownButton}}},
        {"add a typed name",
         -1,
         false,
         false,
         "a;b;c;Z\xfcrich",
         {{Step::Type, kTypedName, 0, "Z\xfcrich"}, {Step::Click, kAddButton}}},
        {"add 120 characters",
         -1,
         false,
         false,
         "a;b;c;" + q99,
         {{Step::Type, kTypedName, 0, std::string(120, 'q')}, {Step::Click, kAddButton}}},
        {"add a semicolon",
         -1,
         false,
         false,
         "a;b;c",
         {{Step::Type, kTypedName, 0, "x;y"}, {Step::Click, kAddButton}}},
        {"add a double quote",
         -1,
         false,
         false,
         "a;b;c",
         {{Step::Type, kTypedName, 0, "x\"y"}, {Step::Click, kAddButton}}},
        {"add nothing", -1, false, false, "a;b;c", {{Step::Click, kAddButton}}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Open("a;b;c");
        Do(row.steps);
        EXPECT_EQ(view->Selection(kSelectedList), row.chosen);
        EXPECT_EQ(view->At(kUpButton).enabled, row.up);
        EXPECT_EQ(view->At(kDownButton).enabled, row.down);
        EXPECT_EQ(Joined(view->At(kSelectedList).items), row.rows);
        EXPECT_EQ(Joined(dialog->SelectedRows()), row.rows);
        EXPECT_EQ(view->At(kAvailableList).items.size(), 13u);
    }
}

// OK writes the script, byte for byte, and closes, or asks for a map when the list is empty;
// Cancel writes nothing but keeps the start map that opening took from the script.
TEST_F(MapSelectionDlgTest, OkAndCancel) {
    const std::vector<Step> edit{{Step::Pick, kSelectedList, 1},
                                 {Step::Click, kUpButton},
                                 {Step::Select, kAvailableList, 1},
                                 {Step::Click, kCopyButton}};
    const struct {
        const char* name;
        std::string folder;
        int button;
        std::string written;
        std::string startMap;
        std::optional<bool> closed;
    } rows[] = {
        {"OK", "dvbase", kOkButton, "caf\xc3\xa9;dvdm3;dvdm2.map", "mp/caf\xc3\xa9", true},
        {"Cancel", "dvbase", kCancelButton, "dvdm3;caf\xc3\xa9", "mp/dvdm3", false},
        {"OK without a game folder", "none", kOkButton, "dvdm3;caf\xc3\xa9", "mp/dvdm1", {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Open("dvdm3;caf\xc3\xa9", row.folder);
        Do(row.folder == "dvbase" ? edit : std::vector<Step>{});
        view->Click(row.button);
        const bool unchosen = row.folder != "dvbase";
        EXPECT_EQ(view->shown.size(), unchosen ? 1u : 0u);
        for (const std::string& message : view->shown) {
            EXPECT_EQ(message, "Please select at least one map ( startmap ) or press \"Cancel\"");
        }
        EXPECT_EQ(install.ReadFile("dvbase/kelvrin.scriptcfg"), Script(row.written));
        EXPECT_EQ(settings.si_map, row.startMap);
        EXPECT_EQ(view->closed, row.closed);
    }
}

}  // namespace
}  // namespace kelvrin::testing
