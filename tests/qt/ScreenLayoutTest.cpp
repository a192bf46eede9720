// Every screen of the game in the real window, in the states a player meets: no two controls overlap,
// none leaves its window, every window fits a 1024 x 768 display, and every caption, figure and list
// item is seen whole in the lettering it is drawn with.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include <QApplication>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>

#include "forms/Dialogs.h"
#include "forms/Numbers.h"
#include "forms/Program.h"
#include "game/Game.h"
#include "management/Championships.h"
#include "management/Feuds.h"
#include "management/News.h"
#include "management/Scouting.h"
#include "qt/QtView.h"
#include "scenario/Scenario.h"
#include "shell/FederationScreens.h"
#include "shell/Presets.h"
#include "matches/MatchBoxes.h"
#include "matches/SinglesMatchScreen.h"
#include "shownight/ShowNightScreens.h"

namespace {

using forms::ControlKind;
using varnholt::Game;
using varnholt::QtView;

// The largest window a 1024 x 768 display holds once the window manager has added its title bar.
constexpr int DisplayWidth = 1024, DisplayHeight = 768, TitleBarAllowance = 40;

std::string where(const forms::Form& form, const forms::Control& c) { return form.role() + "." + c.key(); }

// Whether a control's text is seen whole in the widget that draws it; `why` says what is cut off.
bool textWhole(const forms::Control& control, QWidget* w, std::string& why) {
    const QFontMetrics fm(w->font());
    if (auto* l = qobject_cast<QLabel*>(w)) {
        if (control.kind() != ControlKind::Label || l->text().isEmpty()) return true;
        const QRect room = l->contentsRect();
        const QRect needed = l->wordWrap()
                                 ? fm.boundingRect(room, int(l->alignment()) | Qt::TextWordWrap, l->text())
                                 : QRect(0, 0, fm.horizontalAdvance(l->text()), fm.height());
        why = "caption \"" + l->text().toStdString() + "\" needs " + std::to_string(needed.width()) + "x" +
              std::to_string(needed.height()) + " of " + std::to_string(room.width()) + "x" +
              std::to_string(room.height());
        return needed.width() <= room.width() && needed.height() <= room.height();
    }
    if (auto* b = qobject_cast<QPushButton*>(w)) {
        QStyleOptionButton opt;
        opt.initFrom(b);
        opt.text = b->text();
        const QRect room = b->style()->subElementRect(QStyle::SE_PushButtonContents, &opt, b);
        why = "caption \"" + b->text().toStdString() + "\" needs " + std::to_string(fm.horizontalAdvance(b->text())) +
              " of " + std::to_string(room.width());
        return fm.horizontalAdvance(b->text()) <= room.width() && fm.height() <= room.height();
    }
    if (auto* e = qobject_cast<QLineEdit*>(w)) {
        // The frame on each side and the line edit's own margin of 2 pixels inside it.
        const int frameWidth = e->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, e);
        const int room = e->width() - 2 * frameWidth - 4;
        why = "text \"" + e->text().toStdString() + "\" needs " + std::to_string(fm.horizontalAdvance(e->text())) +
              " of " + std::to_string(room);
        return fm.horizontalAdvance(e->text()) <= room && fm.height() <= e->height() - 2 * frameWidth;
    }
    if (auto* list = qobject_cast<QListWidget*>(w)) {
        const int margin = list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1;
        const int room = list->viewport()->width() - 2 * margin;
        for (int i = 0; i < list->count(); ++i) {
            const QString item = list->item(i)->text();
            if (fm.horizontalAdvance(item) > room) {
                why = "item \"" + item.toStdString() + "\" is wider than the list";
                return false;
            }
        }
        // A list of fixed choices shows every choice without scrolling.
        if (!control.design().items.empty() && list->count() > 0 &&
            list->visualItemRect(list->item(list->count() - 1)).bottom() >= list->viewport()->height()) {
            why = "its last choice is below the list's bottom";
            return false;
        }
        return true;
    }
    if (auto* combo = qobject_cast<QComboBox*>(w)) {
        QStyleOptionComboBox opt;
        opt.initFrom(combo);
        const QRect room = combo->style()->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, combo);
        for (int i = 0; i < combo->count(); ++i)
            if (fm.horizontalAdvance(combo->itemText(i)) > room.width()) {
                why = "choice \"" + combo->itemText(i).toStdString() + "\" is wider than the box";
                return false;
            }
        return true;
    }
    if (auto* g = qobject_cast<QGroupBox*>(w)) {
        why = "title \"" + g->title().toStdString() + "\" is wider than the frame";
        return fm.horizontalAdvance(g->title()) + 16 <= g->width();
    }
    return true;
}

