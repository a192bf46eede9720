// The record files of wrestlers: the free agents (WrestlerFile) and the player's roster (RosterFile).
// Every read or write of a wrestler goes through the game's one CurrentWrestler buffer; each procedure
// opens the file it needs and closes it before it returns.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace forms {
class Control;
}

namespace varnholt {

class Game;

// The count rule: a file's length over 158 as a real number, rounded to the nearest (a half to even).
int32_t CountRule(std::uintmax_t fileLength);

// The Id a record written at a position carries: the position, while the 16-bit Id can hold it; 0, the
// Id of a record without a number, past the 32,767th record.
int16_t IdForPosition(long position);

// WrestlerFilePath and RosterFilePath, as every screen that lists or reads wrestlers builds them.
void BuildFilePaths(Game& game);
// WrestlerCount and RosterCount from the file lengths.
void CountRecordFiles(Game& game);

// Clears the list and appends the name of each record 1..RosterCount (WrestlerCount), in record order.
void RosterIntoList(Game& game, forms::Control& list);
void WrestlersIntoList(Game& game, forms::Control& list);

// Finds the first record whose name (without trailing blanks) equals `name` exactly. Sets
// CurrentRecordNumber and CurrentWrestler; an absent name gives the number after the last whole record
// and a cleared CurrentWrestler.
void FindRosterRecord(Game& game, std::string_view name);
void FindWrestlerRecord(Game& game, std::string_view name);

// Reads record n of a file into CurrentWrestler (a cleared record when there is no whole record n).
bool ReadRecordInto(Game& game, const std::string& filePath, long n);
// Writes CurrentWrestler as record n of a file; false when the file system refused.
bool WriteRecordFrom(Game& game, const std::string& filePath, long n);
// Appends CurrentWrestler, numbered for its place, after the last whole record of the file as it is now,
// whatever a count read earlier says; gives its record number, or 0 when the file system refused.
long AppendRecordFrom(Game& game, const std::string& filePath);

// Copies a record file (a master into the game, the game into a slot or back into the master) as whole
// records only: a torn last record is left behind, so the game never makes a torn file of a whole one's
// place and a saved game can always be loaded again. The copy replaces its destination in one rename, once
// it is complete and on the disk.
bool CopyRecordFile(const std::filesystem::path& from, const std::filesystem::path& to);
// The same copy of whole records, made under a temporary name and left there, flushed, for a caller that
// replaces several files at once.
bool StageRecordCopy(const std::filesystem::path& from, const std::filesystem::path& staged);

}  // namespace varnholt
