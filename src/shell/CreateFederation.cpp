#include "shell/CreateFederation.h"

#include <array>

#include "forms/Numbers.h"
#include "shell/FederationScreens.h"
#include "shell/NewGame.h"

namespace varnholt {

namespace {

constexpr double PopularityLowest = 0, PopularityHighest = 100;
constexpr double MoneyLowest = -20000, MoneyHighest = 20000;

// The ten boxes in screen order, with their captions and the typed text each one gives.
struct Field {
    const char* caption;
    const char* label;
    const char* box;
    std::string CreatedFederationTexts::*text;
};
using Typed = CreatedFederationTexts;
constexpr std::array<Field, 10> Fields = {{
    {"Federation Name", "Label1", "Text1", &Typed::name},
    {"Federation Initials", "Label2", "Text2", &Typed::initials},
    {"Owner", "Label9", "Text3", &Typed::owner},
    {"Based In", "Label10", "Text4", &Typed::based},
    {"Championship 1", "Label3", "Text5", &Typed::primaryTitle},
    {"Championship 2", "Label4", "Text6", &Typed::secondaryTitle},
    {"Championship 3", "Label5", "Text7", &Typed::tertiaryTitle},
    {"Championship 4 (Tag Team)", "Label6", "Text8", &Typed::tagTeamTitle},
    {"Popularity", "Label7", "Text9", &Typed::popularity},
    {"Money", "Label8", "Text10", &Typed::money},
}};

constexpr const char* PopularityTip = "Popularity can be a minimum of 0 and a maximum of 100";
constexpr const char* MoneyTip = "Money can be any integer, positive or negative";

const FormDef& createFederationDef() {
    static const FormDef def = [] {
        FormDef d{CreateFederationScreen::Name, CreateFederationScreen::Role, "Varnholt", 10440, 8280, "", {}};
        auto& c = d.controls;
        constexpr int captionLeft = 600, captionWidth = 3600, boxLeft = 4440, boxWidth = 5400, rowStep = 540;
        int top = 480;
        for (const Field& f : Fields) {
            const bool popularity = f.text == &Typed::popularity, money = f.text == &Typed::money;
            const char* tip = popularity ? PopularityTip : money ? MoneyTip : "";
            ControlDef caption = label(f.label, captionLeft, top + 45, captionWidth, 300, f.caption,
                                       forms::Bold | forms::Transparent);
            caption.tooltip = tip;
            c.push_back(std::move(caption));
            c.push_back(textBox(f.box, boxLeft, top, boxWidth, 375, "", 0, tip));
            top += rowStep;
            // The range hints stand under the two figure boxes.
            if (popularity) {
                c.push_back(label("Label11", boxLeft, top - 120, boxWidth, 285, "From 0 to 100", forms::Transparent));
                top += 300;
            } else if (money) {
                c.push_back(label("Label12", boxLeft, top - 120, boxWidth, 285, "From -20000 to 20000",
                                  forms::Transparent));
                top += 300;
            }
        }
        c.push_back(button("Command2", boxLeft, top + 120, 2400, 495, "Play", forms::Bold));
        c.push_back(button("Command1", boxLeft, top + 720, 2400, 495, "Back"));
        d.wayOut = "Command1";
        d.defaultButton = "Command2";
        return d;
    }();
    return def;
}

// A figure the player typed, as a number: only a plain decimal text counts, whatever the locale.
std::optional<double> typedFigure(const std::string& text) {
    double value;
    if (!forms::isPlainDecimal(text) || !forms::parseNumber(text, value)) return std::nullopt;
    return value;
}

}  // namespace

std::optional<CreatedFederationFigures> CheckCreatedFederation(const CreatedFederationTexts& texts) {
    for (const Field& f : Fields)
        if ((texts.*f.text).empty()) return std::nullopt;
    auto money = typedFigure(texts.money);
    if (!money || *money > MoneyHighest || *money < MoneyLowest) return std::nullopt;
    auto popularity = typedFigure(texts.popularity);
    if (!popularity || *popularity > PopularityHighest || *popularity < PopularityLowest) return std::nullopt;
    return CreatedFederationFigures{forms::CInt(*popularity), forms::CInt(*money)};
}

CreateFederationScreen::CreateFederationScreen(Game& game) : Screen(game, createFederationDef()) {
    bind<CreateFederationScreen>({
        {"Form", Event::Load, &CreateFederationScreen::Form5_Form_Load},
        {"Command2", Event::Click, &CreateFederationScreen::Form5_Command2_Click},
        {"Command1", Event::Click, &CreateFederationScreen::Form5_Command1_Click},
    });
}

void CreateFederationScreen::Form5_Form_Load() { setPicture("\\QAVLE.bmp"); }

void CreateFederationScreen::Form5_Command2_Click() {
    CreatedFederationTexts typed;
    for (const Field& f : Fields) typed.*f.text = c(f.box).text();
    auto figures = CheckCreatedFederation(typed);
    if (!figures) {
        game_.msgBox("Not a valid created fed", "Varnholt");
        return;
    }
    // The federation's name is kept exactly as typed, and every title starts vacant.
    FederationStart start{
        .name = typed.name,
        .initials = typed.initials,
        .popularity = figures->popularity,
        .money = figures->money,
        .infoName = typed.name,
        .owner = typed.owner,
        .based = typed.based,
        .staffWord = typed.initials,
        .titles = {.primary = typed.primaryTitle.c_str(),
                   .secondary = typed.secondaryTitle.c_str(),
                   .tertiary = typed.tertiaryTitle.c_str(),
                   .tagTeam = typed.tagTeamTitle.c_str()},
        .holders = std::nullopt,
    };
    StartFederation(game_, start, Name, false);
}

void CreateFederationScreen::Form5_Command1_Click() {
    game_.show<screens::MainMenu>();
    game_.unload<CreateFederationScreen>();
}

}  // namespace varnholt
