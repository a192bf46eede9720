// The wrestler editor over real files: what it does when the file system refuses, and the cases of its
// list that the play-through scenarios do not reach.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <csignal>
#include <sys/resource.h>

#include "GameFixture.h"
#include "forms/Control.h"
#include "forms/Files.h"
#include "wrestlers/RecordFiles.h"
#include "wrestlers/WrestlerRecord.h"

namespace varnholt {
namespace {

namespace fs = std::filesystem;

std::string bytesOf(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class Editor : public testing::GameFixture {
protected:
    void openEditor() {
        click("Form1", "Image1");
        click("Form7", "Command1");
        click("Form2", "Command6");
        ASSERT_TRUE(game().isShown("WrestlerEditor"));
    }
    void pick(const std::string& name) {
        auto& list = ctl("Form24", "lstData");
        for (int i = 0; i < list.listCount(); ++i)
            if (list.item(i) == name) return list.playerSelect(i);
        FAIL() << name << " is not listed";
    }
    void type(const char* screen, const char* box, const std::string& text) { ctl(screen, box).playerType(text); }
    void fillDialog(const std::string& name) {
        type("frmaddedit", "txtName", name);
        for (const char* box : {"txtwbr", "txtwte", "txtwsp", "txtwov"}) type("frmaddedit", box, "5");
        type("frmaddedit", "txtwwa", "100");
        ctl("frmaddedit", "txtwal").setText("Heel");
        type("frmaddedit", "txtwbi", "Wick");
        type("frmaddedit", "txtwbio", "New.");
    }
    std::string lastMessage() {
        auto shown = dialogs_.nextUnchecked();
        return shown ? shown->title + ": " + shown->text : std::string("(none)");
    }
    // Replaces the working file by a folder of its name, so that nothing can be written to it.
    void blockWorkingFile() {
        fs::remove(folder_ / "wrestlers.dat");
        fs::create_directory(folder_ / "wrestlers.dat");
    }
};

TEST_F(Editor, ExitThatCannotCopyKeepsTheMasterAndTheEditor) {
    openEditor();
    const std::string master = bytesOf(folder_ / "data/wrestlers.dat");
    ASSERT_FALSE(master.empty());
    fs::remove(folder_ / "wrestlers.dat");
    click("Form24", "cmdExit");
    EXPECT_EQ(lastMessage(),
              "File error!: The wrestler database could not be updated and has been left as it was. Your changes "
              "are kept in the editor; press Exit to try again.");
    EXPECT_EQ(bytesOf(folder_ / "data/wrestlers.dat"), master);
    EXPECT_TRUE(game().isShown("WrestlerEditor"));
    EXPECT_FALSE(game().isShown("MainMenu"));

    // The scratch copy cannot be made either: the master still stands, and no scratch file is left.
    forms::replaceWithCopy(folder_ / "data/wrestlers.dat", folder_ / "wrestlers.dat");
    fs::create_directory(folder_ / "data/wrestlers.dat.tmp");
    click("Form24", "cmdExit");
    EXPECT_NE(lastMessage(), "(none)");
    EXPECT_EQ(bytesOf(folder_ / "data/wrestlers.dat"), master);

    fs::remove(folder_ / "data/wrestlers.dat.tmp");
    click("Form24", "cmdExit");
    EXPECT_EQ(lastMessage(), "(none)");
    EXPECT_TRUE(game().isShown("MainMenu"));
    EXPECT_FALSE(game().isLoaded("WrestlerEditor"));
    EXPECT_FALSE(fs::exists(folder_ / "data/wrestlers.dat.tmp"));
}

TEST_F(Editor, SavesThatCannotWriteSaySoAndChangeNothing) {
    openEditor();
    const int16_t count = game().WrestlerCount;
    const std::string first = ctl("Form24", "lstData").item(0);
    pick(first);
    blockWorkingFile();
    click("Form24", "cmdsave");
    EXPECT_EQ(lastMessage(), "File error!: The wrestler could not be written to wrestlers.dat. Changes have not been saved.");

    // Adding on the editor: no count raised, no name listed.
    game().EditMode = 1;
    const int listed = ctl("Form24", "lstData").listCount();
    type("Form24", "txtName", "Odile Crane");
    click("Form24", "cmdsave");
    EXPECT_NE(lastMessage(), "(none)");
    EXPECT_EQ(game().WrestlerCount, count);
    EXPECT_EQ(ctl("Form24", "lstData").listCount(), listed);

    // The dialog stays open with what was typed.
    click("Form24", "cmdAdd");
    fillDialog("Odile Crane");
    click("frmaddedit", "cmdSave");
    EXPECT_NE(lastMessage(), "(none)");
    EXPECT_EQ(game().WrestlerCount, count);
    EXPECT_TRUE(game().isShown("AddWrestlerDialog"));
    EXPECT_EQ(ctl("frmaddedit", "txtName").text(), "Odile Crane");
}

TEST_F(Editor, FromAnEmptyFileTheFirstWrestlerAddedIsRecordOne) {
    std::ofstream(folder_ / "data/wrestlers.dat", std::ios::binary | std::ios::trunc).close();
    openEditor();
    EXPECT_EQ(game().WrestlerCount, 0);
    EXPECT_EQ(ctl("Form24", "lstData").listCount(), 0);
    click("Form24", "cmdAdd");
    fillDialog("Odile Crane");
    click("frmaddedit", "cmdSave");
    EXPECT_EQ(lastMessage(), "(none)");
    EXPECT_EQ(game().WrestlerCount, 1);
    EXPECT_EQ(fs::file_size(folder_ / "wrestlers.dat"), static_cast<std::uintmax_t>(RecordLength));
    ASSERT_TRUE(ReadRecordInto(game(), game().WrestlerFilePath, 1));
    EXPECT_EQ(game().CurrentWrestler.Id, 1);
    EXPECT_EQ(trimTrailingBlanks(game().CurrentWrestler.Name), "Odile Crane");
    EXPECT_EQ(game().CurrentWrestler.Alignment, "Heel");
}

TEST_F(Editor, ARenamedWrestlersOldNameShowsNothingAndCannotBeSavedTo) {
    openEditor();
    const std::string name = ctl("Form24", "lstData").item(2);
    pick(name);
    type("Form24", "txtName", "Renamed Wrestler");
    click("Form24", "cmdsave");
    ASSERT_EQ(lastMessage(), "(none)");
    const auto length = fs::file_size(folder_ / "wrestlers.dat");

    pick(name);
    EXPECT_EQ(ctl("Form24", "txtName").text(), "");
    EXPECT_EQ(ctl("Form24", "txtwal").text(), "");
    type("Form24", "txtName", "Someone");
    for (const char* box : {"txtwbr", "txtwte", "txtwsp", "txtwov", "txtwwa", "txtwpol"}) type("Form24", box, "1");
    ctl("Form24", "txtwal").setText("Face");
    type("Form24", "txtwbi", "x");
    type("Form24", "txtwbio", "x");
    click("Form24", "cmdsave");
    EXPECT_EQ(lastMessage(), "Invalid wrestler: Pick a wrestler from the list first. Changes have not been saved.");
    EXPECT_EQ(fs::file_size(folder_ / "wrestlers.dat"), length);
}

TEST_F(Editor, AnAddedNameTakesItsAlphabeticalPlaceAndThePickStays) {
    openEditor();
    auto& list = ctl("Form24", "lstData");
    const std::string last = list.item(list.listCount() - 1);
    pick(last);
    const int16_t record = game().CurrentRecordNumber;
    game().EditMode = 1;
    type("Form24", "txtName", "aaa First In Line");
    click("Form24", "cmdsave");
    ASSERT_EQ(lastMessage(), "(none)");
    EXPECT_EQ(list.item(0), "aaa First In Line");
    EXPECT_EQ(list.text(), last);
    // Restoring the selection is not a new pick.
    EXPECT_EQ(game().EditMode, 1);
    EXPECT_EQ(game().CurrentRecordNumber, record);
}

TEST_F(Editor, ABlankNameIsListedEmptyAndPickingItOnlyEmptiesTheCard) {
    openEditor();
    pick(ctl("Form24", "lstData").item(0));
    type("Form24", "txtName", "   ");
    click("Form24", "cmdsave");
    ASSERT_EQ(lastMessage(), "(none)");
    click("Form24", "cmdExit");
    click("Form2", "Command6");
    auto& list = ctl("Form24", "lstData");
    ASSERT_EQ(list.item(0), "");
    pick(list.item(1));
    game().EditMode = 0;
    pick("");
    EXPECT_EQ(ctl("Form24", "txtName").text(), "");
    EXPECT_EQ(ctl("Form24", "txtwbr").text(), "");
    EXPECT_EQ(game().EditMode, 0);
}

TEST_F(Editor, TheHiddenScrollBarShowsTheRecordAtItsPosition) {
    openEditor();
    auto& bar = ctl("Form24", "scrollID");
    EXPECT_EQ(bar.max(), game().WrestlerCount + 1);
    bar.setValue(2);
    ASSERT_TRUE(ReadRecordInto(game(), game().WrestlerFilePath, 2));
    EXPECT_EQ(ctl("Form24", "txtName").text(), trimTrailingBlanks(game().CurrentWrestler.Name));
    bar.setValue(bar.max());
    EXPECT_EQ(ctl("Form24", "txtName").text(), "");
}

// A disk that fills part way through the new wrestler's record (the process may write no further than
// 98 bytes past the file's end): the add says so and leaves the file as long as it was, with no torn record.
TEST_F(Editor, AnAddTheDiskCannotHoldLeavesNoTornRecord) {
    openEditor();
    const std::string before = bytesOf(folder_ / "wrestlers.dat");
    const int16_t count = game().WrestlerCount;
    click("Form24", "cmdAdd");
    fillDialog("Odile Crane");

    std::signal(SIGXFSZ, SIG_IGN);
    rlimit previous{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &previous), 0);
    rlimit full = previous;
    full.rlim_cur = before.size() + 98;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &full), 0);
    click("frmaddedit", "cmdSave");
    setrlimit(RLIMIT_FSIZE, &previous);

    EXPECT_EQ(lastMessage(), "File error!: The wrestler could not be written to wrestlers.dat. Changes have not been saved.");
    EXPECT_EQ(fs::file_size(folder_ / "wrestlers.dat"), before.size());
    EXPECT_TRUE(bytesOf(folder_ / "wrestlers.dat") == before);
    EXPECT_EQ(game().WrestlerCount, count);
    EXPECT_TRUE(game().isShown("AddWrestlerDialog"));
}

}  // namespace
}  // namespace varnholt
