// The show night's arithmetic: the crowd, the polaroid money, the scoring of a match and its word,
// the Over and heat changes after it, and the settlement at the end of the night.
#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "forms/Numbers.h"
#include "matches/MatchRules.h"
#include "shownight/VenueRules.h"

using namespace varnholt;

namespace {

// Hands out the given draws in order and counts them.
struct Draws {
    std::vector<double> values;
    std::size_t used = 0;
    Draw draw() {
        return [this] { return values.at(used++); };
    }
};

SlotStats stats(int16_t br, int16_t te, int16_t sp, int16_t ov, int16_t wage = 0) { return {br, te, sp, ov, wage}; }

}  // namespace

TEST(AttendanceRule, DrawsOncePerBandPassedAndKeepsTheLast) {
    Draws d{{0.99, 0.0}};  // 0.99 x 9 gives 8, 0.0 gives 0
    EXPECT_EQ(AttendanceRule(40, 1000, d.draw()), 168);
    EXPECT_EQ(d.used, 1u);
    d.used = 0;
    EXPECT_EQ(AttendanceRule(41, 1000, d.draw()), 246);  // the first draw is thrown away
    EXPECT_EQ(d.used, 2u);
    Draws four{{0.5, 0.5, 0.5, 0.5}};
    EXPECT_EQ(AttendanceRule(90, 1000, four.draw()), 904);
    EXPECT_EQ(four.used, 4u);
}

TEST(AttendanceRule, EachBandEndsAtItsOwnPopularity) {
    // The last popularity of a band and the first of the next, at the ends of 60 and 80 (40 above):
    // every draw gives 4.
    struct Edge {
        int16_t popularity;
        int16_t crowd;
        std::size_t draws;
    };
    for (const Edge& e : {Edge{60, 364, 2}, Edge{61, 492, 3}, Edge{80, 644, 3}, Edge{81, 814, 4}}) {
        Draws d{{0.5, 0.5, 0.5, 0.5}};
        EXPECT_EQ(AttendanceRule(e.popularity, 1000, d.draw()), e.crowd) << "popularity " << e.popularity;
        EXPECT_EQ(d.used, e.draws) << "popularity " << e.popularity;
    }
}

TEST(AttendanceRule, IsCappedAtTheCapacityAndNeverNegative) {
    Draws d{{0.99, 0.99, 0.99, 0.99}};
    EXPECT_EQ(AttendanceRule(100, 1000, d.draw()), 1000);
    Draws small{{0.2, 0.99}};
    EXPECT_EQ(AttendanceRule(12, 50, small.draw()), 49);  // 48 + 1 stays
    EXPECT_EQ(AttendanceRule(12, 50, small.draw()), 50);  // 48 + 8 is capped
    Draws negative{{0.99}};
    EXPECT_EQ(AttendanceRule(-10, 50, negative.draw()), 0);
    // A popularity restored at the ends of 16 bits: ten times it is still a crowd, capped or none.
    Draws extremes{{0.5, 0.5, 0.5, 0.5, 0.5}};
    EXPECT_EQ(AttendanceRule(32767, 1000, extremes.draw()), 1000);
    EXPECT_EQ(AttendanceRule(-32768, 1000, extremes.draw()), 0);
}

TEST(PolaroidIncome, IsPercentTimesFiveTimesTheCrowdOverAHundredWithoutOverflow) {
    EXPECT_DOUBLE_EQ(PolaroidIncomeFor(25, 300), 375.0);
    EXPECT_DOUBLE_EQ(PolaroidIncomeFor(11, 163), 89.65);
    EXPECT_DOUBLE_EQ(PolaroidIncomeFor(100, 1000), 5000.0);  // beyond 16 bits on the way
    EXPECT_DOUBLE_EQ(PolaroidIncomeFor(0, 1000), 0.0);
}

