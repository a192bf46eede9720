#include "matches/NightSteps.h"

#include <string_view>

#include "management/Championships.h"
#include "matches/MatchScreen.h"
#include "shell/FederationScreens.h"
#include "wrestlers/RecordFiles.h"

namespace varnholt {

using forms::CInt;
using forms::CLng;
using forms::CStr;
using forms::I16;
using forms::I32;
using forms::Str;

namespace {

using Hub = screens::FederationHub;
using Staff = screens::StaffScreen;

static_assert(MatchBoxes::MatchRatings.size() == MatchesInANight, "a rating box for every match of the night");

forms::Form& singlesScreen(Game& game) { return game.form<screens::SinglesMatchScreen>(); }

// The figures a night pays come from the boxes that show them: the signed sponsor's amount and the staff's
// wages (and the MC's skill for the night rating).
void RefreshPaidFigures(Game& game) {
    using Sponsor = screens::SponsorScreen;
    game.SponsorAmount = CInt(game.form<Sponsor>().c(Sponsor::SponsorAmountText).text());
    auto& staff = game.form<Staff>();
    game.RefereeWage = CInt(staff.c(Staff::RefereeWageText).text());
    game.MCSkill = CInt(staff.c(Staff::MCSkillText).text());
    game.MCWage = CInt(staff.c(Staff::MCWageText).text());
}

// The night's money as every settlement pays it: the running figures of the night and the paid figures
// refreshed from their boxes. TV and polaroid money are the singles settlement's own.
NightMoney PaidNightMoney(Game& game) {
    RefreshPaidFigures(game);
    NightMoney night;
    night.showCost = game.ShowCost;
    night.sponsor = game.SponsorAmount;
    night.refereeWage = game.RefereeWage;
    night.stipulationCost = game.StipulationCost;
    night.gate = game.GateReceipts;
    night.arena = game.ArenaCost;
    night.mcWage = game.MCWage;
    return night;
}

// The money box after the night's income and costs. A balance restored from a saved game may stand at
// the very end of 32 bits: it stays there rather than overflow.
void PayNight(forms::Control& moneyBox, int32_t money, const NightMoney& night) {
    moneyBox.setText(Str(static_cast<long long>(forms::Saturate32(static_cast<long long>(money) + night.balance()))));
}

// The last five shows move on by one, and the federation's current figures follow the hub.
void ShiftShowHistories(Game& game) {
    using Info = screens::FederationInfoScreen;
    auto& hub = game.form<Hub>();
    auto& info = game.form<Info>();
    for (std::size_t i = Info::ShowRatings.size() - 1; i > 0; --i)
        info.c(Info::ShowRatings[i]).setText(info.c(Info::ShowRatings[i - 1]).text());
    info.c(Info::ShowRatings[0]).setText(hub.c(Hub::LastNightRating).caption());
    for (std::size_t i = Info::ShowCosts.size() - 1; i > 0; --i)
        info.c(Info::ShowCosts[i]).setText(info.c(Info::ShowCosts[i - 1]).text());
    info.c(Info::CurrentPopularity).setText(hub.c(Hub::PopularityText).text());
    info.c(Info::CurrentBalance).setText(hub.c(Hub::MoneyText).text());
    info.c(Info::ShowCosts[0]).setText(hub.c(Hub::LastNightCost).caption());
}

// The match screens close and the hub shows again.
forms::Form& closeMatchScreens(Game& game) {
    auto& hub = game.form<Hub>();
    game.show<Hub>();
    for (const auto& type : MatchTypes) game.unload(type.screen);
    return hub;
}

// The singles screen's settlement: popularity held within 0..100, TV and polaroid money paid, the night
// added to this week's cells.
void settleAddingToWeek(Game& game, int32_t polaroidIncome) {
    auto& hub = closeMatchScreens(game);
    game.PolaroidIncome = polaroidIncome;

    // Popularity.
    const int p = CInt(hub.c(Hub::PopularityText).text());
    MovePopularity(game, p, PopularityRule(p, forms::Val(hub.c(Hub::LastNightRating).caption())));

    // Money.
    game.Money = CLng(hub.c(Hub::MoneyText).text());
    NightMoney night = PaidNightMoney(game);
    game.TvIncome = TvIncomeFor(game.TvDealLevel);
    night.tv = game.TvIncome;
    night.polaroid = game.PolaroidIncome;
    PayNight(hub.c(Hub::MoneyText), game.Money, night);

    ShiftShowHistories(game);

    // The week's finances.
    auto cell = [&game](FinanceRow row) -> forms::Control& { return FinanceCell(game, row); };
    WeekCells week;
    week.tv = CLng(cell(FinanceRow::TvRevenue).caption());
    week.sponsorship = CLng(cell(FinanceRow::Sponsorship).caption());
    week.staffWages = CLng(cell(FinanceRow::StaffWages).caption());
    week.hiring = CLng(cell(FinanceRow::HiringCosts).caption());
    week.arena = CLng(cell(FinanceRow::ArenaCost).caption());
    week.totalIncome = CLng(cell(FinanceRow::TotalIncome).caption());
    week.gate = CLng(cell(FinanceRow::GateReceipts).caption());
    week.totalExpenditure = CLng(cell(FinanceRow::TotalExpenditure).caption());
    week.total = CLng(cell(FinanceRow::Total).caption());
    week.polaroid = CLng(cell(FinanceRow::PolaroidSales).caption());
    WeekCells after = AddNightToWeek(week, night);
    auto write = [&](FinanceRow row, int32_t value) { cell(row).setCaption(Str(static_cast<long long>(value))); };
    write(FinanceRow::PolaroidSales, after.polaroid);
    write(FinanceRow::TvRevenue, after.tv);
    write(FinanceRow::Sponsorship, after.sponsorship);
    cell(FinanceRow::ClosingBalance).setCaption(hub.c(Hub::MoneyText).text());
    write(FinanceRow::StaffWages, after.staffWages);
    write(FinanceRow::HiringCosts, after.hiring);
    write(FinanceRow::ArenaCost, after.arena);
    write(FinanceRow::TotalIncome, after.totalIncome);
    write(FinanceRow::GateReceipts, after.gate);
    write(FinanceRow::TotalExpenditure, after.totalExpenditure);
    write(FinanceRow::Total, after.total);
}

// The settlement of the tag, triple-threat and four-way screens: a night rated 0 costs popularity, the
// popularity is not held within 0..100, no TV or polaroid money is paid and the night's figures replace
// the week's instead of adding to them. popularityCopyTakesNight: the 16-bit copy of the popularity takes
// the night's result at once (otherwise it keeps the value from before the night).
void settleReplacingWeek(Game& game, bool popularityCopyTakesNight) {
    auto& hub = closeMatchScreens(game);

    // Popularity: not held within 0..100, but within what the popularity's 16-bit copy and the next
    // reading can hold.
    auto& popularity = hub.c(Hub::PopularityText);
    const int p = CInt(popularity.text());
    const double nightRating = forms::Val(hub.c(Hub::LastNightRating).caption());
    const int moved = forms::Saturate16(PopularityRuleWithZeroNight(p, nightRating));
    if (moved != p) popularity.setText(Str(static_cast<long long>(moved)));
    // The tag screen's copy keeps the popularity from before the night, like the money's copy; the
    // next writer of the copy (or the next settlement) takes the new text.
    game.Popularity = I16(popularityCopyTakesNight ? moved : p);

    // Money: the night's own figures, paid from the boxes that show them.
    game.Money = CLng(hub.c(Hub::MoneyText).text());
    NightMoney night = PaidNightMoney(game);
    PayNight(hub.c(Hub::MoneyText), game.Money, night);

    ShiftShowHistories(game);

    // This week's cells take the night's figures.
    auto write = [&game](FinanceRow row, int32_t value) {
        FinanceCell(game, row).setCaption(Str(static_cast<long long>(value)));
    };
    write(FinanceRow::Sponsorship, night.sponsor);
    FinanceCell(game, FinanceRow::ClosingBalance).setCaption(hub.c(Hub::MoneyText).text());
    write(FinanceRow::StaffWages, I32(static_cast<long long>(night.mcWage) + night.refereeWage));
    write(FinanceRow::HiringCosts, night.stipulationCost);
    write(FinanceRow::ArenaCost, night.arena);
    write(FinanceRow::TotalIncome, night.income());
    write(FinanceRow::GateReceipts, night.gate);
    write(FinanceRow::TotalExpenditure, night.expenditure());
    write(FinanceRow::Total, night.balance());
}

}  // namespace

// --- 1. the venue and 2. the polaroids ------------------------------------------------------------------

void MovePopularity(Game& game, int before, int after) {
    auto& popularity = game.form<Hub>().c(Hub::PopularityText);
    if (after != before) popularity.setText(Str(static_cast<long long>(after)));
    game.Popularity = ClampPopularity(after);
    if (game.Popularity != after) popularity.setText(CStr(game.Popularity));
}

void BookVenueIntoNight(Game& game) {
    auto& singles = singlesScreen(game);
    singles.c(MatchBoxes::Capacity).setText(CStr(game.VenueCapacity));
    game.ArenaCost = 2 * game.VenueCapacity;
    auto& staff = game.form<Staff>();
    game.RefereeSkill = CInt(staff.c(Staff::RefereeSkillText).text());
    game.MatchCounter = CStr(FirstMatch);
    game.ShowCost = 0;
    game.StipulationCost = 0;  // a night whose first match is British charges nothing for it
    singles.c(MatchBoxes::Referee).setText(staff.c(Staff::RefereeNameText).text());
    singles.c(MatchBoxes::Attendance).setText(CStr(game.Attendance));
    game.GateReceipts = 5 * game.Attendance;
}

void ShowPolaroidInNight(Game& game, const std::string& wrestler, bool interested, double income) {
    auto& singles = singlesScreen(game);
    if (!interested) {
        singles.c(MatchBoxes::Commentary)
            .setText(wrestler + " is in the ring for photos with the crowd, but no one is interested.");
        return;
    }
    singles.c(MatchBoxes::Commentary).setText(wrestler + " is in the ring having photos taken with the crowd.");
    singles.c(MatchBoxes::PolaroidMoney).setText(Str(income));
}

// --- 3. the matches -----------------------------------------------------------------------------------

void HandNightTo(MatchScreen& from, const MatchType& to) {
    using B = MatchBoxes;
    Game& game = from.game();
    auto& t = game.form(to.screen);
    t.c(B::MatchTypeList).setEnabled(false);
    t.c(B::MatchTypePrompt).setEnabled(false);
    t.c(B::StipulationList).setEnabled(true);
    t.c(B::StipulationPrompt).setEnabled(true);
    // The target's own type opens its stipulation step.
    t.c(B::MatchTypeList).setText(from.c(B::MatchTypeList).text());
    if (from.type().captionsTravel) {
        for (const char* name : B::NightCaptions) {
            if (to.winnerCaptionStays && std::string_view(name) == B::WinnerCaption) continue;
            t.c(name).setCaption(from.c(name).caption());
        }
    }
    for (const char* name : B::NightFigures) t.c(name).setText(from.c(name).text());
    for (const char* name : {B::MatchTypeShown, B::StipulationShown, B::Commentary, B::NameBoxes[0], B::NameBoxes[1],
                             B::RatingWordBox, B::Rating, B::Winner})
        t.c(name).setText("");
    for (const char* name : to.emptiedOnArrival) t.c(name).setText("");
    game.show(to.screen);
    game.hide(from.name());
}

void RecordMatchInNight(MatchScreen& screen, int32_t wageBill) {
    Game& game = screen.game();
    auto c = [&screen](const char* name) -> forms::Control& { return screen.c(name); };
    const int32_t rating = screen.matchRatingValue();
    const int16_t counter = CInt(game.MatchCounter);
    const std::string shown = c(MatchBoxes::Rating).text();
    auto ratingBox = [&](int16_t match) -> forms::Control& {
        return c(MatchBoxes::MatchRatings[static_cast<std::size_t>(match - FirstMatch)]);
    };
    if (counter >= FirstMatch && counter < LastMatch) {
        game.MatchCounter = CStr(counter + 1);
        ratingBox(counter).setText(shown);
        if (counter == FirstMatch) {
            c(MatchBoxes::RatingTotal).setText(Str(rating));
            c(MatchBoxes::ShowCost).setText(Str(static_cast<long long>(wageBill)));
        } else {
            c(MatchBoxes::RatingTotal).setText(Str(I32(static_cast<long long>(game.MatchRatingTotal) + rating)));
            c(MatchBoxes::ShowCost)
                .setText(Str(static_cast<long long>(I32(static_cast<long long>(game.ShowCost) + wageBill))));
        }
        game.MatchRatingTotal = CLng(c(MatchBoxes::RatingTotal).text());
        game.ShowCost = CLng(c(MatchBoxes::ShowCost).text());
        return;
    }
    if (counter != LastMatch) return;
    game.MatchCounter = CStr(AfterTheLastMatch);
    ratingBox(LastMatch).setText(shown);
    c(MatchBoxes::MatchButton).setCaption(MatchBoxes::EndNight);
    const int32_t total = I32(static_cast<long long>(rating) + game.MatchRatingTotal);
    c(MatchBoxes::RatingTotal).setText(Str(total));
    RefreshPaidFigures(game);
    const double nightRating = total / static_cast<double>(MatchesInANight) + game.MCSkill;
    c(MatchBoxes::NightRating).setText(screen.type().signedNightRating ? Str(nightRating) : CStr(nightRating));
    game.MatchRatingTotal = CLng(c(MatchBoxes::NightRating).text());
    auto& hub = game.form<Hub>();
    hub.c(Hub::LastNightRating).setCaption(CStr(game.MatchRatingTotal));
    c(MatchBoxes::ShowCost)
        .setText(Str(static_cast<long long>(I32(static_cast<long long>(wageBill) + game.ShowCost))));
    game.ShowCost = CLng(c(MatchBoxes::ShowCost).text());
    hub.c(Hub::LastNightCost).setCaption(CStr(static_cast<long long>(game.ShowCost)));
    FinanceCell(game, FinanceRow::WrestlerWages)
        .setCaption(CStr(static_cast<long long>(
            forms::Saturate32(static_cast<long long>(screen.weekWagesAtLoad()) + game.ShowCost))));
}

bool AllMatchesPlayed(const Game& game) { return game.MatchCounter == CStr(AfterTheLastMatch); }

void ChangeTitle(Game& game, const std::string& championship, const std::string& winner) {
    const Title* title = SinglesTitleFor(championship);
    if (!title) return;
    if (game.form<screens::ChampionsScreen>().c(title->holder).text() != winner)
        TitleHistoryShift(game, title->number, winner);
}

void WriteOver(Game& game, const std::string& name, int16_t over) {
    FindRosterRecord(game, name);
    if (forms::RTrim(game.CurrentWrestler.Name) != name || name.empty()) return;
    game.CurrentWrestler.Name = fitText(name, NameWidth);
    game.CurrentWrestler.Over = over;
    game.CurrentWrestler.Id = IdForPosition(game.CurrentRecordNumber);
    WriteRecordFrom(game, game.RosterFilePath, game.CurrentRecordNumber);
}

void RaiseWinnerOver(MatchScreen& screen, const std::string& winner) {
    Game& game = screen.game();
    for (int slot = 1; slot <= screen.type().wrestlers; ++slot) {
        if (screen.c(MatchBoxes::NameBoxes[static_cast<std::size_t>(slot - 1)]).text() != winner) continue;
        // The winner's record is looked up first, also when he is already at the ceiling: the lookup
        // leaves him in CurrentWrestler and his number in CurrentRecordNumber either way.
        FindRosterRecord(game, winner);
        game.CurrentWrestler.Name = fitText(winner, NameWidth);
        auto& over = screen.c(MatchBoxes::SlotBox(MatchBoxes::SlotOver, slot));
        if (CInt(over.text()) >= OverMaximum) return;
        over.setText(CStr(I16(CInt(over.text()) + 1)));
        WriteOver(game, winner, CInt(over.text()));
        return;
    }
}

void StepFeudHeat(Game& game, const std::string& name1, const std::string& name2, int32_t rating) {
    for (std::size_t f = 0; f < 4; ++f) {
        const auto& pair = game.FeudNames[f];
        if (pair[0].empty() && pair[1].empty()) continue;
        bool same = (name1 == pair[0] && name2 == pair[1]) || (name1 == pair[1] && name2 == pair[0]);
        if (same) game.FeudHeat[f] = HeatStep(game.FeudHeat[f], rating);
    }
}

// --- 4. the end of the night -------------------------------------------------------------------------

void SettleNight(MatchScreen& screen) {
    Game& game = screen.game();  // the screen closes in the settlement; only the game is used after that
    switch (screen.type().settlement) {
        case Settlement::AddingToWeek:
            settleAddingToWeek(game, CLng(screen.c(MatchBoxes::PolaroidMoney).text()));
            break;
        case Settlement::ReplacingWeek: settleReplacingWeek(game, true); break;
        case Settlement::ReplacingWeekKeepingPopularityCopy: settleReplacingWeek(game, false); break;
    }
}

}  // namespace varnholt
