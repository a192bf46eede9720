#include "qt/Widgets.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QWheelEvent>

namespace varnholt {

namespace {

bool isPress(const QKeyEvent* e) {
    return e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter || e->key() == Qt::Key_Space;
}

// Draws a list's rows with the keyboard cursor as a frame of its own: the text colour's frame on a plain row,
// the highlighted text's on the selected one, so it reads on both and never looks like the highlight.
class RowCursor : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QStyleOptionViewItem plain(option);
        plain.state &= ~QStyle::State_HasFocus;  // the style's own dotted focus line is replaced by the frame
        QStyledItemDelegate::paint(painter, plain, index);
        const auto* view = qobject_cast<const QAbstractItemView*>(option.widget);
        if (!view || !view->hasFocus() || view->currentIndex() != index) return;
        const bool selected = option.state & QStyle::State_Selected;
        const QColor ink = option.palette.color(QPalette::Active, selected ? QPalette::HighlightedText : QPalette::Text);
        // The rows are little taller than their lettering: the frame keeps to the row's very edge, thin above
        // and below the text and thicker at its ends.
        const QRect r = option.rect;
        painter->fillRect(r.left(), r.top(), r.width(), 1, ink);
        painter->fillRect(r.left(), r.bottom(), r.width(), 1, ink);
        painter->fillRect(r.left(), r.top(), EndWidth, r.height(), ink);
        painter->fillRect(r.right() - EndWidth + 1, r.top(), EndWidth, r.height(), ink);
    }

    static constexpr int EndWidth = 2;
};

bool movesCursor(const QKeyEvent* e) {
    switch (e->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Home:
        case Qt::Key_End:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            return true;
        default:
            return false;
    }
}

}  // namespace

void FormWindow::closeEvent(QCloseEvent* e) {
    e->ignore();
    if (closeBox) closeBox();
}

void FormWindow::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier) {
        e->accept();
        if (escape) escape();
        return;
    }
    QWidget::keyPressEvent(e);
}

void PlayerButton::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        e->accept();
        click();
        return;
    }
    QPushButton::keyPressEvent(e);
}

void ClickLabel::setClickable(bool on) { setFocusPolicy(on ? Qt::StrongFocus : Qt::NoFocus); }

void ClickLabel::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) e->accept();
    else QLabel::mousePressEvent(e);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) {
        e->accept();
        if (clicked) clicked();
        return;
    }
    QLabel::mouseReleaseEvent(e);
}

void ClickLabel::mouseDoubleClickEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) {
        e->accept();
        if (doubleClicked) doubleClicked();
        return;
    }
    QLabel::mouseDoubleClickEvent(e);
}

void ClickLabel::keyPressEvent(QKeyEvent* e) {
    if (focusPolicy() != Qt::NoFocus && isPress(e)) {
        e->accept();
        if (clicked) clicked();
        return;
    }
    QLabel::keyPressEvent(e);
}

PlayerList::PlayerList(QWidget* parent) : QListWidget(parent) { setItemDelegate(new RowCursor(this)); }

int PlayerList::selectedRow() const {
    const auto rows = selectionModel() ? selectionModel()->selectedRows() : QModelIndexList();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void PlayerList::highlightOnly(int row) {
    if (row < 0 || row >= count()) selectionModel()->clearSelection();
    else selectionModel()->select(model()->index(row, 0), QItemSelectionModel::ClearAndSelect);
}

void PlayerList::showSelection(int row) {
    if (row >= count()) row = -1;
    if (pickOnPress_) {
        // The cursor is the player's alone.
        if (selectedRow() != row) highlightOnly(row);
        return;
    }
    if (row < 0) {
        if (selectedRow() >= 0 || currentRow() >= 0) {
            clearSelection();
            setCurrentItem(nullptr);
        }
    } else if (selectedRow() != row) {
        // A cursor on the list goes along with the selection; a list without one stays without.
        if (currentIndex().isValid()) setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
        else highlightOnly(row);
        scrollToItem(item(row));
    }
}

void PlayerList::dropCursor() {
    if (!currentIndex().isValid()) return;
    selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    viewport()->update();
}

void PlayerList::report(int row) {
    if (chose) chose(row);
}

// The mouse picks on release: the row under the pointer then, wherever the press was. Qt moves the highlight
// while the button is down; the game's answer replaces it afterwards.
void PlayerList::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton || locked_) {
        e->accept();
        if (locked_) setFocus(Qt::MouseFocusReason);
        return;
    }
    pressed_ = true;
    QListWidget::mousePressEvent(e);
}