TEST(MatchScoring, SinglesSumsPlainlyAndAddsTheStipulationBonuses) {
    const auto& singles = MatchTypeFor("Singles");
    auto s = ScoreCategories(singles, {stats(10, 8, 6, 9), stats(11, 7, 5, 4)}, StipulationFor("Cage"));
    EXPECT_EQ(s.brawling, 26);
    EXPECT_EQ(s.speed, 14);
    EXPECT_EQ(s.technical, 16);
    EXPECT_EQ(s.over, 13);
    auto normal = ScoreCategories(singles, {stats(10, 8, 6, 9), stats(11, 7, 5, 4)}, StipulationFor("Normal"));
    EXPECT_EQ(normal.brawling, 21);
    // A tag match halves the four wrestlers' sums, a triple threat divides three by 1.5, rounding half to even.
    auto tag = ScoreCategories(MatchTypeFor("Tag Team"), {stats(5, 5, 5, 5), stats(6, 5, 5, 5), stats(0, 5, 5, 5),
                                                          stats(0, 0, 0, 0)}, nullptr);
    EXPECT_EQ(tag.brawling, 6);   // 11 / 2 = 5.5 -> 6
    EXPECT_EQ(tag.technical, 8);  // 15 / 2 = 7.5 -> 8
    auto triple = ScoreCategories(MatchTypeFor("Triple Threat"), {stats(3, 0, 0, 0), stats(3, 0, 0, 0),
                                                                  stats(3, 0, 0, 0)}, nullptr);
    EXPECT_EQ(triple.brawling, 6);
}

// A damaged or hand-edited wrestler file may hold any 16-bit number in a stat: the sums, the rating
// and the feud heat are scored in 32 bits instead of overflowing.
TEST(MatchScoring, StatsFarOutsideTheirRangeAreScoredWhole) {
    const SlotStats top = stats(32767, 32767, -32768, 32767, 32767), bottom = stats(-32768, -32768, -32768, -32768);
    auto singles = ScoreCategories(MatchTypeFor("Singles"), {top, top}, StipulationFor("Cage"));
    EXPECT_EQ(singles.brawling, 65539);
    EXPECT_EQ(singles.speed, -65533);
    EXPECT_EQ(singles.over, 65534);
    auto fourWay = ScoreCategories(MatchTypeFor("Four Way"), {top, top, top, top}, nullptr);
    EXPECT_EQ(fourWay.technical, 65534);
    auto triple = ScoreCategories(MatchTypeFor("Triple Threat"), {bottom, bottom, bottom}, nullptr);
    EXPECT_EQ(triple.brawling, -65536);

    Draws d{{0.95}};
    const int32_t rating = RateMatch(singles, true, 5, 0, d.draw());
    EXPECT_EQ(rating, 1 + 9 + 65539 + 65534 + 5);
    EXPECT_EQ(ShownRating(rating), 100);
    EXPECT_EQ(RatingWord(ShownRating(rating)), "Match of the decade candidate");
    EXPECT_FALSE(RatingWord(-131072).has_value());
    EXPECT_EQ(HeatStep(5, rating), 6);
    EXPECT_EQ(HeatStep(1, -131072), 0);
}

TEST(MatchScoring, StipulationCostsAndTheBritishMatchKeepingTheLastOne) {
    EXPECT_EQ(*StipulationFor("Cage")->cost, 500);
    EXPECT_EQ(*StipulationFor("Ladder")->cost, 250);
    EXPECT_EQ(*StipulationFor("Hardcore")->cost, 100);
    EXPECT_EQ(*StipulationFor("Submission")->cost, 0);
    EXPECT_FALSE(StipulationFor("British")->cost.has_value());
    EXPECT_EQ(StipulationFor("Street"), nullptr);
}

