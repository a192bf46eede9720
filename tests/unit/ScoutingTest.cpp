// The scouting rule of popularity, and the layout of the scouting, roster, created-federation and news
// screens in a real window.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "forms/Dialogs.h"
#include "game/Game.h"
#include "management/Scouting.h"
#include "scenario/ProgramFolder.h"

namespace fs = std::filesystem;
using namespace varnholt;

namespace {

TEST(ScoutingPopularityRule, FiveTimesTheShareMayNotExceedPopularityPlusForty) {
    EXPECT_TRUE(AgreesToSign("14", 30));
    EXPECT_FALSE(AgreesToSign("15", 30));
    EXPECT_TRUE(AgreesToSign("8", 0));
    EXPECT_FALSE(AgreesToSign("9", 0));
    EXPECT_TRUE(AgreesToSign("28", 100));
    EXPECT_FALSE(AgreesToSign("29", 100));
    EXPECT_TRUE(AgreesToSign("0", -40));
    EXPECT_FALSE(AgreesToSign("1", -40));
    // The box is compared as a number with its fraction.
    EXPECT_TRUE(AgreesToSign("14.0", 30));
    EXPECT_FALSE(AgreesToSign("14.1", 30));
    EXPECT_FALSE(AgreesToSign("", 100));
}

bool overlap(const forms::Control& a, const forms::Control& b) {
    return a.left() < b.left() + b.width() && b.left() < a.left() + a.width() && a.top() < b.top() + b.height() &&
           b.top() < a.top() + a.height();
}

TEST(ScoutingScreensLayout, ControlsFitTheWindowAndDoNotOverlap) {
    const scenario::TempFolder dir("varnholt-scouting-layout");
    forms::QueuedDialogs dialogs;
    auto game = std::make_unique<Game>(dir.path(), dialogs);
    for (const char* screen : {"Form5", "Form6", "Form8", "Form25"}) {
        forms::Form& f = game->form(screen);
        EXPECT_LE(f.design().width, 14000) << screen;
        EXPECT_LE(f.design().height, 10000) << screen;
        EXPECT_EQ(f.caption(), "Varnholt") << screen;
        const auto& controls = f.controls();
        for (std::size_t i = 0; i < controls.size(); ++i) {
            const auto& a = *controls[i];
            EXPECT_GE(a.left(), 0) << screen << " " << a.name();
            EXPECT_GE(a.top(), 0) << screen << " " << a.name();
            EXPECT_LE(a.left() + a.width(), f.design().width) << screen << " " << a.name();
            EXPECT_LE(a.top() + a.height(), f.design().height) << screen << " " << a.name();
            if (a.kind() == ControlKind::Frame || a.kind() == ControlKind::Shape) continue;
            for (std::size_t j = i + 1; j < controls.size(); ++j) {
                const auto& b = *controls[j];
                if (b.kind() == ControlKind::Frame || b.kind() == ControlKind::Shape) continue;
                EXPECT_FALSE(overlap(a, b)) << screen << ": " << a.name() << " and " << b.name();
            }
        }
    }
}

}  // namespace
