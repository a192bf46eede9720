// The keyboard in the real window: which controls Tab stops at, where the keyboard lands by itself (when a
// screen opens, after the player's step, after a window or a message box goes) and what Return and Escape do.
// The view draws the screens; this unit alone decides where the keyboard is.
//
// The one rule behind it: Return (or Space) acts only where the player put the keyboard. So the keyboard never
// lands by itself on a control the player cannot use now, on a read-only box, on the N button, on a control
// marked as reached by Tab only (NEXT DAY, which passes a day), and never, when a screen opens, on a button that
// acts at once unless the screen names it (going on from the splash or the menu). A screen shown again gives the
// keyboard back to the button that took the player away, where pressing it again only opens a screen. A list
// that takes the keyboard has no cursor row until an arrow, a letter or a click puts one there, and a list whose
// pick cannot be taken back loses its cursor after each pick. A key held down acts once. A screen that has
// nothing safe to open on keeps the keyboard on its window, where Return does nothing until the player Tabs to a
// choice. When a window goes, the topmost game window left takes the keyboard (the windows' order says which).
#pragma once

#include <functional>
#include <string>
#include <unordered_map>
#include <unordered_set>

#include <QObject>
#include <QPointer>
#include <QWidget>

#include "forms/Form.h"

class QKeyEvent;

namespace forms {
class Program;
}

namespace varnholt {

class FocusRing;
class WindowOrder;

// The widgets the view built for one screen: its window, the widget of each control and the control of each.
struct ScreenWidgets {
    QPointer<QWidget> window;
    std::unordered_map<const forms::Control*, QWidget*> widgets;
    std::unordered_map<const QWidget*, forms::Control*> controls;
};

class Keyboard : public QObject {
public:
    // Runs a player's action on a screen's window, as the view runs a click: the control it came from, if any.
    using Act = std::function<void(const forms::Form* form, const QWidget* window, forms::Control* control,
                                   const std::function<void()>& action)>;
    Keyboard(forms::Program& program, WindowOrder& order, Act act);
    ~Keyboard() override;
    Keyboard(const Keyboard&) = delete;
    Keyboard& operator=(const Keyboard&) = delete;

    // A screen's window has been built: its default button, Return in its boxes, Escape and the focus ring.
    void adopt(forms::Form& form, ScreenWidgets& screen);
    // Its window has gone for good.
    void forget(const forms::Form& form);

    // Around the view's applying the game's state to a control's widget: whether the widget had the keyboard
    // before; then its Tab stop, and where the keyboard goes when the change took the control from under it.
    bool holds(const ScreenWidgets& screen, const QWidget* w) const;
    void applied(const forms::Form& form, const forms::Control& control, QWidget* w, bool held);

    // A screen's window is up, and on top; `opening` when it was not up before.
    void shown(forms::Form& form, bool opening);

    // Around one player's action on a screen's window: where the keyboard was and what the player could use,
    // then where the keyboard goes when the action turned its control off.
    struct Step {
        QPointer<QWidget> had;
        std::unordered_set<const QWidget*> usable;
        forms::Control* control = nullptr;  // the control the player acted on, if any
        std::string screen, acted;          // the names of the screen and of that control
    };
    Step before(const forms::Form& form, forms::Control* control) const;
    void after(const forms::Form& form, const Step& step);
    // The action unloaded its screen.
    void unloaded(const Step& step) { leftBy(step); }
    // Once no action runs any more: a window that went leaves the keyboard with the topmost one still up, when
    // no game window has it.
    void settle();

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    struct Custody {
        ScreenWidgets* screen = nullptr;
        FocusRing* ring = nullptr;
        bool stray = false;  // the control that had the keyboard went off and none could take it
    };
    Custody* custody(const forms::Form& form);
    const Custody* custody(const forms::Form& form) const;

    bool canLand(const ScreenWidgets& screen, const QWidget* w) const;
    std::unordered_set<const QWidget*> landable(const ScreenWidgets& screen) const;
    void setTabStop(const forms::Control& control, QWidget* w) const;
    void opening(Custody& custody, forms::Form& form);
    bool landAfter(const ScreenWidgets& screen, QWidget* from);
    void focusMoved(QWidget* now);
    void pressDefaultButton(forms::Form& form, QWidget* box);
    // The player's action took its screen away (hid or unloaded it).
    void leftBy(const Step& step);
    // A key's press that is only its repeat while it is held down.
    bool held(const QKeyEvent* e) const;

    forms::Program& program_;
    WindowOrder& order_;
    Act act_;
    std::unordered_map<const forms::Form*, Custody> custody_;
    std::unordered_map<const QObject*, forms::Form*> boxes_;  // the one-line boxes whose Return presses a button
    QMetaObject::Connection focusWatch_;
    std::unordered_map<int, quint64> released_;  // each key's last release, by the window system's clock
    // By screen, the control whose press took the screen away, until the screen is shown again: kept by
    // name, as the screen may be unloaded meanwhile (the menu while the credits are up).
    std::unordered_map<std::string, std::string> awayBy_;
};

// Hands the keyboard back when a message or input box closes: to the window that had it before the box, on the
// control that had it (the view sends it on from there if the answer turns that control off). A window manager
// would do this for a box that has a parent; the game's boxes have none, and without a window manager the
// keyboard would stay with the screen's root.
class KeyboardBack {
public:
    KeyboardBack();
    ~KeyboardBack();
    KeyboardBack(const KeyboardBack&) = delete;
    KeyboardBack& operator=(const KeyboardBack&) = delete;

private:
    QPointer<QWidget> window_;
    QPointer<QWidget> control_;
};

}  // namespace varnholt
