#pragma once
// The error trap of the routines the error boxes name: a RunTimeError (or
// exhausted memory, a failing file-system call or any other standard
// exception) ends the routine and is shown under the routine's title; the
// trap returns false so that callers that look can tell. Nothing that a
// routine throws ends the program unseen.

#include "document/run_time_error.h"
#include "seams/error_reporter.h"

#include <exception>
#include <filesystem>
#include <new>
#include <string>
#include <string_view>

namespace kinsketch {

// The error box of a routine that trapped `error`.
inline void reportTrapped(ErrorReporter& reporter, std::string_view routine, const RunTimeError& error)
{
    reporter.reportError("Error At " + std::string(routine), error.boxText());
}

template <class Routine>
bool trapErrors(ErrorReporter& reporter, std::string_view title, Routine&& routine)
{
    try {
        routine();
        return true;
    } catch (const RunTimeError& error) {
        reportTrapped(reporter, title, error);
    } catch (const std::bad_alloc&) {
        reportTrapped(reporter, title, RunTimeError(7, "メモリが不足しています。"));
    } catch (const std::filesystem::filesystem_error& error) {
        reportTrapped(reporter, title, RunTimeError::pathFileAccess(error.what()));
    } catch (const std::exception& error) {
        reportTrapped(reporter, title, RunTimeError::internalError(error.what()));
    }
    return false;
}

} // namespace kinsketch