void PlayerList::mouseMoveEvent(QMouseEvent* e) {
    if (!pressed_) {
        e->accept();
        return;
    }
    QListWidget::mouseMoveEvent(e);
}

void PlayerList::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton || !pressed_) {
        e->accept();
        return;
    }
    pressed_ = false;
    QListWidget::mouseReleaseEvent(e);
    if (afterDoubleClick_) {
        // The second click of a double click picks nothing more.
        afterDoubleClick_ = false;
        report(-1);
        return;
    }
    QListWidgetItem* under = itemAt(e->position().toPoint());
    report(under ? row(under) : -1);
}

void PlayerList::mouseDoubleClickEvent(QMouseEvent* e) {
    QListWidgetItem* under = e->button() == Qt::LeftButton && !locked_ ? itemAt(e->position().toPoint()) : nullptr;
    if (!under || row(under) != selectedRow()) {
        // Not on the row the first click picked: an ordinary press.
        mousePressEvent(e);
        return;
    }
    e->accept();
    pressed_ = true;
    afterDoubleClick_ = true;
    if (doubleClicked) doubleClicked();
}

void PlayerList::keyPressEvent(QKeyEvent* e) {
    if (locked_) {
        e->ignore();
        return;
    }
    if (isPress(e)) {
        // Space, Return or Enter pick the row under the cursor, as a click on it does.
        e->accept();
        report(currentRow());
        return;
    }
    const int before = selectedRow();
    const bool ends = e->key() == Qt::Key_Home || e->key() == Qt::Key_End;
    if (movesCursor(e) && !currentIndex().isValid() && before >= 0 && !ends) {
        // Nothing under the cursor yet: the arrows and Page keys move on from the highlighted row.
        selectionModel()->setCurrentIndex(model()->index(before, 0), QItemSelectionModel::NoUpdate);
        QListWidget::keyPressEvent(e);
    } else if (movesCursor(e) && !currentIndex().isValid() && count() > 0) {
        // Nothing under the cursor and nothing highlighted: the first move lands on the top row (End on the last).
        e->accept();
        setCurrentRow(e->key() == Qt::Key_End ? count() - 1 : 0,
                      pickOnPress_ ? QItemSelectionModel::NoUpdate : QItemSelectionModel::ClearAndSelect);
    } else {
        QListWidget::keyPressEvent(e);
    }
    if (pickOnPress_) {
        // Only the cursor moved: the highlight stays the game's selection.
        if (selectedRow() != before) highlightOnly(before);
        viewport()->update();
        return;
    }
    const int after = selectedRow();
    if (after != before) report(after);
}

// A list takes the keyboard with no row under its cursor, however it came there: Return and Space then pick
// nothing the player has not pointed at since, and an arrow or a letter first puts the cursor on a row. Only a
// click keeps a cursor the list had (the click then puts it on its row); Qt's own cursor on the top row, put
// there as the list takes the focus, would make the first Down skip that row.
void PlayerList::focusInEvent(QFocusEvent* e) {
    const bool hadCursor = currentIndex().isValid();
    QListWidget::focusInEvent(e);
    if (e->reason() != Qt::MouseFocusReason || !hadCursor) dropCursor();
    viewport()->update();
}

