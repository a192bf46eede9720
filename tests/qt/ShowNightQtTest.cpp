// One singles match played in the real window: the booking lists, the roster, the winner and "Match"
// clicked as the player would, and the result shown in the window's boxes.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>

#include "forms/Dialogs.h"
#include "forms/Files.h"
#include "game/Game.h"
#include "qt/QtView.h"
#include "scenario/ProgramFolder.h"
#include "PresetGame.h"

namespace {

namespace fs = std::filesystem;

class ShowNightWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        game_ = std::make_unique<varnholt::Game>(folder_, dialogs_);
        view_ = std::make_unique<varnholt::QtView>(*game_);
    }
    void TearDown() override {
        view_.reset();
        game_.reset();
    }

    template <class W>
    W* widget(const char* screen, const char* control) {
        return qobject_cast<W*>(view_->widget(game_->form(screen).c(control)));
    }
    void clickRow(const char* screen, const char* list, const std::string& item) {
        auto* w = widget<QListWidget>(screen, list);
        ASSERT_NE(w, nullptr);
        auto found = w->findItems(QString::fromStdString(item), Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << item;
        QPoint at = w->visualItemRect(found[0]).center();
        QMouseEvent press(QEvent::MouseButtonPress, at, w->viewport()->mapToGlobal(at), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(w->viewport(), &press);
        QMouseEvent release(QEvent::MouseButtonRelease, at, w->viewport()->mapToGlobal(at), Qt::LeftButton,
                            Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(w->viewport(), &release);
    }
    void press(const char* screen, const char* button) {
        auto* b = widget<QPushButton>(screen, button);
        ASSERT_NE(b, nullptr);
        ASSERT_TRUE(b->isEnabled()) << button;
        b->click();
    }

    varnholt::scenario::ProgramFolder program_{"varnholt-qt-shownight"};
    const fs::path folder_ = program_.path();
    forms::QueuedDialogs dialogs_;
    std::unique_ptr<varnholt::Game> game_;
    std::unique_ptr<varnholt::QtView> view_;
};

TEST_F(ShowNightWindowTest, OneSinglesMatch) {
    startPresetGame(*game_, *view_);
    view_->perform([&] {
        game_->form("Form4").c("List1").setText("Normal mode");
        game_->form("Form4").c("Command1").playerClick();
    });
    ASSERT_TRUE(game_->isShown("VenueScreen"));
    auto* venue = qobject_cast<QPushButton*>(view_->widget(game_->form("Form14").c("Command1", 7)));
    ASSERT_NE(venue, nullptr);
    venue->click();
    press("Form23", "Command3");
    ASSERT_TRUE(game_->isShown("SinglesMatchScreen"));
    ASSERT_NE(view_->window(game_->form("Form10")), nullptr);
    EXPECT_TRUE(view_->window(game_->form("Form10"))->isVisible());

    clickRow("Form10", "List1", "Singles");
    clickRow("Form10", "List2", "Normal");
    clickRow("Form10", "List3", "None");
    clickRow("Form10", "lstData", "Ambrose Fettle");
    clickRow("Form10", "lstData", "Kit Marrowby");
    press("Form10", "Command1");
    press("Form10", "Command3");

    auto* rating = widget<QLineEdit>("Form10", "Text8");
    ASSERT_NE(rating, nullptr);
    EXPECT_FALSE(rating->text().isEmpty());
    EXPECT_EQ(rating->text().toStdString(), game_->form("Form10").c("Text8").text());
    auto* winner = widget<QLineEdit>("Form10", "Text15");
    ASSERT_NE(winner, nullptr);
    EXPECT_EQ(winner->text(), "Ambrose Fettle");
    auto* commentary = widget<QPlainTextEdit>("Form10", "Text4");
    ASSERT_NE(commentary, nullptr);
    EXPECT_TRUE(commentary->toPlainText().endsWith("Ambrose Fettle!!!!"));
    EXPECT_EQ(game_->MatchCounter, "2");
    EXPECT_TRUE(widget<QPushButton>("Form10", "Command5")->isEnabled());
    EXPECT_FALSE(widget<QPushButton>("Form10", "Command3")->isEnabled());
}

}  // namespace
