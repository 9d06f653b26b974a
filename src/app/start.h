#pragma once

namespace modMain {

// Numbers are grouped as the user's locale groups them. A system without a chosen locale (the
// bare C locale, which groups nothing) gets the program's own language, English.
void ChooseNumberLocale();

// The program's start: brings up the main window, maximised, and returns; the program then lives
// on the window's events until the window is closed or File > Exit ends it.
void Main();

}  // namespace modMain
