#pragma once
// Where trapped errors go. The program shows them as error boxes titled
// "Error At <routine>"; tests and the command-line tools collect them.

#include <string>
#include <string_view>

namespace kinsketch {

class ErrorReporter {
public:
    virtual ~ErrorReporter() = default;
    virtual void reportError(std::string_view title, std::string_view text) = 0;
};

} // namespace kinsketch
