// The saved-game file: its line table, its integer lines, the line breaks of the notes, and reading
// and writing it whole.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "GameFixture.h"
#include "forms/Files.h"
#include "savedgames/SavedGame.h"

namespace varnholt {
namespace {

namespace fs = std::filesystem;

using testing::fileBytes;

void writeBytes(const fs::path& p, const std::string& bytes) {
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out << bytes;
}

std::vector<std::string> numberedValues() {
    std::vector<std::string> v;
    for (int k = 1; k <= SavedGameLineCount; ++k) v.push_back("v" + std::to_string(k));
    return v;
}

class SavedGameFile : public ::testing::Test {
protected:
    scenario::TempFolder made_{"varnholt-savedgame"};
    const fs::path dir_ = made_.path();
};

TEST(SavedGameLines, EveryTextLineHasItsOwnField) {
    std::set<std::pair<std::string, std::string>> seen;
    for (const auto& f : SavedGameFields) EXPECT_TRUE(seen.insert({f.screen, f.control}).second) << f.screen << " " << f.control;
    EXPECT_EQ(seen.size(), 141u);

    auto line = [](int k) { return std::pair<std::string, std::string>(SavedGameFields[static_cast<std::size_t>(k - 1)].screen,
                                                                      SavedGameFields[static_cast<std::size_t>(k - 1)].control); };
    using P = std::pair<std::string, std::string>;
    EXPECT_EQ(line(1), P("FederationHub", "Text1"));
    EXPECT_EQ(line(8), P("FederationHub", "Text8"));
    EXPECT_EQ(line(9), P("NotesPad", "Text1"));
    EXPECT_EQ(line(54), P("ChampionsScreen", "Text45"));
    EXPECT_EQ(line(55), P("StaffScreen", "Label3"));
    EXPECT_EQ(line(60), P("StaffScreen", "Text28"));
    EXPECT_EQ(line(62), P("StaffScreen", "Text54"));
    EXPECT_EQ(line(80), P("FederationInfoScreen", "Text18"));
    EXPECT_EQ(line(82), P("SponsorScreen", "Text26"));
    EXPECT_EQ(line(84), P("FinanceScreen", "Label4"));
    EXPECT_EQ(line(96), P("FinanceScreen", "Label28"));
    EXPECT_EQ(line(97), P("FinanceScreen", "Label31"));
    EXPECT_EQ(line(131), P("FinanceScreen", "Label65"));
    EXPECT_EQ(line(132), P("FinanceScreen", "Label67"));
    EXPECT_EQ(line(135), P("FinanceScreen", "Label70"));
    EXPECT_EQ(line(136), P("FederationHub", "Text9"));
    EXPECT_EQ(line(137), P("ChampionsScreen", "Label1"));
    EXPECT_EQ(line(138), P("ChampionsScreen", "Label4"));
    EXPECT_EQ(line(140), P("ChampionsScreen", "Label37"));
    EXPECT_EQ(line(141), P("FederationHub", "List1"));
    EXPECT_EQ(SavedRivalSlots[8], 10);
    EXPECT_EQ(SavedRivalSlots[9], 9);
}

TEST(SavedGameLines, IntegerLinesWrittenAndRead) {
    EXPECT_EQ(SavedIntegerLine(70), " 70");
    EXPECT_EQ(SavedIntegerLine(0), " 0");
    EXPECT_EQ(SavedIntegerLine(-250), "-250");
    EXPECT_EQ(SavedIntegerLine(50000), " 50000");

    EXPECT_EQ(SavedInteger16(" 70"), 70);
    EXPECT_EQ(SavedInteger16("  -3  "), -3);
    EXPECT_EQ(SavedInteger16(""), 0);
    EXPECT_EQ(SavedInteger16("   "), 0);
    EXPECT_EQ(SavedInteger16("12.5"), 12);
    EXPECT_EQ(SavedInteger16("13.5"), 14);
    EXPECT_EQ(SavedInteger16("32767"), 32767);
    EXPECT_FALSE(SavedInteger16("32768"));
    EXPECT_FALSE(SavedInteger16("seventy"));
    EXPECT_FALSE(SavedInteger16("7 0"));
    // The money passes 32767 in a successful federation and must come back whole.
    EXPECT_EQ(SavedInteger32(" 50000"), 50000);
    EXPECT_EQ(SavedInteger32("-40000"), -40000);
    EXPECT_FALSE(SavedInteger32("lots"));
}

TEST(SavedGameLines, LineBreaksOnlyChangeTheNotes) {
    for (std::string single : {"", " Ewan, \"Big\" Gallacher ", "4.5", "Mr. Tavish's"}) {
        EXPECT_EQ(EncodeSavedValue(single), single);
        EXPECT_EQ(DecodeSavedValue(single), single);
    }
    const std::string notes = "Week 3:\r\nbook the cage match\r\n\r\nsign a sponsor";
    const std::string stored = EncodeSavedValue(notes);
    EXPECT_EQ(stored.find('\r'), std::string::npos);
    EXPECT_EQ(stored.find('\n'), std::string::npos);
    EXPECT_EQ(DecodeSavedValue(stored), notes);
    // A lone break of either kind is kept as a break.
    EXPECT_EQ(DecodeSavedValue(EncodeSavedValue("a\nb\rc")), "a\r\nb\r\nc");
}

TEST_F(SavedGameFile, WritesCrLfLinesAndReadsThemBack) {
    auto values = numberedValues();
    values[0] = " Ewan, \"Big\" Gallacher ";
    values[1] = "";
    values[8] = "first\r\nsecond";
    values[2] = "Caf\xC3\xA9";  // one character of the game's single-byte set
    const fs::path p = dir_ / "1.qavle";
    ASSERT_TRUE(WriteSavedGameFile(p, values));

    const std::string bytes = fileBytes(p);
    const std::string head = " Ewan, \"Big\" Gallacher \r\n\r\nCaf\xE9\r\n";
    EXPECT_EQ(bytes.substr(0, head.size()), head);
    EXPECT_NE(bytes.find("first\x7Fsecond\r\n"), std::string::npos);
    EXPECT_EQ(bytes.substr(bytes.size() - 6), "v155\r\n");
    EXPECT_FALSE(fs::exists(dir_ / "1.qavle.tmp"));

    std::vector<std::string> back;
    ASSERT_EQ(ReadSavedGameFile(p, back), SavedGameRead::Complete);
    EXPECT_EQ(back, values);

    // A value list of the wrong length is not a saved game.
    EXPECT_FALSE(WriteSavedGameFile(dir_ / "2.qavle", std::vector<std::string>(100)));
    EXPECT_FALSE(fs::exists(dir_ / "2.qavle"));
}

TEST_F(SavedGameFile, ShortLongMissingAndForeignFiles) {
    std::vector<std::string> values;
    EXPECT_EQ(ReadSavedGameFile(dir_ / "3.qavle", values), SavedGameRead::Missing);
    fs::create_directories(dir_ / "4.qavle");
    EXPECT_EQ(ReadSavedGameFile(dir_ / "4.qavle", values), SavedGameRead::Missing);

    std::string hundred;
    for (int k = 1; k <= 100; ++k) hundred += "x\r\n";
    writeBytes(dir_ / "short.qavle", hundred);
    EXPECT_EQ(ReadSavedGameFile(dir_ / "short.qavle", values), SavedGameRead::Short);
    EXPECT_TRUE(values.empty());

    // Lines after the 155th are not read; a last line without its CR LF still counts; LF ends read too.
    std::string longer;
    for (int k = 1; k <= 160; ++k) longer += "L" + std::to_string(k) + "\n";
    writeBytes(dir_ / "long.qavle", longer);
    ASSERT_EQ(ReadSavedGameFile(dir_ / "long.qavle", values), SavedGameRead::Complete);
    EXPECT_EQ(values.size(), 155u);
    EXPECT_EQ(values[154], "L155");
    std::string unended;
    for (int k = 1; k <= 155; ++k) unended += "E" + std::to_string(k) + (k < 155 ? "\r\n" : "");
    writeBytes(dir_ / "unended.qavle", unended);
    ASSERT_EQ(ReadSavedGameFile(dir_ / "unended.qavle", values), SavedGameRead::Complete);
    EXPECT_EQ(values[154], "E155");
}

TEST_F(SavedGameFile, AFailedWriteKeepsThePreviousFile) {
    const fs::path p = dir_ / "1.qavle";
    ASSERT_TRUE(WriteSavedGameFile(p, numberedValues()));
    const std::string before = fileBytes(p);
    // The temporary file cannot be made: the write fails and says so, and the old save stays whole.
    fs::create_directories(dir_ / "1.qavle.tmp");
    auto other = numberedValues();
    other[0] = "another game";
    EXPECT_FALSE(WriteSavedGameFile(p, other));
    EXPECT_EQ(fileBytes(p), before);
    EXPECT_FALSE(WriteSavedGameFile(dir_ / "no-such-folder" / "2.qavle", other));

    // The same holds for a record-file copy.
    writeBytes(dir_ / "old.dat", "old");
    writeBytes(dir_ / "new.dat", "new");
    EXPECT_FALSE(forms::replaceWithCopy(dir_ / "missing.dat", dir_ / "old.dat"));
    EXPECT_EQ(fileBytes(dir_ / "old.dat"), "old");
    ASSERT_TRUE(forms::replaceWithCopy(dir_ / "new.dat", dir_ / "old.dat"));
    EXPECT_EQ(fileBytes(dir_ / "old.dat"), "new");
    EXPECT_FALSE(fs::exists(dir_ / "old.dat.tmp"));
}

}  // namespace
}  // namespace varnholt
