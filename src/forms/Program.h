// One program run: the registry of screens with their lifecycle, the dialogs, the random generator
// and the program folder. The game's own state object derives from it.
#pragma once

#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "forms/Dialogs.h"
#include "forms/Form.h"
#include "forms/Random.h"

namespace forms {

// What the real window listens to; the headless runner needs none.
class ProgramObserver {
public:
    virtual ~ProgramObserver() = default;
    virtual void formShown(Form& form) = 0;
    virtual void formHidden(Form& form) = 0;
    virtual void formUnloaded(Form& form) = 0;
    virtual void formChanged(Form& form) = 0;  // caption or picture
    virtual void controlChanged(Form& form, Control& control) = 0;
    virtual void programEnded() = 0;
};

class Program {
public:
    Program(std::filesystem::path folder, Dialogs& dialogs);
    virtual ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    const std::filesystem::path& folder() const { return folder_; }
    Random& rnd() { return rnd_; }
    double Rnd() { return rnd_.next(); }
    Dialogs& dialogs() { return dialogs_; }

    // A message box; no title shows the application's title. A Yes/No box's Return answers Yes unless told
    // otherwise.
    MsgResult msgBox(const std::string& text, const std::string& title = "", MsgButtons buttons = MsgButtons::OK,
                     MsgIcon icon = MsgIcon::None, MsgResult defaultAnswer = MsgResult::Yes);
    std::optional<std::string> inputBox(const std::string& prompt, const std::string& title = "",
                                        const std::string& defaultText = "");

    using Factory = std::function<std::unique_ptr<Form>()>;
    void registerForm(const std::string& name, const std::string& role, Factory factory);
    template <class T, class Owner>
    void registerForm(Owner& owner) {
        registerForm(T::Name, T::Role, [&owner] { return std::make_unique<T>(owner); });
    }
    bool knows(std::string_view nameOrRole) const;
    std::vector<std::string> formNames() const;

    // A screen by its name or role name; loading it (and running its load handler) when it is not loaded.
    // By its type: a screen's class gives the screen as that class; a type that only names a screen (with
    // its Name) gives the plain screen.
    Form& form(std::string_view nameOrRole);
    template <class T>
    auto& form() {
        if constexpr (std::is_base_of_v<Form, T>) return static_cast<T&>(form(T::Name));
        else return form(T::Name);
    }
    // A screen if it is loaded; nothing is loaded by asking.
    Form* loaded(std::string_view nameOrRole) const;
    template <class T>
    auto* loaded() const {
        if constexpr (std::is_base_of_v<Form, T>) return static_cast<T*>(loaded(T::Name));
        else return loaded(T::Name);
    }
    bool isLoaded(std::string_view nameOrRole) const { return loaded(nameOrRole) != nullptr; }
    bool isShown(std::string_view nameOrRole) const;
    template <class T>
    bool isShown() const { return isShown(T::Name); }

    void show(std::string_view nameOrRole);
    void hide(std::string_view nameOrRole);
    // Discards the screen and every field it holds; a screen that is not loaded is left alone.
    void unload(std::string_view nameOrRole);
    template <class T>
    void show() { show(T::Name); }
    template <class T>
    void hide() { hide(T::Name); }
    template <class T>
    void unload() { unload(T::Name); }

    // Every loaded screen, in the order they were loaded.
    std::vector<Form*> loadedForms() const;

    // Ends the program at once: every screen closes.
    void end();
    bool ended() const { return ended_; }

    // The Yes/No question asked before the program ends at the player's wish; the game sets its own words.
    void setEndQuestion(std::string text, std::string title);
    // Asks the end question: Yes ends the program, No leaves everything as it was. True when it ended.
    // `defaultAnswer` is the answer Return gives.
    bool askToEnd(MsgResult defaultAnswer = MsgResult::Yes);
    // Whether the player has something to lose: then a close box's end question answers No to Return and Escape.
    virtual bool inPlay() const { return false; }
    // The end question a close box asks: the game's own words, which say what is lost while a game is in play.
    virtual std::string closeBoxQuestion() const;

    // The close box of a shown screen's window:
    // - a screen that takes its close box itself (a handler bound to its Close event) runs that handler;
    // - a screen with a way out does what a click on that control does, when the player could click it now
    //   (otherwise the window stays as it is); a screen with a close question asks it first, and only Yes goes on;
    // - a screen beside the others (`FormDef::aside`) is hidden, its fields kept; when no other screen would stay
    //   shown, the end question is asked first;
    // - any other screen has nothing to close to: the end question is asked, whatever else is open.
    void playerClose(std::string_view nameOrRole);
    // Escape on a shown screen's window: the way out, as long as it asks nothing and costs nothing (the screen's
    // `freeWayOut`); on a screen beside the others, its close box. Anywhere else Escape does nothing: it never
    // ends the program.
    void playerEscape(std::string_view nameOrRole);
    // Runs after each player action: when the screen a close box hid last is still hidden and nothing else is
    // shown any more (the screens left beside it have gone their own way since), the end question is asked,
    // and No shows that screen again, so the game never runs on without a window.
    void afterPlayerAction();

    // Frees the screens unloaded during the last player action; called between actions only.
    void collect();

    void setObserver(ProgramObserver* o) { observer_ = o; }
    void notifyForm(Form& f);
    void notifyControl(Form& f, Control& c);

private:
    struct Entry {
        std::string name, role;
        Factory factory;
        std::unique_ptr<Form> instance;
        long loadOrder = 0;
    };
    Entry* entry(std::string_view nameOrRole);
    const Entry* entry(std::string_view nameOrRole) const;
    Entry& mustEntry(std::string_view nameOrRole);
    // The close box's end question, with No as Return's answer while a game is in play.
    bool closeBoxEnds();
    bool ask(const std::string& question, MsgResult defaultAnswer);

    std::filesystem::path folder_;
    Dialogs& dialogs_;
    Random rnd_;
    std::vector<Entry> entries_;
    std::vector<std::unique_ptr<Form>> discarded_;
    ProgramObserver* observer_ = nullptr;
    long loads_ = 0;
    bool ended_ = false;
    std::string endQuestion_ = "End the program?", endTitle_;
    std::string closedByPlayer_;  // the screen the player's close box hid last, while it stays hidden
};

}  // namespace forms
