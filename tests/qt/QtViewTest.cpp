// The real window over a small screen of its own: drawing, the player's clicks and typing, dialogs.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include <QApplication>
#include <QComboBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>
#include <QPushButton>
#include <QTimer>

#include "forms/Numbers.h"
#include "forms/Program.h"
#include "qt/QtDialogs.h"
#include "qt/QtView.h"
#include "scenario/ProgramFolder.h"
#include "Gestures.h"
#include "QtApplication.h"

namespace {

namespace fs = std::filesystem;
using forms::ControlKind;
using namespace gestures;

// The background picture: a small solid BMP in this colour.
const QColor Backdrop(40, 90, 160);

void writeBmp(const fs::path& p, int w, int h, QColor c) {
    const int row = (w * 3 + 3) / 4 * 4;
    const int size = 54 + row * h;
    std::vector<unsigned char> b(static_cast<std::size_t>(size), 0);
    auto put32 = [&](int at, int v) {
        for (int i = 0; i < 4; ++i) b[static_cast<std::size_t>(at + i)] = static_cast<unsigned char>(v >> (8 * i));
    };
    b[0] = 'B';
    b[1] = 'M';
    put32(2, size);
    put32(10, 54);
    put32(14, 40);
    put32(18, w);
    put32(22, h);
    b[26] = 1;
    b[28] = 24;
    put32(34, row * h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            std::size_t at = static_cast<std::size_t>(54 + y * row + x * 3);
            b[at] = static_cast<unsigned char>(c.blue());
            b[at + 1] = static_cast<unsigned char>(c.green());
            b[at + 2] = static_cast<unsigned char>(c.red());
        }
    std::ofstream(p, std::ios::binary).write(reinterpret_cast<const char*>(b.data()), size);
}

forms::ControlDef control(ControlKind kind, const char* name, int left, int top, int width, int height,
                          const char* text = "") {
    forms::ControlDef d;
    d.kind = kind;
    d.name = name;
    d.left = left;
    d.top = top;
    d.width = width;
    d.height = height;
    d.text = text;
    return d;
}

forms::FormDef screenDef(const char* name) {
    forms::FormDef d;
    d.name = name;
    d.role = std::string("Role") + name;
    d.caption = std::string("Arena Office ") + name;
    d.width = 6000;
    d.height = 4500;
    d.picture = "back.bmp";
    // Everything sits right of x = 1500 twips (100 pixels): the picture shows alone left of it.
    d.controls = {
        control(ControlKind::Label, "Label1", 1500, 150, 3000, 300, "Welcome to the arena"),
        control(ControlKind::Label, "Label2", 1500, 450, 3000, 300),
        control(ControlKind::Button, "Command1", 1500, 750, 1200, 375, "Go"),
        control(ControlKind::Button, "Command2", 2800, 750, 1200, 375, "Close"),
        control(ControlKind::Button, "Command3", 1500, 1200, 1200, 375, "Ask"),
        control(ControlKind::Button, "Command4", 2800, 1200, 1200, 375, "Fail"),
        control(ControlKind::TextBox, "Text1", 1500, 1650, 3000, 300),
        control(ControlKind::ListBox, "List1", 1500, 2100, 3000, 1500),
        // The right-hand column: a notes box, a display-only drop-down list, a list whose pick the game does
        // not keep, and a button that is off.
        control(ControlKind::TextBox, "Text2", 4600, 150, 1300, 900),
        control(ControlKind::ComboBox, "Combo1", 4600, 1200, 1300, 315),
        control(ControlKind::ListBox, "List2", 4600, 1650, 1300, 900),
        control(ControlKind::Button, "Command6", 4600, 3150, 1300, 375, "Step"),
        control(ControlKind::Button, "Command5", 4600, 2700, 1300, 375, "Off"),
        // A list whose pick books something for good.
        control(ControlKind::ListBox, "List3", 4600, 3600, 1300, 800),
    };
    auto at = [&d](const char* name) -> forms::ControlDef& {
        for (auto& c : d.controls)
            if (c.name == name) return c;
        throw std::logic_error(name);
    };
    at("List1").items = {"Alpha", "Beta", "Gamma"};
    at("Text2").flags = forms::MultiLine;
    at("Combo1").items = {"Face", "Heel"};
    at("Combo1").flags = forms::Locked;
    at("List2").items = {"North", "South"};
    at("Command5").flags = forms::Disabled;
    at("List3").items = {"Alpha", "Beta", "Gamma"};
    at("List3").flags = forms::PickOnPress;
    at("Label2").flags = forms::OneLine;
    return d;
}

// A screen whose Close (Command2) is its way out; with a question, a way out that costs something, so that its
// close box asks first.
forms::FormDef leavingBy(forms::FormDef d, const char* question = "") {
    d.wayOut = "Command2";
    d.closeQuestion = question;
    return d;
}
const char* const Riot = "Leave the arena? The crowd will riot.";

// Screens whose boxes and lists are all off: nothing the player chooses by keys to open on.
forms::FormDef buttonsOnly(const char* name) {
    forms::FormDef d = screenDef(name);
    for (auto& c : d.controls)
        if (forms::isBoxOrList(c.kind)) c.flags |= forms::Disabled;
    return d;
}

const forms::FormDef FirstDef = screenDef("Test1");
const forms::FormDef SecondDef = leavingBy(screenDef("Test2"));
// A third screen, larger than the others, whose way out costs something; Return in its text box presses Go.
const forms::FormDef ThirdDef = [] {
    forms::FormDef d = leavingBy(screenDef("Test3"), Riot);
    d.width = 7500;
    d.height = 5400;
    d.closeTitle = "Leave?";
    d.defaultButton = "Command1";
    d.opensOn = "Text1";
    return d;
}();
// A small window beside the others, like a list of game slots.
const forms::FormDef AsideDef = [] {
    forms::FormDef d = screenDef("Test4");
    d.aside = true;
    return d;
}();
// Screens with nothing to open on but buttons: without a way out, with one that costs nothing, with one that
// costs something.
const forms::FormDef ButtonsDef = buttonsOnly("Test5");
const forms::FormDef FreeWayOutDef = leavingBy(buttonsOnly("Test6"));
const forms::FormDef CostlyWayOutDef = leavingBy(buttonsOnly("Test7"), Riot);

// What the screen's handlers saw.
struct Log {
    int goClicks = 0;
    std::vector<std::string> typed;
    std::vector<std::string> listClicks;
    std::vector<std::string> comboClicks;
    int northSouthClicks = 0;
    std::vector<forms::MsgResult> answers;
    std::vector<std::string> bookings;
    std::string readAfterUnload;
    std::function<void()> duringClose;  // runs inside the close handler, after the screen unloaded itself
};

class TestScreen : public forms::Form {
public:
    TestScreen(forms::Program& p, const forms::FormDef& def, Log& log) : forms::Form(p, def), log_(log) {
        bind<TestScreen>({
            {"Form", forms::Event::Load, &TestScreen::load},
            {"Command1", forms::Event::Click, &TestScreen::go},
            {"Command2", forms::Event::Click, &TestScreen::closeScreen},
            {"Command3", forms::Event::Click, &TestScreen::ask},
            {"Command4", forms::Event::Click, &TestScreen::fail},
            {"Text1", forms::Event::Change, &TestScreen::typed},
            {"List1", forms::Event::Click, &TestScreen::picked},
            {"Combo1", forms::Event::Click, &TestScreen::alignment},
            {"List2", forms::Event::Click, &TestScreen::direction},
            {"Command6", forms::Event::Click, &TestScreen::step},
            {"List3", forms::Event::Click, &TestScreen::booked},
        });
    }

private:
    void load() {
        setPicture("back.bmp");
        c("Combo1").setText("Face");
    }
    void go() { c("Label2").setCaption("Clicked " + std::to_string(++log_.goClicks)); }
    void closeScreen() {
        unload();
        if (log_.duringClose) log_.duringClose();
        // The screen's fields stay readable until the handler returns.
        log_.readAfterUnload = c("Label1").caption();
        c("Label2").setCaption("gone");
    }
    void ask() { log_.answers.push_back(program().msgBox("Sign the contract?", "", forms::MsgButtons::YesNo)); }
    void fail() { throw forms::Overflow(); }
    void typed() { log_.typed.push_back(c("Text1").text()); }
    void booked() { log_.bookings.push_back(c("List3").text()); }
    void picked() { log_.listClicks.push_back(c("List1").text()); }
    void alignment() { log_.comboClicks.push_back(c("Combo1").text()); }
    // Like a booking step: this one closes, the next one opens.
    void step() {
        c("Command6").setEnabled(false);
        c("Command5").setEnabled(true);
    }
    // Like a list whose entry a hire takes away: after the pick nothing stays selected.
    void direction() {
        ++log_.northSouthClicks;
        c("List2").setListIndex(-1);
    }

