// Random play through the real widgets: clicks, drags, Ctrl+clicks, keys, typing, Tab and close boxes on
// whatever the game shows, and after every gesture each shown window must show exactly what the game holds.
// Now and then a reflex Return follows a gesture that opened a screen, and must act on nothing.
//
// Every seed is a test of its own (".../seed7"), a program in a folder of its own, so ctest plays them side by
// side. The seeds are fixed, so a failure replays: it names the seed, the gesture (and game) it came at, what
// differed and the gestures of that game up to it. Other seeds, or longer games, are played by naming them:
//   VARNHOLT_RANDOM_SEEDS=41-400 VARNHOLT_RANDOM_STEPS=3000 build/bin/varnholt-qt-tests --gtest_filter='Seeds/RandomPlay*'
// (seeds as FIRST-LAST or a comma list; GTEST_TOTAL_SHARDS and GTEST_SHARD_INDEX split a long list over processes).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>

#include "forms/Dialogs.h"
#include "game/Game.h"
#include "game/ScreenNames.h"
#include "qt/QtView.h"
#include "scenario/ProgramFolder.h"
#include "Gestures.h"
#include "KeptState.h"

namespace {

namespace fs = std::filesystem;
using namespace gestures;
using forms::ControlKind;

// Answers every box at random, mostly going on playing; keeps the faults it was told about.
class RandomDialogs : public forms::Dialogs {
public:
    explicit RandomDialogs(std::mt19937& rng) : rng_(rng) {}
    forms::MsgResult messageBox(const std::string& text, const std::string&, forms::MsgButtons buttons,
                                forms::MsgIcon) override {
        ++asked;
        // A run-time error of the game carries its number; one without is a fault of the program itself.
        if (text.rfind("Run-time error: ", 0) == 0) faults.push_back(text);
        if (buttons == forms::MsgButtons::OK) return forms::MsgResult::OK;
        return std::uniform_int_distribution<int>(0, 4)(rng_) == 0 ? forms::MsgResult::Yes : forms::MsgResult::No;
    }
    std::optional<std::string> inputBox(const std::string&, const std::string&, const std::string&) override {
        if (std::uniform_int_distribution<int>(0, 2)(rng_) == 0) return std::nullopt;
        return std::string("random");
    }
    std::vector<std::string> faults;
    std::size_t asked = 0;

private:
    std::mt19937& rng_;
};

// A key as the player reads it: "Down", "Ctrl+Home", "T".
std::string keyName(int key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    return QKeySequence(QKeyCombination(mods, Qt::Key(key))).toString().toStdString();
}

QString toEditor(const std::string& s) { return QString::fromStdString(s).replace("\r\n", "\n"); }

class RandomPlay {
public:
    RandomPlay(unsigned seed, fs::path folder) : rng_(seed), dialogs_(rng_), folder_(std::move(folder)) {}

    // Plays until `steps` gestures have been made; the first disagreement between a window and the game is
    // returned, with the gesture (and game) it came at and the gestures of that game that led to it.
    std::string play(int steps) {
        for (int made = 0, gameNumber = 1; made < steps; ++gameNumber) {
            Game game(folder_, dialogs_);
            varnholt::QtView view(game);
            view.perform([&] { game.start(); });
            log_.clear();
            for (; made < steps && !game.ended(); ++made) {
                const std::set<forms::Form*> before = shownForms(game, view);
                gesture(game, view);
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
                if (!game.ended() && pick(3) == 0) reflexReturn(game, view, before);
                std::string wrong = disagreement(game, view);
                if (wrong.empty() && !dialogs_.faults.empty()) wrong = dialogs_.faults.front();
                if (!wrong.empty())
                    return "gesture " + std::to_string(made + 1) + " (game " + std::to_string(gameNumber) + "): " + wrong +
                           "\nThe last gestures of that game, oldest first:\n" + log_;
            }
        }
        return {};
    }

private:
    using Game = varnholt::Game;

    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
    void note(const std::string& what) {
        log_ += what + "\n";
        if (log_.size() > 6000) log_.erase(0, log_.size() - 6000);
    }

