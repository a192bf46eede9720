#include "matches/Commentary.h"

#include <memory>

#include "forms/Numbers.h"

namespace varnholt {

namespace {

// The move rows every stipulation shares; a stipulation replaces the rows it tells differently.
constexpr const char* Suplex = "{A} executes a suplex to {D}!{A} Looking good here! ";
constexpr const char* PileDriver = "{A} delivers a pile driver to {D}!{D} needs to make a comeback! ";
constexpr const char* Ddt = "{A} executes a vicious DDT to {D}! ";
constexpr const char* BrainBuster = "{A} executes a Brain buster to {D}! ";
constexpr const char* BackBreaker = "{A} executes a killer back-breaker! {D} is totally knocked out cold! ";
constexpr const char* Dominating = "{A} is completely dominating {D} really needs to turn the match around here! ";
constexpr const char* Shortcut = "{A} cheats and tries a shortcut to win the match! ";

constexpr const char* SmallPackage = "{W} rolls up {L} in a small package! ";
constexpr const char* GoingForPin = "{A} has just completely finished his opponent and is going for the pin!!! ";

constexpr std::array<const char*, 3> PinNearMisses = {
    "Only 1 -it's way too early! ",
    "Kickout after 2! ",
    "Woah! 2 and three quarters! ",
};
constexpr const char* PinFinish = "1..2..3! It's all over! ";
constexpr const char* PinWinner = "The Winner of this match due to pinfall, {W}!!!!";

}  // namespace

const std::array<StipulationCommentary, 6> CommentaryTables = {{
    {"Normal",
     {Suplex, PileDriver, Ddt, BrainBuster, SmallPackage, BackBreaker, Dominating, Shortcut, GoingForPin},
     PinNearMisses, PinFinish, PinWinner, false},
    {"Submission",
     {Suplex, PileDriver, Ddt, BrainBuster, "{W} locks on a submission hold! ", BackBreaker, Dominating, Shortcut,
      "{A} is going to try and win this match! He's put a submission maneouvre on {D} "},
     {"And it gets reversed! ", "{L} just about manages to reach the ropes! ",
      "And{L}is going to tap! And he's somehow managed to reach the ropes to break the hold! "},
     "And {L} taps out! It's all over!! ", "The Winner of this match due to submission, {W}!!!!", false},
    {"British",
     {Suplex, PileDriver, Ddt, BrainBuster, SmallPackage, BackBreaker, Dominating, BritishWarningLine, GoingForPin},
     PinNearMisses, BritishFallLine, "", true},
    {"Hardcore",
     {"{A} hits {D} with a trashcan! ", PileDriver, Ddt, "{A} smashes {D}with a chair! ",
      "{W} makes the pin after a vicious shot with a chair! ", BackBreaker, Dominating, Shortcut,
      "{A} has just completely finished his opponent and is going to try a pinfall!!! "},
     PinNearMisses, PinFinish, PinWinner, false},
    {"Ladder",
     {Suplex, PileDriver, Ddt, BrainBuster, "{W} climbs the ladder! ", BackBreaker, Dominating, Shortcut,
      "{A} has just completely finished his opponent and is going to try and climb the ladder!!! "},
     {"He doesn't get there far before getting knocked off! ", "He gets half way up before falling off! ",
      "Oh, he's so close to the top of the ladder! "},
     "And he's climbed the ladder! ", "The Winner of this match due to climbing the ladder, {W}!!!!", false},
    {"Cage",
     {Suplex, PileDriver, Ddt, BrainBuster, "{W} climbs the cage! ", BackBreaker, Dominating, Shortcut,
      "{A} has just completely finished his opponent and is going to try and climb the cage!!! "},
     {"And he gets knocked off early! ", "{L} pulls him off the cage! ",
      "And{D}is climbing too! They knock each other back to the ring! "},
     "And he's climbing the cage...and he's escaped!! ", "The Winner of this match due to escaping the cage, {W}!!!!",
     false},
}};

const StipulationCommentary* CommentaryFor(std::string_view stipulation) {
    for (const auto& t : CommentaryTables)
        if (stipulation == t.stipulation) return &t;
    return nullptr;
}

const std::array<StipulationCommentary, 5> TagCommentaryTables = {{
    {"Normal",
     {Suplex, PileDriver, Ddt, BrainBuster, "{A} rolls up {D} in a small package! ", BackBreaker, Dominating, Shortcut,
      GoingForPin},
     PinNearMisses, PinFinish, "And {A} gets the pinfall!!!", false},
    {"Submission",
     {Suplex, PileDriver, Ddt, BrainBuster, "{A} locks on a submission hold! ", BackBreaker, Dominating, Shortcut,
      "{A} is going to try and win this match! He's put a submission maneouvre on {D} "},
     {"And it gets reversed! ", "{D} just about manages to reach the ropes! ",
      "And{D}is going to tap! And he's somehow managed to reach the ropes to break the hold! "},
     "And {D} taps out! It's all over!! ", "{A} wins it for the team!!!", false},
    {"Hardcore",
     {"{A} hits {D} with a trashcan! ", PileDriver, Ddt, "{A} smashes {D}with a chair! ",
      "{A} makes the pin after a vicious shot with a chair! ", BackBreaker, Dominating, Shortcut,
      "{A} has just completely finished his opponent and is going to try a pinfall!!! "},
     PinNearMisses, PinFinish, "And {A} chalks up a victory for his team!!!", false},
    {"Ladder",
     {Suplex, PileDriver, Ddt, BrainBuster, "{A} climbs the ladder! ", BackBreaker, Dominating, Shortcut,
      "{A} has just completely finished his opponent and is going to try and climb the ladder!!! "},
     {"He doesn't get there far before getting knocked off! ", "He gets half way up before falling off! ",
      "Oh, he's so close to the top of the ladder! "},
     "And he's climbed the ladder! ", "The Winner of this match due to climbing the ladder, {A}!!!!", false},
    {"Cage",
     {Suplex, PileDriver, Ddt, BrainBuster, "{A} climbs the cage! ", BackBreaker, Dominating, Shortcut,
      "{A} has just completely finished his opponent and is going to try and climb the cage!!! "},
     {"And he gets knocked off early! ", "{D} pulls him off the cage! ",
      "And{D}is climbing too! They knock eacgh other back to the ring! "},
     "And he's climbing the cage...and he's escaped!! ",
     "The Winner of this match, for his team, due to escaping the cage, {A}!!!!", false},
}};

const std::array<StipulationCommentary, 5> TripleThreatCommentaryTables = {{
    {"Normal",
     {Suplex, PileDriver, "{A} hits a DDT on {D}! ", BrainBuster, SmallPackage, BackBreaker, Dominating, Shortcut,
      "{W} has just completely finished his opponent and is going for the pin!!! "},
     PinNearMisses, PinFinish, PinWinner, false},
    {"Submission",
     {Suplex, PileDriver, Ddt, BrainBuster, "{W} locks on a submission hold! ", BackBreaker, Dominating, Shortcut,
      "{W} is going to try and win this match! He's put a submission maneouvre on {L} "},
     {"And it gets reversed! ", "{L} just about manages to reach the ropes! ",
      "And{L}is going to tap! And he's somehow managed to reach the ropes to break the hold! "},
     "And {L} taps out! It's all over!! ", "The Winner of this match due to submission, {W}!!!!", false},
    {"Hardcore",
     {"{A} hits {D} with a trashcan! ", PileDriver, Ddt, "{A} smashes {D}with a chair! ",
      "{W} makes the pin after a vicious shot with a chair! ", BackBreaker, Dominating, Shortcut,
      "{W} has just completely finished his opponent and is going to try a pinfall!!! "},
     PinNearMisses, PinFinish, PinWinner, false},
    {"Ladder",
     {Suplex, PileDriver, Ddt, BrainBuster, "{W} climbs the ladder! ", BackBreaker, Dominating, Shortcut,
      "{W} has just completely finished his opponent and is going to try and climb the ladder!!! "},
     {"He doesn't get there far before getting knocked off! ", "He gets half way up before falling off! ",
      "Oh, he's so close to the top of the ladder! "},
     "And he's climbed the ladder! ", "The Winner of this match due to climbing the ladder, {W}!!!!", false},
    {"Cage",
     {Suplex, PileDriver, Ddt, BrainBuster, "{W} climbs the cage! ", BackBreaker, Dominating, Shortcut,
      "{W} has just completely finished his opponent and is going to try and climb the cage!!! "},
     {"And he gets knocked off early! ", "{L} pulls him off the cage! ",
      "And{L}is climbing too! They knock eacgh other back to the ring! "},
     "And he's climbing the cage...and he's escaped!! ", "The Winner of this match due to escaping the cage, {W}!!!!",
     false},
}};

// The four-way commentary is the triple threat's, but for the DDT of a Normal match.
const std::array<StipulationCommentary, 5> FourWayCommentaryTables = [] {
    auto t = TripleThreatCommentaryTables;
    t[0].moves[2] = Ddt;
    return t;
}();

const StipulationCommentary* CommentaryIn(const std::array<StipulationCommentary, 5>& tables,
                                          std::string_view stipulation) {
    for (const auto& t : tables)
        if (stipulation == t.stipulation) return &t;
    return nullptr;
}

PairDraw SlotPairs(std::vector<std::string> slots, const Draw& rnd) {
    return [slots = std::move(slots), rnd]() -> std::pair<std::string, std::string> {
        const int n = static_cast<int>(slots.size());
        if (n < 2) return {};
        int p = static_cast<int>(forms::Int(rnd() * n * (n - 1)));
        int attacker = p / (n - 1), defender = p % (n - 1);
        if (defender >= attacker) ++defender;
        return {slots[static_cast<std::size_t>(attacker)], slots[static_cast<std::size_t>(defender)]};
    };
}

std::pair<PairDraw, FinisherPick> TagPairs(const TagCast& cast, const Draw& rnd) {
    // The pairs 1..4 send the winning team in, 5..8 the losing team.
    auto lastPair = std::make_shared<int>(0);
    PairDraw pairs = [cast, rnd, lastPair]() -> std::pair<std::string, std::string> {
        int k = static_cast<int>(forms::Int(rnd() * 8)) + 1;
        *lastPair = k;
        switch (k) {
            case 1: return {cast.scorer, cast.firstLoser};
            case 2: return {cast.scorer, cast.secondLoser};
            case 3: return {cast.partner, cast.firstLoser};
            case 4: return {cast.partner, cast.secondLoser};
            case 5: return {cast.firstLoser, cast.scorer};
            case 6: return {cast.firstLoser, cast.partner};
            case 7: return {cast.secondLoser, cast.scorer};
            default: return {cast.secondLoser, cast.partner};
        }
    };
    FinisherPick finisher = [scorer = cast.scorer, lastPair](std::string& a, std::string& d) {
        if (*lastPair >= 5) d = a;
        a = scorer;
    };
    return {pairs, finisher};
}

PairDraw SinglesPairs(const std::string& winner, const std::string& loser, const Draw& rnd) {
    return [winner, loser, rnd]() -> std::pair<std::string, std::string> {
        int k = static_cast<int>(forms::Int(rnd() * 2)) + 1;
        if (k == 1) return {winner, loser};
        return {loser, winner};
    };
}

std::string FillLine(std::string_view line, const std::string& a, const std::string& d, const std::string& w,
                     const std::string& l) {
    std::string out;
    out.reserve(line.size() + 64);
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '{' && i + 2 < line.size() && line[i + 2] == '}') {
            switch (line[i + 1]) {
                case 'A': out += a; i += 2; continue;
                case 'D': out += d; i += 2; continue;
                case 'W': out += w; i += 2; continue;
                case 'L': out += l; i += 2; continue;
                default: break;
            }
        }
        out += line[i];
    }
    return out;
}

