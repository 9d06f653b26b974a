// The main window's File and About commands: they reach outside the window, to the program's end
// and to the about box.

#include "app/frmAbout.h"
#include "ui/frmMain.h"

void frmMain::mnuFileExit_Click() { toolkit::End(); }

void frmMain::mnuAbout_Click() { frmAbout::ShowModal(this); }