    void gesture(Game& game, varnholt::QtView& view) {
        std::vector<forms::Form*> shown;
        for (forms::Form* f : game.loadedForms())
            if (f->visible() && view.window(*f)) shown.push_back(f);
        if (shown.empty()) return;
        forms::Form& form = *shown[static_cast<std::size_t>(pick(static_cast<int>(shown.size())))];
        QWidget* win = view.window(form);
        if (pick(40) == 0) {
            note("close " + form.role());
            win->close();
            return;
        }
        if (pick(40) == 0) {
            note("Escape on " + form.role());
            pressKey(win, Qt::Key_Escape);
            return;
        }
        std::vector<forms::Control*> reachable;
        for (const auto& c : form.controls()) {
            QWidget* w = view.widget(*c);
            if (w && w->isVisibleTo(win) && w->isEnabled() && c->kind() != ControlKind::Frame &&
                c->kind() != ControlKind::Shape)
                reachable.push_back(c.get());
        }
        if (reachable.empty()) return;
        forms::Control& c = *reachable[static_cast<std::size_t>(pick(static_cast<int>(reachable.size())))];
        QWidget* w = view.widget(c);
        std::string where = form.role() + "." + c.key();
        if (auto* list = qobject_cast<QListWidget*>(w)) return onList(list, c, where);
        if (auto* combo = qobject_cast<QComboBox*>(w)) {
            static const int keys[] = {Qt::Key_Up, Qt::Key_Down, Qt::Key_Home, Qt::Key_End, Qt::Key_H, Qt::Key_F};
            int key = keys[pick(6)];
            note(keyName(key) + " on " + where);
            pressKey(combo, key, Qt::NoModifier, key == Qt::Key_H ? "h" : key == Qt::Key_F ? "f" : "");
            return;
        }
        if (auto* button = qobject_cast<QPushButton*>(w)) {
            int how = pick(3);
            note(std::string(how == 0 ? "click " : how == 1 ? "Return on " : "Space on ") + where);
            if (how == 0) button->click();
            else pressKey(button, how == 1 ? Qt::Key_Return : Qt::Key_Space, Qt::NoModifier, how == 1 ? "" : " ");
            return;
        }
        if (auto* edit = qobject_cast<QLineEdit*>(w)) {
            if (edit->isReadOnly()) return;
            if (pick(5) == 0) {
                note("Return in " + where);
                pressKey(edit, Qt::Key_Return);
                return;
            }
            return typeInto(edit, where);
        }
        if (auto* notes = qobject_cast<QPlainTextEdit*>(w)) {
            if (notes->isReadOnly()) return;
            if (pick(3) == 0) {
                note("Tab in " + where);
                pressKey(notes, Qt::Key_Tab, Qt::NoModifier, "\t");
                return;
            }
            return typeInto(notes, where);
        }
        if (auto* label = qobject_cast<QLabel*>(w); label && label->focusPolicy() != Qt::NoFocus) {
            note("click " + where);
            QPointF at(2, 2);
            QMouseEvent press(QEvent::MouseButtonPress, at, label->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
            QMouseEvent release(QEvent::MouseButtonRelease, at, label->mapToGlobal(at), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(label, &press);
            QApplication::sendEvent(label, &release);
        }
    }

    static std::set<forms::Form*> shownForms(Game& game, varnholt::QtView& view) {
        std::set<forms::Form*> shown;
        for (forms::Form* f : game.loadedForms())
            if (f->visible() && view.window(*f)) shown.insert(f);
        return shown;
    }

    // Return at once on whatever a screen the gesture opened gave the keyboard: nothing the game keeps may
    // change (but for a box it typed into), unless the screen names what Return does on it. When the keyboard
    // is back on the button the player pressed to leave the screen, Return only opens that screen again: it
    // may load screens afresh, but loses nothing.
    void reflexReturn(Game& game, varnholt::QtView& view, const std::set<forms::Form*>& before) {
        QApplication::processEvents();
        QWidget* at = QApplication::focusWidget();
        forms::Form* opened = nullptr;
        for (forms::Form* f : shownForms(game, view))
            if (!before.count(f) && at && at->window() == view.window(*f)) opened = f;
        if (!opened) return;
        note("Return just after " + opened->role() + " opened");
        const auto& controls = opened->controls();
        const bool back = std::any_of(controls.begin(), controls.end(), [&](const auto& c) {
            return view.widget(*c) == at && (c->design().flags & forms::OnlyOpens);
        });
        const bool named = !opened->design().opensOn.empty() || !opened->design().defaultButton.empty();
        const KeptFields kept = keptFields(game, view, folder_, at);
        pressKey(at, Qt::Key_Return);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if ((named && !back) || game.ended()) return;
        const KeptFields now = keptFields(game, view, folder_, at);
        if (std::string changed = back ? keptLoss(kept, now) : keptChange(kept, now); !changed.empty())
            dialogs_.faults.push_back("a reflex Return acted on " + opened->role() + ": " + changed);
    }

    void onList(QListWidget* list, forms::Control& c, const std::string& where) {
        const int n = list->count();
        switch (n == 0 ? 6 : pick(7)) {
            case 0:
            case 1: {
                int r = pick(n);
                note("click row " + std::to_string(r) + " of " + where);
                clickRow(list, r);
                break;
            }
            case 2: {
                int a = pick(n), b = pick(n);
                note("drag rows " + std::to_string(a) + " to " + std::to_string(b) + " of " + where);
                dragRows(list, a, b);
                break;
            }
            case 3: {
                int r = pick(n);
                note("Ctrl+click row " + std::to_string(r) + " of " + where);
                clickRow(list, r, Qt::ControlModifier);
                break;
            }
            case 4: {
                QPoint below(list->viewport()->width() / 2, list->viewport()->height() - 2);
                note("click low in " + where);
                mouseAt(list, QEvent::MouseButtonPress, below, Qt::LeftButton);
                mouseAt(list, QEvent::MouseButtonRelease, below, Qt::NoButton);
                break;
            }
            default: {
                static const int keys[] = {Qt::Key_Up,     Qt::Key_Down,     Qt::Key_Home,  Qt::Key_End,
                                           Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Space, Qt::Key_Return,
                                           Qt::Key_A,      Qt::Key_T,        Qt::Key_Up,    Qt::Key_Down};
                const int which = pick(12);
                const int key = keys[which];
                const auto mods = which >= 10 ? Qt::ControlModifier : Qt::NoModifier;
                QString text = key == Qt::Key_A ? "a" : key == Qt::Key_T ? "t" : key == Qt::Key_Space ? " " : "";
                note(keyName(key, mods) + " on " + where);
                // On a list whose pick cannot be taken back, only Space and Return pick.
                const bool picks = key == Qt::Key_Space || key == Qt::Key_Return;
                const bool firm = c.design().flags & forms::PickOnPress;
                const int before = c.listIndex();
                const std::size_t answered = dialogs_.asked;
                pressKey(list, key, mods, text);
                if (firm && !picks && c.form().alive() && (c.listIndex() != before || dialogs_.asked != answered))
                    dialogs_.faults.push_back("a move key picked on " + where);
            }
        }
    }

    template <class Edit>
    void typeInto(Edit* edit, const std::string& where) {
        static const char letters[] = "0123456789 -.abcXYZ";
        std::string typed;
        if (pick(4) == 0) {
            pressKey(edit, Qt::Key_A, Qt::ControlModifier);
            pressKey(edit, Qt::Key_Backspace);
            typed = "<cleared>";
        }
        for (int i = pick(4); i >= 0; --i) {
            char ch = letters[pick(static_cast<int>(sizeof letters) - 1)];
            typed += ch;
            pressKey(edit, 0, Qt::NoModifier, QString(QChar(ch)));
        }
        note("type \"" + typed + "\" into " + where);
    }

    // What a shown window draws that differs from what the game holds, or nothing.
    static std::string disagreement(Game& game, varnholt::QtView& view) {
        if (game.ended()) return {};
        std::ostringstream out;
        for (forms::Form* f : game.loadedForms()) {
            QWidget* win = view.window(*f);
            bool drawn = win && win->isVisible();
            if (drawn != f->visible()) {
                out << f->role() << ": the game has it " << (f->visible() ? "shown" : "hidden") << ", its window is "
                    << (drawn ? "up" : "not up");
                return out.str();
            }
            if (!drawn) continue;
            for (const auto& c : f->controls()) {
                QWidget* w = view.widget(*c);
                std::string what = f->role() + "." + c->key();
                if (w->isVisibleTo(win) != c->visible()) return what + ": visible differs";
                if (w->isEnabled() != c->enabled()) return what + ": enabled differs";
                if (auto* list = qobject_cast<QListWidget*>(w)) {
                    if (list->count() != c->listCount()) return what + ": the rows differ from the items";
                    for (int i = 0; i < list->count(); ++i)
                        if (list->item(i)->text().toStdString() != c->item(i)) return what + ": row " + std::to_string(i) + " differs";
                    if (highlighted(list) != c->listIndex())
                        return what + ": highlight " + std::to_string(highlighted(list)) + ", selected " + std::to_string(c->listIndex());
                } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
                    if (combo->currentIndex() != c->listIndex()) return what + ": shown item differs from the selected one";
                } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
                    if (edit->text().toStdString() != c->text()) return what + ": box \"" + edit->text().toStdString() + "\", game \"" + c->text() + "\"";
                } else if (auto* notes = qobject_cast<QPlainTextEdit*>(w)) {
                    if (notes->toPlainText() != toEditor(c->text())) return what + ": multi-line box differs";
                } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
                    if (button->text().toStdString() != c->text()) return what + ": caption differs";
                } else if (auto* label = qobject_cast<QLabel*>(w); label && c->kind() == ControlKind::Label) {
                    // A caption too long for its one line is cut short, with the whole caption as its tooltip.
                    const bool cut = label->text().endsWith(QChar(0x2026)) && label->toolTip().toStdString() == c->text();
                    if (label->text().toStdString() != c->text() && !cut) return what + ": caption differs";
                } else if (auto* bar = qobject_cast<QScrollBar*>(w)) {
                    if (bar->value() != c->value()) return what + ": value differs";
                }
            }
        }
        return {};
    }

