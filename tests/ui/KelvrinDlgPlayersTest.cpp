#include "tests/ui/KelvrinDlgFixture.h"

namespace kelvrin::testing {
namespace {

using namespace mainwindow;

class KelvrinDlgPlayersTest : public MainWindowTest {
protected:
    void OpenWith(std::int32_t most, std::int32_t warmup) {
        ServerSettings stored;
        stored.si_maxPlayers = most;
        stored.si_minPlayers = warmup;
        stored.si_warmup = 1;
        WriteConfig("dvbase", stored);
        Open();
        ASSERT_EQ(Combo(kMaxPlayers)->currentText(), QString::number(most));
        ASSERT_EQ(Combo(kWarmupPlayers)->currentText(), QString::number(warmup));
    }
};

TEST_F(KelvrinDlgPlayersTest, EachSpeedSuggestsItsPlayerCountAndLowersTheWarmUpCount) {
    const char* const suggested[] = {"2", "4", "6", "8", "10", "16"};
    for (int speed = 0; speed < 6; ++speed) {
        SCOPED_TRACE(speed);
        window.reset();
        OpenWith(16, 16);
        Choose(kSpeed, speed);
        EXPECT_EQ(Combo(kMaxPlayers)->currentText(), suggested[speed]);
        EXPECT_EQ(Combo(kWarmupPlayers)->currentText(), suggested[speed]);
        EXPECT_EQ(settings.si_maxPlayers, 16) << "the store waits for the next collection";
        EXPECT_EQ(settings.si_minPlayers, 16);
    }
}

TEST_F(KelvrinDlgPlayersTest, ASpeedLeavesALowerWarmUpCountAlone) {
    OpenWith(16, 4);
    Choose(kSpeed, 4);
    EXPECT_EQ(Combo(kMaxPlayers)->currentText(), "10");
    EXPECT_EQ(Combo(kWarmupPlayers)->currentText(), "4");
}

TEST_F(KelvrinDlgPlayersTest, FewerPlayersChosenLowerTheStoredWarmUpCount) {
    OpenWith(16, 8);
    Choose(kMaxPlayers, 2);
    EXPECT_EQ(settings.si_maxPlayers, 6);
    EXPECT_EQ(settings.si_minPlayers, 6);
    EXPECT_EQ(Combo(kWarmupPlayers)->currentText(), "6");
    EXPECT_FALSE(settings.settingsChanged);
}

TEST_F(KelvrinDlgPlayersTest, MorePlayersChosenLeaveTheWarmUpCount) {
    OpenWith(8, 4);
    Choose(kMaxPlayers, 6);
    EXPECT_EQ(settings.si_maxPlayers, 14);
    EXPECT_EQ(settings.si_minPlayers, 4);
    EXPECT_EQ(Combo(kWarmupPlayers)->currentText(), "4");
}

TEST_F(KelvrinDlgPlayersTest, AHigherWarmUpCountChosenRaisesTheStoredPlayerCount) {
    OpenWith(8, 4);
    Choose(kWarmupPlayers, 5);
    EXPECT_EQ(settings.si_minPlayers, 12);
    EXPECT_EQ(settings.si_maxPlayers, 12);
    EXPECT_EQ(Combo(kMaxPlayers)->currentText(), "12");
    EXPECT_FALSE(settings.settingsChanged);
}

TEST_F(KelvrinDlgPlayersTest, TheHandlersCompareWithTheStoredCountNotTheShownOne) {
    OpenWith(16, 4);
    Choose(kSpeed, 0);
    ASSERT_EQ(Combo(kMaxPlayers)->currentText(), "2");
    Choose(kWarmupPlayers, 5);
    EXPECT_EQ(settings.si_minPlayers, 12);
    EXPECT_EQ(settings.si_maxPlayers, 16);
    EXPECT_EQ(Combo(kMaxPlayers)->currentText(), "16");
}

TEST_F(KelvrinDlgPlayersTest, ChoosingByKeyboardRunsTheHandlerToo) {
    OpenWith(16, 8);
    Combo(kMaxPlayers)->setFocus();
    QTest::keyClick(Combo(kMaxPlayers), Qt::Key_Up);
    EXPECT_EQ(settings.si_maxPlayers, 14);
}

}  // namespace
}  // namespace kelvrin::testing
