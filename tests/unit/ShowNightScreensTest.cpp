// Show nights played on the screens: the polaroid money, the crowd at a low popularity, what the
// settlement pays, and the time one whole night takes.
#include <gtest/gtest.h>

#include <chrono>
#include <iostream>

#include "GameFixture.h"
#include "forms/Numbers.h"
#include "matches/MatchBoxes.h"
#include "matches/MatchTypes.h"

using namespace varnholt;
using varnholt::testing::GameFixture;

namespace {

class ShowNight : public GameFixture {
protected:
    // From a new game's hub to the polaroid screen of a booked show.
    void bookVenue(int venue = 7) {
        startPreset("Command2");
        ctl("Form4", "List1").setText("Normal mode");
        click("Form4", "Command1");
        game().form("Form14").c("Command1", venue).playerClick();
        game().collect();
    }
    void playMatch(const char* first = "Dougie Rackham", const char* second = "Connor Vale") {
        auto& s = game().form("Form10");
        s.c("List1").setText("Singles");
        s.c("List2").setText("Normal");
        s.c("List3").setText("None");
        s.c("lstData").setText(first);
        s.c("lstData").setText(second);
        s.c("Command1").playerClick();
        s.c("Command3").playerClick();
        s.c("Command5").playerClick();
        game().collect();
    }
    void playNight() {
        for (int i = 0; i < 5; ++i) playMatch();
        click("Form10", "Command3");
    }
};

}  // namespace

TEST_F(ShowNight, PolaroidBoxesAreDisplayOnlyAndTheIncomeFollowsTheCrowd) {
    bookVenue();
    EXPECT_TRUE(ctl("Form23", "Text1").locked());
    EXPECT_TRUE(ctl("Form23", "txtwpol").locked());
    ctl("Form23", "lstData").playerSelect(9);  // Johnny Crask, 20 per cent
    EXPECT_EQ(ctl("Form23", "txtwpol").text(), "20");
    ctl("Form23", "lstData").playerSelect(0);  // Dougie Rackham, nobody wants his photograph
    click("Form23", "Command3");
    EXPECT_EQ(ctl("Form10", "Text4").text(),
              "Dougie Rackham is in the ring for photos with the crowd, but no one is interested.");
    EXPECT_EQ(ctl("Form10", "Text20").text(), "0");
}

TEST_F(ShowNight, PolaroidSalesAddUpOverTwoNightsOfAWeek) {
    bookVenue();
    ctl("Form23", "lstData").setText("Tamsin Orrell");  // 27 per cent of 500
    click("Form23", "Command3");
    playNight();
    auto polaroid = [&] { return ctl("Form16", "Label12").caption(); };
    EXPECT_EQ(polaroid(), " 675");
    ctl("Form4", "Text4").setText("Wednesday");
    click("Form4", "Command1");
    game().form("Form14").c("Command1", 0).playerClick();  // 50 seats
    game().collect();
    ctl("Form23", "lstData").setText("Tamsin Orrell");
    click("Form23", "Command3");
    EXPECT_EQ(ctl("Form10", "Text20").text(), " 67.5");
    playNight();
    EXPECT_EQ(game().PolaroidIncome, 68);  // 67.5 rounds to the even pound
    EXPECT_EQ(polaroid(), " 743");
}

TEST_F(ShowNight, ACrowdIsNeverNegative) {
    startPreset("Command2");
    game().Popularity = -20;
    ctl("Form4", "List1").setText("Normal mode");
    click("Form4", "Command1");
    game().form("Form14").c("Command1", 3).playerClick();
    EXPECT_EQ(game().Attendance, 0);
    EXPECT_EQ(game().GateReceipts, 0);
    EXPECT_EQ(ctl("Form10", "Text17").text(), "0");
}

TEST_F(ShowNight, TheNightPaysOnlyTheSponsorAndDealItHas) {
    bookVenue();
    click("Form23", "Command3");
    // Figures left over from an earlier game: no sponsor is signed and no TV deal is held now.
    game().SponsorAmount = 900;
    game().TvIncome = 500;
    game().TvDealLevel = 0;
    playNight();
    EXPECT_EQ(game().SponsorAmount, 0);
    EXPECT_EQ(game().TvIncome, 0);
    EXPECT_EQ(ctl("Form16", "Label10").caption(), " 0");
    EXPECT_EQ(ctl("Form16", "Label67").caption(), " 0");
    // 7500 - 5 x 215 wages + 2500 gate - 1000 arena.
    EXPECT_EQ(ctl("Form4", "Text8").text(), " 7925");
}

