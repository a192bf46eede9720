#include "wrestlers/MoveWrestlers.h"

#include <array>
#include <cstring>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

#include "forms/Control.h"
#include "forms/Files.h"
#include "forms/Form.h"
#include "forms/Numbers.h"
#include "game/Game.h"
#include "game/OpenGame.h"
#include "game/ScreenNames.h"
#include "wrestlers/RecordFiles.h"

namespace varnholt {

namespace {

namespace fs = std::filesystem;

using RecordBytes = std::array<unsigned char, RecordLength>;

constexpr const char* FileErrorTitle = "File error!";
constexpr const char* FileErrorText =
    "The wrestler files could not be rewritten. Nothing has been changed; please check the game's folder.";

long wholeRecordsOf(const std::string& filePath) {
    return static_cast<long>(forms::fileLength(forms::nativePath(filePath)) / RecordLength);
}

void putId(RecordBytes& bytes, int16_t id) {
    const auto bits = static_cast<uint16_t>(id);
    bytes[0] = static_cast<unsigned char>(bits & 0xFF);
    bytes[1] = static_cast<unsigned char>(bits >> 8);
}

// Rewrites the source file without record `skip`, the others renumbered 1, 2, 3 ... with Id equal to
// their new place. With a target file, the skipped record is first appended to it unchanged, its Id
// included. The rewritten file takes the source's place in one rename, so the source is either the old
// file or the new one, never a part of either. When the file system refuses anything, the player is
// told and both files are left as they were.
bool rewriteWithout(Game& game, const std::string& sourcePath, long skip, const std::string& targetPath) {
    game.TempFilePath = game.folder().string() + "\\wrestler.tmp";
    const fs::path temp = forms::nativePath(game.TempFilePath);
    const fs::path source = forms::nativePath(sourcePath);
    std::error_code ec;
    auto refuse = [&] {
        if (forms::fileExists(temp)) forms::deleteFile(temp);
        game.msgBox(FileErrorText, FileErrorTitle);
        return false;
    };

    // A scratch file left behind by an interrupted rewrite is thrown away, never written over.
    if (forms::fileExists(temp)) forms::deleteFile(temp);
    if (fs::exists(temp, ec)) return refuse();

    RecordBytes moved{};
    bool ok;
    {
        forms::RecordFile from(source, RecordLength);
        forms::RecordFile scratch(temp, RecordLength);
        ok = from.isOpen() && scratch.isOpen();
        const long whole = from.wholeRecords();
        long nextTempRecord = 1;
        RecordBytes bytes{};
        for (long i = 1; ok && i <= whole; ++i) {
            if (!from.read(i, bytes.data())) {
                ok = false;
                break;
            }
            if (i == skip) {
                moved = bytes;
            } else {
                putId(bytes, IdForPosition(nextTempRecord));
                ok = scratch.write(nextTempRecord, bytes.data());
                ++nextTempRecord;
            }
            game.CurrentWrestler = decodeRecord(bytes.data());
        }
        ok = scratch.isOpen() && scratch.flushAndClose(true) && ok;
    }
    if (!ok) return refuse();

    fs::path target;
    std::uintmax_t targetLength = 0;
    if (!targetPath.empty()) {
        target = forms::nativePath(targetPath);
        targetLength = forms::fileLength(target);
        forms::RecordFile to(target, RecordLength);
        const long moveTargetRecord = to.wholeRecords() + 1;
        ok = to.isOpen() && to.write(moveTargetRecord, moved.data());
        ok = to.isOpen() && to.flushAndClose(true) && ok;
    }
    if (ok) ok = forms::commitStaged(temp, source);
    if (!ok) {
        if (!target.empty() && forms::fileExists(target)) fs::resize_file(target, targetLength, ec);
        return refuse();
    }
    return true;
}

// Moves or removes the wrestler picked in the list; false when his name is not in the source file or the
// rewrite failed.
bool takeOut(Game& game, forms::Control& list, const std::string& sourcePath, const std::string& targetPath) {
    const long skip = game.CurrentRecordNumber;
    if (skip > wholeRecordsOf(sourcePath)) return false;  // the name is not in the file
    if (!rewriteWithout(game, sourcePath, skip, targetPath)) return false;
    if (list.listIndex() >= 0) list.removeItem(list.listIndex());
    return true;
}

}  // namespace

bool HireWrestler(Game& game, forms::Control& list) {
    if (RefusedWhileEditing(game, "hire or fire a wrestler", "Nobody was moved.")) return false;
    FindWrestlerRecord(game, list.text());
    if (!takeOut(game, list, game.WrestlerFilePath, game.RosterFilePath)) return false;
    CountRecordFiles(game);
    return true;
}

bool FireWrestler(Game& game, forms::Control& list) {
    if (RefusedWhileEditing(game, "hire or fire a wrestler", "Nobody was moved.")) return false;
    FindRosterRecord(game, list.text());
    if (!takeOut(game, list, game.RosterFilePath, game.WrestlerFilePath)) return false;
    CountRecordFiles(game);
    return true;
}

bool RemoveWrestler(Game& game, forms::Control& list) {
    FindWrestlerRecord(game, list.text());
    if (!takeOut(game, list, game.WrestlerFilePath, std::string())) return false;
    game.WrestlerCount = CountRule(forms::fileLength(forms::nativePath(game.WrestlerFilePath)));
    return true;
}

void ShowWrestlerOnCard(forms::Form& form, const WrestlerRecord& w) {
    using Card = screens::WrestlerCard;
    form.c(Card::NameBox).setText(trimTrailingBlanks(w.Name));
    form.c(Card::BrawlingBox).setText(forms::CStr(w.Brawling));
    form.c(Card::TechnicalBox).setText(forms::CStr(w.Technical));
    form.c(Card::SpeedBox).setText(forms::CStr(w.Speed));
    form.c(Card::OverBox).setText(forms::CStr(w.Over));
    form.c(Card::WageBox).setText(forms::CStr(w.Wage));
    form.c(Card::AlignmentBox).setText(w.Alignment);
    form.c(Card::BirthPlaceBox).setText(w.BirthPlace);
    form.c(Card::BiographyBox).setText(w.Biography);
    form.c(Card::PolaroidBox).setText(forms::CStr(w.PolaroidPercent));
}

void ClearCardBoxes(forms::Form& form) {
    using Card = screens::WrestlerCard;
    for (const char* box : Card::CardBoxes)
        if (std::string_view(box) != Card::AlignmentBox) form.c(box).setText("");
}

void ShowWrestlerAtPosition(Game& game, forms::Form& form, forms::Control& bar) {
    const int p = bar.value();
    if (p > game.WrestlerCount) {
        ClearCardBoxes(form);
        form.c(screens::WrestlerCard::AlignmentBox).setText("");
    } else if (p >= 1) {
        ReadRecordInto(game, game.WrestlerFilePath, p);
        ShowWrestlerOnCard(form, game.CurrentWrestler);
    }
    form.c("lblID").setCaption(forms::Str(p) + "/" + forms::Str(bar.max()));
}

}  // namespace varnholt
