// The order of the game's windows. A dialog or tool window of the game (the notes pad, a game slot window, the
// rename dialog) stays in front of the screen it came over, as a desktop keeps a tool window above the window it
// belongs to; a screen shown later comes in front of it, and it is in front again when its own screen is. A
// dialog brought forward again from another screen belongs to that screen from then on; one whose screen is
// unloaded goes over the screen then on top. A window manager keeps the dialogs above their screens once told
// which screen each belongs to; without one the program raises the windows itself, in the same order.
//
// It also keeps the record of the game window last on top, which the keyboard reads to know where it goes
// when a window goes.
#pragma once

#include <unordered_map>

#include <QPointer>
#include <QWidget>

#include "forms/Form.h"

namespace varnholt {

class WindowOrder {
public:
    // A screen's window has been built; it has gone for good.
    void adopt(const forms::Form& form, QWidget* window);
    void forget(const forms::Form& form);

    // A screen's window is about to open: a dialog belongs to the screen on top.
    void opensOver(const forms::Form& form);
    // A screen's window is up and on top; `opening` when it was not up before.
    void shown(const forms::Form& form, bool opening);
    // A window of the game took the keyboard: it is on top now.
    void tookKeyboard(const QWidget* window);
    // A window went down.
    void windowWent() { windowWent_ = true; }
    // Once no action runs any more, after a window went: a dialog whose screen went belongs to the screen on
    // top. Gives the topmost game window still up, raised, when it should take the keyboard because no game
    // window has it (and no message box is up); nothing otherwise.
    QWidget* settle();

private:
    struct Place {
        QPointer<QWidget> window;
        bool dialog = false;
        const forms::Form* owner = nullptr;  // a dialog's screen, while it has one
        long lastOnTop = 0;                  // when the window was last shown or took the keyboard
    };
    bool up(const Place& p) const { return p.window && p.window->isVisible(); }
    // The game window up that was on top last, of all or only of the screens that are not dialogs.
    const forms::Form* topmost(bool dialogsToo) const;
    // Tells the window manager which screen a dialog belongs to, which it reads as the dialog opens: a dialog
    // that is up opens again, without taking the keyboard.
    void belongTo(Place& dialog, const forms::Form* screen);
    // A screen and, in front of it, its dialogs in the order they were last on top.
    void raise(const forms::Form& screen, bool relink);
    // The dialogs up whose screen went belong to the screen on top.
    void adoptOrphans();

    std::unordered_map<const forms::Form*, Place> places_;
    long onTop_ = 0;           // counts the windows' turns on top
    bool windowWent_ = false;  // a window was hidden since the order was last seen to
};

}  // namespace varnholt
