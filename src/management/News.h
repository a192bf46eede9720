// The news page: an internet page about the British wrestling scene with a top story about the leading or
// the struggling federation, a featured free agent, and the facts of the eleven rival federations.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "game/Screen.h"
#include "wrestlers/WrestlerRecord.h"

namespace varnholt {

// One rival federation as the page shows it.
struct RivalFacts {
    int slot;  // its place among the rivals' popularities, 1..12
    const char* fullName;
    const char* initials;
    const char* based;
    const char* startingPopularity;
};

// The eleven rivals, in the order the page looks a picked name up.
extern const std::array<RivalFacts, 11> RivalFactsTable;

// The rival's owner, as the federation information of a game with that federation shows him.
std::string RivalOwner(const RivalFacts& rival);

// The full name of the rival whose popularity is strictly above (below) that of each of the ten others;
// empty when none is.
std::string LeadingFederation(const std::array<int16_t, 12>& rivalPopularity);
std::string StrugglingFederation(const std::array<int16_t, 12>& rivalPopularity);

struct TopStory {
    std::string story;    // the story's text
    std::string heading;  // the federation it is about
};
// Stories 1 and 2 are about the leader, 3 and 4 about the struggler.
TopStory TopStoryText(int story, const std::string& leading, const std::string& struggling);

// The word for a wrestler's best stat and the one for his standing with the crowd (empty above 20).
std::string QualityWord(int16_t bestStat);
std::string CrowdWord(int16_t over);
// "Today's featured wrestler is ..." about a free agent.
std::string FeaturedWrestlerText(const WrestlerRecord& wrestler);

class NewsScreen : public Screen, public screens::NewsScreen {
public:
    explicit NewsScreen(Game& game);

    void Form25_Form_Load();
    void Form25_lstFeds_Click();
    void Form25_Command1_Click();  // Disconnect
    void Form25_Command6_Click();  // N

private:
    void LoadNewsPage();
    void ShowRivalFacts();
};

}  // namespace varnholt