    std::mt19937 rng_;
    RandomDialogs dialogs_;
    fs::path folder_;
    std::string log_;
};

// What a failure says changed: the field by its name, what it was and what it is.
TEST(RandomPlayReport, NamesTheFieldTheGameKeepsThatChanged) {
    const varnholt::scenario::ProgramFolder folder("varnholt-qt-kept");
    forms::QueuedDialogs dialogs;
    varnholt::Game game(folder.path(), dialogs);
    varnholt::QtView view(game);
    view.perform([&] { game.form(varnholt::screens::FederationHub::Name).c("Text1").setText("Varnholt Wrestling"); });
    const KeptFields before = keptFields(game, view, folder.path());
    EXPECT_EQ(keptChange(before, keptFields(game, view, folder.path())), "");

    game.EditMode = 2;
    EXPECT_EQ(keptChange(before, keptFields(game, view, folder.path())), "EditMode: was 0, is 2");
    game.EditMode = 0;
    view.perform([&] { game.form(varnholt::screens::FederationHub::Name).c("Text1").setText("Rival"); });
    EXPECT_NE(keptChange(before, keptFields(game, view, folder.path())).find("FederationHub.Text1: was"), std::string::npos);
    view.perform([&] { game.form(varnholt::screens::FederationHub::Name).c("Text1").setText("Varnholt Wrestling"); });
    const auto length = fs::file_size(folder.path() / "data/wrestlers.dat");
    std::ofstream(folder.path() / "data/wrestlers.dat", std::ios::binary | std::ios::app) << "x";
    EXPECT_EQ(keptChange(before, keptFields(game, view, folder.path())),
              "file data/wrestlers.dat: was " + std::to_string(length) + " bytes, is " + std::to_string(length + 1) +
                  " bytes, first different at byte " + std::to_string(length));
}

