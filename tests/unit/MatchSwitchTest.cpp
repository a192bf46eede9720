// The four match screens share one layout family: every one fits a 1024 x 768 window, shows no control
// over another and has its notes button in the top left corner.
#include <gtest/gtest.h>

#include "GameFixture.h"

using varnholt::testing::GameFixture;

namespace {

bool overlap(const forms::Control& a, const forms::Control& b) {
    return a.left() < b.left() + b.width() && b.left() < a.left() + a.width() && a.top() < b.top() + b.height() &&
           b.top() < a.top() + a.height();
}

class MatchScreensLayout : public GameFixture {};

}  // namespace

TEST_F(MatchScreensLayout, EveryMatchScreenFitsAndNothingOverlaps) {
    startPreset("Command2");
    for (const char* screen : {"Form10", "Form17", "Form19", "Form20"}) {
        forms::Form& f = game().form(screen);
        EXPECT_LE(f.design().width, 1024 * 15) << screen;
        EXPECT_LE(f.design().height, 768 * 15) << screen;
        // "N" sits in the top left corner, above the match-type step.
        EXPECT_LT(f.c("Command6").top() + f.c("Command6").height(), f.c("List1").top()) << screen;
        EXPECT_LT(f.c("Command6").left() + f.c("Command6").width(), f.c("Label1").left() + f.c("Label1").width() / 2)
            << screen;
        const auto& controls = f.controls();
        for (std::size_t i = 0; i < controls.size(); ++i) {
            const auto& a = *controls[i];
            EXPECT_GE(a.left(), 0) << screen << " " << a.key();
            EXPECT_LE(a.left() + a.width(), f.design().width) << screen << " " << a.key();
            EXPECT_LE(a.top() + a.height(), f.design().height) << screen << " " << a.key();
            if (!a.visible() || a.kind() == forms::ControlKind::Shape) continue;
            for (std::size_t j = i + 1; j < controls.size(); ++j) {
                const auto& b = *controls[j];
                if (!b.visible() || b.kind() == forms::ControlKind::Shape) continue;
                EXPECT_FALSE(overlap(a, b)) << screen << ": " << a.key() << " and " << b.key();
            }
        }
    }
}