// Every fault of one screen's window as it stands.
std::vector<std::string> layoutFaults(const QtView& view, const forms::Form& form) {
    std::vector<std::string> faults;
    QWidget* win = view.window(form);
    if (!win) return {form.role() + " has no window"};
    if (win->width() > DisplayWidth || win->height() > DisplayHeight - TitleBarAllowance)
        faults.push_back(form.role() + " is " + std::to_string(win->width()) + "x" + std::to_string(win->height()) +
                         ", too large for the display");

    struct Shown {
        const forms::Control* control;
        QRect rect;
    };
    std::vector<Shown> shown;
    for (const auto& c : form.controls()) {
        QWidget* w = view.widget(*c);
        if (!w || !w->isVisibleTo(win)) continue;
        const QRect r = w->geometry();
        shown.push_back({c.get(), r});
        if (!win->rect().contains(r)) faults.push_back(where(form, *c) + " reaches out of its window");
        std::string why;
        if (!textWhole(*c, w, why)) faults.push_back(where(form, *c) + " is cut off: " + why);
    }
    auto encloses = [](const Shown& outer, const Shown& inner) {
        const auto kind = outer.control->kind();
        return (kind == ControlKind::Frame || kind == ControlKind::Shape) && outer.rect.contains(inner.rect);
    };
    for (std::size_t i = 0; i < shown.size(); ++i)
        for (std::size_t j = i + 1; j < shown.size(); ++j) {
            const Shown& a = shown[i];
            const Shown& b = shown[j];
            if (a.rect.intersects(b.rect) && !encloses(a, b) && !encloses(b, a))
                faults.push_back(where(form, *a.control) + " overlaps " + b.control->key());
        }
    return faults;
}

// The winner's row of a match screen after a match: every box in it names a wrestler (the winner, and on the tag
// screen his partner beside him), and together they reach as far right as the results above them.
std::vector<std::string> winnerRowFaults(const QtView& view, forms::Form& form) {
    using varnholt::MatchBoxes;
    const QRect winner = view.widget(form.c(MatchBoxes::Winner))->geometry();
    const QRect results = view.widget(form.c(MatchBoxes::StipulationShown))->geometry();
    std::vector<std::string> faults;
    int rowEnd = winner.right();
    for (const auto& c : form.controls()) {
        QWidget* w = view.widget(*c);
        if (c->kind() != ControlKind::TextBox || !w || !w->isVisible() || w->geometry().top() != winner.top() ||
            w->geometry().left() < winner.left())
            continue;
        if (c->text().empty()) faults.push_back(where(form, *c) + " stands empty beside the winner");
        rowEnd = std::max(rowEnd, w->geometry().right());
    }
    if (rowEnd != results.right())
        faults.push_back(form.role() + "'s winner's row ends at " + std::to_string(rowEnd) + ", the results above at " +
                         std::to_string(results.right()));
    return faults;
}

// Plays a scenario in the real window and hands the game, still running, to `check`.
void playThen(const std::string& steps, const std::function<void(Game&, QtView&)>& check) {
    std::unique_ptr<QtView> view;
    varnholt::scenario::Options options;
    options.shippedFolder = varnholt::scenario::executableFolder();
    options.prepare = [&view](Game& game) { view = std::make_unique<QtView>(game); };
    options.finish = [&](Game& game) {
        QApplication::processEvents();
        check(game, *view);
        view.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    };
    const auto result = varnholt::scenario::runText(steps, options);
    ASSERT_TRUE(result.passed) << "line " << result.line << ": " << result.message;
    ASSERT_EQ(view, nullptr);
}

