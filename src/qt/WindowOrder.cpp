#include "qt/WindowOrder.h"

#include <algorithm>
#include <vector>

#include <QApplication>
#include <QWindow>

namespace varnholt {

void WindowOrder::adopt(const forms::Form& form, QWidget* window) {
    Place& p = places_[&form];
    p.window = window;
    p.dialog = form.design().dialog;
}

void WindowOrder::forget(const forms::Form& form) {
    places_.erase(&form);
    for (auto& [f, p] : places_)
        if (p.owner == &form) p.owner = nullptr;
}

const forms::Form* WindowOrder::topmost(bool dialogsToo) const {
    const forms::Form* top = nullptr;
    long last = 0;
    for (const auto& [form, p] : places_)
        if ((dialogsToo || !p.dialog) && up(p) && (!top || p.lastOnTop > last)) {
            top = form;
            last = p.lastOnTop;
        }
    return top;
}

void WindowOrder::belongTo(Place& dialog, const forms::Form* screen) {
    dialog.owner = screen;
    auto it = screen ? places_.find(screen) : places_.end();
    QWidget* win = dialog.window.data();
    if (!win || it == places_.end() || !it->second.window) return;
    const bool wasUp = win->isVisible();
    if (wasUp) {
        win->setAttribute(Qt::WA_ShowWithoutActivating);
        win->hide();
    }
    win->winId();
    it->second.window->winId();
    win->windowHandle()->setTransientParent(it->second.window->windowHandle());
    if (wasUp) {
        win->show();
        win->setAttribute(Qt::WA_ShowWithoutActivating, false);
    }
}

void WindowOrder::opensOver(const forms::Form& form) {
    auto it = places_.find(&form);
    if (it != places_.end() && it->second.dialog) belongTo(it->second, topmost(false));
}

void WindowOrder::raise(const forms::Form& screen, bool relink) {
    places_.at(&screen).window->raise();
    std::vector<Place*> dialogs;
    for (auto& [form, p] : places_)
        if (p.dialog && p.owner == &screen && up(p)) dialogs.push_back(&p);
    std::sort(dialogs.begin(), dialogs.end(), [](const Place* a, const Place* b) { return a->lastOnTop < b->lastOnTop; });
    for (Place* d : dialogs) {
        // A window manager forgets what a dialog belongs to while that screen is down.
        if (relink) belongTo(*d, &screen);
        d->window->raise();
    }
}

void WindowOrder::shown(const forms::Form& form, bool opening) {
    auto it = places_.find(&form);
    if (it == places_.end() || !it->second.window) return;
    Place& p = it->second;
    p.lastOnTop = ++onTop_;
    if (p.dialog) {
        // Brought forward again from another screen: it belongs to that screen now.
        const forms::Form* over = topmost(false);
        if (!opening && over && over != p.owner) belongTo(p, over);
        p.window->raise();
    } else {
        adoptOrphans();
        raise(form, opening);
    }
}

void WindowOrder::tookKeyboard(const QWidget* window) {
    for (auto& [form, p] : places_)
        if (p.window == window) p.lastOnTop = ++onTop_;
}

void WindowOrder::adoptOrphans() {
    const forms::Form* top = topmost(false);
    if (!top) return;
    for (auto& [form, p] : places_)
        if (p.dialog && !p.owner && up(p)) {
            belongTo(p, top);
            p.window->raise();
        }
}

QWidget* WindowOrder::settle() {
    if (!windowWent_) return nullptr;
    windowWent_ = false;
    if (QApplication::activeModalWidget() || QApplication::activePopupWidget()) return nullptr;
    adoptOrphans();
    const QWidget* active = QApplication::activeWindow();
    const bool ours = std::any_of(places_.begin(), places_.end(), [active](const auto& p) { return p.second.window == active; });
    if (active && active->isVisible() && ours) return nullptr;
    const forms::Form* top = topmost(true);
    if (!top) return nullptr;
    const Place& p = places_.at(top);
    if (p.dialog) p.window->raise();
    else raise(*top, false);
    return p.window.data();
}

}  // namespace varnholt
