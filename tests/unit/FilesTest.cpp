// Game paths, whole-file helpers, fixed-length records and text lines.
#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <iterator>
#include <string>

#include "forms/Files.h"
#include "scenario/ProgramFolder.h"

using namespace forms;

namespace {

// A fresh folder per test under the system's temporary folder, removed afterwards.
class FilesOnDisk : public ::testing::Test {
protected:
    fs::path at(const std::string& name) const { return dir_.path() / name; }

    static void put(const fs::path& p, const std::string& bytes) {
        std::ofstream out(p, std::ios::binary | std::ios::trunc);
        out << bytes;
    }
    static std::string get(const fs::path& p) {
        std::ifstream in(p, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    varnholt::scenario::TempFolder dir_{"varnholt-files"};
};

using Record = std::array<unsigned char, 4>;

}  // namespace

TEST(FilesGamePath, BackslashAndSlashNameTheSameFile) {
    fs::path folder = "/game";
    EXPECT_EQ(gamePath(folder, "\\data\\wrestlers.dat"), folder / "data" / "wrestlers.dat");
    EXPECT_EQ(gamePath(folder, "/data/wrestlers.dat"), folder / "data" / "wrestlers.dat");
    EXPECT_EQ(gamePath(folder, "/promotion.dat"), folder / "promotion.dat");
    EXPECT_EQ(gamePath(folder, "promotion.dat"), folder / "promotion.dat");
    EXPECT_EQ(gamePath(folder, "\\saves\\s1\\\\game.dat"), folder / "saves" / "s1" / "game.dat");
    EXPECT_EQ(gamePath(folder, ""), folder);
}

TEST_F(FilesOnDisk, LengthOfAMissingFileIsZero) {
    EXPECT_EQ(fileLength(at("missing.dat")), 0u);
    EXPECT_FALSE(fileExists(at("missing.dat")));
    put(at("five.dat"), "12345");
    EXPECT_EQ(fileLength(at("five.dat")), 5u);
    EXPECT_TRUE(fileExists(at("five.dat")));
    EXPECT_FALSE(fileExists(dir_.path()));  // a folder is not a file
}

TEST_F(FilesOnDisk, CopyReplacesAnExistingFile) {
    put(at("a.dat"), "new contents");
    put(at("b.dat"), "old, and longer than the new contents");
    EXPECT_TRUE(replaceWithCopy(at("a.dat"), at("b.dat")));
    EXPECT_EQ(get(at("b.dat")), "new contents");
    EXPECT_EQ(get(at("a.dat")), "new contents");

    EXPECT_TRUE(replaceWithCopy(at("a.dat"), at("a.dat")));  // onto itself: nothing lost
    EXPECT_EQ(get(at("a.dat")), "new contents");

    EXPECT_FALSE(replaceWithCopy(at("missing.dat"), at("c.dat")));
    EXPECT_FALSE(fileExists(at("c.dat")));
}

TEST_F(FilesOnDisk, ACopyOfRecordsLeavesATornLastRecordBehind) {
    put(at("whole.dat"), "abcdefgh");
    put(at("torn.dat"), "abcdefghij");
    put(at("copy.dat"), "an older and longer copy");
    EXPECT_TRUE(replaceWithCopy(at("torn.dat"), at("copy.dat"), 4));
    EXPECT_EQ(get(at("copy.dat")), "abcdefgh");
    EXPECT_TRUE(replaceWithCopy(at("whole.dat"), at("copy2.dat"), 4));
    EXPECT_EQ(get(at("copy2.dat")), "abcdefgh");
    put(at("short.dat"), "ab");
    EXPECT_TRUE(replaceWithCopy(at("short.dat"), at("copy.dat"), 4));
    EXPECT_EQ(get(at("copy.dat")), "");
    EXPECT_TRUE(replaceWithCopy(at("torn.dat"), at("torn.dat"), 4));  // onto itself: nothing lost
    EXPECT_EQ(get(at("torn.dat")), "abcdefghij");
    EXPECT_FALSE(replaceWithCopy(at("missing.dat"), at("c.dat"), 4));
    EXPECT_FALSE(fileExists(at("c.dat")));
}

TEST_F(FilesOnDisk, RenameAndDelete) {
    put(at("old.dat"), "x");
    EXPECT_TRUE(renameFile(at("old.dat"), at("new.dat")));
    EXPECT_FALSE(fileExists(at("old.dat")));
    EXPECT_EQ(get(at("new.dat")), "x");
    EXPECT_FALSE(renameFile(at("old.dat"), at("other.dat")));

    EXPECT_TRUE(deleteFile(at("new.dat")));
    EXPECT_FALSE(fileExists(at("new.dat")));
    EXPECT_FALSE(deleteFile(at("new.dat")));
}

TEST_F(FilesOnDisk, OpeningAMissingRecordFileCreatesItEmpty) {
    {
        RecordFile f(at("r.dat"), 4);
        ASSERT_TRUE(f.isOpen());
        EXPECT_EQ(f.wholeRecords(), 0);
        Record r;
        r.fill(0xAA);
        EXPECT_FALSE(f.read(1, r.data()));
        EXPECT_EQ(r, Record{});
    }
    EXPECT_TRUE(fileExists(at("r.dat")));
    EXPECT_EQ(fileLength(at("r.dat")), 0u);
}

TEST_F(FilesOnDisk, RecordsReadBackAndAPartialLastRecordIsNotWhole) {
    put(at("r.dat"), std::string("ABCDEFGHij", 10));  // two whole records and two bytes
    RecordFile f(at("r.dat"), 4);
    EXPECT_EQ(f.wholeRecords(), 2);

    Record r;
    ASSERT_TRUE(f.read(2, r.data()));
    EXPECT_EQ(std::string(r.begin(), r.end()), "EFGH");
    ASSERT_TRUE(f.read(1, r.data()));
    EXPECT_EQ(std::string(r.begin(), r.end()), "ABCD");

    r.fill(0xAA);
    EXPECT_FALSE(f.read(3, r.data()));  // only "ij" is there
    EXPECT_EQ(r, Record{});
    r.fill(0xAA);
    EXPECT_FALSE(f.read(9, r.data()));
    EXPECT_EQ(r, Record{});
    EXPECT_FALSE(f.read(0, r.data()));

    // A failed read leaves the file usable.
    ASSERT_TRUE(f.read(2, r.data()));
    EXPECT_EQ(std::string(r.begin(), r.end()), "EFGH");
}

TEST_F(FilesOnDisk, WritingPastTheEndZeroFillsTheGap) {
    {
        RecordFile f(at("r.dat"), 4);
        Record third{'W', 'X', 'Y', 'Z'};
        ASSERT_TRUE(f.write(3, third.data()));
        EXPECT_EQ(f.wholeRecords(), 3);

        Record r;
        r.fill(0xAA);
        ASSERT_TRUE(f.read(1, r.data()));
        EXPECT_EQ(r, Record{});
        ASSERT_TRUE(f.read(3, r.data()));
        EXPECT_EQ(r, third);
        EXPECT_TRUE(f.flushAndClose());
        EXPECT_FALSE(f.isOpen());
    }
    EXPECT_EQ(get(at("r.dat")), std::string("\0\0\0\0\0\0\0\0WXYZ", 12));
}

TEST_F(FilesOnDisk, OverwritingARecordKeepsItsNeighbours) {
    put(at("r.dat"), "AAAABBBBCCCC");
    {
        RecordFile f(at("r.dat"), 4);
        Record r;
        ASSERT_TRUE(f.read(3, r.data()));  // a read, then a write on the same file
        Record b{'b', 'b', 'b', 'b'};
        ASSERT_TRUE(f.write(2, b.data()));
        ASSERT_TRUE(f.read(2, r.data()));
        EXPECT_EQ(r, b);
        EXPECT_EQ(f.wholeRecords(), 3);
        EXPECT_FALSE(f.write(0, b.data()));
    }
    EXPECT_EQ(get(at("r.dat")), "AAAAbbbbCCCC");
}

// Records read or written one after another in order, and reads and writes taking turns where the
// stream already stands: each lands at its own record.
TEST_F(FilesOnDisk, ReadsAndWritesInTurnAtTheNextRecord) {
    put(at("r.dat"), "AAAABBBBCCCCDDDD");
    {
        RecordFile f(at("r.dat"), 4);
        Record r, x{'x', 'x', 'x', 'x'}, y{'y', 'y', 'y', 'y'}, z{'z', 'z', 'z', 'z'};
        ASSERT_TRUE(f.read(1, r.data()));
        ASSERT_TRUE(f.write(2, x.data()));  // right after the record just read
        ASSERT_TRUE(f.read(3, r.data()));   // right after the record just written
        EXPECT_EQ(std::string(r.begin(), r.end()), "CCCC");
        ASSERT_TRUE(f.write(4, y.data()));
        ASSERT_TRUE(f.write(5, z.data()));  // on at the end
        ASSERT_TRUE(f.write(7, x.data()));  // past the end: the gap is zeros
        ASSERT_TRUE(f.read(5, r.data()));
        EXPECT_EQ(r, z);
        EXPECT_TRUE(f.flushAndClose());
    }
    EXPECT_EQ(get(at("r.dat")), std::string("AAAAxxxxCCCCyyyyzzzz\0\0\0\0xxxx", 28));
}

TEST_F(FilesOnDisk, LinesAreWrittenWithCrLfAndReadWithout) {
    ASSERT_TRUE(writeLines(at("t.txt"), {"first", "", "third line"}));
    EXPECT_EQ(get(at("t.txt")), "first\r\n\r\nthird line\r\n");
    EXPECT_EQ(readLines(at("t.txt")), (std::vector<std::string>{"first", "", "third line"}));

    put(at("mixed.txt"), "unix\nwindows\r\nlast without end");
    EXPECT_EQ(readLines(at("mixed.txt")), (std::vector<std::string>{"unix", "windows", "last without end"}));

    EXPECT_TRUE(readLines(at("missing.txt")).empty());
    ASSERT_TRUE(writeLines(at("t.txt"), {}));
    EXPECT_EQ(fileLength(at("t.txt")), 0u);
    EXPECT_FALSE(writeLines(dir_.path() / "no-such-folder" / "t.txt", {"x"}));
}

// A group of files replaced as one, and what a later run makes of a replace that was cut short.
TEST_F(FilesOnDisk, FilesReplacedAsOneAreAllOldOrAllNewWhateverWasLeft) {
    const fs::path marker = at("saving.lst");
    put(at("a"), "old a");
    put(at("b"), "old b");
    auto stageBoth = [&] {
        ASSERT_TRUE(stageBytes(stagedName(at("a")), "new a"));
        ASSERT_TRUE(stageBytes(stagedName(at("b")), "new b"));
    };
    const std::vector<std::pair<fs::path, fs::path>> pairs{{stagedName(at("a")), at("a")},
                                                           {stagedName(at("b")), at("b")}};
    const std::vector<fs::path> leftovers{stagedName(at("a")), stagedName(at("b"))};

    // Staged but never committed: the staged files go, the old ones stay.
    stageBoth();
    EXPECT_EQ(finishMarkedReplace(marker, leftovers), MarkedReplace::Clean);
    EXPECT_EQ(get(at("a")) + "/" + get(at("b")), "old a/old b");
    EXPECT_FALSE(fileExists(stagedName(at("a"))));

    // A marker cut short while it was written counts as none.
    stageBoth();
    put(marker, "varnholt replace\n2\n" + stagedName(at("a")).string() + "\n");
    EXPECT_EQ(finishMarkedReplace(marker, leftovers), MarkedReplace::Clean);
    EXPECT_EQ(get(at("a")) + "/" + get(at("b")), "old a/old b");
    EXPECT_FALSE(fileExists(marker));

    // Committed, and stopped after the first rename: the next run finishes the second.
    stageBoth();
    ASSERT_TRUE(replaceWithBytes(marker, "varnholt replace\n2\n" + pairs[0].first.string() + "\n" +
                                             pairs[0].second.string() + "\n" + pairs[1].first.string() + "\n" +
                                             pairs[1].second.string() + "\nend\n"));
    ASSERT_TRUE(renameFile(pairs[0].first, pairs[0].second));
    EXPECT_EQ(finishMarkedReplace(marker, leftovers), MarkedReplace::Finished);
    EXPECT_EQ(get(at("a")) + "/" + get(at("b")), "new a/new b");
    EXPECT_FALSE(fileExists(marker));

    // A committed replace whose new file is gone with its staged copy cannot be finished: it says so and
    // leaves the marker for the caller to refuse the group.
    put(marker, "varnholt replace\n1\n" + at("gone.tmp").string() + "\n" + at("gone").string() + "\nend\n");
    EXPECT_EQ(finishMarkedReplace(marker, {}), MarkedReplace::Failed);
    EXPECT_TRUE(fileExists(marker));
    fs::remove(marker);

    // The whole replace in one call, and one that cannot write its marker changes nothing.
    stageBoth();
    put(at("a"), "old a");
    put(at("b"), "old b");
    ASSERT_TRUE(replaceAsOne(marker, pairs));
    EXPECT_EQ(get(at("a")) + "/" + get(at("b")), "new a/new b");
    stageBoth();
    fs::create_directories(stagedName(marker) / "in-the-way");
    EXPECT_FALSE(replaceAsOne(marker, pairs));
    EXPECT_EQ(get(at("a")) + "/" + get(at("b")), "new a/new b");
    EXPECT_FALSE(fileExists(stagedName(at("a"))));
}
