#include "matches/MultiMatchScreens.h"

#include "shell/FederationScreens.h"
#include "wrestlers/RecordFiles.h"

namespace varnholt {

using forms::CInt;
using forms::CLng;
using forms::I32;

namespace {


constexpr std::array<const char*, 4> OverBoxes = {"wov1", "wov2", "wov3", "wov4"};

std::vector<std::string> versusLabels(int count) {
    std::vector<std::string> v;
    for (int i = 0; i < count; ++i) v.push_back("Label12(" + std::to_string(i) + ")");
    return v;
}

const MultiMatchParts TripleThreatParts{
    3, {"Label16", "Label17", "Label20"}, {"Text22", "Text24", "Text25"}, &TripleThreatCommentaryTables, 3};
const MultiMatchParts FourWayParts{
    4, {"Label16"}, {"Text24", "Text25", "Text26", "Text27"}, &FourWayCommentaryTables, 4};

// The steps every screen of several wrestlers books alike: stipulation and championship above its
// name boxes; the winner buttons (with "R") under them and the roster list below; the stats out of sight.
void addStipulationAndChampionship(BookingColumn& booking) {
    booking.prompt("Label14", "Select a match stipulation");
    booking.list("List2", {"Normal", "Submission", "Hardcore", "Ladder", "Cage"});
    booking.prompt("Label15", "Select a championship on the line");
    booking.list("List3", {"Primary", "Secondary", "Tertiary", "None"});
}

void addWinnersAndRoster(std::vector<ControlDef>& c, BookingColumn& booking, int slots) {
    booking.prompt("Label18", "Select the winner or select a random winner");
    std::vector<ControlDef> row;
    for (int i = 0; i < slots; ++i)
        row.push_back(button(WinnerButtons[static_cast<std::size_t>(i)], 0, 0, 0, 0, "W" + std::to_string(i + 1), Off));
    row[0].tooltip = "Select the first wrestler to win the match";
    row[1].tooltip = "Select the second wrestler to win the match";
    row.push_back(button("Command4", 0, 0, 0, 0, "R", Off));
    row.back().tooltip = "Random winner";
    booking.buttons(row);
    booking.roster();
    int x = 120;
    for (int slot = 1; slot <= slots; ++slot)
        for (const char* stat : {"wbr", "wte", "wsp", "wov", "wwa"}) {
            c.push_back(textBox(stat + std::to_string(slot), x, 9240, 300, 285, "", forms::Hidden));
            x += 330;
        }
}

// Centres of the name columns over the results, and the points halfway between them where a "VS"
// joins a name to the one below it.
constexpr int LeftCentre = LeftName + CompetitorWidth / 2, RightCentre = RightName + CompetitorWidth / 2;
constexpr int MiddleCentre = ResultLeft + ResultWidth / 2;

const FormDef& tripleThreatDef() {
    static const FormDef def = [] {
        FormDef d{TripleThreatMatchScreen::Name, TripleThreatMatchScreen::Role, "Varnholt", MatchScreenWidth, MatchScreenHeight, "",
                  SharedMatchControls(TripleThreatShape)};
        auto& c = d.controls;
        BookingColumn booking(c);
        addStipulationAndChampionship(booking);
        booking.promptedName("Label16", "Select the first wrestler ", "Text5");
        booking.promptedName("Label17", "Select the second wrestler", "Text6");
        booking.promptedName("Label20", "Select the third wrestler", "Text21");
        addWinnersAndRoster(c, booking, 3);
        // One name above, two below, a "VS" between each two of them.
        c.push_back(CompetitorName("Text22", CentreName, 0));
        c.push_back(Versus((LeftCentre + MiddleCentre) / 2, 1, 0));
        c.push_back(Versus((RightCentre + MiddleCentre) / 2, 1, 2));
        c.push_back(CompetitorName("Text24", LeftName, 2));
        c.push_back(Versus(MiddleCentre, 2, 1));
        c.push_back(CompetitorName("Text25", RightName, 2));
        ReadingOrder(d.controls);
        return d;
    }();
    return def;
}

const FormDef& fourWayDef() {
    static const FormDef def = [] {
        FormDef d{FourWayMatchScreen::Name, FourWayMatchScreen::Role, "Varnholt", MatchScreenWidth, MatchScreenHeight, "",
                  SharedMatchControls(FourWayShape)};
        auto& c = d.controls;
        BookingColumn booking(c);
        addStipulationAndChampionship(booking);
        booking.prompt("Label16", "Select the four competitors (from the roster below)");
        for (const char* box : NameBoxes) booking.names({box});
        addWinnersAndRoster(c, booking, 4);
        // Two names above, two below, a "VS" between each name and its neighbours.
        c.push_back(CompetitorName("Text24", LeftName, 0));
        c.push_back(Versus(MiddleCentre, 0, 0));
        c.push_back(CompetitorName("Text26", RightName, 0));
        c.push_back(Versus(LeftCentre, 1, 2));
        c.push_back(Versus(RightCentre, 1, 3));
        c.push_back(CompetitorName("Text25", LeftName, 2));
        c.push_back(Versus(MiddleCentre, 2, 1));
        c.push_back(CompetitorName("Text27", RightName, 2));
        ReadingOrder(d.controls);
        return d;
    }();
    return def;
}

}  // namespace

MultiMatchScreen::MultiMatchScreen(Game& game, const FormDef& def, const MatchTypeRules& rules,
                                   const MatchScreenShape& shape, const MultiMatchParts& parts)
    : MatchScreen(game, def, rules, shape), parts_(parts) {}

void MultiMatchScreen::LoadScreen() {
    setPicture("\\QAVLE.bmp");
    c("List1").setEnabled(true);
    c("Label1").setEnabled(true);
    WeekWagesAtLoad = CLng(FinanceCell(game_, FinanceRow::WrestlerWages).caption());
    SlotSelector = 1;
    BuildFilePaths(game_);
    CountRecordFiles(game_);
    RosterIntoList(game_, c("lstData"));
    if (game_.EditMode == 2) ReadRecordInto(game_, game_.RosterFilePath, game_.CurrentRecordNumber);
}

void MultiMatchScreen::ChooseStipulation() {
    c("List3").setEnabled(true);
    c("Label15").setEnabled(true);
    c("List2").setEnabled(false);
    c("Label14").setEnabled(false);
}

void MultiMatchScreen::ChooseChampionship() {
    c("List3").setEnabled(false);
    c("Label15").setEnabled(false);
    c("lstData").setEnabled(true);
    for (const auto& name : parts_.prompts) c(name).setEnabled(true);
    for (int i = 0; i < parts_.slots; ++i) c(NameBoxes[static_cast<std::size_t>(i)]).setEnabled(true);
}

void MultiMatchScreen::PickWrestler() {
    const int k = SlotSelector;
    if (k < 1 || k > parts_.slots) return;
    Slot[static_cast<std::size_t>(k - 1)] = PickIntoSlot(NameBoxes[static_cast<std::size_t>(k - 1)], k);
    SlotSelector = k + 1;
    if (SlotSelector <= parts_.slots) return;
    c("lstData").setEnabled(false);
    for (const auto& name : parts_.prompts) c(name).setEnabled(false);
    for (int i = 0; i < parts_.slots; ++i) c(NameBoxes[static_cast<std::size_t>(i)]).setEnabled(false);
    c("Label18").setEnabled(true);
    for (int i = 0; i < parts_.slots; ++i) c(WinnerButtons[static_cast<std::size_t>(i)]).setEnabled(true);
    c("Command4").setEnabled(true);
    SlotSelector = 1;
}

void MultiMatchScreen::ChooseWinner(int winner, std::vector<int> losers) {
    WinnerName = c(NameBoxes[static_cast<std::size_t>(winner)]).text();
    LoserNames = {};
    for (std::size_t i = 0; i < losers.size() && i < LoserNames.size(); ++i)
        LoserNames[i] = c(NameBoxes[static_cast<std::size_t>(losers[i])]).text();
    // The losers are asked in slot order; the first who will not lose is the one who says so.
    const double winnerOver = forms::Val(c(OverBoxes[static_cast<std::size_t>(winner)]).text());
    for (int slot = 0; slot < parts_.slots; ++slot) {
        if (slot == winner) continue;
        if (winnerOver + 5 < forms::Val(c(OverBoxes[static_cast<std::size_t>(slot)]).text())) {
            game_.msgBox(c(NameBoxes[static_cast<std::size_t>(slot)]).text() + ": I refuse to lose this match.",
                         "Refused match!");
            return;
        }
    }
    WinnerChosen = 1;
    for (int i = 0; i < parts_.slots; ++i) c(WinnerButtons[static_cast<std::size_t>(i)]).setEnabled(false);
    c("Command4").setEnabled(false);
    c("Command3").setEnabled(true);
    c("Label18").setEnabled(false);
}

void MultiMatchScreen::ChooseWinner(int winner) {
    std::vector<int> losers;
    for (int slot = 0; slot < parts_.slots; ++slot)
        if (slot != winner) losers.push_back(slot);
    ChooseWinner(winner, std::move(losers));
}

void MultiMatchScreen::RandomWinner() {
    const int k = static_cast<int>(forms::Int(game_.Rnd() * parts_.slots)) + 1;
    if (k != 3) {
        ChooseWinner(k - 1);
        return;
    }
    // A drawn third wrestler names the second wrestler as the first loser.
    std::vector<int> losers = {1, 0};
    if (parts_.slots == 4) losers.push_back(3);
    ChooseWinner(2, std::move(losers));
}

void MultiMatchScreen::PressMatch() {
    std::vector<std::string> shown = parts_.shown;
    for (const auto& v : versusLabels(parts_.slots)) shown.push_back(v);
    MatchPreamble();
    for (const auto& name : shown) c(name).setEnabled(true);
    if (EndNightShown()) {
        EndOfNightReplacingWeek(true);
        return;
    }
    if (c("List1").text().empty() || c("List2").text().empty() || c("List3").text().empty()) return;
    for (int i = 0; i < parts_.slots; ++i)
        for (int j = i + 1; j < parts_.slots; ++j)
            if (c(NameBoxes[static_cast<std::size_t>(i)]).text() == c(NameBoxes[static_cast<std::size_t>(j)]).text())
                return;
    if (game_.MatchCounter == "6") return;
    for (int i = 0; i < parts_.slots; ++i)
        if (c(NameBoxes[static_cast<std::size_t>(i)]).text().empty()) return;
    if (WinnerChosen == 0) return;
    playMatch();

    c("Text15").setText(WinnerName);
    WinnerChosen = 0;
    RecordNightTotals(MatchCost);
    ChangeTitle(c("List3").text(), c("Text15").text());
    std::vector<std::pair<const char*, const char*>> slots;
    for (int i = 0; i < parts_.slots; ++i)
        slots.emplace_back(NameBoxes[static_cast<std::size_t>(i)], OverBoxes[static_cast<std::size_t>(i)]);
    RaiseWinnerOver(WinnerName, slots);
}

void MultiMatchScreen::playMatch() {
    c("Text4").setText("");
    for (int i = 0; i < parts_.slots; ++i)
        c(parts_.shown[static_cast<std::size_t>(i)]).setText(c(NameBoxes[static_cast<std::size_t>(i)]).text());
    c("Text2").setText(c("List2").text());
    c("Text1").setText(c("List1").text());

    const std::string stipulation = c("List2").text();
    const StipulationRules* rules = StipulationFor(stipulation);
    const std::vector<SlotStats> slots(Slot.begin(), Slot.begin() + parts_.slots);
    const CategoryScores scores = ScoreCategories(this->rules(), slots, rules);
    MatchCost = 0;
    for (const auto& s : slots) MatchCost = I32(static_cast<long long>(MatchCost) + s.wage);
    if (rules && rules->cost) game_.StipulationCost = *rules->cost;
    MatchCost = I32(static_cast<long long>(MatchCost) + game_.StipulationCost);
    const std::string title = c("List3").text();
    RateMatch(scores, title == "Primary" || title == "Secondary" || title == "Tertiary", game_.RefereeSkill);

    const StipulationCommentary* lines = CommentaryIn(*parts_.commentary, stipulation);
    if (!lines) return;
    std::vector<std::string> cast = {WinnerName, LoserNames[0], LoserNames[1], LoserNames[2]};
    cast.resize(static_cast<std::size_t>(stipulation == "Normal" ? parts_.normalPairSlots : 3));
    auto rnd = [this] { return game_.Rnd(); };
    c("Text4").setText(CommentaryLoop(*lines, WinnerName, LoserNames[0], SlotPairs(cast, rnd), rnd, {}));
}

void MultiMatchScreen::PressNextMatch() {
    std::vector<std::string> names(NameBoxes.begin(), NameBoxes.begin() + parts_.slots);
    std::vector<std::string> shown = parts_.shown;
    for (const auto& v : versusLabels(parts_.slots)) shown.push_back(v);
    NextMatch({names, shown, false, false});
}

TripleThreatMatchScreen::TripleThreatMatchScreen(Game& game)
    : MultiMatchScreen(game, tripleThreatDef(), MatchTypeFor("Triple Threat"), TripleThreatShape, TripleThreatParts) {
    bind<TripleThreatMatchScreen>({
        {"Form", Event::Load, &TripleThreatMatchScreen::Form19_Form_Load},
        {"List1", Event::Click, &TripleThreatMatchScreen::Form19_List1_Click},
        {"List2", Event::Click, &TripleThreatMatchScreen::Form19_List2_Click},
        {"List3", Event::Click, &TripleThreatMatchScreen::Form19_List3_Click},
        {"lstData", Event::Click, &TripleThreatMatchScreen::Form19_lstData_Click},
        {"Command1", Event::Click, &TripleThreatMatchScreen::Form19_Command1_Click},
        {"Command2", Event::Click, &TripleThreatMatchScreen::Form19_Command2_Click},
        {"Command5", Event::Click, &TripleThreatMatchScreen::Form19_Command5_Click},
        {"Command4", Event::Click, &TripleThreatMatchScreen::Form19_Command4_Click},
        {"Command3", Event::Click, &TripleThreatMatchScreen::Form19_Command3_Click},
        {"Command7", Event::Click, &TripleThreatMatchScreen::Form19_Command7_Click},
        {"Command6", Event::Click, &TripleThreatMatchScreen::Form19_Command6_Click},
    });
}

FourWayMatchScreen::FourWayMatchScreen(Game& game)
    : MultiMatchScreen(game, fourWayDef(), MatchTypeFor("Four Way"), FourWayShape, FourWayParts) {
    bind<FourWayMatchScreen>({
        {"Form", Event::Load, &FourWayMatchScreen::Form20_Form_Load},
        {"List1", Event::Click, &FourWayMatchScreen::Form20_List1_Click},
        {"List2", Event::Click, &FourWayMatchScreen::Form20_List2_Click},
        {"List3", Event::Click, &FourWayMatchScreen::Form20_List3_Click},
        {"lstData", Event::Click, &FourWayMatchScreen::Form20_lstData_Click},
        {"Command1", Event::Click, &FourWayMatchScreen::Form20_Command1_Click},
        {"Command2", Event::Click, &FourWayMatchScreen::Form20_Command2_Click},
        {"Command5", Event::Click, &FourWayMatchScreen::Form20_Command5_Click},
        {"Command7", Event::Click, &FourWayMatchScreen::Form20_Command7_Click},
        {"Command4", Event::Click, &FourWayMatchScreen::Form20_Command4_Click},
        {"Command3", Event::Click, &FourWayMatchScreen::Form20_Command3_Click},
        {"Command8", Event::Click, &FourWayMatchScreen::Form20_Command8_Click},
        {"Command6", Event::Click, &FourWayMatchScreen::Form20_Command6_Click},
    });
}

}  // namespace varnholt
