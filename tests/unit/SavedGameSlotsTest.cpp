// Saving a running game into the slots and loading it back, the damaged and failed cases, and the
// named saves of the main menu's hidden saved-game list.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "GameFixture.h"
#include "forms/Files.h"
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
    EXPECT_EQ(h.TvDealStreak, 3);
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

    // The slot's record copy cannot be staged (something the game cannot clear away stands in its place):
    // nothing of the slot may change.
    fs::create_directories(folder_ / "saves/s1/promotion.dat.tmp/in-the-way");
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

// A game holding a figure that the slot's load would refuse is not saved over the slot: the player is told,
// the slot screen stays up, and the slot's three files stay exactly as they were.
TEST_F(SavedGameSlots, AGameTheLoadWouldRefuseIsNotSaved) {
    startPreset();
    saveTo(2);
    const fs::path slot = folder_ / "saves/s2";
    const std::string savedGame = fileBytes("2.qavle");
    const std::string agents = fileBytes(slot / "wrestlers.dat"), roster = fileBytes(slot / "promotion.dat");
    // The game moves on, on the hub and on disk, so that a save would change every file of the slot.
    click("FederationHub", "Command1");
    fs::resize_file(folder_ / "promotion.dat", 158 * 2);
    click("FederationHub", "Command14");

    struct Figure {
        const char* screen;
        const char* control;
        const char* text;
    };
    const Figure refused[] = {
        {"FederationHub", "Text7", ""},             // an empty popularity is not 0 to the screens
        {"FederationHub", "Text8", "a fortune"},
        {"FederationHub", "Text9", "three"},        // the TV-deal streak's store
        {"SponsorScreen", "Text26", "-32769"},
        {"FederationHub", "Text6", "99999999999"},  // the year
    };
    std::size_t boxes = 0;
    for (const auto& f : refused) {
        auto& field = ctl(f.screen, f.control);
        const std::string kept = field.text();
        field.setText(f.text);
        click("SaveSlotScreen", "Command2");
        ASSERT_EQ(dialogs_.shown().size(), ++boxes) << f.control << " " << f.text;
        EXPECT_EQ(dialogs_.shown().back().title, "Save failed!");
        EXPECT_EQ(dialogs_.shown().back().text,
                  "The game could not be saved to game slot 2: it holds a figure that could not be loaded back. "
                  "The slot keeps what it held before.");
        EXPECT_TRUE(game().isShown("SaveSlotScreen"));
        EXPECT_EQ(fileBytes("2.qavle"), savedGame) << f.control << " " << f.text;
        EXPECT_EQ(fileBytes(slot / "wrestlers.dat"), agents);
        EXPECT_EQ(fileBytes(slot / "promotion.dat"), roster);
        for (const fs::path& temp : {fs::path("2.qavle.tmp"), slot / "wrestlers.dat.tmp", slot / "promotion.dat.tmp"})
            EXPECT_FALSE(fs::exists(temp)) << temp;
        field.setText(kept);
    }

    // Put right, the game saves over the slot as it stands.
    click("SaveSlotScreen", "Command2");
    EXPECT_EQ(dialogs_.shown().size(), boxes);
    EXPECT_FALSE(game().isLoaded("SaveSlotScreen"));
    EXPECT_EQ(fs::file_size(slot / "promotion.dat"), 158u * 2);
    std::vector<std::string> lines;
    ASSERT_EQ(ReadSavedGameFile("2.qavle", lines), SavedGameRead::Complete);
    EXPECT_EQ(lines[3], "Thursday");
}

