#include "management/Championships.h"

#include <array>

namespace varnholt {

namespace {

std::string textName(int n) { return "Text" + std::to_string(n); }

// The singles titles' boxes: the holder is Text(base), places 1..10 are Text(base + 1) .. Text(base + 10).
int singlesBase(int title) { return 1 + (title - 1) * 11; }

// The tag title: holders Text34 (first partner) and Text35 (second), previous teams Text36..Text40 with
// Text41..Text45.
constexpr int TagFirstHolder = 34, TagSecondHolder = 35, TagFirstColumn = 36, TagSecondColumn = 41, TagTeams = 5;

constexpr int FrameWidth = 6900, FrameHeight = 3360;
constexpr int Inner = FrameWidth - 240;  // the room inside a frame's margins

// The first row of a title's frame: its name across the whole frame, on one line, so that a long name
// is seen whole.
ControlDef titleName(const char* name, int fx, int fy) {
    return label(name, fx + 120, fy + 300, Inner, 300, "", forms::Bold | forms::Transparent | forms::OneLine);
}

// The second row: the holder's box (or boxes) and, at its right, Vacate and Rename.
constexpr int HolderWidth = Inner - 2160;
void holderButtons(std::vector<ControlDef>& c, const char* vacate, const char* renameButton, int fx, int fy) {
    c.push_back(button(vacate, fx + 120 + HolderWidth + 120, fy + 690, 960, 375, "Vacate"));
    c.push_back(button(renameButton, fx + 120 + HolderWidth + 1200, fy + 690, 960, 375, "Rename"));
}

// One singles title's frame at (fx, fy): title name; holder, Vacate and Rename; "Previous Championship
// Holders" and the ten places (1-5 left, 6-10 right). numberLabel counts the unnamed number labels.
void singlesFrame(std::vector<ControlDef>& c, int title, int fx, int fy, const char* frameName, const char* caption,
                  const char* nameLabel, const char* vacate, const char* renameButton, const char* heading,
                  int& numberLabel) {
    c.push_back(frame(frameName, fx, fy, FrameWidth, FrameHeight, caption));
    c.push_back(titleName(nameLabel, fx, fy));
    int base = singlesBase(title);
    c.push_back(textBox(textName(base), fx + 120, fy + 720, HolderWidth, 315, VacantText, forms::Locked));
    holderButtons(c, vacate, renameButton, fx, fy);
    c.push_back(label(heading, fx + 120, fy + 1140, Inner, 300, "Previous Championship Holders", forms::Transparent));
    const int column = Inner / 2;
    for (int place = 1; place <= 10; ++place) {
        int x = fx + 120 + (place - 1) / 5 * (column + 120), y = fy + 1500 + (place - 1) % 5 * 360;
        c.push_back(label("Label" + std::to_string(numberLabel++), x, y + 30, 360, 285, std::to_string(place),
                          forms::Transparent));
        c.push_back(textBox(textName(base + place), x + 360, y, column - 480, 315, "", forms::Locked));
    }
}

const FormDef& championsDef() {
    static const FormDef def = [] {
        constexpr int right = 120 + FrameWidth + 120, width = right + FrameWidth + 120;
        FormDef d{ChampionsScreen::Name, ChampionsScreen::Role, "Varnholt", width, 7800, "", {}};
        auto& c = d.controls;
        int numberLabel = 39;  // Label39 onwards: the place numbers, clear of the named labels
        singlesFrame(c, 1, 120, 120, "Frame1", "Primary championship", ChampionsScreen::PrimaryTitle, "Command2",
                     "Command7", "Label2", numberLabel);
        singlesFrame(c, 2, right, 120, "Frame2", "Secondary championship", ChampionsScreen::SecondaryTitle,
                     "Command3", "Command10", "Label24", numberLabel);
        singlesFrame(c, 3, 120, 3600, "Frame3", "Tertiary championship", ChampionsScreen::TertiaryTitle, "Command4",
                     "Command8", "Label36", numberLabel);
        const int fx = right, fy = 3600;
        c.push_back(frame("Frame4", fx, fy, FrameWidth, FrameHeight, "Tag team championships"));
        c.push_back(titleName(ChampionsScreen::TagTeamTitle, fx, fy));
        const int partner = (HolderWidth - 120) / 2;
        c.push_back(textBox(textName(TagFirstHolder), fx + 120, fy + 720, partner, 315, VacantText, forms::Locked));
        c.push_back(textBox(textName(TagSecondHolder), fx + 240 + partner, fy + 720, partner, 315, VacantText,
                            forms::Locked));
        holderButtons(c, "Command5", "Command11", fx, fy);
        c.push_back(label("Label38", fx + 120, fy + 1140, Inner, 300, "Previous Championship Holders",
                          forms::Transparent));
        const int teamBox = (Inner - 360 - 120) / 2;
        for (int team = 0; team < TagTeams; ++team) {
            int y = fy + 1500 + team * 360;
            c.push_back(label("Label" + std::to_string(numberLabel++), fx + 120, y + 30, 360, 285,
                              std::to_string(team + 1), forms::Transparent));
            c.push_back(textBox(textName(TagFirstColumn + team), fx + 480, y, teamBox, 315, "", forms::Locked));
            c.push_back(textBox(textName(TagSecondColumn + team), fx + 600 + teamBox, y, teamBox, 315, "",
                                forms::Locked));
        }
        c.push_back(button("Command1", 120, 7080, 2400, 495, "Return to menu"));
        c.push_back(notesButton("Command6", width - 120 - NotesButtonSize, 7080 + 60));
        d.wayOut = "Command1";
        return d;
    }();
    return def;
}

const FormDef& renameDef() {
    static const FormDef def{
        .name = RenameDialog::Name, .role = RenameDialog::Role, .caption = "QAVLE", .width = 4800, .height = 2040,
        .controls = {
            label("Label1", 240, 240, 4320, 300, "Rename championship:"),
            textBox("Text1", 240, 600, 4320, 315, "Text1"),
            button("Command1", 840, 1200, 1440, 420, "Save"),
            button("Command2", 2520, 1200, 1440, 420, "Cancel"),
        },
        .wayOut = "Command2",
        .dialog = true,
        .defaultButton = "Command1",
    };
    return def;
}

// RenameTitleNo as a title number, 0 when it is not one of "1" .. "4" (it is empty before any Rename).
int renameTitle(const Game& game) {
    double value = 0;
    if (!forms::parseNumber(game.RenameTitleNo, value) || value < 0.5 || value >= 4.5) return 0;
    return forms::CInt(value);
}

}  // namespace

std::string TitleNameLabel(int title) {
    switch (title) {
        case 1: return ChampionsScreen::PrimaryTitle;
        case 2: return ChampionsScreen::SecondaryTitle;
        case 3: return ChampionsScreen::TertiaryTitle;
        case 4: return ChampionsScreen::TagTeamTitle;
        default: return "";
    }
}

void TitleHistoryShift(Game& game, int title, const std::string& newHolder, const std::string& newPartner) {
    if (title < 1 || title > 4) return;
    forms::Form& screen = game.form(ChampionsScreen::Name);
    auto move = [&screen](int from, int to) { screen.c(textName(to)).setText(screen.c(textName(from)).text()); };
    if (title == 4) {
        // The right column first, oldest end first, then the left column; then the new pair.
        for (int team = TagTeams - 1; team >= 1; --team) move(TagSecondColumn + team - 1, TagSecondColumn + team);
        move(TagSecondHolder, TagSecondColumn);
        for (int team = TagTeams - 1; team >= 1; --team) move(TagFirstColumn + team - 1, TagFirstColumn + team);
        move(TagFirstHolder, TagFirstColumn);
        screen.c(textName(TagFirstHolder)).setText(newHolder);
        screen.c(textName(TagSecondHolder)).setText(newPartner);
        return;
    }
    int base = singlesBase(title);
    for (int place = 10; place >= 2; --place) move(base + place - 1, base + place);
    move(base, base + 1);
    screen.c(textName(base)).setText(newHolder);
}

// --- ChampionsScreen -----------------------------------------------------------------------------------

ChampionsScreen::ChampionsScreen(Game& game) : Screen(game, championsDef()) {
    bind<ChampionsScreen>({
        {"Form", Event::Load, &ChampionsScreen::Form11_Form_Load},
        {"Command2", Event::Click, &ChampionsScreen::Form11_Command2_Click},
        {"Command3", Event::Click, &ChampionsScreen::Form11_Command3_Click},
        {"Command4", Event::Click, &ChampionsScreen::Form11_Command4_Click},
        {"Command5", Event::Click, &ChampionsScreen::Form11_Command5_Click},
        {"Command7", Event::Click, &ChampionsScreen::Form11_Command7_Click},
        {"Command10", Event::Click, &ChampionsScreen::Form11_Command10_Click},
        {"Command8", Event::Click, &ChampionsScreen::Form11_Command8_Click},
        {"Command11", Event::Click, &ChampionsScreen::Form11_Command11_Click},
        {"Command1", Event::Click, &ChampionsScreen::Form11_Command1_Click},
        {"Command6", Event::Click, &ChampionsScreen::Form11_Command6_Click},
    });
}

void ChampionsScreen::Form11_Form_Load() { setPicture("\\QAVLE.bmp"); }

void ChampionsScreen::vacate(int title) {
    // Only the exact text "Vacant" means no champion; for the tag title only the first partner is tested.
    int holder = title == 4 ? TagFirstHolder : singlesBase(title);
    if (c(textName(holder)).text() == VacantText) return;
    TitleHistoryShift(game_, title, VacantText, VacantText);
}

void ChampionsScreen::Form11_Command2_Click() { vacate(1); }
void ChampionsScreen::Form11_Command3_Click() { vacate(2); }
void ChampionsScreen::Form11_Command4_Click() { vacate(3); }
void ChampionsScreen::Form11_Command5_Click() { vacate(4); }

void ChampionsScreen::rename(const char* titleNo) {
    game_.RenameTitleNo = titleNo;
    // An open dialog is brought forward showing the title whose Rename was pressed now (not the name of
    // the title it was opened for); a closed one loads and fills Text1 in its load step.
    if (auto* open = game_.loaded<RenameDialog>()) open->showChosenTitleName();
    game_.show<RenameDialog>();
}

void ChampionsScreen::Form11_Command7_Click() { rename("1"); }
void ChampionsScreen::Form11_Command10_Click() { rename("2"); }
void ChampionsScreen::Form11_Command8_Click() { rename("3"); }
void ChampionsScreen::Form11_Command11_Click() { rename("4"); }

void ChampionsScreen::Form11_Command1_Click() {
    game_.show<screens::FederationHub>();
    game_.hide<ChampionsScreen>();
}

void ChampionsScreen::Form11_Command6_Click() { game_.show<screens::NotesPad>(); }

// --- RenameDialog --------------------------------------------------------------------------------------

RenameDialog::RenameDialog(Game& game) : Screen(game, renameDef()) {
    bind<RenameDialog>({
        {"Form", Event::Load, &RenameDialog::Form9_Form_Load},
        {"Command1", Event::Click, &RenameDialog::Form9_Command1_Click},
        {"Command2", Event::Click, &RenameDialog::Form9_Command2_Click},
    });
}

void RenameDialog::Form9_Form_Load() { showChosenTitleName(); }

void RenameDialog::showChosenTitleName() {
    // Without a chosen title (the dialog loaded other than by a Rename) Text1 keeps its text.
    int title = renameTitle(game_);
    if (title == 0) return;
    c("Text1").setText(game_.form<ChampionsScreen>().c(TitleNameLabel(title)).caption());
}

void RenameDialog::Form9_Command1_Click() {
    std::string name = c("Text1").text();
    if (name.empty()) {
        game_.msgBox("The championship must be named.", "Varnholt");
    } else if (int title = renameTitle(game_); title != 0) {
        game_.form<ChampionsScreen>().c(TitleNameLabel(title)).setCaption(name);
    }
    game_.unload<RenameDialog>();
}

void RenameDialog::Form9_Command2_Click() { game_.unload<RenameDialog>(); }

}  // namespace varnholt
