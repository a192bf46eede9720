#include "forms/Program.h"

#include <algorithm>
#include <stdexcept>

namespace forms {

Program::Program(std::filesystem::path folder, Dialogs& dialogs) : folder_(std::move(folder)), dialogs_(dialogs) {}

Program::~Program() {
    observer_ = nullptr;
    entries_.clear();
    discarded_.clear();
}

MsgResult Program::msgBox(const std::string& text, const std::string& title, MsgButtons buttons, MsgIcon icon,
                          MsgResult defaultAnswer) {
    return dialogs_.messageBoxWithDefault(text, title.empty() ? ApplicationTitle : title, buttons, icon, defaultAnswer);
}

std::optional<std::string> Program::inputBox(const std::string& prompt, const std::string& title,
                                             const std::string& defaultText) {
    return dialogs_.inputBox(prompt, title.empty() ? ApplicationTitle : title, defaultText);
}

void Program::registerForm(const std::string& name, const std::string& role, Factory factory) {
    entries_.push_back(Entry{name, role, std::move(factory), nullptr, 0});
}

Program::Entry* Program::entry(std::string_view nameOrRole) {
    for (auto& e : entries_)
        if (e.name == nameOrRole || e.role == nameOrRole) return &e;
    return nullptr;
}

const Program::Entry* Program::entry(std::string_view nameOrRole) const {
    for (const auto& e : entries_)
        if (e.name == nameOrRole || e.role == nameOrRole) return &e;
    return nullptr;
}

Program::Entry& Program::mustEntry(std::string_view nameOrRole) {
    if (Entry* e = entry(nameOrRole)) return *e;
    throw std::logic_error("no screen named " + std::string(nameOrRole));
}

bool Program::knows(std::string_view nameOrRole) const { return entry(nameOrRole) != nullptr; }

std::vector<std::string> Program::formNames() const {
    std::vector<std::string> names;
    for (const auto& e : entries_) names.push_back(e.name);
    return names;
}

Form& Program::form(std::string_view nameOrRole) {
    Entry& e = mustEntry(nameOrRole);
    if (!e.instance) {
        // The screen counts as loaded before its load handler runs: loads nest, and a load handler
        // may read a field of the screen that is loading it.
        std::unique_ptr<Form> built = e.factory();
        built->checkOpensOn();
        e.instance = std::move(built);
        e.loadOrder = ++loads_;
        Form* f = e.instance.get();
        f->runLoad();
        if (f->alive_) return *f;
        // The load handler unloaded its own screen; a later use loads it afresh.
        if (e.instance) return *e.instance;
        return *f;
    }
    return *e.instance;
}

Form* Program::loaded(std::string_view nameOrRole) const {
    const Entry* e = entry(nameOrRole);
    return e ? e->instance.get() : nullptr;
}

bool Program::isShown(std::string_view nameOrRole) const {
    Form* f = loaded(nameOrRole);
    return f && f->visible();
}

void Program::show(std::string_view nameOrRole) {
    if (ended_) return;
    Form& f = form(nameOrRole);
    if (!f.alive_) return;
    if (f.name() == closedByPlayer_) closedByPlayer_.clear();
    f.visible_ = true;
    if (observer_) observer_->formShown(f);
}

void Program::hide(std::string_view nameOrRole) {
    Form* f = loaded(nameOrRole);
    if (!f) {
        // Hiding a screen that is not loaded loads it, hidden.
        f = &form(nameOrRole);
    }
    if (!f->visible_) return;
    f->visible_ = false;
    if (observer_) observer_->formHidden(*f);
}

void Program::unload(std::string_view nameOrRole) {
    Entry& e = mustEntry(nameOrRole);
    if (!e.instance) return;
    if (e.name == closedByPlayer_) closedByPlayer_.clear();
    std::unique_ptr<Form> gone = std::move(e.instance);
    gone->alive_ = false;
    gone->visible_ = false;
    if (observer_) observer_->formUnloaded(*gone);
    // A handler of this screen may still be running: the screen is freed between player actions.
    discarded_.push_back(std::move(gone));
}

std::vector<Form*> Program::loadedForms() const {
    std::vector<const Entry*> es;
    for (const auto& e : entries_)
        if (e.instance) es.push_back(&e);
    std::sort(es.begin(), es.end(), [](const Entry* a, const Entry* b) { return a->loadOrder < b->loadOrder; });
    std::vector<Form*> out;
    for (const Entry* e : es) out.push_back(e->instance.get());
    return out;
}

void Program::end() {
    if (ended_) return;
    for (auto& e : entries_)
        if (e.instance) unload(e.name);
    ended_ = true;
    if (observer_) observer_->programEnded();
}

void Program::setEndQuestion(std::string text, std::string title) {
    endQuestion_ = std::move(text);
    endTitle_ = std::move(title);
}

bool Program::askToEnd(MsgResult defaultAnswer) { return ask(endQuestion_, defaultAnswer); }

std::string Program::closeBoxQuestion() const { return endQuestion_; }

bool Program::closeBoxEnds() { return ask(closeBoxQuestion(), inPlay() ? MsgResult::No : MsgResult::Yes); }

bool Program::ask(const std::string& question, MsgResult defaultAnswer) {
    if (msgBox(question, endTitle_, MsgButtons::YesNo, MsgIcon::Question, defaultAnswer) != MsgResult::Yes)
        return false;
    end();
    return true;
}

namespace {
bool anyShown(const std::vector<Form*>& forms, const Form* besides) {
    return std::any_of(forms.begin(), forms.end(), [besides](const Form* f) { return f != besides && f->visible(); });
}
}  // namespace

void Program::playerClose(std::string_view nameOrRole) {
    Form* f = loaded(nameOrRole);
    if (ended_ || !f || !f->visible()) return;
    if (f->takesCloseBox()) {
        f->runClose();
    } else if (Control* way = f->wayOut()) {
        const FormDef& d = f->design();
        if (!way->reachable()) {
            // The screen cannot be left yet: say why rather than ignore the player.
            if (!d.wayOutOffReason.empty()) msgBox(d.wayOutOffReason, d.wayOutOffTitle, MsgButtons::OK, MsgIcon::Information);
            return;
        }
        if (!d.closeQuestion.empty() &&
            msgBox(d.closeQuestion, d.closeTitle, MsgButtons::YesNo, MsgIcon::Question, MsgResult::No) != MsgResult::Yes)
            return;
        // The question may have taken long enough for the screen to have moved on.
        if (f->alive() && f->visible() && way->reachable()) way->playerClick();
    } else if (f->design().aside && anyShown(loadedForms(), f)) {
        closedByPlayer_ = f->name();
        hide(f->name());
    } else {
        closeBoxEnds();  // Yes ends the program, No keeps every window as it was
    }
}

void Program::playerEscape(std::string_view nameOrRole) {
    Form* f = loaded(nameOrRole);
    if (ended_ || !f || !f->visible()) return;
    if (Control* way = f->freeWayOut()) {
        if (way->reachable()) way->playerClick();
    } else if (!f->wayOut() && !f->takesCloseBox() && f->design().aside && anyShown(loadedForms(), f)) {
        playerClose(nameOrRole);
    }
}

void Program::afterPlayerAction() {
    if (ended_ || closedByPlayer_.empty() || anyShown(loadedForms(), nullptr)) return;
    std::string gone = closedByPlayer_;
    if (!closeBoxEnds()) show(gone);
}

void Program::collect() { discarded_.clear(); }

void Program::notifyForm(Form& f) {
    if (observer_ && f.alive_) observer_->formChanged(f);
}

void Program::notifyControl(Form& f, Control& c) {
    if (observer_) observer_->controlChanged(f, c);
}

}  // namespace forms