// Every kind of damage refuses the slot before anything of it is used; the cases next to them still load.
TEST_F(SavedGameSlots, TheSlotCheckRefusesEveryKindOfDamage) {
    startPreset();
    saveTo(1);
    std::vector<std::string> saved;
    ASSERT_EQ(ReadSavedGameFile("1.qavle", saved), SavedGameRead::Complete);
    const fs::path slot = folder_ / "saves/s1";
    const std::vector<fs::path> wrestlerFiles = {slot / "wrestlers.dat", slot / "promotion.dat"};
    auto check = [&](const std::vector<std::string>& lines) {
        std::ofstream out("check.qavle", std::ios::binary | std::ios::trunc);
        for (const auto& l : lines) out << l << "\r\n";
        out.close();
        std::vector<std::string> values;
        return CheckSavedGame("check.qavle", wrestlerFiles, values);
    };
    auto with = [&](int line, const std::string& text) {
        auto lines = saved;
        lines[static_cast<std::size_t>(line - 1)] = text;
        return check(lines);
    };
    using C = SavedGameCheck;
    EXPECT_EQ(check(saved), C::Usable);

    // Boundary cases that still load: integer lines empty, with a half or at the 16-bit ends, the money
    // past 32767, a streak store left empty, any text in a field that is never read as a number, and
    // lines after the 155th.
    EXPECT_EQ(with(142, ""), C::Usable);
    EXPECT_EQ(with(144, " 12.5 "), C::Usable);
    EXPECT_EQ(with(155, "-32768"), C::Usable);
    EXPECT_EQ(with(143, " 50000"), C::Usable);
    EXPECT_EQ(with(136, ""), C::Usable);
    EXPECT_EQ(with(7, "12.5"), C::Usable);
    for (int line : {1, 9, 57, 67, 79, 141}) EXPECT_EQ(with(line, "seventy"), C::Usable) << line;
    auto longer = saved;
    for (int k = 0; k < 10; ++k) longer.push_back("extra");
    EXPECT_EQ(check(longer), C::Usable);

    // Cut short anywhere before the 155th line.
    for (std::size_t n : {0u, 1u, 100u, 154u}) {
        auto shorter = saved;
        shorter.resize(n);
        EXPECT_EQ(check(shorter), C::Damaged) << n << " lines";
    }
    // Integer lines that do not convert: not a number, outside the 16-bit range, the money outside 32 bits.
    for (int line : {142, 144, 150, 155}) {
        EXPECT_EQ(with(line, "seventy"), C::Damaged) << line;
        EXPECT_EQ(with(line, "32768"), C::Damaged) << line;
        EXPECT_EQ(with(line, "-32768.6"), C::Damaged) << line;
    }
    EXPECT_EQ(with(143, "2147483648"), C::Damaged);
    EXPECT_EQ(with(143, "a fortune"), C::Damaged);
    // Texts that the game reads back as numbers later: the hub's year, popularity and money, the staff's
    // skills and wages, the sponsor's amount, the finance sheet and the TV-deal streak's store. The
    // screens read them without the integer lines' leniency: an empty popularity is not 0.
    for (int line : {6, 7, 8, 59, 60, 61, 62, 82, 84, 96, 110, 135, 136})
        EXPECT_EQ(with(line, "&HFF"), C::Damaged) << line;
    EXPECT_EQ(with(7, ""), C::Damaged);
    EXPECT_EQ(with(61, ""), C::Damaged);
    EXPECT_EQ(with(7, "40000"), C::Damaged);
    EXPECT_EQ(with(8, "99999999999"), C::Damaged);
    EXPECT_EQ(with(120, "NaN"), C::Damaged);

    // The slot's wrestler files: both there, both of whole records.
    const std::string roster = fileBytes(slot / "promotion.dat");
    std::ofstream(slot / "promotion.dat", std::ios::binary | std::ios::app) << std::string(77, 'z');
    EXPECT_EQ(check(saved), C::Damaged);
    fs::resize_file(slot / "promotion.dat", 0);  // an empty roster is whole
    EXPECT_EQ(check(saved), C::Usable);
    fs::remove(slot / "wrestlers.dat");
    EXPECT_EQ(check(saved), C::Damaged);
    fs::create_directories(slot / "wrestlers.dat");
    EXPECT_EQ(check(saved), C::Damaged);

    // No file is an empty slot; something there that is not a saved game is a damaged one.
    std::vector<std::string> values;
    EXPECT_EQ(CheckSavedGame("2.qavle", wrestlerFiles, values), C::Empty);
    fs::create_directories("3.qavle");
    EXPECT_EQ(CheckSavedGame("3.qavle", {}, values), C::Damaged);
    EXPECT_TRUE(values.empty());
}

