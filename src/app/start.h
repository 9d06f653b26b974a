#pragma once

class frmMain;

namespace modMain {

// Numbers are grouped as the user's locale groups them. A system without a chosen locale (the
// bare C locale, which groups nothing) gets the program's own language, English.
void ChooseNumberLocale();

// Gives the window its File > Exit and About commands: Exit ends the program at once, About
// shows the about box over the window. Main() and the window tests wire every window this way.
void ConnectCommands(frmMain& window);

// The program's start: brings up the main window, maximised, and returns; the program then lives
// on the window's events until the window is closed or File > Exit ends it.
void Main();

}  // namespace modMain
