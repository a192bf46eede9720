#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "forms/Cp1252.h"
#include "wrestlers/WrestlerRecord.h"

using namespace varnholt;

namespace {

WrestlerRecord sampleRecord() {
  WrestlerRecord r = WrestlerRecord::cleared();
  r.Id = 0x0102;
  r.Name = fitText("Dougie Rackham", NameWidth);
  r.Brawling = 14;
  r.Technical = 9;
  r.Speed = -3;
  r.Over = 300;
  r.Wage = -32768;
  r.Alignment = fitText("Heel", AlignmentWidth);
  r.BirthPlace = fitText("Gateshead", BirthPlaceWidth);
  r.Biography = fitText("Hits hard.", BiographyWidth);
  r.PolaroidPercent = 27;
  return r;
}

std::string textAt(const std::array<unsigned char, RecordLength>& bytes, int offset, int width) {
  return std::string(bytes.begin() + offset, bytes.begin() + offset + width);
}

}  // namespace

TEST(Cp1252, HighRangeMapsBothWays) {
  // The bytes 0x80..0x9F are where Windows-1252 differs from Latin-1.
  EXPECT_EQ(forms::cp1252ToUtf8("\x80"), "€");
  EXPECT_EQ(forms::cp1252ToUtf8("\x93\x94"), "“”");
  EXPECT_EQ(forms::cp1252ToUtf8("\x9f"), "Ÿ");
  EXPECT_EQ(forms::cp1252ToUtf8("\xa3\xe9\xff"), "£éÿ");
  EXPECT_EQ(forms::utf8ToCp1252("€“”Ÿ£éÿ"), "\x80\x93\x94\x9f\xa3\xe9\xff");
  // Unassigned bytes survive as C1 controls.
  EXPECT_EQ(forms::cp1252ToUtf8("\x81"), "\xc2\x81");
  EXPECT_EQ(forms::utf8ToCp1252("\xc2\x81\xc2\x8d\xc2\x8f\xc2\x90\xc2\x9d"), "\x81\x8d\x8f\x90\x9d");
  // Every byte makes the round trip.
  std::string all;
  for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
  EXPECT_EQ(forms::utf8ToCp1252(forms::cp1252ToUtf8(all)), all);
}

// Each byte of the high range as Windows-1252 gives it, one by one: a slip in any one of them would pass a round
// trip, which only needs the table to be one-to-one.
TEST(Cp1252, EachHighByteIsTheCharacterOfTheStandardTable) {
  static const char* const Standard[32] = {
      "€", "\xc2\x81", "‚", "ƒ", "„", "…", "†", "‡", "ˆ", "‰", "Š", "‹", "Œ", "\xc2\x8d", "Ž", "\xc2\x8f",
      "\xc2\x90", "‘", "’", "“", "”", "•", "–", "—", "˜", "™", "š", "›", "œ", "\xc2\x9d", "ž", "Ÿ",
  };
  for (int b = 0x80; b <= 0x9F; ++b) {
    const std::string byte(1, static_cast<char>(b));
    SCOPED_TRACE("byte " + std::to_string(b));
    EXPECT_EQ(forms::cp1252ToUtf8(byte), Standard[b - 0x80]);
    EXPECT_EQ(forms::utf8ToCp1252(Standard[b - 0x80]), byte);
  }
}

TEST(Cp1252, UnstorableAndMalformedBecomeQuestionMarks) {
  EXPECT_EQ(forms::utf8ToCp1252("a☃b"), "a?b");         // no Windows-1252 byte
  EXPECT_EQ(forms::utf8ToCp1252("😀"), "?");             // four-byte sequence
  EXPECT_EQ(forms::utf8ToCp1252("\x80x"), "?x");         // stray continuation byte
  EXPECT_EQ(forms::utf8ToCp1252("x\xc3"), "x?");         // cut-off sequence at the end
  EXPECT_EQ(forms::utf8ToCp1252("\xc0\xaf"), "??");      // overlong encoding
  EXPECT_EQ(forms::utf8ToCp1252("\xe2\x82"), "??");      // truncated three-byte sequence
  EXPECT_EQ(forms::utf8ToCp1252("\xed\xa0\x80"), "???"); // surrogate half
}

TEST(Cp1252, LengthCountsCodePoints) {
  EXPECT_EQ(forms::utf8Length(""), 0u);
  EXPECT_EQ(forms::utf8Length("Dún Laoghaire"), 13u);
  EXPECT_EQ(forms::utf8Length("€😀"), 2u);
  EXPECT_EQ(forms::utf8Length("a\xc3"), 2u);
  EXPECT_EQ(forms::utf8PrefixBytes("£5 each", 2), 3u);
  EXPECT_EQ(forms::utf8PrefixBytes("ab", 5), 2u);
}

