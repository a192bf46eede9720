// Saving a running game into the slots and loading it back, the damaged and failed cases, and the
// named saves of the main menu's hidden saved-game list.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "GameFixture.h"
#include "savedgames/SavedGame.h"
#include "savedgames/SavedGameScreens.h"
#include "shell/Hub.h"

namespace varnholt {
namespace {

namespace fs = std::filesystem;

using testing::fileBytes;

// The game runs with the program folder as its current folder, where the slots' saved games lie.
class SavedGameSlots : public testing::GameFixture {
protected:
    void SetUp() override {
        GameFixture::SetUp();
        previous_ = fs::current_path();
        fs::current_path(folder_);
    }
    void TearDown() override {
        fs::current_path(previous_);
        GameFixture::TearDown();
    }

    void quit() { click("FederationHub", "Command12"); }
    void saveTo(int slot) {
        click("FederationHub", "Command14");
        click("SaveSlotScreen", ("Command" + std::to_string(slot)).c_str());
    }
    void loadFrom(int slot) {
        click("MainMenu", "Command7");
        click("LoadSlotScreen", ("Command" + std::to_string(slot)).c_str());
    }
    // Rewrites one line of a saved game, as a damaged or hand-edited file would have it.
    void replaceLine(const fs::path& file, int line, const std::string& text) {
        std::vector<std::string> values;
        ASSERT_EQ(ReadSavedGameFile(file, values), SavedGameRead::Complete);
        values[static_cast<std::size_t>(line - 1)] = text;
        ASSERT_TRUE(WriteSavedGameFile(file, values));
    }
    std::string text(const char* screen, const char* control) { return ctl(screen, control).text(); }

