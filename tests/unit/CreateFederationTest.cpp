// The created federation's check of its ten texts: the ranges are taken before rounding, the rounding
// goes half to even, and a figure that is not a plain number is refused instead of stopping the game.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "shell/CreateFederation.h"

using namespace varnholt;

namespace {

std::optional<CreatedFederationFigures> check(const std::string& popularity, const std::string& money) {
    return CheckCreatedFederation({"Name", "N", "Owner", "Home", "T1", "T2", "T3", "T4", popularity, money});
}

TEST(CreatedFederationCheck, RangesAreInclusiveAndTakenBeforeRounding) {
    EXPECT_TRUE(check("0", "-20000"));
    EXPECT_TRUE(check("100", "20000"));
    EXPECT_FALSE(check("100.4", "0"));
    EXPECT_FALSE(check("-0.4", "0"));
    EXPECT_FALSE(check("50", "20000.5"));
    EXPECT_FALSE(check("50", "-20001"));
}

TEST(CreatedFederationCheck, FiguresRoundHalfToEven) {
    EXPECT_EQ(check("99.5", "0")->popularity, 100);
    EXPECT_EQ(check("0.5", "0")->popularity, 0);
    EXPECT_EQ(check("2.5", "0")->popularity, 2);
    EXPECT_EQ(check("50", "-19999.5")->money, -20000);
    EXPECT_EQ(check(" 7 ", "+12.5")->money, 12);
}

TEST(CreatedFederationCheck, EmptyTextsAndNonNumbersAreRefused) {
    using Texts = CreatedFederationTexts;
    for (auto text : {&Texts::name, &Texts::initials, &Texts::owner, &Texts::based, &Texts::primaryTitle,
                      &Texts::secondaryTitle, &Texts::tertiaryTitle, &Texts::tagTeamTitle, &Texts::popularity,
                      &Texts::money}) {
        Texts texts = {"Name", "N", "Owner", "Home", "T1", "T2", "T3", "T4", "50", "500"};
        (texts.*text).clear();
        EXPECT_FALSE(CheckCreatedFederation(texts));
    }
    for (const char* bad : {" ", "abc", "5O", "1e2", "50,5", "--5", "0x10", "50%"}) {
        EXPECT_FALSE(check(bad, "500")) << bad;
        EXPECT_FALSE(check("50", bad)) << bad;
    }
    // A lone blank is a valid name: only the figures must be numbers.
    EXPECT_TRUE(CheckCreatedFederation({" ", " ", " ", " ", " ", " ", " ", " ", "1", "1"}));
}

}  // namespace
