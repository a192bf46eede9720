#include "shownight/MatchScreen.h"

#include <algorithm>
#include <tuple>

#include "management/Championships.h"
#include "shell/FederationScreens.h"
#include "wrestlers/RecordFiles.h"

namespace varnholt {

using forms::CInt;
using forms::CLng;
using forms::CStr;
using forms::I16;
using forms::I32;
using forms::Str;

const std::vector<std::string> MatchTypeItems = {"Singles", "Triple Threat", "Four Way", "Tag Team"};

namespace {

ControlDef shape_(std::string name, int l, int t, int w, int h) {
    ControlDef d = label(std::move(name), l, t, w, h, "");
    d.kind = forms::ControlKind::Shape;
    return d;
}

}  // namespace

const MatchScreenShape SinglesShape{"Command5", "Winner", 1, false, true};
const MatchScreenShape TagShape{"Command4", "Winners", 3, true, true};
const MatchScreenShape TripleThreatShape{"Command7", "Winner", 3, true, false};
const MatchScreenShape FourWayShape{"Command8", "Winner", 3, false, false};

std::string MatchScreenFor(std::string_view type) {
    if (type == "Singles") return "Form10";
    if (type == "Tag Team") return "Form17";
    if (type == "Triple Threat") return "Form19";
    if (type == "Four Way") return "Form20";
    return {};
}

namespace {

// Rows of the match screens, in twips: a box, a caption beside it (level with the box's text), a list
// item, a row of boxes with its gap.
constexpr int BoxHeight = 315, CaptionHeight = 270, CaptionDrop = 45, ItemHeight = 195, Pitch = 405;
constexpr int BookingTop = 1470;  // the first step below the match type
// The night summary's three rows end at the foot of the window, "Match" stands above them, and
// "Next match" ends level with them.
constexpr int SummaryTop = MatchScreenHeight - 120 - 2 * Pitch - BoxHeight;
constexpr int MatchTop = SummaryTop - 570;
constexpr int NextTop = MatchScreenHeight - 120 - 420;

int listHeight(std::size_t items) { return static_cast<int>(items) * ItemHeight + 120; }

}  // namespace

std::vector<ControlDef> SharedMatchControls(const MatchScreenShape& shape) {
    const int L = BookingLeft, R = ResultLeft, RW = ResultWidth;
    const int RV = R + 1860, VW = RW - 1860;             // result captions and values
    const int top = NameRowTop(shape.nameRows) + 60;     // the results, below the competitors' names
    const int winnerTop = NextTop - 90 - BoxHeight;
    const bool partnerBox = std::string_view(shape.winnerCaption) == "Winners";
    const int winnerWidth = partnerBox ? (VW - 60) / 2 : VW;
    const int row[] = {SummaryTop, SummaryTop + Pitch, SummaryTop + 2 * Pitch};
    std::vector<ControlDef> c = {
        // The match type.
        label("Label1", L + 300, 150, BookingWidth - 300, CaptionHeight, "Select a match type", Off),
        listBox("List1", L, 480, BookingWidth, listHeight(MatchTypeItems.size()), MatchTypeItems, Off),
        // The referee and the results.
        label("Label13", R, 120 + CaptionDrop, 1800, CaptionHeight, "Referee", Off),
        textBox("Text18", RV, 120, VW, BoxHeight, "", ReadOnlyOff),
        label("Label2", R, top + CaptionDrop, 1800, CaptionHeight, "Match Type", Off),
        textBox("Text1", RV, top, VW, BoxHeight, "", ReadOnlyOff),
        label("Label3", R, top + Pitch + CaptionDrop, 1800, CaptionHeight, "Stipulation", Off),
        textBox("Text2", RV, top + Pitch, VW, BoxHeight, "", ReadOnlyOff),
        label("Label4", R, top + 2 * Pitch + CaptionDrop, 1800, CaptionHeight, "Match rating", Off),
        textBox("Text8", RV, top + 2 * Pitch, 660, BoxHeight, "", ReadOnlyOff),
        textBox("Text7", RV + 720, top + 2 * Pitch, VW - 720, BoxHeight, "", ReadOnlyOff),
        textBox("Text4", R, top + 3 * Pitch, RW, winnerTop - 90 - (top + 3 * Pitch), "", ReadOnlyOff | forms::MultiLine),
        label("Label8", R, winnerTop + CaptionDrop, 1800, CaptionHeight, shape.winnerCaption, Off),
        textBox("Text15", RV, winnerTop, winnerWidth, BoxHeight, "", ReadOnlyOff),
        button(shape.nextButton, R, NextTop, 2400, 420, "Next match", Off),
        // The bar between the halves.
        shape_("Shape1", 7560, 120, 60, MatchScreenHeight - 240),
        // The night summary.
        label("Label11", L, row[0] + CaptionDrop, 2100, CaptionHeight, "Attendance (Maximum)", Off),
        textBox("Text17", 2400, row[0], 900, BoxHeight, "", ReadOnlyOff),
        textBox("Text19", 3360, row[0], 900, BoxHeight, "", ReadOnlyOff),
        label("Label9", 4440, row[0] + CaptionDrop, 1740, CaptionHeight, "Cost of Show", Off),
        textBox("Text16", 6240, row[0], 1200, BoxHeight, "0", ReadOnlyOff),
        label("Label7", L, row[1] + CaptionDrop, 2100, CaptionHeight, "Match Rating", Off),
        label("Label10", 6720, row[1] + CaptionDrop, 600, CaptionHeight, "0", forms::Hidden),
        label("Label6", L, row[2] + CaptionDrop, 2100, CaptionHeight, "Match Rating Total", Off),
        textBox("Text3", 2400, row[2], 900, BoxHeight, "-", ReadOnlyOff),
        label("Label5", 4440, row[2] + CaptionDrop, 1740, CaptionHeight, "Night Rating", Off),
        textBox("Text14", 6240, row[2], 1200, BoxHeight, "-", ReadOnlyOff),
        // Match / End night below the roster list, and the notes pad in the top left corner.
        button("Command3", L + BookingWidth - 1800, MatchTop, 1800, 420, "Match", Off),
        button("Command6", 60, 60, NotesButtonSize, NotesButtonSize, "N"),
    };
    if (partnerBox)
        c.push_back(textBox("Text23", RV + winnerWidth + 60, winnerTop, winnerWidth, BoxHeight, "", ReadOnlyOff));
    for (int i = 0; i < 5; ++i)
        c.push_back(textBox("Text" + std::to_string(9 + i), 2400 + i * 780, row[1], 720, BoxHeight, "-", ReadOnlyOff));
    return c;
}

void ReadingOrder(std::vector<ControlDef>& controls) {
    auto place = [](const ControlDef& d) { return std::tuple(d.left >= ResultLeft, d.top, d.left); };
    std::stable_sort(controls.begin(), controls.end(),
                     [&](const ControlDef& a, const ControlDef& b) { return place(a) < place(b); });
}

ControlDef CompetitorName(const char* box, int left, int row) {
    return textBox(box, left, NameRowTop(row), CompetitorWidth, BoxHeight, "", ReadOnlyOff);
}

ControlDef Versus(int centre, int row, int index) {
    ControlDef d = label("Label12", centre - VersusWidth / 2, NameRowTop(row) + CaptionDrop, VersusWidth,
                         CaptionHeight, "VS", Off | forms::Centred);
    d.index = index;
    return d;
}

BookingColumn::BookingColumn(std::vector<ControlDef>& controls) : c_(controls), y_(BookingTop) {}

void BookingColumn::prompt(std::string name, std::string caption) {
    add(label(std::move(name), BookingLeft, y_, BookingWidth, CaptionHeight, std::move(caption), Off));
    y_ += CaptionHeight + 15;
}

void BookingColumn::list(std::string name, std::vector<std::string> items) {
    const int height = listHeight(items.size());
    add(listBox(std::move(name), BookingLeft, y_, BookingWidth, height, std::move(items), Off));
    y_ += height + 90;
}

void BookingColumn::names(std::initializer_list<const char*> boxes) {
    const int n = static_cast<int>(boxes.size());
    const int width = (BookingWidth - (n - 1) * 120) / n;
    int x = BookingLeft;
    for (const char* box : boxes) {
        add(textBox(box, x, y_, width, BoxHeight, "", ReadOnlyOff));
        x += width + 120;
    }
    y_ += Pitch;
}

void BookingColumn::promptedName(std::string name, std::string caption, const char* box, int promptWidth) {
    add(label(std::move(name), BookingLeft, y_ + CaptionDrop, promptWidth, CaptionHeight, std::move(caption), Off));
    add(textBox(box, BookingLeft + promptWidth + 60, y_, BookingWidth - promptWidth - 60, BoxHeight, "", ReadOnlyOff));
    y_ += Pitch;
}

void BookingColumn::buttons(std::vector<ControlDef> row) {
    int x = BookingLeft;
    for (auto& b : row) {
        b.left = x;
        b.top = y_;
        b.width = 600;
        b.height = 360;
        add(std::move(b));
        x += 660;
    }
    y_ += 360 + 120;
}

void BookingColumn::roster() {
    add(listBox("lstData", BookingLeft, y_, BookingWidth, MatchTop - 90 - y_, {}, Off));
    y_ = MatchTop;
}

MatchScreen::MatchScreen(Game& game, const FormDef& def, const MatchTypeRules& rules, const MatchScreenShape& shape)
    : Screen(game, def), rules_(rules), shape_(shape) {}

void MatchScreen::MatchPreamble(std::initializer_list<const char*> names) {
    c(shape_.nextButton).setEnabled(true);
    c("Command3").setEnabled(false);
    for (const char* name : {"Text1", "Text2", "Text7", "Text8", "Text18", "Text15", "Text4", "Label2", "Label3",
                             "Label4", "Label8", "Label13"})
        c(name).setEnabled(true);
    for (const char* name : names) c(name).setEnabled(true);
}

void MatchScreen::OpenStipulationStep() {
    c("List1").setEnabled(false);
    c("Label1").setEnabled(false);
    c("List2").setEnabled(true);
    c("Label14").setEnabled(true);
}

void MatchScreen::ChooseMatchType(bool withCaptions) {
    const std::string type = c("List1").text();
    if (type == rules_.type) {
        OpenStipulationStep();
        return;
    }
    const std::string target = MatchScreenFor(type);
    if (!target.empty() && game_.knows(target)) HandNightTo(target, withCaptions);
}

void MatchScreen::HandNightTo(const std::string& target, bool withCaptions) {
    auto& t = game_.form(target);
    const bool toTag = target == "Form17";
    t.c("List1").setEnabled(false);
    t.c("Label1").setEnabled(false);
    t.c("List2").setEnabled(true);
    t.c("Label14").setEnabled(true);
    t.c("List1").setText(c("List1").text());  // the target's own type opens its stipulation step
    if (withCaptions) {
        for (int i = 2; i <= 11; ++i) {
            const std::string name = "Label" + std::to_string(i);
            if (toTag && i == 8) continue;  // the tag screen's "Winners" stays
            t.c(name).setCaption(c(name).caption());
        }
    }
    t.c("Text3").setText(c("Text3").text());
    for (int i = 9; i <= 19; ++i) {
        const std::string name = "Text" + std::to_string(i);
        t.c(name).setText(c(name).text());
    }
    for (const char* name : {"Text1", "Text2", "Text4", "Text5", "Text6", "Text7", "Text8", "Text15"})
        t.c(name).setText("");
    if (toTag) {
        t.c("Text20").setText("");
        t.c("Text21").setText("");
    }
    game_.show(target);
    game_.hide(name());
}

SlotStats MatchScreen::PickIntoSlot(const char* nameBox, int slotNumber) {
    const std::string picked = c("lstData").text();
    FindRosterRecord(game_, picked);
    const auto& w = game_.CurrentWrestler;
    c(nameBox).setText(picked);
    const SlotStats stats{w.Brawling, w.Technical, w.Speed, w.Over, w.Wage};
    const std::string n = std::to_string(slotNumber);
    c("wbr" + n).setText(CStr(stats.brawling));
    c("wte" + n).setText(CStr(stats.technical));
    c("wsp" + n).setText(CStr(stats.speed));
    c("wov" + n).setText(CStr(stats.over));
    c("wwa" + n).setText(CStr(stats.wage));
    return stats;
}

void MatchScreen::RateMatch(const CategoryScores& scores, bool titleMatch, int16_t refereeSkill) {
    const int ratings = rules_.tiesRateTwice && TwoWayTieForLead(scores) ? 2 : 1;
    for (int i = 0; i < ratings; ++i)
        MatchRatingValue = varnholt::RateMatch(scores, titleMatch, refereeSkill, rules_.matchTypeBonus,
                                               [this] { return game_.Rnd(); });
    game_.MatchRating = MatchRatingValue;
    const int32_t shown = ShownRating(MatchRatingValue);
    c("Text8").setText(shape_.signedRating && shown == MatchRatingValue ? Str(shown) : CStr(shown));
    if (auto word = RatingWord(shown)) c("Text7").setText(*word);
}

void MatchScreen::NextMatch(const NextMatchBoxes& boxes) {
    std::vector<std::string> results = {"Text1", "Text2", "Text7", "Text8", "Text15", "Text4"};
    results.insert(results.end(), boxes.shown.begin(), boxes.shown.end());
    if (std::string_view(shape_.winnerCaption) == "Winners") results.push_back("Text23");
    const std::vector<std::string> captions = {"Label2", "Label3", "Label4", "Label8", "Label13"};
    auto each = [this](const std::vector<std::string>& names, auto&& f) {
        for (const auto& n : names) f(c(n));
    };
    auto off = [](forms::Control& x) { x.setEnabled(false); };
    auto empty = [](forms::Control& x) {
        if (x.kind() == forms::ControlKind::TextBox) x.setText("");
    };
    c(shape_.nextButton).setEnabled(false);
    each(captions, off);
    each(results, off);
    each(results, empty);
    c("Text18").setEnabled(false);
    if (game_.MatchCounter != "6") {
        each(boxes.nameBoxes, empty);
        if (boxes.refereeLeaves) c("Text18").setText("");
        c("List1").setEnabled(true);
        c("Label1").setEnabled(true);
        return;
    }
    for (const auto& n : boxes.nameBoxes) {
        const bool first = n == "Text5" || n == "Text6";
        if (!first) c(n).setEnabled(false);
        if (!first || !boxes.firstNamesStay) c(n).setText("");
    }
    c("Text18").setText("");
    for (const char* name : {"Label11", "Label5", "Label6", "Label7", "Label9", "Command3"}) c(name).setEnabled(true);
    for (const char* name : {"Text17", "Text19", "Text9", "Text10", "Text11", "Text12", "Text13", "Text14", "Text16",
                             "Text3"})
        c(name).setEnabled(true);
}

void MatchScreen::RecordNightTotals(int32_t wageBill) {
    int16_t counter = CInt(game_.MatchCounter);
    const std::string rating = c("Text8").text();
    if (counter >= 1 && counter <= 4) {
        game_.MatchCounter = CStr(counter + 1);
        c("Text" + std::to_string(8 + counter)).setText(rating);
        if (counter == 1) {
            c("Text3").setText(Str(MatchRatingValue));
            c("Text16").setText(Str(static_cast<long long>(wageBill)));
        } else {
            c("Text3").setText(Str(I32(static_cast<long long>(game_.MatchRatingTotal) + MatchRatingValue)));
            c("Text16").setText(Str(static_cast<long long>(I32(static_cast<long long>(game_.ShowCost) + wageBill))));
        }
        game_.MatchRatingTotal = CLng(c("Text3").text());
        game_.ShowCost = CLng(c("Text16").text());
        return;
    }
    if (counter != 5) return;
    game_.MatchCounter = "6";
    c("Text13").setText(rating);
    c("Command3").setCaption("End night");
    const int32_t total = I32(static_cast<long long>(MatchRatingValue) + game_.MatchRatingTotal);
    c("Text3").setText(Str(total));
    if (game_.knows("StaffScreen")) RefreshPaidFigures(game_);
    const double nightRating = total / 5.0 + game_.MCSkill;
    c("Text14").setText(shape_.signedNightRating ? Str(nightRating) : CStr(nightRating));
    game_.MatchRatingTotal = CLng(c("Text14").text());
    auto& hub = game_.form("FederationHub");
    hub.c("Label3").setCaption(CStr(game_.MatchRatingTotal));
    c("Text16").setText(Str(static_cast<long long>(I32(static_cast<long long>(wageBill) + game_.ShowCost))));
    game_.ShowCost = CLng(c("Text16").text());
    hub.c("Label4").setCaption(CStr(static_cast<long long>(game_.ShowCost)));
    FinanceCell(game_, FinanceRow::WrestlerWages)
        .setCaption(CStr(static_cast<long long>(forms::Saturate32(static_cast<long long>(WeekWagesAtLoad) +
                                                                  game_.ShowCost))));
}

void MatchScreen::ChangeTitle(const std::string& championship, const std::string& winner) {
    struct Title {
        const char* item;
        int number;
        const char* holder;
    };
    static constexpr Title titles[] = {{"Primary", 1, "Text1"}, {"Secondary", 2, "Text12"}, {"Tertiary", 3, "Text23"}};
    for (const auto& t : titles) {
        if (championship != t.item) continue;
        if (game_.form("ChampionsScreen").c(t.holder).text() != winner) TitleHistoryShift(game_, t.number, winner);
    }
}

void MatchScreen::WriteOver(const std::string& name, int16_t over) {
    FindRosterRecord(game_, name);
    if (forms::RTrim(game_.CurrentWrestler.Name) != name || name.empty()) return;
    game_.CurrentWrestler.Name = fitText(name, CompetitorWidth);
    game_.CurrentWrestler.Over = over;
    game_.CurrentWrestler.Id = IdForPosition(game_.CurrentRecordNumber);
    WriteRecordFrom(game_, game_.RosterFilePath, game_.CurrentRecordNumber);
}

void MatchScreen::RaiseWinnerOver(const std::string& winner,
                                  const std::vector<std::pair<const char*, const char*>>& slots) {
    for (const auto& [nameBox, overBox] : slots) {
        if (c(nameBox).text() != winner) continue;
        // The winner's record is looked up first, also when he is already at the ceiling: the lookup
        // leaves him in CurrentWrestler and his number in CurrentRecordNumber either way.
        FindRosterRecord(game_, winner);
        game_.CurrentWrestler.Name = fitText(winner, CompetitorWidth);
        if (CInt(c(overBox).text()) >= OverMaximum) return;
        c(overBox).setText(CStr(I16(CInt(c(overBox).text()) + 1)));
        WriteOver(winner, CInt(c(overBox).text()));
        return;
    }
}

void MatchScreen::StepFeudHeat(const std::string& name1, const std::string& name2, int32_t rating) {
    for (std::size_t f = 0; f < 4; ++f) {
        const auto& pair = game_.FeudNames[f];
        if (pair[0].empty() && pair[1].empty()) continue;
        bool same = (name1 == pair[0] && name2 == pair[1]) || (name1 == pair[1] && name2 == pair[0]);
        if (same) game_.FeudHeat[f] = HeatStep(game_.FeudHeat[f], rating);
    }
}

namespace {

// The money box after the night's income and costs. A balance restored from a saved game may stand at
// the very end of 32 bits: it stays there rather than overflow.
void PayNight(forms::Control& moneyBox, int32_t money, const NightMoney& night) {
    moneyBox.setText(Str(static_cast<long long>(forms::Saturate32(static_cast<long long>(money) + night.balance()))));
}

// The last five shows move on by one, and the federation's current figures follow the hub.
void ShiftShowHistories(Game& game) {
    auto& hub = game.form("FederationHub");
    auto& info = game.form("FederationInfoScreen");
    for (std::size_t i = ShowRatingFields.size() - 1; i > 0; --i)
        info.c(ShowRatingFields[i]).setText(info.c(ShowRatingFields[i - 1]).text());
    info.c(ShowRatingFields[0]).setText(hub.c("Label3").caption());
    for (std::size_t i = ShowCostFields.size() - 1; i > 0; --i)
        info.c(ShowCostFields[i]).setText(info.c(ShowCostFields[i - 1]).text());
    info.c("Text5").setText(hub.c("Text7").text());
    info.c("Text6").setText(hub.c("Text8").text());
    info.c(ShowCostFields[0]).setText(hub.c("Label4").caption());
}

}  // namespace

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

void RefreshPaidFigures(Game& game) {
    game.SponsorAmount = CInt(game.form("SponsorScreen").c("Text26").text());
    if (!game.knows("StaffScreen")) return;
    auto& staff = game.form("StaffScreen");
    game.RefereeWage = CInt(staff.c("Text29").text());
    game.MCSkill = CInt(staff.c("Text3").text());
    game.MCWage = CInt(staff.c("Text54").text());
}

void MatchScreen::EndOfNight(int32_t polaroidIncome) {
    Game& game = game_;  // this screen is closed below; only the game is used after that
    auto& hub = game.form("FederationHub");
    game.show("FederationHub");
    game.PolaroidIncome = polaroidIncome;
    for (const char* name : MatchScreenNames)
        if (game.knows(name)) game.unload(name);

    // Popularity.
    int p = CInt(hub.c("Text7").text());
    double nightRating = forms::Val(hub.c("Label3").caption());
    int moved = PopularityRule(p, nightRating);
    if (moved != p) hub.c("Text7").setText(Str(static_cast<long long>(moved)));  // a night rated p leaves it
    game.Money = CLng(hub.c("Text8").text());
    game.Popularity = ClampPopularity(moved);
    if (game.Popularity != moved) hub.c("Text7").setText(CStr(game.Popularity));

    // Money.
    NightMoney night = PaidNightMoney(game);
    game.TvIncome = TvIncomeFor(game.TvDealLevel);
    night.tv = game.TvIncome;
    night.polaroid = game.PolaroidIncome;
    PayNight(hub.c("Text8"), game.Money, night);

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
    cell(FinanceRow::ClosingBalance).setCaption(hub.c("Text8").text());
    write(FinanceRow::StaffWages, after.staffWages);
    write(FinanceRow::HiringCosts, after.hiring);
    write(FinanceRow::ArenaCost, after.arena);
    write(FinanceRow::TotalIncome, after.totalIncome);
    write(FinanceRow::GateReceipts, after.gate);
    write(FinanceRow::TotalExpenditure, after.totalExpenditure);
    write(FinanceRow::Total, after.total);
}

}  // namespace varnholt

