// What every match screen of a show night shares: the match-type step, the result column, the night's
// summary boxes (which travel with the night from screen to screen), and the steps of a match that
// do not depend on how many wrestlers are in the ring: the rating and its word, the commentary, the
// night's totals, the title change, the feud heat, and the settlement at the end of the night.
#pragma once

#include <array>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "game/Screen.h"
#include "shownight/NightRules.h"

namespace varnholt {

// The names of the match screens, in the order the end of a night closes them.
inline constexpr std::array<const char*, 4> MatchScreenNames = {"Form10", "Form17", "Form19", "Form20"};

// The match-type list's items, the same on every match screen.
extern const std::vector<std::string> MatchTypeItems;

// The screen of each match type, by the match-type list's item ("" for another text).
std::string MatchScreenFor(std::string_view type);

// What tells the four match screens apart in their shared controls.
struct MatchScreenShape {
    const char* nextButton;     // the "Next match" button
    const char* winnerCaption;  // Label8
    int nameRows;               // rows of the competitors' names at the top of the result column
    bool signedRating;          // the rating box shows a blank before the number
    bool signedNightRating;     // the night rating box likewise
};
extern const MatchScreenShape SinglesShape, TagShape, TripleThreatShape, FourWayShape;

// The controls every match screen has, at the same places: the match-type step (Label1, List1) at the
// top of the booking column, "Match" (Command3) below the roster list, the night summary across the
// bottom left (Text3, Text9..Text14, Text16, Text17, Text19 with Label5, Label6, Label7, Label9, Label11
// and the hidden Label10), the bar (Shape1) between the halves, and in the right half the referee
// (Label13, Text18) at the top, then the results (Text1, Text2, Text4, Text7, Text8, Text15 with Label2,
// Label3, Label4, Label8) and "Next match" at the bottom; "N" (Command6) in the top left corner.
// The booking steps below the match type (a BookingColumn) and the competitors' names between the
// referee and the results (NameRowTop(0..nameRows-1)) are each screen's own.
std::vector<ControlDef> SharedMatchControls(const MatchScreenShape& shape = SinglesShape);

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

// Puts a match screen's controls in the order a player reads them, which is the order Tab takes: the
// left half (N, the booking steps, the roster, Match, the night summary) from the top, then the right.
void ReadingOrder(std::vector<ControlDef>& controls);
// A "VS" label centred at `centre` in a row of names; index is its place in the Label12 array (-1: none).
ControlDef Versus(int centre, int row, int index = -1);

// Stacks a match screen's booking steps down the left half, from below the match type; the roster list
// takes the room that is left above "Match".
class BookingColumn {
public:
    explicit BookingColumn(std::vector<ControlDef>& controls);
    // A step's prompt across the column.
    void prompt(std::string name, std::string caption);
    // A list tall enough to show all its items.
    void list(std::string name, std::vector<std::string> items);
    // Name boxes side by side across the column (one box takes the whole width).
    void names(std::initializer_list<const char*> boxes);
    // A prompt with its name box beside it, the prompt as wide as given.
    void promptedName(std::string label, std::string caption, const char* box, int promptWidth = 2700);
    // The winner buttons side by side (their names, captions and tool tips as given).
    void buttons(std::vector<ControlDef> row);
    // The roster list, down to "Match".
    void roster();

private:
    void add(ControlDef def) { c_.push_back(std::move(def)); }
    std::vector<ControlDef>& c_;
    int y_;
};

class MatchScreen : public Screen {
public:
    const MatchTypeRules& rules() const { return rules_; }
    int32_t matchRatingValue() const { return MatchRatingValue; }

protected:
    MatchScreen(Game& game, const FormDef& def, const MatchTypeRules& rules,
                const MatchScreenShape& shape = SinglesShape);

    // The start of every press of "Match" / "End night": the button closes and the result column opens,
    // with the given boxes and labels of the competitors' names.
    void MatchPreamble(std::initializer_list<const char*> names = {});
    bool EndNightShown() { return c("Command3").caption() == "End night"; }