    Log& log_;
};

// Answers the next modal dialog that appears by pressing one of its buttons; records its text.
void answerNextDialog(QMessageBox::StandardButton button, QString* text = nullptr) {
    auto* timer = new QTimer;
    timer->setInterval(10);
    auto started = std::chrono::steady_clock::now();
    QObject::connect(timer, &QTimer::timeout, [timer, button, text, started] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box && box->button(button)) {
            if (text) *text = box->text();
            timer->stop();
            timer->deleteLater();
            box->button(button)->click();
        } else if (std::chrono::steady_clock::now() - started > std::chrono::seconds(10)) {
            timer->stop();
            timer->deleteLater();
            if (auto* w = QApplication::activeModalWidget()) w->close();
            ADD_FAILURE() << "no dialog appeared";
        }
    });
    timer->start();
}

// A program that can say a game is in play.
class TestProgram : public forms::Program {
public:
    using forms::Program::Program;
    bool playing = false;
    bool inPlay() const override { return playing; }
};

class QtViewTest : public ::testing::Test {
protected:
    QtViewTest() {
        writeBmp(folder_ / "back.bmp", 4, 4, Backdrop);
        program_ = std::make_unique<TestProgram>(folder_, dialogs_);
        program_->registerForm(FirstDef.name, FirstDef.role, [this] { return std::make_unique<TestScreen>(*program_, FirstDef, log_); });
        program_->registerForm(SecondDef.name, SecondDef.role, [this] { return std::make_unique<TestScreen>(*program_, SecondDef, log_); });
        program_->registerForm(ThirdDef.name, ThirdDef.role, [this] { return std::make_unique<TestScreen>(*program_, ThirdDef, log_); });
        for (const forms::FormDef* d : {&AsideDef, &ButtonsDef, &FreeWayOutDef, &CostlyWayOutDef})
            program_->registerForm(d->name, d->role, [this, d] { return std::make_unique<TestScreen>(*program_, *d, log_); });
        program_->setEndQuestion("Are you sure you want to Exit?", "Exit?");
        view_ = std::make_unique<varnholt::QtView>(*program_);
    }
    ~QtViewTest() override {
        view_.reset();
        program_.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    forms::Form& shown(const char* name = "Test1") {
        view_->perform([&] { program_->show(name); });
        return program_->form(name);
    }
    template <class W>
    W* widget(forms::Form& f, const char* key) {
        auto* w = qobject_cast<W*>(view_->widget(f.c(key)));
        EXPECT_NE(w, nullptr) << key;
        return w;
    }

    varnholt::scenario::TempFolder made_{"varnholt-qt-view"};
    const fs::path folder_ = made_.path();
    forms::QueuedDialogs dialogs_;
    Log log_;
    std::unique_ptr<TestProgram> program_;
    std::unique_ptr<varnholt::QtView> view_;
};

TEST_F(QtViewTest, ShownScreenIsAWindowWithCaptionsAndPicture) {
    forms::Form& f = shown();
    QWidget* win = view_->window(f);
    ASSERT_NE(win, nullptr);
    EXPECT_TRUE(win->isVisible());
    EXPECT_EQ(win->windowTitle(), "Arena Office Test1");
    EXPECT_EQ(win->size(), QSize(400, 300));

    bool found = false;
    for (auto* l : win->findChildren<QLabel*>()) found = found || l->text() == "Welcome to the arena";
    EXPECT_TRUE(found);
    auto* go = widget<QPushButton>(f, "Command1");
    ASSERT_NE(go, nullptr);
    EXPECT_EQ(go->geometry(), QRect(100, 50, 80, 25));

    QImage shot = win->grab().toImage();
    EXPECT_EQ(shot.pixelColor(20, 150).rgb(), Backdrop.rgb());
    EXPECT_EQ(shot.pixelColor(90, 280).rgb(), Backdrop.rgb());
}

TEST_F(QtViewTest, ScreenWithoutItsPictureFileHasNoPicture) {
    fs::remove(folder_ / "back.bmp");
    QWidget* win = view_->window(shown());
    ASSERT_NE(win, nullptr);
    EXPECT_NE(win->grab().toImage().pixelColor(20, 150).rgb(), Backdrop.rgb());
}

TEST_F(QtViewTest, ButtonClickRunsHandlerAndCaptionReachesTheLabel) {
    forms::Form& f = shown();
    auto* go = widget<QPushButton>(f, "Command1");
    auto* result = widget<QLabel>(f, "Label2");
    ASSERT_TRUE(go && result);
    go->click();
    go->click();
    EXPECT_EQ(log_.goClicks, 2);
    EXPECT_EQ(result->text(), "Clicked 2");
}

TEST_F(QtViewTest, ModelChangesReachTheWidgets) {
    forms::Form& f = shown();
    view_->perform([&] {
        f.c("Command1").setEnabled(false);
        f.c("Label1").setVisible(false);
        f.c("List1").addItem("Delta");
        f.setCaption("Renamed");
    });
    EXPECT_FALSE(widget<QPushButton>(f, "Command1")->isEnabled());
    EXPECT_FALSE(widget<QLabel>(f, "Label1")->isVisible());
    auto* list = widget<QListWidget>(f, "List1");
    ASSERT_EQ(list->count(), 4);
    EXPECT_EQ(list->item(3)->text(), "Delta");
    EXPECT_EQ(view_->window(f)->windowTitle(), "Renamed");

    // Selecting from code shows the selection and runs the handler once, not again through the widget.
    view_->perform([&] { f.c("List1").setListIndex(1); });
    EXPECT_EQ(highlighted(list), 1);
    EXPECT_EQ(log_.listClicks, std::vector<std::string>{"Beta"});
    view_->perform([&] { f.c("List1").clear(); });
    EXPECT_EQ(list->count(), 0);
}

TEST_F(QtViewTest, TypingReachesTheChangeHandler) {
    forms::Form& f = shown();
    auto* edit = widget<QLineEdit>(f, "Text1");
    ASSERT_NE(edit, nullptr);
    typeKey(edit, Qt::Key_O, "O");
    typeKey(edit, Qt::Key_K, "k");
    EXPECT_EQ(f.c("Text1").text(), "Ok");
    EXPECT_EQ(log_.typed, (std::vector<std::string>{"O", "Ok"}));

    // Text written by the game shows in the box without counting as the player's typing.
    view_->perform([&] { f.c("Text1").setText("Ready"); });
    EXPECT_EQ(edit->text(), "Ready");
    EXPECT_EQ(log_.typed.size(), 3u);
}

TEST_F(QtViewTest, ClickOnTheSelectedListItemRunsClickAgain) {
    forms::Form& f = shown();
    auto* list = widget<QListWidget>(f, "List1");
    ASSERT_NE(list, nullptr);
    clickRow(list, 1);
    clickRow(list, 1);
    clickRow(list, 2);
    EXPECT_EQ(log_.listClicks, (std::vector<std::string>{"Beta", "Beta", "Gamma"}));
    EXPECT_EQ(f.c("List1").listIndex(), 2);
    EXPECT_EQ(list->currentRow(), 2);
}

TEST_F(QtViewTest, HandlerThatUnloadsItsScreen) {
    forms::Form& f = shown();
    QPointer<QWidget> win = view_->window(f);
    widget<QPushButton>(f, "Command2")->click();
    EXPECT_EQ(log_.readAfterUnload, "Welcome to the arena");
    EXPECT_FALSE(program_->isLoaded("Test1"));
    EXPECT_FALSE(win->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(win.isNull());

    // Shown again, it is a fresh screen with its design values.
    forms::Form& again = shown();
    EXPECT_EQ(widget<QLabel>(again, "Label2")->text(), "");
    widget<QPushButton>(again, "Command1")->click();
    EXPECT_EQ(widget<QLabel>(again, "Label2")->text(), "Clicked 1");
}

TEST_F(QtViewTest, UnloadedScreenOutlivesActionsInsideItsHandler) {
    // While the closing handler waits in a dialog, the player clicks on another screen: that action
    // must not free the screen whose handler is still running.
    forms::Form& f = shown();
    forms::Form& other = shown("Test2");
    QPushButton* otherGo = widget<QPushButton>(other, "Command1");
    varnholt::QtDialogs real;
    log_.duringClose = [&] {
        QTimer::singleShot(0, otherGo, [otherGo] { otherGo->click(); });
        answerNextDialog(QMessageBox::Ok);
        real.messageBox("Closing", "Test", forms::MsgButtons::OK, forms::MsgIcon::Information);
    };
    widget<QPushButton>(f, "Command2")->click();
    EXPECT_EQ(log_.goClicks, 1);
    EXPECT_EQ(log_.readAfterUnload, "Welcome to the arena");
    EXPECT_FALSE(program_->isLoaded("Test1"));
}

TEST_F(QtViewTest, RunTimeErrorIsReportedAndPlayGoesOn) {
    forms::Form& f = shown();
    widget<QPushButton>(f, "Command4")->click();
    ASSERT_EQ(dialogs_.shown().size(), 1u);
    EXPECT_EQ(dialogs_.shown()[0].title, "QAVLE");
    EXPECT_EQ(dialogs_.shown()[0].text, "Run-time error 6: Overflow");
    widget<QPushButton>(f, "Command1")->click();
    EXPECT_EQ(log_.goClicks, 1);
}

// The first test screen shown in a program of its own, whose message and input boxes are real Qt dialogs.
struct RealBoxes {
    RealBoxes(const fs::path& folder, Log& log) : program(folder, dialogs), view(program) {
        program.registerForm(FirstDef.name, FirstDef.role,
                             [this, &log] { return std::make_unique<TestScreen>(program, FirstDef, log); });
        view.perform([this] { program.show("Test1"); });
    }
    QWidget* window() { return view.window(program.form("Test1")); }
    template <class W>
    W* widget(const char* key) {
        return qobject_cast<W*>(view.widget(program.form("Test1").c(key)));
    }
    varnholt::QtDialogs dialogs;
    forms::Program program;
    varnholt::QtView view;
};

TEST_F(QtViewTest, MessageBoxAnswerReturnsToTheHandler) {
    RealBoxes real(folder_, log_);
    auto* ask = real.widget<QPushButton>("Command3");
    ASSERT_NE(ask, nullptr);
    QString text;
    answerNextDialog(QMessageBox::Yes, &text);
    ask->click();
    answerNextDialog(QMessageBox::No);
    ask->click();
    EXPECT_EQ(text, "Sign the contract?");
    EXPECT_EQ(log_.answers, (std::vector<forms::MsgResult>{forms::MsgResult::Yes, forms::MsgResult::No}));
}

TEST_F(QtViewTest, CloseBoxHidesAWindowBesideTheScreens) {
    shown("Test2");
    forms::Form& f = shown("Test4");
    view_->perform([&] { f.c("Text1").setText("kept"); });
    QWidget* win = view_->window(f);
    win->close();
    EXPECT_FALSE(win->isVisible());
    EXPECT_FALSE(program_->isShown("Test4"));
    ASSERT_TRUE(program_->isLoaded("Test4"));
    EXPECT_TRUE(dialogs_.shown().empty());
    // The game showing the screen again brings the same window back, with its fields.
    view_->perform([&] { program_->show("Test4"); });
    EXPECT_EQ(view_->window(f), win);
    EXPECT_TRUE(win->isVisible());
    EXPECT_EQ(widget<QLineEdit>(f, "Text1")->text(), "kept");
}

TEST_F(QtViewTest, EndingTheProgramClosesEveryWindow) {
    forms::Form& f = shown();
    QPointer<QWidget> first = view_->window(f);
    QPointer<QWidget> second = view_->window(shown("Test2"));
    view_->perform([&] { program_->end(); });
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull());
    EXPECT_TRUE(second.isNull());
}

}  // namespace

