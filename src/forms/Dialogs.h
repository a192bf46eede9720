// Message and input boxes behind one interface: the real window shows them modally, tests and the
// play-test runner answer them from a queue and keep a record of what was shown.
#pragma once

#include <deque>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace forms {

enum class MsgButtons { OK, YesNo };
enum class MsgIcon { None, Question, Exclamation, Information, Critical };
enum class MsgResult { OK, Yes, No };

// The title a message box shows when it is given none.
inline constexpr const char* ApplicationTitle = "QAVLE";

class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual MsgResult messageBox(const std::string& text, const std::string& title, MsgButtons buttons, MsgIcon icon) = 0;
    // The same box with the button that Return presses named: Yes or No of a Yes/No box (an OK box has only
    // OK). Dialogs that cannot name it show the plain box.
    virtual MsgResult messageBoxWithDefault(const std::string& text, const std::string& title, MsgButtons buttons,
                                            MsgIcon icon, MsgResult defaultAnswer) {
        (void)defaultAnswer;
        return messageBox(text, title, buttons, icon);
    }
    // The text typed, or nothing when the player cancelled.
    virtual std::optional<std::string> inputBox(const std::string& prompt, const std::string& title,
                                                const std::string& defaultText) = 0;
};

// Raised when a dialog needs an answer that nobody queued.
class UnansweredDialog : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class QueuedDialogs : public Dialogs {
public:
    struct Shown {
        std::string title, text;
        MsgButtons buttons;
        MsgResult answer;
        MsgResult defaultAnswer;
    };
    struct Prompted {
        std::string title, prompt;
    };

    void queueAnswer(MsgResult r) { answers_.push_back(r); }
    void queueInput(std::optional<std::string> text) { inputs_.push_back(std::move(text)); }
    std::size_t pendingAnswers() const { return answers_.size(); }

    MsgResult messageBox(const std::string& text, const std::string& title, MsgButtons buttons, MsgIcon icon) override;
    MsgResult messageBoxWithDefault(const std::string& text, const std::string& title, MsgButtons buttons, MsgIcon icon,
                                    MsgResult defaultAnswer) override;
    std::optional<std::string> inputBox(const std::string& prompt, const std::string& title,
                                        const std::string& defaultText) override;

    const std::vector<Shown>& shown() const { return shown_; }
    const std::vector<Prompted>& prompted() const { return prompted_; }
    // The oldest message box not yet checked, or nothing.
    std::optional<Shown> nextUnchecked();
    std::size_t uncheckedCount() const { return shown_.size() - checked_; }

private:
    std::deque<MsgResult> answers_;
    std::deque<std::optional<std::string>> inputs_;
    std::vector<Shown> shown_;
    std::vector<Prompted> prompted_;
    std::size_t checked_ = 0;
};

}  // namespace forms
