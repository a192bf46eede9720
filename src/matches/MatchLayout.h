// The geometry of the match screens: where the controls every match screen shares stand, and the pieces
// (the booking column, the competitors' names, the "VS" labels) that each screen's table is put
// together from. The rules of a match do not depend on it.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "game/Screen.h"
#include "matches/MatchBoxes.h"
#include "matches/MatchTypes.h"

namespace varnholt {

// A booking step that is shut until the one before it is done, and a box the player cannot type into
// that is shut with it.
inline constexpr unsigned Off = forms::Disabled;
inline constexpr unsigned ReadOnlyOff = ReadOnly | Off;
// A booking list: shut until its step, and its pick moves the night on for good, so the keyboard's moves
// only move a cursor over it until the player picks.
inline constexpr unsigned BookingListOff = Off | forms::PickOnPress;

// The triple-threat and four-way screens' own colours: white on red in their boxes and lists, white on black
// in their labels. The red is deep enough for white to read on it.
inline constexpr forms::ScreenColours WhiteOnRed{0xFFFFFF, 0xA00000, 0xFFFFFF, 0x000000};

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
// A box kept out of sight below the booking column, at the given place in its row of hidden boxes (the
// slots' stats take the first places).
ControlDef HiddenBox(std::string name, int place, std::string text = {});

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
// match-type step at the top of the booking column, "Match" below the roster list, the night summary
// across the bottom left, the bar between the halves, and in the right half the referee at the top,
// then the results and "Next match" at the bottom; "N" in the top left corner. The booking steps below
// the match type (a BookingColumn) and the competitors' names between the referee and the results
// (NameRowTop(0..nameRows-1)) are each screen's own.
FormDef MatchScreenDef(const char* name, const char* role, const MatchType& type);
// Puts a match screen's controls in the order a player reads them, which is the order Tab takes: the
// left half (N, the booking steps, the roster, Match, the night summary) from the top, then the right.
void ReadingOrder(std::vector<ControlDef>& controls);

}  // namespace varnholt
