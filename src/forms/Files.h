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
bool copyFile(const fs::path& from, const fs::path& to);
// Copies a file of fixed-length records, only as many bytes as make whole records: a torn last record
// stays behind, so the copy is always whole.
bool copyWholeRecords(const fs::path& from, const fs::path& to, std::size_t recordLength);
bool deleteFile(const fs::path& p);
bool renameFile(const fs::path& from, const fs::path& to);

// Reads a text file's lines (without line ends); a missing file gives no lines.
std::vector<std::string> readLines(const fs::path& p);
// Writes lines, each ended by CR LF; false when the file cannot be written.
bool writeLines(const fs::path& p, const std::vector<std::string>& lines);

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
    bool flushAndClose();

private:
    // Moves to a byte offset for a read or a write. A stream already there in the same direction is not
    // moved, so that a file read or written record after record in order costs no seek per record.
    bool seekFor(long at, bool writing);

    std::FILE* file_ = nullptr;
    std::size_t length_;
    bool failed_ = false;
    long position_ = -1;  // where the stream stands, -1 when not known
    long size_ = -1;      // the file's length as written through this object, -1 until asked
    enum class Last { None, Read, Write } last_ = Last::None;
};

}  // namespace forms
