#pragma once

#include <QIcon>

// The program's icon: the desktop's icon theme's picture under the application id, so that the
// window, the desktop entry and the software centre show the same one; where the theme has none
// (the program is not installed), the copy built into the program at every size it ships.
QIcon ProgramIcon();