namespace {

TEST_F(QtViewTest, EveryKeyboardMoveOfAListSelectionRunsClick) {
    forms::Form& f = shown();
    auto* list = widget<QListWidget>(f, "List1");
    ASSERT_NE(list, nullptr);
    // With nothing selected yet, the first move lands on the first row.
    pressKey(list, Qt::Key_Down);
    pressKey(list, Qt::Key_End);
    pressKey(list, Qt::Key_Home);
    pressKey(list, Qt::Key_Down);
    pressKey(list, Qt::Key_PageDown);
    pressKey(list, Qt::Key_Up);
    pressKey(list, Qt::Key_G, Qt::NoModifier, "g");
    EXPECT_EQ(log_.listClicks,
              (std::vector<std::string>{"Alpha", "Gamma", "Alpha", "Beta", "Gamma", "Beta", "Gamma"}));
    EXPECT_EQ(f.c("List1").listIndex(), 2);
    EXPECT_EQ(highlighted(list), 2);

    // A key that moves nothing picks nothing; Space or Return on the selected row picks it again, as a click
    // on it does (a match screen's type list is re-chosen that way).
    pressKey(list, Qt::Key_End);
    EXPECT_EQ(log_.listClicks.size(), 7u);
    pressKey(list, Qt::Key_Space, Qt::NoModifier, " ");
    pressKey(list, Qt::Key_Return);
    EXPECT_EQ(log_.listClicks.size(), 9u);
    EXPECT_EQ(log_.listClicks.back(), "Gamma");
}

TEST_F(QtViewTest, PressOnOneRowReleasedOnAnotherPicksTheRowReleasedOn) {
    forms::Form& f = shown();
    auto* list = widget<QListWidget>(f, "List1");
    ASSERT_NE(list, nullptr);
    mouseAt(list, QEvent::MouseButtonPress, rowCentre(list, 0), Qt::LeftButton);
    mouseAt(list, QEvent::MouseMove, rowCentre(list, 1), Qt::LeftButton);
    mouseAt(list, QEvent::MouseMove, rowCentre(list, 2), Qt::LeftButton);
    EXPECT_TRUE(log_.listClicks.empty());  // nothing is picked while the button is down
    mouseAt(list, QEvent::MouseButtonRelease, rowCentre(list, 2), Qt::NoButton);
    EXPECT_EQ(log_.listClicks, std::vector<std::string>{"Gamma"});
    EXPECT_EQ(f.c("List1").listIndex(), 2);
    EXPECT_EQ(highlighted(list), 2);
}

TEST_F(QtViewTest, HighlightAndTheGamesSelectionNeverPartWays) {
    forms::Form& f = shown();
    auto* list = widget<QListWidget>(f, "List1");
    ASSERT_NE(list, nullptr);
    clickRow(list, 1);

    // A Ctrl+click on the selected row would clear Qt's highlight: it is a click, and Beta stays selected.
    clickRow(list, 1, Qt::ControlModifier);
    EXPECT_EQ(log_.listClicks, (std::vector<std::string>{"Beta", "Beta"}));
    EXPECT_EQ(highlighted(list), 1);
    pressKey(list, Qt::Key_Space, Qt::ControlModifier, " ");
    EXPECT_EQ(highlighted(list), 1);

    // A click below the last row picks nothing and leaves the selection where the game keeps it.
    QPoint below(list->viewport()->width() / 2, list->visualItemRect(list->item(2)).bottom() + 20);
    ASSERT_LT(below.y(), list->viewport()->height());
    mouseAt(list, QEvent::MouseButtonPress, below, Qt::LeftButton);
    mouseAt(list, QEvent::MouseButtonRelease, below, Qt::NoButton);
    EXPECT_EQ(log_.listClicks.size(), 3u);
    EXPECT_EQ(f.c("List1").listIndex(), 1);
    EXPECT_EQ(highlighted(list), 1);

    // A right click picks nothing either.
    QMouseEvent right(QEvent::MouseButtonPress, rowCentre(list, 2), list->viewport()->mapToGlobal(rowCentre(list, 2)),
                      Qt::RightButton, Qt::RightButton, Qt::NoModifier);
    QApplication::sendEvent(list->viewport(), &right);
    EXPECT_EQ(highlighted(list), 1);

    // Where the game keeps no selection after a pick, none stays highlighted, by mouse or keyboard.
    auto* other = widget<QListWidget>(f, "List2");
    ASSERT_NE(other, nullptr);
    clickRow(other, 1);
    EXPECT_EQ(highlighted(other), -1);
    pressKey(other, Qt::Key_Home);
    EXPECT_EQ(highlighted(other), -1);
    EXPECT_EQ(log_.northSouthClicks, 2);
}

TEST_F(QtViewTest, LockedDropDownListTakesNoChangeFromThePlayer) {
    forms::Form& f = shown();
    auto* combo = widget<QComboBox>(f, "Combo1");
    ASSERT_NE(combo, nullptr);
    ASSERT_EQ(combo->currentText(), "Face");
    log_.comboClicks.clear();  // the screen's own choice of "Face" as it loaded
    pressKey(combo, Qt::Key_Down);
    pressKey(combo, Qt::Key_End);
    pressKey(combo, Qt::Key_H, Qt::NoModifier, "h");
    QWheelEvent wheel(QPointF(5, 5), combo->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(combo, &wheel);
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), combo->mapToGlobal(QPointF(5, 5)), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(combo, &press);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    EXPECT_EQ(combo->currentText(), "Face");
    EXPECT_EQ(f.c("Combo1").text(), "Face");
    EXPECT_TRUE(log_.comboClicks.empty());

    // Nor does the toolkit take it, whoever asks.
    view_->perform([&] { f.c("Combo1").playerSelect(1); });
    EXPECT_EQ(f.c("Combo1").text(), "Face");
    EXPECT_TRUE(log_.comboClicks.empty());

    // Unlocked by the game, the same key picks as a click does.
    view_->perform([&] { f.c("Combo1").setLocked(false); });
    pressKey(combo, Qt::Key_Down);
    EXPECT_EQ(log_.comboClicks, std::vector<std::string>{"Heel"});
    EXPECT_EQ(combo->currentText(), "Heel");
}

TEST_F(QtViewTest, ReturnAndEnterPressTheFocusedButton) {
    forms::Form& f = shown();
    auto* go = widget<QPushButton>(f, "Command1");
    ASSERT_NE(go, nullptr);
    pressKey(go, Qt::Key_Return);
    pressKey(go, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(log_.goClicks, 2);
    // A held key presses once.
    pressKey(go, Qt::Key_Return, Qt::NoModifier, {}, true);
    EXPECT_EQ(log_.goClicks, 2);
    EXPECT_EQ(widget<QLabel>(f, "Label2")->text(), "Clicked 2");
}

TEST_F(QtViewTest, TabMovesThroughTheEnabledVisibleControlsInTableOrder) {
    forms::Form& f = shown();
    QWidget* win = view_->window(f);
    view_->perform([&] { f.c("Command3").setVisible(false); });
    std::map<QWidget*, std::string> names;
    for (const auto& c : f.controls()) names[view_->widget(*c)] = c->key();
    auto tabs = [&](int key, int times) {
        std::vector<std::string> seen;
        for (int i = 0; i < times; ++i) {
            pressKey(win->focusWidget(), key, key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
            seen.push_back(names.count(win->focusWidget()) ? names[win->focusWidget()] : "?");
        }
        return seen;
    };
    widget<QPushButton>(f, "Command1")->setFocus();
    // Labels are no stops; the hidden Command3, the disabled Command5 and the locked drop-down are skipped; it
    // goes round.
    EXPECT_EQ(tabs(Qt::Key_Tab, 9), (std::vector<std::string>{"Command2", "Command4", "Text1", "List1", "Text2",
                                                                 "List2", "Command6", "List3", "Command1"}));
    EXPECT_EQ(tabs(Qt::Key_Backtab, 4), (std::vector<std::string>{"List3", "Command6", "List2", "Text2"}));

    // A multi-line box passes Tab on instead of typing it.
    auto* notes = widget<QPlainTextEdit>(f, "Text2");
    ASSERT_EQ(win->focusWidget(), notes);
    typeKey(notes, Qt::Key_A, "a");
    pressKey(notes, Qt::Key_Tab, Qt::NoModifier, "\t");
    EXPECT_EQ(f.c("Text2").text(), "a");
    EXPECT_EQ(win->focusWidget(), widget<QListWidget>(f, "List2"));

    // A box the game makes read-only is no stop either, until it is writable again.
    view_->perform([&] { f.c("Text1").setLocked(true); });
    widget<QPushButton>(f, "Command4")->setFocus();
    EXPECT_EQ(tabs(Qt::Key_Tab, 1), std::vector<std::string>{"List1"});
    view_->perform([&] { f.c("Text1").setLocked(false); });
    widget<QPushButton>(f, "Command4")->setFocus();
    EXPECT_EQ(tabs(Qt::Key_Tab, 1), std::vector<std::string>{"Text1"});
}

TEST_F(QtViewTest, KeyboardGoesOnWhereTheScreenGoesOn) {
    // A button that closes its own step and opens the next: Return there leaves the keyboard on the next
    // step, not back at the top of the screen.
    forms::Form& f = shown();
    QWidget* win = view_->window(f);
    auto* step = widget<QPushButton>(f, "Command6");
    step->setFocus();
    pressKey(step, Qt::Key_Return);
    EXPECT_FALSE(step->isEnabled());
    EXPECT_EQ(win->focusWidget(), widget<QPushButton>(f, "Command5"));
}

TEST_F(QtViewTest, FocusedControlWearsAStrongRing) {
    forms::Form& f = shown();
    QWidget* win = view_->window(f);
    win->activateWindow();
    QApplication::processEvents();
    auto* go = widget<QPushButton>(f, "Command1");
    auto* edit = widget<QLineEdit>(f, "Text1");
    for (QWidget* target : {static_cast<QWidget*>(go), static_cast<QWidget*>(edit)}) {
        target->setFocus();
        QApplication::processEvents();
        ASSERT_TRUE(target->hasFocus());
        QImage shot = win->grab().toImage();
        QRect g = target->geometry();
        // Just outside the control, on the picture, the ring's amber; just inside the amber, a dark line.
        EXPECT_EQ(shot.pixelColor(g.left() - 3, g.center().y()), QColor(255, 176, 0));
        EXPECT_EQ(shot.pixelColor(g.center().x(), g.bottom() + 2), QColor(255, 176, 0));
        EXPECT_LT(shot.pixelColor(g.left() - 1, g.center().y()).lightness(), 40);
    }
    // The ring leaves the control the focus left.
    QImage shot = win->grab().toImage();
    EXPECT_EQ(shot.pixelColor(go->geometry().left() - 3, go->geometry().center().y()).rgb(), Backdrop.rgb());
}

TEST_F(QtViewTest, EveryLetteringReadsEnabledOrNot) {
    forms::Form& f = shown();
    view_->perform([&] {
        f.c("Text1").setText("1000");
        f.c("List1").setListIndex(1);
        f.c("Label2").setCaption("Night Rating");
    });
    QWidget* win = view_->window(f);
    auto inside = [&](const char* key) {
        return view_->widget(f.c(key))->geometry().adjusted(3, 3, -3, -3);
    };
    auto check = [&](const char* what) {
        QImage shot = win->grab().toImage();
        for (const char* key : {"Text1", "Command1", "Label1", "Label2", "List1", "Combo1"})
            EXPECT_GE(legibility(shot, inside(key)), 4.5) << key << " " << what;
        // The selected row: its text on its highlight.
        auto* list = widget<QListWidget>(f, "List1");
        QRect row = list->visualItemRect(list->item(1)).adjusted(1, 1, -1, -1);
        row.moveTopLeft(list->viewport()->mapTo(win, row.topLeft()));
        EXPECT_GE(legibility(shot, row), 4.5) << "selected row " << what;
    };
    check("enabled");
    view_->perform([&] {
        for (const char* key : {"Text1", "Command1", "Label1", "Label2", "List1", "Combo1"}) f.c(key).setEnabled(false);
    });
    check("disabled");

    // Disabled still looks disabled: its box figure is greyer than an enabled one.
    QImage shot = win->grab().toImage();
    auto darkest = [&](QRect area) {
        int least = 255;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x) least = std::min(least, QColor(shot.pixel(x, y)).lightness());
        return least;
    };
    int disabledInk = darkest(inside("Text1"));
    view_->perform([&] { f.c("Text1").setEnabled(true); });
    shot = win->grab().toImage();
    EXPECT_GT(disabledInk, darkest(inside("Text1")) + 30);
}

TEST_F(QtViewTest, CloseBoxDoesWhatTheScreensWayOutDoes) {
    shown();
    forms::Form& second = shown("Test2");
    QPointer<QWidget> win = view_->window(second);
    // While its way out is off, the close box leaves the screen as it is.
    view_->perform([&] { second.c("Command2").setEnabled(false); });
    win->close();
    EXPECT_TRUE(win->isVisible());
    EXPECT_TRUE(program_->isShown("Test2"));

    view_->perform([&] { second.c("Command2").setEnabled(true); });
    win->close();
    EXPECT_FALSE(program_->isLoaded("Test2"));
    EXPECT_EQ(log_.readAfterUnload, "Welcome to the arena");
    EXPECT_FALSE(win->isVisible());
    EXPECT_TRUE(program_->isShown("Test1"));
    EXPECT_TRUE(dialogs_.shown().empty());
}

TEST_F(QtViewTest, CloseBoxOfTheLastWindowAsksBeforeTheProgramEnds) {
    forms::Form& f = shown();
    QPointer<QWidget> win = view_->window(f);
    dialogs_.queueAnswer(forms::MsgResult::No);
    win->close();
    ASSERT_EQ(dialogs_.shown().size(), 1u);
    EXPECT_EQ(dialogs_.shown()[0].title, "Exit?");
    EXPECT_EQ(dialogs_.shown()[0].text, "Are you sure you want to Exit?");
    EXPECT_EQ(dialogs_.shown()[0].buttons, forms::MsgButtons::YesNo);
    EXPECT_TRUE(win->isVisible());
    EXPECT_TRUE(program_->isShown("Test1"));
    EXPECT_FALSE(program_->ended());

    dialogs_.queueAnswer(forms::MsgResult::Yes);
    win->close();
    EXPECT_TRUE(program_->ended());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(win.isNull());
}

TEST_F(QtViewTest, ScreenTheCloseBoxHidComesBackWhenNothingElseIsLeft) {
    forms::Form& second = shown("Test2");
    forms::Form& f = shown("Test4");
    QWidget* win = view_->window(f);
    win->close();
    ASSERT_FALSE(program_->isShown("Test4"));
    ASSERT_TRUE(dialogs_.shown().empty());

    // The other screen's own button takes it away: nothing would be left to play on, so the player is asked.
    dialogs_.queueAnswer(forms::MsgResult::No);
    widget<QPushButton>(second, "Command2")->click();
    ASSERT_EQ(dialogs_.shown().size(), 1u);
    EXPECT_EQ(dialogs_.shown()[0].title, "Exit?");
    EXPECT_TRUE(program_->isShown("Test4"));
    EXPECT_TRUE(win->isVisible());
    EXPECT_FALSE(program_->ended());
}

TEST_F(QtViewTest, WindowsOpenCentredAndAtTheSamePlaceEveryTime) {
    QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    forms::Form& f = shown();
    QWidget* win = view_->window(f);
    EXPECT_EQ(win->geometry().center(), area.center());
    QPoint first = win->pos();

    // Moved away, hidden and shown again, it opens where it opened the first time.
    win->move(first + QPoint(37, 21));
    view_->perform([&] { program_->hide("Test1"); });
    view_->perform([&] { program_->show("Test1"); });
    EXPECT_EQ(win->pos(), first);
    // Shown again while it is up, it stays where the player put it.
    win->move(first + QPoint(5, 5));
    view_->perform([&] { program_->show("Test1"); });
    EXPECT_EQ(win->pos(), first + QPoint(5, 5));

    // A larger screen that takes over keeps the same centre.
    view_->perform([&] {
        program_->show("Test3");
        program_->hide("Test1");
    });
    QWidget* larger = view_->window(program_->form("Test3"));
    EXPECT_GT(larger->width(), win->width());
    EXPECT_EQ(larger->geometry().center(), area.center());
}

// Gives a list the keyboard as a player's Tab or click would, window and all.
void giveKeyboard(QWidget* w) {
    w->window()->activateWindow();
    w->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
}

TEST_F(QtViewTest, KeysOnABookingListMoveOnlyTheCursorAndSpaceOrReturnBooks) {
    forms::Form& f = shown();
    auto* list = widget<QListWidget>(f, "List3");
    ASSERT_NE(list, nullptr);
    giveKeyboard(list);
    ASSERT_TRUE(list->hasFocus());
    // None of these books anything or moves the highlight: only the cursor goes, from the top row on.
    std::vector<int> cursor;
    for (auto [key, text] : std::vector<std::pair<int, QString>>{{Qt::Key_Down, {}}, {Qt::Key_Down, {}},
                                                                  {Qt::Key_End, {}}, {Qt::Key_Home, {}},
                                                                  {Qt::Key_PageDown, {}}, {Qt::Key_B, "b"}}) {
        pressKey(list, key, Qt::NoModifier, text);
        cursor.push_back(list->currentRow());
    }
    pressKey(list, Qt::Key_Up, Qt::ControlModifier);
    cursor.push_back(list->currentRow());
    EXPECT_EQ(cursor, (std::vector<int>{0, 1, 2, 0, 2, 1, 0}));
    EXPECT_TRUE(log_.bookings.empty());
    EXPECT_EQ(f.c("List3").listIndex(), -1);
    EXPECT_EQ(highlighted(list), -1);

    // The cursor is a frame of its own on its row, not the highlight: the row's middle stays the list's paper.
    QImage rows = list->viewport()->grab().toImage();
    QRect first = list->visualItemRect(list->item(0));
    const QColor paper = list->palette().color(QPalette::Active, QPalette::Base);
    const QColor ink = list->palette().color(QPalette::Active, QPalette::Text);
    bool framed = false;
    for (int y = first.top(); y <= first.top() + 4; ++y) framed = framed || rows.pixelColor(first.center().x(), y).rgb() == ink.rgb();
    EXPECT_TRUE(framed);
    EXPECT_EQ(rows.pixelColor(first.right() - 40, first.center().y()).rgb(), paper.rgb());

    // Space books the row under the cursor, as a click does; the cursor then moves on alone again.
    pressKey(list, Qt::Key_Space, Qt::NoModifier, " ");
    EXPECT_EQ(log_.bookings, std::vector<std::string>{"Alpha"});
    EXPECT_EQ(highlighted(list), 0);
    pressKey(list, Qt::Key_Down);
    pressKey(list, Qt::Key_End);
    EXPECT_EQ(list->currentRow(), 2);
    EXPECT_EQ(highlighted(list), 0);
    EXPECT_EQ(f.c("List3").text(), "Alpha");
    pressKey(list, Qt::Key_Return);
    EXPECT_EQ(log_.bookings, (std::vector<std::string>{"Alpha", "Gamma"}));
    EXPECT_EQ(highlighted(list), 2);
    clickRow(list, 1);
    EXPECT_EQ(log_.bookings.back(), "Beta");
}

TEST_F(QtViewTest, OnADisplayListTheKeysPickAndTheFirstDownPicksTheTopRow) {
    forms::Form& f = shown();
    auto* list = widget<QListWidget>(f, "List1");
    ASSERT_NE(list, nullptr);
    // Taking the keyboard puts no row under the cursor: the first Down picks the top row, not the second.
    giveKeyboard(list);
    ASSERT_TRUE(list->hasFocus());
    pressKey(list, Qt::Key_Down);
    EXPECT_EQ(log_.listClicks, std::vector<std::string>{"Alpha"});
    pressKey(list, Qt::Key_Down);
    pressKey(list, Qt::Key_A, Qt::NoModifier, "a");
    EXPECT_EQ(log_.listClicks, (std::vector<std::string>{"Alpha", "Beta", "Alpha"}));
    EXPECT_EQ(highlighted(list), 0);

    // Back to no selection, away and back again: the first Down is the top row again.
    view_->perform([&] { f.c("List1").setListIndex(-1); });
    log_.listClicks.clear();
    giveKeyboard(widget<QPushButton>(f, "Command1"));
    giveKeyboard(list);
    pressKey(list, Qt::Key_Down);
    EXPECT_EQ(log_.listClicks, std::vector<std::string>{"Alpha"});
}

// Presses a key on the next modal message box that appears; keeps the text of its default button.
void keyOnNextBox(int key, QString* defaultButton) {
    QTimer::singleShot(20, [key, defaultButton] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            ADD_FAILURE() << "no message box appeared";
            return;
        }
        *defaultButton = box->defaultButton() ? box->defaultButton()->text() : QString();
        pressKey(box, key);
    });
}

