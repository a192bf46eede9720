// The tag-team screen: who the commentary sends in for the finish, when a team refuses to lose, the
// tag titles, and the settlement of a night that ends on this screen.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "GameFixture.h"
#include "matches/TagMatchScreen.h"
#include "matches/Commentary.h"

using namespace varnholt;
using varnholt::testing::GameFixture;

namespace {

// Draws that pick tag pair k (1..8), move m (1..9) and finish f (1..4).
double k(int v) { return (v - 1) / 8.0 + 0.01; }
double m(int v) { return (v - 1) / 9.0 + 0.01; }
double f(int v) { return (v - 1) / 4.0 + 0.01; }

std::string tagCommentary(const std::string& stipulation, std::vector<double> draws) {
    std::size_t i = 0;
    Draw rnd = [&] { return draws.at(i++); };
    auto [pairs, finisher] = TagPairs({"Scorer", "Partner", "First", "Second"}, rnd);
    std::string text =
        CommentaryLoop(*CommentaryIn(TagCommentaryTables, stipulation), "Scorer", "First", pairs, rnd, finisher);
    EXPECT_EQ(i, draws.size());
    return text;
}

}  // namespace

TEST(TagCommentary, TheScorerMakesEveryFinishAgainstTheLosingTeam) {
    // The losing team's first wrestler attacks, yet the scorer rolls him up.
    EXPECT_EQ(tagCommentary("Normal", {k(5), m(5), f(4)}),
              "Scorer rolls up First in a small package! 1..2..3! It's all over! And Scorer gets the pinfall!!!");
    // Pair 6 (First against Partner): the submission finish names First as the one who taps.
    EXPECT_EQ(tagCommentary("Submission", {k(6), m(9), f(4)}),
              "Scorer is going to try and win this match! He's put a submission maneouvre on First "
              "And First taps out! It's all over!! Scorer wins it for the team!!!");
    // Pair 4 (Partner against Second): the partner hands the finish to the scorer; the near miss
    // names the defender of that finish.
    EXPECT_EQ(tagCommentary("Cage", {k(4), m(1), k(4), m(5), f(2), k(8), m(9), f(4)}),
              "Partner executes a suplex to Second!Partner Looking good here! Scorer climbs the cage! "
              "Second pulls him off the cage! "
              "Scorer has just completely finished his opponent and is going to try and climb the cage!!! "
              "And he's climbing the cage...and he's escaped!! "
              "The Winner of this match, for his team, due to escaping the cage, Scorer!!!!");
}

namespace {

class TagScreen : public GameFixture {
protected:
    TagMatchScreen& tag() { return game().form<TagMatchScreen>(); }
    void bookTeams(const char* title = "None") {
        if (!game().isLoaded("FederationHub")) startPreset("Command2");
        auto& t = tag();
        t.c("List1").setText("Tag Team");
        t.c("List2").setText("Normal");
        t.c("List3").setText(title);
        for (const char* name : {"Dougie Rackham", "Connor Vale", "Ambrose Fettle", "Kit Marrowby"})
            t.c("lstData").setText(name);
    }
    void setOver(int16_t o1, int16_t o2, int16_t o3, int16_t o4) {
        const int16_t over[] = {o1, o2, o3, o4};
        for (int i = 0; i < 4; ++i) tag().c("wov" + std::to_string(i + 1)).setText(forms::CStr(over[i]));
    }
};

}  // namespace

TEST_F(TagScreen, TeamsRefuseOnlyWhenMoreThanFiveAhead) {
    bookTeams();
    EXPECT_EQ(tag().slotSelector(), 1);
    setOver(10, 8, 12, 12);  // 18 against 24
    tag().c("Command1").playerClick();
    tag().c("Command2").playerClick();
    ASSERT_EQ(dialogs_.shown().size(), 2u);
    EXPECT_EQ(dialogs_.shown()[0].text, "Ambrose Fettle and Kit Marrowby: We refuse to lose this match.");
    EXPECT_EQ(dialogs_.shown()[0].title, "Refused match!");
    EXPECT_TRUE(tag().c("Command1").enabled());
    EXPECT_FALSE(tag().c("Command3").enabled());
    // W4's losers are named slot 2 first.
    setOver(12, 12, 10, 8);
    tag().c("Command7").playerClick();
    EXPECT_EQ(dialogs_.shown().back().text, "Connor Vale and Dougie Rackham: We refuse to lose this match.");
    // 23 against 18 is exactly five: accepted.
    setOver(10, 8, 12, 11);
    tag().c("Command2").playerClick();
    EXPECT_EQ(dialogs_.shown().size(), 3u);
    EXPECT_TRUE(tag().c("Command3").enabled());
    EXPECT_FALSE(tag().c("Command1").enabled());
}

TEST_F(TagScreen, HoldersWhoWinKeepTheTitlesInEitherOrder) {
    bookTeams("Tag Team");
    auto& champions = game().form("ChampionsScreen");
    champions.c("Text34").setText("Connor Vale");
    champions.c("Text35").setText("Dougie Rackham");
    champions.c("Text36").setText("Old First");
    // The screen took the champions when it loaded; it loads again for a fresh copy.
    game().unload(TagMatchScreen::Name);
    game().collect();
    bookTeams("Tag Team");
    EXPECT_EQ(tag().tagChampions()[0], "Connor Vale");
    tag().c("Command1").playerClick();  // Dougie Rackham scores for Connor Vale's team
    tag().c("Command3").playerClick();
    EXPECT_EQ(tag().c("Text15").text(), "Dougie Rackham");
    EXPECT_EQ(tag().c("Text23").text(), "Connor Vale");
    EXPECT_EQ(champions.c("Text34").text(), "Connor Vale");
    EXPECT_EQ(champions.c("Text36").text(), "Old First");
}

TEST_F(TagScreen, ANightRatedZeroCostsFifteenWithoutALowerBound) {
    bookTeams();
    auto& hub = game().form("FederationHub");
    hub.c("Text7").setText("5");
    hub.c("Label3").setCaption("0");
    game().form("SponsorScreen").c("Text26").setText("0");
    game().SponsorAmount = 900;  // left over from an earlier game
    game().ShowCost = 30000;
    game().GateReceipts = 20000;
    game().ArenaCost = 2000;
    game().StipulationCost = 500;
    hub.c("Text8").setText("30000");
    tag().c("Command3").setCaption("End night");
    tag().c("Command3").setEnabled(true);
    tag().c("Command3").playerClick();
    game().collect();
    EXPECT_FALSE(game().isLoaded(TagMatchScreen::Name));
    EXPECT_EQ(hub.c("Text7").text(), "-10");
    // 30000 - 30000 - 500 + 20000 - 2000: money is not held to sixteen bits, and no sponsor is paid.
    EXPECT_EQ(hub.c("Text8").text(), " 17500");
    EXPECT_EQ(game().SponsorAmount, 0);
    auto& finance = game().form("FinanceScreen");
    EXPECT_EQ(finance.c("Label10").caption(), " 0");
    EXPECT_EQ(finance.c("Label17").caption(), " 32500");
    EXPECT_EQ(finance.c("Label19").caption(), " 500");
    EXPECT_EQ(finance.c("Label6").caption(), "-12500");
}
