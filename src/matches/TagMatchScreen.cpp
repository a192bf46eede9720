#include "matches/TagMatchScreen.h"

#include "management/Championships.h"
#include "matches/Commentary.h"
#include "matches/MatchLayout.h"
#include "matches/NightSteps.h"

namespace varnholt {

using forms::CInt;

namespace {

const FormDef& tagDef() {
    static const FormDef def = [] {
        using Tag = TagMatchScreen;
        const MatchType& type = MatchTypeOfScreen(Tag::Name);
        FormDef d = MatchScreenDef(Tag::Name, Tag::Role, type);
        auto& c = d.controls;
        BookingColumn booking(c, type);
        booking.stipulationAndChampionship();
        const auto& names = Tag::NameBoxes;
        booking.prompt(type.prompts[0], "Select the two teams (from the roster below)");
        booking.names({names[0], names[1]});
        booking.names({names[2], names[3]});
        booking.winnersAndRoster();
        // The two teams as the match shows them: each pair on its own row, "VS" between the rows. The
        // heading needs one "VS" only: the array's second member stays out of sight.
        c.push_back(CompetitorName(type.shown[0], LeftName, 0));
        c.push_back(CompetitorName(type.shown[1], RightName, 0));
        c.push_back(Versus(ResultLeft + ResultWidth / 2, 1, 0));
        ControlDef second = Versus(ResultLeft + ResultWidth / 2, 1, 1);
        second.flags |= forms::Hidden;
        c.push_back(second);
        c.push_back(CompetitorName(type.shown[2], LeftName, 2));
        c.push_back(CompetitorName(type.shown[3], RightName, 2));
        // A box that carries nothing here.
        c.push_back(HiddenBox(Tag::PolaroidMoney, 20, "0"));
        ReadingOrder(c);
        return d;
    }();
    return def;
}

}  // namespace

TagMatchScreen::TagMatchScreen(Game& game) : MatchScreen(game, tagDef()) {
    bind<TagMatchScreen>({
        {"Form", Event::Load, &TagMatchScreen::Form17_Form_Load},
        {MatchTypeList, Event::Click, &TagMatchScreen::Form17_List1_Click},
        {StipulationList, Event::Click, &TagMatchScreen::Form17_List2_Click},
        {ChampionshipList, Event::Click, &TagMatchScreen::Form17_List3_Click},
        {Roster, Event::Click, &TagMatchScreen::Form17_lstData_Click},
        {WinnerButtons[0], Event::Click, &TagMatchScreen::Form17_Command1_Click},
        {WinnerButtons[1], Event::Click, &TagMatchScreen::Form17_Command2_Click},
        {WinnerButtons[2], Event::Click, &TagMatchScreen::Form17_Command5_Click},
        {WinnerButtons[3], Event::Click, &TagMatchScreen::Form17_Command7_Click},
        {MatchButton, Event::Click, &TagMatchScreen::Form17_Command3_Click},
        {type().nextButton, Event::Click, &TagMatchScreen::Form17_Command4_Click},
        {NotesButton, Event::Click, &TagMatchScreen::Form17_Command6_Click},
    });
}

void TagMatchScreen::readTagChampions() {
    using Champions = screens::ChampionsScreen;
    auto& champions = game_.form<Champions>();
    TagChampions = {champions.c(Champions::TagTeamHolder).text(), champions.c(Champions::TagTeamPartner).text()};
}

void TagMatchScreen::Form17_Form_Load() {
    readTagChampions();
    LoadScreen();
}

// The tag RefusalRule compares the teams' Over: the losing team refuses when it stands more than 5 above.
// The scorer, his partner and the two losers are slots (0-based) in the order the commentary names them.
void TagMatchScreen::chooseWinners(int scorer, int partner, int firstLoser, int secondLoser, int winningTeam) {
    auto over = [this](int slot) { return CInt(c(SlotBox(SlotOver, slot)).text()); };
    auto name = [this](int slot) { return c(NameBoxes[static_cast<std::size_t>(slot)]).text(); };
    TeamOverFigure[0] = over(1) + over(2);
    TeamOverFigure[1] = over(3) + over(4);
    Scorer = name(scorer);
    ScorerPartner = name(partner);
    FirstLoser = name(firstLoser);
    SecondLoser = name(secondLoser);
    const int32_t winners = TeamOverFigure[static_cast<std::size_t>(winningTeam - 1)];
    const int32_t losers = TeamOverFigure[static_cast<std::size_t>(2 - winningTeam)];
    if (losers > winners + 5) {
        game_.msgBox(FirstLoser + " and " + SecondLoser + ": We refuse to lose this match.", "Refused match!");
        return;
    }
    AcceptWinner();
}

void TagMatchScreen::Form17_Command1_Click() { chooseWinners(0, 1, 2, 3, 1); }
void TagMatchScreen::Form17_Command2_Click() { chooseWinners(1, 0, 2, 3, 1); }
void TagMatchScreen::Form17_Command5_Click() { chooseWinners(2, 3, 0, 1, 2); }
void TagMatchScreen::Form17_Command7_Click() { chooseWinners(3, 2, 1, 0, 2); }

void TagMatchScreen::playMatch() {
    ShowBooking();
    RateBookedMatch({Slot.begin(), Slot.end()});
    if (const StipulationCommentary* lines = CommentaryIn(*type().commentary, c(StipulationList).text())) {
        auto rnd = [this] { return game_.Rnd(); };
        auto [pairs, finisher] = TagPairs({Scorer, ScorerPartner, FirstLoser, SecondLoser}, rnd);
        c(Commentary).setText(CommentaryLoop(*lines, Scorer, FirstLoser, pairs, rnd, finisher));
    }
}

void TagMatchScreen::recordResult() {
    RecordResult(Scorer);
    // The scorer's partner stands beside him as the other winner: slots 1 and 2 are a team, 3 and 4 the other.
    const std::string winner = c(Winner).text();
    for (std::size_t slot = 0; slot < NameBoxes.size(); ++slot)
        if (winner == c(NameBoxes[slot]).text()) c(Partner).setText(c(NameBoxes[slot ^ 1]).text());

    if (c(ChampionshipList).text() != TagTeamTitle.item) return;
    const std::string partner = c(Partner).text();
    const bool holders = (winner == TagChampions[0] && partner == TagChampions[1]) ||
                         (winner == TagChampions[1] && partner == TagChampions[0]);
    if (holders) return;
    TitleHistoryShift(game_, TagTeamTitle.number, winner, partner);
    readTagChampions();
}

void TagMatchScreen::Form17_Command6_Click() { game_.show<screens::NotesPad>(); }

}  // namespace varnholt
