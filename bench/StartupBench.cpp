// varnholt-bench: how long the player waits for the first window and for the first show of every screen
// drawn on a picture, in the process and offscreen (QT_QPA_PLATFORM is set to offscreen unless given).
//
// Every run is a fresh program in a folder of its own: its pictures are files the process has never seen,
// so nothing about them is remembered yet (neither their lightest colour nor Qt's pixmap cache), exactly as
// when the player starts the game. A run ends when the window has had its first paint.
//
//   StartUp/SplashFirstPaint   the game's start-up up to the first paint of the splash screen
//   FirstShow/<screen>         showing one picture screen of a fresh program up to its first paint
//   LightestColour/<picture>   the search for a picture's lightest colour alone
//   Slot/Save, Slot/Load       the click on a game slot that saves a running game, or loads it from the menu
//
// It copies the shipped files from beside its executable, e.g.
//   build/bin/varnholt-bench --benchmark_filter=FirstShow/MainMenu
#include <benchmark/benchmark.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QImage>
#include <QWidget>

#include "forms/Dialogs.h"
#include "game/Game.h"
#include "game/ScreenNames.h"
#include "qt/GameStyle.h"
#include "qt/QtView.h"
#include "qt/Readable.h"
#include "scenario/ProgramFolder.h"

namespace {

// Notes every window that has been painted since the last forget().
class PaintWatch : public QObject {
public:
    PaintWatch() { qApp->installEventFilter(this); }
    ~PaintWatch() override { qApp->removeEventFilter(this); }
    PaintWatch(const PaintWatch&) = delete;
    PaintWatch& operator=(const PaintWatch&) = delete;

    void forget() { painted_.clear(); }

    // Lets Qt run until the window has been painted; false if that took over ten seconds.
    bool waitForFirstPaint(const QWidget* window) {
        QElapsedTimer waited;
        waited.start();
        while (!painted_.count(window)) {
            if (waited.elapsed() > 10000) return false;
            QApplication::processEvents(QEventLoop::AllEvents);
        }
        return true;
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->isWidgetType())
            painted_.insert(static_cast<QWidget*>(watched)->window());
        return false;
    }

private:
    std::set<const QWidget*> painted_;
};

