#pragma once

#include "wave/CUserPrompt.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

// Records every message and question; answers questions from a queue
// (Cancel once the queue is empty, so an unexpected question changes nothing).
class FakePrompt : public CUserPrompt {
public:
    void ShowMessage(const CoreText& text) override { messages.push_back(RenderEnglish(text)); }

    bool AskClearReadOnly(const std::string& path) override
    {
        asked.push_back(path);
        if (whileAsking)
            whileAsking(path);
        if (answers.empty())
            return false;
        const bool yes = answers.front();
        answers.pop_front();
        return yes;
    }

    std::vector<std::string> messages;
    std::vector<std::string> asked;
    std::deque<bool> answers;
    // Runs while the question is on screen, as another program could.
    std::function<void(const std::string& path)> whileAsking;
};
