#include "qt/Keyboard.h"

#include <utility>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "forms/Program.h"
#include "qt/Widgets.h"
#include "qt/WindowOrder.h"

namespace varnholt {

namespace {

using forms::ControlKind;

bool isReturn(const QKeyEvent* e) { return e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter; }

// The keys that press, pick or leave: held down, they act once. A box of several lines still takes their
// repeats, where Return and Space type or page on; Escape never types.
bool actsOnce(const QKeyEvent* e, const QObject* receiver) {
    switch (e->key()) {
        case Qt::Key_Escape:
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return !qobject_cast<const QPlainTextEdit*>(receiver);
        case Qt::Key_Space:
            if (auto* line = qobject_cast<const QLineEdit*>(receiver)) return line->isReadOnly();
            return !qobject_cast<const QPlainTextEdit*>(receiver);
        default:
            return false;
    }
}

// The Tab stop a widget was made with, before the game locked it.
constexpr const char* TabPolicy = "tabPolicy";

}  // namespace

Keyboard::Keyboard(forms::Program& program, WindowOrder& order, Act act)
    : program_(program), order_(order), act_(std::move(act)) {
    focusWatch_ = QObject::connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { focusMoved(now); });
    // Every key passes here first, whichever window it is in.
    qApp->installEventFilter(this);
}

Keyboard::~Keyboard() {
    qApp->removeEventFilter(this);
    QObject::disconnect(focusWatch_);
}

const Keyboard::Custody* Keyboard::custody(const forms::Form& form) const {
    auto it = custody_.find(&form);
    return it == custody_.end() || !it->second.screen->window ? nullptr : &it->second;
}

Keyboard::Custody* Keyboard::custody(const forms::Form& form) {
    return const_cast<Custody*>(std::as_const(*this).custody(form));
}

void Keyboard::adopt(forms::Form& form, ScreenWidgets& screen) {
    Custody& custody = custody_[&form];
    custody.screen = &screen;
    auto* win = static_cast<FormWindow*>(screen.window.data());
    forms::Form* f = &form;
    win->escape = [this, f, win] { act_(f, win, nullptr, [this, f] { program_.playerEscape(f->name()); }); };
    const std::string& byDefault = form.design().defaultButton;
    for (const auto& c : form.controls()) {
        QWidget* w = screen.widgets.at(c.get());
        w->setProperty(TabPolicy, static_cast<int>(w->focusPolicy()));
        // Return in a one-line box presses the screen's default button, as in any dialog.
        if (!byDefault.empty() && c->kind() == ControlKind::TextBox && !(c->design().flags & forms::MultiLine))
            boxes_[w] = f;
    }
    if (!byDefault.empty()) static_cast<QPushButton*>(screen.widgets.at(&form.c(byDefault)))->setDefault(true);
    custody.ring = new FocusRing(win);
}

void Keyboard::forget(const forms::Form& form) {
    custody_.erase(&form);
    std::erase_if(boxes_, [&form](const auto& box) { return box.second == &form; });
}

// The window system repeats a key held down as a release and a press with the same time. Qt marks that press
// as a repeat only when it has read it already while it handles the release; behind a slow handler (a day
// passing) it has not, and the repeat would come as a fresh press.
bool Keyboard::held(const QKeyEvent* e) const {
    if (e->isAutoRepeat()) return true;
    auto it = released_.find(e->key());
    return e->timestamp() != 0 && it != released_.end() && it->second == e->timestamp();
}

// Runs for every event of the program, before the widget it is for (and again for each parent a key goes on
// to): it must stay cheap and give the same answer each time.
bool Keyboard::eventFilter(QObject* watched, QEvent* e) {
    switch (e->type()) {
        case QEvent::KeyRelease: {
            auto* key = static_cast<QKeyEvent*>(e);
            if (!key->isAutoRepeat()) released_[key->key()] = key->timestamp();
            return false;
        }
        case QEvent::KeyPress: {
            // A key comes to the window system's window first, then to the widget that has the keyboard: it is
            // judged there, by what takes it.
            if (watched->isWindowType()) return false;
            auto* key = static_cast<QKeyEvent*>(e);
            if (held(key) && actsOnce(key, watched)) return true;
            if (!isReturn(key)) return false;
            auto it = boxes_.find(watched);
            if (it == boxes_.end()) return false;
            pressDefaultButton(*it->second, static_cast<QWidget*>(watched));
            return true;
        }
        default:
            return false;
    }
}

