#include "shell/Hub.h"

#include <array>
#include <string>

#include "forms/Files.h"
#include "game/Services.h"
#include "shell/DayClock.h"
#include "shell/FederationScreens.h"
#include "shell/Presets.h"
#include "wrestlers/RecordFiles.h"

namespace varnholt {

namespace {


const FormDef& hubDef() {
    static const FormDef def = [] {
        FormDef d{FederationHub::Name, FederationHub::Role, "Varnholt", 10800, 8400, "", {}};
        auto& c = d.controls;
        c.push_back(notesButton("Command4"));
        c.push_back(textBox(FederationHub::PlayerName, 600, 240, 3000, 375, "", ReadOnly, "Your name"));
        c.push_back(textBox(FederationHub::FederationName, 3720, 240, 5400, 375, "", ReadOnly, "Your federation"));
        c.push_back(textBox(FederationHub::FederationInitials, 9240, 240, 1320, 375, "", ReadOnly, "Your federation"));
        c.push_back(textBox(FederationHub::DayName, 600, 780, 1800, 375, "", ReadOnly, "Current date"));
        c.push_back(textBox(FederationHub::WeekLabel, 2520, 780, 1500, 375, "", ReadOnly, "Current date"));
        c.push_back(textBox(FederationHub::Year, 4140, 780, 1200, 375, "", ReadOnly, "Current date"));
        c.push_back(label("Label1", 600, 1380, 1500, 315, "Popularity", forms::Bold));
        c.push_back(textBox(FederationHub::PopularityText, 2160, 1320, 1200, 375, "", ReadOnly));
        c.push_back(label("Label2", 3720, 1380, 1200, 315, "Money", forms::Bold));
        c.push_back(textBox(FederationHub::MoneyText, 4920, 1320, 1800, 375, "", ReadOnly));
        c.push_back(listBox(FederationHub::ShowMode, 7200, 780, 3360, 900, {ShowModes.begin(), ShowModes.end()}, 0,
                            "Select your show mode"));
        c.push_back(button("Save", 120, 7920, 900, 375, "SAVE", forms::Hidden));
        c.push_back(textBox(FederationHub::TvDealStreakStore, 0, 0, 600, 285, "0", forms::Hidden));
        c.push_back(textBox(FederationHub::RedWeeksStore, 0, 0, 600, 285, "0", forms::Hidden));
        c.push_back(textBox("Text11", 0, 0, 600, 285, "", forms::Hidden));
        c.push_back(label(FederationHub::LastNightRating, 0, 0, 600, 285, "", forms::Hidden));
        c.push_back(label(FederationHub::LastNightCost, 0, 0, 600, 285, "", forms::Hidden));
        // NEXT DAY passes a day: the keyboard is only ever on it because the player put it there.
        c.push_back(button("Command1", 3600, 2160, 3600, 735, "NEXT DAY", forms::Bold | forms::Large | forms::NoAutoFocus));
        // Two columns of management buttons under NEXT DAY. Each of them but QUIT only opens a screen (or a
        // window over the hub).
        struct HubButton {
            const char* name;
            const char* caption;
            unsigned flags;
        };
        constexpr unsigned Opens = forms::OnlyOpens;
        const std::array<HubButton, 12> buttons = {{
            {"Command5", "ROSTER", Opens}, {"Command7", "SCOUT WRESTLERS", Opens},
            {"Command2", "STAFF", Opens}, {"Command3", "CHAMPIONS", Opens},
            {"Command6", "FINANCES", Opens}, {"Command8", "SPONSORSHIP", Opens},
            {"Command9", "FEDERATION INFORMATION", Opens}, {"Command11", "FEUDS", Opens},
            {"Command10", "INTERNET", Opens}, {"Command14", "SAVE", Opens},
            {"Command12", "QUIT", 0}, {nullptr, nullptr, 0},
        }};
        for (std::size_t i = 0; i < buttons.size(); ++i) {
            const HubButton& b = buttons[i];
            if (!b.name) continue;
            int col = static_cast<int>(i % 2), row = static_cast<int>(i / 2);
            c.push_back(button(b.name, 1200 + col * 4440, 3240 + row * 780, 3960, 615, b.caption, b.flags));
        }
        return d;
    }();
    return def;
}

// The screens a game leaves behind when it ends, in the order they are unloaded.
template <class... Screens>
void unloadEach(Game& game) {
    (game.unload<Screens>(), ...);
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
    game_.unload<screens::SinglesMatchScreen>();
    setPicture("\\QAVLE.bmp");
    game_.MatchCounter = forms::CStr(FirstMatch);
    FinanceCell(game_, FinanceRow::OpeningBalance).setText(c(MoneyText).text());
    game_.TvDealStreak = forms::CInt(c(TvDealStreakStore).text());
    game_.RedWeeks = forms::CInt(c(RedWeeksStore).text());
}

template <class Other>
void FederationHub::openAndHide() {
    game_.show<Other>();
    game_.hide<FederationHub>();
}

void FederationHub::Form4_Command2_Click() { openAndHide<screens::StaffScreen>(); }
void FederationHub::Form4_Command3_Click() { openAndHide<screens::ChampionsScreen>(); }
void FederationHub::Form4_Command5_Click() { openAndHide<screens::RosterScreen>(); }
void FederationHub::Form4_Command6_Click() { openAndHide<screens::FinanceScreen>(); }
void FederationHub::Form4_Command7_Click() { openAndHide<screens::ScoutScreen>(); }
void FederationHub::Form4_Command8_Click() { openAndHide<screens::SponsorScreen>(); }
void FederationHub::Form4_Command9_Click() { openAndHide<screens::FederationInfoScreen>(); }
void FederationHub::Form4_Command4_Click() { game_.show<screens::NotesPad>(); }

void FederationHub::Form4_Command14_Click() {
    game_.show<screens::SaveSlotScreen>();
}

void FederationHub::Form4_Save_Click() { SaveUnderName(game_); }

void FederationHub::Form4_Command10_Click() {
    const std::string initials = c(FederationInitials).text();
    for (const auto& p : presets::Federations)
        if (initials == p.initials) game_.RivalPopularity[static_cast<std::size_t>(p.rivalSlot - 1)] = game_.Popularity;
    openAndHide<screens::NewsScreen>();
}

void FederationHub::Form4_Command11_Click() {
    if (auto word = FeudHeatWord(game_.FeudHeat[0]))
        game_.form<screens::FeudScreen>().c(screens::FeudScreen::FirstFeudHeat).setText(*word);
    openAndHide<screens::FeudScreen>();
}

void FederationHub::Form4_Command12_Click() {
    Game& game = game_;  // this screen is unloaded below
    game.NoShowDays = 0;
    game.show<screens::MainMenu>();
    // The polaroids go with the night they open, as at a game over: their Continue would start a night of
    // no game, or pay the next game for it.
    unloadEach<screens::NewGameScreen, screens::FederationHub, screens::CreateFederationScreen, screens::ScoutScreen,
               screens::RosterScreen, screens::SinglesMatchScreen, screens::ChampionsScreen, screens::StaffScreen,
               screens::FederationInfoScreen, screens::VenueScreen, screens::PolaroidScreen, screens::SponsorScreen,
               screens::FinanceScreen, screens::TagMatchScreen, screens::NotesPad, screens::TripleThreatMatchScreen,
               screens::FourWayMatchScreen, screens::CreditsScreen>(game);
}

void GameOver(Game& game, bool bankruptcy) {
    if (bankruptcy)
        game.msgBox("Your federation has gone bankrupt. Game over!");
    else
        game.msgBox("We haven't put on an event for over a month?! I could do that myself! Your fired!", "No events?");
    game.NoShowDays = 0;
    game.show<screens::MainMenu>();
    // A dismissal leaves the rename dialog and the feuds as they are; a bankruptcy takes them too.
    unloadEach<screens::SplashScreen, screens::NewGameScreen, screens::FederationHub, screens::CreateFederationScreen,
               screens::ScoutScreen, screens::DisclaimerScreen, screens::RosterScreen>(game);
    if (bankruptcy) unloadEach<screens::RenameDialog>(game);
    unloadEach<screens::SinglesMatchScreen, screens::ChampionsScreen, screens::StaffScreen,
               screens::FederationInfoScreen, screens::VenueScreen, screens::SponsorScreen, screens::FinanceScreen,
               screens::TagMatchScreen, screens::NotesPad, screens::TripleThreatMatchScreen,
               screens::FourWayMatchScreen, screens::CreditsScreen>(game);
    if (bankruptcy) unloadEach<screens::FeudScreen>(game);
    unloadEach<screens::PolaroidScreen, screens::WrestlerEditor, screens::NewsScreen, screens::AddWrestlerDialog>(game);
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

    if (IsShowDay(c(ShowMode).text(), c(DayName).text())) {
        game.show<screens::VenueScreen>();
        game.hide<FederationHub>();
    }

    // The day chain: each test sees what the one before it left, so each press moves one day.
    auto& day = c(DayName);
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

    if (c(ShowMode).text() == NoShowsMode) {
        game.NoShowDays = forms::I16(game.NoShowDays + 1);
        if (auto step = NoShowStep(game.NoShowDays)) {
            if (step->dismissed) {
                GameOver(game, false);
                return;
            }
            game.msgBox(step->message, "No events?");
            game.Popularity = forms::Saturate16(game.Popularity - step->popularityLoss);
        }
        c(PopularityText).setText(forms::CStr(game.Popularity));
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

    std::string year = c(Year).text();
    std::string week = NextWeekLabel(c(WeekLabel).text(), year);
    c(WeekLabel).setText(week);
    c(Year).setText(year);

    int32_t balance = forms::CLng(c(MoneyText).text());
    if (balance < 0) {
        if (auto step = RedWeekStep(game.RedWeeks)) {
            if (step->bankrupt) {
                GameOver(game, true);
                return false;
            }
            game.msgBox(step->message);
            game.RedWeeks = step->redWeeks;
        }
    }
    if (balance > 0) game.RedWeeks = 0;

    game.TvDealStreak = NextTvDealStreak(game.TvDealStreak, game.Popularity);
    if (auto offer = TvDealOfferFor(game.TvDealStreak)) {
        game.TvDealLevel = offer->level;
        game.msgBox(offer->message, "TV deal!");
    }
    c(TvDealStreakStore).setText(forms::CStr(game.TvDealStreak));
    return true;
}

}  // namespace varnholt