// A damaged slot is refused with one message, and nothing of the game, its screens or its files changes.
TEST_F(SavedGameSlots, DamagedSlotsAreRefusedAndChangeNothing) {
    startPreset();
    saveTo(1);
    saveTo(2);
    click("FederationHub", "Command1");  // Thursday; the rivals drift
    click("FederationHub", "Command14");  // the save screen stays open beside the hub
    game().Popularity = 55;
    ctl("NotesPad", "Text1").setText("keep me");
    fs::resize_file(folder_ / "promotion.dat", 158 * 2);
    std::vector<std::string> lines;
    ASSERT_EQ(ReadSavedGameFile("1.qavle", lines), SavedGameRead::Complete);
    lines[154] = "abc";  // the last line: every other value would be good
    ASSERT_TRUE(WriteSavedGameFile("1.qavle", lines));
    std::ofstream(folder_ / "saves/s2/wrestlers.dat", std::ios::binary | std::ios::app) << std::string(77, 'z');

    const auto before = CollectSavedGame(game());
    const auto rivals = game().RivalPopularity;
    const std::string roster = fileBytes(folder_ / "promotion.dat"), agents = fileBytes(folder_ / "wrestlers.dat");
    auto shown = [this] {
        std::vector<std::string> out;
        for (forms::Form* f : game().loadedForms()) out.push_back(f->role() + (f->visible() ? " shown" : " hidden"));
        return out;
    };
    const auto screens = shown();
    // The slot screen over a running game, as when it was left open while a new game began.
    for (int n : {1, 2}) {
        LoadFromSlot(game(), n);
        game().collect();
        ASSERT_EQ(dialogs_.shown().size(), static_cast<std::size_t>(n));
        EXPECT_EQ(dialogs_.shown().back().title, "Load failed!");
        EXPECT_EQ(dialogs_.shown().back().text,
                  "The saved game in game slot " + std::to_string(n) + " is damaged. Nothing was loaded.");
        EXPECT_EQ(CollectSavedGame(game()), before);
        EXPECT_EQ(game().Popularity, 55);
        EXPECT_EQ(game().RivalPopularity, rivals);
        EXPECT_EQ(fileBytes(folder_ / "promotion.dat"), roster);
        EXPECT_EQ(fileBytes(folder_ / "wrestlers.dat"), agents);
        EXPECT_EQ(shown(), screens);
    }
    EXPECT_EQ(text("FederationHub", "Text4"), "Thursday");

    // A show mode the list does not offer is read as no number: the slot loads, keeping the mode selected.
    ctl("FederationHub", "List1").setText("Normal mode");
    saveTo(3);
    replaceLine("3.qavle", 141, "Wrestlemania mode");
    EXPECT_TRUE(LoadFromSlot(game(), 3));
    EXPECT_EQ(text("FederationHub", "List1"), "Normal mode");
    EXPECT_EQ(dialogs_.shown().size(), 2u);
}

// Torn wrestler files never travel: a torn master starts a game of whole records, and a game whose
// roster was torn on disk is saved whole, so its slot loads again.
TEST_F(SavedGameSlots, TornWrestlerFilesAreCopiedAsWholeRecords) {
    std::ofstream(folder_ / "data/wrestlers.dat", std::ios::binary | std::ios::app) << std::string(50, 'q');
    const auto master = fs::file_size(folder_ / "data/wrestlers.dat");
    startPreset();
    EXPECT_EQ(fs::file_size(folder_ / "wrestlers.dat"), master - 50);
    std::ofstream(folder_ / "promotion.dat", std::ios::binary | std::ios::app) << std::string(100, 'q');
    const auto roster = fs::file_size(folder_ / "promotion.dat") - 100;
    saveTo(1);
    EXPECT_EQ(fs::file_size(folder_ / "saves/s1/promotion.dat"), roster);
    quit();
    loadFrom(1);
    EXPECT_TRUE(dialogs_.shown().empty());
    EXPECT_TRUE(game().isShown("FederationHub"));
    EXPECT_EQ(fs::file_size(folder_ / "promotion.dat"), roster);
}

