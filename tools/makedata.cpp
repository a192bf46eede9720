// varnholt-makedata INPUT.txt OUTPUT.dat
//
// Turns one of the readable wrestler tables in data/ into the fixed-record
// .dat file the game loads. Any fault in the table stops the build with
// "file:line: problem" so a bad edit never ships.

#include <fstream>
#include <iostream>
#include <iterator>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "forms/Cp1252.h"
#include "wrestlers/WrestlerRecord.h"

namespace {

struct Column {
  const char* field;  // name understood by setRecordField
  std::size_t width;  // 0 for a number
};

// Table order: Name | Brawling | Technical | Speed | Over | Wage | Alignment |
// BirthPlace | PolaroidPercent | Biography
constexpr Column Columns[] = {
    {"Name", varnholt::NameWidth},
    {"Brawling", 0},
    {"Technical", 0},
    {"Speed", 0},
    {"Over", 0},
    {"Wage", 0},
    {"Alignment", varnholt::AlignmentWidth},
    {"BirthPlace", varnholt::BirthPlaceWidth},
    {"PolaroidPercent", 0},
    {"Biography", varnholt::BiographyWidth},
};
constexpr std::size_t ColumnCount = std::size(Columns);

std::string_view trim(std::string_view text) {
  const auto first = text.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t\r");
  return text.substr(first, last - first + 1);
}

std::vector<std::string_view> split(std::string_view line) {
  std::vector<std::string_view> fields;
  for (;;) {
    const auto bar = line.find('|');
    fields.push_back(trim(line.substr(0, bar)));
    if (bar == std::string_view::npos) break;
    line.remove_prefix(bar + 1);
  }
  return fields;
}

bool isStat(std::string_view field) {
  return field == "Brawling" || field == "Technical" || field == "Speed" || field == "Over";
}

class TableReader {
 public:
  explicit TableReader(std::string path) : path_(std::move(path)) {}

  bool read(std::vector<varnholt::WrestlerRecord>& records) {
    std::ifstream in(path_, std::ios::binary);
    if (!in) {
      std::cerr << path_ << ":0: cannot read the file\n";
      return false;
    }
    std::string line;
    int lineNumber = 0;
    bool ok = true;
    while (std::getline(in, line)) {
      ++lineNumber;
      const std::string_view content = trim(line);
      if (content.empty() || content.front() == '#') continue;
      varnholt::WrestlerRecord record = varnholt::WrestlerRecord::cleared();
      record.Id = static_cast<int16_t>(records.size() + 1);
      if (parseLine(content, lineNumber, record))
        records.push_back(record);
      else
        ok = false;
    }
    return ok;
  }

 private:
  void fail(int lineNumber, const std::string& problem) {
    std::cerr << path_ << ':' << lineNumber << ": " << problem << '\n';
  }

  bool parseLine(std::string_view content, int lineNumber, varnholt::WrestlerRecord& record) {
    const auto fields = split(content);
    if (fields.size() != ColumnCount) {
      fail(lineNumber, "expected " + std::to_string(ColumnCount) + " fields separated by '|', found " +
                           std::to_string(fields.size()));
      return false;
    }
    bool ok = true;
    for (std::size_t i = 0; i < ColumnCount; ++i) {
      const Column& column = Columns[i];
      const std::string value(fields[i]);
      if (column.width > 0) {
        if (checkText(lineNumber, column, value))
          varnholt::setRecordField(record, column.field, value);
        else
          ok = false;
        continue;
      }
      if (!varnholt::setRecordField(record, column.field, value)) {
        fail(lineNumber, std::string(column.field) + " '" + value + "' is not a number");
        ok = false;
        continue;
      }
      if (isStat(column.field)) {
        const int stat = std::stoi(*varnholt::recordField(record, column.field));
        if (stat < 0 || stat > 20) {
          fail(lineNumber, std::string(column.field) + " " + value + " is outside 0..20");
          ok = false;
        }
      }
    }
    if (!ok) return false;
    const std::string alignment = *varnholt::recordField(record, "Alignment");
    if (alignment != "Face" && alignment != "Heel") {
      fail(lineNumber, "Alignment must be Face or Heel, not '" + alignment + "'");
      return false;
    }
    const std::string name = *varnholt::recordField(record, "Name");
    if (!names_.insert(name).second) {
      fail(lineNumber, "the name '" + name + "' is already in the table");
      return false;
    }
    return true;
  }

  bool checkText(int lineNumber, const Column& column, const std::string& value) {
    const std::size_t length = forms::utf8Length(value);
    if (length == 0 && std::string_view(column.field) == "Name") {
      fail(lineNumber, "the Name is empty");
      return false;
    }
    if (length > column.width) {
      fail(lineNumber, std::string(column.field) + " is " + std::to_string(length) +
                           " characters long, at most " + std::to_string(column.width) + " fit");
      return false;
    }
    if (forms::cp1252ToUtf8(forms::utf8ToCp1252(value)) != value) {
      fail(lineNumber, std::string(column.field) + " '" + value +
                           "' holds a character the game cannot store (not in Windows-1252)");
      return false;
    }
    return true;
  }

  std::string path_;
  std::set<std::string> names_;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: varnholt-makedata INPUT.txt OUTPUT.dat\n";
    return 1;
  }
  std::vector<varnholt::WrestlerRecord> records;
  if (!TableReader(argv[1]).read(records)) return 1;
  if (records.empty()) {
    std::cerr << argv[1] << ":0: the table holds no wrestlers\n";
    return 1;
  }
  if (records.size() > 32767) {
    std::cerr << argv[1] << ":0: too many wrestlers for a 16-bit Id\n";
    return 1;
  }

  std::ostringstream bytes;
  for (const auto& record : records) {
    const auto encoded = varnholt::encodeRecord(record);
    bytes.write(reinterpret_cast<const char*>(encoded.data()), encoded.size());
  }
  std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
  out << bytes.str();
  out.close();
  if (!out) {
    std::cerr << argv[2] << ":0: cannot write the file\n";
    return 1;
  }
  return 0;
}
