#pragma once

#include <QLocale>
#include <QString>

class frmMain;

namespace modMain {

// Numbers are grouped as the user's locale groups them. A system without a chosen locale (the
// bare C locale, which groups nothing) gets the program's own language, English.
void ChooseNumberLocale();

// The program speaks the first of the locale's UI languages it has a catalog for, with Qt's own
// translations for that language (standard dialogs, a text box's menu) when the system has them;
// with none, English, its own language. Translators installed by an earlier call are removed
// first. Returns the language chosen, as "de", or an empty string for English.
QString UseLanguage(const QLocale& locale);

// Gives the window its File > Exit and About commands: Exit ends the program at once, About
// shows the about box over the window. Main() and the window tests wire every window this way.
void ConnectCommands(frmMain& window);

// The program's start: brings up the main window, maximised, and returns; the program then lives
// on the window's events until the window is closed or File > Exit ends it.
void Main();

}  // namespace modMain
