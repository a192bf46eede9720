#include "management/Feuds.h"

#include <algorithm>

#include "wrestlers/RecordFiles.h"

namespace varnholt {

std::optional<std::string> FeudHeatWord(int heat) {
    if (heat < 1 || heat > static_cast<int>(FeudHeatWords.size())) return std::nullopt;
    return std::string(FeudHeatWords[static_cast<std::size_t>(heat - 1)]);
}

std::optional<int16_t> FeudHeatNumber(std::string_view word) {
    for (std::size_t i = 0; i < FeudHeatWords.size(); ++i)
        if (word == FeudHeatWords[i]) return static_cast<int16_t>(i + 1);
    return std::nullopt;
}

double FeudStartHeat(double draw, int16_t overA, int16_t overB) {
    return forms::Int(draw * 10) + (static_cast<int32_t>(overA) + overB) * 2.5 - 15;
}

std::optional<std::string> FeudStartWord(int feud, double heat) {
    double x = feud == 1 ? forms::CLng(forms::CStr(heat)) : heat;
    for (int band = 1; band <= 5; ++band)
        if (x <= band * 20.0) return std::string(FeudHeatWords[static_cast<std::size_t>(band - 1)]);
    return std::nullopt;
}

int16_t OverAfterFeud(int16_t over, int delta) { return static_cast<int16_t>(std::clamp(over + delta, 0, 20)); }

// The four feud rows, top to bottom.
const std::array<FeudRow, 4> FeudRows = {{
    // New       End          title      heat                       initial heat
    {"Command1", "Command2",  "Label3",  FeudScreen::FirstFeudHeat, "txtfeud1in"},
    {"Command5", "Command4",  "Label7",  "txtfeud2",                "txtfeud2in"},
    {"Command8", "Command7",  "Label10", "txtfeud3",                "txtfeud3in"},
    {"Command9", "Command10", "Label8",  "txtfeud4",                "txtfeud4in"},
}};

namespace {

constexpr int NewLeft = 3600, EndLeft = 4560, TitleLeft = 5580, HeatLeft = 9300, InitialLeft = 10920,
              RowTop = 1680, RowHeight = 600;

const FormDef& feudDef() {
    static const FormDef def = [] {
        FormDef d{FeudScreen::Name, FeudScreen::Role, "Varnholt", 12720, RowTop + 4 * RowHeight + 360 + 495 + 360, "", {}};
        auto& c = d.controls;
        c.push_back(notesButton("Command6"));
        c.push_back(listBox("lstData", 240, 600, 3000, RowTop + 4 * RowHeight + 360 + 495 - 600, {},
                            forms::Disabled | forms::PickOnPress));
        // The two picks stand either side of the "VS"; a feud's title takes one line, however long the names.
        c.push_back(label("Label1", NewLeft, 660, 2400, 285, "", forms::Bold | forms::RightAligned | forms::OneLine));
        c.push_back(label("Label0", 6060, 660, 480, 285, "VS", forms::Bold | forms::Centred));
        c.push_back(label("Label2", 6600, 660, 2400, 285, "", forms::Bold | forms::OneLine));
        c.push_back(textBox("wov1", 9300, 600, 600, 315, "", forms::Hidden | forms::Disabled));
        c.push_back(textBox("wov2", 10020, 600, 600, 315, "", forms::Hidden | forms::Disabled));
        c.push_back(label("Label4", HeatLeft, 1200, 1500, 285, "Feud heat ", forms::Bold));
        c.push_back(label("Label6", InitialLeft, 1200, 1560, 285, "Initial feud heat ", forms::Bold));
        for (std::size_t i = 0; i < FeudRows.size(); ++i) {
            const auto& r = FeudRows[i];
            int y = RowTop + static_cast<int>(i) * RowHeight;
            // New leaves a feud pending and shuts the way out until both wrestlers are picked, and ending a feud
            // cannot be taken back: the keyboard never lands on either by itself.
            c.push_back(button(r.newButton, NewLeft, y, 900, 375, "New", forms::NoAutoFocus));
            c.push_back(button(r.endButton, EndLeft, y, 900, 375, "End", forms::Disabled | forms::NoAutoFocus));
            c.push_back(label(r.title, TitleLeft, y + 45, 3600, 285, "", forms::OneLine));
            c.push_back(label(r.heat, HeatLeft, y + 45, 1500, 285, ""));
            c.push_back(label(r.initialHeat, InitialLeft, y + 45, 1500, 285, ""));
        }
        c.push_back(button("Command3", 6360, RowTop + 4 * RowHeight + 360, 1800, 495, "Return to menu"));
        d.wayOut = "Command3";
        d.wayOutOffReason = "A new feud is waiting for its wrestlers. Pick both of them from the roster list "
                            "before you leave this screen; End then calls the feud off again.";
        d.wayOutOffTitle = "Feud not started!";
        return d;
    }();
    return def;
}

}  // namespace

FeudScreen::FeudScreen(Game& game) : Screen(game, feudDef()) {
    bind<FeudScreen>({
        {"Form", Event::Load, &FeudScreen::Form22_Form_Load},
        {"Command1", Event::Click, &FeudScreen::Form22_Command1_Click},
        {"Command5", Event::Click, &FeudScreen::Form22_Command5_Click},
        {"Command8", Event::Click, &FeudScreen::Form22_Command8_Click},
        {"Command9", Event::Click, &FeudScreen::Form22_Command9_Click},
        {"lstData", Event::Click, &FeudScreen::Form22_lstData_Click},
        {"Command2", Event::Click, &FeudScreen::Form22_Command2_Click},
        {"Command4", Event::Click, &FeudScreen::Form22_Command4_Click},
        {"Command7", Event::Click, &FeudScreen::Form22_Command7_Click},
        {"Command10", Event::Click, &FeudScreen::Form22_Command10_Click},
        {"Command3", Event::Click, &FeudScreen::Form22_Command3_Click},
        {"Command6", Event::Click, &FeudScreen::Form22_Command6_Click},
    });
}

void FeudScreen::Form22_Form_Load() {
    setPicture("\\QAVLE.bmp");
    PickToggle = true;
    BuildFilePaths(game_);
    CountRecordFiles(game_);
    RosterIntoList(game_, c("lstData"));
    if (game_.EditMode == 2) ReadRecordInto(game_, game_.RosterFilePath, game_.CurrentRecordNumber);
}

void FeudScreen::NewFeud(int16_t slot) {
    // A row left half-picked for another one is free again.
    if (Picking && FeudSlot != slot && FeudSlot >= 1) {
        c(FeudRows[static_cast<std::size_t>(FeudSlot - 1)].newButton).setEnabled(true);
    }
    FeudSlot = slot;
    Picking = true;
    c("lstData").setEnabled(true);
    c(FeudRows[static_cast<std::size_t>(slot - 1)].newButton).setEnabled(false);
    c("Command3").setEnabled(false);
}

void FeudScreen::Form22_Command1_Click() { NewFeud(1); }
void FeudScreen::Form22_Command5_Click() { NewFeud(2); }
void FeudScreen::Form22_Command8_Click() { NewFeud(3); }
void FeudScreen::Form22_Command9_Click() { NewFeud(4); }

void FeudScreen::Form22_lstData_Click() {
    const std::string name = c("lstData").text();
    FindRosterRecord(game_, name);
    if (PickToggle) {
        c("Label1").setCaption(name);
        PickOverA = game_.CurrentWrestler.Over;
        c("wov1").setText(forms::CStr(PickOverA));
        PickStage = 0;
        PickToggle = false;
    } else {
        c("Label2").setCaption(name);
        PickOverB = game_.CurrentWrestler.Over;
        c("wov2").setText(forms::CStr(PickOverB));
        PickStage = 1;
        PickToggle = true;
        if (FeudSlot >= 1 && FeudSlot <= 4)
            game_.FeudNames[static_cast<std::size_t>(FeudSlot - 1)] = {c("Label1").caption(), name};
    }
    if (PickStage != 1 || FeudSlot < 1 || FeudSlot > 4) return;
    const FeudRow& row = FeudRows[static_cast<std::size_t>(FeudSlot - 1)];
    double x = FeudStartHeat(game_.Rnd(), PickOverA, PickOverB);
    if (FeudSlot == 1) NewFeudHeat = forms::CLng(forms::CStr(x));
    if (auto word = FeudStartWord(FeudSlot, x)) c(row.heat).setCaption(*word);
    c("lstData").setEnabled(false);
    c(row.endButton).setEnabled(true);
    c("Command3").setEnabled(true);
    Picking = false;
    c(row.title).setCaption(forms::RTrim(c("Label1").caption()) + " Vs " + forms::RTrim(c("Label2").caption()));
    c(row.initialHeat).setCaption(c(row.heat).caption());
}

void FeudScreen::EndFeud(int16_t slot) {
    const std::size_t f = static_cast<std::size_t>(slot - 1);
    const FeudRow& row = FeudRows[f];
    int delta = FeudHeatNumber(c(row.heat).caption()).value_or(0) -
                FeudHeatNumber(c(row.initialHeat).caption()).value_or(0);
    for (const std::string& name : game_.FeudNames[f]) {
        FindRosterRecord(game_, name);
        // A wrestler who has left the roster has no record to change.
        if (name.empty() || trimTrailingBlanks(game_.CurrentWrestler.Name) != name) continue;
        game_.CurrentWrestler.Name = fitText(name, NameWidth);
        game_.CurrentWrestler.Over = OverAfterFeud(game_.CurrentWrestler.Over, delta);
        game_.CurrentWrestler.Id = IdForPosition(game_.CurrentRecordNumber);
        WriteRecordFrom(game_, game_.RosterFilePath, game_.CurrentRecordNumber);
    }
    c(row.newButton).setEnabled(true);
    c(row.endButton).setEnabled(false);
    for (const char* name : {"Label1", "Label2", row.title, row.heat, row.initialHeat}) c(name).setCaption("");
    c("wov1").setText("");
    c("wov2").setText("");
    game_.FeudHeat[f] = 0;
    game_.FeudNames[f] = {"", ""};
}

void FeudScreen::Form22_Command2_Click() { EndFeud(1); }
void FeudScreen::Form22_Command4_Click() { EndFeud(2); }
void FeudScreen::Form22_Command7_Click() { EndFeud(3); }
void FeudScreen::Form22_Command10_Click() { EndFeud(4); }

void FeudScreen::Form22_Command3_Click() {
    if (auto heat = FeudHeatNumber(c(FirstFeudHeat).caption())) game_.FeudHeat[0] = *heat;
    game_.hide<FeudScreen>();
    game_.show<screens::FederationHub>();
}

void FeudScreen::Form22_Command6_Click() { game_.show<screens::NotesPad>(); }

}  // namespace varnholt
