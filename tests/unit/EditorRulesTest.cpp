// Which wrestlers the editor and its add dialog let the player save, how the typed boxes become a
// record, and the order of the editor's name list.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "editor/EditorRules.h"

namespace varnholt {
namespace {

WrestlerFields valid() {
    return WrestlerFields{"Tamsin Rook", "10", "12", "14", "9", "250", "Face", "Penrith", "Quick and clever.", "30"};
}

FieldCheckResult withBox(std::string WrestlerFields::*box, const std::string& text) {
    WrestlerFields f = valid();
    f.*box = text;
    return WrestlerFieldCheck(f);
}

TEST(WrestlerFieldCheck, EveryBoxMustHoldSomethingButBlanksWill) {
    EXPECT_TRUE(WrestlerFieldCheck(valid()).ok());
    for (auto box : {&WrestlerFields::name, &WrestlerFields::brawling, &WrestlerFields::technical,
                     &WrestlerFields::speed, &WrestlerFields::over, &WrestlerFields::wage,
                     &WrestlerFields::alignment, &WrestlerFields::birthPlace, &WrestlerFields::biography,
                     &WrestlerFields::polaroid})
        EXPECT_EQ(withBox(box, "").problem, FieldProblem::Invalid);
    EXPECT_TRUE(withBox(&WrestlerFields::name, "   ").ok());
    EXPECT_TRUE(withBox(&WrestlerFields::biography, " ").ok());
}

TEST(WrestlerFieldCheck, StatsAndPolaroidShareAreCheckedAsTypedBeforeRounding) {
    for (auto stat : {&WrestlerFields::brawling, &WrestlerFields::technical, &WrestlerFields::speed,
                      &WrestlerFields::over}) {
        EXPECT_TRUE(withBox(stat, "0").ok());
        EXPECT_TRUE(withBox(stat, "20").ok());
        EXPECT_TRUE(withBox(stat, "19.5").ok());
        EXPECT_TRUE(withBox(stat, "0.4").ok());
        EXPECT_EQ(withBox(stat, "20.5").problem, FieldProblem::Invalid);
        EXPECT_EQ(withBox(stat, "-1").problem, FieldProblem::Invalid);
        EXPECT_EQ(withBox(stat, "-0.4").problem, FieldProblem::Invalid);
    }
    EXPECT_TRUE(withBox(&WrestlerFields::polaroid, "100").ok());
    EXPECT_EQ(withBox(&WrestlerFields::polaroid, "100.5").problem, FieldProblem::Invalid);
    EXPECT_EQ(withBox(&WrestlerFields::polaroid, "-1").problem, FieldProblem::Invalid);
    // The wage has no range of its own, only the record's.
    EXPECT_TRUE(withBox(&WrestlerFields::wage, "-50").ok());
    EXPECT_TRUE(withBox(&WrestlerFields::wage, "32767").ok());
    EXPECT_TRUE(withBox(&WrestlerFields::wage, "-32768.5").ok());
}

TEST(WrestlerFieldCheck, WhatIsNotANumberOrDoesNotFitIsRefusedByName) {
    auto r = withBox(&WrestlerFields::speed, "fast");
    EXPECT_EQ(r.problem, FieldProblem::NotANumber);
    EXPECT_EQ(r.box, "Speed");
    EXPECT_EQ(withBox(&WrestlerFields::brawling, "1e1").problem, FieldProblem::NotANumber);
    EXPECT_EQ(withBox(&WrestlerFields::polaroid, "50%").problem, FieldProblem::NotANumber);
    EXPECT_EQ(withBox(&WrestlerFields::wage, "£200").box, "Wage (per show)");
    // A blank-only number box is not empty, but it is not a number either.
    EXPECT_EQ(withBox(&WrestlerFields::over, " ").problem, FieldProblem::NotANumber);
    EXPECT_TRUE(withBox(&WrestlerFields::over, " 12 ").ok());

    r = withBox(&WrestlerFields::wage, "32767.5");
    EXPECT_EQ(r.problem, FieldProblem::WageTooLarge);
    EXPECT_EQ(withBox(&WrestlerFields::wage, "-40000").problem, FieldProblem::WageTooLarge);
    EXPECT_EQ(withBox(&WrestlerFields::wage, "99999999999999999999999").problem, FieldProblem::WageTooLarge);

    EXPECT_EQ(RefusalText(withBox(&WrestlerFields::speed, "fast"), "invalid"),
              "The Speed box must hold a number. Changes have not been saved.");
    EXPECT_EQ(RefusalText(r, "invalid"),
              "The Wage (per show) box must hold a number from -32768 to 32767. Changes have not been saved.");
    EXPECT_EQ(RefusalText(withBox(&WrestlerFields::name, ""), "invalid"), "invalid");
}

TEST(WrestlerFieldCheck, AnEmptyBoxIsReportedBeforeAnythingElse) {
    WrestlerFields f = valid();
    f.brawling = "lots";
    f.polaroid = "";
    EXPECT_EQ(WrestlerFieldCheck(f).problem, FieldProblem::Invalid);
    f.polaroid = "300";
    EXPECT_EQ(WrestlerFieldCheck(f).problem, FieldProblem::NotANumber);
}

TEST(FieldsIntoRecord, TextsAreFittedAndNumbersRoundedHalfToEven) {
    WrestlerFields f = valid();
    f.name = "Bartholomew Ashcombe-Reid";  // 25 characters
    f.brawling = "12.5";
    f.technical = "13.5";
    f.speed = "19.5";
    f.over = "0.4";
    f.wage = "-50";
    f.polaroid = "0";
    WrestlerRecord r = WrestlerRecord::cleared();
    r.Id = 7;
    FieldsIntoRecord(f, r);
    EXPECT_EQ(r.Id, 7);
    EXPECT_EQ(r.Name, "Bartholomew Ashcombe");
    EXPECT_EQ(r.Brawling, 12);
    EXPECT_EQ(r.Technical, 14);
    EXPECT_EQ(r.Speed, 20);
    EXPECT_EQ(r.Over, 0);
    EXPECT_EQ(r.Wage, -50);
    EXPECT_EQ(r.Alignment, "Face");
    EXPECT_EQ(r.BirthPlace, fitText("Penrith", BirthPlaceWidth));
    EXPECT_EQ(r.Biography.size(), BiographyWidth);
    EXPECT_EQ(r.PolaroidPercent, 0);
    // Saving what a pick showed stores the same texts again, trailing blanks and all.
    WrestlerFields again = f;
    again.birthPlace = r.BirthPlace;
    again.biography = r.Biography;
    WrestlerRecord second = r;
    FieldsIntoRecord(again, second);
    EXPECT_EQ(second, r);
}

TEST(ListOrder, AlphabeticalWithCaseAlike) {
    std::vector<std::string> names{"Zed", "alby", "Brock", "", "ALBX", "brock"};
    std::stable_sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return ListOrderLess(a, b);
    });
    EXPECT_EQ(names, (std::vector<std::string>{"", "ALBX", "alby", "Brock", "brock", "Zed"}));
}

}  // namespace
}  // namespace varnholt
