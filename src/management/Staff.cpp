#include "management/Staff.h"

namespace varnholt {

// The StaffTable, top to bottom: skill 5 down to 0 in halves, wage ten times the skill; row 11 is "You".
// Each row holds its skill and wage, then the referee's button (captioned with his name), skill box, wage
// box and name, and the same for the MC.
const std::array<StaffRow, StaffRows> StaffTable{{
    // skill wage  referee      skill box  wage box  name              MC           skill box  wage box  name
    {"5",    "50", "Command2",  "Text4",   "Text5",  "Alan Pryce",     "Command24", "Text30",  "Text31", "Vince Harrow"},
    {"4.5",  "45", "Command3",  "Text6",   "Text7",  "Dougie Marsh",   "Command25", "Text32",  "Text33", "Lenny Caddick"},
    {"4",    "40", "Command4",  "Text8",   "Text9",  "Colin Hartley",  "Command23", "Text34",  "Text35", "Sally Brennan"},
    {"3.5",  "35", "Command5",  "Text10",  "Text11", "Gareth Lowe",    "Command22", "Text36",  "Text37", "Jack Ormsby"},
    {"3",    "30", "Command6",  "Text12",  "Text13", "Neil Ashcombe",  "Command21", "Text38",  "Text39", "Des Whitlock"},
    {"2.5",  "25", "Command7",  "Text14",  "Text15", "Stuart Fenwick", "Command20", "Text40",  "Text41", "Fiona Quayle"},
    {"2",    "20", "Command8",  "Text16",  "Text17", "Terry Blunden",  "Command19", "Text42",  "Text43", "Barry Nolan"},
    {"1.5",  "15", "Command9",  "Text18",  "Text19", "Ian Corrigan",   "Command18", "Text44",  "Text45", "Kev Aldous"},
    {"1",    "10", "Command10", "Text20",  "Text21", "Martin Speke",   "Command17", "Text46",  "Text47", "Pete Garside"},
    {"0.5",  "5",  "Command12", "Text24",  "Text25", "Rob Tennant",    "Command16", "Text48",  "Text49", "Mo Tarrant"},
    {"0",    "0",  "Command13", "Text26",  "Text27", "You",            "Command15", "Text50",  "Text51", "You"},
}};

namespace {

const FormDef& staffDef() {
    static const FormDef def = [] {
        FormDef d{StaffScreen::Name, StaffScreen::Role, "Varnholt", 9720, 7680, "", {}};
        auto& c = d.controls;
        c.push_back(label("Label9", 240, 120, 9240, 600,
                          "Hire either a referee or an MC. Staff can be changed at any point during the game. Skill "
                          "is from a maximum of 5, and wage is to be paid per show.",
                          forms::Transparent));
        c.push_back(label("Label1", 240, 840, 2400, 300, "Referees", forms::Bold | forms::Transparent));
        c.push_back(label("Label5", 2760, 840, 720, 300, "Skill", forms::Transparent));
        c.push_back(label("Label7", 3600, 840, 720, 300, "Wage", forms::Transparent));
        c.push_back(label("Label2", 5160, 840, 2400, 300, "MC", forms::Bold | forms::Transparent));
        c.push_back(label("Label6", 7680, 840, 720, 300, "Skill", forms::Transparent));
        c.push_back(label("Label8", 8520, 840, 720, 300, "Wage", forms::Transparent));
        for (int i = 0; i < StaffRows; ++i) {
            const StaffRow& r = StaffTable[static_cast<std::size_t>(i)];
            int y = 1200 + i * 420;
            c.push_back(button(r.refereeButton, 240, y, 2400, 375, r.refereeName));
            c.push_back(textBox(r.refereeSkillBox, 2760, y + 30, 720, 315, r.skill, forms::Locked));
            c.push_back(textBox(r.refereeWageBox, 3600, y + 30, 720, 315, r.wage, forms::Locked));
            c.push_back(button(r.mcButton, 5160, y, 2400, 375, r.mcName));
            c.push_back(textBox(r.mcSkillBox, 7680, y + 30, 720, 315, r.skill, forms::Locked));
            c.push_back(textBox(r.mcWageBox, 8520, y + 30, 720, 315, r.wage, forms::Locked));
        }
        // The current-staff row: InHouseReferee / InHouseAnnouncer captions above the hired people.
        c.push_back(label(StaffScreen::RefereeTitle, 240, 6000, 4080, 300, "", forms::Bold | forms::Transparent));
        c.push_back(textBox(StaffScreen::RefereeNameText, 240, 6360, 2400, 315, "You", forms::Locked));
        c.push_back(textBox(StaffScreen::RefereeSkillText, 2760, 6360, 720, 315, "0", forms::Locked));
        c.push_back(textBox(StaffScreen::RefereeWageText, 3600, 6360, 720, 315, "0", forms::Locked));
        c.push_back(label(StaffScreen::AnnouncerTitle, 5160, 6000, 4080, 300, "", forms::Bold | forms::Transparent));
        c.push_back(textBox(StaffScreen::MCNameText, 5160, 6360, 2400, 315, "You", forms::Locked));
        c.push_back(textBox(StaffScreen::MCSkillText, 7680, 6360, 720, 315, "0", forms::Locked));
        c.push_back(textBox(StaffScreen::MCWageText, 8520, 6360, 720, 315, "0", forms::Locked));
        c.push_back(button("Command1", 240, 6960, 2400, 495, "Return to menu"));
        c.push_back(notesButton("Command11", 9720 - 240 - NotesButtonSize, 7020));
        d.wayOut = "Command1";
        return d;
    }();
    return def;
}

}  // namespace

StaffScreen::StaffScreen(Game& game) : Screen(game, staffDef()) {
    bind<StaffScreen>({
        {"Form", Event::Load, &StaffScreen::Form12_Form_Load},
        {"Command2", Event::Click, &StaffScreen::Form12_Command2_Click},
        {"Command3", Event::Click, &StaffScreen::Form12_Command3_Click},
        {"Command4", Event::Click, &StaffScreen::Form12_Command4_Click},
        {"Command5", Event::Click, &StaffScreen::Form12_Command5_Click},
        {"Command6", Event::Click, &StaffScreen::Form12_Command6_Click},
        {"Command7", Event::Click, &StaffScreen::Form12_Command7_Click},
        {"Command8", Event::Click, &StaffScreen::Form12_Command8_Click},
        {"Command9", Event::Click, &StaffScreen::Form12_Command9_Click},
        {"Command10", Event::Click, &StaffScreen::Form12_Command10_Click},
        {"Command12", Event::Click, &StaffScreen::Form12_Command12_Click},
        {"Command13", Event::Click, &StaffScreen::Form12_Command13_Click},
        {"Command24", Event::Click, &StaffScreen::Form12_Command24_Click},
        {"Command25", Event::Click, &StaffScreen::Form12_Command25_Click},
        {"Command23", Event::Click, &StaffScreen::Form12_Command23_Click},
        {"Command22", Event::Click, &StaffScreen::Form12_Command22_Click},
        {"Command21", Event::Click, &StaffScreen::Form12_Command21_Click},
        {"Command20", Event::Click, &StaffScreen::Form12_Command20_Click},
        {"Command19", Event::Click, &StaffScreen::Form12_Command19_Click},
        {"Command18", Event::Click, &StaffScreen::Form12_Command18_Click},
        {"Command17", Event::Click, &StaffScreen::Form12_Command17_Click},
        {"Command16", Event::Click, &StaffScreen::Form12_Command16_Click},
        {"Command15", Event::Click, &StaffScreen::Form12_Command15_Click},
        {"Command1", Event::Click, &StaffScreen::Form12_Command1_Click},
        {"Command11", Event::Click, &StaffScreen::Form12_Command11_Click},
    });
}

void StaffScreen::Form12_Form_Load() {
    setPicture("\\QAVLE.bmp");
    // The integer copies follow the boxes from the start (design "You", "0", "0"), so a new game never pays
    // or credits staff of an earlier game in the same run.
    takeRefereeFigures();
    takeMCFigures();
}

void StaffScreen::takeRefereeFigures() {
    game_.RefereeWage = forms::CInt(c(RefereeWageText).text());
    game_.RefereeSkill = forms::CInt(c(RefereeSkillText).text());  // a half to the even neighbour: "4.5" gives 4
}

void StaffScreen::takeMCFigures() {
    game_.MCWage = forms::CInt(c(MCWageText).text());
    game_.MCSkill = forms::CInt(c(MCSkillText).text());
}

void StaffScreen::hireReferee(int row) {
    const StaffRow& r = StaffTable[static_cast<std::size_t>(row - 1)];
    c(RefereeNameText).setText(c(r.refereeButton).caption());
    c(RefereeSkillText).setText(c(r.refereeSkillBox).text());
    c(RefereeWageText).setText(c(r.refereeWageBox).text());
    takeRefereeFigures();
}

void StaffScreen::hireMC(int row) {
    const StaffRow& r = StaffTable[static_cast<std::size_t>(row - 1)];
    c(MCNameText).setText(c(r.mcButton).caption());
    c(MCSkillText).setText(c(r.mcSkillBox).text());
    c(MCWageText).setText(c(r.mcWageBox).text());
    takeMCFigures();
}

void StaffScreen::Form12_Command2_Click() { hireReferee(1); }
void StaffScreen::Form12_Command3_Click() { hireReferee(2); }
void StaffScreen::Form12_Command4_Click() { hireReferee(3); }
void StaffScreen::Form12_Command5_Click() { hireReferee(4); }
void StaffScreen::Form12_Command6_Click() { hireReferee(5); }
void StaffScreen::Form12_Command7_Click() { hireReferee(6); }
void StaffScreen::Form12_Command8_Click() { hireReferee(7); }
void StaffScreen::Form12_Command9_Click() { hireReferee(8); }
void StaffScreen::Form12_Command10_Click() { hireReferee(9); }
void StaffScreen::Form12_Command12_Click() { hireReferee(10); }
void StaffScreen::Form12_Command13_Click() { hireReferee(11); }

void StaffScreen::Form12_Command24_Click() { hireMC(1); }
void StaffScreen::Form12_Command25_Click() { hireMC(2); }
void StaffScreen::Form12_Command23_Click() { hireMC(3); }
void StaffScreen::Form12_Command22_Click() { hireMC(4); }
void StaffScreen::Form12_Command21_Click() { hireMC(5); }
void StaffScreen::Form12_Command20_Click() { hireMC(6); }
void StaffScreen::Form12_Command19_Click() { hireMC(7); }
void StaffScreen::Form12_Command18_Click() { hireMC(8); }
void StaffScreen::Form12_Command17_Click() { hireMC(9); }
void StaffScreen::Form12_Command16_Click() { hireMC(10); }
void StaffScreen::Form12_Command15_Click() { hireMC(11); }

void StaffScreen::Form12_Command1_Click() {
    game_.show<screens::FederationHub>();
    game_.hide<StaffScreen>();
}

void StaffScreen::Form12_Command11_Click() { game_.show<screens::NotesPad>(); }

}  // namespace varnholt