// A whole slot whose wrestlers cannot be copied back (the disk refuses): nothing of the slot is applied,
// the player stays where he was, and a save then writes the running game, not a mixture of the two.
TEST_F(SavedGameSlots, ALoadThatCannotCopyTheWrestlersChangesNothing) {
    startPreset();
    saveTo(1);
    const std::string slotAgents = fileBytes(folder_ / "saves/s1/wrestlers.dat");
    const std::string slotRoster = fileBytes(folder_ / "saves/s1/promotion.dat");
    quit();
    // The slot window is left up over a new game of another federation, whose roster is its own.
    click("MainMenu", "Command7");
    click("MainMenu", "Command1");
    click("NewGameScreen", "Command3");
    fs::resize_file(folder_ / "promotion.dat", 158 * 3);
    const std::string name = text("FederationHub", "Text2");
    const std::string agents = fileBytes(folder_ / "wrestlers.dat"), roster = fileBytes(folder_ / "promotion.dat");
    const int16_t popularity = game().Popularity;
    auto nothingChanged = [&] {
        EXPECT_TRUE(fileBytes(folder_ / "wrestlers.dat") == agents);
        EXPECT_TRUE(fileBytes(folder_ / "promotion.dat") == roster);
        EXPECT_TRUE(fileBytes(folder_ / "saves/s1/promotion.dat") == slotRoster);
        EXPECT_FALSE(fs::exists(folder_ / "wrestlers.dat.tmp"));
    };

    // The copy cannot be made beside the working roster (something the game cannot clear stands there).
    fs::create_directories(folder_ / "promotion.dat.tmp/in-the-way");
    click("LoadSlotScreen", "Command1");
    ASSERT_EQ(dialogs_.shown().size(), 1u);
    EXPECT_EQ(dialogs_.shown()[0].title, "Load failed!");
    EXPECT_EQ(dialogs_.shown()[0].text,
              "Game slot 1 could not be loaded: its wrestlers could not be copied. Nothing was loaded.");
    EXPECT_EQ(text("FederationHub", "Text2"), name);
    EXPECT_EQ(game().Popularity, popularity);
    EXPECT_TRUE(game().isShown("LoadSlotScreen"));
    nothingChanged();
    // A save then writes the running game, not a mixture of the two.
    saveTo(2);
    EXPECT_TRUE(fileBytes(folder_ / "saves/s2/promotion.dat") == roster);
    std::vector<std::string> lines;
    ASSERT_EQ(ReadSavedGameFile("2.qavle", lines), SavedGameRead::Complete);
    EXPECT_EQ(lines[1], name);

    // From the menu too, and the player stays at the menu.
    quit();
    click("LoadSlotScreen", "Command1");
    ASSERT_EQ(dialogs_.shown().size(), 2u);
    EXPECT_EQ(dialogs_.shown()[1].title, "Load failed!");
    EXPECT_TRUE(game().isShown("MainMenu"));
    EXPECT_FALSE(game().isLoaded("FederationHub"));
    nothingChanged();

    // Once the disk takes the copy again, the slot's game comes back whole.
    fs::remove_all(folder_ / "promotion.dat.tmp");
    click("LoadSlotScreen", "Command1");
    EXPECT_EQ(dialogs_.shown().size(), 2u);
    EXPECT_EQ(text("FederationHub", "Text2"), "FRONTIER WRESTLING ALLIANCE");
    EXPECT_TRUE(fileBytes(folder_ / "promotion.dat") == slotRoster);
    EXPECT_TRUE(fileBytes(folder_ / "wrestlers.dat") == slotAgents);
}

