// The arithmetic of a show night, shared by every match screen: the crowd, the polaroid money, the
// scoring of a match and its word, the Over and feud-heat changes after it, and the night's
// settlement. Plain functions over numbers, so each rule can be checked on its own.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace varnholt {

// A draw of the game's generator in [0, 1).
using Draw = std::function<double()>;

// --- venue booking ----------------------------------------------------------------------------------

inline constexpr int16_t CancelShowPenalty = 15;

// Tonight's crowd: 4, 6, 8 or 10 times the popularity by band plus a fresh Int(Rnd x 9) per band
// passed (one to four draws), capped at the capacity. A crowd is never below 0.
int16_t AttendanceRule(int16_t popularity, int16_t capacity, const Draw& rnd);

// The polaroid money: percent x 5 x crowd / 100, in pounds (it may hold a fraction).
double PolaroidIncomeFor(int16_t polaroidPercent, int16_t attendance);

// --- match scoring ----------------------------------------------------------------------------------

// How each match screen varies the shared scoring rules.
struct MatchTypeRules {
    const char* type;              // the match-type list's item
    int wrestlers;                 // wrestlers in the ring
    double scoreDivisor;           // 1: plain sum; otherwise CInt(sum / divisor)
    bool wageIncludesStipulation;  // the match's wage bill carries the stipulation's cost
    bool refereeFromGlobal;        // RefereeSkill; otherwise the skill read when the screen loaded
    int16_t matchTypeBonus;
    bool britishOffered;
    bool tiesRateTwice;            // a two-way tie for the lead rates twice and the second rating stands
};
extern const std::array<MatchTypeRules, 4> MatchTypes;  // Singles, Tag Team, Triple Threat, Four Way
const MatchTypeRules& MatchTypeFor(std::string_view type);

struct StipulationRules {
    const char* name;
    int16_t brawling, speed, technical;  // bonuses added to the category scores
    std::optional<int16_t> cost;         // nothing: the last match's cost stays
};
// In the order the stipulations are tested: Normal, Cage, Ladder, Hardcore, Submission, British.
extern const std::array<StipulationRules, 6> Stipulations;
const StipulationRules* StipulationFor(std::string_view name);

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
CategoryScores ScoreCategories(const MatchTypeRules& rules, const std::vector<SlotStats>& slots,
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
