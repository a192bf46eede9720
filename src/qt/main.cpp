// varnholt: the game in its real window.
#include <filesystem>
#include <system_error>

#include <QApplication>

#include "game/Game.h"
#include "qt/GameStyle.h"
#include "qt/QtDialogs.h"
#include "qt/QtView.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Varnholt"));
    // Closing a screen's window only hides it; the view decides when the last one has gone.
    app.setQuitOnLastWindowClosed(false);
    varnholt::useGameStyle();

    // The game's files live beside the executable, and the game opens some of them by plain names.
    std::filesystem::path folder(QCoreApplication::applicationDirPath().toStdString());
    std::error_code ec;
    std::filesystem::current_path(folder, ec);

    varnholt::QtDialogs dialogs;
    varnholt::Game game(folder, dialogs);
    varnholt::QtView view(game);
    view.perform([&game] { game.start(); });
    if (game.ended()) return 0;
    return app.exec();
}
