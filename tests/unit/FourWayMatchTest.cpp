// The four-way screen: a two-way tie for the lead rates twice and the second rating stands.
#include <gtest/gtest.h>

#include "GameFixture.h"
#include "matches/MultiMatchScreens.h"
#include "wrestlers/RecordFiles.h"

using namespace varnholt;
using varnholt::testing::GameFixture;

namespace {

class FourWayScreen : public GameFixture {
protected:
    FourWayMatchScreen& fw() { return game().form<FourWayMatchScreen>(); }
    // Gives roster records 1..4 the same stats.
    void setStats(int16_t brawling, int16_t technical, int16_t speed) {
        BuildFilePaths(game());
        for (long n = 1; n <= 4; ++n) {
            ReadRecordInto(game(), game().RosterFilePath, n);
            auto& w = game().CurrentWrestler;
            w.Brawling = brawling;
            w.Technical = technical;
            w.Speed = speed;
            w.Over = 0;
            w.Wage = 0;
            WriteRecordFrom(game(), game().RosterFilePath, n);
        }
    }
    void playMatch() {
        auto& s = fw();
        s.c("List1").setText("Four Way");
        s.c("List2").setText("Normal");
        s.c("List3").setText("None");
        for (const char* name : {"Dougie Rackham", "Connor Vale", "Ambrose Fettle", "Kit Marrowby"})
            s.c("lstData").setText(name);
        s.c("Command1").playerClick();
        forms::Random copy = game().rnd();
        first_ = forms::Int(copy.next() * 10);
        second_ = forms::Int(copy.next() * 10);
        s.c("Command3").playerClick();
    }
    double first_ = 0, second_ = 0;
};

}  // namespace

TEST_F(FourWayScreen, ATieForTheLeadRatesTwiceAndTheSecondStands) {
    startPreset("Command2");
    game().RefereeSkill = 0;
    setStats(10, 10, 5);  // brawling and technical 20 each, speed 10
    playMatch();
    EXPECT_EQ(fw().matchRatingValue(), static_cast<int16_t>(second_ + 20 + 5));
    EXPECT_NE(first_, second_);
}

TEST_F(FourWayScreen, ThreeEqualCategoriesAreRatedLikeAnyOtherMatch) {
    startPreset("Command2");
    game().RefereeSkill = 0;
    setStats(6, 6, 6);  // every category 12
    playMatch();
    EXPECT_EQ(fw().matchRatingValue(), static_cast<int16_t>(first_ + 12 + 5));
    EXPECT_EQ(fw().c("Text9").text(), forms::CStr(fw().matchRatingValue()));
}
