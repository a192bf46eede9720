// Sponsors: who signs at which popularity, and a refusal keeping the sponsor already signed.
#include <gtest/gtest.h>

#include "GameFixture.h"
#include "management/Sponsors.h"

using namespace varnholt;
using varnholt::testing::GameFixture;

TEST(Sponsors, ThresholdsAreTheLowestPopularityThatSigns) {
    EXPECT_TRUE(SponsorSigns(Sponsors[0], 90));
    EXPECT_FALSE(SponsorSigns(Sponsors[0], 89));
    EXPECT_TRUE(SponsorSigns(Sponsors[4], 55));
    EXPECT_FALSE(SponsorSigns(Sponsors[4], 54));
    EXPECT_TRUE(SponsorSigns(Sponsors[5], 54));
    EXPECT_FALSE(SponsorSigns(Sponsors[10], 9));
    EXPECT_TRUE(SponsorSigns(Sponsors[11], -30));
}

class SponsorScreenTest : public GameFixture {};

TEST_F(SponsorScreenTest, ARefusalKeepsTheSignedSponsor) {
    startPreset("Command2");  // popularity 65
    click("Form4", "Command8");
    click("Form15", "Command9");
    EXPECT_EQ(ctl("Form15", "Text1").text(), "The Wrestling Channel");
    EXPECT_EQ(game().SponsorAmount, 300);
    click("Form15", "Command2");
    ASSERT_EQ(dialogs_.shown().size(), 1u);
    EXPECT_EQ(dialogs_.shown()[0].title, "No sponsor deal!");
    EXPECT_EQ(ctl("Form15", "Text27").text(), "FWA, IWW, RoH, CZW, NOAH and more!");
    EXPECT_EQ(game().SponsorAmount, 300);
    click("Form15", "Command13");  // always signs, for less
    EXPECT_EQ(ctl("Form15", "Text26").text(), "50");
    EXPECT_EQ(game().SponsorAmount, 50);
}
