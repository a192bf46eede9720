#include "matches/SinglesMatchScreen.h"

#include "matches/Commentary.h"
#include "matches/NightSteps.h"

namespace varnholt {

using forms::CInt;
using forms::CStr;
using forms::I16;

namespace {

const FormDef& singlesDef() {
    static const FormDef def = [] {
        using Singles = SinglesMatchScreen;
        const MatchType& type = MatchTypeFor("Singles");
        FormDef d = MatchScreenDef(Singles::Name, Singles::Role, type);
        auto& c = d.controls;
        BookingColumn booking(c, type);
        booking.stipulationAndChampionship();
        booking.promptedName("Label16", "Select the first wrestler (from the roster below)", "Text5", 4560);
        booking.promptedName("Label17", "Select the second wrestler (from the roster below)", "Text6", 4560);
        booking.winnersAndRoster();
        c.push_back(CompetitorName("Text21", LeftName, 0));
        c.push_back(Versus(LeftName + CompetitorWidth + VersusWidth / 2, 0));
        c.push_back(CompetitorName("Text22", RightName, 0));
        // The night's polaroid money, kept out of sight until the end of the night.
        c.push_back(textBox(nightboxes::PolaroidMoney, 120 + 10 * 330, 9240, 300, 285, "0", forms::Hidden));
        ReadingOrder(c);
        return d;
    }();
    return def;
}

}  // namespace

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
    LoadScreen();
    PickCount = 0;
}

// The two slots fill in turn; a name picked into both slots is not moved on from, and the winner buttons
// open once two different wrestlers stand in the slots.
void SinglesMatchScreen::Form10_lstData_Click() {
    const int slot = SlotSelector;
    Slot[static_cast<std::size_t>(slot - 1)] = PickIntoSlot(NameBoxes[static_cast<std::size_t>(slot - 1)], slot);
    PickCount = I16(PickCount + 1);
    if (c("Text5").text() == c("Text6").text()) return;
    SlotSelector = 3 - slot;
    if (PickCount == 1) return;
    OpenWinnerChoice();
}

// The RefusalRule: a loser whose Over exceeds the winner's by more than 5 refuses to lose.
void SinglesMatchScreen::chooseWinner(int winnerSlot) {
    const int loserSlot = 1 - winnerSlot;
    WinnerName = c(NameBoxes[static_cast<std::size_t>(winnerSlot)]).text();
    LoserName = c(NameBoxes[static_cast<std::size_t>(loserSlot)]).text();
    const double winnerOver = forms::Val(c("wov" + std::to_string(winnerSlot + 1)).text());
    if (forms::Val(c("wov" + std::to_string(loserSlot + 1)).text()) > winnerOver + 5) {
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
    W = RateBookedMatch({Slot[0], Slot[1]});
    auto rnd = [this] { return game_.Rnd(); };
    c("Text4").setText(CommentaryLoop(c("List2").text(), WinnerName, LoserName,
                                      SinglesPairs(WinnerName, LoserName, rnd), rnd));
}

void SinglesMatchScreen::recordResult() {
    RecordResult(WinnerName, W);
    ChangeTitle(game_, c("List3").text(), c("Text15").text());

    const std::string first = c("Text5").text(), second = c("Text6").text();
    if (first != WinnerName && second != WinnerName) return;
    OverChange change = OverChangeRule(first == WinnerName, CInt(c("wov1").text()), CInt(c("wov2").text()));
    for (const auto& step : change.steps) {
        c(step.slot == 0 ? "wov1" : "wov2").setText(CStr(step.over));
        WriteOver(game_, step.slot == 0 ? first : second, step.over);
    }
    if (change.stopped) return;
    StepFeudHeat(game_, c("Text21").text(), c("Text22").text(), MatchRatingValue);
}

void SinglesMatchScreen::Form10_Command5_Click() {
    if (game_.MatchCounter != "6") PickCount = 0;
    NextMatch();
}

void SinglesMatchScreen::Form10_Command6_Click() { game_.show<screens::NotesPad>(); }

}  // namespace varnholt
