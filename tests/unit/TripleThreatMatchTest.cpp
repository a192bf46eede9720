// The triple-threat screen: who the drawn winner leaves as the first loser, the Over ceiling, and the
// pairs the commentary sends in among several wrestlers.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>

#include "GameFixture.h"
#include "matches/Commentary.h"
#include "matches/MultiMatchScreens.h"
#include "wrestlers/RecordFiles.h"

using namespace varnholt;
using varnholt::testing::GameFixture;

TEST(SlotPairs, EveryWrestlerMeetsEveryOtherAndNeverHimself) {
    for (int n : {3, 4}) {
        std::vector<std::string> slots = {"W", "L1", "L2", "L3"};
        slots.resize(static_cast<std::size_t>(n));
        std::set<std::pair<std::string, std::string>> seen;
        const int pairs = n * (n - 1);
        for (int p = 1; p <= pairs; ++p) {
            double draw = (p - 1 + 0.5) / pairs;
            auto pick = SlotPairs(slots, [draw] { return draw; })();
            EXPECT_NE(pick.first, pick.second);
            seen.insert(pick);
        }
        EXPECT_EQ(seen.size(), static_cast<std::size_t>(pairs));
    }
    // The four-way table's order: pair 3 is the winner against the third loser, pair 12 the third loser
    // against the second.
    EXPECT_EQ(SlotPairs({"W", "L1", "L2", "L3"}, [] { return 2.5 / 12; })(), std::make_pair(std::string("W"),
                                                                                       std::string("L3")));
    EXPECT_EQ(SlotPairs({"W", "L1", "L2", "L3"}, [] { return 11.5 / 12; })(),
              std::make_pair(std::string("L3"), std::string("L2")));
}

namespace {

class TripleThreatScreen : public GameFixture {
protected:
    TripleThreatMatchScreen& tt() { return game().form<TripleThreatMatchScreen>(); }
    void book(const char* title = "None") {
        startPreset("Command2");
        auto& t = tt();
        t.c("List1").setText("Triple Threat");
        t.c("List2").setText("Normal");
        t.c("List3").setText(title);
        for (const char* name : {"Dougie Rackham", "Connor Vale", "Ambrose Fettle"}) t.c("lstData").setText(name);
    }
};

}  // namespace

TEST_F(TripleThreatScreen, ADrawnThirdWrestlerNamesTheSecondAsFirstLoser) {
    book();
    tt().c("Command5").playerClick();  // W3
    EXPECT_EQ(tt().loserNames()[0], "Dougie Rackham");
    EXPECT_EQ(tt().loserNames()[1], "Connor Vale");
    // A generator state whose next draw picks the third wrestler.
    forms::Random probe;
    uint32_t state = 0;
    for (;; ++state) {
        probe.setState(state);
        if (probe.next() >= 0.7) break;
    }
    game().rnd().setState(state);
    tt().c("Command4").setEnabled(true);
    tt().c("Command4").playerClick();  // R
    EXPECT_EQ(tt().winnerName(), "Ambrose Fettle");
    EXPECT_EQ(tt().loserNames()[0], "Connor Vale");
    EXPECT_EQ(tt().loserNames()[1], "Dougie Rackham");
}

TEST_F(TripleThreatScreen, AWinnerAtTheCeilingGainsNothing) {
    book();
    tt().c("Command5").playerClick();
    // Over read as 20 or more is at the ceiling: the box and the record stay.
    tt().c("wov3").setText("21");
    tt().c("Command3").playerClick();
    EXPECT_EQ(tt().c("Text15").text(), "Ambrose Fettle");
    EXPECT_EQ(tt().c("wov3").text(), "21");
    BuildFilePaths(game());
    FindRosterRecord(game(), "Ambrose Fettle");
    EXPECT_EQ(game().CurrentWrestler.Over, 6);
}

TEST_F(TripleThreatScreen, AWinnerAtTheCeilingIsStillLookedUp) {
    book();  // the last pick looked up the third wrestler, record 3
    tt().c("wov1").setText("20");
    tt().c("Command1").playerClick();
    tt().c("Command3").playerClick();
    EXPECT_EQ(tt().c("Text15").text(), "Dougie Rackham");
    EXPECT_EQ(tt().c("wov1").text(), "20");
    // The winner's lookup stands, though nothing was written: his record is the current one.
    EXPECT_EQ(game().CurrentRecordNumber, 1);
    EXPECT_EQ(forms::RTrim(game().CurrentWrestler.Name), "Dougie Rackham");
    EXPECT_EQ(game().CurrentWrestler.Over, 9);
}

TEST_F(TripleThreatScreen, OnlyTheFirstRefusingLoserSpeaks) {
    book();
    tt().c("wov1").setText("20");
    tt().c("wov2").setText("20");
    tt().c("Command5").playerClick();
    ASSERT_EQ(dialogs_.shown().size(), 1u);
    EXPECT_EQ(dialogs_.shown()[0].text, "Dougie Rackham: I refuse to lose this match.");
    EXPECT_FALSE(tt().c("Command3").enabled());
    // Exactly five above the winner is accepted.
    tt().c("wov1").setText("11");
    tt().c("wov2").setText("11");
    tt().c("Command5").playerClick();
    EXPECT_EQ(dialogs_.shown().size(), 1u);
    EXPECT_TRUE(tt().c("Command3").enabled());
}