namespace varnholt {

void MatchScreen::EndOfNightReplacingWeek(bool popularityCopyTakesNight) {
    Game& game = game_;  // this screen is closed below; only the game is used after that
    auto& hub = game.form("FederationHub");
    game.show("FederationHub");
    for (const char* name : {"Form17", "Form10", "Form19", "Form20"})
        if (game.knows(name)) game.unload(name);

    // Popularity: not held within 0..100 here.
    const int p = CInt(hub.c("Text7").text());
    const double nightRating = forms::Val(hub.c("Label3").caption());
    // Not held within 0..100, but within what the popularity's 16-bit copy and the next reading can hold.
    const int moved = forms::Saturate16(PopularityRuleWithZeroNight(p, nightRating));
    if (moved != p) hub.c("Text7").setText(Str(static_cast<long long>(moved)));
    // The tag screen's copy keeps the popularity from before the night, like the money's copy; the
    // next writer of the copy (or the next settlement) takes the new text.
    game.Popularity = I16(popularityCopyTakesNight ? moved : p);

    // Money: the night's own figures, paid from the boxes that show them.
    game.Money = CLng(hub.c("Text8").text());
    NightMoney night = PaidNightMoney(game);
    PayNight(hub.c("Text8"), game.Money, night);

    ShiftShowHistories(game);

    // This week's cells take the night's figures.
    auto write = [&game](FinanceRow row, int32_t value) {
        FinanceCell(game, row).setCaption(Str(static_cast<long long>(value)));
    };
    write(FinanceRow::Sponsorship, night.sponsor);
    FinanceCell(game, FinanceRow::ClosingBalance).setCaption(hub.c("Text8").text());
    write(FinanceRow::StaffWages, I32(static_cast<long long>(night.mcWage) + night.refereeWage));
    write(FinanceRow::HiringCosts, night.stipulationCost);
    write(FinanceRow::ArenaCost, night.arena);
    write(FinanceRow::TotalIncome, night.income());
    write(FinanceRow::GateReceipts, night.gate);
    write(FinanceRow::TotalExpenditure, night.expenditure());
    write(FinanceRow::Total, night.balance());
}

}  // namespace varnholt
