#pragma once
// One wrestler as stored in the game's .dat files: a fixed 158-byte record.
//
//   offset   0  Id              int16, little-endian
//            2  Name            20 bytes
//           22  Brawling        int16
//           24  Technical       int16
//           26  Speed           int16
//           28  Over            int16
//           30  Wage            int16
//           32  Alignment       4 bytes ("Face" / "Heel")
//           36  BirthPlace      20 bytes
//           56  Biography       100 bytes
//          156  PolaroidPercent int16
//
// Text is Windows-1252, one byte per character, left-aligned and padded with
// blanks to the full width, with no terminator. In memory the same texts are
// UTF-8, always padded with blanks to their width counted in characters.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace varnholt {

constexpr int RecordLength = 158;

constexpr std::size_t NameWidth = 20;
constexpr std::size_t AlignmentWidth = 4;
constexpr std::size_t BirthPlaceWidth = 20;
constexpr std::size_t BiographyWidth = 100;

struct WrestlerRecord {
  int16_t Id = 0;
  std::string Name;
  int16_t Brawling = 0, Technical = 0, Speed = 0, Over = 0, Wage = 0;
  std::string Alignment, BirthPlace, Biography;
  int16_t PolaroidPercent = 0;

  // Id and numbers 0, all four texts blank at full width.
  static WrestlerRecord cleared();

  bool operator==(const WrestlerRecord&) const = default;
};

// Texts are cut or padded to their widths on the way out.
std::array<unsigned char, RecordLength> encodeRecord(const WrestlerRecord& record);
// Reads RecordLength bytes; texts come back padded to their widths.
WrestlerRecord decodeRecord(const unsigned char* bytes);

// Cuts UTF-8 text to `width` characters, or pads it with blanks up to it.
std::string fitText(std::string_view utf8, std::size_t width);
std::string trimTrailingBlanks(std::string_view text);

// Field access by name: Id, Name, Brawling, Technical, Speed, Over, Wage,
// Alignment, BirthPlace, Biography, PolaroidPercent.
// setRecordField fits texts to their widths; it returns false for an unknown
// name, or for a number field given something that is not a whole number in
// the int16 range. recordField gives texts without trailing blanks and numbers
// in decimal, or nothing for an unknown name.
bool setRecordField(WrestlerRecord& record, std::string_view field, std::string_view value);
std::optional<std::string> recordField(const WrestlerRecord& record, std::string_view field);

}  // namespace varnholt