// The seeds CI plays, 1 to 40, or those named in VARNHOLT_RANDOM_SEEDS.
std::vector<unsigned> seedsToPlay() {
    std::vector<unsigned> seeds;
    const char* named = std::getenv("VARNHOLT_RANDOM_SEEDS");
    std::istringstream in(named ? named : "1-40");
    for (std::string part; std::getline(in, part, ',');) {
        std::istringstream range(part);
        unsigned first = 0, last = 0;
        char dash = 0;
        if (!(range >> first)) continue;
        if (!(range >> dash >> last) || dash != '-') last = first;
        for (unsigned seed = first; seed <= last; ++seed) seeds.push_back(seed);
    }
    return seeds;
}

// The gestures each seed plays, or as many as VARNHOLT_RANDOM_STEPS says.
int stepsToPlay() {
    const char* named = std::getenv("VARNHOLT_RANDOM_STEPS");
    const int steps = named ? std::atoi(named) : 0;
    return steps > 0 ? steps : 250;
}

class RandomPlayTest : public ::testing::TestWithParam<unsigned> {
protected:
    void SetUp() override {
        here_ = fs::current_path();
        fs::current_path(folder_);  // the game writes its saved games in the current folder
    }
    void TearDown() override { fs::current_path(here_); }

    varnholt::scenario::ProgramFolder program_{"varnholt-qt-random"};
    const fs::path folder_ = program_.path();
    fs::path here_;
};

TEST_P(RandomPlayTest, EveryWindowShowsWhatTheGameHolds) {
    // Typed letters each start a new search of a list, however fast or slow the machine plays: a seed plays
    // the same game every time.
    QApplication::setKeyboardInputInterval(0);
    RandomPlay play(GetParam(), folder_);
    if (std::string wrong = play.play(stepsToPlay()); !wrong.empty()) ADD_FAILURE() << "seed " << GetParam() << ", " << wrong;
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomPlayTest, ::testing::ValuesIn(seedsToPlay()),
                         [](const ::testing::TestParamInfo<unsigned>& seed) { return "seed" + std::to_string(seed.param); });

}  // namespace