TEST_F(ShowNight, HiringCostsAreChargedOnceAtTheEndAndABritishOpenerCostsNothing) {
    startPreset("Command2");
    game().StipulationCost = 500;  // what an earlier night's cage match left
    ctl("Form4", "List1").setText("Normal mode");
    click("Form4", "Command1");
    game().form("Form14").c("Command1", 7).playerClick();
    click("Form23", "Command3");
    auto& s = game().form("Form10");
    s.c("List1").setText("Singles");
    s.c("List2").setText("British");
    s.c("List3").setText("None");
    s.c("lstData").setText("Dougie Rackham");
    s.c("lstData").setText("Connor Vale");
    s.c("Command1").playerClick();
    EXPECT_EQ(game().StipulationCost, 0);
    s.c("Command3").playerClick();
    s.c("Command5").playerClick();
    EXPECT_EQ(ctl("Form16", "Label19").caption(), "0");
    for (int i = 0; i < 4; ++i) playMatch();
    click("Form10", "Command3");
    EXPECT_EQ(ctl("Form16", "Label19").caption(), " 0");
}

TEST_F(ShowNight, ANightRatedAtThePopularityLeavesThePopularityTextAsItWas) {
    bookVenue();
    click("Form23", "Command3");
    for (int i = 0; i < 5; ++i) playMatch();
    const std::string rating = ctl("Form4", "Label3").caption();
    ctl("Form4", "Text7").setText(rating);  // a popularity written without the sign blank, as a clamp leaves it
    click("Form10", "Command3");
    EXPECT_EQ(ctl("Form4", "Text7").text(), rating);
    EXPECT_EQ(game().Popularity, std::stoi(rating));
    EXPECT_EQ(ctl("Form13", "Text5").text(), rating);
}

// The popularity after a night at each of its rule's six edges (a night rated twice, one and a half times and
// once the popularity, and the popularity twice, one and a half times and once the rating) and just past
// each, for a night ending on each match screen: every screen settles it in a way of its own.
TEST_F(ShowNight, PopularityMovesAtEachEdgeOfItsRuleWhereverTheNightEnds) {
    using Hub = screens::FederationHub;
    struct Edge {
        int popularity, rating, moved;
    };
    const Edge edges[] = {
        {40, 80, +2},  {40, 81, +5},   // twice the popularity
        {40, 60, +1},  {40, 61, +2},   // one and a half times the popularity
        {40, 40, 0},   {40, 41, +1},   // the popularity
        {40, 20, -3},  {41, 20, -10},  // the popularity twice the rating
        {30, 20, -1},  {31, 20, -3},   // the popularity one and a half times the rating
        {40, 39, -1},                  // the popularity just above the rating
    };
    startPreset("Command2");
    auto& hub = game().form<Hub>();
    for (const auto& type : MatchTypes)
        for (const Edge& edge : edges) {
            hub.c(Hub::PopularityText).setText(forms::CStr(edge.popularity));
            hub.c(Hub::LastNightRating).setCaption(forms::CStr(edge.rating));
            auto& endNight = game().form(type.screen).c(MatchBoxes::MatchButton);
            endNight.setCaption(MatchBoxes::EndNight);
            endNight.setEnabled(true);
            endNight.playerClick();
            game().collect();
            ASSERT_FALSE(game().isLoaded(type.screen)) << type.item << ": the night did not end";
            EXPECT_EQ(forms::CInt(hub.c(Hub::PopularityText).text()), edge.popularity + edge.moved)
                << type.item << ", popularity " << edge.popularity << ", night rated " << edge.rating;
        }
}

TEST_F(ShowNight, MoneyBeyondSixteenBits) {
    bookVenue(12);
    click("Form23", "Command3");
    ctl("Form4", "Text8").setText("40000");
    playNight();
    EXPECT_EQ(game().Money, 40000);
    EXPECT_EQ(game().Attendance, 523);
    // 40000 - 1075 wages + 2615 gate - 2000 arena.
    EXPECT_EQ(ctl("Form4", "Text8").text(), " 39540");
    EXPECT_EQ(ctl("Form16", "Label28").caption(), " 39540");
}

TEST_F(ShowNight, TimeOfOneHeadlessNight) {
    bookVenue();
    click("Form23", "Command3");
    auto start = std::chrono::steady_clock::now();
    playNight();
    auto took = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    std::cout << "[ benchmark ] five singles matches and End night: " << took << " ms\n";
    EXPECT_TRUE(game().isShown("FederationHub"));
    EXPECT_EQ(game().MatchCounter, "6");
}