TEST(WrestlerRecordCodec, FieldsLandAtTheirOffsetsLittleEndian) {
  const auto bytes = encodeRecord(sampleRecord());
  EXPECT_EQ(bytes[0], 0x02);
  EXPECT_EQ(bytes[1], 0x01);
  EXPECT_EQ(textAt(bytes, 2, 20), "Dougie Rackham      ");
  EXPECT_EQ(bytes[22], 14);
  EXPECT_EQ(bytes[23], 0);
  EXPECT_EQ(bytes[24], 9);
  EXPECT_EQ(bytes[26], 0xFD);  // -3
  EXPECT_EQ(bytes[27], 0xFF);
  EXPECT_EQ(bytes[28], 0x2C);  // 300
  EXPECT_EQ(bytes[29], 0x01);
  EXPECT_EQ(bytes[30], 0x00);  // -32768
  EXPECT_EQ(bytes[31], 0x80);
  EXPECT_EQ(textAt(bytes, 32, 4), "Heel");
  EXPECT_EQ(textAt(bytes, 36, 20), "Gateshead           ");
  EXPECT_EQ(textAt(bytes, 56, 100), "Hits hard." + std::string(90, ' '));
  EXPECT_EQ(bytes[156], 27);
  EXPECT_EQ(bytes[157], 0);
}

TEST(WrestlerRecordCodec, RoundTripKeepsEverything) {
  const WrestlerRecord original = sampleRecord();
  const auto bytes = encodeRecord(original);
  EXPECT_EQ(decodeRecord(bytes.data()), original);

  const WrestlerRecord blank = WrestlerRecord::cleared();
  EXPECT_EQ(decodeRecord(encodeRecord(blank).data()), blank);
}

TEST(WrestlerRecordCodec, TextsAreCutAndPaddedToWidth) {
  WrestlerRecord r = WrestlerRecord::cleared();
  r.Name = "Twenty Characters Ok";  // exactly 20
  r.Alignment = "Face and more";
  r.BirthPlace = "Ely";  // left unpadded in memory: the codec pads it
  auto bytes = encodeRecord(r);
  EXPECT_EQ(textAt(bytes, 2, 20), "Twenty Characters Ok");
  EXPECT_EQ(textAt(bytes, 32, 4), "Face");
  EXPECT_EQ(textAt(bytes, 36, 20), "Ely" + std::string(17, ' '));
  EXPECT_EQ(decodeRecord(bytes.data()).BirthPlace, "Ely" + std::string(17, ' '));

  r.Name = "Twenty-one Characters";
  bytes = encodeRecord(r);
  EXPECT_EQ(textAt(bytes, 2, 20), "Twenty-one Character");
  EXPECT_EQ(bytes[22], 0);  // the cut letter did not spill into Brawling

  WrestlerRecord onlyBlanks = WrestlerRecord::cleared();
  onlyBlanks.Name.clear();
  EXPECT_EQ(textAt(encodeRecord(onlyBlanks), 2, 20), std::string(20, ' '));
}

TEST(WrestlerRecordCodec, AccentedTextIsOneBytePerCharacter) {
  WrestlerRecord r = WrestlerRecord::cleared();
  r.Name = fitText("Séamus Ó Dálaigh", NameWidth);
  r.BirthPlace = fitText("Dún Laoghaire", BirthPlaceWidth);
  r.Biography = fitText("Paid £20 a night, or €25 across the water.", BiographyWidth);
  const auto bytes = encodeRecord(r);
  EXPECT_EQ(textAt(bytes, 2, 20), "S\xe9" "amus \xd3 D\xe1laigh    ");
  EXPECT_EQ(textAt(bytes, 36, 13), "D\xfan Laoghaire");
  EXPECT_EQ(bytes[56 + 5], 0xA3);
  EXPECT_EQ(bytes[56 + 21], 0x80);
  EXPECT_EQ(decodeRecord(bytes.data()), r);

  // Twenty accented letters still fit a twenty-letter field.
  r.Name = std::string();
  for (int i = 0; i < 21; ++i) r.Name += "é";
  const auto cut = encodeRecord(r);
  EXPECT_EQ(textAt(cut, 2, 20), std::string(20, '\xe9'));
  EXPECT_EQ(cut[22], 0);
}

TEST(WrestlerRecordCodec, UnstorableCharacterTakesOnePlace) {
  WrestlerRecord r = WrestlerRecord::cleared();
  r.Name = fitText("Snow☃man", NameWidth);
  EXPECT_EQ(textAt(encodeRecord(r), 2, 20), "Snow?man            ");
}

TEST(WrestlerRecordText, FitAndTrim) {
  EXPECT_EQ(fitText("", 3), "   ");
  EXPECT_EQ(fitText("abcdef", 3), "abc");
  EXPECT_EQ(fitText("£€é", 2), "£€");
  EXPECT_EQ(fitText("é", 3), "é  ");
  EXPECT_EQ(fitText("abc", 0), "");
  EXPECT_EQ(trimTrailingBlanks("  Ray Kell  "), "  Ray Kell");
  EXPECT_EQ(trimTrailingBlanks("    "), "");
  EXPECT_EQ(trimTrailingBlanks(""), "");
}

