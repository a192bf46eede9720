// A screen: a window of named controls declared by a table, with one handler per control event.
// Screens live in the program's registry, which loads them on first use and discards them on unload.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <variant>
#include <vector>

#include "forms/Control.h"

namespace forms {

class Program;

// The colours of a screen that is not drawn in the window's own: its text boxes and lists, and its labels,
// each as ink on paper, in 0xRRGGBB.
struct ScreenColours {
    unsigned boxInk = 0, boxPaper = 0, labelInk = 0, labelPaper = 0;
};

struct FormDef {
    std::string name = {};     // the screen's name in the code
    std::string role = {};     // its role name, which says what it is for
    std::string caption = {};  // the window caption
    int width = 9000, height = 7000;  // client area in twips
    std::string picture = {};         // background picture file in the program folder, loaded by the screen
    std::vector<ControlDef> controls = {};
    // The control whose click is the screen's own way out (its Back, Return, Cancel, Continue or Exit): the close
    // box of the screen's window and Escape do what it does. Empty when the screen has none: the close box asks
    // whether to end the program, unless the screen is `aside`. A screen that binds a handler to its own Close
    // event takes its close box itself.
    std::string wayOut = {};
    // A way out that costs the player something: the close box asks this Yes/No question first (No is the
    // default answer), and Escape does nothing.
    std::string closeQuestion = {}, closeTitle = {};
    // What the close box says while the way out is off (the player cannot leave yet): a message and its title.
    // Without one, the close box then does nothing.
    std::string wayOutOffReason = {}, wayOutOffTitle = {};
    // A small window beside the game's screens (a list of game slots): its close box and Escape hide it.
    bool aside = false;
    // A dialog or tool window opened over the screen it came from (the notes pad, a game slot window): it stays
    // in front of the game's screens while it is up.
    bool dialog = false;
    // The button that Return in a one-line text box presses, drawn as the screen's default button; a control that
    // is not a button is a fault when the screen is built.
    std::string defaultButton = {};
    // The control the keyboard is on when the screen opens, where it is not the first one the player can use: a
    // control the keyboard can land on (a button, a box or a list, or a label or picture the player can click),
    // or the screen is a fault when it is built.
    std::string opensOn = {};
    std::optional<ScreenColours> colours = {};
};

class Form {
public:
    Form(Program& program, const FormDef& def);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    Program& program() const { return program_; }
    const FormDef& design() const { return def_; }
    const std::string& name() const { return def_.name; }
    const std::string& role() const { return def_.role; }
    const std::string& caption() const { return caption_; }
    void setCaption(const std::string& c);
    // The background picture: the file name as the screen asked for it and the path it was found at
    // (empty when the file is missing: the screen then has no picture).
    const std::string& picturePath() const { return picturePath_; }
    void setPicture(std::string_view gameRelativePath);
    void clearPicture();

    // A control by its key ("Text7", "Command1(0)"); a name that is not on the screen is a fault.
    Control& c(std::string_view key);
    Control& c(std::string_view name, int index);
    Control* find(std::string_view key);
    const std::vector<std::unique_ptr<Control>>& controls() const { return controls_; }

    bool visible() const { return visible_; }
    bool alive() const { return alive_; }

    // Shows, hides or unloads this screen through the registry.
    void show();
    void hide();
    void unload();

    // Runs the handler bound to a control's event, if any.
    void fire(Control& control, Event e);
    // Whether a handler is bound to a control's event.
    bool handles(const Control& control, Event e) const;
    // The control of the screen's way out, or nothing when it has none.
    Control* wayOut();
    // The way out when taking it asks nothing and costs nothing (no close question, no close box of the screen's
    // own): what Escape takes and where the keyboard may wait. Nothing otherwise.
    Control* freeWayOut();
    // Whether the keyboard can rest on a control at all: a button, a box or a list, or a label or picture with a
    // click of its own; never a frame, a shape or a scroll bar. The real window's Tab stops follow it.
    bool keyboardCanLand(const Control& control) const;
    // Whether the screen takes its close box itself, and the player's close box on it.
    bool takesCloseBox() const;
    void runClose();
    void runLoad();
    void controlChanged(Control& control);

protected:
    template <class T>
    struct Binding {
        const char* control;  // "Form" for the screen's own Load
        Event event;
        std::variant<void (T::*)(), void (T::*)(int)> method;
    };

    // Binds the screen's handlers, one table entry per control event. A control that the screen's table
    // does not have is a fault here, when the screen is built, not when the player first clicks.
    template <class T>
    void bind(std::initializer_list<Binding<T>> table) {
        T* self = static_cast<T*>(this);
        for (const auto& b : table) {
            mustHave(b.control);
            Handler h;
            if (std::holds_alternative<void (T::*)()>(b.method)) {
                auto m = std::get<void (T::*)()>(b.method);
                h = [self, m](int) { (self->*m)(); };
            } else {
                auto m = std::get<void (T::*)(int)>(b.method);
                h = [self, m](int index) { (self->*m)(index); };
            }
            handlers_[handlerKey(b.control, b.event)] = std::move(h);
        }
    }

private:
    friend class Program;
    using Handler = std::function<void(int)>;
    static std::string handlerKey(std::string_view control, Event e);
    // Runs the handler bound to the screen's own event, if any.
    void runOwn(Event e);
    // Throws unless the name is "Form" (the screen's own Load) or a control (or control array) of the table.
    void mustHave(std::string_view control) const;
    // Throws unless the screen opens on a control the keyboard can land on. The registry asks once the screen is
    // built, its handlers bound.
    void checkOpensOn() const;

    Program& program_;
    const FormDef& def_;
    std::string caption_;
    std::string picturePath_;
    std::vector<std::unique_ptr<Control>> controls_;
    std::unordered_map<std::string, Control*> byKey_;
    std::unordered_map<std::string, Handler> handlers_;
    bool visible_ = false;
    bool alive_ = true;
};

}  // namespace forms
