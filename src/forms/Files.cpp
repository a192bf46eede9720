#include "forms/Files.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <set>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace forms {

fs::path gamePath(const fs::path& folder, std::string_view relative) {
    fs::path p = folder;
    std::string part;
    for (char c : relative) {
        if (c == '\\' || c == '/') {
            if (!part.empty()) p /= part;
            part.clear();
        } else {
            part += c;
        }
    }
    if (!part.empty()) p /= part;
    return p;
}

fs::path nativePath(std::string_view path) {
    std::string s(path);
    for (char& c : s)
        if (c == '\\') c = '/';
    return fs::path(s);
}

namespace {

FileStepWatcher watcher = nullptr;

void announce(FileStep step, const fs::path& p) {
    if (watcher) watcher(step, p);
}

}  // namespace

bool deleteFile(const fs::path& p) {
    std::error_code ec;
    if (!fs::exists(fs::symlink_status(p, ec))) return false;  // nothing there: nothing changes
    announce(FileStep::Remove, p);
    return fs::remove(p, ec) && !ec;
}

namespace {

// Writes all of `bytes` to an open descriptor, through short writes and interruptions.
bool writeAll(int fd, const char* bytes, std::size_t n) {
    while (n > 0) {
        const ssize_t put = ::write(fd, bytes, n);
        if (put < 0 && errno == EINTR) continue;
        if (put <= 0) return false;
        bytes += put;
        n -= static_cast<std::size_t>(put);
    }
    return true;
}

// Flushes a folder, so that the names made, renamed or removed in it are on the disk. A file system
// that cannot flush folders (it says so) keeps its names by its own means.
bool flushFolder(const fs::path& folder) {
    announce(FileStep::Flush, folder);
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return false;
    const bool ok = ::fsync(fd) == 0 || errno == EINVAL || errno == EROFS;
    ::close(fd);
    return ok;
}

fs::path folderOf(const fs::path& p) {
    fs::path folder = p.parent_path();
    return folder.empty() ? fs::path(".") : folder;
}

// Opens a staged file afresh for writing: whatever an earlier attempt left there is thrown away.
int createStaged(const fs::path& staged) {
    announce(FileStep::Create, staged);
    return ::open(staged.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
}

// Flushes and closes a staged file; on any failure it is removed.
bool closeStaged(int fd, const fs::path& staged, bool written) {
    if (written) {
        announce(FileStep::Flush, staged);
        written = ::fsync(fd) == 0;
    }
    written = ::close(fd) == 0 && written;
    if (!written) deleteFile(staged);
    return written;
}

constexpr const char* MarkerHeading = "varnholt replace";
constexpr const char* MarkerEnd = "end";

}  // namespace

void watchFileSteps(FileStepWatcher w) { watcher = w; }

fs::path stagedName(const fs::path& p) {
    fs::path t = p;
    t += ".tmp";
    return t;
}

bool stageBytes(const fs::path& staged, std::string_view bytes) {
    const int fd = createStaged(staged);
    if (fd < 0) return false;
    return closeStaged(fd, staged, writeAll(fd, bytes.data(), bytes.size()));
}

bool stageCopy(const fs::path& from, const fs::path& staged, std::size_t recordLength) {
    std::error_code ec;
    if (!fs::is_regular_file(from, ec)) return false;
    const int in = ::open(from.c_str(), O_RDONLY | O_CLOEXEC);
    if (in < 0) return false;
    struct stat st {};
    std::uintmax_t left = 0;
    if (::fstat(in, &st) == 0) {
        left = static_cast<std::uintmax_t>(st.st_size);
        if (recordLength > 0) left -= left % recordLength;
    }
    const int out = createStaged(staged);
    if (out < 0) {
        ::close(in);
        return false;
    }
    std::vector<char> buffer(1 << 16);
    bool ok = true;
    while (ok && left > 0) {
        const ssize_t got = ::read(in, buffer.data(), std::min<std::uintmax_t>(left, buffer.size()));
        if (got < 0 && errno == EINTR) continue;
        ok = got > 0 && writeAll(out, buffer.data(), static_cast<std::size_t>(got));
        if (ok) left -= static_cast<std::uintmax_t>(got);
    }
    ::close(in);
    return closeStaged(out, staged, ok);
}

bool commitStaged(const fs::path& staged, const fs::path& final) {
    announce(FileStep::Rename, final);
    std::error_code ec;
    fs::rename(staged, final, ec);
    if (ec) {
        deleteFile(staged);
        return false;
    }
    return flushFolder(folderOf(final));
}

bool replaceWithBytes(const fs::path& p, std::string_view bytes) {
    const fs::path staged = stagedName(p);
    return stageBytes(staged, bytes) && commitStaged(staged, p);
}

bool replaceWithCopy(const fs::path& from, const fs::path& to, std::size_t recordLength) {
    std::error_code ec;
    if (!fs::is_regular_file(from, ec)) return false;
    if (fs::exists(to, ec) && fs::equivalent(from, to, ec)) return true;  // onto itself: nothing to do
    const fs::path staged = stagedName(to);
    return stageCopy(from, staged, recordLength) && commitStaged(staged, to);
}

bool replaceAsOne(const fs::path& marker, const std::vector<std::pair<fs::path, fs::path>>& stagedToFinal) {
    auto discard = [&] {
        for (const auto& [staged, final] : stagedToFinal) deleteFile(staged);
        return false;
    };
    std::string list = std::string(MarkerHeading) + "\n" + std::to_string(stagedToFinal.size()) + "\n";
    std::set<fs::path> folders;
    // The names are kept relative to the marker's folder, so that a program folder moved after a crash
    // still finds its own files.
    const fs::path base = fs::absolute(folderOf(marker));
    auto kept = [&base](const fs::path& p) {
        const fs::path whole = fs::absolute(p), relative = whole.lexically_relative(base);
        return (relative.empty() ? whole : relative).string();
    };
    for (const auto& [staged, final] : stagedToFinal) {
        const std::string a = kept(staged), b = kept(final);
        if (a.find('\n') != std::string::npos || b.find('\n') != std::string::npos) return discard();
        list += a + "\n" + b + "\n";
        folders.insert(folderOf(staged));
    }
    list += std::string(MarkerEnd) + "\n";
    // The staged files' names must be on the disk before the marker that points at them.
    for (const auto& folder : folders)
        if (!flushFolder(folder)) return discard();
    if (!replaceWithBytes(marker, list)) return discard();
    return finishMarkedReplace(marker, {}) == MarkedReplace::Finished;
}

MarkedReplace finishMarkedReplace(const fs::path& marker, const std::vector<fs::path>& leftoverStaged) {
    auto clean = [&] {
        for (const auto& p : leftoverStaged) deleteFile(p);
        deleteFile(stagedName(marker));
        deleteFile(marker);
        return MarkedReplace::Clean;
    };
    std::error_code ec;
    if (!fs::exists(fs::symlink_status(marker, ec))) return clean();
    const std::vector<std::string> lines = readLines(marker);
    std::size_t count = 0;
    bool whole = lines.size() >= 3 && lines[0] == MarkerHeading;
    if (whole) {
        try {
            count = std::stoul(lines[1]);
        } catch (const std::exception&) {
            whole = false;
        }
        whole = whole && lines.size() == 3 + 2 * count && lines.back() == MarkerEnd;
    }
    if (!whole) return clean();  // cut short before it was ever in place: the replace never began

    std::set<fs::path> folders;
    const fs::path base = folderOf(marker);
    for (std::size_t i = 0; i < count; ++i) {
        const fs::path staged = (base / lines[2 + 2 * i]).lexically_normal();
        const fs::path final = (base / lines[3 + 2 * i]).lexically_normal();
        if (fs::exists(fs::symlink_status(staged, ec))) {
            announce(FileStep::Rename, final);
            fs::rename(staged, final, ec);
            if (ec) return MarkedReplace::Failed;
        } else if (!fs::exists(fs::symlink_status(final, ec))) {
            return MarkedReplace::Failed;  // neither the new file nor its staged copy: nothing to finish with
        }
        folders.insert(folderOf(final));
    }
    for (const auto& folder : folders)
        if (!flushFolder(folder)) return MarkedReplace::Failed;
    deleteFile(marker);
    flushFolder(folderOf(marker));
    return MarkedReplace::Finished;
}

std::uintmax_t fileLength(const fs::path& p) {
    std::error_code ec;
    auto n = fs::file_size(p, ec);
    return ec ? 0 : n;
}

bool fileExists(const fs::path& p) {
    std::error_code ec;
    return fs::is_regular_file(p, ec);
}



bool renameFile(const fs::path& from, const fs::path& to) {
    announce(FileStep::Rename, to);
    std::error_code ec;
    fs::rename(from, to, ec);
    return !ec;
}

std::vector<std::string> readLines(const fs::path& p) {
    std::vector<std::string> lines;
    std::ifstream in(p, std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

bool writeLines(const fs::path& p, const std::vector<std::string>& lines) {
    std::string bytes;
    for (const auto& l : lines) bytes += l + "\r\n";
    return replaceWithBytes(p, bytes);
}

RecordFile::RecordFile(const fs::path& p, std::size_t recordLength) : path_(p), length_(recordLength) {
    file_ = std::fopen(p.c_str(), "r+b");
    if (!file_) file_ = std::fopen(p.c_str(), "w+b");
    struct stat st {};
    if (file_ && ::fstat(::fileno(file_), &st) == 0) openedLength_ = static_cast<long>(st.st_size);
}

RecordFile::~RecordFile() {
    if (file_) flushAndClose();
}

long RecordFile::wholeRecords() const {
    if (!file_) return 0;
    std::fflush(file_);
    long pos = std::ftell(file_);
    std::fseek(file_, 0, SEEK_END);
    long size = std::ftell(file_);
    std::fseek(file_, pos, SEEK_SET);
    return size < 0 ? 0 : static_cast<long>(size / static_cast<long>(length_));
}

bool RecordFile::seekFor(long at, bool writing) {
    // A stream open for both must be positioned between a read and a write in either order.
    const Last now = writing ? Last::Write : Last::Read;
    if (last_ != now || position_ != at) {
        if (std::fseek(file_, at, SEEK_SET) != 0) {
            position_ = -1;
            last_ = Last::None;
            return false;
        }
        position_ = at;
    }
    last_ = now;
    return true;
}

bool RecordFile::read(long n, unsigned char* out) {
    std::memset(out, 0, length_);
    if (!file_ || n < 1) return false;
    if (!seekFor(static_cast<long>((n - 1) * length_), false)) return false;
    std::size_t got = std::fread(out, 1, length_, file_);
    if (got != length_) {
        std::memset(out, 0, length_);
        position_ = -1;
        return false;
    }
    position_ += static_cast<long>(length_);
    return true;
}

bool RecordFile::write(long n, const unsigned char* data) {
    if (!file_ || n < 1) return false;
    if (size_ < 0) {
        if (std::fseek(file_, 0, SEEK_END) != 0) return failed_ = true, false;
        size_ = std::ftell(file_);
        position_ = size_;
        last_ = Last::None;
    }
    long at = static_cast<long>((n - 1) * length_);
    if (size_ < at) {
        std::vector<unsigned char> zeros(static_cast<std::size_t>(at - size_), 0);
        if (!seekFor(size_, true) || std::fwrite(zeros.data(), 1, zeros.size(), file_) != zeros.size()) {
            position_ = -1;
            failed_ = true;
        } else {
            position_ = size_ = at;
        }
    }
    if (!seekFor(at, true)) return failed_ = true, false;
    if (std::fwrite(data, 1, length_, file_) != length_) {
        position_ = -1;
        return failed_ = true, false;
    }
    position_ = at + static_cast<long>(length_);
    size_ = std::max(size_, position_);
    return !failed_;
}

bool RecordFile::flushAndClose(bool toDisk) {
    if (!file_) return false;
    bool ok = std::fflush(file_) == 0 && !failed_;
    if (ok && toDisk) {
        announce(FileStep::Flush, path_);
        ok = ::fsync(::fileno(file_)) == 0;
    }
    ok = (std::fclose(file_) == 0) && ok;
    file_ = nullptr;
    // A write the disk refused (it is full) may have put part of a record at the end: cut it off.
    if (!ok && openedLength_ >= 0 && static_cast<long>(fileLength(path_)) > openedLength_) {
        std::error_code ec;
        fs::resize_file(path_, static_cast<std::uintmax_t>(openedLength_), ec);
    }
    return ok;
}

}  // namespace forms