TEST_F(QtViewTest, RealMessageBoxAnswersWithItsDefaultButtonAndEscapeIsNo) {
    varnholt::QtDialogs real;
    QString defaultButton;
    auto ask = [&](forms::MsgResult byDefault, int key) {
        keyOnNextBox(key, &defaultButton);
        return real.messageBoxWithDefault("Are you sure you want to Exit?", "Exit?", forms::MsgButtons::YesNo,
                                          forms::MsgIcon::Question, byDefault);
    };
    EXPECT_EQ(ask(forms::MsgResult::No, Qt::Key_Return), forms::MsgResult::No);
    EXPECT_EQ(defaultButton.remove('&'), "No");
    EXPECT_EQ(ask(forms::MsgResult::Yes, Qt::Key_Return), forms::MsgResult::Yes);
    EXPECT_EQ(defaultButton.remove('&'), "Yes");
    EXPECT_EQ(ask(forms::MsgResult::Yes, Qt::Key_Escape), forms::MsgResult::No);
}

TEST_F(QtViewTest, CloseBoxOfAScreenWithoutAWayOutAsksWhateverElseIsOpen) {
    forms::Form& f = shown();
    shown("Test2");
    shown("Test4");
    QWidget* win = view_->window(f);
    dialogs_.queueAnswer(forms::MsgResult::No);
    win->close();
    ASSERT_EQ(dialogs_.shown().size(), 1u);
    EXPECT_EQ(dialogs_.shown()[0].title, "Exit?");
    // Nothing is in play yet: the question's own default stands.
    EXPECT_EQ(dialogs_.shown()[0].defaultAnswer, forms::MsgResult::Yes);
    for (const char* name : {"Test1", "Test2", "Test4"}) EXPECT_TRUE(program_->isShown(name)) << name;
    EXPECT_TRUE(win->isVisible());

    // In play, Return and Escape answer No.
    program_->playing = true;
    dialogs_.queueAnswer(forms::MsgResult::No);
    win->close();
    ASSERT_EQ(dialogs_.shown().size(), 2u);
    EXPECT_EQ(dialogs_.shown()[1].defaultAnswer, forms::MsgResult::No);
    EXPECT_TRUE(program_->isShown("Test1"));
    // Escape never asks and never ends anything.
    pressKey(win, Qt::Key_Escape);
    EXPECT_EQ(dialogs_.shown().size(), 2u);
    EXPECT_TRUE(program_->isShown("Test1"));
}

