// Moving a wrestler between the free agents and the roster, removing one from the free agents, and
// showing the free agent at a scroll position. A file loses a record by being rewritten without it
// through the scratch file wrestler.tmp, which then takes the old file's place in one rename.
#pragma once

#include "wrestlers/WrestlerRecord.h"

namespace forms {
class Control;
class Form;
}  // namespace forms

namespace varnholt {

class Game;

// Each of the three takes a list whose selected entry is a name listed from the source file, and uses
// WrestlerFilePath and RosterFilePath as the calling screen built them. On success the record has moved
// (or gone), the counts are those of the files, the list has lost its selected entry and the result is
// true. A name that is not in the file changes nothing and gives false; so does a file that cannot be
// rewritten, after telling the player, with both files left as they were.

// While the wrestler editor is open, the free agents' file is the one it edits: nobody is hired or fired
// then, and the player is told so (false).
// Moves the picked free agent to the end of the roster; he keeps his Id, the free agents are renumbered.
bool HireWrestler(Game& game, forms::Control& list);
// Moves the picked roster wrestler to the end of the free agents; the roster is renumbered.
bool FireWrestler(Game& game, forms::Control& list);
// Deletes the picked wrestler from the free agents, which are renumbered.
bool RemoveWrestler(Game& game, forms::Control& list);

// The wrestler card shared by the scouting, roster and editor screens: the ten boxes filled from a record
// (numbers in plain decimal, the name trimmed, the other texts as stored), or the nine boxes other than
// the alignment cleared.
void ShowWrestlerOnCard(forms::Form& form, const WrestlerRecord& wrestler);
void ClearCardBoxes(forms::Form& form);

// Shows free agent number (the bar's value) on the form's card (screens::WrestlerCard), clears the card
// past the last one, and writes the position label lblID as " value/ max".
void ShowWrestlerAtPosition(Game& game, forms::Form& form, forms::Control& bar);

}  // namespace varnholt
