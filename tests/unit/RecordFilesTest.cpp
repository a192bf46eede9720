// Listing and finding wrestlers in the record files, and counting what a file holds.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <limits>

#include "GameFixture.h"
#include "forms/Control.h"
#include "forms/Files.h"
#include "wrestlers/RecordFiles.h"
#include "wrestlers/WrestlerRecord.h"

namespace varnholt {
namespace {

TEST(CountRule, PartialRecordsRoundToEven) {
    EXPECT_EQ(CountRule(0), 0);
    EXPECT_EQ(CountRule(158), 1);
    EXPECT_EQ(CountRule(395), 2);  // 2.5 records
    EXPECT_EQ(CountRule(553), 4);  // 3.5 records
    EXPECT_EQ(CountRule(158 + 79), 2);  // a tie goes to the even count
    EXPECT_EQ(CountRule(158 + 80), 2);
    EXPECT_EQ(CountRule(158 * 2 + 79), 2);
    EXPECT_EQ(CountRule(158 * 2 + 80), 3);
    // Past what 16 bits count, and a length no count could hold.
    EXPECT_EQ(CountRule(158ull * 40000), 40000);
    EXPECT_EQ(CountRule(std::numeric_limits<std::uintmax_t>::max()), std::numeric_limits<int32_t>::max());
}

TEST(CountRule, RecordsPastTheSixteenBitIdAreNumberedZero) {
    EXPECT_EQ(IdForPosition(1), 1);
    EXPECT_EQ(IdForPosition(32767), 32767);
    EXPECT_EQ(IdForPosition(32768), 0);
    EXPECT_EQ(IdForPosition(100000), 0);
}

class RecordFiles : public testing::GameFixture {
protected:
    void SetUp() override {
        GameFixture::SetUp();
        BuildFilePaths(game());
        std::filesystem::remove(folder_ / "promotion.dat");
    }
    void writeRoster(std::initializer_list<const char*> names) {
        long n = 1;
        for (const char* name : names) {
            game().CurrentWrestler = WrestlerRecord::cleared();
            game().CurrentWrestler.Id = static_cast<int16_t>(n);
            game().CurrentWrestler.Name = fitText(name, NameWidth);
            game().CurrentWrestler.Over = static_cast<int16_t>(n * 2);
            ASSERT_TRUE(WriteRecordFrom(game(), game().RosterFilePath, n++));
        }
        CountRecordFiles(game());
    }
    forms::Control& list() { return game().form("MainMenu").c("File1"); }
};

TEST_F(RecordFiles, FindByNameIsExactAndCaseSensitive) {
    writeRoster({"Ash Corrigan", "Brody", "Cal Wetherby", "Brody", "Dunc Pryor"});
    FindRosterRecord(game(), "Brody");
    EXPECT_EQ(game().CurrentRecordNumber, 2);  // the first of two with the same name
    EXPECT_EQ(game().CurrentWrestler.Over, 4);
    EXPECT_EQ(game().CurrentWrestler.Name, fitText("Brody", NameWidth));

    for (const char* miss : {"brody", " Brody", "Brody ", "Nobody"}) {
        FindRosterRecord(game(), miss);
        EXPECT_EQ(game().CurrentRecordNumber, 6) << miss;
        EXPECT_EQ(game().CurrentWrestler, WrestlerRecord::cleared()) << miss;
    }
}

TEST_F(RecordFiles, AbsentNameInAnEmptyOrMissingFile) {
    FindRosterRecord(game(), "Anyone");
    EXPECT_EQ(game().CurrentRecordNumber, 1);
    EXPECT_EQ(game().CurrentWrestler, WrestlerRecord::cleared());
    // Looking creates the file empty, as opening it always has.
    EXPECT_EQ(forms::fileLength(folder_ / "promotion.dat"), 0u);
}

TEST_F(RecordFiles, TwentyCharacterNamesAreListedAndFoundWhole) {
    writeRoster({"Bartholomew Quennell", "Ivo Starke"});
    FindRosterRecord(game(), "Bartholomew Quennell");
    EXPECT_EQ(game().CurrentRecordNumber, 1);
    FindRosterRecord(game(), "Bartholomew Quennellx");
    EXPECT_EQ(game().CurrentRecordNumber, 3);

    RosterIntoList(game(), list());
    ASSERT_EQ(list().listCount(), 2);
    EXPECT_EQ(list().item(0), "Bartholomew Quennell");
    EXPECT_EQ(list().item(1), "Ivo Starke");
    // The fill leaves the last record read in the buffer.
    EXPECT_EQ(game().CurrentWrestler.Name, fitText("Ivo Starke", NameWidth));
}

TEST_F(RecordFiles, ListFollowsTheCountNotTheFile) {
    writeRoster({"Ash Corrigan", "Brody", "Cal Wetherby"});
    game().RosterCount = 2;
    RosterIntoList(game(), list());
    EXPECT_EQ(list().listCount(), 2);
    game().RosterCount = 0;
    game().CurrentWrestler.Over = 17;
    RosterIntoList(game(), list());
    EXPECT_EQ(list().listCount(), 0);
    EXPECT_EQ(game().CurrentWrestler.Over, 17);
}

TEST_F(RecordFiles, AnAbsentNameIsLookedForToTheEndOfAHugeFile) {
    writeRoster({"Ash Corrigan"});
    std::filesystem::resize_file(folder_ / "promotion.dat", 158ull * 40000);
    FindRosterRecord(game(), "Nobody");
    EXPECT_EQ(game().CurrentRecordNumber, 40001);
    CountRecordFiles(game());
    EXPECT_EQ(game().RosterCount, 40000);
}

TEST_F(RecordFiles, PartialLastRecordIsNotFound) {
    writeRoster({"Ash Corrigan", "Brody"});
    std::filesystem::resize_file(folder_ / "promotion.dat", 158 + 100);
    FindRosterRecord(game(), "Brody");
    EXPECT_EQ(game().CurrentRecordNumber, 2);
    EXPECT_EQ(game().CurrentWrestler, WrestlerRecord::cleared());
    CountRecordFiles(game());
    EXPECT_EQ(game().RosterCount, 2);

    // The count rounds the partial record up, so the list shows it as a blank entry, not as raw bytes.
    RosterIntoList(game(), list());
    ASSERT_EQ(list().listCount(), 2);
    EXPECT_EQ(list().item(0), "Ash Corrigan");
    EXPECT_EQ(list().item(1), "");
    EXPECT_EQ(game().CurrentWrestler, WrestlerRecord::cleared());
}


// An append goes after the last whole record of the file as it is, whatever the count held: never over a
// wrestler when the count is behind the file, never past the end when it is ahead, and over a torn tail.
TEST_F(RecordFiles, AnAppendLandsAfterTheLastWholeRecordWhateverTheCount) {
    const auto file = folder_ / "promotion.dat";
    writeRoster({"Ash Corrigan", "Brody", "Cal Wetherby"});
    const struct { int32_t staleCount; long lands; } cases[] = {{1, 4}, {40, 5}};
    for (const auto& c : cases) {
        game().RosterCount = c.staleCount;
        game().CurrentWrestler.Name = fitText("Dunc Pryor", NameWidth);
        EXPECT_EQ(AppendRecordFrom(game(), game().RosterFilePath), c.lands);
        EXPECT_EQ(game().CurrentWrestler.Id, c.lands);
        EXPECT_EQ(forms::fileLength(file), 158u * static_cast<unsigned>(c.lands));
    }
    std::filesystem::resize_file(file, 158 * 5 + 100);
    EXPECT_EQ(AppendRecordFrom(game(), game().RosterFilePath), 6);
    EXPECT_EQ(forms::fileLength(file), 158u * 6);
    FindRosterRecord(game(), "Cal Wetherby");
    EXPECT_EQ(game().CurrentRecordNumber, 3);
}

}  // namespace
}  // namespace varnholt
