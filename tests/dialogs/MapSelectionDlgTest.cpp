// The map selection dialog on a recording view: the editing of the selected list, OK and Cancel.
#include <gtest/gtest.h>

#include "tests/support/DialogScenario.h"

namespace kelvrin::testing {
namespace {

// What the operator does to the cycle a, b, c; then the chosen row, the move buttons and the
// selected list. The last row cannot be removed, and a typed name is taken up to 99 characters
// unless the script could not carry it back.
TEST(MapSelectionDlg, ButtonsAndDoubleClicksEditTheSelectedList) {
    const std::string open =
        "file:dvbase/kelvrin.scriptcfg=set si_mapcycle \"mp/a;mp/b;mp/c\"\r\n|open:139|";
    const std::string none = "|?chosen:1036=-1|?enabled:up,dn=00|?rows=";
    const Scenario rows[] = {
        {"choose the first", open + "pick:1036=a|?chosen:1036=0|?enabled:up,dn=01"},
        {"choose the middle", open + "pick:1036=b|?chosen:1036=1|?enabled:up,dn=11"},
        {"choose the last", open + "pick:1036=c|?chosen:1036=2|?enabled:up,dn=10|?rows=a;b;c"},
        {"focus the available list", open + "pick:1036=b|focus:1037" + none + "a;b;c"},
        {"copy keeps the choice", open + "pick:1036=b|select:1037=dvctf1.map|click:>|"
                                         "?chosen:1036=1|?enabled:up,dn=11|?rows=a;b;c;dvctf1.map"},
        {"copy without a choice", open + "click:>" + none + "a;b;c"},
        {"double click copies", open + "dbl:1037=dvctf1.map" + none + "a;b;c;dvctf1.map"},
        {"remove", open + "pick:1036=b|click:<" + none + "a;c"},
        {"double click removes", open + "dbl:1036=b" + none + "a;c"},
        {"the last row stays", open + "dbl:1036=0|dbl:1036=0|dbl:1036=0|?chosen:1036=0|?rows=c"},
        {"up", open + "pick:1036=b|click:up|?chosen:1036=0|?enabled:up,dn=01|?rows=b;a;c"},
        {"down twice", open + "pick:1036=a|click:dn|click:dn|?chosen:1036=2|?rows=b;c;a"},
        {"add a typed name", open + "type:1009=Z\xfcrich|click:add" + none + "a;b;c;Z\xfcrich"},
        {"add 120 characters", open + "type:1009=" + std::string(120, 'q') + "|click:add" + none +
                                   "a;b;c;" + std::string(99, 'q')},
        {"add a semicolon", open + "type:1009=x;y|click:add" + none + "a;b;c"},
        {"add a double quote", open + "type:1009=x\"y|click:add" + none + "a;b;c"},
        {"add nothing", open + "click:add" + none + "a;b;c"},
    };
    RunScenarios(rows);
}

// Opening: the first entry the script lists is the start map, cut as the entry is; without one
// the start map is the one selected, or else the first map offered becomes it. How the script's
// list is read, and the map files offered, are checked through kelvrin-cli.
TEST(MapSelectionDlg, OpensOnTheStartMap) {
    const std::string script = "file:dvbase/kelvrin.scriptcfg=";
    const std::string longEntry = "mp/" + std::string(110, 'L');
    const Scenario rows[] = {
        {"no script", "open:139|?rows=dvdm1|?store:si_map=mp/dvdm1"},
        {"a start map of its own", script + "set si_mapcycle \"\"|store:si_map=custom.map|"
                                            "open:139|?rows=custom.map|?store:si_map=custom.map"},
        {"no start map", script + "set si_mapcycle \"\"|store:si_map=|open:139|?rows=dvdm1.map|"
                                  "?store:si_map=mp/dvdm1.map"},
        {"a short entry", script + "x \";abc\"|open:139|?items:1036=|?store:si_map=abc"},
        {"a long entry", script + "x \"" + longEntry + "\"|open:139|?rows=" +
                             std::string(100, 'L') + "|?store:si_map=" + longEntry.substr(0, 103)},
    };
    RunScenarios(rows);
}

// OK writes the script, byte for byte, and closes, or asks for a map when the list is empty;
// Cancel writes nothing but keeps the start map that opening took from the script.
TEST(MapSelectionDlg, OkAndCancel) {
    const std::string script = "set si_mapcycle \"mp/dvdm3;mp/caf\xc3\xa9\"\r\n";
    const std::string edit = "file:dvbase/kelvrin.scriptcfg=" + script +
                             "|open:139|pick:1036=1|click:up|select:1037=1|click:>|click:";
    const std::string scriptAfter = "|?file:dvbase/kelvrin.scriptcfg=";
    const Scenario rows[] = {
        {"OK", edit + "OK|?closed=OK|?shown=|?store:si_map=mp/caf\xc3\xa9" + scriptAfter +
                   "set si_mapcycle \"mp/caf\xc3\xa9;mp/dvdm3;mp/dvdm2.map\"\r\n"},
        {"Cancel", edit + "Cancel|?closed=Cancel|?store:si_map=mp/dvdm3" + scriptAfter + script},
        {"OK without a game folder",
         "file:dvbase/kelvrin.scriptcfg=" + script +
             "|store:gameFolder=none|open:139|click:OK|?closed=open|?store:si_map=mp/dvdm1|"
             "?shown=Please select at least one map ( startmap ) or press \"Cancel\"" +
             scriptAfter + script},
    };
    RunScenarios(rows);
}

}  // namespace
}  // namespace kelvrin::testing
