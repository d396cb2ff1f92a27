#pragma once

#include "launcher/core/launcher_error.h"

#include <oaidl.h>

namespace kinsketch::launcher {

// The run-time error a failed COM call stands for. Errors raised by an
// automation server carry their own number in the low word of a
// FACILITY_CONTROL result, as the classic runtime reports them; a class that
// cannot be created is error 429 whatever the reason.
[[nodiscard]] LauncherError errorFromHresult(HRESULT result, const EXCEPINFO* exception = nullptr);
[[nodiscard]] LauncherError cannotCreateObject();

} // namespace kinsketch::launcher
