#include "matches/MatchRules.h"

#include <algorithm>
#include <cmath>

#include "forms/Numbers.h"

namespace varnholt {

using forms::I16;
using forms::I32;

CategoryScores ScoreCategories(const MatchType& type, const std::vector<SlotStats>& slots,
                               const StipulationRules* stipulation) {
    long long br = 0, te = 0, sp = 0, ov = 0;
    for (const auto& s : slots) {
        br += s.brawling;
        te += s.technical;
        sp += s.speed;
        ov += s.over;
    }
    auto score = [&](long long sum) {
        return type.scoreDivisor == 1.0 ? I32(sum) : forms::CLng(static_cast<double>(sum) / type.scoreDivisor);
    };
    CategoryScores c{score(br), score(te), score(sp), score(ov)};
    if (stipulation) {
        c.brawling = I32(static_cast<long long>(c.brawling) + stipulation->brawling);
        c.speed = I32(static_cast<long long>(c.speed) + stipulation->speed);
        c.technical = I32(static_cast<long long>(c.technical) + stipulation->technical);
    }
    return c;
}

int32_t DominantCategory(const CategoryScores& s) {
    const int32_t br = s.brawling, te = s.technical, sp = s.speed;
    if (br > te && br > sp) return br;
    if (te > br && te > sp) return te;
    if (sp > br && sp > te) return sp;
    if (br > te && br == sp) return br;
    if (br > sp && br == te) return br;
    if (sp > br && sp == te) return sp;
    return br;  // all three equal
}

bool TwoWayTieForLead(const CategoryScores& s) {
    const int32_t br = s.brawling, te = s.technical, sp = s.speed;
    return (br == te && br > sp) || (br == sp && br > te) || (sp == te && sp > br);
}

int32_t RateMatch(const CategoryScores& s, bool titleMatch, int16_t refereeSkill, int16_t matchTypeBonus,
                  const Draw& rnd) {
    const int32_t d = DominantCategory(s);
    const double fight = forms::Int(rnd() * 10) + d + s.over;
    return forms::CLng((titleMatch ? 1 : 0) + static_cast<double>(static_cast<float>(fight)) + refereeSkill + matchTypeBonus);
}

int32_t ShownRating(int32_t rating) { return rating > 100 ? 100 : rating; }

std::optional<std::string> RatingWord(int32_t r) {
    struct Band {
        int low, high;
        const char* word;
    };
    static constexpr Band bands[] = {
        {0, 24, "Terrible"},
        {25, 39, "Poor"},
        {40, 59, "Average"},
        {60, 74, "Good"},
        {75, 89, "Excellent"},
        {90, 96, "Match of the year candidate"},
        {97, 107, "Match of the decade candidate"},
    };
    for (const auto& b : bands)
        if (r > b.low && r < b.high) return std::string(b.word);
    return std::nullopt;
}

OverChange OverChangeRule(bool firstWon, int16_t over1, int16_t over2) {
    OverChange change;
    std::array<int16_t, 2> over{over1, over2};
    const int winner = firstWon ? 0 : 1, loser = 1 - winner;
    // The first-named wrestler changes first, whichever of the two won.
    for (int slot : {0, 1}) {
        bool gain = slot == winner;
        if (over[static_cast<std::size_t>(loser)] + 3 < over[static_cast<std::size_t>(winner)]) {
            change.stopped = true;
            return change;
        }
        int16_t& o = over[static_cast<std::size_t>(slot)];
        if (gain ? o >= OverMaximum : o <= 0) {
            change.stopped = true;
            return change;
        }
        o = I16(o + (gain ? 1 : -1));
        change.steps.push_back({slot, o});
    }
    return change;
}

int16_t HeatStep(int16_t heat, int32_t rating) {
    if (rating > 15 * heat) heat = I16(heat + 1);
    if (rating < 15 * heat) heat = I16(heat - 1);
    return heat;
}

int PopularityRule(int p, double r) {
    if (r > 2.0 * p) return p + 5;
    if (p > 2.0 * r) return p - 10;
    if (r > 1.5 * p) return p + 2;
    if (p > 1.5 * r) return p - 3;
    if (r > p) return p + 1;
    if (p > r) return p - 1;
    return p;
}

int PopularityRuleWithZeroNight(int p, double r) {
    if (r == 0) return p - NightRatedZeroPenalty;
    return PopularityRule(p, r);
}

int16_t ClampPopularity(int popularity) { return static_cast<int16_t>(std::clamp(popularity, 0, 100)); }

int32_t TvIncomeFor(int16_t level) {
    switch (level) {
        case 1: return 50;
        case 2: return 100;
        case 3: return 250;
        case 4: return 500;
        default: return 0;
    }
}

int32_t NightMoney::income() const { return I32(static_cast<long long>(gate) + sponsor + tv + polaroid); }

int32_t NightMoney::expenditure() const {
    return I32(static_cast<long long>(showCost) + refereeWage + mcWage + stipulationCost + arena);
}

int32_t NightMoney::balance() const { return I32(static_cast<long long>(income()) - expenditure()); }

WeekCells AddNightToWeek(const WeekCells& w, const NightMoney& n) {
    // A week's cell restored from a saved game may stand anywhere in 32 bits.
    auto add = [](int32_t a, long long b) { return forms::Saturate32(a + b); };
    WeekCells out;
    out.gate = add(w.gate, n.gate);
    out.sponsorship = add(w.sponsorship, n.sponsor);
    out.polaroid = add(w.polaroid, n.polaroid);
    out.tv = add(w.tv, n.tv);
    out.totalIncome = add(w.totalIncome, n.income());
    out.staffWages = add(w.staffWages, static_cast<long long>(n.refereeWage) + n.mcWage);
    out.arena = add(w.arena, n.arena);
    out.hiring = add(w.hiring, n.stipulationCost);
    out.totalExpenditure = add(w.totalExpenditure, n.expenditure());
    out.total = add(w.total, n.balance());
    return out;
}

}  // namespace varnholt
