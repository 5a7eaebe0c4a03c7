#pragma once

// A phone dialog for the editor tests: it answers from a script and
// remembers what it was asked.

#include "editor/phone_book_rules.h"

#include <deque>
#include <optional>
#include <vector>

namespace skarvion::testing {

struct ScriptedAsker {
    std::deque<std::optional<Text>> answers; // none left: Cancel
    std::vector<PhoneQuestion> questions;

    PhoneAsker asker() {
        return [this](const PhoneQuestion& q) {
            questions.push_back(q);
            std::optional<Text> answer = answers.empty() ? std::nullopt : answers.front();
            if (!answers.empty()) answers.pop_front();
            return answer;
        };
    }
};

} // namespace skarvion::testing
