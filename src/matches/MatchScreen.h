// The match screen that the singles, tag-team, triple-threat and four-way screens share: its controls and
// layout, the booking steps, the load, the checks before a match, the wage bill, the title-match test,
// the rating, "Next match" and "End night". What tells the four apart is their MatchType; each screen
// adds its own picking of wrestlers, its winner buttons, its commentary and its results.
#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "game/Screen.h"
#include "matches/MatchRules.h"

namespace varnholt {

// A booking step that is shut until the one before it is done, and a box the player cannot type into
// that is shut with it.
inline constexpr unsigned Off = forms::Disabled;
inline constexpr unsigned ReadOnlyOff = ReadOnly | Off;

// The night's boxes on every match screen (the NightState, which travels with the night from screen to
// screen), and the result boxes the night's steps write.
namespace nightboxes {
inline constexpr const char* MatchType = "List1";
inline constexpr const char* Stipulation = "List2";
inline constexpr const char* Championship = "List3";
inline constexpr const char* Commentary = "Text4";
inline constexpr const char* RatingTotal = "Text3";
inline constexpr std::array<const char*, 5> MatchRatings = {"Text9", "Text10", "Text11", "Text12", "Text13"};
inline constexpr const char* NightRating = "Text14";
inline constexpr const char* ShowCost = "Text16";
inline constexpr const char* Attendance = "Text17";
inline constexpr const char* Referee = "Text18";
inline constexpr const char* Capacity = "Text19";
inline constexpr const char* PolaroidMoney = "Text20";  // the singles screen's: the night's polaroid money
inline constexpr const char* Rating = "Text8";
inline constexpr const char* RatingWordBox = "Text7";
inline constexpr const char* Winner = "Text15";
inline constexpr const char* MatchButton = "Command3";  // "Match", after the fifth match "End night"
}  // namespace nightboxes

// --- the layout ---------------------------------------------------------------------------------------

// The match screens' geometry, in twips.
inline constexpr int MatchScreenWidth = 14700, MatchScreenHeight = 10380;
inline constexpr int BookingLeft = 240, BookingWidth = 7200;
inline constexpr int ResultLeft = 7800, ResultWidth = 6660;
inline constexpr int NameRowTop(int row) { return 555 + row * 405; }
// The competitors' names in the right half: two stand side by side in a row with a "VS" between them
// (or a name stands centred over the row below).
inline constexpr int VersusWidth = 600, CompetitorWidth = (ResultWidth - VersusWidth) / 2;
inline constexpr int LeftName = ResultLeft, RightName = ResultLeft + CompetitorWidth + VersusWidth,
                     CentreName = ResultLeft + (ResultWidth - CompetitorWidth) / 2;
ControlDef CompetitorName(const char* box, int left, int row);
// A "VS" label centred at `centre` in a row of names; index is its place in the Label12 array (-1: none).
ControlDef Versus(int centre, int row, int index = -1);

// Stacks a match screen's booking steps down the left half, from below the match type; the roster list
// takes the room that is left above "Match".
class BookingColumn {
public:
    BookingColumn(std::vector<ControlDef>& controls, const MatchType& type);
    // The stipulation and championship steps, with the type's lists.
    void stipulationAndChampionship();
    // A step's prompt across the column.
    void prompt(std::string name, std::string caption);
    // Name boxes side by side across the column (one box takes the whole width).
    void names(std::initializer_list<const char*> boxes);
    // A prompt with its name box beside it, the prompt as wide as given.
    void promptedName(std::string label, std::string caption, const char* box, int promptWidth = 2700);
    // The winner's prompt and buttons side by side ("R" too where the winner may be drawn), the roster list
    // down to "Match", and the slots' stats, kept out of sight.
    void winnersAndRoster();

private:
    void list(std::string name, std::vector<std::string> items);
    void add(ControlDef def) { c_.push_back(std::move(def)); }
    std::vector<ControlDef>& c_;
    const MatchType& type_;
    int y_;
};

// A match screen's design: its window and the controls every match screen has at the same places: the
// match-type step (Label1, List1) at the top of the booking column, "Match" (Command3) below the roster
// list, the night summary across the bottom left (Text3, Text9..Text14, Text16, Text17, Text19 with
// Label5, Label6, Label7, Label9, Label11 and the hidden Label10), the bar (Shape1) between the halves,
// and in the right half the referee (Label13, Text18) at the top, then the results (Text1, Text2, Text4,
// Text7, Text8, Text15 with Label2, Label3, Label4, Label8) and "Next match" at the bottom; "N" (Command6)
// in the top left corner. The booking steps below the match type (a BookingColumn) and the competitors'
// names between the referee and the results (NameRowTop(0..nameRows-1)) are each screen's own.
FormDef MatchScreenDef(const char* name, const char* role, const MatchType& type);
// Puts a match screen's controls in the order a player reads them, which is the order Tab takes: the
// left half (N, the booking steps, the roster, Match, the night summary) from the top, then the right.
void ReadingOrder(std::vector<ControlDef>& controls);

// --- the screen ---------------------------------------------------------------------------------------

class MatchScreen : public Screen {
public:
    const MatchType& type() const { return type_; }
    int32_t matchRatingValue() const { return MatchRatingValue; }  // uncapped, the last match rated here
    int32_t weekWagesAtLoad() const { return WeekWagesAtLoad; }
    int slotSelector() const { return SlotSelector; }

protected:
    MatchScreen(Game& game, const FormDef& def, const MatchType& type);

    // The load: the picture, the match-type step open, picking from slot 1, the roster list; the referee's
    // skill and the week's wages where the type reads them here.
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
    // its word. Returns the match's wage bill.
    int32_t RateBookedMatch(const std::vector<SlotStats>& slots);
    bool TitleMatch();
    // The winner's box and the night's totals after a match.
    void RecordResult(const std::string& winner, int32_t wageBill);

    // "Next match": after matches 1 to 4 the booking opens at the match type again; after the fifth the
    // night summary and "End night" open.
    void NextMatch();

    std::array<SlotStats, 4> Slot{};
    int SlotSelector = 1;      // the slot the next roster click fills
    int16_t WinnerChosen = 0;  // 1 once a winner is accepted, until the match is played
    int32_t MatchRatingValue = 0;
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
