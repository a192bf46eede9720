#include "matches/MultiMatchScreens.h"

#include "matches/Commentary.h"
#include "matches/MatchLayout.h"
#include "matches/NightSteps.h"

namespace varnholt {

namespace {

// Centres of the name columns over the results, and the points halfway between them where a "VS"
// joins a name to the one below it.
constexpr int LeftCentre = LeftName + CompetitorWidth / 2, RightCentre = RightName + CompetitorWidth / 2;
constexpr int MiddleCentre = ResultLeft + ResultWidth / 2;

const FormDef& tripleThreatDef() {
    static const FormDef def = [] {
        using Triple = TripleThreatMatchScreen;
        const MatchType& type = MatchTypeOfScreen(Triple::Name);
        FormDef d = MatchScreenDef(Triple::Name, Triple::Role, type);
        d.colours = WhiteOnRed;
        auto& c = d.controls;
        BookingColumn booking(c, type);
        booking.stipulationAndChampionship();
        const auto& names = Triple::NameBoxes;
        booking.promptedName(type.prompts[0], "Select the first wrestler ", names[0]);
        booking.promptedName(type.prompts[1], "Select the second wrestler", names[1]);
        booking.promptedName(type.prompts[2], "Select the third wrestler", names[2]);
        booking.winnersAndRoster();
        // One name above, two below, a "VS" between each two of them.
        c.push_back(CompetitorName(type.shown[0], CentreName, 0));
        c.push_back(Versus((LeftCentre + MiddleCentre) / 2, 1, 0));
        c.push_back(Versus((RightCentre + MiddleCentre) / 2, 1, 2));
        c.push_back(CompetitorName(type.shown[1], LeftName, 2));
        c.push_back(Versus(MiddleCentre, 2, 1));
        c.push_back(CompetitorName(type.shown[2], RightName, 2));
        ReadingOrder(c);
        return d;
    }();
    return def;
}

const FormDef& fourWayDef() {
    static const FormDef def = [] {
        using FourWay = FourWayMatchScreen;
        const MatchType& type = MatchTypeOfScreen(FourWay::Name);
        FormDef d = MatchScreenDef(FourWay::Name, FourWay::Role, type);
        d.colours = WhiteOnRed;
        auto& c = d.controls;
        BookingColumn booking(c, type);
        booking.stipulationAndChampionship();
        booking.prompt(type.prompts[0], "Select the four competitors (from the roster below)");
        for (const char* box : FourWay::NameBoxes) booking.names({box});
        booking.winnersAndRoster();
        // Two names above, two below, a "VS" between each name and its neighbours: the first two
        // competitors down the left, the other two down the right.
        c.push_back(CompetitorName(type.shown[0], LeftName, 0));
        c.push_back(Versus(MiddleCentre, 0, 0));
        c.push_back(CompetitorName(type.shown[2], RightName, 0));
        c.push_back(Versus(LeftCentre, 1, 2));
        c.push_back(Versus(RightCentre, 1, 3));
        c.push_back(CompetitorName(type.shown[1], LeftName, 2));
        c.push_back(Versus(MiddleCentre, 2, 1));
        c.push_back(CompetitorName(type.shown[3], RightName, 2));
        ReadingOrder(c);
        return d;
    }();
    return def;
}

}  // namespace

// The RefusalRule, asked of the losers in slot order: the first who stands more than 5 Over above the
// winner is the one who says he will not lose.
void MultiMatchScreen::ChooseWinner(int winner, std::vector<int> losers) {
    const int slots = type().wrestlers;
    auto over = [this](int slot) { return forms::Val(c(SlotBox(SlotOver, slot + 1)).text()); };
    WinnerName = c(NameBoxes[static_cast<std::size_t>(winner)]).text();
    LoserNames = {};
    for (std::size_t i = 0; i < losers.size() && i < LoserNames.size(); ++i)
        LoserNames[i] = c(NameBoxes[static_cast<std::size_t>(losers[i])]).text();
    for (int slot = 0; slot < slots; ++slot) {
        if (slot == winner || over(winner) + 5 >= over(slot)) continue;
        game_.msgBox(c(NameBoxes[static_cast<std::size_t>(slot)]).text() + ": I refuse to lose this match.",
                     "Refused match!");
        return;
    }
    AcceptWinner();
}

void MultiMatchScreen::ChooseWinner(int winner) {
    std::vector<int> losers;
    for (int slot = 0; slot < type().wrestlers; ++slot)
        if (slot != winner) losers.push_back(slot);
    ChooseWinner(winner, std::move(losers));
}

void MultiMatchScreen::RandomWinner() {
    const int k = static_cast<int>(forms::Int(game_.Rnd() * type().wrestlers)) + 1;
    if (k != 3) {
        ChooseWinner(k - 1);
        return;
    }
    // A drawn third wrestler names the second wrestler as the first loser.
    std::vector<int> losers = {1, 0};
    if (type().wrestlers == 4) losers.push_back(3);
    ChooseWinner(2, std::move(losers));
}

void MultiMatchScreen::playMatch() {
    ShowBooking();
    RateBookedMatch({Slot.begin(), Slot.begin() + type().wrestlers});
    const std::string stipulation = c(StipulationList).text();
    const StipulationCommentary* lines = CommentaryIn(*type().commentary, stipulation);
    if (!lines) return;
    std::vector<std::string> cast = {WinnerName, LoserNames[0], LoserNames[1], LoserNames[2]};
    cast.resize(static_cast<std::size_t>(stipulation == "Normal" ? type().normalPairSlots : 3));
    auto rnd = [this] { return game_.Rnd(); };
    c(Commentary).setText(CommentaryLoop(*lines, WinnerName, LoserNames[0], SlotPairs(cast, rnd), rnd, {}));
}

void MultiMatchScreen::recordResult() {
    RecordResult(WinnerName);
    ChangeTitle(game_, c(ChampionshipList).text(), c(Winner).text());
    RaiseWinnerOver(*this, WinnerName);
}

TripleThreatMatchScreen::TripleThreatMatchScreen(Game& game)
    : MultiMatchScreen(game, tripleThreatDef()) {
    bind<TripleThreatMatchScreen>({
        {"Form", Event::Load, &TripleThreatMatchScreen::Form19_Form_Load},
        {MatchTypeList, Event::Click, &TripleThreatMatchScreen::Form19_List1_Click},
        {StipulationList, Event::Click, &TripleThreatMatchScreen::Form19_List2_Click},
        {ChampionshipList, Event::Click, &TripleThreatMatchScreen::Form19_List3_Click},
        {Roster, Event::Click, &TripleThreatMatchScreen::Form19_lstData_Click},
        {WinnerButtons[0], Event::Click, &TripleThreatMatchScreen::Form19_Command1_Click},
        {WinnerButtons[1], Event::Click, &TripleThreatMatchScreen::Form19_Command2_Click},
        {WinnerButtons[2], Event::Click, &TripleThreatMatchScreen::Form19_Command5_Click},
        {RandomWinnerButton, Event::Click, &TripleThreatMatchScreen::Form19_Command4_Click},
        {MatchButton, Event::Click, &TripleThreatMatchScreen::Form19_Command3_Click},
        {type().nextButton, Event::Click, &TripleThreatMatchScreen::Form19_Command7_Click},
        {NotesButton, Event::Click, &TripleThreatMatchScreen::Form19_Command6_Click},
    });
}

FourWayMatchScreen::FourWayMatchScreen(Game& game) : MultiMatchScreen(game, fourWayDef()) {
    bind<FourWayMatchScreen>({
        {"Form", Event::Load, &FourWayMatchScreen::Form20_Form_Load},
        {MatchTypeList, Event::Click, &FourWayMatchScreen::Form20_List1_Click},
        {StipulationList, Event::Click, &FourWayMatchScreen::Form20_List2_Click},
        {ChampionshipList, Event::Click, &FourWayMatchScreen::Form20_List3_Click},
        {Roster, Event::Click, &FourWayMatchScreen::Form20_lstData_Click},
        {WinnerButtons[0], Event::Click, &FourWayMatchScreen::Form20_Command1_Click},
        {WinnerButtons[1], Event::Click, &FourWayMatchScreen::Form20_Command2_Click},
        {WinnerButtons[2], Event::Click, &FourWayMatchScreen::Form20_Command5_Click},
        {WinnerButtons[3], Event::Click, &FourWayMatchScreen::Form20_Command7_Click},
        {RandomWinnerButton, Event::Click, &FourWayMatchScreen::Form20_Command4_Click},
        {MatchButton, Event::Click, &FourWayMatchScreen::Form20_Command3_Click},
        {type().nextButton, Event::Click, &FourWayMatchScreen::Form20_Command8_Click},
        {NotesButton, Event::Click, &FourWayMatchScreen::Form20_Command6_Click},
    });
}

}  // namespace varnholt
