#include "qt/QtView.h"

#include <cmath>
#include <exception>
#include <map>
#include <optional>
#include <type_traits>
#include <utility>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QFontMetrics>
#include <QFrame>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>

#include "forms/Files.h"
#include "forms/Numbers.h"
#include "qt/Readable.h"

namespace varnholt {

namespace {

using forms::ControlKind;

// The size of the lettering the screens were laid out for; headings are larger.
constexpr int TextPixels = 11;
constexpr int LargeTextPixels = 18;
constexpr int MinTextPixels = 8;

int pixels(int twips) { return static_cast<int>(std::lround(twips / 15.0)); }

QString q(const std::string& s) { return QString::fromStdString(s); }

// A multi-line text box keeps its lines ended by CR LF; the editor wants plain line feeds.
QString toEditor(const std::string& s) {
    QString t = q(s);
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return t;
}

std::string fromEditor(const QString& s) {
    QString t = s;
    t.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return t.toStdString();
}

// Brings a list's or a drop-down list's rows in line with the model's items, appending when the model only grew.
template <class Rows>
void syncItems(Rows* rows, const std::vector<std::string>& items) {
    auto text = [rows](int i) {
        if constexpr (std::is_base_of_v<QComboBox, Rows>) return rows->itemText(i);
        else return rows->item(i)->text();
    };
    int kept = rows->count();
    bool prefix = kept <= static_cast<int>(items.size());
    for (int i = 0; prefix && i < kept; ++i) prefix = text(i) == q(items[static_cast<std::size_t>(i)]);
    if (!prefix) {
        rows->clear();
        kept = 0;
    }
    for (std::size_t i = static_cast<std::size_t>(kept); i < items.size(); ++i) rows->addItem(q(items[i]));
}

// Shows a picture file on a label, loading it only when the file changed.
void showPicture(QLabel* label, const std::string& path) {
    QString file = q(path);
    if (label->property("pictureFile").toString() == file) return;
    label->setProperty("pictureFile", file);
    QPixmap pm;
    if (!file.isEmpty()) pm.load(file);
    if (pm.isNull()) label->clear();
    else label->setPixmap(pm);
}

Qt::Alignment alignment(const forms::Control& control) {
    const unsigned flags = control.design().flags;
    if (flags & forms::Centred) return Qt::AlignHCenter;
    return (flags & forms::RightAligned) ? Qt::AlignRight : Qt::AlignLeft;
}

// A caption that must stay on one line: the label's own lettering when it fits, smaller lettering (never
// below MinTextPixels) when it does not, and cut short with "…" when even that is too wide; the whole caption
// is then its tooltip.
void fitOneLine(QLabel* l, const QString& whole, const QString& tooltip) {
    QFont font = l->font();
    int size = l->property("designPixels").toInt();
    if (size == 0) size = font.pixelSize();
    if (size > 0) {
        l->setProperty("designPixels", size);
        const int room = l->contentsRect().width();
        for (font.setPixelSize(size); size > MinTextPixels; font.setPixelSize(--size))
            if (QFontMetrics(font).horizontalAdvance(whole) <= room) break;
        if (font != l->font()) l->setFont(font);
    }
    const QFontMetrics metrics(font);
    const int room = l->contentsRect().width();
    const QString shown = metrics.horizontalAdvance(whole) <= room ? whole : metrics.elidedText(whole, Qt::ElideRight, room);
    if (l->text() != shown) l->setText(shown);
    l->setToolTip(shown == whole ? tooltip : whole);
}

QColor rgb(unsigned colour) { return QColor::fromRgb(static_cast<QRgb>(colour)); }

// The palette of the text boxes and lists of a screen with colours of its own: its ink on its paper, readable
// when disabled too; made once for the screen's window.
QPalette boxColours(QPalette pal, const forms::ScreenColours& colours) {
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        for (auto [ink, paper] : {std::pair{QPalette::Text, QPalette::Base}, std::pair{QPalette::ButtonText, QPalette::Button}}) {
            pal.setColor(group, paper, rgb(colours.boxPaper));
            pal.setColor(group, ink, rgb(colours.boxInk));
        }
    // Disabled text keeps a dimmer shade of its own, still readable on the paper.
    for (auto role : {QPalette::Text, QPalette::ButtonText})
        pal.setColor(QPalette::Disabled, role, readableOn(onPicture(false), rgb(colours.boxPaper)));
    return readablePalette(pal);
}

// Captions drawn on the screen itself: in a screen's own colours, on their paper; on a picture, light lettering
// that reads on the picture's lightest colour (`paper`); otherwise the window's own colours.
void lettering(QWidget* w, const std::optional<QColor>& picture, const forms::ScreenColours* own = nullptr) {
    QPalette pal = w->parentWidget() ? w->parentWidget()->palette() : QPalette();
    std::optional<QColor> paper = picture;
    QColor ink = onPicture(true);
    if (own) {
        paper = rgb(own->labelPaper);
        ink = rgb(own->labelInk);
        pal.setColor(QPalette::Window, *paper);
        w->setAutoFillBackground(true);
    }
    if (paper) {
        for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
            const QColor shade = readableOn(group == QPalette::Disabled ? onPicture(false) : ink, *paper);
            pal.setColor(group, QPalette::WindowText, shade);
            pal.setColor(group, QPalette::Text, shade);
        }
    }
    w->setPalette(pal);
}

}  // namespace