void Keyboard::pressDefaultButton(forms::Form& form, QWidget* box) {
    const Custody* c = custody(form);
    if (!c) return;
    forms::Form* f = &form;
    act_(f, c->screen->window.data(), c->screen->controls.at(box), [f] {
        // A button that is off is not pressed: Return then does nothing.
        forms::Control& button = f->c(f->design().defaultButton);
        if (button.reachable()) button.playerClick();
    });
}

bool Keyboard::holds(const ScreenWidgets& screen, const QWidget* w) const {
    return screen.window && screen.window->focusWidget() == w;
}

// A read-only box or a locked list is no Tab stop, except a box of several lines, whose text may run past it
// and is scrolled by the keys: the player reaches it by Tab or a click, but the keyboard never lands on it
// by itself.
void Keyboard::setTabStop(const forms::Control& control, QWidget* w) const {
    if (!forms::isBoxOrList(control.kind())) return;
    const bool scrolls = control.kind() == ControlKind::TextBox && (control.design().flags & forms::MultiLine);
    const auto made = static_cast<Qt::FocusPolicy>(w->property(TabPolicy).toInt());
    const Qt::FocusPolicy policy = control.locked() && !scrolls ? Qt::ClickFocus : made;
    if (w->focusPolicy() != policy) w->setFocusPolicy(policy);
}

void Keyboard::applied(const forms::Form& form, const forms::Control& control, QWidget* w, bool held) {
    Custody* c = custody(form);
    if (!c) return;
    setTabStop(control, w);
    // Turned off under the player's keyboard: the keyboard goes on as Tab would, but never where it may not
    // land by itself (a player's action then sends it on where the screen waits).
    if (held && !(w->isEnabled() && w->isVisible() && !control.locked())) {
        c->stray = !landAfter(*c->screen, w);
    } else if (c->stray && canLand(*c->screen, w)) {
        // Nothing could take the keyboard then: the first control turned on since takes it.
        c->stray = false;
        w->setFocus(Qt::TabFocusReason);
    }
}

bool Keyboard::canLand(const ScreenWidgets& screen, const QWidget* w) const {
    auto it = screen.controls.find(w);
    if (it == screen.controls.end()) return false;
    const forms::Control& c = *it->second;
    return c.form().keyboardCanLand(c) && !(c.design().flags & forms::NoAutoFocus) && !c.locked() && w->isVisible() &&
           w->isEnabled();
}

std::unordered_set<const QWidget*> Keyboard::landable(const ScreenWidgets& screen) const {
    std::unordered_set<const QWidget*> out;
    for (const auto& [w, c] : screen.controls)
        if (canLand(screen, w)) out.insert(w);
    return out;
}

void Keyboard::shown(forms::Form& form, bool opening) {
    Custody* c = custody(form);
    if (!c) return;
    c->screen->window->activateWindow();
    auto away = awayBy_.find(form.name());
    forms::Control* back = away == awayBy_.end() ? nullptr : form.find(away->second);
    if (away != awayBy_.end()) awayBy_.erase(away);
    if (!opening) return;
    // Shown again: back on the button that took the player away, when pressing it again only opens a screen.
    QWidget* w = back ? c->screen->widgets.at(back) : nullptr;
    if (back && (back->design().flags & forms::OnlyOpens) && canLand(*c->screen, w))
        w->setFocus(Qt::ActiveWindowFocusReason);
    else
        this->opening(*c, form);
}

