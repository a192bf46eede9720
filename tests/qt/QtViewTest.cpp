// The real window over a small screen of its own: drawing, the player's clicks and typing, dialogs.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>

#include "forms/Numbers.h"
#include "forms/Program.h"
#include "qt/QtDialogs.h"
#include "qt/QtView.h"

namespace {

namespace fs = std::filesystem;
using forms::ControlKind;

class QtEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        static int argc = 1;
        static char name[] = "varnholt-qt-tests";
        static char* argv[] = {name, nullptr};
        app_ = new QApplication(argc, argv);
        app_->setQuitOnLastWindowClosed(false);
    }
    void TearDown() override { delete app_; }

private:
    QApplication* app_ = nullptr;
};

[[maybe_unused]] auto* const environment = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

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
    };
    d.controls.back().items = {"Alpha", "Beta", "Gamma"};
    return d;
}

const forms::FormDef FirstDef = screenDef("Test1");
const forms::FormDef SecondDef = screenDef("Test2");

// What the screen's handlers saw.
struct Log {
    int goClicks = 0;
    std::vector<std::string> typed;
    std::vector<std::string> listClicks;
    std::vector<forms::MsgResult> answers;
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
        });
    }

private:
    void load() { setPicture("back.bmp"); }
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
    void picked() { log_.listClicks.push_back(c("List1").text()); }

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

void clickRow(QListWidget* list, int row) {
    QPoint at = list->visualItemRect(list->item(row)).center();
    QMouseEvent press(QEvent::MouseButtonPress, at, list->viewport()->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(list->viewport(), &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, list->viewport()->mapToGlobal(at), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(list->viewport(), &release);
}

void typeKey(QWidget* w, Qt::Key key, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(w, &release);
}

class QtViewTest : public ::testing::Test {
protected:
    QtViewTest() {
        folder_ = fs::temp_directory_path() / ("varnholt-qt-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                                              "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(folder_);
        writeBmp(folder_ / "back.bmp", 4, 4, Backdrop);
        program_ = std::make_unique<forms::Program>(folder_, dialogs_);
        program_->registerForm(FirstDef.name, FirstDef.role, [this] { return std::make_unique<TestScreen>(*program_, FirstDef, log_); });
        program_->registerForm(SecondDef.name, SecondDef.role, [this] { return std::make_unique<TestScreen>(*program_, SecondDef, log_); });
        view_ = std::make_unique<varnholt::QtView>(*program_);
    }
    ~QtViewTest() override {
        view_.reset();
        program_.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        std::error_code ec;
        fs::remove_all(folder_, ec);
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

    fs::path folder_;
    forms::QueuedDialogs dialogs_;
    Log log_;
    std::unique_ptr<forms::Program> program_;
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
    EXPECT_EQ(list->currentRow(), 1);
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

TEST_F(QtViewTest, MessageBoxAnswerReturnsToTheHandler) {
    varnholt::QtDialogs real;
    forms::Program program(folder_, real);
    program.registerForm(FirstDef.name, FirstDef.role, [&] { return std::make_unique<TestScreen>(program, FirstDef, log_); });
    varnholt::QtView view(program);
    view.perform([&] { program.show("Test1"); });
    auto* ask = qobject_cast<QPushButton*>(view.widget(program.form("Test1").c("Command3")));
    ASSERT_NE(ask, nullptr);
    QString text;
    answerNextDialog(QMessageBox::Yes, &text);
    ask->click();
    answerNextDialog(QMessageBox::No);
    ask->click();
    EXPECT_EQ(text, "Sign the contract?");
    EXPECT_EQ(log_.answers, (std::vector<forms::MsgResult>{forms::MsgResult::Yes, forms::MsgResult::No}));
}

TEST_F(QtViewTest, CloseBoxHidesAScreenWithoutAWayOut) {
    forms::Form& f = shown();
    shown("Test2");
    view_->perform([&] { f.c("Text1").setText("kept"); });
    QWidget* win = view_->window(f);
    win->close();
    EXPECT_FALSE(win->isVisible());
    EXPECT_FALSE(program_->isShown("Test1"));
    ASSERT_TRUE(program_->isLoaded("Test1"));
    // The game showing the screen again brings the same window back, with its fields.
    view_->perform([&] { program_->show("Test1"); });
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