// One fresh program: its own folder with the shipped files, the game and its real window.
class Program {
public:
    Program()
        : folder_("varnholt-bench") {
        game_ = std::make_unique<varnholt::Game>(folder_.path(), dialogs_);
        view_ = std::make_unique<varnholt::QtView>(*game_);
    }
    ~Program() {
        view_.reset();
        game_.reset();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    varnholt::Game& game() { return *game_; }

    void act(const std::function<void(varnholt::Game&)>& action) {
        view_->perform([&] { action(*game_); });
    }

    // The window of a shown screen, or nothing when its load handler moved on to another screen.
    QWidget* shownWindow(const std::string& screen) {
        forms::Form* form = game_->loaded(screen);
        QWidget* window = form ? view_->window(*form) : nullptr;
        return window && window->isVisible() ? window : nullptr;
    }

private:
    varnholt::scenario::ProgramFolder folder_;
    forms::QueuedDialogs dialogs_;
    std::unique_ptr<varnholt::Game> game_;
    std::unique_ptr<varnholt::QtView> view_;
};

// Times one action of a fresh program up to the first paint of the screen it shows, after an untimed
// preparation. The program is made and taken down outside the timing.
void timeFirstPaint(benchmark::State& state, const std::string& screen,
                    const std::function<void(varnholt::Game&)>& prepare,
                    const std::function<void(varnholt::Game&)>& action) {
    PaintWatch watch;
    for (auto _ : state) {
        state.PauseTiming();
        auto program = std::make_unique<Program>();
        program->act(prepare);
        QApplication::processEvents();
        watch.forget();
        state.ResumeTiming();

        program->act(action);
        QWidget* window = program->shownWindow(screen);
        if (!window || !watch.waitForFirstPaint(window)) {
            state.SkipWithError((screen + " was not shown and painted").c_str());
            break;
        }

        state.PauseTiming();
        program.reset();
        state.ResumeTiming();
    }
}

void nothing(varnholt::Game&) {}

// A screen of a running game comes after the federation's hub has loaded; a screen that loads the hub
// itself is unloaded by it again, so such a screen is shown with the hub loaded beforehand, as in play.
void loadHub(varnholt::Game& game) { game.form(varnholt::screens::FederationHub::Role); }

struct PictureScreen {
    std::string role;
    bool afterHub = false;
};

// Whether the screen, shown in a fresh program (after the preparation), comes up on a background picture.
bool showsOnPicture(const std::string& role, const std::function<void(varnholt::Game&)>& prepare) {
    Program program;
    program.act(prepare);
    program.act([&](varnholt::Game& game) { game.show(role); });
    return program.shownWindow(role) && !program.game().form(role).picturePath().empty();
}

// Every screen but the splash (timed as the start-up) that is drawn on a background picture when it is shown.
std::vector<PictureScreen> pictureScreens() {
    std::vector<std::string> roles;
    {
        Program program;
        for (const std::string& name : program.game().formNames()) roles.push_back(program.game().form(name).role());
    }
    std::vector<PictureScreen> screens;
    for (const std::string& role : roles) {
        if (role == varnholt::screens::SplashScreen::Role) continue;
        if (showsOnPicture(role, nothing)) screens.push_back({role, false});
        else if (showsOnPicture(role, loadHub)) screens.push_back({role, true});
    }
    return screens;
}

void lightestColourOf(benchmark::State& state, const char* file) {
    const QImage picture(file);
    for (auto _ : state) benchmark::DoNotOptimize(varnholt::lightestColour(picture));
}

void click(varnholt::Game& game, const char* screen, const char* control) {
    game.form(screen).c(control).playerClick();
    game.collect();
}

// One game of a preset federation, saved to slot 1 and loaded back, click after click.
void slotClicks(benchmark::State& state, bool saving) {
    using namespace varnholt::screens;
    Program program;
    program.act([](varnholt::Game& game) {
        game.start();
        click(game, SplashScreen::Role, "Image1");
        click(game, DisclaimerScreen::Role, "Command1");
        click(game, MainMenu::Role, "Command1");
        click(game, NewGameScreen::Role, "Command1");
    });
    // The game runs with the program folder as its current folder, where the slots' saved games lie.
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(program.game().path(""));
    program.act([](varnholt::Game& game) {
        click(game, FederationHub::Role, "Command14");
        click(game, SaveSlotScreen::Role, "Command1");
    });
    for (auto _ : state) {
        state.PauseTiming();
        program.act([saving](varnholt::Game& game) {
            if (saving) {
                click(game, FederationHub::Role, "Command14");
            } else {
                click(game, FederationHub::Role, "Command12");
                click(game, MainMenu::Role, "Command7");
            }
        });
        QApplication::processEvents();
        state.ResumeTiming();
        program.act([saving](varnholt::Game& game) {
            click(game, saving ? SaveSlotScreen::Role : LoadSlotScreen::Role, "Command1");
        });
        QApplication::processEvents();
    }
    std::filesystem::current_path(before);
}

// The offscreen platform notes every window it is asked to raise; the figures are what matters here.
QtMessageHandler qtsOwnMessages = nullptr;
void quietRaise(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (qtsOwnMessages && !message.contains(QStringLiteral("does not support raise()")))
        qtsOwnMessages(type, context, message);
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qtsOwnMessages = qInstallMessageHandler(quietRaise);
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    varnholt::useGameStyle();

    benchmark::Initialize(&argc, argv);
    benchmark::RegisterBenchmark("StartUp/SplashFirstPaint", [](benchmark::State& state) {
        timeFirstPaint(state, varnholt::screens::SplashScreen::Role, nothing, [](varnholt::Game& game) { game.start(); });
    })->Unit(benchmark::kMillisecond);
    for (const PictureScreen& screen : pictureScreens()) {
        benchmark::RegisterBenchmark(("FirstShow/" + screen.role).c_str(), [screen](benchmark::State& state) {
            timeFirstPaint(state, screen.role, screen.afterHub ? loadHub : nothing,
                           [&](varnholt::Game& game) { game.show(screen.role); });
        })->Unit(benchmark::kMillisecond);
    }
    for (const char* file : {"title.bmp", "QAVLE.bmp"})
        benchmark::RegisterBenchmark((std::string("LightestColour/") + file).c_str(), lightestColourOf, file)
            ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Slot/Save", slotClicks, true)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Slot/Load", slotClicks, false)->Unit(benchmark::kMillisecond);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
