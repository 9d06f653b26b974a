#pragma once
// The window system's answer to toolkit::GetAsyncKeyState, installed by the main window.

// The answer's high bit says "down"; only the right button is ever asked, any other key reads as
// up.
short QtKeyState(int virtualKey);
