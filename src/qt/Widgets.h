// The widgets the real window builds screens from: Qt's own, taught to report the player's gestures to the
// game as the game's controls expect them (a list's selection by mouse or keyboard, Return on a button, the
// close box) and to refuse what a locked control refuses. They hold no game state of their own.
#pragma once

#include <functional>

#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QWidget>

namespace varnholt {

// A screen's top-level window. Its close box and Escape only report the player's wish: the game decides what
// closes.
class FormWindow : public QWidget {
public:
    std::function<void()> closeBox;
    std::function<void()> escape;

protected:
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
};

// A button that Return and Enter press as Space does.
class PlayerButton : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void keyPressEvent(QKeyEvent* e) override;
};

// A label, picture or image the player can click; one with a click handler takes the focus, and Return, Enter
// or Space click it.
class ClickLabel : public QLabel {
public:
    using QLabel::QLabel;
    std::function<void()> clicked;
    std::function<void()> doubleClicked;
    void setClickable(bool on);

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
};

// A list box. Every gesture of the player ends in `chose`: with the row the player picked (a click, also on
// the row already selected; a press on one row released on another; a keyboard move of the selection; Space,
// Return or Enter on the row under the keyboard cursor), or with -1 when the gesture picked nothing (a click
// below the last row, a Ctrl+click that only cleared the highlight). The game then decides what is selected,
// and the view shows it with `showSelection`. A locked list takes no gesture that would change the selection.
//
// The keyboard cursor is a frame on one row, drawn apart from the highlight. On a list that picks on press
// (a pick the player cannot take back), the arrows, Home, End, the Page keys and typed letters move only the
// cursor, which only the player moves, and which starts on no row each time the list takes the keyboard; on any other
// list they move the selection with it, which is a pick. With nothing under the cursor, the first arrow moves on
// from the highlighted row (from the top when none is), Home and End go to the first and last row.
class PlayerList : public QListWidget {
public:
    explicit PlayerList(QWidget* parent);
    std::function<void(int row)> chose;
    std::function<void()> doubleClicked;
    void setLocked(bool on) { locked_ = on; }
    void setPickOnPress(bool on) { pickOnPress_ = on; }
    bool picksOnPress() const { return pickOnPress_; }
    int selectedRow() const;
    // Highlights the game's selection (-1: none). On a list that only shows something a cursor follows it.
    void showSelection(int row);
    // Leaves no row under the cursor; the highlight stays.
    void dropCursor();

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    // Typed letters: the same letter again goes on to the next row that starts with it, round to the top;
    // letters typed quickly one after another spell the start of a row.
    void keyboardSearch(const QString& search) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    void report(int row);
    void highlightOnly(int row);
    bool locked_ = false;
    bool pickOnPress_ = false;
    bool pressed_ = false;
    bool afterDoubleClick_ = false;
    QString typed_;          // the letters typed so far, quickly one after another
    QElapsedTimer lastKey_;  // since the last typed letter
};

// A text box of several lines. One the player only reads is scrolled by the keys: the arrows, the Page keys,
// Home and End, Ctrl+Home and Ctrl+End.
class PlayerText : public QPlainTextEdit {
public:
    using QPlainTextEdit::QPlainTextEdit;

protected:
    void keyPressEvent(QKeyEvent* e) override;
};

// A drop-down list; a locked one neither opens nor changes by keys or the wheel, but still takes the focus.
class PlayerCombo : public QComboBox {
public:
    using QComboBox::QComboBox;
    void setLocked(bool on) { locked_ = on; }
    void showPopup() override;

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;

private:
    bool locked_ = false;
};

// The focus ring: a thick two-tone frame around the control that has the keyboard, drawn above everything in
// its window, so it shows on the dark picture and on light controls alike.
class FocusRing : public QWidget {
public:
    static constexpr int Width = 3;
    explicit FocusRing(QWidget* window);
    // The control to frame, or nothing to hide the ring.
    void follow(QWidget* target);
    QWidget* target() const { return target_.data(); }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    void place();
    QPointer<QWidget> target_;
};

}  // namespace varnholt
