#include "savedgames/SavedGameScreens.h"

#include <system_error>
#include <vector>

#include "forms/Files.h"
#include "game/OpenGame.h"
#include "savedgames/SavedGame.h"
#include "wrestlers/RecordFiles.h"

namespace varnholt {

namespace fs = std::filesystem;

namespace {

// The two slot screens share one layout: a line of text over a column of four slot buttons, one every
// 480 twips, each a little less high than that so that no button covers the edge of the next.
FormDef slotScreenDef(const char* name, const char* role, const char* prompt) {
    FormDef d{name, role, "QAVLE", 4680, 3120, "", {}};
    d.aside = true;
    d.dialog = true;
    d.controls.push_back(label("Label1", 960, 360, 2775, 255, prompt));
    for (int n = 1; n <= GameSlotCount; ++n)
        d.controls.push_back(button("Command" + std::to_string(n), 960, 840 + (n - 1) * 480, 2775, 450,
                                    "Game slot " + std::to_string(n)));
    return d;
}

const FormDef& saveSlotDef() {
    static const FormDef def = slotScreenDef(SaveSlotScreen::Name, SaveSlotScreen::Role, "Select a file to save to:");
    return def;
}

const FormDef& loadSlotDef() {
    static const FormDef def = slotScreenDef(LoadSlotScreen::Name, LoadSlotScreen::Role, "Select a file to load from:");
    return def;
}

const char* const RecordFiles[] = {"wrestlers.dat", "promotion.dat"};

// The three files of a slot, which are replaced as one: its saved game in the current folder and its two
// wrestler files in its folder, with the marker that commits a save to it.
struct SlotFiles {
    fs::path savedGame;
    std::vector<fs::path> records;
    fs::path marker;

