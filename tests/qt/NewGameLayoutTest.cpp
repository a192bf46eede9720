// The new-game screen in the real window: each federation's popularity and money stand level with its
// button, their lettering centred on the button's middle line.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include <QApplication>
#include <QImage>
#include <QWidget>

#include "forms/Dialogs.h"
#include "game/Game.h"
#include "qt/QtView.h"
#include "scenario/ProgramFolder.h"
#include "shell/NewGame.h"
#include "shell/Presets.h"
#include "Gestures.h"

namespace {

// The rows of a part of a window's picture that hold lettering: pixels that stand out from the colour
// the part is mostly drawn in. {-1, -1} when nothing is drawn there.
std::pair<int, int> letteredRows(const QImage& shot, const QRect& area) {
    std::map<QRgb, int> count;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) ++count[shot.pixel(x, y)];
    QRgb paper = 0;
    int most = 0;
    for (const auto& [rgb, n] : count)
        if (n > most) {
            most = n;
            paper = rgb;
        }
    int first = -1, last = -1;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (gestures::contrast(QColor(shot.pixel(x, y)), QColor(paper)) >= 3) {
                if (first < 0) first = y;
                last = y;
                break;
            }
    return {first, last};
}

TEST(NewGameLayout, EveryFederationsFiguresAreCentredOnItsButtonsMiddleLine) {
    const varnholt::scenario::ProgramFolder folder("varnholt-qt-new-game-layout");
    forms::QueuedDialogs dialogs;
    varnholt::Game game(folder.path(), dialogs);
    varnholt::QtView view(game);
    view.perform([&] { game.show<varnholt::NewGameScreen>(); });
    QApplication::processEvents();
    forms::Form& screen = game.form<varnholt::NewGameScreen>();
    QWidget* win = view.window(screen);
    ASSERT_NE(win, nullptr);
    const QImage shot = win->grab().toImage();

    struct Cell {
        std::string button, popularity, money;
    };
    std::vector<Cell> cells;
    for (const auto& p : varnholt::presets::Federations) cells.push_back({p.button, p.popularityLabel, p.moneyLabel});
    cells.push_back({"Command8", "Label21", "Label20"});  // CREATE A FED, with its question marks
    for (const auto& cell : cells) {
        // The button draws its caption centred on its middle line; inside its frame.
        const QRect button = view.widget(screen.c(cell.button))->geometry();
        const auto [captionTop, captionBottom] = letteredRows(shot, button.adjusted(4, 4, -4, -4));
        ASSERT_GE(captionTop, 0) << cell.button << " shows no caption";
        const double middle = button.top() + (button.height() - 1) / 2.0;
        ASSERT_NEAR((captionTop + captionBottom) / 2.0, middle, 2.0) << cell.button << "'s own caption";
        for (const auto& figure : {cell.popularity, cell.money}) {
            const auto [first, last] = letteredRows(shot, view.widget(screen.c(figure))->geometry());
            ASSERT_GE(first, 0) << figure << " shows nothing";
            EXPECT_NEAR((first + last) / 2.0, (captionTop + captionBottom) / 2.0, 1.0)
                << figure << " \"" << screen.c(figure).caption() << "\" beside " << cell.button
                << ": lettering on rows " << first << ".." << last << ", the button's caption on rows " << captionTop
                << ".." << captionBottom;
        }
    }
}

}  // namespace
