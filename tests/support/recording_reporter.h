#pragma once
// Collects the error boxes a routine would show.

#include "seams/error_reporter.h"

#include <string>
#include <vector>

namespace kinsketch::test {

struct ReportedError {
    std::string title;
    std::string text;
};

class RecordingReporter : public ErrorReporter {
public:
    void reportError(std::string_view title, std::string_view text) override
    {
        errors.push_back({std::string(title), std::string(text)});
    }
    std::vector<std::string> titles() const
    {
        std::vector<std::string> out;
        for (const auto& e : errors) out.push_back(e.title);
        return out;
    }
    std::vector<ReportedError> errors;
};

} // namespace kinsketch::test
