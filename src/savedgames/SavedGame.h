// The saved game: a text file of 155 lines, one value a line, each line ended by CR LF. Lines 1 to 141
// are the texts of the fields that hold the game (hub, notes, champions, staff, federation information,
// sponsor, finance sheet), lines 142 to 155 the popularity, the money and the twelve rivals. The wrestlers
// are not in it: a game slot keeps copies of the two record files beside it.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace varnholt {

class Game;

inline constexpr int SavedGameLineCount = 155;
inline constexpr int SavedGameTextLines = 141;  // lines 1..141 are field texts

// How the game reads a field's text back as a number once it is loaded, if it ever does.
enum class SavedReading {
    Text,         // never read as a number
    Number16,     // by CInt: the popularity, the staff's and the sponsor's figures
    Number32,     // by CLng: the money, the year, the cells of the finance sheet
    IntegerLine,  // as an integer line is read (an empty text gives 0): the TV-deal streak's store
};

// The screen (by role) and control whose text line k holds, at [k - 1], and how it is read back.
struct SavedField {
    const char* screen;
    const char* control;
    SavedReading reading = SavedReading::Text;
};
extern const std::array<SavedField, SavedGameTextLines> SavedGameFields;

// Lines holding values the loader needs by number.
inline constexpr int TvDealStreakLine = 136;  // the hub's hidden store of the streak
inline constexpr int ShowModeLine = 141;
inline constexpr int PopularityLine = 142;
inline constexpr int MoneyLine = 143;
inline constexpr int FirstRivalLine = 144;
// The RivalPopularity slot (from 1) of lines 144..155 in turn: BCW (10) comes before ICW (9).
inline constexpr std::array<int, 12> SavedRivalSlots = {1, 2, 3, 4, 5, 6, 7, 8, 10, 9, 11, 12};

// A text value as it is stored on its line, and back. The notes are the one field that holds line
// breaks; stored raw, a note of n lines would take n lines of the file and push every later value
// down. So each line break inside a value (CR LF, or a lone CR or LF) is stored as the single DEL
// character (127), which no text box lets the player type, and reads back as CR LF. Values without a
// line break, which is every field but the notes, are stored exactly as they are.
inline constexpr char SavedLineBreak = '\x7F';
std::string EncodeSavedValue(std::string_view value);
std::string DecodeSavedValue(std::string_view stored);

// An integer line: a blank before a value of 0 or more, a minus sign before a negative one.
std::string SavedIntegerLine(long long value);
// An integer line read back: blanks around it ignored, an empty line gives 0, a fraction rounded to
// the nearest (a half to even). Nothing when it is not a number or does not fit.
std::optional<int16_t> SavedInteger16(std::string_view line);
std::optional<int32_t> SavedInteger32(std::string_view line);  // the money, which passes 32767

// The file of 155 values (as fields hold them; encoded here), in the single-byte character set.
std::string SavedGameFileBytes(const std::vector<std::string>& values);
// Writes the 155 values to a file. The file is written beside its final name first and renamed over it
// only when complete and on the disk, so a write that fails leaves whatever file was there before. False
// when it could not be written.
bool WriteSavedGameFile(const std::filesystem::path& path, const std::vector<std::string>& values);

enum class SavedGameRead {
    Missing,   // no such file, or it cannot be opened: an empty slot
    Short,     // the file ends before its 155th line: nothing of it may be applied
    Complete,  // 155 values read (lines after the 155th are ignored)
};
// Reads the first 155 lines (CR LF or LF ends), decoded back to the game's texts.
SavedGameRead ReadSavedGameFile(const std::filesystem::path& path, std::vector<std::string>& values);

// Whether 155 values can be applied and played on: the integer lines 142 to 155 convert, and every
// field that the game reads back as a number holds a text that this reading accepts.
bool SavedValuesUsable(const std::vector<std::string>& values);

// Whether the loader would take back a saved game of these 155 values: its own check, run on the values
// as they would read back from the file that the writer makes of them. A writer asks before it writes.
bool SavedValuesLoadBack(const std::vector<std::string>& values);

enum class SavedGameCheck {
    Empty,    // nothing of that name: no game was saved there
    Damaged,  // it cannot be read to its 155th line, a value cannot be used, or a wrestler file is not whole
    Usable,
};
// Reads a saved game whole and checks it, and the wrestler files that belong to it, before anything of
// it is used. A wrestler file must be there and hold whole records. On Usable, `values` holds the 155
// values; otherwise it is empty.
SavedGameCheck CheckSavedGame(const std::filesystem::path& file, const std::vector<std::filesystem::path>& recordFiles,
                              std::vector<std::string>& values);

// The saved game of the game as it stands: the fields' texts and the integers, unchanged. A screen
// that is not loaded is loaded by the reading, as any reading of its fields would.
std::vector<std::string> CollectSavedGame(Game& game);

// Applies 155 values in line order: the texts to their fields (creating their screens, hidden), then
// the integers, then the hub's TV-deal streak from line 136. The staff and sponsor figures that a show
// night pays are taken afresh from the restored boxes. Stops at the first integer line that cannot be
// converted (the lines before it stay applied) and returns false then.
bool ApplySavedGame(Game& game, const std::vector<std::string>& values);

}  // namespace varnholt
