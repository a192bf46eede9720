#include "shell/FederationScreens.h"

namespace varnholt {

// The FinanceTable in screen order: each row's caption with its label, and its four week columns. A row
// stands at the place of its FinanceRow, which FinanceCell relies on.
constexpr std::array<FinanceRowDef, FinanceRowCount> FinanceRows = {{
    // row                         caption                   label      this week, last week, 2 and 3 weeks ago
    {FinanceRow::GateReceipts,     "Gate receipts",          "Label7",  {"Label8", "Label27", "Label34", "Label38"}},
    {FinanceRow::Sponsorship,      "Sponsorship",            "Label9",  {"Label10", "Label31", "Label35", "Label39"}},
    {FinanceRow::PolaroidSales,    "Polaroid Sales",         "Label11", {"Label12", "Label32", "Label36", "Label40"}},
    {FinanceRow::TvRevenue,        "TV Revenue",             "Label66", {"Label67", "Label68", "Label69", "Label70"}},
    {FinanceRow::TotalIncome,      "Total income",           "Label15", {"Label16", "Label33", "Label37", "Label41"}},
    {FinanceRow::WrestlerWages,    "Wrestler wages",         "Label26", {"Label25", "Label42", "Label52", "Label57"}},
    {FinanceRow::StaffWages,       "Staff wages",            "Label22", {"Label21", "Label43", "Label53", "Label58"}},
    {FinanceRow::ArenaCost,        "Arena cost",             "Label24", {"Label23", "Label44", "Label54", "Label59"}},
    {FinanceRow::HiringCosts,      "Hiring costs/Insurance", "Label20", {"Label19", "Label45", "Label55", "Label60"}},
    {FinanceRow::TotalExpenditure, "Total expenditure",      "Label18", {"Label17", "Label50", "Label56", "Label61"}},
    {FinanceRow::OpeningBalance,   "Opening balance",        "Label1",  {"Label4", "Label46", "Label49", "Label63"}},
    {FinanceRow::Total,            "Total",                  "Label3",  {"Label6", "Label47", "Label51", "Label64"}},
    {FinanceRow::ClosingBalance,   "Closing balance",        "Label2",  {"Label28", "Label48", "Label62", "Label65"}},
}};

static_assert(
    [] {
        for (std::size_t i = 0; i < FinanceRows.size(); ++i)
            if (static_cast<std::size_t>(FinanceRows[i].row) != i) return false;
        return true;
    }(),
    "each row of FinanceRows must stand at the place of its FinanceRow");

forms::Control& FinanceCell(Game& game, FinanceRow row, FinanceColumn column) {
    const auto& cells = FinanceRows[static_cast<std::size_t>(row)].cells;
    return game.form<FinanceScreen>().c(cells[static_cast<std::size_t>(column)]);
}

namespace {


const FormDef& infoDef() {
    static const FormDef def = [] {
        using Info = FederationInfoScreen;
        FormDef d{FederationInfoScreen::Name, FederationInfoScreen::Role, "Varnholt", 10200, 7200, "", {}};
        auto& c = d.controls;
        c.push_back(notesButton("Command6"));
        struct Row {
            const char* label;
            const char* caption;
            std::vector<const char*> fields;
            const char* design;
            const char* tip;
        };
        const std::vector<Row> rows = {
            {"Label1", "Federation", {FederationInfoScreen::FederationName}, "", ""},
            {"Label2", "Also Known As", {FederationInfoScreen::FederationInitials}, "", ""},
            {"Label7", "Owner", {FederationInfoScreen::Owner}, "", ""},
            {"Label8", "Based", {FederationInfoScreen::Home}, "", ""},
            {"Label3", "Last 5 Show Ratings", {Info::ShowRatings.begin(), Info::ShowRatings.end()}, "0",
             "Most recent on left"},
            {"Label4", "Cost of Last 5 Shows", {Info::ShowCosts.begin(), Info::ShowCosts.end()}, "0",
             "Most recent on left"},
            {"Label5", "Current Popularity", {FederationInfoScreen::CurrentPopularity}, "0", ""},
            {"Label6", "Current Balance", {FederationInfoScreen::CurrentBalance}, "0", ""},
            {"Label10", "Starting Popularity", {FederationInfoScreen::StartingPopularity}, "", ""},
            {"Label9", "Starting Balance", {FederationInfoScreen::StartingBalance}, "", ""},
        };
        int top = 600;
        for (const auto& r : rows) {
            c.push_back(label(r.label, 480, top + 45, 2700, 315, r.caption, forms::Bold));
            if (r.fields.size() == 1) {
                c.push_back(textBox(r.fields[0], 3300, top, 6300, 375, r.design, ReadOnly, r.tip));
            } else {
                for (std::size_t i = 0; i < r.fields.size(); ++i)
                    c.push_back(textBox(r.fields[i], 3300 + static_cast<int>(i) * 1275, top, 1170, 375, r.design,
                                        ReadOnly, r.tip));
            }
            top += 555;
        }
        c.push_back(button("Command2", 3900, top + 240, 2400, 495, "Return to menu"));
        d.wayOut = "Command2";
        return d;
    }();
    return def;
}

const FormDef& financeDef() {
    static const FormDef def = [] {
        FormDef d{FinanceScreen::Name, FinanceScreen::Role, "Varnholt", 13200, 9600, "", {}};
        auto& c = d.controls;
        c.push_back(notesButton("Command6"));
        // Each week's column: "£" and the figure, the figures against one right edge under their header.
        const int captionLeft = 360, firstColumn = 3600, columnWidth = 2280, figureRight = 2040;
        const std::array<std::pair<const char*, const char*>, 4> headers = {
            {{"Label5", "This week"}, {"Label13", "Last week"}, {"Label14", "2 weeks ago"}, {"Label30", "3 weeks ago"}}};
        for (int col = 0; col < 4; ++col)
            c.push_back(label(headers[static_cast<std::size_t>(col)].first, firstColumn + col * columnWidth, 480,
                              figureRight, 315, headers[static_cast<std::size_t>(col)].second,
                              forms::Bold | forms::RightAligned));
        for (int i = 0; i < 3; ++i)
            c.push_back(member(label("Label71", firstColumn + i * columnWidth + figureRight, 480,
                                     columnWidth - figureRight, 315, ""), i));
        const std::array<std::pair<const char*, const char*>, 3> frames = {
            {{"Frame1", "Income"}, {"Frame2", "Expenditure"}, {"Frame3", "Totals"}}};
        const std::array<int, 3> frameRows = {5, 5, 3};
        int top = 960, row = 0, pound = 0;
        const int rowHeight = 390;
        for (int f = 0; f < 3; ++f) {
            int height = frameRows[static_cast<std::size_t>(f)] * rowHeight + 480;
            c.push_back(frame(frames[static_cast<std::size_t>(f)].first, 180, top, 12840, height,
                              frames[static_cast<std::size_t>(f)].second));
            int y = top + 390;
            for (int r = 0; r < frameRows[static_cast<std::size_t>(f)]; ++r, ++row, y += rowHeight) {
                const auto& def = FinanceRows[static_cast<std::size_t>(row)];
                c.push_back(label(def.captionLabel, captionLeft, y, 3000, 315, def.caption));
                for (int col = 0; col < 4; ++col) {
                    int x = firstColumn + col * columnWidth;
                    c.push_back(member(label("Label29", x + 600, y, 240, 315, "£"), pound++));
                    c.push_back(label(def.cells[static_cast<std::size_t>(col)], x + 840, y, figureRight - 840, 315, "0",
                                      forms::RightAligned));
                }
            }
            top += height + 120;
        }
        c.push_back(button("Command1", 5400, top + 120, 2400, 495, "Return to menu"));
        d.height = top + 120 + 495 + 360;
        d.wayOut = "Command1";
        return d;
    }();
    return def;
}

const FormDef& notesDef() {
    static const FormDef def{
        .name = NotesPad::Name, .role = NotesPad::Role, .caption = "QAVLE", .width = 6000, .height = 5400,
        .controls = {
            textBox(NotesPad::Notes, 120, 120, 5760, 4440, "", forms::MultiLine),
            button("Command1", 2100, 4740, 1800, 495, "Back"),
        },
        .wayOut = "Command1",
        .dialog = true,
    };
    return def;
}

}  // namespace

FederationInfoScreen::FederationInfoScreen(Game& game) : Screen(game, infoDef()) {
    bind<FederationInfoScreen>({
        {"Form", Event::Load, &FederationInfoScreen::Form13_Form_Load},
        {"Command2", Event::Click, &FederationInfoScreen::Form13_Command2_Click},
        {"Command6", Event::Click, &FederationInfoScreen::Form13_Command6_Click},
    });
}

void FederationInfoScreen::Form13_Form_Load() {
    setPicture("\\QAVLE.bmp");
    using Hub = screens::FederationHub;
    auto& hub = game_.form<Hub>();
    c(CurrentPopularity).setText(hub.c(Hub::PopularityText).text());
    c(CurrentBalance).setText(hub.c(Hub::MoneyText).text());
}

void FederationInfoScreen::Form13_Command2_Click() {
    game_.show<screens::FederationHub>();
    game_.hide<FederationInfoScreen>();
}

void FederationInfoScreen::Form13_Command6_Click() { game_.show<NotesPad>(); }

FinanceScreen::FinanceScreen(Game& game) : Screen(game, financeDef()) {
    bind<FinanceScreen>({
        {"Form", Event::Load, &FinanceScreen::Form16_Form_Load},
        {"Command1", Event::Click, &FinanceScreen::Form16_Command1_Click},
        {"Command6", Event::Click, &FinanceScreen::Form16_Command6_Click},
    });
}

void FinanceScreen::Form16_Form_Load() {
    FinanceCell(game_, FinanceRow::ClosingBalance)
        .setText(game_.form<screens::FederationHub>().c(screens::FederationHub::MoneyText).text());
    setPicture("\\QAVLE.bmp");
}

void FinanceScreen::Form16_Command1_Click() {
    game_.show<screens::FederationHub>();
    game_.hide<FinanceScreen>();
}

void FinanceScreen::Form16_Command6_Click() { game_.show<NotesPad>(); }

NotesPad::NotesPad(Game& game) : Screen(game, notesDef()) {
    bind<NotesPad>({{"Command1", Event::Click, &NotesPad::Form18_Command1_Click}});
}

void NotesPad::Form18_Command1_Click() { game_.hide<NotesPad>(); }

}  // namespace varnholt
