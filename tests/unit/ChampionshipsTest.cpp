// The ChampionsScreen, its RenameDialog, TitleHistoryShift and the StaffScreen, driven as the player and
// the other screens drive them.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <set>
#include <string>

#include "GameFixture.h"
#include "forms/Dialogs.h"
#include "game/Game.h"
#include "forms/Numbers.h"
#include "game/ScreenNames.h"
#include "management/Championships.h"
#include "management/Staff.h"
#include "shell/Presets.h"
#include "wrestlers/RecordFiles.h"

namespace fs = std::filesystem;
using namespace varnholt;

namespace {

class ScreensTest : public varnholt::testing::GameFixture {
protected:
    forms::Form& champions() { return game_->form("ChampionsScreen"); }
    forms::Form& staff() { return game_->form("StaffScreen"); }
    std::string text(forms::Form& f, const std::string& control) { return f.c(control).text(); }
    std::string box(int n) { return text(champions(), "Text" + std::to_string(n)); }
    void setBox(int n, const std::string& s) { champions().c("Text" + std::to_string(n)).setText(s); }
};

using TitleHistory = ScreensTest;
using Vacate = ScreensTest;
using Rename = ScreensTest;
using Staff = ScreensTest;
using PresetChampions = ScreensTest;

TEST_F(TitleHistory, DesignStateIsVacantWithEmptyHistory) {
    for (int holder : {1, 12, 23, 34, 35}) EXPECT_EQ(box(holder), "Vacant") << holder;
    for (int n = 2; n <= 11; ++n) EXPECT_EQ(box(n), "");
    for (int n = 36; n <= 45; ++n) EXPECT_EQ(box(n), "");
    for (const char* l : {"Label1", "Label25", "Label37", "Label4"}) EXPECT_EQ(text(champions(), l), "");
    EXPECT_EQ(champions().caption(), "Varnholt");
}

TEST_F(TitleHistory, SinglesShiftWithTenPlacesFullDropsPlaceTen) {
    // The secondary title: holder Text12, places 1..10 in Text13..Text22.
    setBox(12, "Holder");
    for (int place = 1; place <= 10; ++place) setBox(12 + place, "P" + std::to_string(place));
    TitleHistoryShift(*game_, 2, "Winner");
    EXPECT_EQ(box(12), "Winner");
    EXPECT_EQ(box(13), "Holder");
    for (int place = 2; place <= 10; ++place) EXPECT_EQ(box(12 + place), "P" + std::to_string(place - 1)) << place;
    // The other titles are untouched.
    EXPECT_EQ(box(1), "Vacant");
    EXPECT_EQ(box(2), "");
    EXPECT_EQ(box(23), "Vacant");
    EXPECT_EQ(box(24), "");
}

TEST_F(TitleHistory, SinglesShiftFillsFromPlaceOneDown) {
    TitleHistoryShift(*game_, 1, "First");
    TitleHistoryShift(*game_, 1, "Second");
    EXPECT_EQ(box(1), "Second");
    EXPECT_EQ(box(2), "First");
    EXPECT_EQ(box(3), "Vacant");
    EXPECT_EQ(box(4), "");
    TitleHistoryShift(*game_, 3, "Third");
    EXPECT_EQ(box(23), "Third");
    EXPECT_EQ(box(24), "Vacant");
}

TEST_F(TitleHistory, TagShiftMovesBothColumns) {
    setBox(34, "A1");
    setBox(35, "A2");
    for (int team = 0; team < 5; ++team) {
        setBox(36 + team, "L" + std::to_string(team + 1));
        setBox(41 + team, "R" + std::to_string(team + 1));
    }
    TitleHistoryShift(*game_, 4, "B1", "B2");
    EXPECT_EQ(box(34), "B1");
    EXPECT_EQ(box(35), "B2");
    EXPECT_EQ(box(36), "A1");
    EXPECT_EQ(box(41), "A2");
    for (int team = 1; team < 5; ++team) {
        EXPECT_EQ(box(36 + team), "L" + std::to_string(team)) << team;
        EXPECT_EQ(box(41 + team), "R" + std::to_string(team)) << team;
    }
    for (int holder : {1, 12, 23}) EXPECT_EQ(box(holder), "Vacant");
}

TEST_F(TitleHistory, AnotherTitleNumberChangesNothing) {
    TitleHistoryShift(*game_, 0, "X");
    TitleHistoryShift(*game_, 5, "X", "Y");
    for (int holder : {1, 12, 23, 34, 35}) EXPECT_EQ(box(holder), "Vacant");
}

TEST_F(TitleHistory, LoadsTheScreenWhenNeeded) {
    EXPECT_FALSE(game_->isLoaded("ChampionsScreen"));
    TitleHistoryShift(*game_, 1, "Winner");
    EXPECT_TRUE(game_->isLoaded("ChampionsScreen"));
    EXPECT_FALSE(game_->isShown("ChampionsScreen"));
    EXPECT_EQ(box(1), "Winner");
    EXPECT_EQ(box(2), "Vacant");
}

// Whichever federation the player takes over, its champions are wrestlers of the roster he starts with,
// so each of them can defend his title.
TEST_F(PresetChampions, AreOnTheStartingRoster) {
    using Champions = screens::ChampionsScreen;
    click("Form1", "Image1");
    click("Form7", "Command1");
    for (const auto& federation : presets::Federations) {
        click("Form2", "Command1");  // NEW GAME
        click("Form3", federation.button);
        BuildFilePaths(*game_);
        CountRecordFiles(*game_);
        for (const char* holder : {Champions::PrimaryHolder, Champions::SecondaryHolder, Champions::TertiaryHolder,
                                   Champions::TagTeamHolder, Champions::TagTeamPartner}) {
            const std::string name = text(champions(), holder);
            if (name == presets::Vacant) continue;
            FindRosterRecord(*game_, name);
            EXPECT_EQ(forms::RTrim(game_->CurrentWrestler.Name), name) << federation.initials << " " << holder;
        }
        click("Form4", "Command12");  // QUIT, back to the menu
    }
}

TEST_F(Vacate, OfAVacantTitleDoesNothing) {
    champions().c("Command2").playerClick();
    EXPECT_EQ(box(1), "Vacant");
    EXPECT_EQ(box(2), "");
    EXPECT_EQ(dialogs_.shown().size(), 0u);
}

TEST_F(Vacate, TwiceShiftsOnce) {
    setBox(23, "Champ");
    setBox(24, "Older");
    champions().c("Command4").playerClick();
    champions().c("Command4").playerClick();
    EXPECT_EQ(box(23), "Vacant");
    EXPECT_EQ(box(24), "Champ");
    EXPECT_EQ(box(25), "Older");
    EXPECT_EQ(box(26), "");
    EXPECT_EQ(dialogs_.shown().size(), 0u);
}

TEST_F(Vacate, CaseDifferentVacantCountsAsAChampion) {
    setBox(12, "vacant");
    champions().c("Command3").playerClick();
    EXPECT_EQ(box(12), "Vacant");
    EXPECT_EQ(box(13), "vacant");
}

TEST_F(Vacate, FullPrimaryHistoryDropsPlaceTen) {
    setBox(1, "Holder");
    for (int place = 1; place <= 10; ++place) setBox(1 + place, "P" + std::to_string(place));
    champions().c("Command2").playerClick();
    EXPECT_EQ(box(1), "Vacant");
    EXPECT_EQ(box(2), "Holder");
    EXPECT_EQ(box(11), "P9");
}

TEST_F(Vacate, TagTestsOnlyTheFirstPartner) {
    setBox(35, "Second");
    champions().c("Command5").playerClick();
    EXPECT_EQ(box(34), "Vacant");
    EXPECT_EQ(box(35), "Second");
    EXPECT_EQ(box(36), "");
    EXPECT_EQ(box(41), "");

    setBox(34, "First");
    setBox(35, "Vacant");
    champions().c("Command5").playerClick();
    EXPECT_EQ(box(34), "Vacant");
    EXPECT_EQ(box(35), "Vacant");
    EXPECT_EQ(box(36), "First");
    EXPECT_EQ(box(41), "Vacant");
}

TEST_F(Rename, SaveRenamesTheChosenTitle) {
    champions().c("Label37").setCaption("Old Tertiary");
    champions().c("Command8").playerClick();
    EXPECT_EQ(game_->RenameTitleNo, "3");
    ASSERT_TRUE(game_->isShown("RenameDialog"));
    auto& dialog = game_->form("RenameDialog");
    EXPECT_EQ(dialog.caption(), "QAVLE");
    EXPECT_EQ(text(dialog, "Text1"), "Old Tertiary");
    dialog.c("Text1").playerType("New Tertiary");
    dialog.c("Command1").playerClick();
    EXPECT_FALSE(game_->isLoaded("RenameDialog"));
    EXPECT_EQ(text(champions(), "Label37"), "New Tertiary");
    EXPECT_EQ(dialogs_.shown().size(), 0u);
}

TEST_F(Rename, EachButtonChoosesItsTitle) {
    struct Case { const char* button; const char* label; const char* no; };
    for (Case k : {Case{"Command7", "Label1", "1"}, Case{"Command10", "Label25", "2"}, Case{"Command8", "Label37", "3"},
                   Case{"Command11", "Label4", "4"}}) {
        champions().c(k.label).setCaption(std::string("Name ") + k.no);
        champions().c(k.button).playerClick();
        EXPECT_EQ(game_->RenameTitleNo, k.no);
        auto& dialog = game_->form("RenameDialog");
        EXPECT_EQ(text(dialog, "Text1"), std::string("Name ") + k.no);
        dialog.c("Text1").playerType(std::string("Renamed ") + k.no);
        dialog.c("Command1").playerClick();
        EXPECT_EQ(text(champions(), k.label), std::string("Renamed ") + k.no);
    }
}

TEST_F(Rename, EmptyNameIsRefusedAndBlanksAccepted) {
    champions().c("Label1").setCaption("Primary");
    champions().c("Command7").playerClick();
    dialogs_.queueAnswer(forms::MsgResult::OK);
    game_->form("RenameDialog").c("Text1").playerType("");
    game_->form("RenameDialog").c("Command1").playerClick();
    ASSERT_EQ(dialogs_.shown().size(), 1u);
    EXPECT_EQ(dialogs_.shown()[0].text, "The championship must be named.");
    EXPECT_EQ(dialogs_.shown()[0].title, "Varnholt");
    EXPECT_FALSE(game_->isLoaded("RenameDialog"));
    EXPECT_EQ(text(champions(), "Label1"), "Primary");

    champions().c("Command7").playerClick();
    game_->form("RenameDialog").c("Text1").playerType("   ");
    game_->form("RenameDialog").c("Command1").playerClick();
    EXPECT_EQ(text(champions(), "Label1"), "   ");
}

TEST_F(Rename, CancelChangesNothing) {
    champions().c("Label4").setCaption("Tag Titles");
    champions().c("Command11").playerClick();
    game_->form("RenameDialog").c("Text1").playerType("Something else");
    game_->form("RenameDialog").c("Command2").playerClick();
    EXPECT_FALSE(game_->isLoaded("RenameDialog"));
    EXPECT_EQ(text(champions(), "Label4"), "Tag Titles");
}

TEST_F(Rename, ASecondRenameWhileOpenShowsTheNewTitle) {
    champions().c("Label1").setCaption("Primary");
    champions().c("Label25").setCaption("Secondary");
    champions().c("Command7").playerClick();
    game_->form("RenameDialog").c("Text1").playerType("Half typed");
    champions().c("Command10").playerClick();
    EXPECT_EQ(game_->RenameTitleNo, "2");
    EXPECT_TRUE(game_->isShown("RenameDialog"));
    EXPECT_EQ(text(game_->form("RenameDialog"), "Text1"), "Secondary");
    game_->form("RenameDialog").c("Text1").playerType("Second title");
    game_->form("RenameDialog").c("Command1").playerClick();
    EXPECT_EQ(text(champions(), "Label1"), "Primary");
    EXPECT_EQ(text(champions(), "Label25"), "Second title");
}

TEST_F(Rename, BackgroundPictureOnTheScreensNotOnTheDialog) {
    { std::ofstream(folder_ / "QAVLE.bmp") << "BM"; }
    EXPECT_FALSE(champions().picturePath().empty());
    EXPECT_FALSE(champions().visible());
    EXPECT_FALSE(staff().picturePath().empty());
    champions().c("Command7").playerClick();
    EXPECT_TRUE(game_->form("RenameDialog").picturePath().empty());
}

TEST_F(Staff, DesignStateAndLoadSetsTheCopiesFromTheBoxes) {
    game_->RefereeSkill = 3;
    game_->RefereeWage = 30;
    game_->MCSkill = 5;
    game_->MCWage = 50;
    auto& s = staff();
    EXPECT_EQ(text(s, "Text1"), "You");
    EXPECT_EQ(text(s, "Text28"), "0");
    EXPECT_EQ(text(s, "Text29"), "0");
    EXPECT_EQ(text(s, "Text2"), "You");
    EXPECT_EQ(text(s, "Text3"), "0");
    EXPECT_EQ(text(s, "Text54"), "0");
    EXPECT_EQ(game_->RefereeSkill, 0);
    EXPECT_EQ(game_->RefereeWage, 0);
    EXPECT_EQ(game_->MCSkill, 0);
    EXPECT_EQ(game_->MCWage, 0);
}

TEST_F(Staff, SkillRoundsHalfToEven) {
    auto& s = staff();
    struct Case { const char* button; const char* skill; int integer; int wage; };
    for (Case k : {Case{"Command3", "4.5", 4, 45}, Case{"Command5", "3.5", 4, 35}, Case{"Command7", "2.5", 2, 25},
                   Case{"Command9", "1.5", 2, 15}, Case{"Command12", "0.5", 0, 5}, Case{"Command2", "5", 5, 50}}) {
        s.c(k.button).playerClick();
        EXPECT_EQ(text(s, "Text28"), k.skill);
        EXPECT_EQ(game_->RefereeSkill, k.integer) << k.skill;
        EXPECT_EQ(game_->RefereeWage, k.wage) << k.skill;
    }
    for (Case k : {Case{"Command25", "4.5", 4, 45}, Case{"Command22", "3.5", 4, 35}, Case{"Command20", "2.5", 2, 25},
                   Case{"Command18", "1.5", 2, 15}, Case{"Command16", "0.5", 0, 5}}) {
        s.c(k.button).playerClick();
        EXPECT_EQ(text(s, "Text3"), k.skill);
        EXPECT_EQ(game_->MCSkill, k.integer) << k.skill;
        EXPECT_EQ(game_->MCWage, k.wage) << k.skill;
    }
}

TEST_F(Staff, RefereeAndMCAreIndependent) {
    auto& s = staff();
    s.c("Command4").playerClick();  // referee row 3
    EXPECT_EQ(text(s, "Text1"), s.c("Command4").caption());
    EXPECT_EQ(text(s, "Text28"), "4");
    EXPECT_EQ(text(s, "Text29"), "40");
    EXPECT_EQ(text(s, "Text2"), "You");
    EXPECT_EQ(game_->MCSkill, 0);
    EXPECT_EQ(game_->MCWage, 0);

    s.c("Command21").playerClick();  // MC row 5
    EXPECT_EQ(text(s, "Text2"), s.c("Command21").caption());
    EXPECT_EQ(text(s, "Text3"), "3");
    EXPECT_EQ(text(s, "Text54"), "30");
    EXPECT_EQ(game_->MCSkill, 3);
    EXPECT_EQ(game_->MCWage, 30);
    EXPECT_EQ(game_->RefereeSkill, 4);
    EXPECT_EQ(game_->RefereeWage, 40);

    s.c("Command13").playerClick();  // referee "You"
    EXPECT_EQ(text(s, "Text1"), "You");
    EXPECT_EQ(game_->RefereeSkill, 0);
    EXPECT_EQ(game_->RefereeWage, 0);
    EXPECT_EQ(game_->MCSkill, 3);
}

TEST_F(Staff, TableHasTwentyDistinctNamesAndFixedFigures) {
    auto& s = staff();
    std::set<std::string> names;
    for (const StaffRow& r : StaffTable) {
        EXPECT_EQ(text(s, r.refereeSkillBox), r.skill);
        EXPECT_EQ(text(s, r.refereeWageBox), r.wage);
        EXPECT_EQ(text(s, r.mcSkillBox), r.skill);
        EXPECT_EQ(text(s, r.mcWageBox), r.wage);
        EXPECT_TRUE(s.c(r.refereeSkillBox).locked());
        if (std::string(r.skill) != "0") {
            names.insert(s.c(r.refereeButton).caption());
            names.insert(s.c(r.mcButton).caption());
        }
    }
    EXPECT_EQ(names.size(), 20u);
    EXPECT_EQ(s.c("Command13").caption(), "You");
    EXPECT_EQ(s.c("Command15").caption(), "You");
}

TEST_F(Staff, ReturnShowsTheHubAndHides) {
    game_->show("StaffScreen");
    staff().c("Command2").playerClick();
    staff().c("Command1").playerClick();
    EXPECT_TRUE(game_->isShown("FederationHub"));
    EXPECT_FALSE(game_->isShown("StaffScreen"));
    ASSERT_TRUE(game_->isLoaded("StaffScreen"));
    EXPECT_EQ(game_->RefereeSkill, 5);
    EXPECT_EQ(text(staff(), "Text28"), "5");

    game_->show("ChampionsScreen");
    setBox(1, "Champ");
    champions().c("Command1").playerClick();
    EXPECT_TRUE(game_->isShown("FederationHub"));
    EXPECT_FALSE(game_->isShown("ChampionsScreen"));
    ASSERT_TRUE(game_->isLoaded("ChampionsScreen"));
    EXPECT_EQ(box(1), "Champ");
}

}  // namespace
