#include "shell/NewGame.h"

#include <string>

#include "shell/DayClock.h"
#include "shell/FederationScreens.h"

namespace varnholt {

namespace {

const FormDef& newGameDef() {
    static const FormDef def = [] {
        FormDef d{NewGameScreen::Name, NewGameScreen::Role, "Varnholt", 13200, 8400, "", {}};
        auto& c = d.controls;
        // An older heading that stands above the window's visible area: never seen, and never drawn.
        c.push_back(label("Label17", 240, -600, 9000, 315, "Please write your name and chose a federation to control:",
                          forms::Hidden));
        c.push_back(label("Label30", 240, 240, 12720, 375, "Enter your name and chose a federation to control",
                          forms::Bold | forms::Large | forms::Centred));
        c.push_back(textBox(NewGameScreen::PlayerNameText, 4800, 780, 3600, 375, "Mr. Tavish", 0, "Your name"));
        const int top = 1620, rowHeight = 900;
        const int leftFig = 240, leftButton = 960, rightFig = 6720, rightButton = 7440;
        const int buttonWidth = 4440, buttonHeight = 615, moneyGap = 120, figWidth = 600, moneyWidth = 840;
        // A figure is one line of lettering drawn from the top of its label. The label starts where a line
        // centred on the button's middle line starts, so the figure stands level with the button's caption;
        // it is a little taller than the line, so a taller font is not cut off.
        const int lineHeight = 195, figHeight = 225, figTop = (buttonHeight - lineHeight) / 2;
        c.push_back(label("Label1", leftFig, top - 420, 900, 315, "Popularity"));
        c.push_back(label("Label2", leftButton + buttonWidth + moneyGap, top - 420, 900, 315, "Money"));
        c.push_back(label("Label27", rightFig, top - 420, 900, 315, "Popularity"));
        c.push_back(label("Label26", rightButton + buttonWidth + moneyGap, top - 420, 900, 315, "Money"));
        // Each preset's button with its popularity to the left and its money to the right; CREATE A FED
        // takes the last place of the right-hand column.
        struct Cell {
            int column, row;
            const char* popularityLabel;
            std::string popularity;
            const char* button;
            const char* caption;
            const char* moneyLabel;
            std::string money;
        };
        auto addCell = [&](const Cell& cell) {
            const int y = top + cell.row * rowHeight;
            const int fig = cell.column == 0 ? leftFig : rightFig, btn = cell.column == 0 ? leftButton : rightButton;
            c.push_back(
                label(cell.popularityLabel, fig, y + figTop, figWidth, figHeight, cell.popularity, forms::Bold));
            c.push_back(button(cell.button, btn, y, buttonWidth, buttonHeight, cell.caption));
            c.push_back(label(cell.moneyLabel, btn + buttonWidth + moneyGap, y + figTop, moneyWidth, figHeight,
                              cell.money, forms::Bold));
        };
        for (const auto& p : presets::Federations)
            addCell({.column = p.column, .row = p.row, .popularityLabel = p.popularityLabel,
                     .popularity = forms::CStr(p.popularity), .button = p.button, .caption = p.caption,
                     .moneyLabel = p.moneyLabel, .money = forms::CStr(p.money)});
        addCell({.column = 1, .row = 5, .popularityLabel = "Label21", .popularity = "?", .button = "Command8",
                 .caption = "CREATE A FED", .moneyLabel = "Label20", .money = "?"});
        c.push_back(button("Command9", 12000, 7560, 900, 495, "TWA", forms::Hidden));
        c.push_back(button("Command10", 5400, 7200, 2400, 615, "BACK", forms::Bold));
        d.wayOut = "Command10";
        return d;
    }();
    return def;
}

}  // namespace

NewGameScreen::NewGameScreen(Game& game) : Screen(game, newGameDef()) {
    bind<NewGameScreen>({
        {"Form", Event::Load, &NewGameScreen::Form3_Form_Load},
        {"Command8", Event::Click, &NewGameScreen::Form3_Command8_Click},
        {"Command9", Event::Click, &NewGameScreen::Form3_Command9_Click},
        {"Command10", Event::Click, &NewGameScreen::Form3_Command10_Click},
        {"Command1", Event::Click, &NewGameScreen::Form3_Command1_Click},
        {"Command2", Event::Click, &NewGameScreen::Form3_Command2_Click},
        {"Command3", Event::Click, &NewGameScreen::Form3_Command3_Click},
        {"Command4", Event::Click, &NewGameScreen::Form3_Command4_Click},
        {"Command5", Event::Click, &NewGameScreen::Form3_Command5_Click},
        {"Command6", Event::Click, &NewGameScreen::Form3_Command6_Click},
        {"Command7", Event::Click, &NewGameScreen::Form3_Command7_Click},
        {"Command11", Event::Click, &NewGameScreen::Form3_Command11_Click},
        {"Command12", Event::Click, &NewGameScreen::Form3_Command12_Click},
        {"Command13", Event::Click, &NewGameScreen::Form3_Command13_Click},
        {"Command14", Event::Click, &NewGameScreen::Form3_Command14_Click},
    });
}

void NewGameScreen::preset(std::string_view button) {
    for (const auto& p : presets::Federations)
        if (button == p.button) ChoosePresetFederation(p);
}

void NewGameScreen::Form3_Form_Load() { setPicture("\\QAVLE.bmp"); }

void ResetCarriedOverFigures(Game& game) {
    game.TvDealLevel = 0;
    using Staff = screens::StaffScreen;
    auto& staff = game.form<Staff>();
    game.RefereeSkill = forms::CInt(staff.c(Staff::RefereeSkillText).text());
    game.RefereeWage = forms::CInt(staff.c(Staff::RefereeWageText).text());
    game.MCSkill = forms::CInt(staff.c(Staff::MCSkillText).text());
    game.MCWage = forms::CInt(staff.c(Staff::MCWageText).text());
}

void StartFederation(Game& game, const FederationStart& f, const char* leaving, bool selectNoShowsMode) {
    using Hub = screens::FederationHub;
    using Champions = screens::ChampionsScreen;
    using Staff = screens::StaffScreen;
    using Info = screens::FederationInfoScreen;
    game.show<Hub>();
    auto& hub = game.form<Hub>();
    if (selectNoShowsMode) hub.c(Hub::ShowMode).setText(NoShowsMode);
    hub.c(Hub::DayName).setText("Wednesday");
    hub.c(Hub::WeekLabel).setText("Week 1");
    hub.c(Hub::Year).setText("2003");
    hub.c(Hub::PopularityText).setText(forms::CStr(f.popularity));
    hub.c(Hub::MoneyText).setText(forms::CStr(f.money));
    game.hide(leaving);
    hub.c(Hub::FederationName).setText(f.name);
    hub.c(Hub::PlayerName).setText(game.form<NewGameScreen>().c(NewGameScreen::PlayerNameText).text());
    hub.c(Hub::FederationInitials).setText(f.initials);

    auto& champions = game.form<Champions>();
    champions.c(Champions::PrimaryTitle).setText(f.titles.primary);
    champions.c(Champions::SecondaryTitle).setText(f.titles.secondary);
    champions.c(Champions::TertiaryTitle).setText(f.titles.tertiary);
    champions.c(Champions::TagTeamTitle).setText(f.titles.tagTeam);
    if (const auto& holders = f.holders) {
        champions.c(Champions::PrimaryHolder).setText(holders->primary);
        champions.c(Champions::SecondaryHolder).setText(holders->secondary);
        champions.c(Champions::TertiaryHolder).setText(holders->tertiary);
        champions.c(Champions::TagTeamHolder).setText(holders->tagTeam);
        champions.c(Champions::TagTeamPartner).setText(holders->tagTeamPartner);
    }

    auto& staff = game.form<Staff>();
    staff.c(Staff::RefereeTitle).setText(f.staffWord + " Referee");
    staff.c(Staff::AnnouncerTitle).setText(f.staffWord + " Announcer");

    auto& info = game.form<Info>();
    info.c(Info::FederationName).setText(f.infoName);
    info.c(Info::FederationInitials).setText(f.initials);
    info.c(Info::Owner).setText(f.owner);
    info.c(Info::Home).setText(f.based);
    info.c(Info::StartingPopularity).setText(forms::CStr(f.popularity));
    info.c(Info::StartingBalance).setText(forms::CStr(f.money));

    game.Popularity = f.popularity;
    game.Money = f.money;
    ResetCarriedOverFigures(game);

    FinanceCell(game, FinanceRow::OpeningBalance).setText(forms::CStr(f.money));
    FinanceCell(game, FinanceRow::ClosingBalance).setText(forms::CStr(f.money));
}

void NewGameScreen::ChoosePresetFederation(const presets::PresetFederation& p) {
    FederationStart start{
        .name = p.name,
        .initials = p.initials,
        .popularity = p.popularity,
        .money = p.money,
        .infoName = p.infoName,
        .owner = p.owner,
        .based = p.based,
        .staffWord = p.staffWord,
        .titles = p.titles,
        .holders = p.holders,
    };
    StartFederation(game_, start, Name, true);
}

void NewGameScreen::Form3_Command8_Click() {
    game_.form<screens::FederationHub>().c(screens::FederationHub::ShowMode).setText(NoShowsMode);
    game_.show<screens::CreateFederationScreen>();
    game_.hide<NewGameScreen>();
}

void NewGameScreen::Form3_Command9_Click() {}

void NewGameScreen::Form3_Command10_Click() {
    game_.show<screens::MainMenu>();
    game_.unload<NewGameScreen>();
}

}  // namespace varnholt
