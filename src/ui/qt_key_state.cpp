#include "ui/qt_key_state.h"

#include <QGuiApplication>

#include "toolkit/toolkit.h"

short QtKeyState(int virtualKey) {
  const bool down = virtualKey == toolkit::vbKeyRButton &&
                    QGuiApplication::mouseButtons().testFlag(Qt::RightButton);
  return down ? static_cast<short>(0x8000) : 0;
}
