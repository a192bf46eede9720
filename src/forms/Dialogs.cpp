#include "forms/Dialogs.h"

namespace forms {

MsgResult QueuedDialogs::messageBox(const std::string& text, const std::string& title, MsgButtons buttons,
                                    MsgIcon icon) {
    return messageBoxWithDefault(text, title, buttons, icon, MsgResult::Yes);
}

MsgResult QueuedDialogs::messageBoxWithDefault(const std::string& text, const std::string& title, MsgButtons buttons,
                                               MsgIcon, MsgResult defaultAnswer) {
    MsgResult answer = MsgResult::OK;
    if (buttons == MsgButtons::OK) {
        // An OK-only box is answered OK; a queued OK is taken, another queued answer stays for later.
        if (!answers_.empty() && answers_.front() == MsgResult::OK) answers_.pop_front();
    } else {
        if (answers_.empty() || answers_.front() == MsgResult::OK)
            throw UnansweredDialog("a Yes/No message box \"" + title + "\" \"" + text + "\" had no answer queued");
        answer = answers_.front();
        answers_.pop_front();
    }
    shown_.push_back({title.empty() ? ApplicationTitle : title, text, buttons, answer,
                      buttons == MsgButtons::OK ? MsgResult::OK : defaultAnswer});
    return answer;
}

std::optional<std::string> QueuedDialogs::inputBox(const std::string& prompt, const std::string& title, const std::string&) {
    prompted_.push_back({title.empty() ? ApplicationTitle : title, prompt});
    if (inputs_.empty()) throw UnansweredDialog("an input box \"" + prompt + "\" had no input queued");
    auto r = inputs_.front();
    inputs_.pop_front();
    return r;
}

std::optional<QueuedDialogs::Shown> QueuedDialogs::nextUnchecked() {
    if (checked_ >= shown_.size()) return std::nullopt;
    return shown_[checked_++];
}

}  // namespace forms
