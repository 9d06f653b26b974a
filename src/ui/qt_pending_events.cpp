// The window-system queries the program makes outside any control.

#include "ui/toolkit.h"

#include <QCoreApplication>
#include <QGuiApplication>

namespace toolkit {

short GetAsyncKeyState(int virtualKey) {
  // Asked for the right button only; the answer's high bit says "down", as the name promises.
  if (virtualKey != vbKeyRButton) return 0;
  return (QGuiApplication::mouseButtons() & Qt::RightButton) ? static_cast<short>(0x8000) : 0;
}

void DoEvents() { QCoreApplication::processEvents(); }

}  // namespace toolkit