QtView::QtView(forms::Program& program)
    : program_(program),
      keyboard_(program, order_, [this](const forms::Form* form, const QWidget* window, forms::Control* control,
                                const std::function<void()>& action) { playerAction(form, window, control, action); }) {
    program_.setObserver(this);
}

QtView::~QtView() {
    program_.setObserver(nullptr);
    for (auto& [form, screen] : screens_) delete screen.window.data();
    screens_.clear();
}

QWidget* QtView::window(const forms::Form& form) const {
    auto it = screens_.find(&form);
    return it == screens_.end() ? nullptr : it->second.window.data();
}

QWidget* QtView::widget(const forms::Control& control) const {
    auto it = screens_.find(&control.form());
    if (it == screens_.end()) return nullptr;
    auto w = it->second.widgets.find(&control);
    return w == it->second.widgets.end() ? nullptr : w->second;
}

void QtView::perform(const std::function<void()>& action) {
    ++depth_;
    auto guarded = [this](const std::function<void()>& step) {
        std::string error;
        try {
            step();
        } catch (const forms::RuntimeError& e) {
            error = "Run-time error " + std::to_string(e.code()) + ": " + e.what();
        } catch (const std::exception& e) {
            error = std::string("Run-time error: ") + e.what();
        }
        if (!error.empty()) report(error);
    };
    guarded(action);
    if (depth_ == 1) guarded([this] { program_.afterPlayerAction(); });
    --depth_;
    // A modal dialog runs its own event loop inside a handler: only the outermost action frees screens.
    if (depth_ == 0) {
        program_.collect();
        keyboard_.settle();
    }
}

void QtView::report(const std::string& message) {
    try {
        program_.dialogs().messageBox(message, forms::ApplicationTitle, forms::MsgButtons::OK, forms::MsgIcon::Critical);
    } catch (const std::exception&) {
        // Nobody to tell: play goes on.
    }
}

void QtView::playerAction(const forms::Form* form, const QWidget* window, forms::Control* control,
                          const std::function<void()>& action) {
    auto live = [this, form, window]() -> Screen* {
        auto it = screens_.find(form);
        // An event still queued for the window of a screen that has been unloaded since goes nowhere.
        if (it == screens_.end() || !it->second.window || it->second.window.data() != window) return nullptr;
        return &it->second;
    };
    if (!live()) return;
    const Keyboard::Step step = keyboard_.before(*form, control);
    perform(action);
    Screen* screen = live();
    if (!screen) {
        keyboard_.unloaded(step);
        return;
    }
    if (control) {
        auto w = screen->widgets.find(control);
        if (w != screen->widgets.end()) applyControl(*screen, *control, w->second);
    }
    keyboard_.after(*form, step);
}

