// Every screen of the game, every control with lettering on it, enabled and disabled: it reads; every scroll
// bar on it can be seen.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <QAbstractScrollArea>
#include <QApplication>
#include <QScrollBar>
#include <QWidget>

#include "forms/Dialogs.h"
#include "game/Game.h"
#include "qt/QtView.h"
#include "scenario/ProgramFolder.h"
#include "Gestures.h"

namespace {

using forms::ControlKind;
using gestures::contrast;

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

// The two colours of a scroll bar as it is drawn, its track's and its handle's in either order: the two
// commonest along the bar's middle line between the arrows at its ends (nothing when no second colour covers a
// few pixels there).
std::optional<std::pair<QColor, QColor>> trackAndHandle(QScrollBar* bar) {
    const QImage drawn = bar->grab().toImage();
    const bool vertical = bar->orientation() == Qt::Vertical;
    const int across = vertical ? drawn.width() : drawn.height(), along = vertical ? drawn.height() : drawn.width();
    std::map<QRgb, int> count;
    for (int i = across; i < along - across; ++i)
        ++count[vertical ? drawn.pixel(across / 2, i) : drawn.pixel(i, across / 2)];
    std::vector<std::pair<int, QRgb>> commonest;
    for (auto [rgb, n] : count) commonest.push_back({n, rgb});
    std::sort(commonest.rbegin(), commonest.rend());
    if (commonest.size() < 2 || commonest[1].first < 4) return std::nullopt;
    return std::pair{QColor(commonest[0].second), QColor(commonest[1].second)};
}

TEST(ReadableScreens, EveryScrollBarStandsOutOnEveryScreen) {
    const varnholt::scenario::ProgramFolder folder("varnholt-qt-scroll-bars");
    forms::QueuedDialogs dialogs;
    varnholt::Game game(folder.path(), dialogs);
    varnholt::QtView view(game);
    int seen = 0;
    for (const std::string& name : game.formNames()) {
        for (bool enabled : {true, false}) {
            // Every list and every long box overflows, with a row too wide for it, and the game's own scroll
            // bars are shown; each is made large enough for its bars to have room for a handle and a track.
            view.perform([&] {
                forms::Form& f = game.form(name);
                for (const auto& c : f.controls()) {
                    const bool multiLine = c->kind() == ControlKind::TextBox && (c->design().flags & forms::MultiLine);
                    const bool list = c->kind() == ControlKind::ListBox || c->kind() == ControlKind::FileListBox;
                    if (!multiLine && !list && c->kind() != ControlKind::VScrollBar) continue;
                    c->setEnabled(enabled);
                    c->setVisible(true);
                    const int wide = c->kind() == ControlKind::VScrollBar ? c->width() : std::max(c->width(), 3000);
                    c->move(c->left(), c->top(), wide, std::max(c->height(), 3000));
                    if (list) {
                        c->addItem(std::string(200, 'W'));
                        for (int i = 0; i < 60; ++i) c->addItem("Row " + std::to_string(i));
                    } else if (multiLine) {
                        std::string lines;
                        for (int i = 0; i < 80; ++i) lines += "Line " + std::to_string(i) + "\r\n";
                        c->setText(lines);
                    } else {
                        c->setMin(0);
                        c->setMax(100);
                    }
                }
                game.show(name);
            });
            QApplication::processEvents();
            forms::Form* f = game.loaded(name);
            if (!f || !view.window(*f)) continue;  // its load handler moved on
            for (const auto& c : f->controls()) {
                QWidget* w = view.widget(*c);
                std::vector<QScrollBar*> bars;
                if (auto* bar = qobject_cast<QScrollBar*>(w)) bars.push_back(bar);
                if (auto* area = qobject_cast<QAbstractScrollArea*>(w)) {
                    EXPECT_TRUE(area->verticalScrollBar()->isVisibleTo(w)) << name << "." << c->key() << " overflows";
                    bars = {area->verticalScrollBar(), area->horizontalScrollBar()};
                }
                for (QScrollBar* bar : bars) {
                    if (!bar->isVisibleTo(w->window())) continue;
                    const auto drawn = trackAndHandle(bar);
                    const std::string where = name + "." + c->key() + (bar->orientation() == Qt::Vertical ? " down" : " across") +
                                              (enabled ? " enabled" : " disabled");
                    if (!drawn) {
                        ADD_FAILURE() << where << ": no handle drawn";
                        continue;
                    }
                    const auto [one, other] = *drawn;
                    EXPECT_GE(contrast(one, other), 3.0)
                        << where << ": " << one.name().toStdString() << " and " << other.name().toStdString();
                    ++seen;
                }
            }
            view.perform([&] { game.hide(name); });
        }
    }
    // Lists and long boxes on plain screens and on screens of their own colours, and the game's own bar.
    EXPECT_GT(seen, 40);
}

}  // namespace