// The faults of the screens given, each shown in turn (every screen of the game when none is given).
std::vector<std::string> faultsOfScreens(Game& game, QtView& view, std::vector<std::string> names = {}) {
    if (names.empty()) names = game.formNames();
    std::vector<std::string> faults;
    for (const auto& name : names) {
        view.perform([&] { game.show(name); });
        QApplication::processEvents();
        auto found = layoutFaults(view, game.form(name));
        faults.insert(faults.end(), found.begin(), found.end());
    }
    return faults;
}

std::string listed(const std::vector<std::string>& faults) {
    std::string all;
    for (const auto& f : faults) all += "\n  " + f;
    return all;
}

const std::string ToNewGame = "click Form1.Image1\nclick Form7.Command1\nclick Form2.Command1\n";

// The night's first screen after a venue and the polaroid wrestler are chosen.
std::string toShowNight() {
    return ToNewGame + "click Form3.Command2\nselect Form4.List1 Normal mode\nclick Form4.Command1\n"
                       "click Form14.Command1(7)\nselect Form23.lstData Tamsin Orrell\nclick Form23.Command3\n";
}

// One match booked on a match screen: its type, stipulation and championship, then its wrestlers.
std::string booked(const std::string& screen, const std::string& type, const std::string& title,
                   const std::vector<std::string>& wrestlers) {
    std::string s = "select Form10.List1 " + type + "\n";
    s += "select " + screen + ".List2 Normal\nselect " + screen + ".List3 " + title + "\n";
    for (const auto& w : wrestlers) s += "select " + screen + ".lstData " + w + "\n";
    return s;
}

// A label that must keep its caption on one line, on a small screen of its own.
TEST(OneLineLabel, CaptionTooLongIsDrawnSmallerAndBackAgain) {
    forms::FormDef def;
    def.name = "Form1";
    def.role = "TitleCard";
    def.width = 4000;
    def.height = 900;
    forms::ControlDef title;
    title.kind = ControlKind::Label;
    title.name = "Label1";
    title.left = 120;
    title.top = 120;
    title.width = 3600;  // 240 pixels
    title.height = 300;
    title.flags = forms::OneLine | forms::Bold;
    def.controls = {title};
    forms::QueuedDialogs dialogs;
    forms::Program program(std::filesystem::temp_directory_path(), dialogs);
    program.registerForm("Form1", "TitleCard", [&] { return std::make_unique<forms::Form>(program, def); });
    QtView view(program);
    view.perform([&] { program.show("Form1"); });
    forms::Control& caption = program.form("Form1").c("Label1");
    auto* label = qobject_cast<QLabel*>(view.widget(caption));
    ASSERT_NE(label, nullptr);

    view.perform([&] { caption.setCaption("Short"); });
    const int designSize = label->font().pixelSize();
    EXPECT_FALSE(label->wordWrap());

    view.perform([&] { caption.setCaption("The Undisputed Heavyweight Championship"); });
    EXPECT_LT(label->font().pixelSize(), designSize);
    EXPECT_TRUE(label->font().bold());
    EXPECT_LE(QFontMetrics(label->font()).horizontalAdvance(label->text()), label->contentsRect().width());

    view.perform([&] { caption.setCaption("Short"); });
    EXPECT_EQ(label->font().pixelSize(), designSize);
}

TEST(ScreenLayout, EveryScreenAfterEachPresetNewGame) {
    for (const auto& federation : varnholt::presets::Federations) {
        playThen(ToNewGame + "click Form3." + federation.button + "\n", [&](Game& game, QtView& view) {
            auto faults = faultsOfScreens(game, view);
            EXPECT_TRUE(faults.empty()) << federation.name << ":" << listed(faults);
        });
    }
}

