#include "app/start.h"

#include "ui/frmMain.h"

namespace modMain {

void Main() {
  // The window deletes itself when closed; with no window left the application's loop ends.
  auto* window = new frmMain;  // loads the window, report view included
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->setWindowTitle(frmMain::kCaption);
  window->showMaximized();
}

}  // namespace modMain