TEST_F(QtViewTest, CloseBoxAsksBeforeAWayOutThatCostsAndEscapeLeavesItAlone) {
    shown();
    forms::Form& f = shown("Test3");
    QWidget* win = view_->window(f);
    dialogs_.queueAnswer(forms::MsgResult::No);
    win->close();
    ASSERT_EQ(dialogs_.shown().size(), 1u);
    EXPECT_EQ(dialogs_.shown()[0].title, "Leave?");
    EXPECT_EQ(dialogs_.shown()[0].defaultAnswer, forms::MsgResult::No);
    EXPECT_TRUE(program_->isShown("Test3"));
    pressKey(win, Qt::Key_Escape);
    EXPECT_EQ(dialogs_.shown().size(), 1u);
    EXPECT_TRUE(program_->isShown("Test3"));

    dialogs_.queueAnswer(forms::MsgResult::Yes);
    win->close();
    EXPECT_FALSE(program_->isLoaded("Test3"));
}

TEST_F(QtViewTest, EscapeTakesTheWayOutOrHidesAWindowBesideTheScreens) {
    shown();
    forms::Form& second = shown("Test2");
    pressKey(view_->window(second), Qt::Key_Escape);
    EXPECT_FALSE(program_->isLoaded("Test2"));
    forms::Form& aside = shown("Test4");
    pressKey(view_->window(aside), Qt::Key_Escape);
    EXPECT_FALSE(program_->isShown("Test4"));
    EXPECT_TRUE(program_->isShown("Test1"));
    EXPECT_TRUE(dialogs_.shown().empty());
}