QPoint QtView::openingPlace(const QSize& window) {
    QScreen* screen = QGuiApplication::primaryScreen();
    QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    QRect place(QPoint(0, 0), window);
    place.moveCenter(area.center());
    // A window larger than the screen keeps its top-left corner, and so its caption and close box, on it.
    if (place.left() < area.left()) place.moveLeft(area.left());
    if (place.top() < area.top()) place.moveTop(area.top());
    return place.topLeft();
}

QtView::Screen& QtView::build(forms::Form& form) {
    Screen& screen = screens_[&form];
    auto* win = new FormWindow;
    // A dialog of the program: a window manager keeps it in front of the program's other windows.
    if (form.design().dialog) win->setWindowFlags(Qt::Dialog);
    forms::Form* f = &form;
    win->closeBox = [this, f, win] { playerAction(f, win, nullptr, [this, f] { program_.playerClose(f->name()); }); };
    win->setFixedSize(pixels(form.design().width), pixels(form.design().height));
    win->setPalette(readablePalette(win->palette()));
    QFont font = win->font();
    font.setPixelSize(TextPixels);
    win->setFont(font);
    screen.window = win;
    if (form.design().colours) screen.boxes = boxColours(win->palette(), *form.design().colours);

    screen.background = new QLabel(win);
    screen.background->setGeometry(0, 0, win->width(), win->height());
    screen.background->setScaledContents(true);
    screen.background->setAttribute(Qt::WA_TransparentForMouseEvents);

    for (const auto& c : form.controls()) {
        QWidget* w = makeWidget(screen, form, *c);
        screen.widgets[c.get()] = w;
        screen.controls[w] = c.get();
    }
    // Frames and shapes sit behind the controls drawn inside them; the picture behind everything.
    for (const auto& c : form.controls())
        if (c->kind() == ControlKind::Frame || c->kind() == ControlKind::Shape) screen.widgets[c.get()]->lower();
    screen.background->lower();
    keyboard_.adopt(form, screen);
    order_.adopt(form, win);

    applyForm(screen, form);
    return screen;
}

QWidget* QtView::makeWidget(Screen& screen, forms::Form& form, forms::Control& control) {
    QWidget* w = makeBareWidget(screen, form, control);
    if (screen.boxes && forms::isBoxOrList(control.kind())) w->setPalette(*screen.boxes);
    const unsigned flags = control.design().flags;
    if (flags & (forms::Bold | forms::Large | forms::Underline)) {
        QFont font = w->font();
        if (flags & forms::Bold) font.setBold(true);
        if (flags & forms::Large) font.setPixelSize(LargeTextPixels);
        if (flags & forms::Underline) font.setUnderline(true);
        w->setFont(font);
    }
    return w;
}