TEST(DominantCategory, EveryCase) {
    auto d = [](int16_t br, int16_t te, int16_t sp) { return DominantCategory({br, te, sp, 0}); };
    EXPECT_EQ(d(30, 20, 10), 30);  // 1: brawling leads
    EXPECT_EQ(d(10, 30, 20), 30);  // 2: technical leads
    EXPECT_EQ(d(10, 20, 30), 30);  // 3: speed leads
    EXPECT_EQ(d(30, 20, 30), 30);  // 4: brawling ties speed above technical
    EXPECT_EQ(d(30, 30, 20), 30);  // 5: brawling ties technical above speed
    EXPECT_EQ(d(20, 30, 30), 30);  // 6: speed ties technical above brawling
    EXPECT_EQ(d(20, 20, 20), 20);  // all three equal
}

TEST(MatchRating, AddsDrawDominantOverTitleRefereeAndMatchType) {
    Draws d{{0.45, 0.45, 0.45}};  // Int(0.45 x 10) = 4
    CategoryScores s{30, 20, 10, 15};
    EXPECT_EQ(RateMatch(s, false, 0, 0, d.draw()), 49);
    EXPECT_EQ(RateMatch(s, true, 3, 0, d.draw()), 53);
    EXPECT_EQ(RateMatch(s, false, 2, 5, d.draw()), 56);
    // Three equal categories are rated like any match, with a draw of their own.
    Draws equal{{0.95}};
    EXPECT_EQ(RateMatch({20, 20, 20, 10}, false, 0, 0, equal.draw()), 39);
    EXPECT_EQ(equal.used, 1u);
}

TEST(MatchRating, ShownRatingAndWordsWithTheGapsOnTheBounds) {
    EXPECT_EQ(ShownRating(110), 100);
    EXPECT_EQ(ShownRating(87), 87);
    EXPECT_EQ(RatingWord(1), "Terrible");
    EXPECT_EQ(RatingWord(23), "Terrible");
    EXPECT_EQ(RatingWord(26), "Poor");
    EXPECT_EQ(RatingWord(41), "Average");
    EXPECT_EQ(RatingWord(73), "Good");
    EXPECT_EQ(RatingWord(88), "Excellent");
    EXPECT_EQ(RatingWord(95), "Match of the year candidate");
    EXPECT_EQ(RatingWord(100), "Match of the decade candidate");
    for (int16_t bound : {0, 24, 25, 39, 40, 59, 60, 74, 75, 89, 90, 96, 97, -3})
        EXPECT_FALSE(RatingWord(bound).has_value()) << bound;
}

TEST(OverChange, WinnerGainsAndLoserLosesInTheFirstNamedOrder) {
    auto even = OverChangeRule(true, 10, 10);
    ASSERT_EQ(even.steps.size(), 2u);
    EXPECT_EQ(even.steps[0].slot, 0);
    EXPECT_EQ(even.steps[0].over, 11);
    EXPECT_EQ(even.steps[1].over, 9);
    EXPECT_FALSE(even.stopped);
    // The second-named winner: the loser (first named) drops first.
    auto second = OverChangeRule(false, 10, 10);
    EXPECT_EQ(second.steps[0].slot, 0);
    EXPECT_EQ(second.steps[0].over, 9);
    EXPECT_EQ(second.steps[1].over, 11);
}

TEST(OverChange, StopsOnceTheWinnerIsWellAheadOrAtTheBound) {
    auto ahead = OverChangeRule(true, 13, 10);  // 14 after the gain, then 10 + 3 < 14
    ASSERT_EQ(ahead.steps.size(), 1u);
    EXPECT_EQ(ahead.steps[0].over, 14);
    EXPECT_TRUE(ahead.stopped);
    auto already = OverChangeRule(true, 14, 10);
    EXPECT_TRUE(already.steps.empty());
    EXPECT_TRUE(already.stopped);
    auto top = OverChangeRule(false, 18, 20);  // the loser drops, the winner is at the top
    ASSERT_EQ(top.steps.size(), 1u);
    EXPECT_EQ(top.steps[0].over, 17);
    EXPECT_TRUE(top.stopped);
    // Stored values past the bounds are never pushed further out.
    EXPECT_TRUE(OverChangeRule(true, 22, 21).steps.empty());
    auto below = OverChangeRule(true, 0, -1);
    ASSERT_EQ(below.steps.size(), 1u);
    EXPECT_EQ(below.steps[0].over, 1);
    EXPECT_TRUE(below.stopped);
}

