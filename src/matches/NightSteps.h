// A show night in the order it runs, and every write it makes outside the match screen the player is on.
// The night's state lives in the screens' fields; the handlers of the venue, polaroid and match screens
// call these steps, and nothing else writes the night into another screen.
//
//  1. NEXT DAY on a show day opens the venue screen. A venue is booked (BookVenueIntoNight): its capacity,
//     the referee and the crowd go into the singles match screen, on which every night opens, and the
//     night's counters start again. Or the show is cancelled, which costs popularity (MovePopularity),
//     and there is no night.
//  2. The polaroid screen's Continue (ShowPolaroidInNight): the polaroid line opens the singles screen's
//     commentary, and the polaroid money waits in its hidden box for the end of the night.
//  3. Five matches, each on the screen of its type. Choosing another type on a match screen hands the
//     night's boxes to that screen (HandNightTo). After each match (RecordMatchInNight) its rating and wage
//     bill go into the night's totals; after the fifth (AllMatchesPlayed) the night rating and the show's
//     cost go onto the hub and the week's wrestler wages into the finance sheet. A title at stake changes
//     hands (ChangeTitle, or the tag screen's own), the winner's Over moves in the roster (WriteOver,
//     RaiseWinnerOver) and a singles match between feuding wrestlers steps the feud's heat (StepFeudHeat).
//  4. "End night" (SettleNight): the night moves the popularity (on the singles screen by MovePopularity)
//     and the money on the hub, the last five shows on the federation information screen and this week's
//     cells of the finance sheet; the match screens close and the hub shows again.
#pragma once

#include <cstdint>
#include <string>

#include "matches/MatchRules.h"

namespace varnholt {

class Game;
class MatchScreen;

// 1. From the venue's capacity and tonight's crowd (VenueCapacity, Attendance).
void BookVenueIntoNight(Game& game);

// 1, 4. The popularity moves from `before` to `after`, a figure outside 0..100 included: the hub's box
// shows `after` (unless the popularity did not move), the popularity takes it held within 0..100, and
// the box then shows the held figure where it differs.
void MovePopularity(Game& game, int before, int after);

// 2. `interested`: the wrestler sells polaroids, for `income` pounds.
void ShowPolaroidInNight(Game& game, const std::string& wrestler, bool interested, double income);

// 3. The night moves from one match screen to the screen of another match type.
void HandNightTo(MatchScreen& from, const MatchType& to);
// The night's totals after a match on this screen.
void RecordMatchInNight(MatchScreen& screen, int32_t wageBill);
// Whether the night's five matches have been played: then no further match is played, "Next match" opens
// the night's summary and the match button says "End night".
bool AllMatchesPlayed(const Game& game);
// A singles title at stake goes to the winner unless he already holds it.
void ChangeTitle(Game& game, const std::string& championship, const std::string& winner);
// A wrestler's new Over into his roster record; a name not in the roster is left alone.
void WriteOver(Game& game, const std::string& name, int16_t over);
// The winner of a triple-threat or four-way match gains one Over, never above the maximum.
void RaiseWinnerOver(MatchScreen& screen, const std::string& winner);
// Steps the heat of every feud between these two wrestlers.
void StepFeudHeat(Game& game, const std::string& name1, const std::string& name2, int32_t rating);

// 4. "End night" on this screen, settled as its match type says.
void SettleNight(MatchScreen& screen);

}  // namespace varnholt
