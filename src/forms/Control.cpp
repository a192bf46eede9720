#include "forms/Control.h"

#include <algorithm>
#include <filesystem>

#include "forms/Form.h"
#include "forms/Program.h"

namespace forms {

Control::Control(Form& owner, const ControlDef& def)
    : owner_(owner),
      def_(def),
      left_(def.left),
      top_(def.top),
      width_(def.width),
      height_(def.height),
      enabled_(!(def.flags & Disabled)),
      visible_(!(def.flags & Hidden)),
      locked_(def.flags & Locked),
      text_(def.text),
      items_(def.items),
      min_(def.min),
      max_(def.max),
      value_(def.value),
      picture_(def.picture) {}

std::string Control::key() const {
    return def_.index < 0 ? def_.name : def_.name + "(" + std::to_string(def_.index) + ")";
}

void Control::changed() { owner_.controlChanged(*this); }

void Control::fire(Event e) { owner_.fire(*this, e); }

void Control::move(int left, int top, int width, int height) {
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    changed();
}

void Control::setEnabled(bool on) {
    if (enabled_ == on) return;
    enabled_ = on;
    changed();
}

void Control::setVisible(bool on) {
    if (visible_ == on) return;
    visible_ = on;
    changed();
}

void Control::setLocked(bool on) {
    if (locked_ == on) return;
    locked_ = on;
    changed();
}

std::string Control::text() const {
    switch (def_.kind) {
        case ControlKind::ListBox:
        case ControlKind::ComboBox:
        case ControlKind::FileListBox:
            return listIndex_ >= 0 && listIndex_ < listCount() ? items_[static_cast<std::size_t>(listIndex_)] : std::string();
        default:
            return text_;
    }
}

void Control::setText(const std::string& text) {
    switch (def_.kind) {
        case ControlKind::ListBox:
        case ControlKind::ComboBox:
        case ControlKind::FileListBox: {
            auto it = std::find(items_.begin(), items_.end(), text);
            if (it == items_.end()) {
                if (listIndex_ != -1) {
                    listIndex_ = -1;
                    changed();
                }
                return;
            }
            setListIndex(static_cast<int>(it - items_.begin()));
            return;
        }
        default:
            if (text_ == text) return;
            text_ = text;
            changed();
            fire(Event::Change);
    }
}

std::string Control::item(int i) const {
    return i >= 0 && i < listCount() ? items_[static_cast<std::size_t>(i)] : std::string();
}

void Control::setListIndex(int i) {
    if (i < -1 || i >= listCount()) i = -1;
    bool differs = listIndex_ != i;
    listIndex_ = i;
    if (differs) changed();
    if (i >= 0) fire(Event::Click);
}

void Control::addItem(const std::string& item) {
    items_.push_back(item);
    changed();
}

void Control::removeItem(int i) {
    if (i < 0 || i >= listCount()) return;
    items_.erase(items_.begin() + i);
    if (listIndex_ == i) listIndex_ = -1;
    else if (listIndex_ > i) --listIndex_;
    changed();
}

void Control::clear() {
    items_.clear();
    listIndex_ = -1;
    changed();
}

void Control::setPattern(const std::string& p) {
    pattern_ = p;
    refreshFiles();
}

void Control::setFolder(const std::string& f) {
    folder_ = f;
    refreshFiles();
}

namespace {
bool matches(const std::string& name, const std::string& pattern) {
    // "*.ext" and "*.*" are all the game asks of a file list's pattern.
    if (pattern == "*.*" || pattern == "*") return true;
    if (pattern.size() > 1 && pattern[0] == '*') {
        std::string tail = pattern.substr(1);
        return name.size() >= tail.size() && name.compare(name.size() - tail.size(), tail.size(), tail) == 0;
    }
    return name == pattern;
}
}  // namespace

void Control::refreshFiles() {
    items_.clear();
    listIndex_ = -1;
    std::error_code ec;
    std::filesystem::path dir = folder_.empty() ? owner_.program().folder() : std::filesystem::path(folder_);
    for (const auto& entry : std::filesystem::directory_iterator(dir, ec)) {
        if (!entry.is_regular_file(ec)) continue;
        std::string name = entry.path().filename().string();
        if (matches(name, pattern_)) items_.push_back(name);
    }
    std::sort(items_.begin(), items_.end());
    changed();
}

void Control::setMin(int v) {
    min_ = v;
    changed();
}

void Control::setMax(int v) {
    max_ = v;
    changed();
}

void Control::setValue(int v) {
    if (value_ == v) return;
    value_ = v;
    changed();
    fire(Event::Change);
}

void Control::setPicture(const std::string& fileName) {
    picture_ = fileName;
    changed();
}

void Control::playerClick() { fire(Event::Click); }

void Control::playerSelect(int i) {
    if (locked_ || i < 0 || i >= listCount()) return;
    bool differs = listIndex_ != i;
    listIndex_ = i;
    if (differs) changed();
    fire(Event::Click);
}

void Control::playerType(const std::string& text) {
    if (locked_) return;
    if (def_.kind != ControlKind::TextBox && def_.kind != ControlKind::ComboBox) return;
    setText(text);
}

void Control::playerScroll(int value) {
    if (locked_) return;
    setValue(std::clamp(value, std::min(min_, max_), std::max(min_, max_)));
}

}  // namespace forms
