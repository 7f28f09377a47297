#pragma once

#include <string>

namespace spectavo::shell {

// Every message box and question of the program goes through this service, so tests record the texts
// and script the answers and nothing modal blocks an offscreen run.
class MessageService {
public:
    enum class Icon { Information, Warning, Error, Question, Stop };
    virtual ~MessageService() = default;
    virtual void show(const std::string &caption, const std::string &text, Icon icon) = 0;
    virtual bool ask(const std::string &caption, const std::string &text, Icon icon) = 0; // Yes -> true
    // A question that may also be withdrawn: Escape and the box's close button mean Cancel. Every
    // "... has not been saved. Save it now?" is asked this way, so that no key loses data.
    enum class Answer { Yes, No, Cancel };
    virtual Answer askOrCancel(const std::string &caption, const std::string &text, Icon icon) = 0;
};

} // namespace spectavo::shell