TEST_F(QtViewTest, ReturnInAOneLineBoxPressesTheDefaultButton) {
    forms::Form& f = shown("Test3");
    auto* go = widget<QPushButton>(f, "Command1");
    EXPECT_TRUE(go->isDefault());
    // The screen opens on the box it names.
    EXPECT_EQ(view_->window(f)->focusWidget(), widget<QLineEdit>(f, "Text1"));
    auto* box = widget<QLineEdit>(f, "Text1");
    typeKey(box, Qt::Key_7, "7");
    pressKey(box, Qt::Key_Return);
    EXPECT_EQ(log_.goClicks, 1);
    EXPECT_EQ(log_.typed, std::vector<std::string>{"7"});
    // A held key presses once; a default button that is off or hidden is not pressed.
    pressKey(box, Qt::Key_Return, Qt::NoModifier, {}, true);
    view_->perform([&] { f.c("Command1").setEnabled(false); });
    pressKey(box, Qt::Key_Return);
    view_->perform([&] {
        f.c("Command1").setEnabled(true);
        f.c("Command1").setVisible(false);
    });
    pressKey(box, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(log_.goClicks, 1);
    // On a screen without a default button Return in a box presses nothing.
    forms::Form& first = shown();
    pressKey(widget<QLineEdit>(first, "Text1"), Qt::Key_Return);
    EXPECT_EQ(log_.goClicks, 1);
}

TEST_F(QtViewTest, ACaptionTooLongForItsLineEndsInAnEllipsisWithTheWholeCaptionAsTooltip) {
    forms::Form& f = shown();
    auto* label = widget<QLabel>(f, "Label2");
    const std::string whole = "The Undisputed Heavyweight Championship of the Northern Counties and the Isles";
    view_->perform([&] { f.c("Label2").setCaption(whole); });
    ASSERT_TRUE(label->text().endsWith(QChar(0x2026))) << label->text().toStdString();
    EXPECT_TRUE(whole.starts_with(label->text().chopped(1).toStdString()));
    EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->contentsRect().width());
    EXPECT_EQ(label->toolTip().toStdString(), whole);
    EXPECT_EQ(f.c("Label2").caption(), whole);  // the game keeps its caption whole

    view_->perform([&] { f.c("Label2").setCaption("Tag Titles"); });
    EXPECT_EQ(label->text(), "Tag Titles");
    EXPECT_TRUE(label->toolTip().isEmpty());
}

