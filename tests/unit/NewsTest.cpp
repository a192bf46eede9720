// The news page's rules: who leads and who struggles, the four stories, and the words of the featured
// wrestler's sentence.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "management/News.h"

using namespace varnholt;

namespace {

// The popularities as a new game seeds them (slot 7 belongs to nobody).
std::array<int16_t, 12> seeded() { return {70, 65, 60, 50, 45, 40, 0, 35, 25, 30, 20, 30}; }

TEST(NewsLeaderAndStruggler, StrictFirstAndLastPlaceOnly) {
    auto pop = seeded();
    EXPECT_EQ(LeadingFederation(pop), "Frontier Wrestling Alliance");
    EXPECT_EQ(StrugglingFederation(pop), "Midlands Pro Wrestling");

    pop[11] = 71;  // Tri County one point above all others
    EXPECT_EQ(LeadingFederation(pop), "Tri County Association of Pro Wrestling");

    pop[1] = 71;  // a tie at the top names nobody
    EXPECT_EQ(LeadingFederation(pop), "");
    pop[4] = 20;  // and a tie at the bottom too
    EXPECT_EQ(StrugglingFederation(pop), "");

    // Slot 7 is no federation of the page, however low or high it stands.
    pop = seeded();
    pop[6] = -500;
    EXPECT_EQ(StrugglingFederation(pop), "Midlands Pro Wrestling");
    pop[6] = 500;
    EXPECT_EQ(LeadingFederation(pop), "Frontier Wrestling Alliance");

    // Comparisons are on signed numbers.
    pop[10] = -3;
    EXPECT_EQ(StrugglingFederation(pop), "Midlands Pro Wrestling");
}

TEST(NewsTopStory, StoriesOneAndTwoAreAboutTheLeaderThreeAndFourAboutTheStruggler) {
    for (int story : {1, 2}) EXPECT_EQ(TopStoryText(story, "Lead", "Last").heading, "Lead");
    for (int story : {3, 4}) EXPECT_EQ(TopStoryText(story, "Lead", "Last").heading, "Last");
    // With nobody leading, the story begins with the blank after the missing name.
    EXPECT_EQ(TopStoryText(1, "", "Last").story.substr(0, 12), " is leading ");
    EXPECT_EQ(TopStoryText(3, "L", "S").story,
              "It seems that wrestling is in a slight slump at the moment in Britain and S seems to be one of the worst "
              "affected. Attendances are down and so too are card ratings. We wish S the best of luck and hope they "
              "can turn their fortunes around.");
}

TEST(NewsFeaturedWrestler, WordsFollowTheBandsOfBestStatAndOver) {
    EXPECT_EQ(QualityWord(20), "excellent");
    EXPECT_EQ(QualityWord(19), "good");
    EXPECT_EQ(QualityWord(15), "good");
    EXPECT_EQ(QualityWord(14), "average");
    EXPECT_EQ(QualityWord(10), "average");
    EXPECT_EQ(QualityWord(9), "poor");
    EXPECT_EQ(QualityWord(-4), "poor");
    EXPECT_EQ(QualityWord(21), "");
    EXPECT_EQ(CrowdWord(20), "extremely");
    EXPECT_EQ(CrowdWord(15), "very");
    EXPECT_EQ(CrowdWord(10), "relatively");
    EXPECT_EQ(CrowdWord(9), "not very");
    EXPECT_EQ(CrowdWord(21), "");
}

TEST(NewsFeaturedWrestler, SentenceTakesTheBestOfThreeStatsAndTrimsTheTexts) {
    WrestlerRecord w = WrestlerRecord::cleared();
    w.Name = fitText("Ivy Strand", NameWidth);
    w.BirthPlace = fitText("Ely", BirthPlaceWidth);
    w.Alignment = "Face";
    w.Brawling = 12;
    w.Technical = 19;
    w.Speed = 5;
    w.Over = 15;
    EXPECT_EQ(FeaturedWrestlerText(w),
              "Today's featured wrestler is Ivy Strand hailing from Ely . Currently working as a Face, Ivy Strand is a "
              "good wrestler who is very over with the crowd.");
    w.Brawling = 20;
    w.Over = 25;  // Over is no part of the best stat
    EXPECT_EQ(FeaturedWrestlerText(w),
              "Today's featured wrestler is Ivy Strand hailing from Ely . Currently working as a Face, Ivy Strand is a "
              "excellent wrestler who is  over with the crowd.");
}

TEST(NewsRivalFacts, ElevenFederationsWithTheirOwners) {
    ASSERT_EQ(RivalFactsTable.size(), 11u);
    for (const auto& rival : RivalFactsTable) {
        EXPECT_NE(rival.slot, 7);
        EXPECT_FALSE(RivalOwner(rival).empty()) << rival.fullName;
    }
}

}  // namespace
