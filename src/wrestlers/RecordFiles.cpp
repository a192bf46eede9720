#include "wrestlers/RecordFiles.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "forms/Control.h"
#include "forms/Files.h"
#include "forms/Numbers.h"
#include "game/Game.h"

namespace varnholt {

int32_t CountRule(std::uintmax_t fileLength) {
    const double records = static_cast<double>(fileLength) / RecordLength;
    return forms::CLng(std::min(records, static_cast<double>(std::numeric_limits<int32_t>::max())));
}

int16_t IdForPosition(long position) {
    return position >= 1 && position <= std::numeric_limits<int16_t>::max() ? static_cast<int16_t>(position) : int16_t{0};
}

void BuildFilePaths(Game& game) {
    game.WrestlerFilePath = game.folder().string() + "/wrestlers.dat";
    game.RosterFilePath = game.folder().string() + "/promotion.dat";
}

void CountRecordFiles(Game& game) {
    game.WrestlerCount = CountRule(forms::fileLength(forms::nativePath(game.WrestlerFilePath)));
    game.RosterCount = CountRule(forms::fileLength(forms::nativePath(game.RosterFilePath)));
}

bool ReadRecordInto(Game& game, const std::string& filePath, long n) {
    forms::RecordFile file(forms::nativePath(filePath), RecordLength);
    unsigned char bytes[RecordLength];
    bool whole = file.read(n, bytes);
    game.CurrentWrestler = whole ? decodeRecord(bytes) : WrestlerRecord::cleared();
    return whole;
}

namespace {

// Writes CurrentWrestler as record n and closes the file; false when either step failed.
bool writeCurrentAndClose(Game& game, forms::RecordFile& file, long n) {
    auto bytes = encodeRecord(game.CurrentWrestler);
    bool ok = file.write(n, bytes.data());
    return file.flushAndClose() && ok;
}

}  // namespace

bool WriteRecordFrom(Game& game, const std::string& filePath, long n) {
    forms::RecordFile file(forms::nativePath(filePath), RecordLength);
    return writeCurrentAndClose(game, file, n);
}

long AppendRecordFrom(Game& game, const std::string& filePath) {
    forms::RecordFile file(forms::nativePath(filePath), RecordLength);
    if (!file.isOpen()) return 0;
    const long position = file.wholeRecords() + 1;
    game.CurrentWrestler.Id = IdForPosition(position);
    return writeCurrentAndClose(game, file, position) ? position : 0;
}

namespace {

void fillList(Game& game, forms::Control& list, const std::string& filePath, int32_t count) {
    list.clear();
    if (count < 1) return;
    forms::RecordFile file(forms::nativePath(filePath), RecordLength);
    unsigned char bytes[RecordLength];
    for (long i = 1; i <= count; ++i) {
        // A count that rounds a partial last record up lists it as a cleared record: a blank entry.
        game.CurrentWrestler = file.read(i, bytes) ? decodeRecord(bytes) : WrestlerRecord::cleared();
        list.addItem(trimTrailingBlanks(game.CurrentWrestler.Name));
    }
}

void findRecord(Game& game, const std::string& filePath, std::string_view name) {
    game.CurrentRecordNumber = 0;
    forms::RecordFile file(forms::nativePath(filePath), RecordLength);
    unsigned char bytes[RecordLength];
    for (;;) {
        game.CurrentRecordNumber = forms::I32(static_cast<long long>(game.CurrentRecordNumber) + 1);
        if (!file.read(game.CurrentRecordNumber, bytes)) {
            game.CurrentWrestler = WrestlerRecord::cleared();
            return;
        }
        game.CurrentWrestler = decodeRecord(bytes);
        if (trimTrailingBlanks(game.CurrentWrestler.Name) == name) return;
    }
}

}  // namespace

void RosterIntoList(Game& game, forms::Control& list) { fillList(game, list, game.RosterFilePath, game.RosterCount); }

void WrestlersIntoList(Game& game, forms::Control& list) {
    fillList(game, list, game.WrestlerFilePath, game.WrestlerCount);
}

void FindRosterRecord(Game& game, std::string_view name) { findRecord(game, game.RosterFilePath, name); }

void FindWrestlerRecord(Game& game, std::string_view name) { findRecord(game, game.WrestlerFilePath, name); }

bool CopyRecordFile(const std::filesystem::path& from, const std::filesystem::path& to) {
    return forms::replaceWithCopy(from, to, RecordLength);
}

bool StageRecordCopy(const std::filesystem::path& from, const std::filesystem::path& staged) {
    return forms::stageCopy(from, staged, RecordLength);
}

}  // namespace varnholt
