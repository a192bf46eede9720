// The commentary of a match: a given sequence of draws gives exactly the text the crowd reads.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "matches/Commentary.h"

using namespace varnholt;

namespace {

// Draws that pick the given attacker k (1, 2), move m (1..9) and finish f (1..4).
double k(int v) { return (v - 1) / 2.0 + 0.01; }
double m(int v) { return (v - 1) / 9.0 + 0.01; }
double f(int v) { return (v - 1) / 4.0 + 0.01; }

std::string play(const std::string& stipulation, std::vector<double> draws, std::size_t* used = nullptr) {
    std::size_t i = 0;
    Draw rnd = [&] { return draws.at(i++); };
    std::string text = CommentaryLoop(stipulation, "Winner", "Loser", SinglesPairs("Winner", "Loser", rnd), rnd);
    if (used) *used = i;
    return text;
}

}  // namespace

TEST(Commentary, NormalMatchMovesNearMissAndPin) {
    std::size_t used = 0;
    std::string text = play("Normal", {k(2), m(1), k(1), m(9), f(2), k(2), m(5), f(4)}, &used);
    EXPECT_EQ(text,
              "Loser executes a suplex to Winner!Loser Looking good here! "
              "Winner has just completely finished his opponent and is going for the pin!!! "
              "Kickout after 2! "
              "Winner rolls up Loser in a small package! "
              "1..2..3! It's all over! "
              "The Winner of this match due to pinfall, Winner!!!!");
    EXPECT_EQ(used, 8u);
}

TEST(Commentary, EveryMoveRowOfTheShortcutsAndHolds) {
    EXPECT_EQ(play("Normal", {k(1), m(2), k(1), m(3), k(2), m(4), k(1), m(6), k(1), m(7), k(2), m(8), k(1), m(5),
                              f(4)}),
              "Winner delivers a pile driver to Loser!Loser needs to make a comeback! "
              "Winner executes a vicious DDT to Loser! "
              "Loser executes a Brain buster to Winner! "
              "Winner executes a killer back-breaker! Loser is totally knocked out cold! "
              "Winner is completely dominating Loser really needs to turn the match around here! "
              "Loser cheats and tries a shortcut to win the match! "
              "Winner rolls up Loser in a small package! 1..2..3! It's all over! "
              "The Winner of this match due to pinfall, Winner!!!!");
}

TEST(Commentary, SubmissionKeepsItsMissingBlanks) {
    EXPECT_EQ(play("Submission", {k(2), m(9), f(3), k(1), m(5), f(2), k(1), m(5), f(4)}),
              "Loser is going to try and win this match! He's put a submission maneouvre on Winner "
              "AndLoseris going to tap! And he's somehow managed to reach the ropes to break the hold! "
              "Winner locks on a submission hold! Loser just about manages to reach the ropes! "
              "Winner locks on a submission hold! And Loser taps out! It's all over!! "
              "The Winner of this match due to submission, Winner!!!!");
}

TEST(Commentary, HardcoreLadderAndCageLines) {
    EXPECT_EQ(play("Hardcore", {k(1), m(1), k(2), m(4), k(1), m(9), f(1), k(1), m(5), f(4)}),
              "Winner hits Loser with a trashcan! Loser smashes Winnerwith a chair! "
              "Winner has just completely finished his opponent and is going to try a pinfall!!! "
              "Only 1 -it's way too early! Winner makes the pin after a vicious shot with a chair! "
              "1..2..3! It's all over! The Winner of this match due to pinfall, Winner!!!!");
    EXPECT_EQ(play("Ladder", {k(2), m(9), f(1), k(1), m(5), f(3), k(1), m(5), f(4)}),
              "Loser has just completely finished his opponent and is going to try and climb the ladder!!! "
              "He doesn't get there far before getting knocked off! Winner climbs the ladder! "
              "Oh, he's so close to the top of the ladder! Winner climbs the ladder! And he's climbed the ladder! "
              "The Winner of this match due to climbing the ladder, Winner!!!!");
    // The cage's third near miss names the defender of the pass: the winner after k = 2.
    EXPECT_EQ(play("Cage", {k(2), m(9), f(3), k(1), m(5), f(2), k(1), m(5), f(4)}),
              "Loser has just completely finished his opponent and is going to try and climb the cage!!! "
              "AndWinneris climbing too! They knock each other back to the ring! "
              "Winner climbs the cage! Loser pulls him off the cage! Winner climbs the cage! "
              "And he's climbing the cage...and he's escaped!! "
              "The Winner of this match due to escaping the cage, Winner!!!!");
}

TEST(Commentary, BritishTwoFallsCountForTheAttackerButNameTheWinner) {
    const std::string fall = std::string("1..2..3! This round is finished!") + std::string(24, ' ');
    EXPECT_EQ(play("British", {k(1), m(9), f(4), k(2), m(9), f(4), k(1), m(5), f(4)}),
              "Winner has just completely finished his opponent and is going for the pin!!! " + fall +
                  "Loser has just completely finished his opponent and is going for the pin!!! " + fall +
                  "Winner rolls up Loser in a small package! " + fall +
                  "The Winner of this match by 2 falls to 1, Winner!!!!");
    // The loser's two falls still end with the chosen winner named.
    EXPECT_EQ(play("British", {k(2), m(9), f(4), k(2), m(9), f(4)}),
              "Loser has just completely finished his opponent and is going for the pin!!! " + fall +
                  "Loser has just completely finished his opponent and is going for the pin!!! " + fall +
                  "The Winner of this match by 2 falls to 0, Winner!!!!");
}

TEST(Commentary, BritishPublicWarningsAndDisqualification) {
    const std::string warnWinner = "Winner cheats and the ref sees him! Winner gets a public warning! ";
    // Three warnings for the winner: the loser is named by the disqualification line; each warning is
    // followed by a finish draw that misses.
    EXPECT_EQ(play("British", {k(2), m(8), f(1), k(2), m(8), f(2), k(2), m(8)}),
              warnWinner + "Only 1 -it's way too early! " + warnWinner + "Kickout after 2! " + warnWinner +
                  "The Winner of this match due to disqualification, Loser");
    // A successful pin after a warning counts a fall for the attacker.
    const std::string fall = std::string("1..2..3! This round is finished!") + std::string(24, ' ');
    EXPECT_EQ(play("British", {k(1), m(8), f(4), k(1), m(8), f(4)}),
              "Loser cheats and the ref sees him! Loser gets a public warning! " + fall +
                  "Loser cheats and the ref sees him! Loser gets a public warning! " + fall +
                  "The Winner of this match by 2 falls to 0, Winner!!!!");
}

TEST(Commentary, UnknownStipulationHasNone) { EXPECT_EQ(play("Street", {}), ""); }
