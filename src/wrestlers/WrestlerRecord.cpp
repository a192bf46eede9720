#include "wrestlers/WrestlerRecord.h"

#include <charconv>

#include "forms/Cp1252.h"

namespace varnholt {
namespace {

constexpr std::size_t IdOffset = 0;
constexpr std::size_t NameOffset = 2;
constexpr std::size_t BrawlingOffset = 22;
constexpr std::size_t TechnicalOffset = 24;
constexpr std::size_t SpeedOffset = 26;
constexpr std::size_t OverOffset = 28;
constexpr std::size_t WageOffset = 30;
constexpr std::size_t AlignmentOffset = 32;
constexpr std::size_t BirthPlaceOffset = 36;
constexpr std::size_t BiographyOffset = 56;
constexpr std::size_t PolaroidOffset = 156;

using Bytes = std::array<unsigned char, RecordLength>;

void putInt16(Bytes& out, std::size_t offset, int16_t value) {
  const auto bits = static_cast<uint16_t>(value);
  out[offset] = static_cast<unsigned char>(bits & 0xFF);
  out[offset + 1] = static_cast<unsigned char>(bits >> 8);
}

int16_t getInt16(const unsigned char* bytes, std::size_t offset) {
  const auto bits = static_cast<uint16_t>(bytes[offset] | (bytes[offset + 1] << 8));
  return static_cast<int16_t>(bits);
}

void putText(Bytes& out, std::size_t offset, std::size_t width, const std::string& utf8) {
  // Fit first in characters, so a character with no Windows-1252 byte still
  // takes exactly one place once it has become '?'.
  const std::string encoded = forms::utf8ToCp1252(fitText(utf8, width));
  for (std::size_t i = 0; i < width; ++i)
    out[offset + i] = i < encoded.size() ? static_cast<unsigned char>(encoded[i]) : ' ';
}

std::string getText(const unsigned char* bytes, std::size_t offset, std::size_t width) {
  const std::string_view raw(reinterpret_cast<const char*>(bytes + offset), width);
  return forms::cp1252ToUtf8(raw);
}

struct TextField {
  std::string_view name;
  std::string WrestlerRecord::*member;
  std::size_t width;
};

struct NumberField {
  std::string_view name;
  int16_t WrestlerRecord::*member;
};

constexpr TextField TextFields[] = {
    {"Name", &WrestlerRecord::Name, NameWidth},
    {"Alignment", &WrestlerRecord::Alignment, AlignmentWidth},
    {"BirthPlace", &WrestlerRecord::BirthPlace, BirthPlaceWidth},
    {"Biography", &WrestlerRecord::Biography, BiographyWidth},
};

constexpr NumberField NumberFields[] = {
    {"Id", &WrestlerRecord::Id},
    {"Brawling", &WrestlerRecord::Brawling},
    {"Technical", &WrestlerRecord::Technical},
    {"Speed", &WrestlerRecord::Speed},
    {"Over", &WrestlerRecord::Over},
    {"Wage", &WrestlerRecord::Wage},
    {"PolaroidPercent", &WrestlerRecord::PolaroidPercent},
};

std::optional<int16_t> parseInt16(std::string_view text) {
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  if (value < INT16_MIN || value > INT16_MAX) return std::nullopt;
  return static_cast<int16_t>(value);
}

}  // namespace

WrestlerRecord WrestlerRecord::cleared() {
  WrestlerRecord record;
  record.Name = std::string(NameWidth, ' ');
  record.Alignment = std::string(AlignmentWidth, ' ');
  record.BirthPlace = std::string(BirthPlaceWidth, ' ');
  record.Biography = std::string(BiographyWidth, ' ');
  return record;
}

std::array<unsigned char, RecordLength> encodeRecord(const WrestlerRecord& record) {
  Bytes out{};
  putInt16(out, IdOffset, record.Id);
  putText(out, NameOffset, NameWidth, record.Name);
  putInt16(out, BrawlingOffset, record.Brawling);
  putInt16(out, TechnicalOffset, record.Technical);
  putInt16(out, SpeedOffset, record.Speed);
  putInt16(out, OverOffset, record.Over);
  putInt16(out, WageOffset, record.Wage);
  putText(out, AlignmentOffset, AlignmentWidth, record.Alignment);
  putText(out, BirthPlaceOffset, BirthPlaceWidth, record.BirthPlace);
  putText(out, BiographyOffset, BiographyWidth, record.Biography);
  putInt16(out, PolaroidOffset, record.PolaroidPercent);
  return out;
}

WrestlerRecord decodeRecord(const unsigned char* bytes) {
  WrestlerRecord record;
  record.Id = getInt16(bytes, IdOffset);
  record.Name = getText(bytes, NameOffset, NameWidth);
  record.Brawling = getInt16(bytes, BrawlingOffset);
  record.Technical = getInt16(bytes, TechnicalOffset);
  record.Speed = getInt16(bytes, SpeedOffset);
  record.Over = getInt16(bytes, OverOffset);
  record.Wage = getInt16(bytes, WageOffset);
  record.Alignment = getText(bytes, AlignmentOffset, AlignmentWidth);
  record.BirthPlace = getText(bytes, BirthPlaceOffset, BirthPlaceWidth);
  record.Biography = getText(bytes, BiographyOffset, BiographyWidth);
  record.PolaroidPercent = getInt16(bytes, PolaroidOffset);
  return record;
}

std::string fitText(std::string_view utf8, std::size_t width) {
  std::string out(utf8.substr(0, forms::utf8PrefixBytes(utf8, width)));
  const std::size_t length = forms::utf8Length(out);
  out.append(width - length, ' ');
  return out;
}

std::string trimTrailingBlanks(std::string_view text) {
  const auto last = text.find_last_not_of(' ');
  return std::string(last == std::string_view::npos ? std::string_view{} : text.substr(0, last + 1));
}

bool setRecordField(WrestlerRecord& record, std::string_view field, std::string_view value) {
  for (const auto& text : TextFields) {
    if (text.name == field) {
      record.*text.member = fitText(value, text.width);
      return true;
    }
  }
  for (const auto& number : NumberFields) {
    if (number.name == field) {
      const auto parsed = parseInt16(value);
      if (!parsed) return false;
      record.*number.member = *parsed;
      return true;
    }
  }
  return false;
}

std::optional<std::string> recordField(const WrestlerRecord& record, std::string_view field) {
  for (const auto& text : TextFields)
    if (text.name == field) return trimTrailingBlanks(record.*text.member);
  for (const auto& number : NumberFields)
    if (number.name == field) return std::to_string(record.*number.member);
  return std::nullopt;
}

}  // namespace varnholt
