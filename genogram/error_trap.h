#pragma once
// The error trap every canvas routine has: a RunTimeError (or exhausted
// memory) ends the routine, is shown under the routine's title, and the
// routine reports 1 so that callers that look can tell.

#include "document/error_reporter.h"
#include "document/run_time_error.h"

#include <new>
#include <string_view>

namespace kinsketch {

template <class Routine>
int trapErrors(ErrorReporter& reporter, std::string_view title, Routine&& routine)
{
    try {
        routine();
        return 0;
    } catch (const RunTimeError& error) {
        reporter.reportTrapped(title, error);
    } catch (const std::bad_alloc&) {
        reporter.reportTrapped(title, RunTimeError(7, "メモリが不足しています。"));
    }
    return 1;
}

} // namespace kinsketch