TEST(ScreenLayout, EveryScreenOfACreatedFederationWithLongNames) {
    const std::string steps = ToNewGame +
                              "click Form3.Command8\n"
                              "type Form5.Text1 Northumbria and Borders Wrestling Federation\n"
                              "type Form5.Text2 NBWF\n"
                              "type Form5.Text3 Aldous Fairweather-Pennington\n"
                              "type Form5.Text4 Berwick-upon-Tweed\n"
                              "type Form5.Text5 NBWF Undisputed Heavyweight Championship of the Borders\n"
                              "type Form5.Text6 NBWF Northumbrian Middleweight Championship\n"
                              "type Form5.Text7 NBWF Lightweight Championship\n"
                              "type Form5.Text8 NBWF Tag Team Championship\n"
                              "type Form5.Text9 50\n"
                              "type Form5.Text10 5000\n"
                              "click Form5.Command2\n";
    playThen(steps, [](Game& game, QtView& view) {
        auto faults = faultsOfScreens(game, view);
        EXPECT_TRUE(faults.empty()) << listed(faults);
    });
}

TEST(ScreenLayout, MatchScreensDuringAShowNight) {
    const std::map<std::string, std::string> nights = {
        {"SinglesMatchScreen, winner step",
         toShowNight() + booked("Form10", "Singles", "Primary", {"Dougie Rackham", "Connor Vale"})},
        {"SinglesMatchScreen, a match played",
         toShowNight() + booked("Form10", "Singles", "Primary", {"Dougie Rackham", "Connor Vale"}) +
             "click Form10.Command1\nclick Form10.Command3\n"},
        {"TagMatchScreen, a match played",
         toShowNight() +
             booked("Form17", "Tag Team", "Tag Team", {"Dougie Rackham", "Connor Vale", "Ambrose Fettle", "Kit Marrowby"}) +
             "click Form17.Command2\nclick Form17.Command3\n"},
        {"TripleThreatMatchScreen, a match played",
         toShowNight() + booked("Form19", "Triple Threat", "Primary", {"Dougie Rackham", "Connor Vale", "Ambrose Fettle"}) +
             "click Form19.Command5\nclick Form19.Command3\n"},
        {"FourWayMatchScreen, a match played",
         toShowNight() +
             booked("Form20", "Four Way", "Secondary", {"Dougie Rackham", "Connor Vale", "Ambrose Fettle", "Kit Marrowby"}) +
             "click Form20.Command7\nclick Form20.Command3\n"},
    };
    for (const auto& [state, steps] : nights) {
        const bool played = state.find("a match played") != std::string::npos;
        playThen(steps, [&state = state, played](Game& game, QtView& view) {
            std::vector<std::string> faults;
            for (const auto& type : varnholt::MatchTypes)
                if (game.isShown(type.screen)) {
                    auto found = layoutFaults(view, game.form(type.screen));
                    if (played) {
                        auto row = winnerRowFaults(view, game.form(type.screen));
                        found.insert(found.end(), row.begin(), row.end());
                    }
                    faults.insert(faults.end(), found.begin(), found.end());
                }
            EXPECT_TRUE(faults.empty()) << state << ":" << listed(faults);
        });
    }

    // The fifth match played: the night's summary and "End night".
    std::string night = toShowNight();
    for (int match = 0; match < 5; ++match)
        night += booked("Form10", "Singles", "None", {"Dougie Rackham", "Connor Vale"}) +
                 "click Form10.Command1\nclick Form10.Command3\nclick Form10.Command5\n";
    playThen(night + "expect Form10.Command3 End night\n", [](Game& game, QtView& view) {
        auto faults = layoutFaults(view, game.form(varnholt::SinglesMatchScreen::Name));
        EXPECT_TRUE(faults.empty()) << listed(faults);
    });
}

