// The game itself in its real window: from the splash picture through the menu to a federation's hub.
#include <gtest/gtest.h>

#include <filesystem>

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QWidget>

#include "forms/Dialogs.h"
#include "forms/Files.h"
#include "game/Game.h"
#include "qt/QtView.h"
#include "scenario/ProgramFolder.h"

namespace {

namespace fs = std::filesystem;
using varnholt::QtView;

class GameWindow : public ::testing::Test {
protected:
    void pressButton(QtView& view, varnholt::Game& game, const char* screen, const char* control) {
        auto* button = qobject_cast<QAbstractButton*>(view.widget(game.form(screen).c(control)));
        ASSERT_NE(button, nullptr) << screen << "." << control;
        ASSERT_TRUE(button->isVisible()) << screen << "." << control;
        button->click();
        QApplication::processEvents();
    }

    varnholt::scenario::ProgramFolder program_{"varnholt-game-window"};
    const fs::path folder_ = program_.path();
    forms::QueuedDialogs dialogs_;
};

TEST_F(GameWindow, PlayerClicksFromTheSplashToTheHub) {
    varnholt::Game game(folder_, dialogs_);
    QtView view(game);
    view.perform([&] { game.start(); });

    QWidget* splash = view.window(game.form("SplashScreen"));
    ASSERT_NE(splash, nullptr);
    EXPECT_TRUE(splash->isVisible());
    EXPECT_EQ(splash->windowTitle(), "Varnholt");
    EXPECT_NE(game.form("SplashScreen").picturePath(), "");

    // A click anywhere on the title picture.
    QWidget* area = view.widget(game.form("SplashScreen").c("Image1"));
    ASSERT_NE(area, nullptr);
    QPointF at(20, 20);
    QMouseEvent press(QEvent::MouseButtonPress, at, area->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, at, area->mapToGlobal(at), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(area, &press);
    QApplication::sendEvent(area, &release);
    QApplication::processEvents();
    ASSERT_TRUE(game.isShown("DisclaimerScreen"));

    pressButton(view, game, "DisclaimerScreen", "Command1");
    ASSERT_TRUE(game.isShown("MainMenu"));
    EXPECT_FALSE(game.isLoaded("SplashScreen"));
    pressButton(view, game, "MainMenu", "Command1");
    ASSERT_TRUE(game.isShown("NewGameScreen"));
    pressButton(view, game, "NewGameScreen", "Command1");
    ASSERT_TRUE(game.isShown("FederationHub"));

    auto* money = qobject_cast<QLineEdit*>(view.widget(game.form("FederationHub").c("Text8")));
    ASSERT_NE(money, nullptr);
    EXPECT_EQ(money->text(), "10000");
    EXPECT_TRUE(money->isReadOnly());
    pressButton(view, game, "FederationHub", "Command1");
    auto* day = qobject_cast<QLineEdit*>(view.widget(game.form("FederationHub").c("Text4")));
    ASSERT_NE(day, nullptr);
    EXPECT_EQ(day->text(), "Thursday");
}

}  // namespace
