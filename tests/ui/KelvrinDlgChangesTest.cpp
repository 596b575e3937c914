#include <cstring>

#include "tests/ui/KelvrinDlgFixture.h"

namespace kelvrin::testing {
namespace {

using namespace mainwindow;

class KelvrinDlgChangesTest : public MainWindowTest {};

TEST_F(KelvrinDlgChangesTest, EachCollectionTellsWhetherItsControlsDifferedFromTheStore) {
    Open();
    settings.settingsChanged = true;
    window->CollectSettings();
    EXPECT_FALSE(settings.settingsChanged) << "nothing edited";
    Type(kServerName, "Fresh Name");
    window->CollectSettings();
    EXPECT_TRUE(settings.settingsChanged);
    window->CollectSettings();
    EXPECT_FALSE(settings.settingsChanged) << "the second collection in a row finds nothing new";
    EXPECT_EQ(settings.si_name, "Fresh Name");
}

// A stored value the window cannot show is collected as shown and counts as a change.
TEST_F(KelvrinDlgChangesTest, AnOddPlayerCountOrASwitchStoredAsTwoIsAChange) {
    struct Case { int control; std::int32_t ServerSettings::*field; std::int32_t stored, taken; const char* line; };
    const Case cases[] = {{kMaxPlayers, &ServerSettings::si_maxPlayers, 5, 4, nullptr},
                          {kWarmupPlayers, &ServerSettings::si_minPlayers, 7, 6, nullptr},
                          {kWeaponStay, &ServerSettings::si_weaponStay, 2, 1, "set si_weaponStay \""},
                          {kLogFile, &ServerSettings::logFile, 2, 1, "set logFile \""}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.control);
        ServerSettings stored;
        stored.si_maxPlayers = 16, stored.si_minPlayers = 2;
        stored.*c.field = c.stored;
        WriteConfig("dvbase", stored);
        if (c.line != nullptr) {  // the program itself writes switches as 0 or 1: edit by hand
            std::string text = ConfigOf("dvbase");
            const std::size_t at = text.find(c.line);
            ASSERT_NE(at, std::string::npos);
            text[at + std::strlen(c.line)] = '2';
            installation.WriteFile("dvbase/kelvrin.cfg", text);
        }
        Reopen();
        ASSERT_EQ(settings.*c.field, c.stored);
        if (c.line != nullptr) EXPECT_TRUE(Check(c.control)->isChecked());
        else EXPECT_EQ(Text(c.control), QString::number(c.taken));
        window->CollectSettings();
        EXPECT_EQ(settings.*c.field, c.taken);
        EXPECT_TRUE(settings.settingsChanged);
    }
}

}  // namespace
}  // namespace kelvrin::testing
