#pragma once
// poppler's pdfinfo, pdftotext and pdftoppm read back the PDFs the program
// writes. They are Linux programs, which a test program built for Windows
// cannot start under wine: there scripts/test-windows.sh reads the PDFs
// kinsketch-render.exe writes with them instead.

namespace kinsketch::test {

#ifdef _WIN32
inline constexpr bool kPopplerRuns = false;
#else
inline constexpr bool kPopplerRuns = true;
#endif
inline constexpr const char* kWithoutPoppler =
    "poppler's tools do not run on Windows; scripts/test-windows.sh reads kinsketch-render.exe's PDFs with them";

} // namespace kinsketch::test
