// The running commentary of a match: random move lines strung together until a finishing attempt
// succeeds. The result is fixed beforehand; the commentary only tells the story, by stipulation.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "matches/MatchRules.h"

namespace varnholt {

// The lines of one stipulation. In a line "{A}" stands for the attacker of the pass, "{D}" for the
// defender, "{W}" for the chosen winner and "{L}" for the chosen loser.
struct StipulationCommentary {
    const char* stipulation;
    std::array<const char*, 9> moves;     // move rows 1..9; rows 5 and 9 are the finishing moves
    std::array<const char*, 3> nearMiss;  // finish draws 1..3: the match goes on
    const char* finish;                   // finish draw 4
    const char* winnerLine;               // ends the match
    bool british;                         // two falls and public warnings
};
extern const std::array<StipulationCommentary, 6> CommentaryTables;
const StipulationCommentary* CommentaryFor(std::string_view stipulation);

// The tag-team commentary: the team that wins is the one whose scorer makes every finishing move, so
// its lines name only the attacker and defender of the pass.
extern const std::array<StipulationCommentary, 5> TagCommentaryTables;
// The triple-threat and four-way commentaries: the finishing lines name the winner and the first loser.
extern const std::array<StipulationCommentary, 5> TripleThreatCommentaryTables;
extern const std::array<StipulationCommentary, 5> FourWayCommentaryTables;
const StipulationCommentary* CommentaryIn(const std::array<StipulationCommentary, 5>& tables,
                                          std::string_view stipulation);

// British rules' announcements.
inline constexpr const char* BritishFallLine = "1..2..3! This round is finished!";
inline constexpr const char* BritishWarningLine = "{D} cheats and the ref sees him! {D} gets a public warning! ";
inline constexpr const char* BritishTwoNilLine = "The Winner of this match by 2 falls to 0, ";
inline constexpr const char* BritishTwoOneLine = "The Winner of this match by 2 falls to 1, ";
inline constexpr const char* BritishDisqualificationLine = "The Winner of this match due to disqualification, ";

// The attacker and defender of one pass.
using PairDraw = std::function<std::pair<std::string, std::string>()>;

// A singles pass: k = Int(Rnd x 2) + 1; 1 sends the winner in to attack, 2 the loser.
PairDraw SinglesPairs(const std::string& winner, const std::string& loser, const Draw& rnd);

// A pass among several wrestlers in slot order: p = Int(Rnd x n(n-1)) + 1 picks the attacker (slot by
// slot) and his defender among the others, in slot order.
PairDraw SlotPairs(std::vector<std::string> slots, const Draw& rnd);

// Who makes a finishing move: called with the pass's attacker and defender before the line is written.
using FinisherPick = std::function<void(std::string& attacker, std::string& defender)>;

// A tag pass: k = Int(Rnd x 8) + 1 over the pairs of the two teams; a finishing move is always made by
// the scorer against the losing-team wrestler of the pass.
struct TagCast {
    std::string scorer, partner, firstLoser, secondLoser;
};
std::pair<PairDraw, FinisherPick> TagPairs(const TagCast& cast, const Draw& rnd);

// Writes a placeholder line with the names filled in.
std::string FillLine(std::string_view line, const std::string& a, const std::string& d, const std::string& w,
                     const std::string& l);

// The whole commentary of one match; empty for a stipulation that has none.
std::string CommentaryLoop(std::string_view stipulation, const std::string& winner, const std::string& loser,
                           const PairDraw& pairs, const Draw& rnd);
// The same loop over a given stipulation's lines, with a pick of who makes the finishing moves.
std::string CommentaryLoop(const StipulationCommentary& lines, const std::string& winner, const std::string& loser,
                           const PairDraw& pairs, const Draw& rnd, const FinisherPick& finisher);

}  // namespace varnholt
