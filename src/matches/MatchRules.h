// The arithmetic of a show night's matches, shared by every match screen: the scoring of a match and its
// word, the Over and feud-heat changes after it, and the night's settlement. Plain functions over
// numbers, so each rule can be checked on its own.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "matches/MatchTypes.h"

namespace varnholt {

// A draw of the game's generator in [0, 1).
using Draw = std::function<double()>;

// --- match scoring ----------------------------------------------------------------------------------

// In 32 bits: a wrestler file damaged or edited by hand may hold stats far outside 0..20, and their sums
// must still be scored rather than stop the night.
struct CategoryScores {
    int32_t brawling = 0, technical = 0, speed = 0, over = 0;
};

// One wrestler's stats as the match screens keep them.
struct SlotStats {
    int16_t brawling = 0, technical = 0, speed = 0, over = 0, wage = 0;
};

// The sums of the wrestlers' stats, divided as the match type says, with the stipulation's bonuses.
CategoryScores ScoreCategories(const MatchType& type, const std::vector<SlotStats>& slots,
                               const StipulationRules* stipulation);

// The score of the strongest category. Ties between the two leaders count as in the game's six
// cases; three equal categories are the seventh case and rate from that common score.
int32_t DominantCategory(const CategoryScores& s);

// Whether exactly two of the three categories share the lead.
bool TwoWayTieForLead(const CategoryScores& s);

// The match rating: title bonus + (Int(Rnd x 10) + dominant + Over) + referee + match-type bonus.
// One draw.
int32_t RateMatch(const CategoryScores& s, bool titleMatch, int16_t refereeSkill, int16_t matchTypeBonus,
                  const Draw& rnd);

// The rating as the box shows it (at most 100) and its word; a rating on a band's bound has none.
int32_t ShownRating(int32_t rating);
std::optional<std::string> RatingWord(int32_t shownRating);

// --- after the match --------------------------------------------------------------------------------

inline constexpr int16_t OverMaximum = 20;

// The Over changes of a singles-style result: the winner gains one, the loser loses one, in the
// order the game makes them (the first-named wrestler's step first). The steps stop for good once
// the winner stands more than 3 above the loser or the wrestler to change is at his bound; then
// `stopped` is set and no feud heat moves.
struct OverStep {
    int slot;  // 0: the first-named wrestler, 1: the second
    int16_t over;
};
struct OverChange {
    std::vector<OverStep> steps;
    bool stopped = false;
};
OverChange OverChangeRule(bool firstWon, int16_t over1, int16_t over2);

// The feud heat after a match between the feud's two wrestlers, on the uncapped rating.
int16_t HeatStep(int16_t heat, int32_t rating);

// --- end of night -----------------------------------------------------------------------------------

// The popularity after the night: the first rule that holds moves it by +5, -10, +2, -3, +1 or -1.
// Not clamped here.
int PopularityRule(int popularity, double nightRating);
// The tag, triple-threat and four-way screens' rule: a night rated 0 costs 15 before any other rule.
inline constexpr int16_t NightRatedZeroPenalty = 15;
int PopularityRuleWithZeroNight(int popularity, double nightRating);
int16_t ClampPopularity(int popularity);

// The TV money of a night by the deal held: 50, 100, 250, 500; no deal pays nothing.
int32_t TvIncomeFor(int16_t tvDealLevel);

// Everything a night pays and earns, in pounds.
struct NightMoney {
    int32_t showCost = 0;  // the wrestlers' wages
    int32_t sponsor = 0;
    int32_t refereeWage = 0;
    int32_t stipulationCost = 0;
    int32_t gate = 0;
    int32_t arena = 0;
    int32_t mcWage = 0;
    int32_t tv = 0;
    int32_t polaroid = 0;

    int32_t income() const;       // gate, sponsor, TV and polaroids
    int32_t expenditure() const;  // wages, staff, stipulation and arena
    int32_t balance() const;      // income - expenditure
};

// The "This week" cells a night adds to; the wrestler wages are written at the fifth match.
struct WeekCells {
    int32_t gate = 0, sponsorship = 0, polaroid = 0, tv = 0, totalIncome = 0;
    int32_t staffWages = 0, arena = 0, hiring = 0, totalExpenditure = 0, total = 0;
};
WeekCells AddNightToWeek(const WeekCells& week, const NightMoney& night);

}  // namespace varnholt
