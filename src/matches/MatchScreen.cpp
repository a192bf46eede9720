#include "matches/MatchScreen.h"

#include <algorithm>
#include <string_view>
#include <tuple>

#include "matches/NightSteps.h"
#include "shell/FederationScreens.h"
#include "wrestlers/RecordFiles.h"

namespace varnholt {

using forms::CInt;
using forms::CLng;
using forms::CStr;
using forms::I32;
using forms::Str;

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

ControlDef shape_(std::string name, int l, int t, int w, int h) {
    ControlDef d = label(std::move(name), l, t, w, h, "");
    d.kind = forms::ControlKind::Shape;
    return d;
}

bool hasPartnerBox(const MatchType& type) { return std::string_view(type.winnerCaption) == "Winners"; }

}  // namespace

// --- the layout -----------------------------------------------------------------------------------------

FormDef MatchScreenDef(const char* name, const char* role, const MatchType& type) {
    const int L = BookingLeft, R = ResultLeft, RW = ResultWidth;
    const int RV = R + 1860, VW = RW - 1860;           // result captions and values
    const int top = NameRowTop(type.nameRows) + 60;   // the results, below the competitors' names
    const int winnerTop = NextTop - 90 - BoxHeight;
    const bool partnerBox = hasPartnerBox(type);
    const int winnerWidth = partnerBox ? (VW - 60) / 2 : VW;
    const int row[] = {SummaryTop, SummaryTop + Pitch, SummaryTop + 2 * Pitch};
    const auto types = MatchTypeItems();
    FormDef d{name, role, "Varnholt", MatchScreenWidth, MatchScreenHeight, "", {
        // The match type.
        label("Label1", L + 300, 150, BookingWidth - 300, CaptionHeight, "Select a match type", Off),
        listBox(nightboxes::MatchType, L, 480, BookingWidth, listHeight(types.size()), types, Off),
        // The referee and the results.
        label("Label13", R, 120 + CaptionDrop, 1800, CaptionHeight, "Referee", Off),
        textBox(nightboxes::Referee, RV, 120, VW, BoxHeight, "", ReadOnlyOff),
        label("Label2", R, top + CaptionDrop, 1800, CaptionHeight, "Match Type", Off),
        textBox("Text1", RV, top, VW, BoxHeight, "", ReadOnlyOff),
        label("Label3", R, top + Pitch + CaptionDrop, 1800, CaptionHeight, "Stipulation", Off),
        textBox("Text2", RV, top + Pitch, VW, BoxHeight, "", ReadOnlyOff),
        label("Label4", R, top + 2 * Pitch + CaptionDrop, 1800, CaptionHeight, "Match rating", Off),
        textBox(nightboxes::Rating, RV, top + 2 * Pitch, 660, BoxHeight, "", ReadOnlyOff),
        textBox(nightboxes::RatingWordBox, RV + 720, top + 2 * Pitch, VW - 720, BoxHeight, "", ReadOnlyOff),
        textBox(nightboxes::Commentary, R, top + 3 * Pitch, RW, winnerTop - 90 - (top + 3 * Pitch), "",
                ReadOnlyOff | forms::MultiLine),
        label("Label8", R, winnerTop + CaptionDrop, 1800, CaptionHeight, type.winnerCaption, Off),
        textBox(nightboxes::Winner, RV, winnerTop, winnerWidth, BoxHeight, "", ReadOnlyOff),
        button(type.nextButton, R, NextTop, 2400, 420, "Next match", Off),
        // The bar between the halves.
        shape_("Shape1", 7560, 120, 60, MatchScreenHeight - 240),
        // The night summary.
        label("Label11", L, row[0] + CaptionDrop, 2100, CaptionHeight, "Attendance (Maximum)", Off),
        textBox(nightboxes::Attendance, 2400, row[0], 900, BoxHeight, "", ReadOnlyOff),
        textBox(nightboxes::Capacity, 3360, row[0], 900, BoxHeight, "", ReadOnlyOff),
        label("Label9", 4440, row[0] + CaptionDrop, 1740, CaptionHeight, "Cost of Show", Off),
        textBox(nightboxes::ShowCost, 6240, row[0], 1200, BoxHeight, "0", ReadOnlyOff),
        label("Label7", L, row[1] + CaptionDrop, 2100, CaptionHeight, "Match Rating", Off),
        label("Label10", 6720, row[1] + CaptionDrop, 600, CaptionHeight, "0", forms::Hidden),
        label("Label6", L, row[2] + CaptionDrop, 2100, CaptionHeight, "Match Rating Total", Off),
        textBox(nightboxes::RatingTotal, 2400, row[2], 900, BoxHeight, "-", ReadOnlyOff),
        label("Label5", 4440, row[2] + CaptionDrop, 1740, CaptionHeight, "Night Rating", Off),
        textBox(nightboxes::NightRating, 6240, row[2], 1200, BoxHeight, "-", ReadOnlyOff),
        // Match / End night below the roster list, and the notes pad in the top left corner.
        button(nightboxes::MatchButton, L + BookingWidth - 1800, MatchTop, 1800, 420, "Match", Off),
        notesButton("Command6"),
    }};
    auto& c = d.controls;
    if (partnerBox)
        c.push_back(textBox("Text23", RV + winnerWidth + 60, winnerTop, winnerWidth, BoxHeight, "", ReadOnlyOff));
    for (int i = 0; i < 5; ++i)
        c.push_back(textBox(nightboxes::MatchRatings[static_cast<std::size_t>(i)], 2400 + i * 780, row[1], 720,
                            BoxHeight, "-", ReadOnlyOff));
    return d;
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

BookingColumn::BookingColumn(std::vector<ControlDef>& controls, const MatchType& type)
    : c_(controls), type_(type), y_(BookingTop) {}

void BookingColumn::stipulationAndChampionship() {
    prompt("Label14", "Select a match stipulation");
    list(nightboxes::Stipulation, StipulationItems(type_));
    prompt("Label15", "Select a championship on the line");
    list(nightboxes::Championship, type_.championships);
}

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

void BookingColumn::winnersAndRoster() {
    prompt("Label18", "Select the winner or select a random winner");
    // W1 and W2 name the first and second wrestler; on the tag screen W3 and W4 do the same for the
    // second team.
    static const char* tips[] = {"Select the first wrestler to win the match",
                                 "Select the second wrestler to win the match"};
    std::vector<ControlDef> row;
    for (int i = 0; i < type_.wrestlers; ++i) {
        row.push_back(button(WinnerButtons[static_cast<std::size_t>(i)], 0, 0, 0, 0, "W" + std::to_string(i + 1), Off));
        if (i < 2 || !type_.randomWinner) row.back().tooltip = tips[i % 2];
    }
    if (type_.randomWinner) {
        row.push_back(button("Command4", 0, 0, 0, 0, "R", Off));
        row.back().tooltip = "Random winner";
    }
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

    add(listBox("lstData", BookingLeft, y_, BookingWidth, MatchTop - 90 - y_, {}, Off));
    y_ = MatchTop;

    int hidden = 120;
    for (int slot = 1; slot <= type_.wrestlers; ++slot)
        for (const char* stat : {"wbr", "wte", "wsp", "wov", "wwa"}) {
            add(textBox(stat + std::to_string(slot), hidden, 9240, 300, 285, "", forms::Hidden));
            hidden += 330;
        }
}

// --- the screen -------------------------------------------------------------------------------------------

MatchScreen::MatchScreen(Game& game, const FormDef& def, const MatchType& type) : Screen(game, def), type_(type) {}

void MatchScreen::LoadScreen() {
    using Staff = screens::StaffScreen;
    if (type_.refereeAtLoad) RefereeSkillAtLoad = CInt(game_.form<Staff>().c(Staff::RefereeSkillText).text());
    setPicture("\\QAVLE.bmp");
    if (type_.weekWagesAtLoad) WeekWagesAtLoad = CLng(FinanceCell(game_, FinanceRow::WrestlerWages).caption());
    SlotSelector = 1;
    c("List1").setEnabled(true);
    c("Label1").setEnabled(true);
    BuildFilePaths(game_);
    CountRecordFiles(game_);
    RosterIntoList(game_, c("lstData"));
    if (game_.EditMode == 2) ReadRecordInto(game_, game_.RosterFilePath, game_.CurrentRecordNumber);
}

void MatchScreen::ChooseMatchType() {
    const std::string item = c("List1").text();
    if (item != type_.item) {
        for (const auto& other : MatchTypes)
            if (item == other.item) HandNightTo(*this, other);
        return;
    }
    c("List1").setEnabled(false);
    c("Label1").setEnabled(false);
    c("List2").setEnabled(true);
    c("Label14").setEnabled(true);
}

void MatchScreen::ChooseStipulation() {
    c("List2").setEnabled(false);
    c("Label14").setEnabled(false);
    c("List3").setEnabled(true);
    c("Label15").setEnabled(true);
}

void MatchScreen::ChooseChampionship() {
    c("List3").setEnabled(false);
    c("Label15").setEnabled(false);
    c("lstData").setEnabled(true);
    for (const char* prompt : type_.prompts) c(prompt).setEnabled(true);
    for (int i = 0; i < type_.wrestlers; ++i) c(NameBoxes[static_cast<std::size_t>(i)]).setEnabled(true);
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
    c("lstData").setEnabled(false);
    for (const char* prompt : type_.prompts) c(prompt).setEnabled(false);
    for (int i = 0; i < type_.wrestlers; ++i) c(NameBoxes[static_cast<std::size_t>(i)]).setEnabled(false);
    c("Label18").setEnabled(true);
    for (int i = 0; i < type_.wrestlers; ++i) c(WinnerButtons[static_cast<std::size_t>(i)]).setEnabled(true);
    if (type_.randomWinner) c("Command4").setEnabled(true);
}

void MatchScreen::AcceptWinner() {
    WinnerChosen = 1;
    for (int i = 0; i < type_.wrestlers; ++i) c(WinnerButtons[static_cast<std::size_t>(i)]).setEnabled(false);
    if (type_.randomWinner) c("Command4").setEnabled(false);
    c("Command3").setEnabled(true);
    c("Label18").setEnabled(false);
}

void MatchScreen::PressMatch() {
    c(type_.nextButton).setEnabled(true);
    c("Command3").setEnabled(false);
    for (const char* name : {"Text1", "Text2", "Text7", "Text8", "Text18", "Text15", "Text4", "Label2", "Label3",
                             "Label4", "Label8", "Label13"})
        c(name).setEnabled(true);
    for (const char* name : type_.shown) c(name).setEnabled(true);
    if (hasPartnerBox(type_)) c("Text23").setEnabled(true);
    if (c("Command3").caption() == "End night") {
        SettleNight(*this);
        return;
    }
    if (!bookingComplete()) return;
    playMatch();
    recordResult();
}

bool MatchScreen::bookingComplete() {
    if (c("List1").text().empty() || c("List2").text().empty() || c("List3").text().empty()) return false;
    if (game_.MatchCounter == "6" || WinnerChosen == 0) return false;
    for (int i = 0; i < type_.wrestlers; ++i) {
        const std::string name = c(NameBoxes[static_cast<std::size_t>(i)]).text();
        if (name.empty()) return false;
        for (int j = i + 1; j < type_.wrestlers; ++j)
            if (c(NameBoxes[static_cast<std::size_t>(j)]).text() == name) return false;
    }
    return true;
}

void MatchScreen::ShowBooking() {
    c("Text4").setText("");
    for (int i = 0; i < type_.wrestlers; ++i)
        c(type_.shown[static_cast<std::size_t>(i)]).setText(c(NameBoxes[static_cast<std::size_t>(i)]).text());
    c("Text2").setText(c("List2").text());
    c("Text1").setText(c("List1").text());
}

bool MatchScreen::TitleMatch() {
    // Only the singles titles earn the title bonus; a tag-team title match rates like any other.
    const std::string title = c("List3").text();
    return title == "Primary" || title == "Secondary" || title == "Tertiary";
}

int32_t MatchScreen::RateBookedMatch(const std::vector<SlotStats>& slots) {
    const StipulationRules* stipulation = StipulationFor(c("List2").text());
    const CategoryScores scores = ScoreCategories(type_, slots, stipulation);
    int32_t bill = 0;
    for (const auto& s : slots) bill = I32(static_cast<long long>(bill) + s.wage);
    if (stipulation && stipulation->cost) game_.StipulationCost = *stipulation->cost;
    if (type_.wageIncludesStipulation) bill = I32(static_cast<long long>(bill) + game_.StipulationCost);
    rate(scores);
    return bill;
}

void MatchScreen::rate(const CategoryScores& scores) {
    const int16_t referee = type_.refereeAtLoad ? RefereeSkillAtLoad : game_.RefereeSkill;
    const int ratings = type_.tiesRateTwice && TwoWayTieForLead(scores) ? 2 : 1;
    const bool titleMatch = TitleMatch();
    for (int i = 0; i < ratings; ++i)
        MatchRatingValue = RateMatch(scores, titleMatch, referee, type_.matchTypeBonus, [this] { return game_.Rnd(); });
    game_.MatchRating = MatchRatingValue;
    const int32_t shown = ShownRating(MatchRatingValue);
    c("Text8").setText(type_.signedRating && shown == MatchRatingValue ? Str(shown) : CStr(shown));
    if (auto word = RatingWord(shown)) c("Text7").setText(*word);
}

void MatchScreen::RecordResult(const std::string& winner, int32_t wageBill) {
    c("Text15").setText(winner);
    WinnerChosen = 0;
    RecordMatchInNight(*this, wageBill);
}

void MatchScreen::NextMatch() {
    std::vector<std::string> results = {"Text1", "Text2", "Text7", "Text8", "Text15", "Text4"};
    results.insert(results.end(), type_.shown.begin(), type_.shown.end());
    if (hasPartnerBox(type_)) results.push_back("Text23");
    const std::vector<std::string> names(NameBoxes.begin(), NameBoxes.begin() + type_.wrestlers);
    auto each = [this](const std::vector<std::string>& which, auto&& f) {
        for (const auto& n : which) f(c(n));
    };
    auto off = [](forms::Control& x) { x.setEnabled(false); };
    auto empty = [](forms::Control& x) {
        if (x.kind() == forms::ControlKind::TextBox) x.setText("");
    };
    c(type_.nextButton).setEnabled(false);
    each({"Label2", "Label3", "Label4", "Label8", "Label13"}, off);
    each(results, off);
    each(results, empty);
    const bool nightOver = game_.MatchCounter == "6";
    // The referee's box shuts with the results, except at the night's end on a screen whose referee leaves.
    if (!nightOver || !type_.refereeLeaves) c("Text18").setEnabled(false);
    if (!nightOver) {
        each(names, empty);
        if (type_.refereeLeaves) c("Text18").setText("");
        c("List1").setEnabled(true);
        c("Label1").setEnabled(true);
        return;
    }
    for (const auto& n : names) {
        const bool first = n == "Text5" || n == "Text6";
        if (!first) c(n).setEnabled(false);
        if (!first || !type_.firstNamesStay) c(n).setText("");
    }
    c("Text18").setText("");
    for (const char* name : {"Label11", "Label5", "Label6", "Label7", "Label9", "Command3"}) c(name).setEnabled(true);
    for (const char* name : {"Text17", "Text19", "Text9", "Text10", "Text11", "Text12", "Text13", "Text14", "Text16",
                             "Text3"})
        c(name).setEnabled(true);
}

}  // namespace varnholt
