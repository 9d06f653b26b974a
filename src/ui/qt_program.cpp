// The window-system services the program asks for outside any control.

#include <QCoreApplication>
#include <QGuiApplication>
#include <cstdlib>

#include "ui/toolkit.h"

namespace toolkit {
namespace {

// The mouse button of a desktop virtual-key code: 1 left, 2 right, 4 middle.
Qt::MouseButton ButtonOf(int virtualKey) {
  switch (virtualKey) {
    case 1:
      return Qt::LeftButton;
    case vbKeyRButton:
      return Qt::RightButton;
    case 4:
      return Qt::MiddleButton;
    default:
      return Qt::NoButton;
  }
}

}  // namespace

short GetAsyncKeyState(int virtualKey) {
  // The answer's high bit says "down"; any other key reads as up.
  const Qt::MouseButton button = ButtonOf(virtualKey);
  const bool down = button != Qt::NoButton && QGuiApplication::mouseButtons().testFlag(button);
  return down ? static_cast<short>(0x8000) : 0;
}

void DoEvents() { QCoreApplication::processEvents(); }

void End() { std::_Exit(0); }

}  // namespace toolkit
