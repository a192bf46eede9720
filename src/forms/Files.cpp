#include "forms/Files.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <system_error>

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

std::uintmax_t fileLength(const fs::path& p) {
    std::error_code ec;
    auto n = fs::file_size(p, ec);
    return ec ? 0 : n;
}

bool fileExists(const fs::path& p) {
    std::error_code ec;
    return fs::is_regular_file(p, ec);
}

bool copyFile(const fs::path& from, const fs::path& to) {
    std::error_code ec;
    if (!fs::is_regular_file(from, ec)) return false;
    if (fs::exists(to, ec) && fs::equivalent(from, to, ec)) return true;
    return fs::copy_file(from, to, fs::copy_options::overwrite_existing, ec) && !ec;
}

bool copyWholeRecords(const fs::path& from, const fs::path& to, std::size_t recordLength) {
    std::error_code ec;
    if (!fs::is_regular_file(from, ec)) return false;
    const std::uintmax_t length = fs::file_size(from, ec);
    if (ec) return false;
    const std::uintmax_t whole = length - length % recordLength;
    if (whole == length || (fs::exists(to, ec) && fs::equivalent(from, to, ec))) return copyFile(from, to);
    std::ifstream in(from, std::ios::binary);
    std::ofstream out(to, std::ios::binary | std::ios::trunc);
    std::vector<char> buffer(1 << 16);
    for (std::uintmax_t left = whole; left > 0 && in && out;) {
        const auto n = static_cast<std::streamsize>(std::min<std::uintmax_t>(left, buffer.size()));
        in.read(buffer.data(), n);
        out.write(buffer.data(), in.gcount());
        left -= static_cast<std::uintmax_t>(in.gcount());
        if (in.gcount() == 0) break;
    }
    out.close();
    return in.good() && out.good();
}

bool deleteFile(const fs::path& p) {
    std::error_code ec;
    return fs::remove(p, ec) && !ec;
}

bool renameFile(const fs::path& from, const fs::path& to) {
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
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    for (const auto& l : lines) out << l << "\r\n";
    out.flush();
    return static_cast<bool>(out);
}

RecordFile::RecordFile(const fs::path& p, std::size_t recordLength) : length_(recordLength) {
    file_ = std::fopen(p.c_str(), "r+b");
    if (!file_) file_ = std::fopen(p.c_str(), "w+b");
}

RecordFile::~RecordFile() {
    if (file_) std::fclose(file_);
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

bool RecordFile::flushAndClose() {
    if (!file_) return false;
    bool ok = std::fflush(file_) == 0 && !failed_;
    ok = (std::fclose(file_) == 0) && ok;
    file_ = nullptr;
    return ok;
}

}  // namespace forms
