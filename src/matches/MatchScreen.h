// The match screen that the singles, tag-team, triple-threat and four-way screens share: the booking
// steps, the load, the checks before a match, the wage bill, the title-match test, the rating, "Next
// match" and "End night". What tells the four apart is their MatchType; each screen adds its own
// picking of wrestlers, its winner buttons, its commentary and its results. Where the controls stand is
// MatchLayout.h.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "game/Screen.h"
#include "matches/MatchBoxes.h"
#include "matches/MatchRules.h"

namespace varnholt {

class MatchScreen : public Screen, public MatchBoxes {
public:
    const MatchType& type() const { return type_; }
    int32_t matchRatingValue() const { return MatchRatingValue; }  // uncapped, the last match rated here
    int32_t weekWagesAtLoad() const { return WeekWagesAtLoad; }
    int slotSelector() const { return SlotSelector; }

protected:
    // The screen plays the match type whose row names it.
    MatchScreen(Game& game, const FormDef& def);

    // The load: the referee's skill and the week's wages where the type reads them here, the picture,
    // the match-type step open, picking from slot 1, the roster list.
    void LoadScreen();

    // The booking steps. The match-type list (List1): the screen's own type opens the stipulation step,
    // another type hands the night over to its screen.
    void ChooseMatchType();
    void ChooseStipulation();    // List2
    void ChooseChampionship();   // List3: the roster and the name boxes open
    // A roster click fills the next slot in slot order; after the last the winner buttons open.
    void PickWrestler();
    // The roster and the name boxes shut; the winner buttons open.
    void OpenWinnerChoice();
    // The stats of the wrestler the roster list shows picked, into a slot and the slot's hidden boxes.
    SlotStats PickIntoSlot(const char* nameBox, int slotNumber);
    // An accepted winner: the winner buttons shut and "Match" opens.
    void AcceptWinner();

    // "Match" / "End night": the result column opens; "End night" settles the night; a complete booking
    // plays the match (the screen's own playMatch) and records it (recordResult).
    void PressMatch();
    // The booking's names over the results, with the match type and the stipulation.
    void ShowBooking();
    // Scores and rates the booked match from the slots' stats and the stipulation; shows the rating and
    // its word, and keeps the match's wage bill in MatchCost.
    void RateBookedMatch(const std::vector<SlotStats>& slots);
    bool TitleMatch();
    // The winner's box and the night's totals after a match.
    void RecordResult(const std::string& winner);

    // "Next match": after matches 1 to 4 the booking opens at the match type again; after the fifth the
    // night summary and "End night" open.
    void NextMatch();

    std::array<SlotStats, 4> Slot{};
    int SlotSelector = 1;      // the slot the next roster click fills
    int16_t WinnerChosen = 0;  // 1 once a winner is accepted, until the match is played
    int32_t MatchRatingValue = 0;
    int32_t MatchCost = 0;  // the wage bill of the match just played
    int32_t WeekWagesAtLoad = 0;
    int16_t RefereeSkillAtLoad = 0;

private:
    virtual void playMatch() = 0;
    virtual void recordResult() = 0;
    bool bookingComplete();
    void rate(const CategoryScores& scores);

    const MatchType& type_;
};

}  // namespace varnholt
