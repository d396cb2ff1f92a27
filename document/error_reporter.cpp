#include "error_reporter.h"

#include "run_time_error.h"

namespace kinsketch {

void ErrorReporter::reportTrapped(std::string_view routine, const RunTimeError& error)
{
    reportError("Error At " + std::string(routine), error.boxText());
}

} // namespace kinsketch
