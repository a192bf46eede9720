#include "matches/TagMatchScreen.h"

#include "management/Championships.h"
#include "matches/Commentary.h"
#include "matches/NightSteps.h"

namespace varnholt {

using forms::CInt;

namespace {

const FormDef& tagDef() {
    static const FormDef def = [] {
        using Tag = TagMatchScreen;
        const MatchType& type = MatchTypeFor("Tag Team");
        FormDef d = MatchScreenDef(Tag::Name, Tag::Role, type);
        auto& c = d.controls;
        BookingColumn booking(c, type);
        booking.stipulationAndChampionship();
        booking.prompt("Label16", "Select the two teams (from the roster below)");
        booking.names({"Text5", "Text6"});
        booking.names({"Text21", "Text22"});
        booking.winnersAndRoster();
        // The two teams as the match shows them: each pair on its own row, "VS" between the rows. The
        // heading needs one "VS" only: the array's second member stays out of sight.
        c.push_back(CompetitorName("Text24", LeftName, 0));
        c.push_back(CompetitorName("Text25", RightName, 0));
        c.push_back(Versus(ResultLeft + ResultWidth / 2, 1, 0));
        ControlDef second = Versus(ResultLeft + ResultWidth / 2, 1, 1);
        second.flags |= forms::Hidden;
        c.push_back(second);
        c.push_back(CompetitorName("Text26", LeftName, 2));
        c.push_back(CompetitorName("Text27", RightName, 2));
        // A box that carries nothing here.
        c.push_back(textBox(nightboxes::PolaroidMoney, 120 + 20 * 330, 9240, 300, 285, "0", forms::Hidden));
        ReadingOrder(c);
        return d;
    }();
    return def;
}

}  // namespace

TagMatchScreen::TagMatchScreen(Game& game) : MatchScreen(game, tagDef(), MatchTypeFor("Tag Team")) {
    bind<TagMatchScreen>({
        {"Form", Event::Load, &TagMatchScreen::Form17_Form_Load},
        {"List1", Event::Click, &TagMatchScreen::Form17_List1_Click},
        {"List2", Event::Click, &TagMatchScreen::Form17_List2_Click},
        {"List3", Event::Click, &TagMatchScreen::Form17_List3_Click},
        {"lstData", Event::Click, &TagMatchScreen::Form17_lstData_Click},
        {"Command1", Event::Click, &TagMatchScreen::Form17_Command1_Click},
        {"Command2", Event::Click, &TagMatchScreen::Form17_Command2_Click},
        {"Command5", Event::Click, &TagMatchScreen::Form17_Command5_Click},
        {"Command7", Event::Click, &TagMatchScreen::Form17_Command7_Click},
        {"Command3", Event::Click, &TagMatchScreen::Form17_Command3_Click},
        {"Command4", Event::Click, &TagMatchScreen::Form17_Command4_Click},
        {"Command6", Event::Click, &TagMatchScreen::Form17_Command6_Click},
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
void TagMatchScreen::chooseWinners(const char* scorer, const char* partner, const char* firstLoser,
                                   const char* secondLoser, int winningTeam) {
    TeamOverFigure[0] = CInt(c("wov1").text()) + CInt(c("wov2").text());
    TeamOverFigure[1] = CInt(c("wov3").text()) + CInt(c("wov4").text());
    Scorer = c(scorer).text();
    ScorerPartner = c(partner).text();
    FirstLoser = c(firstLoser).text();
    SecondLoser = c(secondLoser).text();
    const int32_t winners = TeamOverFigure[static_cast<std::size_t>(winningTeam - 1)];
    const int32_t losers = TeamOverFigure[static_cast<std::size_t>(2 - winningTeam)];
    if (losers > winners + 5) {
        game_.msgBox(FirstLoser + " and " + SecondLoser + ": We refuse to lose this match.", "Refused match!");
        return;
    }
    AcceptWinner();
}

void TagMatchScreen::Form17_Command1_Click() { chooseWinners("Text5", "Text6", "Text21", "Text22", 1); }
void TagMatchScreen::Form17_Command2_Click() { chooseWinners("Text6", "Text5", "Text21", "Text22", 1); }
void TagMatchScreen::Form17_Command5_Click() { chooseWinners("Text21", "Text22", "Text5", "Text6", 2); }
void TagMatchScreen::Form17_Command7_Click() { chooseWinners("Text22", "Text21", "Text6", "Text5", 2); }

void TagMatchScreen::playMatch() {
    ShowBooking();
    W = RateBookedMatch({Slot.begin(), Slot.end()});
    if (const StipulationCommentary* lines = CommentaryIn(*type().commentary, c("List2").text())) {
        auto rnd = [this] { return game_.Rnd(); };
        auto [pairs, finisher] = TagPairs({Scorer, ScorerPartner, FirstLoser, SecondLoser}, rnd);
        c("Text4").setText(CommentaryLoop(*lines, Scorer, FirstLoser, pairs, rnd, finisher));
    }
}

void TagMatchScreen::recordResult() {
    RecordResult(Scorer, W);
    // The scorer's partner stands beside him as the other winner.
    const std::string winner = c("Text15").text();
    if (winner == c("Text5").text()) c("Text23").setText(c("Text6").text());
    if (winner == c("Text6").text()) c("Text23").setText(c("Text5").text());
    if (winner == c("Text21").text()) c("Text23").setText(c("Text22").text());
    if (winner == c("Text22").text()) c("Text23").setText(c("Text21").text());

    if (c("List3").text() != "Tag Team") return;
    const std::string partner = c("Text23").text();
    const bool holders = (winner == TagChampions[0] && partner == TagChampions[1]) ||
                         (winner == TagChampions[1] && partner == TagChampions[0]);
    if (holders) return;
    TitleHistoryShift(game_, 4, winner, partner);
    readTagChampions();
}

void TagMatchScreen::Form17_Command6_Click() { game_.show<screens::NotesPad>(); }

}  // namespace varnholt
