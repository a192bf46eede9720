#include "forms/Form.h"

#include <stdexcept>

#include "forms/Files.h"
#include "forms/Program.h"

namespace forms {

Form::Form(Program& program, const FormDef& def) : program_(program), def_(def), caption_(def.caption) {
    controls_.reserve(def.controls.size());
    // A name is one control's, or the name of a control array whose members each have their own index.
    std::unordered_map<std::string, bool> arrays;  // each name so far, and whether it names an array
    for (const auto& cd : def.controls) {
        Control* made = controls_.emplace_back(std::make_unique<Control>(*this, cd)).get();
        const bool member = cd.index >= 0;
        const auto [seen, first] = arrays.emplace(cd.name, member);
        const bool shared = !first && !(member && seen->second);
        if (shared || !byKey_.emplace(made->key(), made).second)
            throw std::logic_error("screen " + def.name + " has two controls named " + made->key());
    }
    auto mustName = [&](const std::string& key, const char* what) {
        if (!key.empty() && !find(key))
            throw std::logic_error("screen " + def.name + " has no control " + key + " for its " + what);
    };
    mustName(def.wayOut, "way out");
    mustName(def.defaultButton, "default button");
    mustName(def.opensOn, "opening control");
    if (!def.defaultButton.empty() && find(def.defaultButton)->kind() != ControlKind::Button)
        throw std::logic_error("screen " + def.name + " names " + def.defaultButton + ", which is no button, as its default button");
}

Form::~Form() = default;

bool Form::keyboardCanLand(const Control& control) const {
    switch (control.kind()) {
        case ControlKind::Button: return true;
        case ControlKind::Label:
        case ControlKind::PictureBox:
        case ControlKind::Image: return handles(control, Event::Click);
        case ControlKind::Frame:
        case ControlKind::Shape:
        case ControlKind::VScrollBar: return false;
        default: return isBoxOrList(control.kind());
    }
}

void Form::checkOpensOn() const {
    if (def_.opensOn.empty()) return;
    const auto it = byKey_.find(def_.opensOn);
    if (it != byKey_.end() && !keyboardCanLand(*it->second))
        throw std::logic_error("screen " + def_.name + " opens on " + def_.opensOn +
                               ", which the keyboard cannot land on");
}

void Form::setCaption(const std::string& c) {
    caption_ = c;
    program_.notifyForm(*this);
}

void Form::setPicture(std::string_view gameRelativePath) {
    auto p = gamePath(program_.folder(), gameRelativePath);
    picturePath_ = fileExists(p) ? p.string() : std::string();
    program_.notifyForm(*this);
}

void Form::clearPicture() {
    picturePath_.clear();
    program_.notifyForm(*this);
}

Control* Form::find(std::string_view key) {
    auto it = byKey_.find(std::string(key));
    return it == byKey_.end() ? nullptr : it->second;
}

Control& Form::c(std::string_view key) {
    if (Control* ctl = find(key)) return *ctl;
    throw std::logic_error("screen " + def_.name + " has no control " + std::string(key));
}

Control& Form::c(std::string_view name, int index) { return c(std::string(name) + "(" + std::to_string(index) + ")"); }

void Form::show() { program_.show(def_.name); }
void Form::hide() { program_.hide(def_.name); }
void Form::unload() { program_.unload(def_.name); }

std::string Form::handlerKey(std::string_view control, Event e) {
    return std::string(control) + "#" + std::to_string(static_cast<int>(e));
}

void Form::mustHave(std::string_view control) const {
    if (control == "Form") return;
    for (const auto& c : controls_)
        if (c->name() == control) return;
    throw std::logic_error("screen " + def_.name + " binds a handler to " + std::string(control) +
                           ", which its control table does not have");
}

void Form::fire(Control& control, Event e) {
    if (!alive_) return;
    auto it = handlers_.find(handlerKey(control.name(), e));
    if (it == handlers_.end()) return;
    Handler h = it->second;  // the handler may unload this screen while it runs
    h(control.index());
}

bool Form::handles(const Control& control, Event e) const {
    return handlers_.count(handlerKey(control.name(), e)) > 0;
}

Control* Form::wayOut() { return def_.wayOut.empty() ? nullptr : find(def_.wayOut); }

Control* Form::freeWayOut() {
    return def_.closeQuestion.empty() && !takesCloseBox() ? wayOut() : nullptr;
}

bool Form::takesCloseBox() const { return handlers_.count(handlerKey("Form", Event::Close)) > 0; }

void Form::runLoad() { runOwn(Event::Load); }

void Form::runClose() {
    if (alive_) runOwn(Event::Close);
}

void Form::runOwn(Event e) {
    auto it = handlers_.find(handlerKey("Form", e));
    if (it == handlers_.end()) return;
    Handler h = it->second;  // the handler may unload this screen while it runs
    h(-1);
}

void Form::controlChanged(Control& control) {
    if (alive_) program_.notifyControl(*this, control);
}

}  // namespace forms
