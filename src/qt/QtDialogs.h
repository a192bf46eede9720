// Message and input boxes as real modal Qt dialogs.
#pragma once

#include "forms/Dialogs.h"

namespace varnholt {

class QtDialogs : public forms::Dialogs {
public:
    forms::MsgResult messageBox(const std::string& text, const std::string& title, forms::MsgButtons buttons,
                                forms::MsgIcon icon) override;
    forms::MsgResult messageBoxWithDefault(const std::string& text, const std::string& title, forms::MsgButtons buttons,
                                           forms::MsgIcon icon, forms::MsgResult defaultAnswer) override;
    std::optional<std::string> inputBox(const std::string& prompt, const std::string& title,
                                        const std::string& defaultText) override;
};

}  // namespace varnholt
