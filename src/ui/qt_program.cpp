// The window-system services the program asks for outside any control.

#include <QCoreApplication>
#include <QGuiApplication>
#include <cstdlib>

#include "toolkit/toolkit.h"

namespace toolkit {

short GetAsyncKeyState(int virtualKey) {
  // The answer's high bit says "down"; only the right button is ever asked, any other key reads
  // as up.
  const bool down =
      virtualKey == vbKeyRButton && QGuiApplication::mouseButtons().testFlag(Qt::RightButton);
  return down ? static_cast<short>(0x8000) : 0;
}

void DoEvents() { QCoreApplication::processEvents(); }

void End() { std::_Exit(0); }

}  // namespace toolkit