    fs::path previous_;
};

TEST_F(SavedGameSlots, AGameComesBackWholeInAFreshRun) {
    startPreset();
    Game& g = game();
    // A rich federation, its notes, drifted rivals and a TV-deal streak under way.
    g.Money = 50000;
    ctl("FederationHub", "Text8").setText("50000");
    ctl("FederationHub", "Text9").setText("3");
    ctl("NotesPad", "Text1").setText("Week 3:\r\nbook the cage match\r\n\r\nsign a sponsor");
    ctl("StaffScreen", "Text28").setText("4.5");
    ctl("SponsorScreen", "Text26").setText("600");
    g.RivalPopularity[9] = 12;   // BCW, slot 10
    g.RivalPopularity[8] = 30;   // ICW, slot 9
    g.RivalPopularity[6] = -4;   // slot 7
    saveTo(3);
    EXPECT_EQ(g.loaded("SaveSlotScreen"), nullptr);
    EXPECT_EQ(dialogs_.shown().size(), 0u);

    std::vector<std::string> lines;
    ASSERT_EQ(ReadSavedGameFile("3.qavle", lines), SavedGameRead::Complete);
    EXPECT_EQ(lines[142], " 50000");
    EXPECT_EQ(lines[149], "-4");
    EXPECT_EQ(lines[151], " 12");
    EXPECT_EQ(lines[152], " 30");
    EXPECT_EQ(fileBytes(folder_ / "saves/s3/promotion.dat"), fileBytes(folder_ / "promotion.dat"));

    // A new run of the program over the same folder, straight to the load.
    game_.reset();
    game_ = std::make_unique<Game>(folder_, dialogs_);
    game_->start();
    click("SplashScreen", "Image1");
    click("DisclaimerScreen", "Command1");
    loadFrom(3);
    Game& h = game();
    EXPECT_TRUE(h.isShown("FederationHub"));
    EXPECT_FALSE(h.isLoaded("MainMenu"));
    EXPECT_FALSE(h.isLoaded("LoadSlotScreen"));
    EXPECT_EQ(h.Money, 50000);
    EXPECT_EQ(text("FederationHub", "Text8"), "50000");
    EXPECT_EQ(h.Popularity, 70);
    EXPECT_EQ(h.RivalPopularity[9], 12);
    EXPECT_EQ(h.RivalPopularity[8], 30);
    EXPECT_EQ(h.RivalPopularity[6], -4);
    EXPECT_EQ(h.form<FederationHub>().TvDealStreak, 3);
    EXPECT_EQ(text("NotesPad", "Text1"), "Week 3:\r\nbook the cage match\r\n\r\nsign a sponsor");
    EXPECT_EQ(text("StaffScreen", "Text28"), "4.5");
    EXPECT_EQ(text("FederationInfoScreen", "Text16"), "Portsmouth");
    EXPECT_EQ(text("FinanceScreen", "Label4"), "10000");  // line 84, not the money shown on the hub
    EXPECT_EQ(text("ChampionsScreen", "Label1"), "FWA British Heavyweight Championship");
    EXPECT_EQ(text("FederationHub", "List1"), "No shows mode");
    // The figures a show night pays follow the restored boxes.
    EXPECT_EQ(h.RefereeSkill, 4);
    EXPECT_EQ(h.SponsorAmount, 600);
}

TEST_F(SavedGameSlots, AFailedSaveSaysSoAndKeepsTheSlot) {
    startPreset();
    saveTo(1);
    const std::string savedGame = fileBytes("1.qavle");
    const std::string roster = fileBytes(folder_ / "saves/s1/promotion.dat");

    // The slot's record copy cannot be staged: nothing of the slot may change.
    fs::create_directories(folder_ / "saves/s1/promotion.dat.tmp");
    click("FederationHub", "Command1");
    saveTo(1);
    ASSERT_EQ(dialogs_.shown().size(), 1u);
    EXPECT_EQ(dialogs_.shown()[0].title, "Save failed!");
    EXPECT_TRUE(game().isShown("SaveSlotScreen"));  // the player may pick another slot
    EXPECT_EQ(fileBytes("1.qavle"), savedGame);
    EXPECT_EQ(fileBytes(folder_ / "saves/s1/promotion.dat"), roster);
    EXPECT_FALSE(fs::exists(folder_ / "saves/s1/wrestlers.dat.tmp"));

    // Another slot still saves, creating its missing folder.
    fs::remove_all(folder_ / "saves/s4");
    click("SaveSlotScreen", "Command4");
    EXPECT_FALSE(game().isLoaded("SaveSlotScreen"));
    EXPECT_TRUE(fs::exists(folder_ / "saves/s4/wrestlers.dat"));
    EXPECT_NE(fileBytes("4.qavle"), savedGame);

    // A slot screen left open when the game ends saves nothing over the slot.
    click("FederationHub", "Command14");
    quit();
    click("SaveSlotScreen", "Command4");
    ASSERT_EQ(dialogs_.shown().size(), 2u);
    EXPECT_EQ(dialogs_.shown()[1].text, "There is no game in progress to save.");
    EXPECT_FALSE(game().isLoaded("SaveSlotScreen"));
    std::vector<std::string> lines;
    ASSERT_EQ(ReadSavedGameFile("4.qavle", lines), SavedGameRead::Complete);
    EXPECT_EQ(lines[3], "Thursday");
}

TEST_F(SavedGameSlots, DamagedSlotsApplyNothingOrStopAtTheBadNumber) {
    startPreset();
    saveTo(1);
    saveTo(2);
    click("FederationHub", "Command1");  // Thursday; the rivals drift
    const auto rivals = game().RivalPopularity;
    fs::resize_file(folder_ / "promotion.dat", 158 * 2);

    // Line 142 not a number: every text comes back, no integer does, the wrestlers are restored.
    replaceLine("1.qavle", 142, "seventy");
    game().Popularity = 55;
    loadFrom(1);
    EXPECT_EQ(text("FederationHub", "Text4"), "Wednesday");
    EXPECT_EQ(game().Popularity, 55);
    EXPECT_EQ(game().RivalPopularity, rivals);
    EXPECT_EQ(fs::file_size(folder_ / "promotion.dat"), 158u * 11);
    EXPECT_TRUE(game().isShown("FederationHub"));

    // A file cut short at 100 lines: no field changes, the wrestlers are still restored, and the file
    // is closed so that the slot can be saved again.
    click("FederationHub", "Command1");
    {
        std::vector<std::string> values;
        ASSERT_EQ(ReadSavedGameFile("2.qavle", values), SavedGameRead::Complete);
        std::ofstream out("2.qavle", std::ios::binary | std::ios::trunc);
        for (int k = 0; k < 100; ++k) out << values[static_cast<std::size_t>(k)] << "\r\n";
    }
    fs::resize_file(folder_ / "promotion.dat", 158 * 2);
    loadFrom(2);
    EXPECT_EQ(text("FederationHub", "Text4"), "Thursday");
    EXPECT_EQ(fs::file_size(folder_ / "promotion.dat"), 158u * 11);
    saveTo(2);
    std::vector<std::string> values;
    EXPECT_EQ(ReadSavedGameFile("2.qavle", values), SavedGameRead::Complete);

    // A show mode the list does not offer keeps the one selected.
    ctl("FederationHub", "List1").setText("Normal mode");
    replaceLine("2.qavle", 141, "Wrestlemania mode");
    loadFrom(2);
    EXPECT_EQ(text("FederationHub", "List1"), "Normal mode");

    // An empty slot changes nothing and leaves both screens open.
    quit();
    click("MainMenu", "Command7");
    click("LoadSlotScreen", "Command3");
    EXPECT_TRUE(game().isShown("LoadSlotScreen"));
    EXPECT_TRUE(game().isShown("MainMenu"));
    EXPECT_FALSE(game().isLoaded("FederationHub"));
    EXPECT_EQ(dialogs_.shown().size(), 0u);
}

TEST_F(SavedGameSlots, MissingSlotWrestlersKeepTheWorkingFiles) {
    startPreset();
    saveTo(1);
    fs::remove(folder_ / "saves/s1/promotion.dat");
    fs::resize_file(folder_ / "promotion.dat", 158 * 3);
    quit();
    loadFrom(1);
    ASSERT_EQ(dialogs_.shown().size(), 1u);
    EXPECT_EQ(dialogs_.shown()[0].title, "Load problem!");
    EXPECT_EQ(fs::file_size(folder_ / "promotion.dat"), 158u * 3);
    EXPECT_EQ(fileBytes(folder_ / "wrestlers.dat"), fileBytes(folder_ / "saves/s1/wrestlers.dat"));
    EXPECT_TRUE(game().isShown("FederationHub"));
    EXPECT_EQ(text("FederationHub", "Text2"), "FRONTIER WRESTLING ALLIANCE");
}

TEST_F(SavedGameSlots, NamedSavesAndTheSavedGameList) {
    startPreset();
    dialogs_.queueInput(std::nullopt);
    SaveUnderName(game());
    EXPECT_TRUE(fs::exists(".qavle"));
    dialogs_.queueInput(std::string("1"));
    SaveUnderName(game());
    EXPECT_TRUE(fs::exists("1.qavle"));
    EXPECT_FALSE(fs::exists(folder_ / "saves/s1/wrestlers.dat"));  // a named save copies no wrestlers
    ASSERT_EQ(dialogs_.prompted().size(), 2u);
    EXPECT_EQ(dialogs_.prompted()[0].prompt, "File Name:");
    dialogs_.queueInput(std::string("tuesday.qavle"));
    click("FederationHub", "Command1");
    SaveUnderName(game());
    EXPECT_TRUE(fs::exists("tuesday.qavle.qavle"));
    quit();

    auto& menu = game().form("MainMenu");
    EXPECT_EQ(menu.c("File1").items(), (std::vector<std::string>{".qavle", "1.qavle", "tuesday.qavle.qavle"}));

    // The second LOAD GAME refuses before a pick.
    menu.c("Command2").playerClick();
    ASSERT_EQ(dialogs_.shown().size(), 1u);
    EXPECT_EQ(dialogs_.shown()[0].title, "Varnholt");
    EXPECT_EQ(dialogs_.shown()[0].text, "To load a game, please select the file before pressing the Load button.");
    EXPECT_TRUE(game().isShown("MainMenu"));

    // A pick loads the game into the hidden screens at once; the menu stays in front.
    menu.c("File1").playerSelect(2);
    EXPECT_EQ(menu.c("Text1").text(), "tuesday.qavle.qavle");
    EXPECT_EQ(text("FederationHub", "Text4"), "Thursday");
    EXPECT_FALSE(game().isShown("FederationHub"));
    EXPECT_TRUE(game().isShown("MainMenu"));

    menu.c("Command2").playerClick();
    game().collect();
    EXPECT_TRUE(game().isShown("FederationHub"));
    EXPECT_FALSE(game().isLoaded("MainMenu"));

    // DEL removes the picked file from the folder and the list, and keeps the name.
    quit();
    auto& again = game().form("MainMenu");
    again.c("File1").playerSelect(0);
    again.c("Command5").playerClick();
    EXPECT_FALSE(fs::exists(".qavle"));
    EXPECT_EQ(again.c("File1").items(), (std::vector<std::string>{"1.qavle", "tuesday.qavle.qavle"}));
    EXPECT_EQ(again.c("Text1").text(), ".qavle");
    again.c("Command5").playerClick();  // already gone: nothing more happens

    // A named file whose money line is damaged: the load stops there and the menu stays.
    replaceLine("1.qavle", 143, "a fortune");
    again.c("File1").setText("1.qavle");
    again.c("Command2").playerClick();
    EXPECT_TRUE(game().isShown("MainMenu"));
    EXPECT_FALSE(game().isShown("FederationHub"));
}

TEST_F(SavedGameSlots, SlotScreensShareOneLayout) {
    for (const char* screen : {"SaveSlotScreen", "LoadSlotScreen"}) {
        forms::Form& f = game().form(screen);
        EXPECT_EQ(f.caption(), "QAVLE");
        EXPECT_EQ(f.design().width, 4680);
        EXPECT_EQ(f.design().height, 3120);
        ASSERT_EQ(f.controls().size(), 5u);
        const auto& prompt = f.c("Label1");
        EXPECT_EQ(std::vector<int>({prompt.left(), prompt.top(), prompt.width(), prompt.height()}),
                  std::vector<int>({960, 360, 2775, 255}));
        // Four buttons of one size, a button every 480 twips, none reaching the next one's top.
        const int tops[] = {840, 1320, 1800, 2280};
        for (int n = 1; n <= 4; ++n) {
            const auto& b = f.c(("Command" + std::to_string(n)).c_str());
            EXPECT_EQ(b.text(), "Game slot " + std::to_string(n));
            EXPECT_EQ(std::vector<int>({b.left(), b.top(), b.width(), b.height()}),
                      std::vector<int>({960, tops[n - 1], 2775, 450}))
                << screen << " " << b.name();
            EXPECT_LE(b.top() + b.height(), f.design().height);
        }
    }
}

}  // namespace
}  // namespace varnholt
