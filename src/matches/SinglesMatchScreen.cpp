#include "matches/SinglesMatchScreen.h"

#include "matches/Commentary.h"
#include "matches/MatchLayout.h"
#include "matches/NightSteps.h"

namespace varnholt {

using forms::CInt;
using forms::CStr;
using forms::I16;

namespace {

const FormDef& singlesDef() {
    static const FormDef def = [] {
        using Singles = SinglesMatchScreen;
        const MatchType& type = MatchTypeOfScreen(Singles::Name);
        FormDef d = MatchScreenDef(Singles::Name, Singles::Role, type);
        auto& c = d.controls;
        BookingColumn booking(c, type);
        booking.stipulationAndChampionship();
        booking.promptedName(type.prompts[0], "Select the first wrestler (from the roster below)",
                             Singles::NameBoxes[0], 4560);
        booking.promptedName(type.prompts[1], "Select the second wrestler (from the roster below)",
                             Singles::NameBoxes[1], 4560);
        booking.winnersAndRoster();
        c.push_back(CompetitorName(type.shown[0], LeftName, 0));
        c.push_back(Versus(LeftName + CompetitorWidth + VersusWidth / 2, 0));
        c.push_back(CompetitorName(type.shown[1], RightName, 0));
        // The night's polaroid money, kept out of sight until the end of the night.
        c.push_back(HiddenBox(Singles::PolaroidMoney, 10, "0"));
        ReadingOrder(c);
        return d;
    }();
    return def;
}

}  // namespace

SinglesMatchScreen::SinglesMatchScreen(Game& game) : MatchScreen(game, singlesDef()) {
    bind<SinglesMatchScreen>({
        {"Form", Event::Load, &SinglesMatchScreen::Form10_Form_Load},
        {MatchTypeList, Event::Click, &SinglesMatchScreen::Form10_List1_Click},
        {StipulationList, Event::Click, &SinglesMatchScreen::Form10_List2_Click},
        {ChampionshipList, Event::Click, &SinglesMatchScreen::Form10_List3_Click},
        {Roster, Event::Click, &SinglesMatchScreen::Form10_lstData_Click},
        {WinnerButtons[0], Event::Click, &SinglesMatchScreen::Form10_Command1_Click},
        {WinnerButtons[1], Event::Click, &SinglesMatchScreen::Form10_Command2_Click},
        {RandomWinnerButton, Event::Click, &SinglesMatchScreen::Form10_Command4_Click},
        {MatchButton, Event::Click, &SinglesMatchScreen::Form10_Command3_Click},
        {type().nextButton, Event::Click, &SinglesMatchScreen::Form10_Command5_Click},
        {NotesButton, Event::Click, &SinglesMatchScreen::Form10_Command6_Click},
    });
}

void SinglesMatchScreen::Form10_Form_Load() {
    LoadScreen();
    PickCount = 0;
}

// The two slots fill in turn; a name picked into both slots is not moved on from, and the winner buttons
// open once two different wrestlers stand in the slots.
void SinglesMatchScreen::Form10_lstData_Click() {
    const int slot = SlotSelector;
    Slot[static_cast<std::size_t>(slot - 1)] = PickIntoSlot(NameBoxes[static_cast<std::size_t>(slot - 1)], slot);
    PickCount = I16(PickCount + 1);
    if (c(NameBoxes[0]).text() == c(NameBoxes[1]).text()) return;
    SlotSelector = 3 - slot;
    if (PickCount == 1) return;
    OpenWinnerChoice();
}

// The RefusalRule: a loser whose Over exceeds the winner's by more than 5 refuses to lose.
void SinglesMatchScreen::chooseWinner(int winnerSlot) {
    const int loserSlot = 1 - winnerSlot;
    WinnerName = c(NameBoxes[static_cast<std::size_t>(winnerSlot)]).text();
    LoserName = c(NameBoxes[static_cast<std::size_t>(loserSlot)]).text();
    const double winnerOver = forms::Val(c(SlotBox(SlotOver, winnerSlot + 1)).text());
    if (forms::Val(c(SlotBox(SlotOver, loserSlot + 1)).text()) > winnerOver + 5) {
        game_.msgBox(LoserName + ": I refuse to lose this match.", "Refused match!");
        return;
    }
    AcceptWinner();
}

void SinglesMatchScreen::Form10_Command1_Click() { chooseWinner(0); }

void SinglesMatchScreen::Form10_Command2_Click() { chooseWinner(1); }

void SinglesMatchScreen::Form10_Command4_Click() {
    const int k = static_cast<int>(forms::Int(game_.Rnd() * 2)) + 1;
    chooseWinner(k == 1 ? 1 : 0);
}

void SinglesMatchScreen::playMatch() {
    ShowBooking();
    RateBookedMatch({Slot[0], Slot[1]});
    auto rnd = [this] { return game_.Rnd(); };
    c(Commentary).setText(CommentaryLoop(c(StipulationList).text(), WinnerName, LoserName,
                                         SinglesPairs(WinnerName, LoserName, rnd), rnd));
}

void SinglesMatchScreen::recordResult() {
    RecordResult(WinnerName);
    ChangeTitle(game_, c(ChampionshipList).text(), c(Winner).text());

    const std::array<std::string, 2> names = {c(NameBoxes[0]).text(), c(NameBoxes[1]).text()};
    if (names[0] != WinnerName && names[1] != WinnerName) return;
    auto over = [this](int slot) -> forms::Control& { return c(SlotBox(SlotOver, slot + 1)); };
    OverChange change = OverChangeRule(names[0] == WinnerName, CInt(over(0).text()), CInt(over(1).text()));
    for (const auto& step : change.steps) {
        over(step.slot).setText(CStr(step.over));
        WriteOver(game_, names[static_cast<std::size_t>(step.slot)], step.over);
    }
    if (change.stopped) return;
    StepFeudHeat(game_, c(type().shown[0]).text(), c(type().shown[1]).text(), MatchRatingValue);
}

void SinglesMatchScreen::Form10_Command5_Click() {
    if (!AllMatchesPlayed(game_)) PickCount = 0;
    NextMatch();
}

void SinglesMatchScreen::Form10_Command6_Click() { game_.show<screens::NotesPad>(); }

}  // namespace varnholt