TEST_F(QtViewTest, WhenAWindowGoesTheTopmostOneStillShownTakesTheKeyboard) {
    forms::Form& f = shown();
    giveKeyboard(widget<QPushButton>(f, "Command1"));
    forms::Form& second = shown("Test2");
    giveKeyboard(widget<QPushButton>(second, "Command1"));
    ASSERT_EQ(QApplication::activeWindow(), view_->window(second));
    view_->perform([&] { program_->hide("Test2"); });
    QApplication::processEvents();
    EXPECT_EQ(QApplication::activeWindow(), view_->window(f));
    EXPECT_EQ(QApplication::focusWidget(), widget<QPushButton>(f, "Command1"));
}

// A screen opens with the keyboard on its first box or list the player can use; with none, on its way out when
// taking it costs nothing; else on no control at all, so that a reflex Return does nothing until a Tab.
TEST_F(QtViewTest, AScreenNeverOpensOnAButtonThatActsUnlessItIsAFreeWayOut) {
    forms::Form& first = shown();
    EXPECT_EQ(view_->window(first)->focusWidget(), widget<QLineEdit>(first, "Text1"));

    forms::Form& free = shown("Test6");
    EXPECT_EQ(view_->window(free)->focusWidget(), widget<QPushButton>(free, "Command2"));

    for (const char* name : {"Test5", "Test7"}) {
        SCOPED_TRACE(name);
        forms::Form& f = shown(name);
        QWidget* win = view_->window(f);
        QApplication::processEvents();
        ASSERT_EQ(QApplication::activeWindow(), win);
        EXPECT_EQ(QApplication::focusWidget(), win);
        pressKey(win, Qt::Key_Return);
        pressKey(win, Qt::Key_Space, Qt::NoModifier, " ");
        EXPECT_EQ(log_.goClicks, 0);
        EXPECT_TRUE(program_->isShown(name));
        pressKey(win, Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), widget<QPushButton>(f, "Command1"));
    }
}

