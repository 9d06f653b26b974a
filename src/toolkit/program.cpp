// The services the program asks for outside any control: the mouse-button state as the window
// system reports it, event processing and the end.

#include <QCoreApplication>
#include <cstdlib>

#include "toolkit/toolkit.h"

namespace toolkit {

namespace {
KeyStateReader keyStateReader = nullptr;
}  // namespace

void SetKeyStateReader(KeyStateReader reader) { keyStateReader = reader; }

short GetAsyncKeyState(int virtualKey) {
  return keyStateReader != nullptr ? keyStateReader(virtualKey) : 0;
}

void DoEvents() { QCoreApplication::processEvents(); }

void End() { std::_Exit(0); }

}  // namespace toolkit
