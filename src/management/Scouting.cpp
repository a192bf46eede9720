#include "management/Scouting.h"

#include "forms/Numbers.h"
#include "wrestlers/MoveWrestlers.h"
#include "wrestlers/RecordFiles.h"

namespace varnholt {

namespace {

constexpr const char* NotHiredTitle = "Wrestler not hired!";

ControlDef shape(std::string name, int l, int t, int w, int h) {
    ControlDef d = frame(std::move(name), l, t, w, h);
    d.kind = ControlKind::Shape;
    return d;
}

// Both screens: the list on the left, the wrestler card in its frame on the right, the buttons below.
FormDef listScreenDef(const char* name, const char* role, const char* actionCaption) {
    FormDef d{name, role, "Varnholt", 10800, 7800, "", {}};
    auto& c = d.controls;
    c.push_back(shape("Shape1", 120, 120, 3840, 6840));
    c.push_back(listBox("lstData", 240, 240, 3600, 6600));
    c.push_back(frame("Frame1", 4200, 120, 6360, 6840, "Wrestler Information"));

    struct Row {
        const char* caption;
        const char* label;
        const char* box;
        int width;
    };
    constexpr int captionLeft = 4440, captionWidth = 1800, boxLeft = 6360, rowTop = 480, rowStep = 450;
    constexpr int numberWidth = 1200, textWidth = 3960;
    using Card = screens::WrestlerCard;
    const Row rows[] = {
        {"Name", "Label5", Card::NameBox, textWidth},
        {"Brawling", "Label7", Card::BrawlingBox, numberWidth},
        {"Technical", "Label8", Card::TechnicalBox, numberWidth},
        {"Speed", "Label9", Card::SpeedBox, numberWidth},
        {"Over", "Label10", Card::OverBox, numberWidth},
        {"Wage (per show)", "Label2", Card::WageBox, numberWidth},
        {"Alignment", "Label6", Card::AlignmentBox, numberWidth},
        {"Polaroid %", "Label11", Card::PolaroidBox, numberWidth},
        {"Place of Birth", "Label4", Card::BirthPlaceBox, textWidth},
    };
    int top = rowTop;
    for (const Row& r : rows) {
        c.push_back(label(r.label, captionLeft, top + 45, captionWidth, 285, r.caption, forms::Transparent));
        if (std::string_view(r.box) == Card::AlignmentBox)
            c.push_back(comboBox(r.box, boxLeft, top, r.width, 375, {"Face", "Heel"}, forms::Locked));
        else
            c.push_back(textBox(r.box, boxLeft, top, r.width, 375, "", forms::Locked));
        top += rowStep;
    }
    c.push_back(label("Label12", captionLeft, top + 45, captionWidth, 285, "Biography", forms::Transparent));
    c.push_back(textBox(Card::BiographyBox, boxLeft, top, textWidth, 1560, "", forms::MultiLine | forms::Locked));

    c.push_back(button("Command1", 240, 7080, 2400, 495, actionCaption));
    c.push_back(button("Command2", 2880, 7080, 2400, 495, "Return to menu"));
    c.push_back(notesButton("Command6", 10800 - 240 - NotesButtonSize, 7140));
    d.wayOut = "Command2";
    return d;
}

const FormDef& scoutDef() {
    static const FormDef def = listScreenDef(ScoutScreen::Name, ScoutScreen::Role, "Hire?");
    return def;
}

const FormDef& rosterDef() {
    static const FormDef def = listScreenDef(RosterScreen::Name, RosterScreen::Role, "Fire?");
    return def;
}

}  // namespace

bool AgreesToSign(std::string_view polaroidPercentText, int16_t popularity) {
    double share;
    if (!forms::parseNumber(polaroidPercentText, share)) return false;
    return !(share * 5 > static_cast<double>(popularity) + 40);
}

// ---------------------------------------------------------------------------------------------------
// The ScoutScreen

ScoutScreen::ScoutScreen(Game& game) : Screen(game, scoutDef()) {
    bind<ScoutScreen>({
        {"Form", Event::Load, &ScoutScreen::Form6_Form_Load},
        {"lstData", Event::Click, &ScoutScreen::Form6_lstData_Click},
        {"Command1", Event::Click, &ScoutScreen::Form6_Command1_Click},
        {"Command2", Event::Click, &ScoutScreen::Form6_Command2_Click},
        {"Command6", Event::Click, &ScoutScreen::Form6_Command6_Click},
    });
}

void ScoutScreen::Form6_Form_Load() {
    setPicture("\\QAVLE.bmp");
    BuildFilePaths(game_);
    CountRecordFiles(game_);
    WrestlersIntoList(game_, c("lstData"));
    ClearCardBoxes(*this);
}

void ScoutScreen::Form6_lstData_Click() {
    const std::string picked = c("lstData").text();
    if (picked.empty()) return;
    game_.EditMode = 2;
    FindWrestlerRecord(game_, picked);
    ReadRecordInto(game_, game_.WrestlerFilePath, game_.CurrentRecordNumber);
    ShowWrestlerOnCard(*this, game_.CurrentWrestler);
}

void ScoutScreen::Form6_Command1_Click() {
    auto& list = c("lstData");
    if (list.text().empty()) return;
    // A roster that somehow holds more than the limit is refused too.
    if (game_.RosterCount >= RosterLimit) {
        game_.msgBox("Your roster already has the maximum of 20 wrestlers.", NotHiredTitle);
        return;
    }
    if (!AgreesToSign(c(PolaroidBox).text(), game_.Popularity)) {
        game_.msgBox("This wrestlers refuses to wrestle for you. He doesn't believe your federation is popular "
                     "enough for him.",
                     NotHiredTitle);
        return;
    }
    if (!HireWrestler(game_, list)) return;
    ClearCardBoxes(*this);
    game_.msgBox("This wrestler has been hired and added to your roster.", "Wrestler hired!");
}

void ScoutScreen::Form6_Command2_Click() {
    game_.show<screens::FederationHub>();
    game_.unload<ScoutScreen>();
}

void ScoutScreen::Form6_Command6_Click() { game_.show<screens::NotesPad>(); }

// ---------------------------------------------------------------------------------------------------
// The RosterScreen

RosterScreen::RosterScreen(Game& game) : Screen(game, rosterDef()) {
    bind<RosterScreen>({
        {"Form", Event::Load, &RosterScreen::Form8_Form_Load},
        {"lstData", Event::Click, &RosterScreen::Form8_lstData_Click},
        {"Command1", Event::Click, &RosterScreen::Form8_Command1_Click},
        {"Command2", Event::Click, &RosterScreen::Form8_Command2_Click},
        {"Command6", Event::Click, &RosterScreen::Form8_Command6_Click},
    });
}

void RosterScreen::Form8_Form_Load() {
    setPicture("\\QAVLE.bmp");
    BuildFilePaths(game_);
    CountRecordFiles(game_);
    RosterIntoList(game_, c("lstData"));
    ClearCardBoxes(*this);
}

void RosterScreen::Form8_lstData_Click() {
    FindRosterRecord(game_, c("lstData").text());
    ShowWrestlerOnCard(*this, game_.CurrentWrestler);
}

void RosterScreen::Form8_Command1_Click() {
    auto& list = c("lstData");
    if (list.text().empty()) return;
    // No confirmation and no other test: a champion, a feuding wrestler or the last one goes like any other.
    if (!FireWrestler(game_, list)) return;
    ClearCardBoxes(*this);
    game_.msgBox("This wrestler has been fired and removed from your roster.", "Wrestler fired!");
}

void RosterScreen::Form8_Command2_Click() {
    game_.show<screens::FederationHub>();
    game_.unload<RosterScreen>();
}

void RosterScreen::Form8_Command6_Click() { game_.show<screens::NotesPad>(); }

}  // namespace varnholt
