// The base of every game screen: a toolkit screen that knows the game it belongs to.
#pragma once

#include "forms/Form.h"
#include "forms/Numbers.h"
#include "game/Game.h"
#include "game/ScreenNames.h"

namespace varnholt {

using forms::ControlDef;
using forms::ControlKind;
using forms::Event;
using forms::FormDef;

class Screen : public forms::Form {
public:
    Screen(Game& game, const FormDef& def) : forms::Form(game, def), game_(game) {}
    Game& game() const { return game_; }

protected:
    Game& game_;
};

// Shorthands for control tables: kind, name, position and size in twips, design text, flags.
inline ControlDef button(std::string name, int l, int t, int w, int h, std::string caption, unsigned flags = 0) {
    return ControlDef{ControlKind::Button, std::move(name), -1, l, t, w, h, std::move(caption), flags, {}, {}, 0, 0, 0, {}};
}
inline ControlDef label(std::string name, int l, int t, int w, int h, std::string caption, unsigned flags = 0) {
    return ControlDef{ControlKind::Label, std::move(name), -1, l, t, w, h, std::move(caption), flags, {}, {}, 0, 0, 0, {}};
}
inline ControlDef textBox(std::string name, int l, int t, int w, int h, std::string text = {}, unsigned flags = 0,
                          std::string tooltip = {}) {
    return ControlDef{ControlKind::TextBox, std::move(name), -1, l, t, w, h, std::move(text), flags, {}, std::move(tooltip), 0, 0, 0, {}};
}
inline ControlDef listBox(std::string name, int l, int t, int w, int h, std::vector<std::string> items = {},
                          unsigned flags = 0, std::string tooltip = {}) {
    return ControlDef{ControlKind::ListBox, std::move(name), -1, l, t, w, h, {}, flags, std::move(items), std::move(tooltip), 0, 0, 0, {}};
}
inline ControlDef comboBox(std::string name, int l, int t, int w, int h, std::vector<std::string> items = {},
                           unsigned flags = 0) {
    return ControlDef{ControlKind::ComboBox, std::move(name), -1, l, t, w, h, {}, flags, std::move(items), {}, 0, 0, 0, {}};
}
inline ControlDef image(std::string name, int l, int t, int w, int h, std::string picture = {}, unsigned flags = 0) {
    return ControlDef{ControlKind::Image, std::move(name), -1, l, t, w, h, {}, flags, {}, {}, 0, 0, 0, std::move(picture)};
}
inline ControlDef frame(std::string name, int l, int t, int w, int h, std::string caption = {}, unsigned flags = 0) {
    return ControlDef{ControlKind::Frame, std::move(name), -1, l, t, w, h, std::move(caption), flags, {}, {}, 0, 0, 0, {}};
}
inline ControlDef fileList(std::string name, int l, int t, int w, int h, unsigned flags = 0) {
    return ControlDef{ControlKind::FileListBox, std::move(name), -1, l, t, w, h, {}, flags, {}, {}, 0, 0, 0, {}};
}
inline ControlDef scrollBar(std::string name, int l, int t, int w, int h, int min, int max, int value, unsigned flags = 0) {
    return ControlDef{ControlKind::VScrollBar, std::move(name), -1, l, t, w, h, {}, flags, {}, {}, min, max, value, {}};
}
// A member of a control array.
inline ControlDef member(ControlDef def, int index) {
    def.index = index;
    return def;
}

// A text box the player cannot type into: only the game writes it.
inline constexpr unsigned ReadOnly = forms::Locked;

// The small "N" button that opens the notes pad over a screen, in the top left corner unless placed.
inline constexpr int NotesButtonSize = 375;
inline ControlDef notesButton(std::string name, int left = 60, int top = 60) {
    return button(std::move(name), left, top, NotesButtonSize, NotesButtonSize, "N", forms::NoAutoFocus);
}

}  // namespace varnholt
