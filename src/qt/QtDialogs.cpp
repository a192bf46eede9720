#include "qt/QtDialogs.h"

#include <QInputDialog>
#include <QMessageBox>

#include "qt/Keyboard.h"

namespace varnholt {

namespace {

QMessageBox::Icon qtIcon(forms::MsgIcon icon) {
    switch (icon) {
        case forms::MsgIcon::Question: return QMessageBox::Question;
        case forms::MsgIcon::Exclamation: return QMessageBox::Warning;
        case forms::MsgIcon::Information: return QMessageBox::Information;
        case forms::MsgIcon::Critical: return QMessageBox::Critical;
        case forms::MsgIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

// The boxes have no parent: a handler may unload the screen it belongs to while its box is open. When a box
// closes, the keyboard goes back to the window it came over.
forms::MsgResult QtDialogs::messageBox(const std::string& text, const std::string& title, forms::MsgButtons buttons,
                                       forms::MsgIcon icon) {
    return messageBoxWithDefault(text, title, buttons, icon, forms::MsgResult::Yes);
}

forms::MsgResult QtDialogs::messageBoxWithDefault(const std::string& text, const std::string& title,
                                                  forms::MsgButtons buttons, forms::MsgIcon icon,
                                                  forms::MsgResult defaultAnswer) {
    const KeyboardBack back;
    const bool yesNo = buttons == forms::MsgButtons::YesNo;
    QMessageBox box(qtIcon(icon), QString::fromStdString(title), QString::fromStdString(text),
                    yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    if (yesNo) {
        // Return presses the default answer; Escape always answers No.
        box.setDefaultButton(defaultAnswer == forms::MsgResult::No ? QMessageBox::No : QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
    }
    int answer = box.exec();
    if (!yesNo) return forms::MsgResult::OK;
    return answer == QMessageBox::Yes ? forms::MsgResult::Yes : forms::MsgResult::No;
}

std::optional<std::string> QtDialogs::inputBox(const std::string& prompt, const std::string& title,
                                               const std::string& defaultText) {
    const KeyboardBack back;
    bool ok = false;
    QString text = QInputDialog::getText(nullptr, QString::fromStdString(title), QString::fromStdString(prompt),
                                         QLineEdit::Normal, QString::fromStdString(defaultText), &ok);
    if (!ok) return std::nullopt;
    return text.toStdString();
}

}  // namespace varnholt
