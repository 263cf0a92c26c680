#pragma once

// The program's icon, embedded at each size by the build, for all its windows: a window
// manager that does not match a window to its menu entry shows it too.
namespace crossword::ui {

void SetWindowIconFromResources();

}  // namespace crossword::ui
