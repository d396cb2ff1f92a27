#pragma once
// The program's version: 3.0.0. Every document it writes ends in the version
// text, the three numbers written one after the other ("300").

namespace kinsketch {

inline constexpr int kVersionMajor = 3;
inline constexpr int kVersionMinor = 0;
inline constexpr int kVersionRevision = 0;
inline constexpr const char* kVersionText = "300";

} // namespace kinsketch