    std::vector<fs::path> all() const {
        std::vector<fs::path> files{savedGame};
        files.insert(files.end(), records.begin(), records.end());
        return files;
    }
};

SlotFiles slotFiles(const Game& game, int slot) {
    SlotFiles files{fs::absolute(SlotSavedGamePath(slot)), {}, SlotFolder(game, slot) / "saving.lst"};
    for (const char* file : RecordFiles) files.records.push_back(SlotFolder(game, slot) / file);
    return files;
}

// Finishes a save to the slot that was cut short once it had committed, or throws away what one that had
// not committed left behind, so that the slot holds one save whole. False when that could not be done.
bool settleSlot(const Game& game, int slot) {
    const SlotFiles files = slotFiles(game, slot);
    std::vector<fs::path> staged;
    for (const auto& f : files.all()) staged.push_back(forms::stagedName(f));
    return forms::finishMarkedReplace(files.marker, staged) != forms::MarkedReplace::Failed;
}

// A file name the player's saved-game list gave: a plain name in the current folder, nothing more.
bool isBareFileName(const std::string& name) {
    if (name.empty() || name == "." || name == "..") return false;
    return name.find('/') == std::string::npos && name.find('\\') == std::string::npos &&
           name.find(':') == std::string::npos;
}

constexpr const char* LoadFailedTitle = "Load failed!";

// One message for a saved game that cannot be used; `which` says which one ("in game slot 2").
void refuseDamaged(Game& game, const std::string& which) {
    game.msgBox("The saved game " + which + " is damaged. Nothing was loaded.", LoadFailedTitle);
}

// A named save of the current folder, read and checked whole; the player is told when it cannot be used.
bool readNamedSave(Game& game, const std::string& name, std::vector<std::string>& values) {
    if (!isBareFileName(name)) return false;
    switch (CheckSavedGame(fs::path(name), {}, values)) {
        case SavedGameCheck::Empty: return false;
        case SavedGameCheck::Damaged: refuseDamaged(game, name); return false;
        case SavedGameCheck::Usable: return true;
    }
    return false;
}

// No game is loaded over the file the wrestler editor is editing.
bool refusedWhileEditing(Game& game) { return RefusedWhileEditing(game, "load a game", "Nothing was loaded."); }

void tellNotSaved(Game& game, int slot, const std::string& why) {
    game.msgBox("The game could not be saved to game slot " + std::to_string(slot) + why +
                    ". The slot keeps what it held before.",
                "Save failed!");
}

std::string menuFileName(Game& game) {
    return game.form<screens::MainMenu>().c(screens::MainMenu::SavedGameNameText).text();
}

}  // namespace

fs::path SlotSavedGamePath(int slot) { return fs::path(std::to_string(slot) + ".qavle"); }

fs::path SlotFolder(const Game& game, int slot) { return game.path("\\saves\\s" + std::to_string(slot)); }

bool SaveToSlot(Game& game, int slot) {
    // A slot screen left up when the game ended would save a game of empty screens over the slot.
    if (!GameInProgress(game)) {
        game.msgBox("There is no game in progress to save.", "Nothing to save!");
        game.unload<SaveSlotScreen>();
        return false;
    }
    // Only a game that the slot's load takes back is written: the slot's files are not touched otherwise.
    const std::vector<std::string> values = CollectSavedGame(game);
    if (!SavedValuesLoadBack(values)) {
        tellNotSaved(game, slot, ": it holds a figure that could not be loaded back");
        return false;
    }

    // Every new file of the slot is made complete beside its final name first; then the three replace the
    // slot's files as one, so that whatever stops the program, the slot holds the previous save or this one.
    if (!settleSlot(game, slot)) {
        tellNotSaved(game, slot, "");
        return false;
    }
    const SlotFiles files = slotFiles(game, slot);
    std::error_code ec;
    fs::create_directories(SlotFolder(game, slot), ec);
    std::vector<std::pair<fs::path, fs::path>> staged{{forms::stagedName(files.savedGame), files.savedGame}};
    bool ok = forms::stageBytes(staged.back().first, SavedGameFileBytes(values));
    for (std::size_t i = 0; ok && i < files.records.size(); ++i) {
        staged.emplace_back(forms::stagedName(files.records[i]), files.records[i]);
        ok = StageRecordCopy(game.path(std::string("\\") + RecordFiles[i]), staged.back().first);
    }
    ok = ok && forms::replaceAsOne(files.marker, staged);
    if (!ok) {
        // A marker that stayed behind a failed rename is finished by the next save or load of the slot;
        // without one, what was staged goes.
        if (!fs::exists(files.marker, ec))
            for (const auto& [temp, final] : staged) forms::deleteFile(temp);
        tellNotSaved(game, slot, "");
        return false;
    }
    game.unload<SaveSlotScreen>();
    return true;
}

bool LoadFromSlot(Game& game, int slot) {
    if (refusedWhileEditing(game)) return false;
    // A save to the slot that was cut short is settled first; then the whole slot is checked before
    // anything of it is applied, shown or copied.
    std::vector<std::string> values;
    if (!settleSlot(game, slot)) {
        refuseDamaged(game, "in game slot " + std::to_string(slot));
        return false;
    }
    switch (CheckSavedGame(SlotSavedGamePath(slot), slotFiles(game, slot).records, values)) {
        case SavedGameCheck::Empty: return false;  // nothing happens
        case SavedGameCheck::Damaged:
            refuseDamaged(game, "in game slot " + std::to_string(slot));
            return false;
        case SavedGameCheck::Usable: break;
    }
    // The slot's wrestlers are copied whole beside the working files before anything of the game is
    // applied: a load that cannot copy them changes nothing, and never goes on with another game's wrestlers.
    std::vector<std::pair<fs::path, fs::path>> staged;
    bool copied = true;
    for (const char* file : RecordFiles) {
        const fs::path working = game.path(std::string("\\") + file);
        staged.emplace_back(forms::stagedName(working), working);
        copied = copied && StageRecordCopy(SlotFolder(game, slot) / file, staged.back().first);
    }
    for (const auto& [temp, working] : staged) copied = copied && forms::commitStaged(temp, working);
    if (!copied) {
        for (const auto& [temp, working] : staged) forms::deleteFile(temp);
        game.msgBox("Game slot " + std::to_string(slot) +
                        " could not be loaded: its wrestlers could not be copied. Nothing was loaded.",
                    LoadFailedTitle);
        return false;
    }
    ApplySavedGame(game, values);

    game.show<screens::FederationHub>();
    game.unload<LoadSlotScreen>();
    game.unload<screens::MainMenu>();
    return true;
}

void SaveUnderName(Game& game) {
    const std::string name = game.inputBox("File Name:").value_or(std::string()) + ".qavle";
    if (!WriteSavedGameFile(forms::nativePath(name), CollectSavedGame(game)))
        game.msgBox("The game could not be saved as " + name + ".", "Save failed!");
}

void FillSavedGameList(forms::Control& list) {
    std::error_code ec;
    const fs::path here = fs::current_path(ec);
    list.setPattern("*.qavle");
    if (!ec) list.setFolder(here.string());
}

void SelectSavedGame(Game& game) {
    if (refusedWhileEditing(game)) return;
    using Menu = screens::MainMenu;
    auto& menu = game.form<Menu>();
    const std::string name = menu.c(Menu::SavedGameList).text();
    menu.c(Menu::SavedGameNameText).setText(name);
    std::vector<std::string> values;
    if (readNamedSave(game, name, values)) ApplySavedGame(game, values);
}

void LoadSelectedGame(Game& game) {
    if (refusedWhileEditing(game)) return;
    const std::string name = menuFileName(game);
    if (name.empty()) {
        game.msgBox("To load a game, please select the file before pressing the Load button.", "Varnholt");
        return;
    }
    std::vector<std::string> values;
    if (!readNamedSave(game, name, values)) return;
    if (!ApplySavedGame(game, values)) return;
    game.show<screens::FederationHub>();
    game.unload<screens::MainMenu>();
}

void DeleteSavedGame(Game& game) {
    using Menu = screens::MainMenu;
    auto& menu = game.form<Menu>();
    const std::string name = menu.c(Menu::SavedGameNameText).text();
    if (name.empty()) return;
    // Only a saved game of the current folder, as the list names it, is ever deleted.
    if (isBareFileName(name) && forms::fileExists(fs::path(name))) forms::deleteFile(fs::path(name));
    FillSavedGameList(menu.c(Menu::SavedGameList));
}

SaveSlotScreen::SaveSlotScreen(Game& game) : Screen(game, saveSlotDef()) {
    bind<SaveSlotScreen>({
        {"Command1", Event::Click, &SaveSlotScreen::Form28_Command1_Click},
        {"Command2", Event::Click, &SaveSlotScreen::Form28_Command2_Click},
        {"Command3", Event::Click, &SaveSlotScreen::Form28_Command3_Click},
        {"Command4", Event::Click, &SaveSlotScreen::Form28_Command4_Click},
    });
}

void SaveSlotScreen::Form28_Command1_Click() { SaveToSlot(game_, 1); }
void SaveSlotScreen::Form28_Command2_Click() { SaveToSlot(game_, 2); }
void SaveSlotScreen::Form28_Command3_Click() { SaveToSlot(game_, 3); }
void SaveSlotScreen::Form28_Command4_Click() { SaveToSlot(game_, 4); }

LoadSlotScreen::LoadSlotScreen(Game& game) : Screen(game, loadSlotDef()) {
    bind<LoadSlotScreen>({
        {"Command1", Event::Click, &LoadSlotScreen::Form29_Command1_Click},
        {"Command2", Event::Click, &LoadSlotScreen::Form29_Command2_Click},
        {"Command3", Event::Click, &LoadSlotScreen::Form29_Command3_Click},
        {"Command4", Event::Click, &LoadSlotScreen::Form29_Command4_Click},
    });
}

void LoadSlotScreen::Form29_Command1_Click() { LoadFromSlot(game_, 1); }
void LoadSlotScreen::Form29_Command2_Click() { LoadFromSlot(game_, 2); }
void LoadSlotScreen::Form29_Command3_Click() { LoadFromSlot(game_, 3); }
void LoadSlotScreen::Form29_Command4_Click() { LoadFromSlot(game_, 4); }

void registerSavedGameScreens(Game& game) {
    game.registerForm<SaveSlotScreen>(game);
    game.registerForm<LoadSlotScreen>(game);
}

}  // namespace varnholt
