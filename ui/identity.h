// The program's name as the user sees it: the task bar, the main window and every error box.
#pragma once

namespace plenova {

inline constexpr const char* kApplicationTitle = "Kelvaro Plenova";
inline constexpr const char* kApplicationVersion = "3.0.0.0";

}  // namespace plenova