// A box of several lines the player only reads is a Tab stop, and the keys scroll it; it never takes the
// keyboard by itself.
TEST_F(QtViewTest, AReadOnlyBoxOfSeveralLinesIsReadByTheKeys) {
    forms::Form& f = shown();
    std::string lines;
    for (int i = 1; i <= 60; ++i) lines += "Round " + std::to_string(i) + " of the commentary\r\n";
    view_->perform([&] {
        f.c("Text2").setText(lines);
        f.c("Text2").setLocked(true);
    });
    auto* notes = widget<QPlainTextEdit>(f, "Text2");
    giveKeyboard(widget<QListWidget>(f, "List1"));
    pressKey(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), notes);
    pressKey(notes, Qt::Key_PageDown);
    const int paged = notes->verticalScrollBar()->value();
    EXPECT_GT(paged, 0);
    pressKey(notes, Qt::Key_Down);
    EXPECT_GT(notes->verticalScrollBar()->value(), paged);
    pressKey(notes, Qt::Key_End);
    EXPECT_EQ(notes->verticalScrollBar()->value(), notes->verticalScrollBar()->maximum());
    pressKey(notes, Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(notes->verticalScrollBar()->value(), 0);
    pressKey(notes, Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(notes->verticalScrollBar()->value(), notes->verticalScrollBar()->maximum());
    EXPECT_EQ(f.c("Text2").text(), lines);

    // A step that takes the keyboard's control away never hands it to the read-only box.
    view_->perform([&] {
        for (const char* name : {"Text1", "List1"}) f.c(name).setEnabled(false);
    });
    auto* step = widget<QPushButton>(f, "Command6");
    giveKeyboard(step);
    pressKey(step, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), widget<QPushButton>(f, "Command5"));
}

// Escapes whatever modal box is up next: No to a question, Cancel to an input box.
void escapeNextBox() {
    QTimer::singleShot(20, [] {
        if (QWidget* box = QApplication::activeModalWidget()) pressKey(box, Qt::Key_Escape);
        else ADD_FAILURE() << "no box appeared";
    });
}

// Without a window manager the keyboard would stay with the screen's root once a box has gone: the window the
// box came over takes it back, on the control that had it.
TEST_F(QtViewTest, AMessageOrInputBoxGivesTheKeyboardBackToTheWindowItCameOver) {
    RealBoxes real(folder_, log_);
    QWidget* win = real.window();
    auto* ask = real.widget<QPushButton>("Command3");
    ASSERT_NE(ask, nullptr);
    giveKeyboard(ask);
    escapeNextBox();
    pressKey(ask, Qt::Key_Return);
    ASSERT_EQ(log_.answers, std::vector<forms::MsgResult>{forms::MsgResult::No});
    QApplication::processEvents();
    EXPECT_EQ(QApplication::activeWindow(), win);
    EXPECT_EQ(QApplication::focusWidget(), ask);

    auto* box = real.widget<QLineEdit>("Text1");
    giveKeyboard(box);
    escapeNextBox();
    real.view.perform([&] { EXPECT_EQ(real.dialogs.inputBox("Name the new arena:", "", ""), std::nullopt); });
    QApplication::processEvents();
    EXPECT_EQ(QApplication::activeWindow(), win);
    EXPECT_EQ(QApplication::focusWidget(), box);
}

}  // namespace
