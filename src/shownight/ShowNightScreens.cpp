#include "shownight/ShowNightScreens.h"

#include "shell/FederationScreens.h"
#include "shownight/Commentary.h"
#include "wrestlers/RecordFiles.h"

namespace varnholt {

using forms::CInt;
using forms::CLng;
using forms::CStr;
using forms::I16;
using forms::Str;

const std::array<Venue, 26> Venues = {{
    {50, "Victoria Centre, Crewe, Chesire"},
    {100, "The Barn Theatre, Southwick, Sussex"},
    {150, "Bournemouth International Centre, Bournemouth, Dorset"},
    {200, "Southampton Guildhall, Southampton, Dorset"},
    {250, "Albert Halls, Stirling, Forth Valley, Scotland"},
    {300, "Norwich, Norfolk"},
    {400, "Dorking Halls, Dorking, Surrey"},
    {500, "York Hall, London"},
    {600, "Bethnal Green, London"},
    {700, "Coventry Skydome, Coventry"},
    {800, "ESB National Basketball Arena, Dublin, Ireland"},
    {900, "King Georges Hall, Blackburn, Lancashire"},
    {1000, "London Arena, London"},
    {1000, "Manchester Evening News Arena, Manchester"},
    {900, "Royal Albert Hall, London"},
    {800, "Victoria Hall, Stoke, Staffordshire"},
    {700, "Alloa Town Hall, Alloa, Clackmanshire, Scotland"},
    {600, "Darwen Leisure Centre, Darwen, Lancashire"},
    {500, "Haden Hill Leisure Centre, Halesowen, West Midlands"},
    {400, "Cleethorpes Winter Gardens, Cleethorpes, Lincolnshire"},
    {300, "Press and Journal Arena, Aberdeen, Grampian, Scotland"},
    {250, "Grimsby Auditoirum, Grimsby, Lincolnshire"},
    {200, "The Pier Pavillion, Worthing, Sussex"},
    {150, "Holt, Norfolk"},
    {100, "Nantwich Civic Hall,  Nantwich, Chesire"},
    {50, "Brockenhurst College, Brockenhurst, Dorset"},
}};

namespace {

constexpr unsigned Unseen = forms::Hidden;

// --- the venue screen: two columns of thirteen venues, the smallest at the top ---------------------

const FormDef& venueDef() {
    static const FormDef def = [] {
        FormDef d{VenueScreen::Name, VenueScreen::Role, "Varnholt", 13500, 8400, "", {}};
        auto& c = d.controls;
        c.push_back(notesButton("Command16"));
        c.push_back(label("Label1", 600, 180, 12300, 450, "Book a venue", forms::Bold | forms::Large | forms::Centred));
        constexpr int top = 900, rowHeight = 480;
        for (int row = 0; row < 13; ++row) {
            int y = top + row * rowHeight;
            int left = row, right = 25 - row;
            c.push_back(member(label("Label" + std::to_string(2 + row), 240, y + 60, 5160, 300,
                                     Venues[static_cast<std::size_t>(left)].name), 0));
            c.push_back(member(button("Command1", 5460, y, 1080, 420,
                                      CStr(Venues[static_cast<std::size_t>(left)].capacity)), left));
            c.push_back(member(label("Label" + std::to_string(2 + row), 6840, y + 60, 5160, 300,
                                     Venues[static_cast<std::size_t>(right)].name), 1));
            c.push_back(member(button("Command1", 12060, y, 1080, 420,
                                      CStr(Venues[static_cast<std::size_t>(right)].capacity)), right));
        }
        c.push_back(button("Command14", 5850, top + 13 * rowHeight + 240, 1800, 495, "Cancel show"));
        d.wayOut = "Command14";
        return d;
    }();
    return def;
}

// --- the polaroid screen --------------------------------------------------------------------------

const FormDef& polaroidDef() {
    // One column across the whole window: the heading, the roster, the caption and its two boxes, Continue.
    static const FormDef def{PolaroidScreen::Name, PolaroidScreen::Role, "Varnholt", 7200, 6240, "", {
        notesButton("Command6"),
        label("Label1", 600, 180, 6000, 300, "Chose a wrestler to appear in polaroids with the audience",
              forms::Bold | forms::Centred),
        listBox("lstData", 600, 660, 6000, 3360),
        label("Label2", 600, 4170, 6000, 600,
              "Wrestler chosen and Polaroid percentage (expected percentage of the crowd willing to buy a Polaroid "
              "with the wrestler in question)", forms::Centred),
        textBox("Text1", 600, 4860, 4680, 315, "", ReadOnly),
        textBox("txtwpol", 5400, 4860, 1200, 315, "", ReadOnly),
        button("Command3", 2700, 5490, 1800, 495, "Continue"),
    }, "Command3"};
    return def;
}

// --- the singles match screen ---------------------------------------------------------------------

const FormDef& singlesDef() {
    static const FormDef def = [] {
        FormDef d{SinglesMatchScreen::Name, SinglesMatchScreen::Role, "Varnholt", MatchScreenWidth, MatchScreenHeight, "",
                  SharedMatchControls()};
        auto& c = d.controls;
        auto add = [&c](ControlDef def) { c.push_back(std::move(def)); };
        BookingColumn booking(c);
        booking.prompt("Label14", "Select a match stipulation");
        booking.list("List2", {"Normal", "Submission", "British", "Hardcore", "Ladder", "Cage"});
        booking.prompt("Label15", "Select a championship on the line");
        booking.list("List3", {"Primary", "Secondary", "Tertiary", "None"});
        booking.promptedName("Label16", "Select the first wrestler (from the roster below)", "Text5", 4560);
        booking.promptedName("Label17", "Select the second wrestler (from the roster below)", "Text6", 4560);
        booking.prompt("Label18", "Select the winner or select a random winner");
        ControlDef w1 = button("Command1", 0, 0, 0, 0, "W1", Off);
        w1.tooltip = "Select the first wrestler to win the match";
        ControlDef w2 = button("Command2", 0, 0, 0, 0, "W2", Off);
        w2.tooltip = "Select the second wrestler to win the match";
        ControlDef r = button("Command4", 0, 0, 0, 0, "R", Off);
        r.tooltip = "Random winner";
        booking.buttons({w1, w2, r});
        booking.roster();
        add(CompetitorName("Text21", LeftName, 0));
        add(Versus(LeftName + CompetitorWidth + VersusWidth / 2, 0));
        add(CompetitorName("Text22", RightName, 0));
        // The two wrestlers' stats and the night's polaroid money, kept out of sight.
        int x = ResultLeft;
        for (const char* box : {"wbr1", "wte1", "wsp1", "wov1", "wwa1", "wbr2", "wte2", "wsp2", "wov2", "wwa2"}) {
            add(textBox(box, x, 9240, 300, 285, "", Unseen));
            x += 330;
        }
        add(textBox("Text20", x, 9240, 300, 285, "0", Unseen));
        ReadingOrder(d.controls);
        return d;
    }();
    return def;
}

constexpr std::array<const char*, 5> StatBoxes1 = {"wbr1", "wte1", "wsp1", "wov1", "wwa1"};
constexpr std::array<const char*, 5> StatBoxes2 = {"wbr2", "wte2", "wsp2", "wov2", "wwa2"};

int16_t staffSkill(Game& game, const char* box) {
    return game.knows("StaffScreen") ? CInt(game.form<screens::StaffScreen>().c(box).text()) : int16_t{0};
}

}  // namespace

// --- VenueScreen ---------------------------------------------------------------------------------------

VenueScreen::VenueScreen(Game& game) : Screen(game, venueDef()) {
    bind<VenueScreen>({
        {"Form", Event::Load, &VenueScreen::Form14_Form_Load},
        {"Command1", Event::Click, &VenueScreen::Form14_Command1_Click},
        {"Command14", Event::Click, &VenueScreen::Form14_Command14_Click},
        {"Command16", Event::Click, &VenueScreen::Form14_Command16_Click},
    });
}

void VenueScreen::Form14_Form_Load() { setPicture("\\QAVLE.bmp"); }

void VenueScreen::Form14_Command1_Click(int Index) {
    game_.VenueIndex = static_cast<int16_t>(Index);
    game_.VenueCapacity = CInt(c("Command1", Index).caption());
    auto& singles = game_.form(SinglesMatchScreen::Name);
    singles.c("Text19").setText(CStr(game_.VenueCapacity));
    game_.ArenaCost = 2 * game_.VenueCapacity;
    game_.RefereeSkill = staffSkill(game_, "Text28");
    game_.MatchCounter = "1";
    game_.ShowCost = 0;
    game_.StipulationCost = 0;  // a night whose first match is British charges nothing for it
    if (game_.knows("StaffScreen")) singles.c("Text18").setText(game_.form<screens::StaffScreen>().c("Text1").text());
    game_.Attendance = AttendanceRule(game_.Popularity, game_.VenueCapacity, [this] { return game_.Rnd(); });
    singles.c("Text17").setText(CStr(game_.Attendance));
    game_.GateReceipts = 5 * game_.Attendance;
    game_.show<PolaroidScreen>();
    game_.hide<VenueScreen>();
}

void VenueScreen::Form14_Command14_Click() {
    game_.msgBox(
        "Furious fans arrived at the arena only to learn the show has been cancelled. Your popularity has taken a "
        "big hit.",
        "Cancelled show!");
    auto& popularity = game_.form<screens::FederationHub>().c("Text7");
    const int lowered = game_.Popularity - CancelShowPenalty;
    popularity.setText(Str(lowered));
    game_.Popularity = ClampPopularity(lowered);
    if (game_.Popularity != lowered) popularity.setText(CStr(game_.Popularity));
    game_.show<screens::FederationHub>();
    game_.hide<VenueScreen>();
}

void VenueScreen::Form14_Command16_Click() { game_.show<screens::NotesPad>(); }

// --- PolaroidScreen -----------------------------------------------------------------------------------

PolaroidScreen::PolaroidScreen(Game& game) : Screen(game, polaroidDef()) {
    bind<PolaroidScreen>({
        {"Form", Event::Load, &PolaroidScreen::Form23_Form_Load},
        {"lstData", Event::Click, &PolaroidScreen::Form23_lstData_Click},
        {"Command3", Event::Click, &PolaroidScreen::Form23_Command3_Click},
        {"Command6", Event::Click, &PolaroidScreen::Form23_Command6_Click},
    });
}

void PolaroidScreen::Form23_Form_Load() {
    setPicture("\\QAVLE.bmp");
    BuildFilePaths(game_);
    CountRecordFiles(game_);
    RosterIntoList(game_, c("lstData"));
}

void PolaroidScreen::Form23_lstData_Click() {
    FindRosterRecord(game_, c("lstData").text());
    c("Text1").setText(trimTrailingBlanks(game_.CurrentWrestler.Name));
    c("txtwpol").setText(CStr(game_.CurrentWrestler.PolaroidPercent));
}

void PolaroidScreen::Form23_Command3_Click() {
    if (!c("txtwpol").text().empty()) {
        PolaroidWrestlerName = c("Text1").text();
        PolaroidPercentValue = CInt(c("txtwpol").text());
        auto& singles = game_.form(SinglesMatchScreen::Name);
        if (c("txtwpol").text() == "0") {
            singles.c("Text4").setText(PolaroidWrestlerName +
                                       " is in the ring for photos with the crowd, but no one is interested.");
        } else {
            singles.c("Text4").setText(PolaroidWrestlerName + " is in the ring having photos taken with the crowd.");
            singles.c("Text20").setText(Str(PolaroidIncomeFor(PolaroidPercentValue, game_.Attendance)));
        }
    }
    game_.show<SinglesMatchScreen>();
    game_.unload<PolaroidScreen>();
}

void PolaroidScreen::Form23_Command6_Click() { game_.show<screens::NotesPad>(); }

// --- SinglesMatchScreen -------------------------------------------------------------------------------

SinglesMatchScreen::SinglesMatchScreen(Game& game) : MatchScreen(game, singlesDef(), MatchTypeFor("Singles")) {
    bind<SinglesMatchScreen>({
        {"Form", Event::Load, &SinglesMatchScreen::Form10_Form_Load},
        {"List1", Event::Click, &SinglesMatchScreen::Form10_List1_Click},
        {"List2", Event::Click, &SinglesMatchScreen::Form10_List2_Click},
        {"List3", Event::Click, &SinglesMatchScreen::Form10_List3_Click},
        {"lstData", Event::Click, &SinglesMatchScreen::Form10_lstData_Click},
        {"Command1", Event::Click, &SinglesMatchScreen::Form10_Command1_Click},
        {"Command2", Event::Click, &SinglesMatchScreen::Form10_Command2_Click},
        {"Command4", Event::Click, &SinglesMatchScreen::Form10_Command4_Click},
        {"Command3", Event::Click, &SinglesMatchScreen::Form10_Command3_Click},
        {"Command5", Event::Click, &SinglesMatchScreen::Form10_Command5_Click},
        {"Command6", Event::Click, &SinglesMatchScreen::Form10_Command6_Click},
    });
}

void SinglesMatchScreen::Form10_Form_Load() {
    RefereeSkillAtLoad = staffSkill(game_, "Text28");
    setPicture("\\QAVLE.bmp");
    WeekWagesAtLoad = CLng(FinanceCell(game_, FinanceRow::WrestlerWages).caption());
    SlotSelector = true;
    c("List1").setEnabled(true);
    c("Label1").setEnabled(true);
    PickCount = 0;
    BuildFilePaths(game_);
    CountRecordFiles(game_);
    RosterIntoList(game_, c("lstData"));
    if (game_.EditMode == 2) ReadRecordInto(game_, game_.RosterFilePath, game_.CurrentRecordNumber);
}

void SinglesMatchScreen::Form10_List1_Click() {
    // The other match types hand the night over to their own screens; the polaroid money stays here.
    ChooseMatchType(true);
}

void SinglesMatchScreen::Form10_List2_Click() {
    c("List2").setEnabled(false);
    c("Label14").setEnabled(false);
    c("List3").setEnabled(true);
    c("Label15").setEnabled(true);
}

void SinglesMatchScreen::Form10_List3_Click() {
    c("Label15").setEnabled(false);
    c("List3").setEnabled(false);
    for (const char* name : {"lstData", "Label16", "Text5", "Label17", "Text6"}) c(name).setEnabled(true);
}

void SinglesMatchScreen::Form10_lstData_Click() {
    const std::string name = c("lstData").text();
    FindRosterRecord(game_, name);
    const auto& w = game_.CurrentWrestler;
    const std::size_t slot = SlotSelector ? 0 : 1;
    c(slot == 0 ? "Text5" : "Text6").setText(name);
    Slot[slot] = {w.Brawling, w.Technical, w.Speed, w.Over, w.Wage};
    const auto& boxes = slot == 0 ? StatBoxes1 : StatBoxes2;
    const std::array<int16_t, 5> values = {w.Brawling, w.Technical, w.Speed, w.Over, w.Wage};
    for (std::size_t i = 0; i < 5; ++i) c(boxes[i]).setText(CStr(values[i]));
    PickCount = I16(PickCount + 1);
    if (c("Text5").text() == c("Text6").text()) return;
    SlotSelector = !SlotSelector;
    if (PickCount == 1) return;
    for (const char* name : {"Command1", "Command2", "Command4", "Label18"}) c(name).setEnabled(true);
    for (const char* name : {"Label16", "Label17", "Text5", "Text6", "lstData"}) c(name).setEnabled(false);
}

void SinglesMatchScreen::chooseWinner(const char* winnerBox, const char* loserBox, const char* winnerOver,
                                      const char* loserOver) {
    WinnerName = c(winnerBox).text();
    LoserName = c(loserBox).text();
    if (forms::Val(c(loserOver).text()) > forms::Val(c(winnerOver).text()) + 5) {
        game_.msgBox(LoserName + ": I refuse to lose this match.", "Refused match!");
        return;
    }
    WinnerChosen = 1;
    c("Command3").setEnabled(true);
    for (const char* name : {"Label18", "Command1", "Command2", "Command4"}) c(name).setEnabled(false);
}

void SinglesMatchScreen::Form10_Command1_Click() { chooseWinner("Text5", "Text6", "wov1", "wov2"); }

void SinglesMatchScreen::Form10_Command2_Click() { chooseWinner("Text6", "Text5", "wov2", "wov1"); }

void SinglesMatchScreen::Form10_Command4_Click() {
    int k = static_cast<int>(forms::Int(game_.Rnd() * 2)) + 1;
    if (k == 1) chooseWinner("Text6", "Text5", "wov2", "wov1");
    else chooseWinner("Text5", "Text6", "wov1", "wov2");
}

void SinglesMatchScreen::Form10_Command3_Click() {
    MatchPreamble();
    for (const char* name : {"Text21", "Text22", "Label12"}) c(name).setEnabled(true);
    if (EndNightShown()) {
        EndOfNight(CLng(c("Text20").text()));
        return;
    }
    if (WinnerChosen == 0 || c("List1").text().empty() || c("List2").text().empty() || c("List3").text().empty())
        return;
    if (c("Text5").text() == c("Text6").text() || game_.MatchCounter == "6" || c("Text5").text().empty() ||
        c("Text6").text().empty())
        return;
    playMatch();
    recordResult();
}

void SinglesMatchScreen::playMatch() {
    c("Text4").setText("");
    c("Text21").setText(c("Text5").text());
    c("Text22").setText(c("Text6").text());
    c("Text2").setText(c("List2").text());
    c("Text1").setText(c("List1").text());

    const StipulationRules* stipulation = StipulationFor(c("List2").text());
    Scores = ScoreCategories(rules(), {Slot[0], Slot[1]}, stipulation);
    W = static_cast<int32_t>(Slot[0].wage) + Slot[1].wage;
    if (stipulation && stipulation->cost) game_.StipulationCost = *stipulation->cost;
    const std::string title = c("List3").text();
    bool titleMatch = title == "Primary" || title == "Secondary" || title == "Tertiary";
    RateMatch(Scores, titleMatch, RefereeSkillAtLoad);

    auto rnd = [this] { return game_.Rnd(); };
    c("Text4").setText(CommentaryLoop(c("List2").text(), WinnerName, LoserName,
                                      SinglesPairs(WinnerName, LoserName, rnd), rnd));
}

void SinglesMatchScreen::recordResult() {
    c("Text15").setText(WinnerName);
    WinnerChosen = 0;
    RecordNightTotals(W);
    ChangeTitle(c("List3").text(), c("Text15").text());

    const std::string first = c("Text5").text(), second = c("Text6").text();
    if (first != WinnerName && second != WinnerName) return;
    OverChange change = OverChangeRule(first == WinnerName, CInt(c("wov1").text()), CInt(c("wov2").text()));
    for (const auto& step : change.steps) {
        c(step.slot == 0 ? "wov1" : "wov2").setText(CStr(step.over));
        WriteOver(step.slot == 0 ? first : second, step.over);
    }
    if (change.stopped) return;
    StepFeudHeat(c("Text21").text(), c("Text22").text(), MatchRatingValue);
}

void SinglesMatchScreen::Form10_Command5_Click() {
    const char* results[] = {"Text1", "Text2", "Text7", "Text8", "Text18", "Text21", "Text22", "Text15", "Text4"};
    const char* captions[] = {"Label2", "Label3", "Label4", "Label8", "Label12", "Label13"};
    if (game_.MatchCounter != "6") {
        c("Text5").setText("");
        c("Text6").setText("");
        PickCount = 0;
        for (const char* name : results) c(name).setEnabled(false);
        for (const char* name : results) c(name).setText("");
        for (const char* name : captions) c(name).setEnabled(false);
        c("List1").setEnabled(true);
        c("Label1").setEnabled(true);
        c("Command5").setEnabled(false);
        return;
    }
    for (const char* name : {"Label11", "Label5", "Label6", "Label7", "Label9", "Command3"}) c(name).setEnabled(true);
    for (const char* name : results)
        if (std::string_view(name) != "Text18") c(name).setEnabled(false);
    for (const char* name : results) c(name).setText("");
    for (const char* name : {"Text17", "Text19", "Text9", "Text10", "Text11", "Text12", "Text13", "Text14", "Text16",
                             "Text3"})
        c(name).setEnabled(true);
    for (const char* name : captions) c(name).setEnabled(false);
    c("Command5").setEnabled(false);
}

void SinglesMatchScreen::Form10_Command6_Click() { game_.show<screens::NotesPad>(); }

void registerShowNightScreens(Game& game) {
    game.registerForm<VenueScreen>(game);
    game.registerForm<PolaroidScreen>(game);
    game.registerForm<SinglesMatchScreen>(game);
}

}  // namespace varnholt