QWidget* QtView::makeBareWidget(Screen& screen, forms::Form& form, forms::Control& control) {
    QWidget* win = screen.window.data();
    forms::Form* f = &form;
    forms::Control* c = &control;
    auto act = [this, f, win, c](std::function<void()> action) { playerAction(f, win, c, action); };

    switch (control.kind()) {
        case ControlKind::Button: {
            auto* b = new PlayerButton(win);
            b->setAutoDefault(false);
            QObject::connect(b, &QPushButton::clicked, b, [act, c] { act([c] { c->playerClick(); }); });
            return b;
        }
        case ControlKind::TextBox:
            if (control.design().flags & forms::MultiLine) {
                auto* t = new PlayerText(win);
                // Tab moves on to the next control, as in every other box.
                t->setTabChangesFocus(true);
                QObject::connect(t, &QPlainTextEdit::textChanged, t, [act, c, t] {
                    std::string typed = fromEditor(t->toPlainText());
                    act([c, typed] { c->playerType(typed); });
                });
                return t;
            } else {
                auto* t = new QLineEdit(win);
                t->setAlignment(alignment(control) | Qt::AlignVCenter);
                QObject::connect(t, &QLineEdit::textEdited, t, [act, c](const QString& s) {
                    std::string typed = s.toStdString();
                    act([c, typed] { c->playerType(typed); });
                });
                return t;
            }
        case ControlKind::Label:
        case ControlKind::PictureBox:
        case ControlKind::Image: {
            auto* l = new ClickLabel(win);
            if (control.kind() == ControlKind::Label) {
                l->setWordWrap(!(control.design().flags & forms::OneLine));
                l->setTextFormat(Qt::PlainText);
                l->setAlignment(alignment(control) | Qt::AlignTop);
            } else {
                l->setScaledContents(true);
            }
            l->setClickable(form.keyboardCanLand(control));
            l->clicked = [act, c] { act([c] { c->playerClick(); }); };
            l->doubleClicked = [act, f, c] { act([f, c] { f->fire(*c, forms::Event::DblClick); }); };
            return l;
        }
        case ControlKind::ListBox:
        case ControlKind::FileListBox: {
            auto* l = new PlayerList(win);
            l->setSelectionMode(QAbstractItemView::SingleSelection);
            l->setPickOnPress(control.design().flags & forms::PickOnPress);
            // Whatever the player picked, the game decides what stays selected; a gesture that picked nothing
            // only brings the game's selection back into view.
            l->chose = [act, c](int row) {
                act([c, row] {
                    if (row >= 0) c->playerSelect(row);
                });
            };
            l->doubleClicked = [act, f, c] { act([f, c] { f->fire(*c, forms::Event::DblClick); }); };
            return l;
        }
        case ControlKind::ComboBox: {
            auto* cb = new PlayerCombo(win);
            cb->setEditable(false);
            QObject::connect(cb, &QComboBox::activated, cb, [act, c](int i) { act([c, i] { c->playerSelect(i); }); });
            return cb;
        }
        case ControlKind::Frame: {
            auto* g = new QGroupBox(win);
            g->setAttribute(Qt::WA_TransparentForMouseEvents);
            return g;
        }
        case ControlKind::Shape: {
            auto* s = new QFrame(win);
            s->setFrameShape(QFrame::Box);
            s->setAttribute(Qt::WA_TransparentForMouseEvents);
            return s;
        }
        case ControlKind::VScrollBar: {
            auto* s = new QScrollBar(Qt::Vertical, win);
            QObject::connect(s, &QScrollBar::valueChanged, s, [act, c](int v) { act([c, v] { c->playerScroll(v); }); });
            return s;
        }
    }
    return new QWidget(win);
}

void QtView::applyForm(Screen& screen, forms::Form& form) {
    QWidget* win = screen.window.data();
    win->setWindowTitle(q(form.caption()));
    showPicture(screen.background, form.picturePath());
    screen.paper.reset();
    if (!form.picturePath().empty())
        screen.paper = lightestColour(q(form.picturePath()), screen.background->pixmap());
    screen.background->setVisible(!form.picturePath().empty());
    for (const auto& c : form.controls()) applyControl(screen, *c, screen.widgets[c.get()]);
}