std::string CommentaryLoop(std::string_view stipulation, const std::string& w, const std::string& l,
                           const PairDraw& pairs, const Draw& rnd) {
    const StipulationCommentary* t = CommentaryFor(stipulation);
    if (!t) return {};
    return CommentaryLoop(*t, w, l, pairs, rnd, {});
}

std::string CommentaryLoop(const StipulationCommentary& lines, const std::string& w, const std::string& l,
                           const PairDraw& pairs, const Draw& rnd, const FinisherPick& finisher) {
    const StipulationCommentary* t = &lines;
    std::string text;
    int winnerFalls = 0, loserFalls = 0, winnerWarnings = 0, loserWarnings = 0;
    for (;;) {
        auto [a, d] = pairs();
        // The pair is captured by name: Clang 14 cannot capture a structured binding.
        auto say = [&, &a = a, &d = d](std::string_view line) { text += FillLine(line, a, d, w, l); };
        int m = static_cast<int>(forms::Int(rnd() * 9)) + 1;
        bool finishing = m == 5 || m == 9;
        if (finishing && finisher) finisher(a, d);
        say(t->moves[static_cast<std::size_t>(m - 1)]);
        if (t->british && m == 8) {
            if (d == w) ++winnerWarnings;
            else if (d == l) ++loserWarnings;
            if (winnerWarnings == 3 || loserWarnings == 3) {
                say(BritishDisqualificationLine);
                text += a;
                return text;
            }
            finishing = true;
        }
        if (!finishing) continue;
        int f = static_cast<int>(forms::Int(rnd() * 4)) + 1;
        if (f < 4) {
            say(t->nearMiss[static_cast<std::size_t>(f - 1)]);
            continue;
        }
        if (!t->british) {
            say(t->finish);
            say(t->winnerLine);
            return text;
        }
        // Two falls: the fall goes to the attacker; the announcement always names the chosen winner.
        text += BritishFallLine;
        text += std::string(24, ' ');
        if (a == w) ++winnerFalls;
        else if (a == l) ++loserFalls;
        if (winnerFalls == 2 || loserFalls == 2) {
            int other = winnerFalls == 2 ? loserFalls : winnerFalls;
            text += other != 1 ? BritishTwoNilLine : BritishTwoOneLine;
            text += w + "!!!!";
            return text;
        }
    }
}

}  // namespace varnholt
