#include "shownight/ShowNightScreens.h"

#include "matches/NightSteps.h"
#include "shownight/VenueRules.h"
#include "wrestlers/RecordFiles.h"

namespace varnholt {

using forms::CInt;
using forms::CLng;
using forms::CStr;
using forms::I16;

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
        // Closing the window cancels the show, which costs popularity: the close box asks first.
        d.closeQuestion = "Closing the venue cancels tonight's show, and your popularity will take a big hit. "
                          "Cancel the show?";
        d.closeTitle = "Cancel show?";
        return d;
    }();
    return def;
}

// --- the polaroid screen --------------------------------------------------------------------------

const FormDef& polaroidDef() {
    // One column across the whole window: the heading, the roster, the caption and its two boxes, Continue.
    // Continue is the only way on, and the screen takes its close box itself: closing it must not lose the
    // polaroid sales by accident.
    static const FormDef def{
        .name = PolaroidScreen::Name, .role = PolaroidScreen::Role, .caption = "Varnholt", .width = 7200,
        .height = 6240,
        .controls = {
            notesButton("Command6"),
            label("Label1", 600, 180, 6000, 300, "Chose a wrestler to appear in polaroids with the audience",
                  forms::Bold | forms::Centred),
            listBox("lstData", 600, 660, 6000, 3360),
            label("Label2", 600, 4170, 6000, 600,
                  "Wrestler chosen and Polaroid percentage (expected percentage of the crowd willing to buy a "
                  "Polaroid with the wrestler in question)", forms::Centred),
            textBox("Text1", 600, 4860, 4680, 315, "", ReadOnly),
            textBox("txtwpol", 5400, 4860, 1200, 315, "", ReadOnly),
            button("Command3", 2700, 5490, 1800, 495, "Continue"),
        },
        .wayOut = "Command3",
    };
    return def;
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
    game_.Attendance = AttendanceRule(game_.Popularity, game_.VenueCapacity, [this] { return game_.Rnd(); });
    BookVenueIntoNight(game_);
    game_.show<PolaroidScreen>();
    game_.hide<VenueScreen>();
}

void VenueScreen::Form14_Command14_Click() {
    game_.msgBox(
        "Furious fans arrived at the arena only to learn the show has been cancelled. Your popularity has taken a "
        "big hit.",
        "Cancelled show!");
    MovePopularity(game_, game_.Popularity, game_.Popularity - CancelShowPenalty);
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
        {"Form", Event::Close, &PolaroidScreen::Form23_Form_Close},
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
        const bool interested = c("txtwpol").text() != "0";
        ShowPolaroidInNight(game_, PolaroidWrestlerName, interested,
                            interested ? PolaroidIncomeFor(PolaroidPercentValue, game_.Attendance) : 0.0);
    }
    game_.show<screens::SinglesMatchScreen>();
    game_.unload<PolaroidScreen>();
}

void PolaroidScreen::Form23_Command6_Click() { game_.show<screens::NotesPad>(); }

// The close box goes on to the night as Continue does; with nobody picked, the night's polaroid sales would be
// lost, so it asks first, and only Yes goes on.
void PolaroidScreen::Form23_Form_Close() {
    if (c("txtwpol").text().empty() &&
        game_.msgBox(NoPolaroidQuestion, NoPolaroidTitle, forms::MsgButtons::YesNo, forms::MsgIcon::Question,
                     forms::MsgResult::No) != forms::MsgResult::Yes)
        return;
    Form23_Command3_Click();
}

void registerShowNightScreens(Game& game) {
    game.registerForm<VenueScreen>(game);
    game.registerForm<PolaroidScreen>(game);
}

}  // namespace varnholt
