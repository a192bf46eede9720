// The game's own screens in the real window, driven by keys and the mouse as a player drives them: the
// roster card and the show mode follow every change of a list's selection, the show night's figures read,
// and a week with a show night is played by the keyboard alone.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>

#include "forms/Dialogs.h"
#include "forms/Files.h"
#include "game/Game.h"
#include "game/ScreenNames.h"
#include "qt/QtView.h"
#include "scenario/ProgramFolder.h"
#include "Gestures.h"
#include "KeptState.h"
#include "PresetGame.h"

namespace {

namespace fs = std::filesystem;
using namespace gestures;
namespace screens = varnholt::screens;

class GameGestures : public ::testing::Test {
protected:
    void SetUp() override {
        game_ = std::make_unique<varnholt::Game>(folder_, dialogs_);
        view_ = std::make_unique<varnholt::QtView>(*game_);
        startPresetGame(*game_, *view_);
    }
    void TearDown() override {
        view_.reset();
        game_.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    template <class W>
    W* widget(const char* screen, const char* control) {
        auto* w = qobject_cast<W*>(view_->widget(game_->form(screen).c(control)));
        EXPECT_NE(w, nullptr) << screen << "." << control;
        return w;
    }
    QWidget* window(const char* screen) { return view_->window(game_->form(screen)); }
    void press(const char* screen, const char* button) {
        auto* b = widget<QPushButton>(screen, button);
        ASSERT_TRUE(b && b->isEnabled() && b->isVisible()) << screen << "." << button;
        b->click();
    }
    std::string shownName(const char* screen) { return widget<QLineEdit>(screen, "txtName")->text().toStdString(); }

    // Each test runs as a program of its own, side by side with the others: a folder each.
    varnholt::scenario::ProgramFolder program_{"varnholt-qt-gestures"};
    const fs::path folder_ = program_.path();
    forms::QueuedDialogs dialogs_;
    std::unique_ptr<varnholt::Game> game_;
    std::unique_ptr<varnholt::QtView> view_;
};

TEST_F(GameGestures, RosterCardFollowsKeysAndADragAndFireTakesTheHighlightedWrestler) {
    press("FederationHub", "Command5");
    auto* list = widget<QListWidget>("RosterScreen", "lstData");
    ASSERT_NE(list, nullptr);
    pressKey(list, Qt::Key_Down);
    EXPECT_EQ(shownName("RosterScreen"), "Dougie Rackham");
    pressKey(list, Qt::Key_Down);
    EXPECT_EQ(shownName("RosterScreen"), "Connor Vale");
    dragRows(list, 2, 4);
    EXPECT_EQ(list->item(highlighted(list))->text(), "Gideon Scarrow");
    EXPECT_EQ(shownName("RosterScreen"), "Gideon Scarrow");

    press("RosterScreen", "Command1");
    ASSERT_FALSE(dialogs_.shown().empty());
    EXPECT_EQ(dialogs_.shown().back().title, "Wrestler fired!");
    EXPECT_TRUE(list->findItems("Gideon Scarrow", Qt::MatchExactly).isEmpty());
    EXPECT_EQ(list->findItems("Connor Vale", Qt::MatchExactly).size(), 1);
    EXPECT_EQ(game_->form("RosterScreen").c("lstData").listCount(), list->count());
    EXPECT_EQ(highlighted(list), -1);
}

TEST_F(GameGestures, ShowModeChosenByKeysOrADragOpensTheShowDay) {
    auto* mode = widget<QListWidget>("FederationHub", "List1");
    ASSERT_NE(mode, nullptr);
    pressKey(mode, Qt::Key_Down);
    EXPECT_EQ(game_->form("FederationHub").c("List1").text(), "Normal mode");
    dragRows(mode, 1, 2);
    EXPECT_EQ(game_->form("FederationHub").c("List1").text(), "Touring mode");
    pressKey(mode, Qt::Key_Up);
    EXPECT_EQ(game_->form("FederationHub").c("List1").text(), "Normal mode");
    EXPECT_EQ(mode->item(highlighted(mode))->text(), "Normal mode");

    // Return on NEXT DAY: Wednesday is a show day in "Normal mode".
    pressKey(widget<QPushButton>("FederationHub", "Command1"), Qt::Key_Return);
    EXPECT_TRUE(game_->isShown("VenueScreen"));
    EXPECT_TRUE(window("VenueScreen")->isVisible());
    EXPECT_FALSE(window("FederationHub")->isVisible());
}

TEST_F(GameGestures, ShowNightFiguresReadWhileTheirBoxesAreOff) {
    view_->perform([&] { game_->form("FederationHub").c("List1").setText("Normal mode"); });
    press("FederationHub", "Command1");
    auto* venue = qobject_cast<QPushButton*>(view_->widget(game_->form("VenueScreen").c("Command1", 7)));
    ASSERT_NE(venue, nullptr);
    venue->click();
    clickRow(widget<QListWidget>("PolaroidScreen", "lstData"), 5);
    press("PolaroidScreen", "Command3");
    ASSERT_TRUE(game_->isShown("SinglesMatchScreen"));

    QWidget* win = window("SinglesMatchScreen");
    QImage shot = win->grab().toImage();
    for (const char* box : {"Text17", "Text19", "Text16", "Text18", "Text4"}) {
        QWidget* w = view_->widget(game_->form("SinglesMatchScreen").c(box));
        ASSERT_FALSE(w->isEnabled()) << box;
        EXPECT_GE(legibility(shot, w->geometry().adjusted(3, 3, -3, -3)), 4.5) << box;
    }
    EXPECT_EQ(widget<QLineEdit>("SinglesMatchScreen", "Text17")->text(), "500");
}

// Keys go where a real keyboard sends them: to the control that has the focus.
class KeyboardAlone : public GameGestures {
protected:
    QWidget* focus() {
        QApplication::processEvents();
        return QApplication::focusWidget();
    }
    void key(int k, const QString& text = {}) {
        QWidget* w = focus();
        ASSERT_NE(w, nullptr) << "no control has the keyboard";
        pressKey(w, k, Qt::NoModifier, text);
    }
    // Tabs round the shown screen until the control has the keyboard: every control must be reachable so.
    void tabTo(const char* screen, const char* control, int index = -1) {
        forms::Form& f = game_->form(screen);
        QWidget* target = view_->widget(index < 0 ? f.c(control) : f.c(control, index));
        for (int i = 0; i < 80 && focus() != target; ++i) key(Qt::Key_Tab);
        ASSERT_EQ(focus(), target) << "Tab never reaches " << screen << "." << control;
    }
    void pressButton(const char* screen, const char* control, int index = -1) {
        tabTo(screen, control, index);
        key(Qt::Key_Return);
    }
    // Picks a list's row by the keys: Home and the arrows move the cursor (and on a list that only shows
    // something, the selection with it); Space picks the row under the cursor when the moves picked nothing
    // (a booking list, or the row was selected already).
    void pickRow(const char* screen, const char* list, int row) {
        tabTo(screen, list);
        forms::Control& c = game_->form(screen).c(list);
        const int before = c.listIndex();
        key(Qt::Key_Home);
        for (int i = 0; i < row; ++i) key(Qt::Key_Down);
        if (before == row || (c.form().alive() && c.listIndex() != row)) key(Qt::Key_Space);
    }
    bool on(const char* screen, const char* control) { return game_->form(screen).c(control).enabled(); }
    std::string kept(const QWidget* typedInto) { return keptState(*game_, *view_, folder_, typedInto); }
    // A key pressed by reflex where the keyboard is now changes nothing the game keeps; never on NEXT DAY.
    void reflexChangesNothing(int k, const QString& text = {}) {
        QWidget* at = focus();
        ASSERT_NE(at, nullptr);
        EXPECT_NE(at, view_->widget(game_->form(screens::FederationHub::Role).c("Command1")));
        const std::string before = kept(at);
        key(k, text);
        EXPECT_EQ(kept(at), before);
    }
    // QUIT to the menu, EDITOR, Add.
    void openAddDialog() {
        press("FederationHub", "Command12");
        press("MainMenu", "Command6");
        press("WrestlerEditor", "cmdAdd");
        ASSERT_TRUE(game_->isShown("AddWrestlerDialog"));
    }
};

TEST_F(KeyboardAlone, AWeekWithAShowNight) {
    pickRow("FederationHub", "List1", 1);
    ASSERT_EQ(game_->form("FederationHub").c("List1").text(), "Normal mode");
    pressButton("FederationHub", "Command1");
    ASSERT_TRUE(game_->isShown("VenueScreen"));
    pressButton("VenueScreen", "Command1", 7);
    ASSERT_TRUE(game_->isShown("PolaroidScreen"));
    pickRow("PolaroidScreen", "lstData", 5);
    pressButton("PolaroidScreen", "Command3");
    ASSERT_TRUE(game_->isShown("SinglesMatchScreen"));

    const char* m = "SinglesMatchScreen";
    auto at = [&](const char* control) { return view_->widget(game_->form(m).c(control)); };
    for (int match = 1; match <= 5; ++match) {
        SCOPED_TRACE("match " + std::to_string(match));
        // Each booking step hands the keyboard to the step it opens.
        pickRow(m, "List1", 0);
        ASSERT_TRUE(on(m, "List2"));
        EXPECT_EQ(focus(), at("List2"));
        pickRow(m, "List2", 0);
        ASSERT_TRUE(on(m, "List3"));
        EXPECT_EQ(focus(), at("List3"));
        pickRow(m, "List3", 3);  // no title on the line
        ASSERT_TRUE(on(m, "lstData"));
        EXPECT_EQ(focus(), at("lstData"));
        // The next two wrestlers down the roster: the arrows move the cursor on, Space books the wrestler under
        // it. A new match's cursor starts on no row, whatever the last match booked.
        tabTo(m, "lstData");
        EXPECT_EQ(widget<QListWidget>(m, "lstData")->currentRow(), -1);
        key(Qt::Key_Home);
        for (int i = 0; i < 2 * (match - 1); ++i) key(Qt::Key_Down);
        key(Qt::Key_Space);
        key(Qt::Key_Down);
        EXPECT_EQ(game_->form(m).c("Text6").text(), "");  // a move books nobody
        key(Qt::Key_Space);
        EXPECT_EQ(game_->form(m).c("Text6").text(), game_->form(m).c("lstData").item(2 * match - 1));
        ASSERT_TRUE(on(m, "Command1"));
        std::size_t messages = dialogs_.shown().size();
        pressButton(m, "Command1");
        if (dialogs_.shown().size() > messages) pressButton(m, "Command2");  // he refused to lose
        ASSERT_TRUE(on(m, "Command3"));
        pressButton(m, "Command3");  // Match: the keyboard waits on Next match
        EXPECT_EQ(focus(), at("Command5"));
        key(Qt::Key_Return);  // Next match: on to the next booking, or to End night after the fifth
        EXPECT_EQ(focus(), at(match < 5 ? "List1" : "Command3"));
        if (match < 5) {
            // The last match's pick stays highlighted, but the cursor is on no row: a reflex Return books
            // nothing.
            EXPECT_EQ(widget<QListWidget>(m, "List1")->currentRow(), -1);
            key(Qt::Key_Return);
            EXPECT_FALSE(on(m, "List2"));
        }
    }
    ASSERT_EQ(game_->form(m).c("Command3").caption(), "End night");
    pressButton(m, "Command3");
    ASSERT_TRUE(game_->isShown("FederationHub"));
    EXPECT_FALSE(game_->isLoaded("SinglesMatchScreen"));
    EXPECT_NE(game_->form("FederationInfoScreen").c("Text3").text(), "0");  // the night's rating is kept
    // Back on the hub the keyboard is not on NEXT DAY, which took the player to the night: a reflex Return
    // passes no day.
    reflexChangesNothing(Qt::Key_Return);

    // On through the week end to the next show day.
    for (int day = 0; day < 6; ++day) pressButton("FederationHub", "Command1");
    EXPECT_EQ(game_->form("FederationHub").c("Text4").text(), "Wednesday");
    EXPECT_EQ(game_->form("FederationHub").c("Text5").text(), "Week 2");
    pressButton("FederationHub", "Command1");
    EXPECT_TRUE(game_->isShown("VenueScreen"));
}

// Each screen opens with the keyboard where the player starts on it: the hub on its show modes with no row
// under the cursor (never on NEXT DAY, which passes a day), the Add dialog on the name.
TEST_F(KeyboardAlone, TheHubOpensOnItsShowModesAndTheAddDialogOnName) {
    EXPECT_EQ(focus(), view_->widget(game_->form("FederationHub").c("List1")));
    EXPECT_EQ(widget<QListWidget>("FederationHub", "List1")->currentRow(), -1);
    openAddDialog();
    EXPECT_EQ(focus(), view_->widget(game_->form("AddWrestlerDialog").c("txtName")));
}

// A screen shown again gives the keyboard back to the button that took the player away where pressing it again
// only opens a screen, and a reflex Return or Space there loses nothing; else it opens as it always does, never
// on NEXT DAY.
TEST_F(KeyboardAlone, AReflexKeyJustAfterAScreenIsShownAgainLosesNothing) {
    const char* hub = screens::FederationHub::Role;
    for (auto [button, screen] : {std::pair{"Command2", screens::StaffScreen::Role},
                                  {"Command5", screens::RosterScreen::Role}, {"Command7", screens::ScoutScreen::Role},
                                  {"Command3", screens::ChampionsScreen::Role}, {"Command6", screens::FinanceScreen::Role},
                                  {"Command8", screens::SponsorScreen::Role},
                                  {"Command9", screens::FederationInfoScreen::Role},
                                  {"Command11", screens::FeudScreen::Role}, {"Command10", screens::NewsScreen::Role}}) {
        SCOPED_TRACE(screen);
        pressButton(hub, button);
        ASSERT_TRUE(game_->isShown(screen));
        pressKey(window(screen), Qt::Key_Escape);
        ASSERT_TRUE(game_->isShown(hub));
        EXPECT_EQ(focus(), view_->widget(game_->form(hub).c(button)));
        for (auto [k, text] : {std::pair{Qt::Key_Return, QString()}, {Qt::Key_Space, QString(" ")}}) {
            reflexChangesNothing(k, text);
            ASSERT_TRUE(game_->isShown(screen));  // the same screen again
            pressKey(window(screen), Qt::Key_Escape);
        }
    }

    // A game saved and loaded again by the keys: the hub opens on its show modes.
    const fs::path here = fs::current_path();
    fs::current_path(folder_);  // where the game slots are written
    pressButton(hub, "Command14");
    pressButton(screens::SaveSlotScreen::Role, "Command1");
    pressButton(hub, "Command12");  // QUIT
    pressButton(screens::MainMenu::Role, "Command7");
    pressButton(screens::LoadSlotScreen::Role, "Command1");
    fs::current_path(here);
    ASSERT_TRUE(game_->isShown(hub));
    EXPECT_EQ(focus(), view_->widget(game_->form(hub).c("List1")));
    reflexChangesNothing(Qt::Key_Return);
    reflexChangesNothing(Qt::Key_Space, " ");

    // A show cancelled: back on the hub, the keyboard is not on NEXT DAY, which took the player away.
    pickRow(hub, "List1", 1);  // Normal mode: today is a show day
    pressButton(hub, "Command1");
    ASSERT_TRUE(game_->isShown(screens::VenueScreen::Role));
    dialogs_.queueAnswer(forms::MsgResult::Yes);
    window(screens::VenueScreen::Role)->close();  // Cancel show
    ASSERT_TRUE(game_->isShown(hub));
    reflexChangesNothing(Qt::Key_Return);
}

// The venue shown again a week after its Cancel show, and a week after a booking: the keyboard is on neither
// button that took the player away, and a reflex Return there cancels no show and books no venue.
TEST_F(KeyboardAlone, TheVenueShownAgainAWeekLaterTakesNoReflexReturn) {
    const char* hub = screens::FederationHub::Role;
    const char* venue = screens::VenueScreen::Role;
    auto nextShowDay = [&] {
        ASSERT_TRUE(game_->isShown(hub));
        for (int day = 0; day < 7 && !game_->isShown(venue); ++day) pressButton(hub, "Command1");
        ASSERT_TRUE(game_->isShown(venue));
        ASSERT_NE(focus(), nullptr);
        ASSERT_EQ(focus()->window(), window(venue));
        reflexChangesNothing(Qt::Key_Return);
        EXPECT_TRUE(game_->isShown(venue));
    };
    pickRow(hub, "List1", 1);  // Normal mode: Wednesday is a show day
    pressButton(hub, "Command1");
    ASSERT_TRUE(game_->isShown(venue));
    const int popularity = game_->Popularity;
    pressButton(venue, "Command14");  // Cancel show
    ASSERT_EQ(game_->Popularity, popularity - 15);
    nextShowDay();

    pressButton(venue, "Command1", 7);
    view_->perform([&] {
        forms::Form& polaroids = game_->form(screens::PolaroidScreen::Role);
        polaroids.c("Command3").playerClick();
        forms::Form& m = game_->form(screens::SinglesMatchScreen::Role);
        for (int match = 0; match < 5; ++match) {
            m.c("List1").setText("Singles");
            m.c("List2").setText("Normal");
            m.c("List3").setText("None");
            m.c("lstData").playerSelect(2 * match);
            m.c("lstData").playerSelect(2 * match + 1);
            m.c("Command1").playerClick();
            m.c("Command3").playerClick();
            m.c("Command5").playerClick();
        }
        m.c("Command3").playerClick();  // End night
    });
    nextShowDay();
}

// Every button flagged as only opening a screen does only that, on every screen that has one: pressed on a
// fresh game where the player reaches it, it shows another screen and changes no figure the game keeps (the
// day, money, popularity, a booking, a record file, a save slot).
TEST(OnlyOpensButtons, OpenAScreenAndLoseNothing) {
    std::vector<std::pair<std::string, std::string>> flagged;  // screen role, button
    {
        varnholt::scenario::ProgramFolder folder("varnholt-qt-flags");
        forms::QueuedDialogs dialogs;
        varnholt::Game game(folder.path(), dialogs);
        for (const std::string& name : game.formNames()) {
            forms::Form& f = game.form(name);
            for (const auto& c : f.controls())
                if (c->design().flags & forms::OnlyOpens) flagged.emplace_back(f.role(), c->key());
        }
    }
    ASSERT_FALSE(flagged.empty());
    // How the player reaches each screen that has such a button, from a preset game's first day.
    const std::map<std::string, std::vector<std::pair<const char*, const char*>>> routes = {
        {screens::FederationHub::Role, {}},
        {screens::MainMenu::Role, {{screens::FederationHub::Role, "Command12"}}},
        {screens::WrestlerEditor::Role,
         {{screens::FederationHub::Role, "Command12"}, {screens::MainMenu::Role, "Command6"}}},
    };
    const fs::path here = fs::current_path();
    for (const auto& [screen, button] : flagged) {
        SCOPED_TRACE(screen + "." + button);
        auto route = routes.find(screen);
        ASSERT_NE(route, routes.end()) << "no way to reach " << screen << " is known to this test";
        varnholt::scenario::ProgramFolder folder("varnholt-qt-opens");
        fs::current_path(folder.path());  // where the game slots are read
        forms::QueuedDialogs dialogs;
        {
            varnholt::Game game(folder.path(), dialogs);
            varnholt::QtView view(game);
            startPresetGame(game, view);
            for (const auto& step : route->second)
                view.perform([&] { game.form(step.first).c(step.second).playerClick(); });
            ASSERT_TRUE(game.isShown(screen));
            auto* b = qobject_cast<QPushButton*>(view.widget(game.form(screen).c(button)));
            ASSERT_TRUE(b && b->isEnabled() && b->isVisibleTo(b->window()));
            auto shown = [&] {
                std::set<std::string> out;
                for (forms::Form* f : game.loadedForms())
                    if (f->visible()) out.insert(f->role());
                return out;
            };
            const std::set<std::string> before = shown();
            const KeptFields kept = keptFields(game, view, folder.path());
            b->click();
            EXPECT_FALSE(game.ended());
            if (!game.ended()) {
                const std::set<std::string> after = shown();
                EXPECT_TRUE(std::any_of(after.begin(), after.end(), [&](const auto& s) { return !before.count(s); }))
                    << "no screen opened";
                EXPECT_EQ(keptLoss(kept, keptFields(game, view, folder.path())), "");
            }
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        fs::current_path(here);
    }
}

// After the credits, closed by their own button or by Escape, the keyboard is back on the menu's CREDITS, though
// the menu was unloaded meanwhile. The notes pad opened again puts the caret after the notes already written.
TEST_F(KeyboardAlone, TheCreditsGiveTheKeyboardBackToCreditsAndTheNotesPadWritesOnAtTheEnd) {
    const char* menu = screens::MainMenu::Role;
    const char* credits = screens::CreditsScreen::Role;
    pressButton(screens::FederationHub::Role, "Command12");  // QUIT
    for (bool escape : {false, true}) {
        SCOPED_TRACE(escape ? "Escape" : "the credits' button");
        pressButton(menu, "Command3");
        ASSERT_TRUE(game_->isShown(credits));
        ASSERT_FALSE(game_->isLoaded(menu));
        if (escape) pressKey(window(credits), Qt::Key_Escape);
        else pressButton(credits, "Command1");
        ASSERT_TRUE(game_->isShown(menu));
        EXPECT_EQ(focus(), view_->widget(game_->form(menu).c("Command3")));
    }

    pressButton(menu, "Command1");  // NEW GAME
    pressButton(screens::NewGameScreen::Role, "Command2");
    const char* notes = screens::NotesPad::Role;
    pressButton(screens::FederationHub::Role, "Command4");
    ASSERT_TRUE(game_->isShown(notes));
    auto* pad = widget<QPlainTextEdit>(notes, screens::NotesPad::Notes);
    ASSERT_EQ(focus(), pad);
    for (QChar ch : QString("Book Vale")) key(0, ch);
    key(Qt::Key_Home);
    pressButton(notes, "Command1");  // Back
    ASSERT_FALSE(game_->isShown(notes));
    pressButton(screens::FederationHub::Role, "Command4");
    ASSERT_EQ(focus(), pad);
    EXPECT_EQ(pad->textCursor().position(), pad->toPlainText().size());
}

// The wage typed on the editor's card survives Add and its Cancel: the editor gives the keyboard back to Add,
// whose Return opens the dialog again, and its list has no row under the cursor.
TEST_F(KeyboardAlone, TheEditorShownAgainKeepsTheWageTyped) {
    press("FederationHub", "Command12");
    press("MainMenu", "Command6");
    const char* editor = screens::WrestlerEditor::Role;
    const char* add = screens::AddWrestlerDialog::Role;
    auto* list = widget<QListWidget>(editor, "lstData");
    clickRow(list, 2);
    auto* wage = widget<QLineEdit>(editor, screens::WrestlerEditor::WageBox);
    tabTo(editor, screens::WrestlerEditor::WageBox);
    wage->selectAll();
    for (QChar digit : QString("777")) typeKey(wage, static_cast<Qt::Key>(digit.unicode()), digit);
    ASSERT_EQ(game_->form(editor).c(screens::WrestlerEditor::WageBox).text(), "777");

    pressButton(editor, "cmdAdd");
    ASSERT_TRUE(game_->isShown(add));
    pressKey(window(add), Qt::Key_Escape);  // Cancel
    ASSERT_TRUE(game_->isShown(editor));
    EXPECT_EQ(focus(), view_->widget(game_->form(editor).c("cmdAdd")));
    for (auto [k, text] : {std::pair{Qt::Key_Return, QString()}, {Qt::Key_Space, QString(" ")}}) {
        key(k, text);
        ASSERT_TRUE(game_->isShown(add));
        pressKey(window(add), Qt::Key_Escape);
    }
    tabTo(editor, "lstData");
    EXPECT_EQ(list->currentRow(), -1);
    EXPECT_EQ(highlighted(list), 2);
    key(Qt::Key_Return);
    key(Qt::Key_Space, " ");
    EXPECT_EQ(game_->form(editor).c(screens::WrestlerEditor::WageBox).text(), "777");
    // An arrow moves on from the highlighted wrestler.
    key(Qt::Key_Down);
    EXPECT_EQ(highlighted(list), 3);
}

// Space twice on the feud's roster picks one wrestler: the pick leaves no row under the cursor.
TEST_F(KeyboardAlone, SpaceTwiceOnTheFeudRosterPicksOneWrestler) {
    const char* feuds = screens::FeudScreen::Role;
    pressButton("FederationHub", "Command11");
    press(feuds, "Command1");  // New
    tabTo(feuds, "lstData");
    key(Qt::Key_Down);
    key(Qt::Key_Space, " ");
    const std::string first = game_->form(feuds).c("Label1").caption();
    EXPECT_FALSE(first.empty());
    key(Qt::Key_Space, " ");
    EXPECT_EQ(game_->form(feuds).c("Label2").caption(), "");
    key(Qt::Key_Down);
    key(Qt::Key_Space, " ");
    EXPECT_EQ(game_->form(feuds).c("Label2").caption(), game_->form(feuds).c("lstData").item(1));
}

// The window system repeats a key held down as a release and a press at one time; behind a slow handler Qt
// cannot mark that press as a repeat. Held, Return on NEXT DAY passes one day, and Space on the feud's roster
// picks one wrestler; a press at a later time is the player's again.
TEST_F(KeyboardAlone, AKeyHeldDownActsOnce) {
    auto hold = [&](int k, const QString& text, quint64 from) {
        auto send = [&](QEvent::Type type, quint64 time) {
            QKeyEvent e(type, k, Qt::NoModifier, text);
            e.setTimestamp(time);
            QApplication::sendEvent(focus(), &e);
        };
        send(QEvent::KeyPress, from);
        for (quint64 t = from + 660; t < from + 3000; t += 40) {
            send(QEvent::KeyRelease, t);
            send(QEvent::KeyPress, t);
        }
        send(QEvent::KeyRelease, from + 3010);
    };
    const char* hub = screens::FederationHub::Role;
    auto& day = game_->form(hub).c("Text4");
    tabTo(hub, "Command1");
    ASSERT_EQ(day.text(), "Wednesday");
    hold(Qt::Key_Return, {}, 1000);
    EXPECT_EQ(day.text(), "Thursday");
    hold(Qt::Key_Return, {}, 5000);
    EXPECT_EQ(day.text(), "Friday");

    const char* feuds = screens::FeudScreen::Role;
    pressButton(hub, "Command11");
    press(feuds, "Command1");
    tabTo(feuds, "lstData");
    key(Qt::Key_Down);
    hold(Qt::Key_Space, " ", 9000);
    EXPECT_FALSE(game_->form(feuds).c("Label1").caption().empty());
    EXPECT_EQ(game_->form(feuds).c("Label2").caption(), "");
}

// Without a window manager the keyboard goes, when a window goes, to the topmost game window still up: the hub,
// the notes pad over it and the save window over both.
TEST_F(KeyboardAlone, WhenAWindowGoesTheTopmostOfThoseLeftTakesTheKeyboard) {
    const char* hub = screens::FederationHub::Role;
    const char* notes = screens::NotesPad::Role;
    const char* save = screens::SaveSlotScreen::Role;
    auto active = [] {
        QApplication::processEvents();
        return QApplication::activeWindow();
    };
    press(hub, "Command4");
    press(hub, "Command14");
    ASSERT_EQ(active(), window(save));
    // The top one goes: the notes pad under it takes the keyboard, not the hub.
    pressKey(window(save), Qt::Key_Escape);
    EXPECT_EQ(active(), window(notes));
    // The middle one goes: the top one keeps it.
    press(hub, "Command14");
    ASSERT_EQ(active(), window(save));
    view_->perform([&] { game_->form(notes).c("Command1").playerClick(); });
    EXPECT_FALSE(game_->isShown(notes));
    EXPECT_EQ(active(), window(save));
}

// Boxes of one line the player only reads and controls the game has locked are never Tab stops, nor where
// the keyboard lands by itself.
TEST_F(KeyboardAlone, NoReadOnlyBoxIsATabStop) {
    for (const char* button : {"Command2", "Command5", "Command3", "Command6", "Command9", "Command8"}) {
        press("FederationHub", button);
        forms::Form* opened = nullptr;
        for (forms::Form* f : game_->loadedForms())
            if (f->visible() && f->role() != std::string("FederationHub")) opened = f;
        ASSERT_NE(opened, nullptr) << button;
        // A box of several lines is read by the keys: a Tab stop, but never where the keyboard lands by itself.
        auto readByKeys = [](const forms::Control& c) { return c.design().flags & forms::MultiLine; };
        int locked = 0;
        for (const auto& c : opened->controls()) {
            if (!c->locked()) continue;
            ++locked;
            EXPECT_EQ(bool(view_->widget(*c)->focusPolicy() & Qt::TabFocus), bool(readByKeys(*c)))
                << opened->role() << "." << c->key();
        }
        if (opened->role() == std::string("StaffScreen")) {
            EXPECT_GE(locked, 50);
        }
        // Tab round the whole screen: it never stops on a locked control.
        for (int i = 0; i < 100; ++i) {
            key(Qt::Key_Tab);
            for (const auto& c : opened->controls())
                if (view_->widget(*c) == focus()) {
                    EXPECT_TRUE(!c->locked() || readByKeys(*c)) << opened->role() << "." << c->key();
                }
        }
        pressKey(view_->window(*opened), Qt::Key_Escape);  // the screen's own way back to the hub
        ASSERT_TRUE(game_->isShown("FederationHub")) << opened->role();
    }
}

// Return in a one-line box presses the screen's obvious button; Escape takes the screen's way out.
TEST_F(KeyboardAlone, ReturnSavesAndEscapeCancelsInTheRenameDialog) {
    press("FederationHub", "Command3");
    press("ChampionsScreen", "Command7");
    auto* name = widget<QLineEdit>("RenameDialog", "Text1");
    ASSERT_EQ(focus(), name);
    const std::string before = name->text().toStdString();
    pressKey(name, Qt::Key_Escape);
    EXPECT_FALSE(game_->isLoaded("RenameDialog"));
    press("ChampionsScreen", "Command7");
    name = widget<QLineEdit>("RenameDialog", "Text1");
    pressKey(name, Qt::Key_A, Qt::ControlModifier);
    for (QChar ch : QStringLiteral("Iron Belt")) pressKey(name, 0, Qt::NoModifier, QString(ch));
    pressKey(name, Qt::Key_Return);
    EXPECT_FALSE(game_->isLoaded("RenameDialog"));
    EXPECT_NE(before, "Iron Belt");
    bool renamed = false;
    for (auto* l : window("ChampionsScreen")->findChildren<QLabel*>()) renamed = renamed || l->text() == "Iron Belt";
    EXPECT_TRUE(renamed);
}

TEST_F(KeyboardAlone, ReturnInTheAddDialogSavesAndEscapeCancels) {
    openAddDialog();
    // Return with a name alone: Save runs its checks and says what is missing.
    auto* name = widget<QLineEdit>("AddWrestlerDialog", "txtName");
    for (QChar ch : QStringLiteral("Wes Harrowgate")) pressKey(name, 0, Qt::NoModifier, QString(ch));
    const std::size_t before = dialogs_.shown().size();
    pressKey(name, Qt::Key_Return);
    EXPECT_GT(dialogs_.shown().size(), before);
    EXPECT_TRUE(game_->isShown("AddWrestlerDialog"));
    pressKey(window("AddWrestlerDialog"), Qt::Key_Escape);
    EXPECT_FALSE(game_->isShown("AddWrestlerDialog"));
    EXPECT_TRUE(game_->isShown("WrestlerEditor"));
}

TEST_F(KeyboardAlone, ReturnInACreatedFederationsBoxPlays) {
    press("FederationHub", "Command12");
    press("MainMenu", "Command1");
    press("NewGameScreen", "Command8");  // CREATE A FED
    ASSERT_TRUE(game_->isShown("CreateFederationScreen"));
    auto* play = widget<QPushButton>("CreateFederationScreen", "Command2");
    EXPECT_TRUE(play->isDefault());
    const std::size_t before = dialogs_.shown().size();
    pressKey(widget<QLineEdit>("CreateFederationScreen", "Text1"), Qt::Key_Return);
    ASSERT_EQ(dialogs_.shown().size(), before + 1);
    EXPECT_EQ(dialogs_.shown().back().text, "Not a valid created fed");
    pressKey(window("CreateFederationScreen"), Qt::Key_Escape);  // Back
    EXPECT_TRUE(game_->isShown("MainMenu"));
}

// The close box of the hub asks, whatever else is open, and No there is the default while a game runs.
TEST_F(KeyboardAlone, TheHubsCloseBoxAsksWithTheNotesPadOpenAndNoKeepsIt) {
    press("FederationHub", "Command4");  // the notes pad
    ASSERT_TRUE(game_->isShown("NotesPad"));
    dialogs_.queueAnswer(forms::MsgResult::No);
    window("FederationHub")->close();
    ASSERT_FALSE(dialogs_.shown().empty());
    EXPECT_EQ(dialogs_.shown().back().title, "Exit?");
    EXPECT_EQ(dialogs_.shown().back().defaultAnswer, forms::MsgResult::No);
    EXPECT_TRUE(window("FederationHub")->isVisible());
    EXPECT_TRUE(window("NotesPad")->isVisible());
    EXPECT_FALSE(game_->ended());

    // The pad's Back by Escape: without a window manager the hub takes the keyboard back.
    pressKey(window("NotesPad"), Qt::Key_Escape);
    EXPECT_FALSE(game_->isShown("NotesPad"));
    EXPECT_EQ(focus(), view_->widget(game_->form("FederationHub").c("List1")));
    EXPECT_EQ(QApplication::activeWindow(), window("FederationHub"));
}

TEST_F(KeyboardAlone, EscapeHidesAGameSlotWindowAndNeverEndsTheGame) {
    press("FederationHub", "Command14");  // SAVE
    ASSERT_TRUE(game_->isShown("SaveSlotScreen"));
    pressKey(window("SaveSlotScreen"), Qt::Key_Escape);
    EXPECT_FALSE(game_->isShown("SaveSlotScreen"));
    EXPECT_EQ(focus(), view_->widget(game_->form("FederationHub").c("List1")));
    const std::size_t asked = dialogs_.shown().size();
    pressKey(window("FederationHub"), Qt::Key_Escape);
    EXPECT_EQ(dialogs_.shown().size(), asked);
    EXPECT_TRUE(game_->isShown("FederationHub"));
    EXPECT_FALSE(game_->ended());
}

TEST_F(KeyboardAlone, TheVenuesCloseBoxAsksAndNoChangesNothing) {
    view_->perform([&] { game_->form("FederationHub").c("List1").setText("Normal mode"); });
    press("FederationHub", "Command1");
    ASSERT_TRUE(game_->isShown("VenueScreen"));
    const std::string popularity = game_->form("FederationHub").c("Text7").text();
    dialogs_.queueAnswer(forms::MsgResult::No);
    window("VenueScreen")->close();
    ASSERT_FALSE(dialogs_.shown().empty());
    EXPECT_EQ(dialogs_.shown().back().title, "Cancel show?");
    EXPECT_EQ(dialogs_.shown().back().defaultAnswer, forms::MsgResult::No);
    EXPECT_TRUE(window("VenueScreen")->isVisible());
    EXPECT_EQ(game_->form("FederationHub").c("Text7").text(), popularity);
    // Escape costs nothing either.
    const std::size_t asked = dialogs_.shown().size();
    pressKey(window("VenueScreen"), Qt::Key_Escape);
    EXPECT_EQ(dialogs_.shown().size(), asked);
    EXPECT_TRUE(window("VenueScreen")->isVisible());
    EXPECT_EQ(game_->form("FederationHub").c("Text7").text(), popularity);
}

// Keys on the lists whose pick cannot be taken back move only the cursor; Space or Return books.
TEST_F(KeyboardAlone, NoMoveKeyBooksOnTheMatchScreen) {
    view_->perform([&] { game_->form("FederationHub").c("List1").setText("Normal mode"); });
    press("FederationHub", "Command1");
    view_->perform([&] {
        game_->form("VenueScreen").c("Command1", 7).playerClick();
        game_->form("PolaroidScreen").c("lstData").playerSelect(5);
        game_->form("PolaroidScreen").c("Command3").playerClick();
    });
    const char* m = "SinglesMatchScreen";
    ASSERT_TRUE(game_->isShown(m));
    forms::Form& f = game_->form(m);
    auto* types = widget<QListWidget>(m, "List1");
    tabTo(m, "List1");
    for (int k : {Qt::Key_Down, Qt::Key_Down, Qt::Key_End, Qt::Key_PageUp}) key(k);
    key(Qt::Key_T, "t");
    pressKey(types, Qt::Key_Down, Qt::ControlModifier);
    EXPECT_TRUE(game_->isShown(m));
    EXPECT_FALSE(game_->isShown("TripleThreatMatchScreen"));
    EXPECT_FALSE(f.c("List2").enabled());
    EXPECT_EQ(highlighted(types), f.c("List1").listIndex());
    // The cursor went where the keys sent it; Return books that row.
    key(Qt::Key_Home);
    key(Qt::Key_Return);
    EXPECT_EQ(f.c("List1").text(), "Singles");
    EXPECT_TRUE(f.c("List2").enabled());

    pickRow(m, "List2", 0);
    pickRow(m, "List3", 3);
    tabTo(m, "lstData");
    for (int k : {Qt::Key_Down, Qt::Key_Down, Qt::Key_PageDown, Qt::Key_Home}) key(k);
    key(Qt::Key_D, "d");
    EXPECT_EQ(f.c("Text5").text(), "");
    EXPECT_EQ(f.c("Text6").text(), "");
    EXPECT_EQ(f.c("lstData").listIndex(), -1);
    auto* roster = widget<QListWidget>(m, "lstData");
    const int cursor = roster->currentRow();
    ASSERT_GE(cursor, 0);
    key(Qt::Key_Space);
    EXPECT_EQ(f.c("Text5").text(), f.c("lstData").item(cursor));
}

TEST_F(KeyboardAlone, TheFeudListStartsNoFeudByAMoveAndTheKeyboardNeverLandsOnEnd) {
    press("FederationHub", "Command11");
    const char* s = "FeudScreen";
    forms::Form& f = game_->form(s);
    press(s, "Command1");  // New
    EXPECT_EQ(focus(), view_->widget(f.c("lstData")));
    key(Qt::Key_Down);
    key(Qt::Key_Down);
    EXPECT_EQ(f.c("Label1").caption(), "");
    EXPECT_FALSE(f.c("Command2").enabled());
    key(Qt::Key_Space);
    EXPECT_NE(f.c("Label1").caption(), "");
    key(Qt::Key_Down);
    key(Qt::Key_Return);
    ASSERT_TRUE(f.c("Command2").enabled());  // the feud is on: its End is open
    EXPECT_NE(f.c("Label2").caption(), "");
    // Return now must not end it.
    EXPECT_NE(focus(), view_->widget(f.c("Command2")));
    EXPECT_EQ(focus(), view_->widget(f.c("Command3")));
    key(Qt::Key_Return);
    EXPECT_TRUE(game_->isShown("FederationHub"));
    EXPECT_NE(game_->FeudNames[0][0], "");
}

// The triple-threat and four-way screens: white on red in their boxes and lists, white on black in their
// labels, readable enabled or not.
TEST_F(KeyboardAlone, TheTripleThreatAndFourWayScreensAreWhiteOnRed) {
    for (const char* m : {"TripleThreatMatchScreen", "FourWayMatchScreen"}) {
        SCOPED_TRACE(m);
        view_->perform([&] {
            forms::Form& f = game_->form(m);
            f.c("Text18").setText("Hugo Brenchley");
            f.show();
        });
        forms::Form& f = game_->form(m);
        QWidget* box = view_->widget(f.c("Text18"));
        QWidget* list = view_->widget(f.c("List1"));
        QWidget* label = view_->widget(f.c("Label2"));
        for (QWidget* w : {box, list}) {
            const QColor paper = w->palette().color(QPalette::Active, QPalette::Base);
            EXPECT_GT(paper.red(), 120);
            EXPECT_LT(paper.green() + paper.blue(), 20);
            EXPECT_EQ(w->palette().color(QPalette::Active, QPalette::Text), QColor(Qt::white));
        }
        EXPECT_EQ(label->palette().color(QPalette::Active, QPalette::Window), QColor(Qt::black));
        EXPECT_EQ(label->palette().color(QPalette::Active, QPalette::WindowText), QColor(Qt::white));
        auto reads = [&](const char* what) {
            QImage shot = view_->window(f)->grab().toImage();
            for (QWidget* w : {box, list, label})
                EXPECT_GE(legibility(shot, w->geometry().adjusted(3, 3, -3, -3)), 4.5) << what;
        };
        ASSERT_FALSE(box->isEnabled());
        ASSERT_FALSE(label->isEnabled());
        reads("off");
        view_->perform([&] {
            for (const char* c : {"Text18", "Label2"}) f.c(c).setEnabled(true);
        });
        reads("on");
        view_->perform([&] { f.hide(); });
    }
}

// Return opens a screen and a reflex Return follows on whatever the new screen gave the keyboard: it acts on
// nothing the player has not seen yet. (It may type into the box it finds, as in the notes pad.) The screens
// that name what Return does on them are left out: the hub's NEXT DAY, the menu's NEW GAME, and the dialogs
// whose box presses Save or Play.
TEST_F(KeyboardAlone, AReflexReturnJustAfterAScreenOpensChangesNothing) {
    auto reflex = [&](const char* screen) {
        SCOPED_TRACE(screen);
        ASSERT_TRUE(game_->isShown(screen));
        ASSERT_NE(focus(), nullptr);
        ASSERT_EQ(focus()->window(), window(screen));
        reflexChangesNothing(Qt::Key_Return);
    };
    auto away = [&](const char* screen) { pressKey(window(screen), Qt::Key_Escape); };
    const char* hub = screens::FederationHub::Role;
    const char* menu = screens::MainMenu::Role;

    // The menu's screens.
    pressButton(hub, "Command12");  // QUIT
    for (auto [button, screen] : {std::pair{"Command3", screens::CreditsScreen::Role},
                                  {"Command1", screens::NewGameScreen::Role}, {"Command7", screens::LoadSlotScreen::Role},
                                  {"Command6", screens::WrestlerEditor::Role}}) {
        pressButton(menu, button);
        reflex(screen);
        away(screen);
        ASSERT_TRUE(game_->isShown(menu)) << screen;
    }

    // A new game, and the hub's screens.
    pressButton(menu, "Command1");
    pressButton(screens::NewGameScreen::Role, "Command2");
    for (auto [button, screen] : {std::pair{"Command5", screens::RosterScreen::Role},
                                  {"Command7", screens::ScoutScreen::Role}, {"Command2", screens::StaffScreen::Role},
                                  {"Command3", screens::ChampionsScreen::Role}, {"Command6", screens::FinanceScreen::Role},
                                  {"Command8", screens::SponsorScreen::Role},
                                  {"Command9", screens::FederationInfoScreen::Role},
                                  {"Command11", screens::FeudScreen::Role}, {"Command10", screens::NewsScreen::Role},
                                  {"Command14", screens::SaveSlotScreen::Role}, {"Command4", screens::NotesPad::Role}}) {
        pressButton(hub, button);
        reflex(screen);
        away(screen);
        ASSERT_TRUE(game_->isShown(hub)) << screen;
    }

    // A show night: the venue, the polaroids, and each match screen as the night moves to it.
    pickRow(hub, "List1", 1);  // Normal mode: Wednesday is a show day
    pressButton(hub, "Command1");
    reflex(screens::VenueScreen::Role);
    pressButton(screens::VenueScreen::Role, "Command1", 7);
    reflex(screens::PolaroidScreen::Role);
    pickRow(screens::PolaroidScreen::Role, "lstData", 5);
    pressButton(screens::PolaroidScreen::Role, "Command3");
    reflex(screens::SinglesMatchScreen::Role);
    pickRow(screens::SinglesMatchScreen::Role, "List1", 3);  // Tag Team
    reflex(screens::TagMatchScreen::Role);
    view_->perform([&] { game_->form(screens::TagMatchScreen::Role).c("List1").setText("Triple Threat"); });
    reflex(screens::TripleThreatMatchScreen::Role);
    view_->perform([&] { game_->form(screens::TripleThreatMatchScreen::Role).c("List1").setText("Four Way"); });
    reflex(screens::FourWayMatchScreen::Role);
}

// Escape on the polaroid screen loses nothing; its close box goes on to the night only after asking, when
// nobody is picked and the night's polaroid sales would be lost.
TEST_F(KeyboardAlone, ThePolaroidsCloseBoxAsksBeforeTheNightGoesOnWithoutPolaroids) {
    const char* polaroids = screens::PolaroidScreen::Role;
    pickRow(screens::FederationHub::Role, "List1", 1);
    pressButton(screens::FederationHub::Role, "Command1");
    pressButton(screens::VenueScreen::Role, "Command1", 7);
    ASSERT_TRUE(game_->isShown(polaroids));
    const std::size_t asked = dialogs_.shown().size();
    pressKey(window(polaroids), Qt::Key_Escape);
    EXPECT_TRUE(game_->isShown(polaroids));
    EXPECT_EQ(dialogs_.shown().size(), asked);

    dialogs_.queueAnswer(forms::MsgResult::No);
    window(polaroids)->close();
    ASSERT_EQ(dialogs_.shown().size(), asked + 1);
    EXPECT_EQ(dialogs_.shown().back().title, "No polaroids?");
    EXPECT_EQ(dialogs_.shown().back().defaultAnswer, forms::MsgResult::No);
    EXPECT_TRUE(game_->isShown(polaroids));

    // With a wrestler picked the close box goes on as Continue does, polaroids and all.
    pickRow(polaroids, "lstData", 5);
    window(polaroids)->close();
    EXPECT_EQ(dialogs_.shown().size(), asked + 1);
    ASSERT_TRUE(game_->isShown(screens::SinglesMatchScreen::Role));
    EXPECT_NE(game_->form(screens::SinglesMatchScreen::Role).c("Text20").text(), "0");
}

// A long commentary is read to its finish by the keys: Tab reaches it after the match, the keys scroll it, and
// the keyboard never lands on it by itself.
TEST_F(KeyboardAlone, TheCommentaryIsReachedByTabAndScrolledByTheKeys) {
    const char* m = screens::FourWayMatchScreen::Role;
    view_->perform([&] {
        game_->form(screens::FederationHub::Role).c("List1").setText("Normal mode");
        game_->form(screens::FederationHub::Role).c("Command1").playerClick();
        game_->form(screens::VenueScreen::Role).c("Command1", 7).playerClick();
        game_->form(screens::PolaroidScreen::Role).c("Command3").playerClick();
        game_->form(screens::SinglesMatchScreen::Role).c("List1").playerSelect(2);  // Four Way
        forms::Form& f = game_->form(m);
        f.c("List2").playerSelect(0);
        f.c("List3").playerSelect(3);
        for (int row = 0; row < 4; ++row) f.c("lstData").playerSelect(row);
        f.c("Command1").playerClick();
    });
    ASSERT_TRUE(game_->isShown(m));
    pressButton(m, "Command3");  // Match
    EXPECT_EQ(focus(), view_->widget(game_->form(m).c("Command8")));  // Next match, not the commentary
    // A commentary longer than its box, as a long four-way match gives on a small screen.
    forms::Control& text = game_->form(m).c("Text4");
    const std::string once = text.text();
    view_->perform([&] {
        for (int i = 0; i < 4; ++i) text.setText(text.text() + "\r\n" + once);
    });
    auto* commentary = widget<QPlainTextEdit>(m, "Text4");
    tabTo(m, "Text4");
    ASSERT_GT(commentary->verticalScrollBar()->maximum(), 0);
    key(Qt::Key_PageDown);
    EXPECT_GT(commentary->verticalScrollBar()->value(), 0);
    key(Qt::Key_End);
    EXPECT_EQ(commentary->verticalScrollBar()->value(), commentary->verticalScrollBar()->maximum());
    EXPECT_TRUE(game_->form(m).c("Command8").enabled());
}

// Typing a letter again on a list goes on to the next entry with that letter, round to the first again; letters
// typed quickly spell the start of an entry. On a booking list they move only the cursor.
TEST_F(KeyboardAlone, TheSameLetterAgainGoesToTheNextEntryWithIt) {
    const int interval = QApplication::keyboardInputInterval();
    QApplication::setKeyboardInputInterval(60000);
    view_->perform([&] {
        game_->form(screens::FederationHub::Role).c("List1").setText("Normal mode");
        game_->form(screens::FederationHub::Role).c("Command1").playerClick();
        game_->form(screens::VenueScreen::Role).c("Command1", 7).playerClick();
        game_->form(screens::PolaroidScreen::Role).c("Command3").playerClick();
    });
    const char* m = screens::SinglesMatchScreen::Role;
    auto* types = widget<QListWidget>(m, "List1");  // Singles, Triple Threat, Four Way, Tag Team
    tabTo(m, "List1");
    std::vector<int> rows;
    for (int i = 0; i < 3; ++i) {
        key(Qt::Key_T, "t");
        rows.push_back(types->currentRow());
    }
    EXPECT_EQ(rows, (std::vector<int>{1, 3, 1}));
    QApplication::setKeyboardInputInterval(0);  // a pause: each letter starts a search of its own
    key(Qt::Key_S, "s");
    EXPECT_EQ(types->currentRow(), 0);
    key(Qt::Key_T, "t");
    EXPECT_EQ(types->currentRow(), 1);
    QApplication::setKeyboardInputInterval(60000);
    key(Qt::Key_A, "a");  // quickly after the "t": "ta"
    EXPECT_EQ(types->currentRow(), 3);
    EXPECT_EQ(game_->form(m).c("List1").listIndex(), -1);
    EXPECT_FALSE(on(m, "List2"));
    QApplication::setKeyboardInputInterval(interval);
}

// New on another row moves the feud still waiting for its wrestlers there: the keyboard stays with the roster
// list, where the picks are made, never on the old row's New.
TEST_F(KeyboardAlone, NewOnAnotherFeudRowLeavesTheKeyboardOnTheRoster) {
    const char* s = screens::FeudScreen::Role;
    pressButton(screens::FederationHub::Role, "Command11");
    forms::Form& f = game_->form(s);
    pressButton(s, "Command1");  // New, first row
    EXPECT_EQ(focus(), view_->widget(f.c("lstData")));
    pressButton(s, "Command5");  // New, second row: the first row's New is open again
    EXPECT_TRUE(f.c("Command1").enabled());
    EXPECT_EQ(focus(), view_->widget(f.c("lstData")));
}

}  // namespace
