// varnholt-snapshot SCENARIO OUTDIR [FORM...]
//
// Plays a scenario file in the real window, drawn offscreen, and writes the windows of the named screens
// (every screen of the game when none is named) as OUTDIR/<role>.png. A named screen that is hidden or
// not loaded yet is shown for its picture. Run it from the build's bin folder, beside the shipped files:
//
//     cd build/bin && QT_QPA_PLATFORM=offscreen ./varnholt-snapshot ../../docs/hub.scn ../../docs
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include <QApplication>
#include <QPixmap>
#include <QWidget>

#include "game/Game.h"
#include "qt/GameStyle.h"
#include "qt/QtView.h"
#include "scenario/Scenario.h"

namespace fs = std::filesystem;

int main(int argc, char** argv) {
    if (argc < 3) {
        std::cerr << "usage: varnholt-snapshot SCENARIO OUTDIR [FORM...]\n";
        return 2;
    }
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    varnholt::useGameStyle();
    const fs::path scenarioFile = fs::absolute(argv[1]);
    const fs::path out = fs::absolute(argv[2]);
    std::vector<std::string> wanted(argv + 3, argv + argc);
    fs::create_directories(out);

    std::unique_ptr<varnholt::QtView> view;
    int written = 0;
    bool failed = false;
    varnholt::scenario::Options options;
    options.shippedFolder = varnholt::scenario::executableFolder();
    options.prepare = [&view](varnholt::Game& game) { view = std::make_unique<varnholt::QtView>(game); };
    options.finish = [&](varnholt::Game& game) {
        if (wanted.empty()) wanted = game.formNames();
        for (const std::string& name : wanted) {
            if (!game.knows(name)) {
                std::cerr << "no screen named " << name << "\n";
                failed = true;
                continue;
            }
            view->perform([&game, &name] { game.show(name); });
            QApplication::processEvents();
            QWidget* window = game.isLoaded(name) ? view->window(game.form(name)) : nullptr;
            if (!window) {
                std::cerr << name << " has no window\n";
                failed = true;
                continue;
            }
            const fs::path file = out / (game.form(name).role() + ".png");
            if (!window->grab().save(QString::fromStdString(file.string()))) {
                std::cerr << "cannot write " << file << "\n";
                failed = true;
                continue;
            }
            ++written;
        }
        view.reset();
    };
    varnholt::scenario::Result result = varnholt::scenario::runFile(scenarioFile, options);
    // A scenario that failed never reached `finish`: its game is gone, and the view must not call it.
    if (view) (void)view.release();
    std::cout << varnholt::scenario::report(scenarioFile.filename().string(), result) << "\n"
              << written << " pictures written to " << out.string() << "\n";
    return result.passed && !failed ? 0 : 1;
}
