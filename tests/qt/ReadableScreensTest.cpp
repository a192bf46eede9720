// Every screen of the game, every control with lettering on it, enabled and disabled: it reads.
#include <gtest/gtest.h>

#include <string>

#include <QApplication>
#include <QWidget>

#include "forms/Dialogs.h"
#include "game/Game.h"
#include "qt/QtView.h"
#include "scenario/ProgramFolder.h"
#include "Gestures.h"

namespace {

using forms::ControlKind;

TEST(ReadableScreens, EveryLetteringOnEveryScreenReadsEnabledOrNot) {
    const varnholt::scenario::ProgramFolder folder("varnholt-qt-readable");
    forms::QueuedDialogs dialogs;
    varnholt::Game game(folder.path(), dialogs);
    varnholt::QtView view(game);
    for (const std::string& name : game.formNames()) {
        for (bool enabled : {true, false}) {
            view.perform([&] {
                forms::Form& f = game.form(name);
                for (const auto& c : f.controls()) {
                    c->setEnabled(enabled);
                    if (c->kind() == ControlKind::TextBox && c->text().empty()) c->setText("1000");
                }
                game.show(name);
            });
            forms::Form* f = game.loaded(name);
            if (!f || !view.window(*f)) continue;  // its load handler moved on
            QWidget* win = view.window(*f);
            QImage shot = win->grab().toImage();
            for (const auto& c : f->controls()) {
                QWidget* w = view.widget(*c);
                bool lettered = c->kind() == ControlKind::TextBox || c->kind() == ControlKind::Button ||
                                (c->kind() == ControlKind::Label && !c->text().empty());
                if (!lettered || !w->isVisibleTo(win) || w->width() < 8 || w->height() < 8) continue;
                QRect area = w->geometry().adjusted(3, 3, -3, -3) & win->rect();
                if (area.isEmpty()) continue;  // placed outside the window on purpose: nobody sees it
                EXPECT_GE(gestures::legibility(shot, area), 4.5)
                    << name << "." << c->key() << (enabled ? " enabled" : " disabled");
            }
            view.perform([&] { game.hide(name); });
        }
    }
}

}  // namespace
