// Feuds: the starting heat and its word by row, the Over a feud's end pays, and ending a feud whose
// wrestler has left the roster.
#include <gtest/gtest.h>

#include "GameFixture.h"
#include "management/Feuds.h"
#include "wrestlers/RecordFiles.h"

using namespace varnholt;
using varnholt::testing::GameFixture;

TEST(FeudHeat, StartingHeatAndItsWordByRow) {
    EXPECT_DOUBLE_EQ(FeudStartHeat(0.45, 10, 12), 44.0);
    EXPECT_DOUBLE_EQ(FeudStartHeat(0.0, 7, 7), 20.0);
    EXPECT_DOUBLE_EQ(FeudStartHeat(0.0, 7, 8), 22.5);
    EXPECT_DOUBLE_EQ(FeudStartHeat(0.0, 0, 0), -15.0);
    EXPECT_EQ(FeudStartWord(1, 44.0), "Average");
    EXPECT_EQ(FeudStartWord(3, 20.0), "Very low");
    EXPECT_EQ(FeudStartWord(1, 22.5), "Low");
    EXPECT_EQ(FeudStartWord(2, -15.0), "Very low");
    // Feud 1 rounds a half to even first; the other rows band the heat as it is.
    EXPECT_EQ(FeudStartWord(1, 20.5), "Very low");
    EXPECT_EQ(FeudStartWord(2, 20.5), "Low");
    EXPECT_EQ(FeudStartWord(1, 40.5), "Low");
    EXPECT_EQ(FeudStartWord(4, 40.5), "Average");
    EXPECT_EQ(FeudStartWord(1, 80.5), "High");
    EXPECT_EQ(FeudStartWord(3, 80.5), "Very high");
    EXPECT_FALSE(FeudStartWord(2, 100.5).has_value());
    // Over far outside 0..20, from a damaged wrestler file, still starts a feud: with no word for it.
    EXPECT_DOUBLE_EQ(FeudStartHeat(0.0, 32767, 32767), 163820.0);
    EXPECT_FALSE(FeudStartWord(1, 163820.5).has_value());
    EXPECT_EQ(FeudStartWord(1, FeudStartHeat(0.0, -32768, -32768)), "Very low");
    EXPECT_EQ(FeudHeatNumber("Very high"), 5);
    EXPECT_FALSE(FeudHeatNumber("very high").has_value());
    EXPECT_EQ(FeudHeatWord(2), "Low");
    EXPECT_FALSE(FeudHeatWord(6).has_value());
}

TEST(FeudHeat, OverAfterAFeudStaysWithinItsBounds) {
    EXPECT_EQ(OverAfterFeud(8, 2), 10);
    EXPECT_EQ(OverAfterFeud(19, 3), 20);
    EXPECT_EQ(OverAfterFeud(1, -4), 0);
}

class FeudScreenTest : public GameFixture {};

TEST_F(FeudScreenTest, EndingAFeudWritesOnlyWrestlersStillInTheRoster) {
    startPreset();
    click("Form4", "Command11");
    click("Form22", "Command1");
    ctl("Form22", "lstData").setText("Kit Marrowby");
    ctl("Form22", "lstData").setText("Tamsin Orrell");
    EXPECT_EQ(game().FeudNames[0][1], "Tamsin Orrell");
    // Tamsin leaves the roster; the heat is raised to the top.
    game().FeudNames[0][1] = "Somebody Gone";
    ctl("Form22", "txtfeud1").setCaption("Very high");
    ctl("Form22", "txtfeud1in").setCaption("Very low");
    BuildFilePaths(game());
    CountRecordFiles(game());
    auto records = game().RosterCount;
    click("Form22", "Command2");
    CountRecordFiles(game());
    EXPECT_EQ(game().RosterCount, records);
    FindRosterRecord(game(), "Kit Marrowby");
    EXPECT_EQ(game().CurrentWrestler.Over, 10);  // 6 + 4
    EXPECT_EQ(game().FeudHeat[0], 0);
    EXPECT_TRUE(ctl("Form22", "Command1").enabled());
    EXPECT_FALSE(ctl("Form22", "Command2").enabled());
}