TEST(WrestlerRecordFields, ClearedIsBlankAtFullWidth) {
  const WrestlerRecord r = WrestlerRecord::cleared();
  EXPECT_EQ(r.Id, 0);
  EXPECT_EQ(r.Name, std::string(20, ' '));
  EXPECT_EQ(r.Alignment, std::string(4, ' '));
  EXPECT_EQ(r.BirthPlace, std::string(20, ' '));
  EXPECT_EQ(r.Biography, std::string(100, ' '));
  EXPECT_EQ(r.Brawling + r.Technical + r.Speed + r.Over + r.Wage + r.PolaroidPercent, 0);
  const auto bytes = encodeRecord(r);
  EXPECT_EQ(bytes[0] | bytes[1] | bytes[22] | bytes[31] | bytes[156] | bytes[157], 0);
}

TEST(WrestlerRecordFields, SetAndReadByName) {
  WrestlerRecord r = WrestlerRecord::cleared();
  EXPECT_TRUE(setRecordField(r, "Name", "Connor Vale"));
  EXPECT_EQ(r.Name, fitText("Connor Vale", 20));
  EXPECT_EQ(recordField(r, "Name"), "Connor Vale");
  EXPECT_TRUE(setRecordField(r, "Biography", "A quick technician from Limerick and a great deal more besides, "
                                             "who never stops talking about it."));
  EXPECT_EQ(forms::utf8Length(r.Biography), 100u);
  EXPECT_EQ(recordField(r, "Alignment"), "");

  const char* numbers[] = {"Id", "Brawling", "Technical", "Speed", "Over", "Wage", "PolaroidPercent"};
  for (const char* field : numbers) {
    EXPECT_TRUE(setRecordField(r, field, "-17")) << field;
    EXPECT_EQ(recordField(r, field), "-17") << field;
  }
  EXPECT_TRUE(setRecordField(r, "Wage", "32767"));
  EXPECT_EQ(r.Wage, 32767);
  EXPECT_TRUE(setRecordField(r, "Over", "+12"));
  EXPECT_EQ(r.Over, 12);
}

TEST(WrestlerRecordFields, RejectsUnknownNamesAndBadNumbers) {
  WrestlerRecord r = WrestlerRecord::cleared();
  r.Speed = 5;
  EXPECT_FALSE(setRecordField(r, "Charisma", "10"));
  EXPECT_FALSE(setRecordField(r, "name", "Lowercase"));
  EXPECT_FALSE(recordField(r, "Charisma").has_value());
  for (const char* bad : {"", "ten", "7x", " 7", "7.5", "32768", "-32769", "+", "-"}) {
    EXPECT_FALSE(setRecordField(r, "Speed", bad)) << '"' << bad << '"';
  }
  EXPECT_EQ(r.Speed, 5);  // a refused value leaves the field alone
  EXPECT_EQ(r, [] {
    WrestlerRecord expected = WrestlerRecord::cleared();
    expected.Speed = 5;
    return expected;
  }());
}

// ---- the databases shipped with the game ----------------------------------------

namespace {

std::vector<WrestlerRecord> readShipped(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  EXPECT_TRUE(in) << path << " is missing";
  const std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_EQ(bytes.size() % RecordLength, 0u) << path;
  std::vector<WrestlerRecord> records;
  for (std::size_t at = 0; at + RecordLength <= bytes.size(); at += RecordLength)
    records.push_back(decodeRecord(bytes.data() + at));
  return records;
}

void checkShipped(const std::vector<WrestlerRecord>& records, std::set<std::string>& names) {
  for (std::size_t i = 0; i < records.size(); ++i) {
    const WrestlerRecord& r = records[i];
    const std::string name = trimTrailingBlanks(r.Name);
    SCOPED_TRACE(name);
    EXPECT_EQ(r.Id, static_cast<int>(i + 1));
    EXPECT_FALSE(name.empty());
    EXPECT_NE(name.front(), ' ');
    EXPECT_TRUE(names.insert(name).second) << "duplicate name";
    for (int stat : {r.Brawling, r.Technical, r.Speed, r.Over}) {
      EXPECT_GE(stat, 0);
      EXPECT_LE(stat, 20);
    }
    EXPECT_GE(r.Wage, 20);
    EXPECT_LE(r.Wage, 300);
    EXPECT_GE(r.PolaroidPercent, 0);
    EXPECT_LE(r.PolaroidPercent, 40);
    EXPECT_TRUE(r.Alignment == "Face" || r.Alignment == "Heel") << r.Alignment;
    EXPECT_FALSE(trimTrailingBlanks(r.BirthPlace).empty());
    EXPECT_FALSE(trimTrailingBlanks(r.Biography).empty());
  }
}

}  // namespace

TEST(ShippedDatabases, FreeAgentsAndStartingRosterAreSound) {
  const auto freeAgents = readShipped("data/wrestlers.dat");
  const auto roster = readShipped("data/promotion.dat");
  EXPECT_GE(freeAgents.size(), 100u);
  EXPECT_LE(freeAgents.size(), 120u);
  EXPECT_GE(roster.size(), 10u);
  EXPECT_LE(roster.size(), 12u);

  // Names are unique across both files: nobody starts on the roster and on
  // the free-agent list at once.
  std::set<std::string> names;
  checkShipped(freeAgents, names);
  checkShipped(roster, names);
}
