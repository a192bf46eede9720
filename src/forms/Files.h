// The file helpers the game is written against: paths under the program folder, file length, copy,
// delete, rename and fixed-length record access. A game path may be written with "\" or "/"; both
// name the same file, built here with the platform's separator.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace forms {

namespace fs = std::filesystem;

// The program folder followed by a game path such as "\data\wrestlers.dat" or "/promotion.dat".
fs::path gamePath(const fs::path& folder, std::string_view relative);

// A full path the game wrote with "\" or "/" separators, in the platform's form.
fs::path nativePath(std::string_view path);

// Length in bytes; a missing file has length 0.
std::uintmax_t fileLength(const fs::path& p);
bool fileExists(const fs::path& p);
// Each returns false (and changes nothing it can avoid changing) when the file system refuses.
bool deleteFile(const fs::path& p);
bool renameFile(const fs::path& from, const fs::path& to);

// Reads a text file's lines (without line ends); a missing file gives no lines.
std::vector<std::string> readLines(const fs::path& p);
// Writes lines, each ended by CR LF; false when the file cannot be written.
bool writeLines(const fs::path& p, const std::vector<std::string>& lines);

// ---------------------------------------------------------------------------------------------------
// Replacing files so that nothing is lost, whatever stops the program (a kill, a crash, a power cut).
//
// A file is never rewritten in its place: the new contents are written whole under a temporary name
// beside it ("staged"), flushed to the disk, renamed over the old file, and the folder flushed after, so
// that the name always holds the old file or the new one, complete. Several files that belong together
// (a game slot) are replaced through a commit marker: once the marker is on the disk the new files are
// the slot's, and whoever finds the marker later finishes the renames it lists.

// The temporary name beside a file: "wrestlers.dat" stages as "wrestlers.dat.tmp".
fs::path stagedName(const fs::path& p);
// Writes the bytes to `staged` (created or emptied first) and flushes them to the disk. False, with the
// staged file removed, when any of it could not be written.
bool stageBytes(const fs::path& staged, std::string_view bytes);
// Copies `from` to `staged` and flushes it to the disk. With a record length, only as many bytes as make
// whole records are copied: a torn last record stays behind, so the copy is always whole.
bool stageCopy(const fs::path& from, const fs::path& staged, std::size_t recordLength = 0);
// Renames a staged (flushed) file over its final name and flushes the folder. False when the rename failed.
bool commitStaged(const fs::path& staged, const fs::path& final);
// A whole file replaced at once: staged beside it, then committed. On failure the file stays as it was;
// a copy onto the file itself changes nothing.
bool replaceWithBytes(const fs::path& p, std::string_view bytes);
bool replaceWithCopy(const fs::path& from, const fs::path& to, std::size_t recordLength = 0);

// Several staged files, each beside its final name, replaced as one. The marker (a small file) lists
// them; it is written whole and flushed, then the renames are made and the marker removed. False when the
// marker could not be written (nothing has changed: the staged files are removed) or a rename failed (the
// marker stays, so that finishMarkedReplace completes the rest).
bool replaceAsOne(const fs::path& marker, const std::vector<std::pair<fs::path, fs::path>>& stagedToFinal);

enum class MarkedReplace {
    Clean,     // no marker: the staged files named (left by an interrupted write) are removed
    Finished,  // a marker was found and every rename it lists is now done
    Failed,    // a marker was found and a rename it lists could not be made: the marker stays
};
// Run before any of the files of a group is read or written: completes a replace that a marker shows
// was committed, or throws away what an uncommitted one staged. A marker cut short counts as none.
MarkedReplace finishMarkedReplace(const fs::path& marker, const std::vector<fs::path>& leftoverStaged);

// The steps by which the file layer changes the disk. Before each one it tells the watcher (none in the
// game); a test stops the program there, as a kill or a power cut would, by throwing from it.
enum class FileStep { Create, Flush, Rename, Remove };
using FileStepWatcher = void (*)(FileStep step, const fs::path& p);
void watchFileSteps(FileStepWatcher watcher);

// Fixed-length record access to one file, opened for the duration of one procedure. Opening a file
// that does not exist creates it empty. Records are numbered from 1.
class RecordFile {
public:
    RecordFile(const fs::path& p, std::size_t recordLength);
    ~RecordFile();
    RecordFile(const RecordFile&) = delete;
    RecordFile& operator=(const RecordFile&) = delete;

    bool isOpen() const { return file_ != nullptr; }
    // Fills `out` with record n; false (and `out` zeroed) when the file holds no whole record n.
    bool read(long n, unsigned char* out);
    // Writes record n; a gap before it is filled with zero bytes. False when the write failed.
    bool write(long n, const unsigned char* data);
    long wholeRecords() const;
    // Flushes and closes; with `toDisk`, the bytes are also on the disk when it returns. When a write
    // failed, the file is cut back to the length it had when it was opened, so that no torn record stays.
    bool flushAndClose(bool toDisk = false);

private:
    // Moves to a byte offset for a read or a write. A stream already there in the same direction is not
    // moved, so that a file read or written record after record in order costs no seek per record.
    bool seekFor(long at, bool writing);

    std::FILE* file_ = nullptr;
    fs::path path_;
    std::size_t length_;
    long openedLength_ = -1;  // the file's length when it was opened
    bool failed_ = false;
    long position_ = -1;  // where the stream stands, -1 when not known
    long size_ = -1;      // the file's length as written through this object, -1 until asked
    enum class Last { None, Read, Write } last_ = Last::None;
};

}  // namespace forms
