#include "shell/Hub.h"

#include <array>
#include <string>

#include "forms/Files.h"
#include "savedgames/SavedGameScreens.h"
#include "shell/DayClock.h"
#include "shell/FederationScreens.h"
#include "shell/Presets.h"
#include "wrestlers/RecordFiles.h"

namespace varnholt {

namespace {

constexpr unsigned ReadOnly = forms::Locked;

const FormDef& hubDef() {
    static const FormDef def = [] {
        FormDef d{"Form4", "FederationHub", "Varnholt", 10800, 8400, "", {}};
        auto& c = d.controls;
        c.push_back(button("Command4", 60, 60, NotesButtonSize, NotesButtonSize, "N"));
        c.push_back(textBox("Text1", 600, 240, 3000, 375, "", ReadOnly, "Your name"));
        c.push_back(textBox("Text2", 3720, 240, 5400, 375, "", ReadOnly, "Your federation"));
        c.push_back(textBox("Text3", 9240, 240, 1320, 375, "", ReadOnly, "Your federation"));
        c.push_back(textBox("Text4", 600, 780, 1800, 375, "", ReadOnly, "Current date"));
        c.push_back(textBox("Text5", 2520, 780, 1500, 375, "", ReadOnly, "Current date"));
        c.push_back(textBox("Text6", 4140, 780, 1200, 375, "", ReadOnly, "Current date"));
        c.push_back(label("Label1", 600, 1380, 1500, 315, "Popularity", forms::Bold));
        c.push_back(textBox("Text7", 2160, 1320, 1200, 375, "", ReadOnly));
        c.push_back(label("Label2", 3720, 1380, 1200, 315, "Money", forms::Bold));
        c.push_back(textBox("Text8", 4920, 1320, 1800, 375, "", ReadOnly));
        c.push_back(listBox("List1", 7200, 780, 3360, 900, {"No shows mode", "Normal mode", "Touring mode"}, 0,
                            "Select your show mode"));
        c.push_back(button("Save", 120, 7920, 900, 375, "SAVE", forms::Hidden));
        c.push_back(textBox("Text9", 0, 0, 600, 285, "0", forms::Hidden));
        c.push_back(textBox("Text10", 0, 0, 600, 285, "0", forms::Hidden));
        c.push_back(textBox("Text11", 0, 0, 600, 285, "", forms::Hidden));
        c.push_back(label("Label3", 0, 0, 600, 285, "", forms::Hidden));
        c.push_back(label("Label4", 0, 0, 600, 285, "", forms::Hidden));
        c.push_back(button("Command1", 3600, 2160, 3600, 735, "NEXT DAY", forms::Bold | forms::Large));
        // Two columns of management buttons under NEXT DAY.
        const std::array<std::pair<const char*, const char*>, 12> buttons = {{
            {"Command5", "ROSTER"}, {"Command7", "SCOUT WRESTLERS"},
            {"Command2", "STAFF"}, {"Command3", "CHAMPIONS"},
            {"Command6", "FINANCES"}, {"Command8", "SPONSORSHIP"},
            {"Command9", "FEDERATION INFORMATION"}, {"Command11", "FEUDS"},
            {"Command10", "INTERNET"}, {"Command14", "SAVE"},
            {"Command12", "QUIT"}, {nullptr, nullptr},
        }};
        for (std::size_t i = 0; i < buttons.size(); ++i) {
            if (!buttons[i].first) continue;
            int col = static_cast<int>(i % 2), row = static_cast<int>(i / 2);
            c.push_back(button(buttons[i].first, 1200 + col * 4440, 3240 + row * 780, 3960, 615, buttons[i].second));
        }
        return d;
    }();
    return def;
}

// The screens a game leaves behind when it ends, in the order they are unloaded.
void unloadEach(Game& game, std::initializer_list<const char*> screens) {
    for (const char* s : screens)
        if (game.knows(s)) game.unload(s);
}

}  // namespace

FederationHub::FederationHub(Game& game) : Screen(game, hubDef()) {
    bind<FederationHub>({
        {"Form", Event::Load, &FederationHub::Form4_Form_Load},
        {"Command1", Event::Click, &FederationHub::Form4_Command1_Click},
        {"Command2", Event::Click, &FederationHub::Form4_Command2_Click},
        {"Command3", Event::Click, &FederationHub::Form4_Command3_Click},
        {"Command4", Event::Click, &FederationHub::Form4_Command4_Click},
        {"Command5", Event::Click, &FederationHub::Form4_Command5_Click},
        {"Command6", Event::Click, &FederationHub::Form4_Command6_Click},
        {"Command7", Event::Click, &FederationHub::Form4_Command7_Click},
        {"Command8", Event::Click, &FederationHub::Form4_Command8_Click},
        {"Command9", Event::Click, &FederationHub::Form4_Command9_Click},
        {"Command10", Event::Click, &FederationHub::Form4_Command10_Click},
        {"Command11", Event::Click, &FederationHub::Form4_Command11_Click},
        {"Command12", Event::Click, &FederationHub::Form4_Command12_Click},
        {"Command14", Event::Click, &FederationHub::Form4_Command14_Click},
        {"Save", Event::Click, &FederationHub::Form4_Save_Click},
    });
}

void FederationHub::Form4_Form_Load() {
    if (game_.knows("SinglesMatchScreen")) game_.unload("SinglesMatchScreen");
    setPicture("\\QAVLE.bmp");
    game_.MatchCounter = std::string("1");
    FinanceCell(game_, FinanceRow::OpeningBalance).setText(c("Text8").text());
    TvDealStreak = forms::CInt(c("Text9").text());
    RedWeeks = forms::CInt(c("Text10").text());
}

void FederationHub::openAndHide(const char* screen) {
    if (!game_.knows(screen)) return;  // a screen of a later part of the game
    game_.show(screen);
    game_.hide<FederationHub>();
}

void FederationHub::Form4_Command2_Click() { openAndHide("StaffScreen"); }
void FederationHub::Form4_Command3_Click() { openAndHide("ChampionsScreen"); }
void FederationHub::Form4_Command5_Click() { openAndHide("RosterScreen"); }
void FederationHub::Form4_Command6_Click() { openAndHide("FinanceScreen"); }
void FederationHub::Form4_Command7_Click() { openAndHide("ScoutScreen"); }
void FederationHub::Form4_Command8_Click() { openAndHide("SponsorScreen"); }
void FederationHub::Form4_Command9_Click() { openAndHide("FederationInfoScreen"); }
void FederationHub::Form4_Command4_Click() { game_.show("NotesPad"); }

void FederationHub::Form4_Command14_Click() {
    if (game_.knows("SaveSlotScreen")) game_.show("SaveSlotScreen");
}

void FederationHub::Form4_Save_Click() { SaveUnderName(game_); }

void FederationHub::Form4_Command10_Click() {
    const std::string initials = c("Text3").text();
    for (const auto& p : presets::Federations)
        if (initials == p.initials) game_.RivalPopularity[static_cast<std::size_t>(p.rivalSlot - 1)] = game_.Popularity;
    openAndHide("NewsScreen");
}

void FederationHub::Form4_Command11_Click() {
    if (!game_.knows("FeudScreen")) return;
    static constexpr std::array<const char*, 5> words = {"Very low", "Low", "Average", "High", "Very high"};
    int heat = game_.FeudHeat[0];
    if (heat >= 1 && heat <= 5)
        game_.form("FeudScreen").c("txtfeud1").setText(words[static_cast<std::size_t>(heat - 1)]);
    openAndHide("FeudScreen");
}

void FederationHub::Form4_Command12_Click() {
    Game& game = game_;  // this screen is unloaded below
    game.NoShowDays = 0;
    game.show("MainMenu");
    unloadEach(game, {"NewGameScreen", "FederationHub", "CreateFederationScreen", "ScoutScreen", "RosterScreen",
                      "SinglesMatchScreen", "ChampionsScreen", "StaffScreen", "FederationInfoScreen", "VenueScreen",
                      "SponsorScreen", "FinanceScreen", "TagMatchScreen", "NotesPad", "TripleThreatMatchScreen",
                      "FourWayMatchScreen", "CreditsScreen"});
}

void GameOver(Game& game, bool bankruptcy) {
    if (bankruptcy)
        game.msgBox("Your federation has gone bankrupt. Game over!");
    else
        game.msgBox("We haven't put on an event for over a month?! I could do that myself! Your fired!", "No events?");
    game.NoShowDays = 0;
    game.show("MainMenu");
    for (const char* s : {"SplashScreen", "NewGameScreen", "FederationHub", "CreateFederationScreen", "ScoutScreen",
                          "DisclaimerScreen", "RosterScreen", "RenameDialog", "SinglesMatchScreen", "ChampionsScreen",
                          "StaffScreen", "FederationInfoScreen", "VenueScreen", "SponsorScreen", "FinanceScreen",
                          "TagMatchScreen", "NotesPad", "TripleThreatMatchScreen", "FourWayMatchScreen",
                          "CreditsScreen", "FeudScreen", "PolaroidScreen", "WrestlerEditor", "NewsScreen",
                          "AddWrestlerDialog"}) {
        std::string screen = s;
        if (!bankruptcy && (screen == "RenameDialog" || screen == "FeudScreen")) continue;
        if (game.knows(s)) game.unload(s);
    }
}

void FederationHub::Form4_Command1_Click() {
    Game& game = game_;
    // The rivals drift every day, also on a day the roster refuses.
    for (int slot : RivalDriftOrder) {
        auto& pop = game.RivalPopularity[static_cast<std::size_t>(slot - 1)];
        pop = forms::Saturate16(pop + RivalDriftStep(game.Rnd()));
    }

    game.RosterFilePath = game.folder().string() + "/promotion.dat";
    game.RosterCount = CountRule(forms::fileLength(forms::nativePath(game.RosterFilePath)));
    if (game.RosterCount < 2) {
        game.msgBox("You must have atleast two wrestlers in your roster.", "Roster too small!");
        return;
    }

    if (IsShowDay(c("List1").text(), c("Text4").text()) && game.knows("VenueScreen")) {
        game.show("VenueScreen");
        game.hide<FederationHub>();
    }

    // The day chain: each test sees what the one before it left, so each press moves one day.
    auto& day = c("Text4");
    if (day.text() == "Sunday") day.setText("Funday");
    if (day.text() == "Saturday") {
        day.setText("Sunday");
        if (!CloseWeek()) return;
    }
    if (day.text() == "Friday") day.setText("Saturday");
    if (day.text() == "Thursday") day.setText("Friday");
    if (day.text() == "Wednesday") day.setText("Thursday");
    if (day.text() == "Tuesday") day.setText("Wednesday");
    if (day.text() == "Monday") day.setText("Tuesday");
    if (day.text() == "Funday") day.setText("Monday");

    if (c("List1").text() == "No shows mode") {
        game.NoShowDays = forms::I16(game.NoShowDays + 1);
        if (game.NoShowDays == 14) {
            game.msgBox("We haven't put on an event for two weeks? What's up?", "No events?");
            game.Popularity = forms::Saturate16(game.Popularity - 2);
        }
        if (game.NoShowDays == 21) {
            game.msgBox("We haven't put on an event for three weeks? The fans are getting impatient!", "No events?");
            game.Popularity = forms::Saturate16(game.Popularity - 5);
        }
        if (game.NoShowDays == 28) {
            game.msgBox("We haven't put on an event for a month?! Are you nuts?!", "No events?");
            game.Popularity = forms::Saturate16(game.Popularity - 15);
        }
        if (game.NoShowDays == 33) {
            GameOver(game, false);
            return;
        }
        c("Text7").setText(forms::CStr(game.Popularity));
    }
}

bool FederationHub::CloseWeek() {
    Game& game = game_;
    // Every row moves one column to the right; TV Revenue first, then the rest column by column.
    auto shift = [&](FinanceRow row, FinanceColumn to) {
        FinanceCell(game, row, to).setText(FinanceCell(game, row, static_cast<FinanceColumn>(to - 1)).text());
    };
    for (auto to : {ThreeWeeksAgo, TwoWeeksAgo, LastWeek}) shift(FinanceRow::TvRevenue, to);
    for (auto to : {ThreeWeeksAgo, TwoWeeksAgo, LastWeek})
        for (const auto& row : FinanceRows)
            if (row.row != FinanceRow::TvRevenue) shift(row.row, to);
    for (const auto& row : FinanceRows)
        if (row.row != FinanceRow::OpeningBalance && row.row != FinanceRow::ClosingBalance)
            FinanceCell(game, row.row).setText("0");
    FinanceCell(game, FinanceRow::OpeningBalance).setText(FinanceCell(game, FinanceRow::ClosingBalance).text());

    std::string year = c("Text6").text();
    std::string week = NextWeekLabel(c("Text5").text(), year);
    c("Text5").setText(week);
    c("Text6").setText(year);

    int32_t balance = forms::CLng(c("Text8").text());
    if (balance < 0) {
        if (auto step = RedWeekStep(RedWeeks)) {
            if (step->bankrupt) {
                GameOver(game, true);
                return false;
            }
            game.msgBox(step->message);
            RedWeeks = step->redWeeks;
        }
    }
    if (balance > 0) RedWeeks = 0;

    TvDealStreak = NextTvDealStreak(TvDealStreak, game.Popularity);
    if (auto offer = TvDealOfferFor(TvDealStreak)) {
        game.TvDealLevel = offer->level;
        game.msgBox(offer->message, "TV deal!");
    }
    c("Text9").setText(forms::CStr(TvDealStreak));
    return true;
}

}  // namespace varnholt
