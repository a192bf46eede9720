#include "matches/MatchScreen.h"

#include "matches/NightSteps.h"
#include "shell/FederationScreens.h"
#include "wrestlers/RecordFiles.h"

namespace varnholt {

using forms::CInt;
using forms::CLng;
using forms::CStr;
using forms::I32;
using forms::Str;

MatchScreen::MatchScreen(Game& game, const FormDef& def) : Screen(game, def), type_(MatchTypeOfScreen(def.name)) {}

void MatchScreen::LoadScreen() {
    if (type_.referee == RefereeSkillFrom::ScreenLoad) {
        using Staff = screens::StaffScreen;
        RefereeSkillAtLoad = CInt(game_.form<Staff>().c(Staff::RefereeSkillText).text());
    }
    setPicture("\\QAVLE.bmp");
    if (type_.weekWagesAtLoad) WeekWagesAtLoad = CLng(FinanceCell(game_, FinanceRow::WrestlerWages).caption());
    SlotSelector = 1;
    c(MatchTypeList).setEnabled(true);
    c(MatchTypePrompt).setEnabled(true);
    BuildFilePaths(game_);
    CountRecordFiles(game_);
    RosterIntoList(game_, c(Roster));
    if (game_.EditMode == 2) ReadRecordInto(game_, game_.RosterFilePath, game_.CurrentRecordNumber);
}

void MatchScreen::ChooseMatchType() {
    const std::string item = c(MatchTypeList).text();
    if (item != type_.item) {
        for (const auto& other : MatchTypes)
            if (item == other.item) HandNightTo(*this, other);
        return;
    }
    c(MatchTypeList).setEnabled(false);
    c(MatchTypePrompt).setEnabled(false);
    c(StipulationList).setEnabled(true);
    c(StipulationPrompt).setEnabled(true);
}

void MatchScreen::ChooseStipulation() {
    c(StipulationList).setEnabled(false);
    c(StipulationPrompt).setEnabled(false);
    c(ChampionshipList).setEnabled(true);
    c(ChampionshipPrompt).setEnabled(true);
}

void MatchScreen::ChooseChampionship() {
    c(ChampionshipList).setEnabled(false);
    c(ChampionshipPrompt).setEnabled(false);
    c(Roster).setEnabled(true);
    for (const char* prompt : type_.prompts) c(prompt).setEnabled(true);
    for (int i = 0; i < type_.wrestlers; ++i) c(NameBoxes[static_cast<std::size_t>(i)]).setEnabled(true);
}

SlotStats MatchScreen::PickIntoSlot(const char* nameBox, int slotNumber) {
    const std::string picked = c(Roster).text();
    FindRosterRecord(game_, picked);
    const auto& w = game_.CurrentWrestler;
    c(nameBox).setText(picked);
    const SlotStats stats{w.Brawling, w.Technical, w.Speed, w.Over, w.Wage};
    c(SlotBox(SlotBrawling, slotNumber)).setText(CStr(stats.brawling));
    c(SlotBox(SlotTechnical, slotNumber)).setText(CStr(stats.technical));
    c(SlotBox(SlotSpeed, slotNumber)).setText(CStr(stats.speed));
    c(SlotBox(SlotOver, slotNumber)).setText(CStr(stats.over));
    c(SlotBox(SlotWage, slotNumber)).setText(CStr(stats.wage));
    return stats;
}

void MatchScreen::PickWrestler() {
    const int k = SlotSelector;
    if (k < 1 || k > type_.wrestlers) return;
    Slot[static_cast<std::size_t>(k - 1)] = PickIntoSlot(NameBoxes[static_cast<std::size_t>(k - 1)], k);
    SlotSelector = k + 1;
    if (SlotSelector <= type_.wrestlers) return;
    OpenWinnerChoice();
    SlotSelector = 1;
}

void MatchScreen::OpenWinnerChoice() {
    c(Roster).setEnabled(false);
    for (const char* prompt : type_.prompts) c(prompt).setEnabled(false);
    for (int i = 0; i < type_.wrestlers; ++i) c(NameBoxes[static_cast<std::size_t>(i)]).setEnabled(false);
    c(WinnerPrompt).setEnabled(true);
    for (int i = 0; i < type_.wrestlers; ++i) c(WinnerButtons[static_cast<std::size_t>(i)]).setEnabled(true);
    if (type_.randomWinner) c(RandomWinnerButton).setEnabled(true);
}

void MatchScreen::AcceptWinner() {
    WinnerChosen = 1;
    for (int i = 0; i < type_.wrestlers; ++i) c(WinnerButtons[static_cast<std::size_t>(i)]).setEnabled(false);
    if (type_.randomWinner) c(RandomWinnerButton).setEnabled(false);
    c(MatchButton).setEnabled(true);
    c(WinnerPrompt).setEnabled(false);
}

void MatchScreen::PressMatch() {
    c(type_.nextButton).setEnabled(true);
    c(MatchButton).setEnabled(false);
    for (const char* name : ResultBoxes) c(name).setEnabled(true);
    c(Referee).setEnabled(true);
    for (const char* name : ResultCaptions) c(name).setEnabled(true);
    for (const char* name : type_.shown) c(name).setEnabled(true);
    if (type_.partnerBox) c(Partner).setEnabled(true);
    if (c(MatchButton).caption() == EndNight) {
        SettleNight(*this);
        return;
    }
    if (!bookingComplete()) return;
    playMatch();
    recordResult();
}

bool MatchScreen::bookingComplete() {
    for (const char* list : {MatchTypeList, StipulationList, ChampionshipList})
        if (c(list).text().empty()) return false;
    if (AllMatchesPlayed(game_) || WinnerChosen == 0) return false;
    for (int i = 0; i < type_.wrestlers; ++i) {
        const std::string name = c(NameBoxes[static_cast<std::size_t>(i)]).text();
        if (name.empty()) return false;
        for (int j = i + 1; j < type_.wrestlers; ++j)
            if (c(NameBoxes[static_cast<std::size_t>(j)]).text() == name) return false;
    }
    return true;
}

void MatchScreen::ShowBooking() {
    c(Commentary).setText("");
    for (int i = 0; i < type_.wrestlers; ++i)
        c(type_.shown[static_cast<std::size_t>(i)]).setText(c(NameBoxes[static_cast<std::size_t>(i)]).text());
    c(StipulationShown).setText(c(StipulationList).text());
    c(MatchTypeShown).setText(c(MatchTypeList).text());
}

bool MatchScreen::TitleMatch() {
    // Only the singles titles earn the title bonus; a tag-team title match rates like any other.
    return SinglesTitleFor(c(ChampionshipList).text()) != nullptr;
}

void MatchScreen::RateBookedMatch(const std::vector<SlotStats>& slots) {
    const StipulationRules* stipulation = StipulationFor(c(StipulationList).text());
    const CategoryScores scores = ScoreCategories(type_, slots, stipulation);
    int32_t bill = 0;
    for (const auto& s : slots) bill = I32(static_cast<long long>(bill) + s.wage);
    if (stipulation && stipulation->cost) game_.StipulationCost = *stipulation->cost;
    if (type_.wageIncludesStipulation) bill = I32(static_cast<long long>(bill) + game_.StipulationCost);
    rate(scores);
    MatchCost = bill;
}

void MatchScreen::rate(const CategoryScores& scores) {
    const int ratings = type_.tiesRateTwice && TwoWayTieForLead(scores) ? 2 : 1;
    const bool titleMatch = TitleMatch();
    const int16_t referee = type_.referee == RefereeSkillFrom::ScreenLoad ? RefereeSkillAtLoad : game_.RefereeSkill;
    for (int i = 0; i < ratings; ++i)
        MatchRatingValue = RateMatch(scores, titleMatch, referee, type_.matchTypeBonus, [this] { return game_.Rnd(); });
    game_.MatchRating = MatchRatingValue;
    const int32_t shown = ShownRating(MatchRatingValue);
    c(Rating).setText(type_.signedRating && shown == MatchRatingValue ? Str(shown) : CStr(shown));
    if (auto word = RatingWord(shown)) c(RatingWordBox).setText(*word);
}

void MatchScreen::RecordResult(const std::string& winner) {
    c(Winner).setText(winner);
    WinnerChosen = 0;
    RecordMatchInNight(*this, MatchCost);
}

void MatchScreen::NextMatch() {
    std::vector<std::string> results(ResultBoxes.begin(), ResultBoxes.end());
    results.insert(results.end(), type_.shown.begin(), type_.shown.end());
    if (type_.partnerBox) results.push_back(Partner);
    const std::vector<std::string> names(NameBoxes.begin(), NameBoxes.begin() + type_.wrestlers);
    auto off = [](forms::Control& x) { x.setEnabled(false); };
    auto empty = [](forms::Control& x) {
        if (x.kind() == forms::ControlKind::TextBox) x.setText("");
    };
    c(type_.nextButton).setEnabled(false);
    for (const char* name : ResultCaptions) off(c(name));
    for (const auto& name : results) off(c(name));
    for (const auto& name : results) empty(c(name));
    const bool nightOver = AllMatchesPlayed(game_);
    // The referee's box shuts with the results, except at the night's end on a screen whose referee leaves.
    if (!nightOver || !type_.refereeLeaves) c(Referee).setEnabled(false);
    if (!nightOver) {
        for (const auto& name : names) empty(c(name));
        if (type_.refereeLeaves) c(Referee).setText("");
        c(MatchTypeList).setEnabled(true);
        c(MatchTypePrompt).setEnabled(true);
        return;
    }
    for (std::size_t i = 0; i < names.size(); ++i) {
        const bool first = i < 2;  // the first two name boxes
        if (!first) c(names[i]).setEnabled(false);
        if (!first || !type_.firstNamesStay) c(names[i]).setText("");
    }
    c(Referee).setText("");
    for (const char* name : SummaryCaptions) c(name).setEnabled(true);
    c(MatchButton).setEnabled(true);
    for (const char* name : SummaryBoxes) c(name).setEnabled(true);
}

}  // namespace varnholt
