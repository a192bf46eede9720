// Hiring, firing and removing wrestlers through the record files, as the scouting and roster screens do
// it: the moved record keeps its Id, the rest are renumbered, and a rewrite that cannot finish leaves
// both files as they were.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "GameFixture.h"
#include "forms/Dialogs.h"
#include "forms/Files.h"
#include "forms/Form.h"
#include "game/Game.h"
#include "game/Screen.h"
#include "wrestlers/MoveWrestlers.h"
#include "wrestlers/RecordFiles.h"
#include "wrestlers/WrestlerRecord.h"

namespace fs = std::filesystem;
using namespace varnholt;

namespace {

WrestlerRecord wrestler(const std::string& name, int16_t id) {
    WrestlerRecord r = WrestlerRecord::cleared();
    r.Id = id;
    r.Name = fitText(name, NameWidth);
    r.Brawling = static_cast<int16_t>(id % 20);
    r.Over = 7;
    r.Alignment = "Heel";
    r.BirthPlace = fitText("Kendal", BirthPlaceWidth);
    r.Biography = fitText("Bio of " + name, BiographyWidth);
    r.PolaroidPercent = 3;
    return r;
}

using varnholt::testing::fileBytes;

class MoveWrestlersTest : public varnholt::testing::GameFixture {
protected:

