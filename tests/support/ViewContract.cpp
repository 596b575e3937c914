#include <gtest/gtest.h>

#include "dialogs/DialogIds.h"
#include "tests/support/EventDialog.h"

namespace kelvrin::testing {

std::ostream& operator<<(std::ostream& out, const Event& event) {
    constexpr const char* kKinds[] = {"clicked", "picked", "edited", "double-clicked", "focused"};
    return out << kKinds[static_cast<int>(event.kind)] << " " << event.control;
}

void CheckMainWindowView(DialogView& view, const EventDialog& dialog) {
    using namespace mainwindow;
    // Texts are the store's bytes, one a character: the caption, an edit, a button.
    view.SetText(kWindowItem, "Caf\xe9 caption");
    EXPECT_EQ(view.Text(kWindowItem), "Caf\xe9 caption");
    view.SetText(kServerName, "Caf\xe9 \"4\"");
    EXPECT_EQ(view.Text(kServerName), "Caf\xe9 \"4\"");
    view.SetText(kHitScanTint, "Hit Scan Tint ( 2 )");
    EXPECT_EQ(view.Text(kHitScanTint), "Hit Scan Tint ( 2 )");

    view.SetChecked(kDedicated, true);
    EXPECT_TRUE(view.Checked(kDedicated));
    view.SetChecked(kDedicated, false);
    EXPECT_FALSE(view.Checked(kDedicated));

    // A drop-down's choice is the item its text names, letter case ignored; new items choose none.
    view.SetItems(kGameBase, {"[alpha]", "[Beta]", "[gamma]"});
    EXPECT_EQ(view.Selection(kGameBase), -1);
    view.Select(kGameBase, 1);
    EXPECT_EQ(view.Selection(kGameBase), 1);
    EXPECT_EQ(view.Text(kGameBase), "[Beta]");
    view.SetText(kGameBase, "[GAMMA]");
    EXPECT_EQ(view.Selection(kGameBase), 2);
    view.SetText(kGameBase, "[delta]");
    EXPECT_EQ(view.Selection(kGameBase), -1);
    view.Select(kGameBase, 3);
    EXPECT_EQ(view.Selection(kGameBase), -1);
    view.Select(kGameBase, 0);
    view.SetItems(kGameBase, {"[one]"});
    EXPECT_EQ(view.Selection(kGameBase), -1);

    view.Enable(kCaptureLimit, false);
    view.Enable(kCaptureLimit, true);
    // Nothing done from code is the operator's: no event.
    EXPECT_EQ(dialog.events, std::vector<Event>{});
}

void CheckMapDialogView(DialogView& view, const EventDialog& dialog) {
    using namespace mapselection;
    // A list's choice is its selected row; new rows choose none, a row outside chooses none.
    view.SetItems(kSelectedList, {"a.map", "b.map", "a.map"});
    EXPECT_EQ(view.Selection(kSelectedList), -1);
    view.Select(kSelectedList, 2);
    EXPECT_EQ(view.Selection(kSelectedList), 2);
    view.Select(kSelectedList, 3);
    EXPECT_EQ(view.Selection(kSelectedList), -1);
    view.Select(kSelectedList, 0);
    view.SetItems(kSelectedList, {"c.map"});
    EXPECT_EQ(view.Selection(kSelectedList), -1);
    view.SetText(kTypedName, "typed");
    EXPECT_EQ(view.Text(kTypedName), "typed");
    EXPECT_EQ(dialog.events, std::vector<Event>{});
}

}  // namespace kelvrin::testing
