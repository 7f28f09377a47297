#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/shell/messageservice.h"

namespace spectavo::test {

// Keeps the messages and questions a window puts to the operator; questions get `answer`, or what
// `answerFor` says for their text.
class RecordingMessageService : public shell::MessageService {
public:
    void show(const std::string &, const std::string &text, Icon) override { shown.push_back(text); }
    bool ask(const std::string &, const std::string &text, Icon) override {
        asked.push_back(text);
        return answerFor ? answerFor(text) : answer;
    }
    Answer askOrCancel(const std::string &, const std::string &text, Icon) override {
        asked.push_back(text);
        if (!saveAnswers.empty()) {
            const Answer next = saveAnswers.front();
            saveAnswers.erase(saveAnswers.begin());
            return next;
        }
        return (answerFor ? answerFor(text) : answer) ? Answer::Yes : Answer::No;
    }
    std::vector<std::string> shown, asked;
    bool answer = false;
    std::function<bool(const std::string &)> answerFor;
    // Answers to the questions that can be withdrawn, in order; then `answer` as Yes or No.
    std::vector<Answer> saveAnswers;
};

} // namespace spectavo::test
