// The map selection dialog on a recording view: the editing of the selected list, its opening,
// OK and Cancel.
#include "tests/support/Scene.h"

namespace kelvrin::testing {
namespace {

using namespace mapselection;
using Rows = std::vector<std::string>;

class MapSelection : public SceneTest {};
TEST_P(MapSelection, Runs) { RunCase(); }

// What the operator does to the cycle a, b, c; then the chosen row, the move buttons and the
// selected list. The last row cannot be removed, and a typed name is taken up to 99 characters
// unless the script could not carry it back.
const std::vector<Standing> kCycle = {
    File("dvbase/kelvrin.scriptcfg", "set si_mapcycle \"mp/a;mp/b;mp/c\"\r\n")};

std::vector<Step> Edits(std::vector<Step> actions, int chosen, bool up, bool down, Rows rows,
                        Where where = Where::current()) {
    actions.insert(actions.begin(), OpenMaps());
    for (const Step& step :
         {ChosenIs(kSelectedList, chosen, where), EnabledIs(kUpButton, up, where),
          EnabledIs(kDownButton, down, where), ItemsAre(kSelectedList, rows, where)}) {
        actions.push_back(step);
    }
    return actions;
}

const Rows kAbc = {"a", "b", "c"};
const Rows kCopied = {"a", "b", "c", "dvctf1.map"};
const Step kFirst = DoubleClick(kSelectedList, 0);
const Case kEditings[] = {
    CaseOf("choose the first", kCycle, Edits({PickRow(kSelectedList, 0)}, 0, false, true, kAbc)),
    CaseOf("choose the middle", kCycle, Edits({PickRow(kSelectedList, 1)}, 1, true, true, kAbc)),
    CaseOf("choose the last", kCycle, Edits({PickRow(kSelectedList, 2)}, 2, true, false, kAbc)),
    CaseOf("focus the available list", kCycle,
           Edits({PickRow(kSelectedList, 1), Focus(kAvailableList)}, -1, false, false, kAbc)),
    CaseOf(
        "copy keeps the choice", kCycle,
        Edits({PickRow(kSelectedList, 1), Pick(kAvailableList, "dvctf1.map"), Click(kCopyButton)},
              1, true, true, kCopied)),
    CaseOf("copy without a choice", kCycle, Edits({Click(kCopyButton)}, -1, false, false, kAbc)),
    CaseOf("double click copies", kCycle,
           Edits({DoubleClick(kAvailableList, 9)}, -1, false, false, kCopied)),
    CaseOf("remove", kCycle,
           Edits({PickRow(kSelectedList, 1), Click(kRemoveButton)}, -1, false, false, {"a", "c"})),
    CaseOf("double click removes", kCycle,
           Edits({DoubleClick(kSelectedList, 1)}, -1, false, false, {"a", "c"})),
    CaseOf("the last row stays", kCycle, Edits({kFirst, kFirst, kFirst}, 0, false, false, {"c"})),
    CaseOf("up", kCycle,
           Edits({PickRow(kSelectedList, 1), Click(kUpButton)}, 0, false, true, {"b", "a", "c"})),
    CaseOf("down twice", kCycle,
           Edits({PickRow(kSelectedList, 0), Click(kDownButton), Click(kDownButton)}, 2, true,
                 false, {"b", "c", "a"})),
    CaseOf("add a typed name", kCycle,
           Edits({Type(kTypedName, "Z\xfcrich"), Click(kAddButton)}, -1, false, false,
                 {"a", "b", "c", "Z\xfcrich"})),
    CaseOf("add 120 characters", kCycle,
           Edits({Type(kTypedName, std::string(120, 'q')), Click(kAddButton)}, -1, false, false,
                 {"a", "b", "c", std::string(99, 'q')})),
    CaseOf("add a semicolon", kCycle,
           Edits({Type(kTypedName, "x;y"), Click(kAddButton)}, -1, false, false, kAbc)),
    CaseOf("add a double quote", kCycle,
           Edits({Type(kTypedName, "x\"y"), Click(kAddButton)}, -1, false, false, kAbc)),
    CaseOf("add nothing", kCycle, Edits({Click(kAddButton)}, -1, false, false, kAbc)),
};
INSTANTIATE_TEST_SUITE_P(Editing, MapSelection, ::testing::ValuesIn(kEditings), RowName());

// Opening: the first entry the script lists is the start map, cut as the entry is; without one
// the start map is the one selected, or else the first map offered becomes it. OK writes the
// script, byte for byte, and closes; Cancel writes nothing but keeps the start map that opening
// took from the script; with no map to write, OK asks for one. How the script's list is read, and
// the map files offered, are checked through kelvrin-cli.
Standing Script(std::string text) { return File("dvbase/kelvrin.scriptcfg", text); }

const std::string kLong = "mp/" + std::string(110, 'L');
const std::string kScript = "set si_mapcycle \"mp/dvdm3;mp/caf\xc3\xa9\"\r\n";
const std::vector<Step> kEdited = {OpenMaps(), PickRow(kSelectedList, 1), Click(kUpButton),
                                   PickRow(kAvailableList, 1), Click(kCopyButton)};

const Case kOpeningsAndClosings[] = {
    CaseOf("no script",
           {OpenMaps(), ItemsAre(kSelectedList, {"dvdm1"}), Stored(&S::si_map, "mp/dvdm1")}),
    CaseOf("a start map of its own", {Script("set si_mapcycle \"\"")},
           {Store([](S& s) { s.si_map = "custom.map"; }), OpenMaps(),
            ItemsAre(kSelectedList, {"custom.map"}), Stored(&S::si_map, "custom.map")}),
    CaseOf("no start map", {Script("set si_mapcycle \"\"")},
           {Store([](S& s) { s.si_map = ""; }), OpenMaps(), ItemsAre(kSelectedList, {"dvdm1.map"}),
            Stored(&S::si_map, "mp/dvdm1.map")}),
    CaseOf("a short entry", {Script("x \";abc\"")},
           {OpenMaps(), ItemsAre(kSelectedList, {""}), Stored(&S::si_map, "abc")}),
    CaseOf("a long entry", {Script("x \"" + kLong + "\"")},
           {OpenMaps(), ItemsAre(kSelectedList, {std::string(100, 'L')}),
            Stored(&S::si_map, kLong.substr(0, 103))}),
    CaseOf("OK", {Script(kScript)},
           Then(kEdited,
                {Click(kOk), ClosedAs(true), MessagesAre({}), Stored(&S::si_map, "mp/caf\xc3\xa9"),
                 FileHolds("dvbase/kelvrin.scriptcfg",
                           "set si_mapcycle \"mp/caf\xc3\xa9;mp/dvdm3;mp/dvdm2.map\"\r\n")})),
    CaseOf("Cancel", {Script(kScript)},
           Then(kEdited, {Click(kCancel), ClosedAs(false), Stored(&S::si_map, "mp/dvdm3"),
                          FileHolds("dvbase/kelvrin.scriptcfg", kScript)})),
    CaseOf("OK without a map", {Script(kScript)},
           {Store([](S& s) { s.gameFolder = "none"; }), OpenMaps(), Click(kOk), ClosedAs({}),
            MessagesAre({"Please select at least one map ( startmap ) or press \"Cancel\""}),
            Stored(&S::si_map, "mp/dvdm1"), FileHolds("dvbase/kelvrin.scriptcfg", kScript)}),
};
INSTANTIATE_TEST_SUITE_P(Scripts, MapSelection, ::testing::ValuesIn(kOpeningsAndClosings),
                         RowName());

}  // namespace
}  // namespace kelvrin::testing
