// The player's gestures on real widgets, as the window system delivers them, and a measure of how well
// lettering reads; shared by the tests of the real window.
#pragma once

#include <algorithm>
#include <cmath>
#include <map>

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QListWidget>
#include <QMouseEvent>

namespace gestures {

// A press, move or release of the left button at a point of a list's rows.
inline void mouseAt(QListWidget* list, QEvent::Type type, QPoint at, Qt::MouseButtons held,
                    Qt::KeyboardModifiers mods = Qt::NoModifier) {
    Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent e(type, at, list->viewport()->mapToGlobal(at), button, held, mods);
    QApplication::sendEvent(list->viewport(), &e);
}

inline QPoint rowCentre(QListWidget* list, int row) { return list->visualItemRect(list->item(row)).center(); }

inline void clickRow(QListWidget* list, int row, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    mouseAt(list, QEvent::MouseButtonPress, rowCentre(list, row), Qt::LeftButton, mods);
    mouseAt(list, QEvent::MouseButtonRelease, rowCentre(list, row), Qt::NoButton, mods);
}

// A press on one row, dragged over the rows between, released on another.
inline void dragRows(QListWidget* list, int from, int to) {
    mouseAt(list, QEvent::MouseButtonPress, rowCentre(list, from), Qt::LeftButton);
    for (int r = from; r != to; r += from < to ? 1 : -1) mouseAt(list, QEvent::MouseMove, rowCentre(list, r), Qt::LeftButton);
    mouseAt(list, QEvent::MouseMove, rowCentre(list, to), Qt::LeftButton);
    mouseAt(list, QEvent::MouseButtonRelease, rowCentre(list, to), Qt::NoButton);
}

inline void pressKey(QWidget* w, int key, Qt::KeyboardModifiers mods = Qt::NoModifier, const QString& text = {},
                     bool autoRepeat = false) {
    QKeyEvent press(QEvent::KeyPress, key, mods, text, autoRepeat);
    QApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, key, mods, text, autoRepeat);
    QApplication::sendEvent(w, &release);
}

inline void typeKey(QWidget* w, Qt::Key key, const QString& text) { pressKey(w, key, Qt::NoModifier, text); }

// The highlighted row of a list: -1 for none, -2 for more than one.
inline int highlighted(QListWidget* list) {
    auto rows = list->selectionModel()->selectedRows();
    return rows.size() == 1 ? rows.first().row() : (rows.isEmpty() ? -1 : -2);
}

// The contrast ratio of two colours by their relative luminance, from 1 to 21.
inline double contrast(QColor a, QColor b) {
    auto channel = [](double c) { return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    auto lum = [&](QColor c) {
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
    };
    double x = lum(a), y = lum(b);
    return (std::max(x, y) + 0.05) / (std::min(x, y) + 0.05);
}

// How well the lettering in a part of a window reads: the most common colour there is what it is drawn on,
// the colour that stands out most from it is the ink.
inline double legibility(const QImage& shot, QRect area) {
    std::map<QRgb, int> count;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) ++count[shot.pixel(x, y)];
    if (count.empty()) return 1;
    QRgb paper = std::max_element(count.begin(), count.end(), [](auto& a, auto& b) { return a.second < b.second; })->first;
    double best = 1;
    for (const auto& [rgb, n] : count) best = std::max(best, contrast(QColor(rgb), QColor(paper)));
    return best;
}

}  // namespace gestures