    // Writes a record file of the given names, record i with Id i.
    void writeFile(const std::string& file, const std::vector<std::string>& names) {
        std::ofstream out(folder_ / file, std::ios::binary | std::ios::trunc);
        for (std::size_t i = 0; i < names.size(); ++i) {
            auto bytes = encodeRecord(wrestler(names[i], static_cast<int16_t>(i + 1)));
            out.write(reinterpret_cast<const char*>(bytes.data()), RecordLength);
        }
    }
    static std::vector<std::string> numbered(const std::string& prefix, int n) {
        std::vector<std::string> v;
        for (int i = 1; i <= n; ++i) v.push_back(prefix + std::to_string(i));
        return v;
    }
    std::vector<WrestlerRecord> records(const std::string& file) {
        std::string bytes = fileBytes(folder_ / file);
        std::vector<WrestlerRecord> out;
        for (std::size_t at = 0; at + RecordLength <= bytes.size(); at += RecordLength)
            out.push_back(decodeRecord(reinterpret_cast<const unsigned char*>(bytes.data()) + at));
        return out;
    }
    std::vector<std::string> names(const std::string& file) {
        std::vector<std::string> out;
        for (const auto& r : records(file)) out.push_back(trimTrailingBlanks(r.Name));
        return out;
    }
    // The screens' lists, filled from the files as the screens do when they load.
    forms::Control& scoutList() { return game_->form("ScoutScreen").c("lstData"); }
    forms::Control& rosterList() { return game_->form("RosterScreen").c("lstData"); }
    void pick(forms::Control& list, const std::string& name) { list.setText(name); }
};

using HiringWrestlers = MoveWrestlersTest;
using FiringWrestlers = MoveWrestlersTest;
using RemovingWrestlers = MoveWrestlersTest;
using RewriteFailure = MoveWrestlersTest;
using EditorCardPosition = MoveWrestlersTest;

TEST_F(HiringWrestlers, MovedRecordKeepsItsIdAndTheRestAreRenumbered) {
    writeFile("wrestlers.dat", numbered("Free ", 10));
    writeFile("promotion.dat", numbered("Roster ", 3));
    auto& list = scoutList();
    pick(list, "Free 4");

    ASSERT_TRUE(HireWrestler(*game_, list));

    auto roster = records("promotion.dat");
    ASSERT_EQ(roster.size(), 4u);
    EXPECT_EQ(trimTrailingBlanks(roster[3].Name), "Free 4");
    EXPECT_EQ(roster[3].Id, 4);
    EXPECT_EQ(roster[3], wrestler("Free 4", 4));  // every field unchanged
    auto free = records("wrestlers.dat");
    ASSERT_EQ(free.size(), 9u);
    const std::vector<std::string> left = {"Free 1", "Free 2", "Free 3", "Free 5", "Free 6",
                                           "Free 7", "Free 8", "Free 9", "Free 10"};
    for (std::size_t i = 0; i < free.size(); ++i) {
        EXPECT_EQ(trimTrailingBlanks(free[i].Name), left[i]);
        EXPECT_EQ(free[i].Id, static_cast<int16_t>(i + 1));
    }
    EXPECT_EQ(game_->WrestlerCount, 9);
    EXPECT_EQ(game_->RosterCount, 4);
    EXPECT_EQ(list.items(), left);
    EXPECT_EQ(list.listIndex(), -1);
    EXPECT_FALSE(fs::exists(folder_ / "wrestler.tmp"));
    EXPECT_EQ(dialogs_.shown().size(), 0u);
}

TEST_F(HiringWrestlers, RewriteRunsOverTheFileNotAStaleCount) {
    writeFile("wrestlers.dat", numbered("Free ", 6));
    writeFile("promotion.dat", numbered("Roster ", 2));
    auto& list = scoutList();
    pick(list, "Free 2");
    game_->WrestlerCount = 3;  // out of step with the file
    game_->RosterCount = 7;

    ASSERT_TRUE(HireWrestler(*game_, list));
    EXPECT_EQ(names("wrestlers.dat"), (std::vector<std::string>{"Free 1", "Free 3", "Free 4", "Free 5", "Free 6"}));
    EXPECT_EQ(names("promotion.dat"), (std::vector<std::string>{"Roster 1", "Roster 2", "Free 2"}));
    EXPECT_EQ(game_->WrestlerCount, 5);  // recounted from the files
    EXPECT_EQ(game_->RosterCount, 3);
}

TEST_F(HiringWrestlers, LeftoverScratchFileIsNotCarriedIntoTheRewrite) {
    writeFile("wrestlers.dat", numbered("Free ", 5));
    writeFile("promotion.dat", numbered("Roster ", 2));
    writeFile("wrestler.tmp", numbered("Ghost ", 40));
    auto& list = scoutList();
    pick(list, "Free 5");

    ASSERT_TRUE(HireWrestler(*game_, list));
    EXPECT_EQ(names("wrestlers.dat"), (std::vector<std::string>{"Free 1", "Free 2", "Free 3", "Free 4"}));
    EXPECT_FALSE(fs::exists(folder_ / "wrestler.tmp"));
}

TEST_F(HiringWrestlers, TwoOfTheSameNameMoveTheFirstAndDropTheClickedEntry) {
    writeFile("wrestlers.dat", {"Alpha", "Twin", "Beta", "Gamma", "Twin"});
    writeFile("promotion.dat", {"Roster 1"});
    auto& list = scoutList();
    list.setListIndex(4);  // the second "Twin"

    ASSERT_TRUE(HireWrestler(*game_, list));
    EXPECT_EQ(records("promotion.dat").back().Id, 2);
    EXPECT_EQ(names("wrestlers.dat"), (std::vector<std::string>{"Alpha", "Beta", "Gamma", "Twin"}));
    EXPECT_EQ(list.items(), (std::vector<std::string>{"Alpha", "Twin", "Beta", "Gamma"}));
}

TEST_F(HiringWrestlers, AbsentNameChangesNothing) {
    writeFile("wrestlers.dat", numbered("Free ", 4));
    writeFile("promotion.dat", numbered("Roster ", 2));
    auto& list = scoutList();
    list.addItem("Nobody");
    pick(list, "Nobody");
    const std::string freeBefore = fileBytes(folder_ / "wrestlers.dat"), rosterBefore = fileBytes(folder_ / "promotion.dat");

    EXPECT_FALSE(HireWrestler(*game_, list));
    EXPECT_EQ(fileBytes(folder_ / "wrestlers.dat"), freeBefore);
    EXPECT_EQ(fileBytes(folder_ / "promotion.dat"), rosterBefore);
    EXPECT_EQ(game_->WrestlerCount, 4);
    EXPECT_EQ(game_->RosterCount, 2);
    EXPECT_EQ(list.listCount(), 5);
    EXPECT_EQ(list.text(), "Nobody");
    EXPECT_EQ(dialogs_.shown().size(), 0u);
}

TEST_F(FiringWrestlers, MovesTheWrestlerToTheEndOfTheFreeAgents) {
    writeFile("wrestlers.dat", numbered("Free ", 10));
    writeFile("promotion.dat", numbered("Roster ", 3));
    auto& list = rosterList();
    pick(list, "Roster 2");

    ASSERT_TRUE(FireWrestler(*game_, list));
    auto free = records("wrestlers.dat");
    ASSERT_EQ(free.size(), 11u);
    EXPECT_EQ(free[10], wrestler("Roster 2", 2));
    auto roster = records("promotion.dat");
    ASSERT_EQ(roster.size(), 2u);
    EXPECT_EQ(trimTrailingBlanks(roster[1].Name), "Roster 3");
    EXPECT_EQ(roster[1].Id, 2);
    EXPECT_EQ(game_->WrestlerCount, 11);
    EXPECT_EQ(game_->RosterCount, 2);
    EXPECT_EQ(list.items(), (std::vector<std::string>{"Roster 1", "Roster 3"}));
}

TEST_F(FiringWrestlers, TheLastWrestlerEmptiesTheRoster) {
    writeFile("wrestlers.dat", numbered("Free ", 2));
    writeFile("promotion.dat", {"Last One"});
    auto& list = rosterList();
    pick(list, "Last One");

    ASSERT_TRUE(FireWrestler(*game_, list));
    EXPECT_EQ(forms::fileLength(folder_ / "promotion.dat"), 0u);
    EXPECT_EQ(game_->RosterCount, 0);
    EXPECT_EQ(game_->WrestlerCount, 3);
    EXPECT_EQ(list.listCount(), 0);
}

TEST_F(RemovingWrestlers, DeletesOneOfManyAndRecountsTheFile) {
    writeFile("wrestlers.dat", numbered("Free ", 120));
    writeFile("promotion.dat", {});
    auto& list = scoutList();
    pick(list, "Free 60");

    ASSERT_TRUE(RemoveWrestler(*game_, list));
    auto free = records("wrestlers.dat");
    ASSERT_EQ(free.size(), 119u);
    EXPECT_EQ(trimTrailingBlanks(free[59].Name), "Free 61");
    EXPECT_EQ(free[59].Id, 60);
    EXPECT_EQ(free[118].Id, 119);
    EXPECT_EQ(game_->WrestlerCount, 119);
    EXPECT_EQ(list.listCount(), 119);
    EXPECT_EQ(forms::fileLength(folder_ / "promotion.dat"), 0u);
}

TEST_F(RemovingWrestlers, TornLastRecordIsDroppedWithTheRewrite) {
    writeFile("wrestlers.dat", numbered("Free ", 4));
    {
        std::ofstream out(folder_ / "wrestlers.dat", std::ios::binary | std::ios::app);
        out << std::string(100, 'x');  // counts as a fifth record by the count rule
    }
    auto& list = scoutList();
    EXPECT_EQ(game_->WrestlerCount, 5);
    pick(list, "Free 1");

    ASSERT_TRUE(RemoveWrestler(*game_, list));
    EXPECT_EQ(forms::fileLength(folder_ / "wrestlers.dat"), 3u * RecordLength);
    EXPECT_EQ(game_->WrestlerCount, 3);
}

TEST_F(RewriteFailure, UnwritableScratchFileLeavesBothFilesWhole) {
    writeFile("wrestlers.dat", numbered("Free ", 5));
    writeFile("promotion.dat", numbered("Roster ", 2));
    fs::create_directories(folder_ / "wrestler.tmp" / "in the way");
    auto& list = scoutList();
    pick(list, "Free 3");
    const std::string freeBefore = fileBytes(folder_ / "wrestlers.dat"), rosterBefore = fileBytes(folder_ / "promotion.dat");

    EXPECT_FALSE(HireWrestler(*game_, list));
    EXPECT_EQ(fileBytes(folder_ / "wrestlers.dat"), freeBefore);
    EXPECT_EQ(fileBytes(folder_ / "promotion.dat"), rosterBefore);
    EXPECT_EQ(game_->WrestlerCount, 5);
    EXPECT_EQ(game_->RosterCount, 2);
    EXPECT_EQ(list.listCount(), 5);
    ASSERT_EQ(dialogs_.shown().size(), 1u);
    EXPECT_EQ(dialogs_.shown()[0].title, "File error!");
}

TEST_F(RewriteFailure, UnwritableTargetLeavesTheSourceWholeAndNoScratchFile) {
    writeFile("wrestlers.dat", numbered("Free ", 5));
    writeFile("promotion.dat", numbered("Roster ", 2));
    auto& list = rosterList();
    pick(list, "Roster 1");
    // The free agents' file cannot take the fired wrestler.
    fs::remove(folder_ / "wrestlers.dat");
    fs::create_directories(folder_ / "wrestlers.dat" / "in the way");
    const std::string rosterBefore = fileBytes(folder_ / "promotion.dat");

    EXPECT_FALSE(FireWrestler(*game_, list));
    EXPECT_EQ(fileBytes(folder_ / "promotion.dat"), rosterBefore);
    EXPECT_FALSE(fs::exists(folder_ / "wrestler.tmp"));
    EXPECT_EQ(list.listCount(), 2);
    EXPECT_EQ(dialogs_.shown().size(), 1u);
}

TEST_F(EditorCardPosition, FillsClearsOrKeepsTheCardAndWritesThePosition) {
    writeFile("wrestlers.dat", numbered("Free ", 120));
    BuildFilePaths(*game_);
    CountRecordFiles(*game_);
    FormDef def{"FormT", "EditorCard", "Varnholt", 9000, 7000, "", {}};
    for (const char* box : {"txtName", "txtwbr", "txtwte", "txtwsp", "txtwov", "txtwwa", "txtwal", "txtwbi", "txtwbio",
                            "txtwpol"})
        def.controls.push_back(textBox(box, 0, 0, 100, 100));
    def.controls.push_back(label("lblID", 0, 0, 100, 100, ""));
    def.controls.push_back(scrollBar("scrollID", 0, 0, 100, 100, 1, 121, 1));
    forms::Form card(*game_, def);
    auto& bar = card.c("scrollID");

    bar.setValue(3);
    ShowWrestlerAtPosition(*game_, card, bar);
    EXPECT_EQ(card.c("txtName").text(), "Free 3");
    EXPECT_EQ(card.c("txtwbr").text(), "3");
    EXPECT_EQ(card.c("txtwal").text(), "Heel");
    EXPECT_EQ(card.c("txtwbi").text(), fitText("Kendal", BirthPlaceWidth));  // trailing blanks kept
    EXPECT_EQ(card.c("txtwbio").text().size(), BiographyWidth);
    EXPECT_EQ(card.c("txtwpol").text(), "3");
    EXPECT_EQ(card.c("lblID").text(), " 3/ 121");

    bar.setValue(121);
    ShowWrestlerAtPosition(*game_, card, bar);
    for (const char* box : {"txtName", "txtwbr", "txtwal", "txtwbio", "txtwpol"}) EXPECT_EQ(card.c(box).text(), "") << box;
    EXPECT_EQ(card.c("lblID").text(), " 121/ 121");

    card.c("txtName").setText("kept");
    bar.setMin(0);
    bar.setValue(0);
    ShowWrestlerAtPosition(*game_, card, bar);
    EXPECT_EQ(card.c("txtName").text(), "kept");
    EXPECT_EQ(card.c("lblID").text(), " 0/ 121");
}

}  // namespace
