// The real window: draws every screen of a program from its control table with Qt widgets and turns
// the player's clicks and typing into the screens' events. No screen has drawing code of its own.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <unordered_map>

#include <QPalette>
#include <QWidget>

#include "forms/Program.h"
#include "qt/Keyboard.h"
#include "qt/Widgets.h"
#include "qt/WindowOrder.h"

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
    struct Screen : ScreenWidgets {
        QLabel* background = nullptr;
        std::optional<QColor> paper;  // the lightest colour of the screen's picture, when it has one
        std::optional<QPalette> boxes;  // the boxes' and lists' colours, on a screen with colours of its own
    };

    Screen& build(forms::Form& form);
    QWidget* makeWidget(Screen& screen, forms::Form& form, forms::Control& control);
    QWidget* makeBareWidget(Screen& screen, forms::Form& form, forms::Control& control);
    void applyForm(Screen& screen, forms::Form& form);
    void applyControl(Screen& screen, forms::Control& control, QWidget* w);
    // Runs a player action on a control, provided its screen still has this window; afterwards the control's
    // widget shows the game's state again, whatever the gesture left in it, and the keyboard goes where the
    // screen now waits.
    void playerAction(const forms::Form* form, const QWidget* window, forms::Control* control,
                      const std::function<void()>& action);
    void report(const std::string& message);

    forms::Program& program_;
    std::unordered_map<const forms::Form*, Screen> screens_;
    WindowOrder order_;
    Keyboard keyboard_;
    int depth_ = 0;  // player actions and their handlers on the stack
};

}  // namespace varnholt