void QtView::applyControl(Screen& screen, forms::Control& control, QWidget* w) {
    // Values pushed from the model must not come back as the player's actions.
    QSignalBlocker block(w);
    const bool hadKeyboard = keyboard_.holds(screen, w);

    w->setGeometry(pixels(control.left()), pixels(control.top()), pixels(control.width()), pixels(control.height()));
    w->setEnabled(control.enabled());
    w->setToolTip(q(control.tooltip()));

    switch (control.kind()) {
        case ControlKind::Button: {
            auto* b = static_cast<QPushButton*>(w);
            if (b->text() != q(control.text())) b->setText(q(control.text()));
            break;
        }
        case ControlKind::TextBox:
            if (auto* t = qobject_cast<QPlainTextEdit*>(w)) {
                QString text = toEditor(control.text());
                if (t->toPlainText() != text) t->setPlainText(text);
                t->setReadOnly(control.locked());
            } else {
                auto* e = static_cast<QLineEdit*>(w);
                if (e->text() != q(control.text())) e->setText(q(control.text()));
                e->setReadOnly(control.locked());
            }
            break;
        case ControlKind::Label: {
            auto* l = static_cast<QLabel*>(w);
            const auto& own = control.form().design().colours;
            lettering(l, screen.paper, own ? &*own : nullptr);
            if (control.design().flags & forms::OneLine) fitOneLine(l, q(control.text()), q(control.tooltip()));
            else if (l->text() != q(control.text())) l->setText(q(control.text()));
            break;
        }
        case ControlKind::PictureBox:
        case ControlKind::Image: {
            std::string path;
            if (!control.picture().empty()) {
                auto p = forms::gamePath(control.form().program().folder(), control.picture());
                if (forms::fileExists(p)) path = p.string();
            }
            showPicture(static_cast<QLabel*>(w), path);
            break;
        }
        case ControlKind::ListBox:
        case ControlKind::FileListBox: {
            auto* l = static_cast<PlayerList*>(w);
            syncItems(l, control.items());
            l->setLocked(control.locked());
            // The highlight is the game's selection: exactly that row, or none.
            l->showSelection(control.listIndex());
            break;
        }
        case ControlKind::ComboBox: {
            auto* cb = static_cast<PlayerCombo*>(w);
            syncItems(cb, control.items());
            cb->setLocked(control.locked());
            if (cb->currentIndex() != control.listIndex()) cb->setCurrentIndex(control.listIndex());
            break;
        }
        case ControlKind::Frame: {
            auto* g = static_cast<QGroupBox*>(w);
            g->setTitle(q(control.text()));
            lettering(g, screen.paper);
            break;
        }
        case ControlKind::Shape:
            lettering(w, screen.paper);
            break;
        case ControlKind::VScrollBar: {
            auto* s = static_cast<QScrollBar*>(w);
            // A bar whose Min is above its Max counts downwards from the top.
            s->setInvertedAppearance(control.min() > control.max());
            s->setInvertedControls(control.min() > control.max());
            s->setRange(std::min(control.min(), control.max()), std::max(control.min(), control.max()));
            s->setValue(control.value());
            break;
        }
    }
    w->setVisible(control.visible());
    keyboard_.applied(control.form(), control, w, hadKeyboard);
}

void QtView::formShown(forms::Form& form) {
    auto it = screens_.find(&form);
    Screen& screen = it == screens_.end() ? build(form) : it->second;
    // Every showing opens the window at its one place, wherever it was moved to before.
    const bool opening = !screen.window->isVisible();
    if (opening) {
        screen.window->setGeometry(QRect(openingPlace(screen.window->size()), screen.window->size()));
        order_.opensOver(form);
    }
    screen.window->show();
    order_.shown(form, opening);
    keyboard_.shown(form, opening);
}

void QtView::formHidden(forms::Form& form) {
    auto it = screens_.find(&form);
    if (it != screens_.end() && it->second.window) {
        it->second.window->hide();
        order_.windowWent();
    }
}

void QtView::formUnloaded(forms::Form& form) {
    auto it = screens_.find(&form);
    if (it == screens_.end()) return;
    keyboard_.forget(form);
    order_.forget(form);
    if (QWidget* w = it->second.window.data()) {
        w->hide();
        order_.windowWent();
        // A handler of this window may still be on the stack: the widgets go once it has returned.
        w->deleteLater();
    }
    screens_.erase(it);
}

void QtView::formChanged(forms::Form& form) {
    auto it = screens_.find(&form);
    if (it != screens_.end() && it->second.window) applyForm(it->second, form);
}

void QtView::controlChanged(forms::Form& form, forms::Control& control) {
    auto it = screens_.find(&form);
    if (it == screens_.end() || !it->second.window) return;
    auto w = it->second.widgets.find(&control);
    if (w != it->second.widgets.end()) applyControl(it->second, control, w->second);
}

void QtView::programEnded() {
    for (auto& [form, screen] : screens_) {
        keyboard_.forget(*form);
        order_.forget(*form);
        if (QWidget* w = screen.window.data()) {
            w->hide();
            w->deleteLater();
        }
    }
    screens_.clear();
    QCoreApplication::quit();
}

}  // namespace varnholt
