// A game in its real window, started into a preset federation's first day as the player would click there: the
// splash picture, the disclaimer's Continue, NEW GAME and the first preset.
#pragma once

#include "game/Game.h"
#include "qt/QtView.h"

inline void startPresetGame(varnholt::Game& game, varnholt::QtView& view) {
    view.perform([&] {
        game.start();
        for (auto [screen, control] : {std::pair{"Form1", "Image1"}, {"Form7", "Command1"}, {"Form2", "Command1"},
                                       {"Form3", "Command2"}})
            game.form(screen).c(control).playerClick();
    });
}
