#pragma once
// Records what the user was told and asked, and answers questions from a
// script (No once the script runs out).
#include <deque>
#include <string>
#include <vector>

#include "platform/IUserPrompt.h"

class FakeUserPrompt final : public IUserPrompt {
public:
    void Warn(std::u16string_view text) override { warnings.emplace_back(text); }
    bool AskYesNo(std::u16string_view text) override {
        questions.emplace_back(text);
        if (answers.empty()) return false;
        const bool yes = answers.front();
        answers.pop_front();
        return yes;
    }

    std::vector<std::u16string> warnings;
    std::vector<std::u16string> questions;
    std::deque<bool> answers;
};
