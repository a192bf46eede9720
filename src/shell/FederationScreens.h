// The screens that hold the federation's record between shows: federation information, the finance
// sheet and the notes pad. They are only hidden while a game runs, so their fields last.
#pragma once

#include <array>
#include <string>

#include "game/Screen.h"

namespace varnholt {

class FederationInfoScreen : public Screen, public screens::FederationInfoScreen {
public:
    explicit FederationInfoScreen(Game& game);
    void Form13_Form_Load();
    void Form13_Command2_Click();
    void Form13_Command6_Click();
};

class FinanceScreen : public Screen, public screens::FinanceScreen {
public:
    explicit FinanceScreen(Game& game);
    void Form16_Form_Load();
    void Form16_Command1_Click();
    void Form16_Command6_Click();
};

class NotesPad : public Screen, public screens::NotesPad {
public:
    explicit NotesPad(Game& game);
    void Form18_Command1_Click();
};

// The finance sheet's rows, in screen order, and its four week columns.
enum class FinanceRow {
    GateReceipts, Sponsorship, PolaroidSales, TvRevenue, TotalIncome,
    WrestlerWages, StaffWages, ArenaCost, HiringCosts, TotalExpenditure,
    OpeningBalance, Total, ClosingBalance
};
inline constexpr int FinanceRowCount = 13;
enum FinanceColumn { ThisWeek = 0, LastWeek = 1, TwoWeeksAgo = 2, ThreeWeeksAgo = 3 };

struct FinanceRowDef {
    FinanceRow row;
    const char* caption;
    const char* captionLabel;
    std::array<const char*, 4> cells;  // This week, Last week, 2 weeks ago, 3 weeks ago
};

extern const std::array<FinanceRowDef, FinanceRowCount> FinanceRows;

// The control of one cell of the finance sheet (loads the sheet if it is not loaded).
forms::Control& FinanceCell(Game& game, FinanceRow row, FinanceColumn column = ThisWeek);

}  // namespace varnholt
