// The calendar, the week end's warnings and TV deals, and what a new game must not inherit.
#include <gtest/gtest.h>

#include "GameFixture.h"
#include "shell/DayClock.h"
#include "shell/Hub.h"

namespace varnholt {
namespace {

TEST(DayClockRules, ShowDaysByMode) {
    EXPECT_TRUE(IsShowDay("Normal mode", "Wednesday"));
    EXPECT_FALSE(IsShowDay("Normal mode", "Sunday"));
    EXPECT_TRUE(IsShowDay("Touring mode", "Wednesday"));
    EXPECT_TRUE(IsShowDay("Touring mode", "Sunday"));
    EXPECT_FALSE(IsShowDay("Touring mode", "Saturday"));
    EXPECT_FALSE(IsShowDay("No shows mode", "Wednesday"));
    EXPECT_FALSE(IsShowDay("normal mode", "Wednesday"));
}

TEST(DayClockRules, WeekLabelsAndTheYear) {
    std::string year = "2003";
    EXPECT_EQ(NextWeekLabel("Week 1", year), "Week 2");
    EXPECT_EQ(NextWeekLabel("Week 51", year), "Week 52");
    EXPECT_EQ(year, "2003");
    EXPECT_EQ(NextWeekLabel("Week 52", year), "Week 1");
    EXPECT_EQ(year, "2004");
    EXPECT_EQ(NextWeekLabel("week 3", year), "week 3");
    EXPECT_EQ(NextWeekLabel("Week 53", year), "Week 53");
    // A year restored at the very end of 32 bits stays there.
    year = "2147483647";
    NextWeekLabel("Week 52", year);
    EXPECT_EQ(year, "2147483647");
}

TEST(DayClockRules, RivalDriftByTheDraw) {
    EXPECT_EQ(RivalDriftStep(0.0), 1);
    EXPECT_EQ(RivalDriftStep(0.1999), 1);
    EXPECT_EQ(RivalDriftStep(0.2), 0);
    EXPECT_EQ(RivalDriftStep(0.7999), 0);
    EXPECT_EQ(RivalDriftStep(0.8), -1);
    EXPECT_EQ(RivalDriftStep(0.9999), -1);
}

TEST(WeekEndRules, RedWeeksRunToBankruptcy) {
    int16_t red = 0;
    std::vector<std::string> said;
    for (;;) {
        auto step = RedWeekStep(red);
        ASSERT_TRUE(step);
        if (step->bankrupt) break;
        said.push_back(step->message);
        red = step->redWeeks;
    }
    ASSERT_EQ(said.size(), 4u);
    EXPECT_EQ(said[0], "We are in the red financially. You have four weeks to turn things around.");
    EXPECT_EQ(said[3], "We still owe money?! You have only one week to save your job.");
    EXPECT_FALSE(RedWeekStep(5));
}

TEST(DayClockRules, DaysWithoutShowsWarnThriceThenDismiss) {
    int lost = 0, warnings = 0, dismissedOn = 0;
    for (int16_t day = 1; day <= 40 && !dismissedOn; ++day)
        if (auto step = NoShowStep(day)) {
            if (step->dismissed) dismissedOn = day;
            else ++warnings, lost += step->popularityLoss;
        }
    EXPECT_EQ(warnings, 3);
    EXPECT_EQ(lost, 22);
    EXPECT_EQ(dismissedOn, 33);
}

TEST(WeekEndRules, TvDealStreakAndOffers) {
    // Four week ends at 95 from nothing bring Channel 4.
    int16_t streak = 0;
    for (int i = 0; i < 4; ++i) streak = NextTvDealStreak(streak, 95);
    EXPECT_EQ(streak, 4);
    ASSERT_TRUE(TvDealOfferFor(streak));
    EXPECT_EQ(TvDealOfferFor(streak)->level, 1);
    // Popularity 85..89 takes the streak down, below 0 if need be; under 85 it is lost.
    streak = 0;
    for (int i = 0; i < 3; ++i) streak = NextTvDealStreak(streak, 87);
    EXPECT_EQ(streak, -3);
    EXPECT_EQ(NextTvDealStreak(10, 84), 0);
    EXPECT_EQ(NextTvDealStreak(10, 90), 11);
    // A streak restored at either end of 16 bits stays there instead of overflowing.
    EXPECT_EQ(NextTvDealStreak(32767, 95), 32767);
    EXPECT_EQ(NextTvDealStreak(-32768, 87), -32768);
    // Only 4, 8, 12 and 16 are offers.
    EXPECT_EQ(TvDealOfferFor(16)->level, 4);
    EXPECT_FALSE(TvDealOfferFor(17));
    EXPECT_FALSE(TvDealOfferFor(0));
    EXPECT_STREQ(TvDealOfferFor(8)->message,
                 "You have been offered a TV deal with BBC2. They will pay you £500 for each weekly show.");
}

using WeekEnd = testing::GameFixture;

TEST_F(WeekEnd, PopularFederationIsOfferedTvDealsAndFallsBack) {
    startPreset();
    game().Popularity = 95;
    for (int week = 0; week < 4; ++week) {
        ctl("Form4", "Text4").setText("Saturday");
        click("Form4", "Command1");
    }
    EXPECT_EQ(game().TvDealLevel, 1);
    EXPECT_EQ(ctl("Form4", "Text9").text(), "4");
    ASSERT_EQ(dialogs_.shown().size(), 1u);
    EXPECT_EQ(dialogs_.shown()[0].title, "TV deal!");

    // A streak of 9 that sinks at 87 passes 8 and 4 again.
    for (int week = 0; week < 5; ++week) {
        ctl("Form4", "Text4").setText("Saturday");
        click("Form4", "Command1");
    }
    EXPECT_EQ(game().TvDealLevel, 2);
    game().Popularity = 87;
    for (int week = 0; week < 5; ++week) {
        ctl("Form4", "Text4").setText("Saturday");
        click("Form4", "Command1");
    }
    EXPECT_EQ(ctl("Form4", "Text9").text(), "4");
    EXPECT_EQ(game().TvDealLevel, 1);
}

TEST_F(WeekEnd, NewGameForgetsTheLastGamesTvDealAndStaff) {
    startPreset();
    game().TvDealLevel = 3;
    click("Form4", "Command2");  // STAFF
    click("Form12", "Command2");  // the best referee
    EXPECT_GT(game().RefereeWage, 0);
    click("Form12", "Command1");
    click("Form4", "Command12");  // QUIT
    click("Form2", "Command1");
    click("Form3", "Command2");
    EXPECT_EQ(game().TvDealLevel, 0);
    EXPECT_EQ(game().RefereeWage, 0);
    EXPECT_EQ(game().RefereeSkill, 0);
    EXPECT_EQ(game().MCWage, 0);
    EXPECT_EQ(ctl("Form12", "Text1").text(), "You");
}

TEST_F(WeekEnd, QuitKeepsTheFeudsAndRivalSlotSeven) {
    startPreset();
    game().RivalPopularity[6] = 12;
    click("Form4", "Command12");
    click("Form2", "Command1");
    EXPECT_EQ(game().RivalPopularity[6], 12);
    EXPECT_EQ(game().RivalPopularity[0], 70);
}

using MissingFiles = testing::GameFixture;

TEST_F(MissingFiles, NewGameStopsBeforeCopyingEither) {
    click("Form1", "Image1");
    click("Form7", "Command1");
    std::filesystem::remove(folder_ / "data" / "promotion.dat");
    click("Form2", "Command1");
    ASSERT_EQ(dialogs_.shown().size(), 1u);
    EXPECT_EQ(dialogs_.shown()[0].title, "Missing file!");
    EXPECT_FALSE(std::filesystem::exists(folder_ / "wrestlers.dat"));
    EXPECT_TRUE(game().isShown("MainMenu"));
    EXPECT_FALSE(game().isLoaded("NewGameScreen"));
}

TEST_F(MissingFiles, EditorDoesNotOpenWithoutItsMaster) {
    click("Form1", "Image1");
    click("Form7", "Command1");
    std::filesystem::remove(folder_ / "data" / "wrestlers.dat");
    click("Form2", "Command6");
    ASSERT_EQ(dialogs_.shown().size(), 1u);
    EXPECT_EQ(dialogs_.shown()[0].title, "Missing file!");
    EXPECT_FALSE(game().isLoaded("WrestlerEditor"));
    EXPECT_TRUE(game().isShown("MainMenu"));
}

TEST_F(MissingFiles, PictureLeavesTheScreenBare) {
    std::filesystem::remove(folder_ / "QAVLE.bmp");
    click("Form1", "Image1");
    click("Form7", "Command1");
    EXPECT_EQ(game().form("MainMenu").picturePath(), "");
    EXPECT_NE(game().form("Form1").picturePath(), "");
}

}  // namespace
}  // namespace varnholt
