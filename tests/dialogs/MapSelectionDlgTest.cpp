// The map selection dialog on a recording view: the editing of the selected list, OK and Cancel.
#include <gtest/gtest.h>

#include <map>
#include <sstream>
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
    // The operator's steps, a word each: "pick:N" chooses row N of the selected list and
    // "dbl:N" double-clicks it, "avail:N" selects row N of the available list (a click there
    // only selects) and "availdbl:N" double-clicks it, "focus" enters the available list,
    // "type:TEXT" types a name, and a button's name clicks it.
    void Do(const std::string& steps) const {
        const std::map<std::string, int> buttons{
            {"copy", kCopyButton},    {"remove", kRemoveButton}, {"up", kUpButton},
            {"down", kDownButton},    {"add", kAddButton},       {"ok", kOkButton},
            {"cancel", kCancelButton}};
        std::istringstream words(steps);
        for (std::string word; words >> word;) {
            const std::size_t colon = word.find(':');
            const std::string verb = word.substr(0, colon);
            const std::string argument = colon == std::string::npos ? "" : word.substr(colon + 1);
            const int row = std::atoi(argument.c_str());
            const std::string lists = " pick dbl avail availdbl focus type ";
            ASSERT_TRUE(buttons.contains(verb) || lists.find(" " + verb + " ") != lists.npos)
                << "no such step: " << word;
            if (verb == "pick") view->Pick(kSelectedList, row);
            if (verb == "dbl") view->DoubleClick(kSelectedList, row);
            if (verb == "avail") view->Select(kAvailableList, row);
            if (verb == "availdbl") view->DoubleClick(kAvailableList, row);
            if (verb == "focus") view->Focus(kAvailableList);
            if (verb == "type") view->Type(kTypedName, argument);
            if (buttons.contains(verb)) view->Click(buttons.at(verb));
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
        std::string steps;
    } rows[] = {
        {"choose the first", 0, false, true, "a;b;c", "pick:0"},
        {"choose the middle", 1, true, true, "a;b;c", "pick:1"},
        {"choose the last", 2, true, false, "a;b;c", "pick:2"},
        {"focus the available list", -1, false, false, "a;b;c", "pick:1 focus"},
        {"copy keeps the choice", 1, true, true, "a;b;c;dvctf1.map", "pick:1 avail:9 copy"},
        {"copy without a choice", -1, false, false, "a;b;c", "copy"},
        {"double click copies", -1, false, false, "a;b;c;dvctf1.map", "availdbl:9"},
        {"remove", -1, false, false, "a;c", "pick:1 remove"},
        {"double click removes", -1, false, false, "a;c", "dbl:1"},
        {"the last row stays", 0, false, false, "c", "dbl:0 dbl:0 dbl:0"},
        {"up", 0, false, true, "b;a;c", "pick:1 up"},
        {"down twice", 2, true, false, "b;c;a", "pick:0 down down"},
        {"add a typed name", -1, false, false, "a;b;c;Z\xfcrich", "type:Z\xfcrich add"},
        {"add 120 characters", -1, false, false, "a;b;c;" + q99,
         "type:" + std::string(120, 'q') + " add"},
        {"add a semicolon", -1, false, false, "a;b;c", "type:x;y add"},
        {"add a double quote", -1, false, false, "a;b;c", "type:x\"y add"},
        {"add nothing", -1, false, false, "a;b;c", "add"},
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
        Do(row.folder == "dvbase" ? "pick:1 up avail:1 copy" : "");
        view->Click(row.button);
        const bool unchosen = row.folder != "dvbase";
        EXPECT_EQ(view->messages.shown.size(), unchosen ? 1u : 0u);
        for (const std::string& message : view->messages.shown) {
            EXPECT_EQ(message, "Please select at least one map ( startmap ) or press \"Cancel\"");
        }
        EXPECT_EQ(install.ReadFile("dvbase/kelvrin.scriptcfg"), Script(row.written));
        EXPECT_EQ(settings.si_map, row.startMap);
        EXPECT_EQ(view->closed, row.closed);
    }
}

}  // namespace
}  // namespace kelvrin::testing
