// A control of a screen: one class for every kind, with the properties the game reads and writes.
// Disabled or hidden controls keep their text; code reads and writes it as usual.
#pragma once

#include <string>
#include <vector>

namespace forms {

class Form;

enum class ControlKind { TextBox, Label, Button, ListBox, ComboBox, FileListBox, Frame, Shape, VScrollBar, PictureBox, Image };

// A text box or a list of any kind: where the player types or picks, and what the game can lock.
constexpr bool isBoxOrList(ControlKind kind) {
    return kind == ControlKind::TextBox || kind == ControlKind::ListBox || kind == ControlKind::FileListBox ||
           kind == ControlKind::ComboBox;
}

// Close is the player's close box on a screen that takes it in a way of its own (bound to "Form").
enum class Event { Load, Click, DblClick, Change, Close };

// Design flags of a control.
enum ControlFlag : unsigned {
    Hidden = 1u << 0,
    Disabled = 1u << 1,
    Locked = 1u << 2,     // a text box the player cannot edit
    MultiLine = 1u << 3,  // a text box of several lines (with a scroll bar)
    Bold = 1u << 4,
    Centred = 1u << 5,
    Large = 1u << 6,      // a larger font: headings
    Transparent = 1u << 7, // a label drawn without its own background
    Underline = 1u << 8,
    RightAligned = 1u << 9, // text against the right edge: figures that line up in a column
    OneLine = 1u << 10,     // a label whose caption never wraps: drawn smaller when it is wider than the label
    PickOnPress = 1u << 11, // a list whose pick the player cannot take back: the keyboard only moves a cursor
                            // over its rows, and Space, Return or a click pick the row under it
    NoAutoFocus = 1u << 12, // a control the keyboard never lands on by itself: the player reaches it with Tab
                            // (a button that passes time or spends, or one beside the screen's work)
    OnlyOpens = 1u << 13    // a button that only opens another screen, so that pressing it again loses nothing:
                            // when its screen is shown again, the keyboard goes back to it
};

// One control of a screen's control table, with its design values. Positions and sizes are in twips.
struct ControlDef {
    ControlKind kind = ControlKind::Label;
    std::string name;
    int index = -1;  // the member's index in a control array, -1 for a plain control
    int left = 0, top = 0, width = 0, height = 0;
    std::string text;  // a text box's text, a label's, button's or frame's caption
    unsigned flags = 0;
    std::vector<std::string> items;  // list and drop-down items
    std::string tooltip;
    int min = 0, max = 0, value = 0;  // a scroll bar's range and value
    std::string picture;              // a picture or image: file name in the program folder
};

class Control {
public:
    Control(Form& owner, const ControlDef& def);

    Form& form() const { return owner_; }
    const ControlDef& design() const { return def_; }
    ControlKind kind() const { return def_.kind; }
    const std::string& name() const { return def_.name; }
    int index() const { return def_.index; }
    std::string key() const;  // "Command1" or "Command1(0)"

    int left() const { return left_; }
    int top() const { return top_; }
    int width() const { return width_; }
    int height() const { return height_; }
    void move(int left, int top, int width, int height);

    bool enabled() const { return enabled_; }
    bool visible() const { return visible_; }
    void setEnabled(bool on);
    void setVisible(bool on);
    bool locked() const { return locked_; }
    void setLocked(bool on);
    const std::string& tooltip() const { return def_.tooltip; }

    // The text of a text box, the caption of a label, button or frame, or a list's selected item
    // (the empty text when nothing is selected).
    std::string text() const;
    // Code's write: a text box or caption changes (Change runs when the text differs); a list or
    // drop-down selects the item with this text and runs Click at once, also when it was selected.
    void setText(const std::string& text);
    std::string caption() const { return text(); }
    void setCaption(const std::string& c) { setText(c); }

    // Lists.
    int listCount() const { return static_cast<int>(items_.size()); }
    const std::vector<std::string>& items() const { return items_; }
    std::string item(int i) const;
    int listIndex() const { return listIndex_; }
    // Selecting from code runs Click at once, also when that item was already selected; -1 clears.
    void setListIndex(int i);
    void addItem(const std::string& item);
    void removeItem(int i);
    void clear();

    // File list box.
    const std::string& pattern() const { return pattern_; }
    const std::string& folder() const { return folder_; }
    void setPattern(const std::string& p);
    void setFolder(const std::string& f);
    void refreshFiles();

    // Scroll bar. Setting the value runs Change when it differs.
    int min() const { return min_; }
    int max() const { return max_; }
    int value() const { return value_; }
    void setMin(int v);
    void setMax(int v);
    void setValue(int v);

    // Picture and image controls.
    const std::string& picture() const { return picture_; }
    void setPicture(const std::string& fileName);

    // The player's own actions, as the real window or the play-test runner report them. A locked control takes
    // no change: its text, selection and value stay the game's.
    void playerClick();
    // A selection the player makes in a list or drop-down list, by mouse or keyboard: Click runs as for a click,
    // also when item i was already selected.
    void playerSelect(int i);
    void playerType(const std::string& text);
    void playerScroll(int value);
    // Whether the player can reach the control now: enabled and visible.
    bool reachable() const { return enabled_ && visible_; }

private:
    void changed();
    void fire(Event e);

    Form& owner_;
    ControlDef def_;
    int left_, top_, width_, height_;
    bool enabled_, visible_, locked_;
    std::string text_;
    std::vector<std::string> items_;
    int listIndex_ = -1;
    int min_, max_, value_;
    std::string picture_;
    std::string pattern_ = "*.*";
    std::string folder_;
};

}  // namespace forms
