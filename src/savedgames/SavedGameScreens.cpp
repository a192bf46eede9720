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

fs::path tempBeside(const fs::path& p) {
    fs::path t = p;
    t += ".tmp";
    return t;
}

void removeQuietly(const fs::path& p) {
    std::error_code ec;
    fs::remove(p, ec);
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

    // The record copies are made beside their final names first; the slot's files are replaced only
    // once every new file is complete, so a failure keeps the slot's previous save whole.
    const fs::path folder = SlotFolder(game, slot);
    std::error_code ec;
    fs::create_directories(folder, ec);
    std::vector<std::pair<fs::path, fs::path>> staged;  // temporary copy, final name
    bool ok = true;
    for (const char* file : RecordFiles) {
        const fs::path final = folder / file;
        const fs::path temp = tempBeside(final);
        staged.emplace_back(temp, final);
        if (!CopyRecordFile(game.path(std::string("\\") + file), temp)) {
            ok = false;
            break;
        }
    }
    ok = ok && WriteSavedGameFile(SlotSavedGamePath(slot), values);
    for (const auto& [temp, final] : staged) {
        if (ok && !forms::renameFile(temp, final)) ok = false;
        removeQuietly(temp);
    }
    if (!ok) {
        tellNotSaved(game, slot, "");
        return false;
    }
    game.unload<SaveSlotScreen>();
    return true;
}

bool LoadFromSlot(Game& game, int slot) {
    if (refusedWhileEditing(game)) return false;
    // The whole slot is checked before anything of it is applied, shown or copied.
    std::vector<fs::path> slotFiles;
    for (const char* file : RecordFiles) slotFiles.push_back(SlotFolder(game, slot) / file);
    std::vector<std::string> values;
    switch (CheckSavedGame(SlotSavedGamePath(slot), slotFiles, values)) {
        case SavedGameCheck::Empty: return false;  // nothing happens
        case SavedGameCheck::Damaged:
            refuseDamaged(game, "in game slot " + std::to_string(slot));
            return false;
        case SavedGameCheck::Usable: break;
    }
    ApplySavedGame(game, values);

    // The slot's wrestlers replace the working files; a copy that cannot be made leaves its working
    // file whole, and the player is told that the wrestlers are not the saved game's.
    bool copied = true;
    for (const char* file : RecordFiles)
        if (!ReplaceFileSafely(SlotFolder(game, slot) / file, game.path(std::string("\\") + file))) copied = false;
    if (!copied)
        game.msgBox("The wrestlers of game slot " + std::to_string(slot) +
                        " could not be restored. The game goes on with the wrestlers it had before.",
                    "Load problem!");

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
