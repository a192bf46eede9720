#include "matches/MatchLayout.h"

#include <algorithm>
#include <tuple>

namespace varnholt {

using B = MatchBoxes;

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

}  // namespace

FormDef MatchScreenDef(const char* name, const char* role, const MatchType& type) {
    const int L = BookingLeft, R = ResultLeft, RW = ResultWidth;
    const int RV = R + 1860, VW = RW - 1860;           // result captions and values
    const int top = NameRowTop(type.nameRows) + 60;   // the results, below the competitors' names
    const int winnerTop = NextTop - 90 - BoxHeight;
    const bool partnerBox = type.partnerBox;
    const int winnerWidth = partnerBox ? (VW - 60) / 2 : VW;
    const int row[] = {SummaryTop, SummaryTop + Pitch, SummaryTop + 2 * Pitch};
    const auto types = MatchTypeItems();
    FormDef d{name, role, "Varnholt", MatchScreenWidth, MatchScreenHeight, "", {
        // The match type.
        label(B::MatchTypePrompt, L + 300, 150, BookingWidth - 300, CaptionHeight, "Select a match type", Off),
        listBox(B::MatchTypeList, L, 480, BookingWidth, listHeight(types.size()), types, BookingListOff),
        // The referee and the results.
        label(B::RefereeCaption, R, 120 + CaptionDrop, 1800, CaptionHeight, "Referee", Off),
        textBox(B::Referee, RV, 120, VW, BoxHeight, "", ReadOnlyOff),
        label(B::MatchTypeCaption, R, top + CaptionDrop, 1800, CaptionHeight, "Match Type", Off),
        textBox(B::MatchTypeShown, RV, top, VW, BoxHeight, "", ReadOnlyOff),
        label(B::StipulationCaption, R, top + Pitch + CaptionDrop, 1800, CaptionHeight, "Stipulation", Off),
        textBox(B::StipulationShown, RV, top + Pitch, VW, BoxHeight, "", ReadOnlyOff),
        label(B::RatingCaption, R, top + 2 * Pitch + CaptionDrop, 1800, CaptionHeight, "Match rating", Off),
        textBox(B::Rating, RV, top + 2 * Pitch, 660, BoxHeight, "", ReadOnlyOff),
        textBox(B::RatingWordBox, RV + 720, top + 2 * Pitch, VW - 720, BoxHeight, "", ReadOnlyOff),
        textBox(B::Commentary, R, top + 3 * Pitch, RW, winnerTop - 90 - (top + 3 * Pitch), "",
                ReadOnlyOff | forms::MultiLine),
        label(B::WinnerCaption, R, winnerTop + CaptionDrop, 1800, CaptionHeight, type.winnerCaption, Off),
        textBox(B::Winner, RV, winnerTop, winnerWidth, BoxHeight, "", ReadOnlyOff),
        button(type.nextButton, R, NextTop, 2400, 420, "Next match", Off),
        // The bar between the halves.
        shape_(B::Bar, 7560, 120, 60, MatchScreenHeight - 240),
        // The night summary.
        label(B::AttendanceCaption, L, row[0] + CaptionDrop, 2100, CaptionHeight, "Attendance (Maximum)", Off),
        textBox(B::Attendance, 2400, row[0], 900, BoxHeight, "", ReadOnlyOff),
        textBox(B::Capacity, 3360, row[0], 900, BoxHeight, "", ReadOnlyOff),
        label(B::ShowCostCaption, 4440, row[0] + CaptionDrop, 1740, CaptionHeight, "Cost of Show", Off),
        textBox(B::ShowCost, 6240, row[0], 1200, BoxHeight, "0", ReadOnlyOff),
        label(B::MatchRatingsCaption, L, row[1] + CaptionDrop, 2100, CaptionHeight, "Match Rating", Off),
        label(B::HiddenZero, 6720, row[1] + CaptionDrop, 600, CaptionHeight, "0", forms::Hidden),
        label(B::RatingTotalCaption, L, row[2] + CaptionDrop, 2100, CaptionHeight, "Match Rating Total", Off),
        textBox(B::RatingTotal, 2400, row[2], 900, BoxHeight, "-", ReadOnlyOff),
        label(B::NightRatingCaption, 4440, row[2] + CaptionDrop, 1740, CaptionHeight, "Night Rating", Off),
        textBox(B::NightRating, 6240, row[2], 1200, BoxHeight, "-", ReadOnlyOff),
        // Match / End night below the roster list, and the notes pad in the top left corner.
        button(B::MatchButton, L + BookingWidth - 1800, MatchTop, 1800, 420, "Match", Off),
        notesButton(B::NotesButton),
    }};
    auto& c = d.controls;
    if (partnerBox)
        c.push_back(textBox(B::Partner, RV + winnerWidth + 60, winnerTop, winnerWidth, BoxHeight, "", ReadOnlyOff));
    for (std::size_t i = 0; i < B::MatchRatings.size(); ++i)
        c.push_back(textBox(B::MatchRatings[i], 2400 + static_cast<int>(i) * 780, row[1], 720, BoxHeight, "-",
                            ReadOnlyOff));
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
    ControlDef d = label(B::VersusLabel, centre - VersusWidth / 2, NameRowTop(row) + CaptionDrop, VersusWidth,
                         CaptionHeight, "VS", Off | forms::Centred);
    d.index = index;
    return d;
}

ControlDef HiddenBox(std::string name, int place, std::string text) {
    return textBox(std::move(name), 120 + place * 330, 9240, 300, 285, std::move(text), forms::Hidden);
}

BookingColumn::BookingColumn(std::vector<ControlDef>& controls, const MatchType& type)
    : c_(controls), type_(type), y_(BookingTop) {}

void BookingColumn::stipulationAndChampionship() {
    prompt(B::StipulationPrompt, "Select a match stipulation");
    list(B::StipulationList, StipulationItems(type_));
    prompt(B::ChampionshipPrompt, "Select a championship on the line");
    list(B::ChampionshipList, type_.championships);
}

void BookingColumn::prompt(std::string name, std::string caption) {
    add(label(std::move(name), BookingLeft, y_, BookingWidth, CaptionHeight, std::move(caption), Off));
    y_ += CaptionHeight + 15;
}

void BookingColumn::list(std::string name, std::vector<std::string> items) {
    const int height = listHeight(items.size());
    add(listBox(std::move(name), BookingLeft, y_, BookingWidth, height, std::move(items), BookingListOff));
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
    prompt(B::WinnerPrompt, "Select the winner or select a random winner");
    // W1 and W2 name the first and second wrestler; on the tag screen W3 and W4 do the same for the
    // second team.
    static const char* tips[] = {"Select the first wrestler to win the match",
                                 "Select the second wrestler to win the match"};
    std::vector<ControlDef> row;
    for (int i = 0; i < type_.wrestlers; ++i) {
        row.push_back(button(B::WinnerButtons[static_cast<std::size_t>(i)], 0, 0, 0, 0, "W" + std::to_string(i + 1), Off));
        if (i < 2 || !type_.randomWinner) row.back().tooltip = tips[i % 2];
    }
    if (type_.randomWinner) {
        row.push_back(button(B::RandomWinnerButton, 0, 0, 0, 0, "R", Off));
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

    add(listBox(B::Roster, BookingLeft, y_, BookingWidth, MatchTop - 90 - y_, {}, BookingListOff));
    y_ = MatchTop;

    int place = 0;
    for (int slot = 1; slot <= type_.wrestlers; ++slot)
        for (const char* stat : B::SlotStatBoxes) add(HiddenBox(B::SlotBox(stat, slot), place++));
}

}  // namespace varnholt