TEST(HeatStep, RisesFallsOrStaysOnTheUncappedRating) {
    EXPECT_EQ(HeatStep(2, 45), 3);
    EXPECT_EQ(HeatStep(2, 44), 2);
    EXPECT_EQ(HeatStep(2, 29), 1);
    EXPECT_EQ(HeatStep(5, 90), 6);
    EXPECT_EQ(HeatStep(1, 14), 0);
}

TEST(PopularityRule, TheFirstRuleThatHoldsMovesIt) {
    EXPECT_EQ(PopularityRule(20, 45), 25);
    EXPECT_EQ(PopularityRule(50, 20), 40);
    EXPECT_EQ(PopularityRule(40, 61), 42);
    EXPECT_EQ(PopularityRule(60, 39), 57);
    EXPECT_EQ(PopularityRule(50, 55), 51);
    EXPECT_EQ(PopularityRule(50, 48), 49);
    EXPECT_EQ(PopularityRule(50, 50), 50);
    EXPECT_EQ(ClampPopularity(PopularityRule(98, 200)), 100);
    EXPECT_EQ(ClampPopularity(PopularityRule(5, 0)), 0);
}

TEST(NightSettlement, MoneyAndTheWeekCells) {
    EXPECT_EQ(TvIncomeFor(3), 250);
    EXPECT_EQ(TvIncomeFor(0), 0);
    EXPECT_EQ(TvIncomeFor(7), 0);

    NightMoney n;
    n.showCost = 300;
    n.sponsor = 100;
    n.refereeWage = 20;
    n.gate = 1000;
    n.arena = 400;
    n.mcWage = 20;
    EXPECT_EQ(1000 + n.balance(), 1360);

    n.stipulationCost = 500;
    n.tv = 250;
    n.polaroid = 90;
    WeekCells week;
    week.gate = 1000;
    week.polaroid = 40;
    week.hiring = 100;
    week.total = -50;
    WeekCells after = AddNightToWeek(week, n);
    EXPECT_EQ(after.gate, 2000);
    EXPECT_EQ(after.polaroid, 130);  // the second show of a week adds its polaroid money
    EXPECT_EQ(after.tv, 250);
    EXPECT_EQ(after.sponsorship, 100);
    EXPECT_EQ(after.staffWages, 40);
    EXPECT_EQ(after.arena, 400);
    EXPECT_EQ(after.hiring, 600);
    EXPECT_EQ(after.totalIncome, 1000 + 100 + 250 + 90);
    EXPECT_EQ(after.totalExpenditure, 300 + 20 + 20 + 500 + 400);
    EXPECT_EQ(after.total, -50 + 1440 - 1240);
}

TEST(NightSettlement, MoneyBeyondSixteenBits) {
    NightMoney n;
    n.gate = 5000;
    n.sponsor = 1000;
    WeekCells week;
    week.totalIncome = 32000;
    EXPECT_EQ(AddNightToWeek(week, n).totalIncome, 38000);
    EXPECT_EQ(40000 + n.balance(), 46000);
    // Cells restored from a saved game at the ends of 32 bits stay there.
    week.totalIncome = std::numeric_limits<int32_t>::max();
    week.total = std::numeric_limits<int32_t>::min();
    n.arena = 7000;
    EXPECT_EQ(AddNightToWeek(week, n).totalIncome, std::numeric_limits<int32_t>::max());
    EXPECT_EQ(AddNightToWeek(week, n).total, std::numeric_limits<int32_t>::min());
}
