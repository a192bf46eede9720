#include "matches/TagMatchScreen.h"

#include "management/Championships.h"
#include "shownight/Commentary.h"
#include "wrestlers/RecordFiles.h"

namespace varnholt {

using forms::CInt;
using forms::CStr;
using forms::I32;

namespace {



const FormDef& tagDef() {
    static const FormDef def = [] {
        FormDef d{TagMatchScreen::Name, TagMatchScreen::Role, "Varnholt", MatchScreenWidth, MatchScreenHeight, "",
                  SharedMatchControls(TagShape)};
        auto& c = d.controls;
        auto add = [&c](ControlDef def) { c.push_back(std::move(def)); };
        BookingColumn booking(c);
        booking.prompt("Label14", "Select a match stipulation");
        booking.list("List2", {"Normal", "Submission", "Hardcore", "Ladder", "Cage"});
        booking.prompt("Label15", "Select a championship on the line");
        booking.list("List3", {"Tag Team", "None"});
        booking.prompt("Label16", "Select the two teams (from the roster below)");
        booking.names({"Text5", "Text6"});
        booking.names({"Text21", "Text22"});
        booking.prompt("Label18", "Select the winner or select a random winner");
        const char* tips[] = {"Select the first wrestler to win the match", "Select the second wrestler to win the match"};
        std::vector<ControlDef> winners;
        for (int i = 0; i < 4; ++i) {
            winners.push_back(button(WinnerButtons[static_cast<std::size_t>(i)], 0, 0, 0, 0, "W" + std::to_string(i + 1), Off));
            winners.back().tooltip = tips[i % 2];
        }
        booking.buttons(winners);
        booking.roster();
        // The two teams as the match shows them: each pair on its own row, "VS" between the rows. The
        // heading needs one "VS" only: the array's second member stays out of sight.
        add(CompetitorName("Text24", LeftName, 0));
        add(CompetitorName("Text25", RightName, 0));
        add(Versus(ResultLeft + ResultWidth / 2, 1, 0));
        ControlDef second = Versus(ResultLeft + ResultWidth / 2, 1, 1);
        second.flags |= forms::Hidden;
        add(second);
        add(CompetitorName("Text26", LeftName, 2));
        add(CompetitorName("Text27", RightName, 2));
        // The four wrestlers' stats, kept out of sight, and a box that carries nothing here.
        int x = 120;
        for (int slot = 1; slot <= 4; ++slot)
            for (const char* stat : {"wbr", "wte", "wsp", "wov", "wwa"}) {
                add(textBox(stat + std::to_string(slot), x, 9240, 300, 285, "", forms::Hidden));
                x += 330;
            }
        add(textBox("Text20", x, 9240, 300, 285, "0", forms::Hidden));
        ReadingOrder(d.controls);
        return d;
    }();
    return def;
}

}  // namespace

TagMatchScreen::TagMatchScreen(Game& game) : MatchScreen(game, tagDef(), MatchTypeFor("Tag Team"), TagShape) {
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
    auto& champions = game_.form(ChampionsScreen::Name);
    TagChampions = {champions.c("Text34").text(), champions.c("Text35").text()};
}

void TagMatchScreen::Form17_Form_Load() {
    readTagChampions();
    setPicture("\\QAVLE.bmp");
    c("List1").setEnabled(true);
    c("Label1").setEnabled(true);
    SlotSelector = 1;
    BuildFilePaths(game_);
    CountRecordFiles(game_);
    RosterIntoList(game_, c("lstData"));
    if (game_.EditMode == 2) ReadRecordInto(game_, game_.RosterFilePath, game_.CurrentRecordNumber);
}

// The tag screen copies no captions when it hands the night on: its "Winners" must not travel.
void TagMatchScreen::Form17_List1_Click() { ChooseMatchType(false); }

void TagMatchScreen::Form17_List2_Click() {
    c("Label14").setEnabled(false);
    c("List2").setEnabled(false);
    c("List3").setEnabled(true);
    c("Label15").setEnabled(true);
}

void TagMatchScreen::Form17_List3_Click() {
    c("Label15").setEnabled(false);
    c("List3").setEnabled(false);
    for (const char* name : {"lstData", "Text5", "Text6", "Text21", "Text22", "Label16"}) c(name).setEnabled(true);
}

void TagMatchScreen::Form17_lstData_Click() {
    const int n = SlotSelector;
    Slot[static_cast<std::size_t>(n - 1)] = PickIntoSlot(NameBoxes[static_cast<std::size_t>(n - 1)], n);
    SlotSelector = n + 1;
    if (SlotSelector <= 4) return;
    for (const char* name : {"lstData", "Text5", "Text6", "Text21", "Text22", "Label16"}) c(name).setEnabled(false);
    c("Label18").setEnabled(true);
    for (const char* name : WinnerButtons) c(name).setEnabled(true);
    SlotSelector = 1;
}

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
    c("Label18").setEnabled(false);
    for (const char* name : WinnerButtons) c(name).setEnabled(false);
    c("Command3").setEnabled(true);
    WinnerChosen = 1;
}

