#pragma once

namespace modMain {

// The program's start: brings up the main window, maximised, and returns; the program then lives
// on the window's events until the window is closed or File > Exit ends it.
void Main();

}  // namespace modMain
