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
};

} // namespace spectavo::shell