    // The match-type list: the screen's own type opens the stipulation step; another type hands the
    // night over to its screen. withCaptions: the result and summary captions travel as well.
    void ChooseMatchType(bool withCaptions);
    void OpenStipulationStep();
    void HandNightTo(const std::string& target, bool withCaptions);

    // The stats of the wrestler a roster click picks, into his slot and the slot's hidden boxes.
    SlotStats PickIntoSlot(const char* nameBox, int slotNumber);

    // Rates the match (one draw, two for a tie that the match type rates twice), keeps the uncapped
    // rating and shows it with its word.
    void RateMatch(const CategoryScores& scores, bool titleMatch, int16_t refereeSkill);

    // "Next match" on the tag, triple-threat and four-way screens: after matches 1 to 4 the booking
    // opens at the match type again; after the fifth the night summary and "End night" open.
    struct NextMatchBoxes {
        std::vector<std::string> nameBoxes;  // the booking's name boxes
        std::vector<std::string> shown;      // the competitors' names and "VS" labels above the results
        bool refereeLeaves;                  // the referee's box empties after matches 1 to 4 as well
        bool firstNamesStay;                 // the first two name boxes keep the last match at the end
    };
    void NextMatch(const NextMatchBoxes& boxes);

    // The night's counters after a match: the match's rating box, the rating total and the cost of the
    // show; after the fifth match the night rating, the last night's figures on the hub and the week's
    // wrestler wages.
    void RecordNightTotals(int32_t wageBill);

    // A singles title at stake goes to the winner unless he already holds it.
    void ChangeTitle(const std::string& championship, const std::string& winner);

    // Writes a wrestler's new Over into his roster record; a name not in the roster is left alone.
    void WriteOver(const std::string& name, int16_t over);

    // The winner of a triple-threat or four-way match gains one Over, never above the maximum.
    void RaiseWinnerOver(const std::string& winner, const std::vector<std::pair<const char*, const char*>>& slots);

    // Steps the heat of every feud between these two wrestlers.
    void StepFeudHeat(const std::string& name1, const std::string& name2, int32_t rating);

    // The settlement behind "End night" on the singles screen: popularity, money, the last five shows
    // and the week's finances; closes the match screens and returns to the hub.
    void EndOfNight(int32_t polaroidIncome);

    // The settlement of the tag, triple-threat and four-way screens: a night rated 0 costs popularity,
    // the popularity is not held within 0..100, no TV or polaroid money is paid and the night's figures
    // replace the week's instead of adding to them. popularityCopyTakesNight: the 16-bit copy of the
    // popularity takes the night's result at once (otherwise it keeps the value from before the night).
    void EndOfNightReplacingWeek(bool popularityCopyTakesNight);

    int32_t MatchRatingValue = 0;   // uncapped, the last match rated on this screen
    int32_t WeekWagesAtLoad = 0;    // the week's wrestler wages when the screen loaded

private:
    const MatchTypeRules& rules_;
    const MatchScreenShape& shape_;
};

// The figures a night pays come from the boxes that show them: the signed sponsor's amount and the
// staff's wages (and the MC's skill for the night rating).
void RefreshPaidFigures(Game& game);

// The night's money as every settlement pays it: the running figures of the night and the paid figures
// refreshed from their boxes. TV and polaroid money are the singles settlement's own.
NightMoney PaidNightMoney(Game& game);

// The four wrestlers' name boxes and winner buttons of the match screens that book more than two.
inline constexpr std::array<const char*, 4> NameBoxes = {"Text5", "Text6", "Text21", "Text22"};
inline constexpr std::array<const char*, 4> WinnerButtons = {"Command1", "Command2", "Command5", "Command7"};
// A booking step that is shut until the one before it is done, and a box the player cannot type into
// that is shut with it.
inline constexpr unsigned Off = forms::Disabled;
inline constexpr unsigned ReadOnlyOff = forms::Locked | forms::Disabled;

}  // namespace varnholt
