#include "shell/CreateFederation.h"

#include "forms/Numbers.h"
#include "shell/FederationScreens.h"
#include "shell/NewGame.h"

namespace varnholt {

namespace {

constexpr double PopularityLowest = 0, PopularityHighest = 100;
constexpr double MoneyLowest = -20000, MoneyHighest = 20000;

// The ten boxes in screen order, with their captions.
struct Field {
    const char* caption;
    const char* label;
    const char* box;
};
constexpr std::array<Field, 10> Fields = {{
    {"Federation Name", "Label1", "Text1"},
    {"Federation Initials", "Label2", "Text2"},
    {"Owner", "Label9", "Text3"},
    {"Based In", "Label10", "Text4"},
    {"Championship 1", "Label3", "Text5"},
    {"Championship 2", "Label4", "Text6"},
    {"Championship 3", "Label5", "Text7"},
    {"Championship 4 (Tag Team)", "Label6", "Text8"},
    {"Popularity", "Label7", "Text9"},
    {"Money", "Label8", "Text10"},
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
            const std::string box = f.box;
            const char* tip = box == "Text9" ? PopularityTip : box == "Text10" ? MoneyTip : "";
            ControlDef caption = label(f.label, captionLeft, top + 45, captionWidth, 300, f.caption,
                                       forms::Bold | forms::Transparent);
            caption.tooltip = tip;
            c.push_back(std::move(caption));
            c.push_back(textBox(f.box, boxLeft, top, boxWidth, 375, "", 0, tip));
            top += rowStep;
            // The range hints stand under the two figure boxes.
            if (box == "Text9") {
                c.push_back(label("Label11", boxLeft, top - 120, boxWidth, 285, "From 0 to 100", forms::Transparent));
                top += 300;
            } else if (box == "Text10") {
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

std::optional<CreatedFederationFigures> CheckCreatedFederation(const std::array<std::string, 10>& texts) {
    for (const auto& t : texts)
        if (t.empty()) return std::nullopt;
    auto money = typedFigure(texts[9]);
    if (!money || *money > MoneyHighest || *money < MoneyLowest) return std::nullopt;
    auto popularity = typedFigure(texts[8]);
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
    std::array<std::string, 10> texts;
    for (std::size_t i = 0; i < Fields.size(); ++i) texts[i] = c(Fields[i].box).text();
    auto figures = CheckCreatedFederation(texts);
    if (!figures) {
        game_.msgBox("Not a valid created fed", "Varnholt");
        return;
    }
    // The federation's name is kept exactly as typed, and every title starts vacant.
    FederationStart start{
        .name = texts[0],
        .initials = texts[1],
        .popularity = figures->popularity,
        .money = figures->money,
        .infoName = texts[0],
        .owner = texts[2],
        .based = texts[3],
        .staffWord = texts[1],
        .titles = {texts[4], texts[5], texts[6], texts[7]},
        .holders = std::nullopt,
    };
    StartFederation(game_, start, Name, false);
}

void CreateFederationScreen::Form5_Command1_Click() {
    game_.show<screens::MainMenu>();
    game_.unload<CreateFederationScreen>();
}

}  // namespace varnholt