// The program stopped (killed, crashed, the power cut) before each step by which a save changes the disk,
// one stop per run: a fresh program then loads the slot, and finds the previous save whole or the new one
// whole, never a mixture and never a refusal.
struct Stopped {};
int stepsLeft = -1;
void stopAtStep(forms::FileStep, const fs::path&) {
    if (stepsLeft >= 0 && stepsLeft-- == 0) throw Stopped{};
}

TEST_F(SavedGameSlots, ASaveStoppedAtAnyStepLeavesOneWholeSave) {
    const std::vector<fs::path> slot{"1.qavle", folder_ / "saves/s1/wrestlers.dat", folder_ / "saves/s1/promotion.dat"};
    auto filesOf = [](const std::vector<fs::path>& files) {
        std::vector<std::string> bytes;
        for (const auto& f : files) bytes.push_back(fileBytes(f));
        return bytes;
    };
    // The previous save: a game on its first day. The new one: the next day, and a roster of three.
    startPreset();
    saveTo(1);
    const auto previous = filesOf(slot);
    auto playOn = [&] {
        click("FederationHub", "Command1");
        fs::resize_file(folder_ / "promotion.dat", 158 * 3);
    };
    playOn();
    saveTo(4);
    const auto next = filesOf({"4.qavle", folder_ / "saves/s4/wrestlers.dat", folder_ / "saves/s4/promotion.dat"});
    ASSERT_NE(previous, next);

    auto freshProgram = [&] {
        game_.reset();
        game_ = std::make_unique<Game>(folder_, dialogs_);
        game_->start();
        click("SplashScreen", "Image1");
        click("DisclaimerScreen", "Command1");
    };
    forms::watchFileSteps(stopAtStep);
    int stops = 0, cameBackNew = 0;
    for (int step = 0;; ++step) {
        // The slot holds the previous save; the game has moved on.
        for (std::size_t i = 0; i < slot.size(); ++i) ASSERT_TRUE(forms::replaceWithBytes(slot[i], previous[i]));
        freshProgram();
        loadFrom(1);
        playOn();
        stepsLeft = step;
        bool stopped = false;
        try {
            saveTo(1);
        } catch (const Stopped&) {
            stopped = true;
        }
        stepsLeft = -1;
        if (!stopped) break;
        ++stops;

        freshProgram();
        loadFrom(1);
        EXPECT_TRUE(dialogs_.shown().empty()) << "stopped before step " << step << ": " << dialogs_.shown()[0].text;
        ASSERT_TRUE(game().isShown("FederationHub")) << "stopped before step " << step;
        const auto now = filesOf(slot);
        EXPECT_TRUE(now == previous || now == next) << "a mixture after a stop before step " << step;
        EXPECT_EQ(text("FederationHub", "Text4"), now == next ? "Thursday" : "Wednesday");
        EXPECT_EQ(fs::file_size(folder_ / "promotion.dat"), fs::file_size(slot[2]));
        cameBackNew += now == next;
        for (const char* left : {"1.qavle.tmp", "saves/s1/wrestlers.dat.tmp", "saves/s1/saving.lst"})
            EXPECT_FALSE(fs::exists(folder_ / left)) << left << " left after a stop before step " << step;
    }
    forms::watchFileSteps(nullptr);
    EXPECT_GE(stops, 10);  // staging, flushing, the marker, three renames, the folders, the marker's removal
    EXPECT_GT(cameBackNew, 0);
    EXPECT_LT(cameBackNew, stops);
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

    // A named file whose money line is damaged: refused by its name at the pick and at the load; the
    // menu stays in front.
    replaceLine("1.qavle", 143, "a fortune");
    again.c("File1").setText("1.qavle");
    again.c("Command2").playerClick();
    ASSERT_EQ(dialogs_.shown().size(), 3u);
    for (std::size_t i : {1u, 2u}) {
        EXPECT_EQ(dialogs_.shown()[i].title, "Load failed!");
        EXPECT_EQ(dialogs_.shown()[i].text, "The saved game 1.qavle is damaged. Nothing was loaded.");
    }
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