TEST(ScreenLayout, TheLongestNamesAreSeenWhole) {
    // Two free agents with names of the full twenty letters join the roster.
    const std::string hired = ToNewGame +
                              "click Form3.Command1\nclick Form4.Command7\n"
                              "select Form6.lstData The Wearside Wrecker\nclick Form6.Command1\n"
                              "select Form6.lstData The Tyneside Hammer\nclick Form6.Command1\n";
    const std::string feud = hired +
                             "click Form6.Command2\nclick Form4.Command11\nclick Form22.Command1\n"
                             "select Form22.lstData The Wearside Wrecker\nselect Form22.lstData The Tyneside Hammer\n";
    const std::string match = feud +
                              "click Form22.Command3\nselect Form4.List1 Normal mode\nclick Form4.Command1\n"
                              "click Form14.Command1(7)\nselect Form23.lstData The Wearside Wrecker\n"
                              "click Form23.Command3\n" +
                              booked("Form10", "Singles", "Primary", {"The Wearside Wrecker", "The Tyneside Hammer"}) +
                              "click Form10.Command2\nclick Form10.Command3\nexpect Form10.Text15 The Tyneside Hammer\n";
    const std::vector<std::pair<std::string, std::vector<std::string>>> states = {
        {hired + "select Form6.lstData The Lancashire Lynx\n", {varnholt::ScoutScreen::Name}},
        {feud, {varnholt::FeudScreen::Name}},
        {match, {varnholt::SinglesMatchScreen::Name, varnholt::ChampionsScreen::Name}},
        // The longest federation name on the news page.
        {ToNewGame + "click Form3.Command1\nclick Form4.Command10\n"
                     "select Form25.lstFeds Tri County Association of Pro Wrestling\n",
         {varnholt::NewsScreen::Name}},
    };
    for (const auto& [steps, screens] : states)
        playThen(steps, [&screens = screens](Game& game, QtView& view) {
            auto faults = faultsOfScreens(game, view, screens);
            EXPECT_TRUE(faults.empty()) << screens.front() << ":" << listed(faults);
        });
}

// The right edge of the lettering drawn inside a rectangle of a window's picture (-1 when none is drawn):
// the screens' lettering is light on a dark picture.
int rightmostLettering(const QImage& image, const QRect& rect) {
    for (int x = rect.right(); x >= rect.left(); --x)
        for (int y = rect.top(); y <= rect.bottom(); ++y)
            if (qGray(image.pixel(x, y)) > 128) return x;
    return -1;
}

TEST(ScreenLayout, FinanceFiguresLineUpOnTheRight) {
    std::string night = toShowNight();
    for (int match = 0; match < 5; ++match)
        night += booked("Form10", "Singles", "None", {"Dougie Rackham", "Connor Vale"}) +
                 "click Form10.Command1\nclick Form10.Command3\nclick Form10.Command5\n";
    night += "click Form10.Command3\nexpect-shown FederationHub\n";
    playThen(night, [](Game& game, QtView& view) {
        view.perform([&] { game.show(varnholt::FinanceScreen::Name); });
        QApplication::processEvents();
        const forms::Form& sheet = game.form(varnholt::FinanceScreen::Name);
        const QImage picture = view.window(sheet)->grab().toImage();

        // The figures, gathered into columns: figures whose places share some width stand in one column.
        struct Figure {
            std::string text;
            QRect rect;
            int right;
        };
        std::vector<std::vector<Figure>> columns;
        for (const auto& c : sheet.controls()) {
            double value = 0;
            QWidget* w = view.widget(*c);
            if (c->kind() != ControlKind::Label || !w->isVisible() || !forms::parseNumber(c->caption(), value)) continue;
            Figure f{c->caption(), w->geometry(), rightmostLettering(picture, w->geometry())};
            ASSERT_GE(f.right, 0) << c->key() << " shows nothing";
            auto column = std::find_if(columns.begin(), columns.end(), [&](const auto& col) {
                return col.front().rect.left() <= f.rect.right() && f.rect.left() <= col.front().rect.right();
            });
            if (column == columns.end()) columns.push_back({f});
            else column->push_back(f);
        }
        ASSERT_EQ(columns.size(), 4u);
        bool widthsDiffer = false;
        for (const auto& column : columns) {
            for (const auto& f : column) {
                EXPECT_EQ(f.right, column.front().right) << "\"" << f.text << "\" and \"" << column.front().text
                                                         << "\" end at different places";
                widthsDiffer = widthsDiffer || f.text.size() != column.front().text.size();
            }
        }
        EXPECT_TRUE(widthsDiffer) << "the night left no figures of different widths to compare";
    });
}

}  // namespace
