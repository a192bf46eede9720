// The real window: draws every screen of a program from its control table with Qt widgets and turns
// the player's clicks and typing into the screens' events. No screen has drawing code of its own.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <unordered_map>
#include <unordered_set>

#include <QPalette>
#include <QPointer>
#include <QWidget>

#include "forms/Program.h"
#include "qt/Widgets.h"

class QLabel;

namespace varnholt {

class QtView : public forms::ProgramObserver {
public:
    // Becomes the program's observer for as long as it lives.
    explicit QtView(forms::Program& program);
    ~QtView() override;
    QtView(const QtView&) = delete;
    QtView& operator=(const QtView&) = delete;

    // Runs game code as one player action: a run-time error is reported to the player instead of
    // ending the program, and unloaded screens are freed once no handler is running any more.
    void perform(const std::function<void()>& action);

    // Where the inside of a screen's window opens: centred on the screen's available area, the same every time.
    static QPoint openingPlace(const QSize& window);

    // The window of a loaded screen and the widget of one of its controls (nothing when none exists).
    QWidget* window(const forms::Form& form) const;
    QWidget* widget(const forms::Control& control) const;

    void formShown(forms::Form& form) override;
    void formHidden(forms::Form& form) override;
    void formUnloaded(forms::Form& form) override;
    void formChanged(forms::Form& form) override;
    void controlChanged(forms::Form& form, forms::Control& control) override;
    void programEnded() override;

private:
    struct Screen {
        QPointer<QWidget> window;
        QLabel* background = nullptr;
        FocusRing* ring = nullptr;
        std::optional<QColor> paper;  // the lightest colour of the screen's picture, when it has one
        std::unordered_map<const forms::Control*, QWidget*> widgets;
        std::unordered_map<const QWidget*, forms::Control*> controls;
        long lastOnTop = 0;  // when the window was last shown or took the keyboard: the topmost has the highest
        bool strayKeyboard = false;  // the control that had the keyboard went off and none could take it
        std::optional<QPalette> boxes;  // the boxes' and lists' colours, on a screen with colours of its own
    };

    Screen& build(forms::Form& form);
    QWidget* makeWidget(Screen& screen, forms::Form& form, forms::Control& control);
    QWidget* makeBareWidget(Screen& screen, forms::Form& form, forms::Control& control);
    void applyForm(Screen& screen, forms::Form& form);
    void applyControl(Screen& screen, forms::Control& control, QWidget* w);
    // Runs a player action on a control, provided its screen still has this window; afterwards the control's
    // widget shows the game's state again, whatever the gesture left in it.
    void playerAction(const forms::Form* form, const QWidget* window, forms::Control* control,
                      const std::function<void()>& action);
    // Where the keyboard goes by itself: never to a control the player cannot use or change now, to the N
    // button or to a control marked as reached by Tab only.
    bool canLand(const Screen& screen, const QWidget* w) const;
    std::unordered_set<const QWidget*> landable(const Screen& screen) const;
    void keepFocusGoing(Screen& screen, const forms::Form& form, QWidget* had,
                        const std::unordered_set<const QWidget*>& before);
    void focusOpening(Screen& screen, forms::Form& form);
    // Sends the keyboard to the next control after `from`, in Tab's order, that it may land on; false when
    // there is none.
    bool landAfter(Screen& screen, QWidget* from);
    void keyboardHome();
    void focusMoved(QWidget* now);
    void report(const std::string& message);

    forms::Program& program_;
    std::unordered_map<const forms::Form*, Screen> screens_;
    QMetaObject::Connection focusWatch_;
    int depth_ = 0;  // player actions and their handlers on the stack
    long onTop_ = 0;  // counts the windows' turns on top
    bool windowWent_ = false;  // a window was hidden since the keyboard was last seen to
};

}  // namespace varnholt