void PlayerList::keyboardSearch(const QString& search) {
    if (count() == 0 || search.isEmpty()) return;
    // With no interval at all every letter starts afresh.
    const int interval = QApplication::keyboardInputInterval();
    const bool spelling = interval > 0 && lastKey_.isValid() && lastKey_.elapsed() <= interval;
    lastKey_.start();
    typed_ = spelling ? typed_ + search : search;
    const bool sameLetter = typed_.count(typed_.front()) == typed_.size();
    const QString wanted = sameLetter ? typed_.left(1) : typed_;
    // A letter that starts a search, or the same letter again, looks past the cursor's row; a longer start of
    // a row may be the row the cursor is on.
    const int from = currentRow();
    const int start = from < 0 ? 0 : (typed_.size() == 1 || sameLetter ? from + 1 : from);
    for (int i = 0; i < count(); ++i) {
        const int row = (start + i) % count();
        if (item(row)->text().startsWith(wanted, Qt::CaseInsensitive)) {
            setCurrentIndex(model()->index(row, 0));
            return;
        }
    }
}

void PlayerList::focusOutEvent(QFocusEvent* e) {
    QListWidget::focusOutEvent(e);
    viewport()->update();
}

void PlayerText::keyPressEvent(QKeyEvent* e) {
    const bool toEnd = e->key() == Qt::Key_End;
    if (isReadOnly() && (e->key() == Qt::Key_Home || toEnd) && e->modifiers() == Qt::ControlModifier) {
        e->accept();
        verticalScrollBar()->triggerAction(toEnd ? QAbstractSlider::SliderToMaximum : QAbstractSlider::SliderToMinimum);
        return;
    }
    QPlainTextEdit::keyPressEvent(e);
}

void PlayerCombo::showPopup() {
    if (!locked_) QComboBox::showPopup();
}

void PlayerCombo::mousePressEvent(QMouseEvent* e) {
    if (locked_) {
        e->accept();
        setFocus(Qt::MouseFocusReason);
        return;
    }
    QComboBox::mousePressEvent(e);
}

void PlayerCombo::keyPressEvent(QKeyEvent* e) {
    if (locked_) {
        e->ignore();
        return;
    }
    QComboBox::keyPressEvent(e);
}

void PlayerCombo::wheelEvent(QWheelEvent* e) {
    if (locked_) {
        e->ignore();
        return;
    }
    QComboBox::wheelEvent(e);
}

FocusRing::FocusRing(QWidget* window) : QWidget(window) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void FocusRing::follow(QWidget* target) {
    if (target_ == target) {
        place();
        return;
    }
    if (target_) target_->removeEventFilter(this);
    target_ = target;
    if (target_) target_->installEventFilter(this);
    place();
}

bool FocusRing::eventFilter(QObject*, QEvent* e) {
    switch (e->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
            place();
            break;
        default:
            break;
    }
    return false;
}

void FocusRing::place() {
    if (!target_ || !target_->isVisible() || !parentWidget()) {
        hide();
        return;
    }
    QRect around(target_->mapTo(parentWidget(), QPoint(0, 0)), target_->size());
    setGeometry(around.adjusted(-Width, -Width, Width, Width));
    raise();
    show();
}

void FocusRing::paintEvent(QPaintEvent*) {
    // An amber band outside, a dark line inside: one of the two stands out on any background.
    static const QColor Amber(255, 176, 0);
    static const QColor Dark(20, 20, 20);
    QPainter p(this);
    auto band = [&p](QRect r, int width, const QColor& c) {
        p.fillRect(r.left(), r.top(), r.width(), width, c);
        p.fillRect(r.left(), r.bottom() - width + 1, r.width(), width, c);
        p.fillRect(r.left(), r.top(), width, r.height(), c);
        p.fillRect(r.right() - width + 1, r.top(), width, r.height(), c);
    };
    band(rect(), Width - 1, Amber);
    band(rect().adjusted(Width - 1, Width - 1, 1 - Width, 1 - Width), 1, Dark);
}

}  // namespace varnholt
