#include "shell/StartupScreens.h"

#include "forms/Files.h"
#include "game/OpenGame.h"
#include "game/Services.h"
#include "shell/Credits.h"
#include "shell/Presets.h"
#include "wrestlers/RecordFiles.h"

namespace varnholt {

namespace {

const FormDef& splashDef() {
    // A click anywhere on the picture goes on, and so does Return: going on loses nothing.
    static const FormDef def{
        .name = SplashScreen::Name, .role = SplashScreen::Role, .caption = "Varnholt", .width = 9600, .height = 7200,
        .controls = {image("Image1", 0, 0, 9600, 7200)},
        .opensOn = "Image1",
    };
    return def;
}

const FormDef& disclaimerDef() {
    static const FormDef def{
        .name = DisclaimerScreen::Name, .role = DisclaimerScreen::Role, .caption = "Disclaimer", .width = 7200,
        .height = 4920,
        .controls = {
            label("Label1", 240, 240, 6720, 600, "Varnholt", forms::Bold | forms::Large | forms::Centred),
            label("Label2", 240, 900, 6720, 360, std::string("By ") + credits::Author, forms::Centred),
            label("Label6", 240, 1320, 6720, 360, "Version 2.0 - 4th April 2004", forms::Centred),
            label("Label3", 240, 1860, 6720, 360, "Visit the official website at:", forms::Centred),
            label("Label4", 240, 2220, 6720, 360, credits::WebAddress, forms::Centred),
            label("Label5", 240, 2760, 6720, 1080,
                  "This game is an independent work of fiction. It is not connected with, endorsed by or affiliated "
                  "with any of the parties featured in it, and neither the game nor its author has any connection "
                  "with them. Varnholt is free and unofficial and must not be distributed for any sum of money.",
                  forms::Centred),
            button("Command1", 2700, 4080, 1800, 495, "Continue"),
        },
        .wayOut = "Command1",
    };
    return def;
}

ControlDef withTooltip(ControlDef def, std::string tooltip) {
    def.tooltip = std::move(tooltip);
    return def;
}

const FormDef& mainMenuDef() {
    // The menu opens on NEW GAME: nothing is lost by starting one.
    static const FormDef def{
        .name = MainMenu::Name, .role = MainMenu::Role, .caption = "Varnholt", .width = 7200, .height = 7200,
        .controls = {
            label("Label1", 240, 240, 6720, 360,
                  std::string("Visit the only official website - ") + credits::WebAddress, forms::Centred),
            button("Command1", 2100, 1080, 3000, 615, "NEW GAME", forms::Bold),
            button("Command7", 2100, 1920, 3000, 615, "LOAD GAME", forms::Bold | forms::OnlyOpens),
            button("Command6", 2100, 2760, 3000, 615, "EDITOR", forms::Bold | forms::OnlyOpens),
            button("Command3", 2100, 3600, 3000, 615, "CREDITS", forms::Bold | forms::OnlyOpens),
            button("Command4", 2100, 4440, 3000, 615, "QUIT", forms::Bold),
            label("Label2", 240, 5700, 6720, 360, std::string("CREATED BY ") + credits::AuthorCapitals,
                  forms::Centred),
            label("Label4", 240, 6120, 6720, 360, "v2 - 4TH APRIL 2004", forms::Centred),
            // The saved-game list of an older menu: built hidden and disabled, never shown.
            withTooltip(
                fileList(MainMenu::SavedGameList, 240, 1080, 1500, 1200, forms::Hidden | forms::Disabled),
                "To load a saved game, select the file from the list, click on it, and then press load game."),
            withTooltip(button("Command2", 5460, 1080, 1500, 495, "LOAD GAME", forms::Hidden | forms::Disabled),
                        "To load a game, select the file from the list, click on it, and then press load game."),
            withTooltip(button("Command5", 5460, 1680, 1500, 495, "DEL", forms::Hidden | forms::Disabled),
                        "To delete a saved game, firstly select it and then press the Delete button."),
            textBox(MainMenu::SavedGameNameText, 5460, 2280, 1500, 315, "", forms::Hidden | forms::Disabled),
        },
        .opensOn = "Command1",
    };
    return def;
}

std::vector<std::string> names(const auto& list) { return {list.begin(), list.end()}; }

const FormDef& creditsDef() {
    static const FormDef def = [] {
        FormDef d{CreditsScreen::Name, CreditsScreen::Role, "Varnholt", 9000, 6840, "", {}};
        auto& c = d.controls;
        c.push_back(label("Label1", 240, 180, 4200, 360, "Creator/Programmer", forms::Bold));
        c.push_back(label("Label2", 240, 540, 4200, 300, credits::Author));
        c.push_back(label("Label3", 240, 1020, 4200, 360, "Statisticians", forms::Bold));
        for (int i = 0; i < 8; ++i)
            c.push_back(label("Label" + std::to_string(4 + i), 240 + (i / 4) * 2160, 1380 + (i % 4) * 300, 2100, 300,
                              credits::Statisticians[static_cast<std::size_t>(i)]));
        c.push_back(label("Label12", 240, 2700, 4200, 360, "Testers", forms::Bold));
        for (int i = 0; i < 3; ++i)
            c.push_back(label("Label" + std::to_string(13 + i), 240, 3060 + i * 300, 4200, 300,
                              credits::Testers[static_cast<std::size_t>(i)]));
        c.push_back(label("Label16", 240, 4140, 4200, 360, "Special thanks", forms::Bold));
        c.push_back(label("Label17", 240, 4500, 4200, 300, credits::SpecialThanks[0]));
        c.push_back(label("Label18", 240, 4800, 4200, 300, credits::SpecialThanks[1]));
        c.push_back(label("Label19", 240, 5100, 4200, 300, "You!"));
        c.push_back(label("Label20", 4680, 180, 4080, 360, "Wrestlers who have played Varnholt", forms::Bold));
        c.push_back(listBox("List1", 4680, 600, 4080, 5100, names(credits::Players)));
        c.push_back(button("Command1", 3600, 6060, 1800, 495, "Back"));
        d.wayOut = "Command1";
        return d;
    }();
    return def;
}

}  // namespace

SplashScreen::SplashScreen(Game& game) : Screen(game, splashDef()) {
    bind<SplashScreen>({
        {"Form", Event::Load, &SplashScreen::Form1_Form_Load},
        {"Image1", Event::Click, &SplashScreen::Form1_Image1_Click},
    });
}

void SplashScreen::Form1_Form_Load() { setPicture("\\title.bmp"); }

void SplashScreen::Form1_Image1_Click() { game_.show<DisclaimerScreen>(); }

DisclaimerScreen::DisclaimerScreen(Game& game) : Screen(game, disclaimerDef()) {
    bind<DisclaimerScreen>({{"Command1", Event::Click, &DisclaimerScreen::Form7_Command1_Click}});
}

void DisclaimerScreen::Form7_Command1_Click() {
    game_.show<MainMenu>();
    game_.unload<DisclaimerScreen>();
    game_.unload<SplashScreen>();
}

MainMenu::MainMenu(Game& game) : Screen(game, mainMenuDef()) {
    bind<MainMenu>({
        {"Form", Event::Load, &MainMenu::Form2_Form_Load},
        {"Command1", Event::Click, &MainMenu::Form2_Command1_Click},
        {"Command7", Event::Click, &MainMenu::Form2_Command7_Click},
        {"Command6", Event::Click, &MainMenu::Form2_Command6_Click},
        {"Command3", Event::Click, &MainMenu::Form2_Command3_Click},
        {"Command4", Event::Click, &MainMenu::Form2_Command4_Click},
        {"File1", Event::Click, &MainMenu::Form2_File1_Click},
        {"Command2", Event::Click, &MainMenu::Form2_Command2_Click},
        {"Command5", Event::Click, &MainMenu::Form2_Command5_Click},
    });
}

void MainMenu::Form2_Form_Load() {
    setPicture("\\QAVLE.bmp");
    FillSavedGameList(c(SavedGameList));
}

void MainMenu::Form2_File1_Click() { SelectSavedGame(game_); }
void MainMenu::Form2_Command2_Click() { LoadSelectedGame(game_); }
void MainMenu::Form2_Command5_Click() { DeleteSavedGame(game_); }

void SeedRivalPopularity(Game& game) {
    for (const auto& p : presets::Federations)
        if (p.rivalSlot > 0) game.RivalPopularity[static_cast<std::size_t>(p.rivalSlot - 1)] = p.popularity;
}

void MainMenu::Form2_Command1_Click() {
    if (RefusedWhileEditing(game_, "start a game", "Nothing was started.")) return;
    // Both master files must be there before either is copied: a half-started game helps nobody.
    auto masterWrestlers = game_.path("\\data\\wrestlers.dat");
    auto masterRoster = game_.path("\\data\\promotion.dat");
    for (const auto& master : {masterWrestlers, masterRoster}) {
        if (!forms::fileExists(master)) {
            game_.msgBox("The wrestler database " + master.string() + " is missing, so a new game cannot start.",
                         "Missing file!");
            return;
        }
    }
    if (!CopyRecordFile(masterWrestlers, game_.path("\\wrestlers.dat")) ||
        !CopyRecordFile(masterRoster, game_.path("\\promotion.dat"))) {
        game_.msgBox("The wrestler database could not be copied for a new game.", "File error!");
        return;
    }
    SeedRivalPopularity(game_);
    game_.show<screens::NewGameScreen>();
    game_.unload<MainMenu>();
}

void MainMenu::Form2_Command7_Click() {
    game_.show<screens::LoadSlotScreen>();
}

void MainMenu::Form2_Command6_Click() {
    // The editor's copy of the master would take the place of the free agents of a game still in progress.
    if (GameInProgress(game_)) {
        game_.msgBox("A game is still in progress. Press QUIT on the hub before you open the wrestler editor.",
                     "Game in progress!");
        return;
    }
    // The editor works on a copy of the master database; without it, a leftover game's free agents would
    // be edited and then written over the master.
    auto master = game_.path("\\data\\wrestlers.dat");
    if (!forms::fileExists(master)) {
        game_.msgBox("The wrestler database " + master.string() + " is missing, so the editor cannot open.",
                     "Missing file!");
        return;
    }
    if (!CopyRecordFile(master, game_.path("\\wrestlers.dat"))) {
        game_.msgBox("The wrestler database could not be copied for the editor.", "File error!");
        return;
    }
    game_.show<screens::WrestlerEditor>();
    game_.hide<MainMenu>();
}

void MainMenu::Form2_Command3_Click() {
    game_.show<CreditsScreen>();
    game_.unload<MainMenu>();
}

void MainMenu::Form2_Command4_Click() { game_.askToEnd(); }

CreditsScreen::CreditsScreen(Game& game) : Screen(game, creditsDef()) {
    bind<CreditsScreen>({
        {"Form", Event::Load, &CreditsScreen::Form21_Form_Load},
        {"Command1", Event::Click, &CreditsScreen::Form21_Command1_Click},
    });
}

void CreditsScreen::Form21_Form_Load() { setPicture("\\QAVLE.bmp"); }

void CreditsScreen::Form21_Command1_Click() {
    game_.show<MainMenu>();
    game_.unload<CreditsScreen>();
}

}  // namespace varnholt