void TagMatchScreen::Form17_Command1_Click() { chooseWinners("Text5", "Text6", "Text21", "Text22", 1); }
void TagMatchScreen::Form17_Command2_Click() { chooseWinners("Text6", "Text5", "Text21", "Text22", 1); }
void TagMatchScreen::Form17_Command5_Click() { chooseWinners("Text21", "Text22", "Text5", "Text6", 2); }
void TagMatchScreen::Form17_Command7_Click() { chooseWinners("Text22", "Text21", "Text6", "Text5", 2); }

void TagMatchScreen::Form17_Command3_Click() {
    MatchPreamble({"Text23", "Text24", "Text25", "Text26", "Text27", "Label12(0)", "Label12(1)"});
    if (EndNightShown()) {
        EndOfNightReplacingWeek(false);
        return;
    }
    if (c("List1").text().empty() || c("List2").text().empty() || c("List3").text().empty()) return;
    for (std::size_t i = 0; i < NameBoxes.size(); ++i)
        for (std::size_t j = i + 1; j < NameBoxes.size(); ++j)
            if (c(NameBoxes[i]).text() == c(NameBoxes[j]).text()) return;
    if (game_.MatchCounter == "6") return;
    for (const char* name : NameBoxes)
        if (c(name).text().empty()) return;
    if (WinnerChosen == 0) return;
    playMatch();
    recordResult();
}

void TagMatchScreen::playMatch() {
    c("Text4").setText("");
    c("Text24").setText(c("Text5").text());
    c("Text25").setText(c("Text6").text());
    c("Text26").setText(c("Text21").text());
    c("Text27").setText(c("Text22").text());
    c("Text2").setText(c("List2").text());
    c("Text1").setText(c("List1").text());

    const std::string stipulation = c("List2").text();
    const StipulationRules* rules = StipulationFor(stipulation);
    const CategoryScores scores = ScoreCategories(this->rules(), {Slot.begin(), Slot.end()}, rules);
    W = 0;
    for (const auto& s : Slot) W = I32(static_cast<long long>(W) + s.wage);
    if (rules && rules->cost) game_.StipulationCost = *rules->cost;
    W = I32(static_cast<long long>(W) + game_.StipulationCost);
    // Only the singles titles earn the title bonus; a tag-team title match rates like any other.
    const std::string title = c("List3").text();
    RateMatch(scores, title == "Primary" || title == "Secondary" || title == "Tertiary", game_.RefereeSkill);

    if (const StipulationCommentary* lines = CommentaryIn(TagCommentaryTables, stipulation)) {
        auto rnd = [this] { return game_.Rnd(); };
        auto [pairs, finisher] = TagPairs({Scorer, ScorerPartner, FirstLoser, SecondLoser}, rnd);
        c("Text4").setText(CommentaryLoop(*lines, Scorer, FirstLoser, pairs, rnd, finisher));
    }
}

void TagMatchScreen::recordResult() {
    c("Text15").setText(Scorer);
    const std::string winner = c("Text15").text();
    if (winner == c("Text5").text()) c("Text23").setText(c("Text6").text());
    if (winner == c("Text6").text()) c("Text23").setText(c("Text5").text());
    if (winner == c("Text21").text()) c("Text23").setText(c("Text22").text());
    if (winner == c("Text22").text()) c("Text23").setText(c("Text21").text());
    WinnerChosen = 0;
    RecordNightTotals(W);

    if (c("List3").text() != "Tag Team") return;
    const std::string partner = c("Text23").text();
    const bool holders = (winner == TagChampions[0] && partner == TagChampions[1]) ||
                         (winner == TagChampions[1] && partner == TagChampions[0]);
    if (holders) return;
    TitleHistoryShift(game_, 4, winner, partner);
    readTagChampions();
}

void TagMatchScreen::Form17_Command4_Click() {
    NextMatch({{"Text5", "Text6", "Text21", "Text22"},
               {"Text24", "Text25", "Text26", "Text27", "Label12(0)", "Label12(1)"},
               true,
               true});
}

void TagMatchScreen::Form17_Command6_Click() { game_.show<screens::NotesPad>(); }

}  // namespace varnholt