// A screen opens with the keyboard on the control it names; else on its first list or box the player can use;
// else on its way out, when taking it costs nothing. Else on no control at all: a button that acts at once
// would take a reflex Return meant for the screen before.
void Keyboard::opening(Custody& custody, forms::Form& form) {
    const ScreenWidgets& s = *custody.screen;
    auto landing = [&](forms::Control* c) { return c && canLand(s, s.widgets.at(c)) ? s.widgets.at(c) : nullptr; };
    QWidget* target = form.design().opensOn.empty() ? nullptr : landing(&form.c(form.design().opensOn));
    for (auto it = form.controls().begin(); !target && it != form.controls().end(); ++it)
        if (forms::isBoxOrList((*it)->kind())) target = landing(it->get());
    if (!target) target = landing(form.freeWayOut());
    // The window itself holds the keyboard until the player Tabs to a control (when it is activated with nothing
    // holding the keyboard, Qt would hand it to the first button).
    (target ? target : s.window.data())->setFocus(Qt::ActiveWindowFocusReason);
    // In a box of several lines the player writes on after what is there already.
    if (auto* text = qobject_cast<QPlainTextEdit*>(target); text && !text->isReadOnly()) text->moveCursor(QTextCursor::End);
}

Keyboard::Step Keyboard::before(const forms::Form& form, forms::Control* control) const {
    const Custody* c = custody(form);
    if (!c) return {};
    return {c->screen->window->focusWidget(), landable(*c->screen), control, form.name(), control ? control->key() : ""};
}

void Keyboard::leftBy(const Step& step) {
    if (!step.acted.empty()) awayBy_[step.screen] = step.acted;
}

// An action that turns off, hides or locks the control the player was on (a match screen closing one booking
// step and opening the next) sends the keyboard where the screen now waits: to the first control, in the order
// of the screen's table, that the action has just made usable; failing that, on to the next one the keyboard
// may land on, as Tab would.
void Keyboard::after(const forms::Form& form, const Step& step) {
    Custody* c = custody(form);
    if (!c) return;
    const ScreenWidgets& s = *c->screen;
    auto w = step.control ? s.widgets.find(step.control) : s.widgets.end();
    QWidget* acted = w == s.widgets.end() ? nullptr : w->second;
    if (!s.window->isVisible()) {
        leftBy(step);
        return;
    }
    // A pick that cannot be taken back leaves no row under the cursor of a list that stays on: a second Space
    // picks nothing by reflex.
    if (auto* list = dynamic_cast<PlayerList*>(acted); list && list->picksOnPress()) list->dropCursor();
    QWidget* had = step.had.data();
    if (!had || had->window() != s.window.data()) return;
    auto it = s.controls.find(had);
    if (had->isEnabled() && had->isVisible() && (it == s.controls.end() || !it->second->locked())) return;
    for (const auto& ctl : form.controls()) {
        QWidget* w = s.widgets.at(ctl.get());
        if (canLand(s, w) && !step.usable.count(w)) {
            w->setFocus(Qt::TabFocusReason);
            return;
        }
    }
    landAfter(s, had);
}

bool Keyboard::landAfter(const ScreenWidgets& screen, QWidget* from) {
    for (QWidget* w = from->nextInFocusChain(); w && w != from; w = w->nextInFocusChain()) {
        if (w->window() == screen.window.data() && canLand(screen, w)) {
            w->setFocus(Qt::TabFocusReason);
            return true;
        }
    }
    return false;
}

// Without a window manager nobody hands the keyboard on when a window goes: the topmost game window still
// shown takes it, unless one of ours or a dialog has it already.
void Keyboard::settle() {
    if (QWidget* top = order_.settle()) top->activateWindow();
}

void Keyboard::focusMoved(QWidget* now) {
    // Only the window that has the keyboard shows its ring, and only round a control; that window is now the
    // topmost.
    for (auto& [form, c] : custody_) {
        const QWidget* win = c.screen->window.data();
        if (!c.ring || !win) continue;
        const bool here = now && now->window() == win;
        c.ring->follow(here && now != win ? now : nullptr);
        if (here) {
            order_.tookKeyboard(win);
            c.stray = false;  // the player (or the game) put it somewhere since
        }
    }
}

KeyboardBack::KeyboardBack() : window_(QApplication::activeWindow()) {
    if (window_) control_ = window_->focusWidget();
}

KeyboardBack::~KeyboardBack() {
    if (!window_ || !window_->isVisible() || QApplication::activeModalWidget()) return;
    window_->activateWindow();
    if (control_ && control_->window() == window_ && control_->isVisible() && control_->isEnabled())
        control_->setFocus(Qt::OtherFocusReason);
}

}  // namespace varnholt
