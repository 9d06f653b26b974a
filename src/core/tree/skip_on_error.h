#pragma once

#include <functional>

// Runs one step of a procedure that rebuilds the display (the refresh, the tree layout, the window
// layout, the canvas scroll set-up): a step that fails, such as a refused control operation or a
// missing element, is skipped so that the rebuild goes on with the next step.
void SkipOnError(const std::function<void()>& step);
