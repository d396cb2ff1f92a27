#pragma once
// poppler's tools read back the PDFs; a Windows test program cannot start them under wine.

namespace kinsketch::test {

#ifdef _WIN32
inline constexpr bool kPopplerRuns = false;
#else
inline constexpr bool kPopplerRuns = true;
#endif
inline constexpr const char* kWithoutPoppler =
    "poppler's tools do not run on Windows; scripts/test-windows.sh reads kinsketch-render.exe's PDFs with them";

} // namespace kinsketch::test
