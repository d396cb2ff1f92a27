#pragma once
// The error trap of the routines the error boxes name: a RunTimeError (or
// exhausted memory, or a failing file-system call) ends the routine, is shown
// under the routine's title, and the routine reports 1 so that callers that
// look can tell.

#include "document/error_reporter.h"
#include "document/run_time_error.h"

#include <filesystem>
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
    } catch (const std::filesystem::filesystem_error& error) {
        reporter.reportTrapped(title, RunTimeError::pathFileAccess(error.what()));
    }
    return 1;
}

} // namespace kinsketch
