// The game's window on a real X server, with keys and clicks sent through the server as a player's keyboard and
// mouse send them: a key held down repeats there, and a window manager stacks the windows. A program of its own,
// the one that needs the X client library, run by `tests/qt/under-x` (with and without a window manager);
// anywhere else these tests are skipped.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <QApplication>
#include <QEventLoop>
#include <QGuiApplication>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>
#include <QWidget>
#include <xcb/xcb.h>

#include "forms/Dialogs.h"
#include "game/Game.h"
#include "game/ScreenNames.h"
#include "qt/QtView.h"
#include "scenario/ProgramFolder.h"
#include "PresetGame.h"
#include "QtApplication.h"

namespace {

namespace screens = varnholt::screens;

// Lets the program run for a while, in an event loop of its own as the game does: it handles each event as soon
// as the server delivers it.
void run(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// Whether something comes true within ten seconds, the program running meanwhile: a window manager answers in
// its own time, and a machine under load (or a sanitizer) makes it slow.
bool eventually(const std::function<bool()>& holds) {
    for (int waited = 0; waited < 10000 && !holds(); waited += 50) run(50);
    return holds();
}

// Runs xdotool against the server: keys go to the window that has the keyboard, clicks to the point given.
void xdotool(const QStringList& args) { ASSERT_EQ(QProcess::execute(QStringLiteral("xdotool"), args), 0) << args.join(' ').toStdString(); }

// The place of a window in the server's stacking order, counted from the bottom: the place of the top-level
// window that holds it (a window manager puts each window in a frame of its own).
int stackingPlace(const QWidget* w) {
    auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* c = x11->connection();
    auto tree = [c](xcb_window_t of) { return xcb_query_tree_reply(c, xcb_query_tree(c, of), nullptr); };
    xcb_window_t window = static_cast<xcb_window_t>(w->winId());
    xcb_window_t root = 0;
    for (;;) {
        xcb_query_tree_reply_t* up = tree(window);
        if (!up) return -1;
        root = up->root;
        const xcb_window_t parent = up->parent;
        free(up);
        if (parent == root) break;
        window = parent;
    }
    xcb_query_tree_reply_t* all = tree(root);
    if (!all) return -1;
    const xcb_window_t* children = xcb_query_tree_children(all);
    const int count = xcb_query_tree_children_length(all);
    const int place = static_cast<int>(std::find(children, children + count, window) - children);
    free(all);
    return place < count ? place : -1;
}

class RealServer : public ::testing::Test {
protected:
    void SetUp() override {
        if (QGuiApplication::platformName() != QStringLiteral("xcb") ||
            QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
            GTEST_SKIP() << "needs an X server and xdotool: run by tests/qt/under-x";
        program_.emplace("varnholt-qt-realserver");
        game_ = std::make_unique<varnholt::Game>(program_->path(), dialogs_);
        view_ = std::make_unique<varnholt::QtView>(*game_);
        startPresetGame(*game_, *view_);
        // The hub is up and has the keyboard, as the player sees it.
        ASSERT_TRUE(eventually([&] { return QApplication::activeWindow() == window(screens::FederationHub::Role); }));
        run(300);
    }
    void TearDown() override {
        view_.reset();
        game_.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    QWidget* window(const char* screen) { return view_->window(game_->form(screen)); }
    QWidget* widget(const char* screen, const char* control) { return view_->widget(game_->form(screen).c(control)); }
    void click(const char* screen, const char* control) {
        view_->perform([&] { game_->form(screen).c(control).playerClick(); });
        run(200);
    }
    // The player's own click, through the server, near the bottom-left corner of a screen's window; a window
    // manager raises the window and gives it the keyboard.
    void clickOn(const char* screen) {
        const QPoint at = window(screen)->mapToGlobal(QPoint(4, window(screen)->height() - 4));
        xdotool({"mousemove", QString::number(at.x()), QString::number(at.y()), "click", "1"});
        eventually([&] { return QApplication::activeWindow() == window(screen); });
        run(300);
    }
    // The keyboard put on a control, as by a click on its window and a Tab to it.
    void keyboardOn(const char* screen, const char* control) {
        clickOn(screen);
        widget(screen, control)->setFocus(Qt::TabFocusReason);
        ASSERT_TRUE(eventually([&] { return QApplication::focusWidget() == widget(screen, control); }));
    }
    // A key held down for a second and a half, long enough for the server to repeat it some forty times.
    void hold(const char* key) {
        xdotool({"keydown", key});
        run(1500);
        xdotool({"keyup", key});
        run(300);
    }

    std::optional<varnholt::scenario::ProgramFolder> program_;
    forms::QueuedDialogs dialogs_;
    std::unique_ptr<varnholt::Game> game_;
    std::unique_ptr<varnholt::QtView> view_;
};

// Held down, Return or Space on NEXT DAY passes one day each, behind a handler as slow as the player's machine
// may make it.
TEST_F(RealServer, AKeyHeldDownOnNextDayPassesOneDay) {
    const char* hub = screens::FederationHub::Role;
    auto day = [&] { return game_->form(hub).c("Text4").text(); };
    keyboardOn(hub, "Command1");
    hold("Return");
    EXPECT_EQ(day(), "Thursday");
    hold("space");
    EXPECT_EQ(day(), "Friday");

    // A day that takes longer to pass than the server takes to repeat the key.
    struct Slow : QObject {
        bool eventFilter(QObject*, QEvent* e) override {
            if (e->type() == QEvent::KeyPress) QThread::msleep(40);
            return false;
        }
    } slow;
    qApp->installEventFilter(&slow);
    hold("Return");
    qApp->removeEventFilter(&slow);
    EXPECT_EQ(day(), "Saturday");
}

// Held down, Space in a box the player types into types a row of blanks, as in any text box.
TEST_F(RealServer, SpaceHeldInANameBoxTypesBlanks) {
    const char* rename = screens::RenameDialog::Role;
    click(screens::FederationHub::Role, "Command3");
    click(screens::ChampionsScreen::Role, "Command7");  // Rename
    ASSERT_TRUE(game_->isShown(rename));
    keyboardOn(rename, "Text1");
    auto blanks = [&] {
        const std::string typed = game_->form(rename).c("Text1").text();
        return std::count(typed.begin(), typed.end(), ' ');
    };
    const auto before = blanks();
    hold("space");
    EXPECT_GT(blanks(), before + 5);
}

// A dialog stays in front of the screen it came over, also when the player clicks that screen; a screen shown
// later comes in front of it, and it is in front again when its own screen is, or when another screen brings it
// forward.
TEST_F(RealServer, ADialogStaysInFrontOfItsOwnScreen) {
    const char* hub = screens::FederationHub::Role;
    const char* champions = screens::ChampionsScreen::Role;
    const char* rename = screens::RenameDialog::Role;
    auto inFront = [&](const char* one, const char* other) {
        return stackingPlace(window(one)) > stackingPlace(window(other));
    };
    click(hub, "Command3");
    click(champions, "Command7");  // Rename
    ASSERT_TRUE(game_->isShown(rename));
    clickOn(champions);
    EXPECT_TRUE(inFront(rename, champions));
    click(champions, "Command1");  // Return to menu: the dialog stays up, behind the hub
    ASSERT_TRUE(game_->isShown(hub));
    ASSERT_TRUE(game_->isShown(rename));
    clickOn(hub);
    EXPECT_TRUE(eventually([&] { return inFront(hub, rename); }));
    click(hub, "Command3");  // the champions screen again, and its dialog in front of it
    clickOn(champions);
    EXPECT_TRUE(eventually([&] { return inFront(rename, champions); }));

    // The notes pad and the save window over the hub; a screen opened later comes in front of the notes pad.
    click(rename, "Command2");
    click(champions, "Command1");
    for (auto [button, dialog] : {std::pair{"Command4", screens::NotesPad::Role}, {"Command14", screens::SaveSlotScreen::Role}}) {
        SCOPED_TRACE(dialog);
        click(hub, button);
        clickOn(hub);
        EXPECT_TRUE(inFront(dialog, hub));
    }
    window(screens::SaveSlotScreen::Role)->close();
    run(200);
    view_->perform([&] { game_->form(hub).c("List1").setText("Normal mode"); });
    click(hub, "Command1");  // NEXT DAY: tonight's show
    const char* venue = screens::VenueScreen::Role;
    ASSERT_TRUE(game_->isShown(venue));
    ASSERT_TRUE(game_->isShown(screens::NotesPad::Role));
    EXPECT_TRUE(eventually([&] { return inFront(venue, screens::NotesPad::Role); }));
    // Its N brings the notes pad forward, over the venue, which it belongs to from then on.
    click(venue, "Command16");
    clickOn(venue);
    EXPECT_TRUE(inFront(screens::NotesPad::Role, venue));
}

}  // namespace
