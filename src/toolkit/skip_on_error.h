#pragma once
// The one place where failures are dropped. Nothing is ever reported to the user: the procedures
// that rebuild the display skip a failing step and go on, and an event handler called from the
// toolkit's event dispatch ends at its failure.

#include <functional>
#include <utility>

// Runs one step of a procedure that rebuilds the display (the refresh, the tree layout, the window
// layout, the canvas scroll set-up): a step that fails, such as a refused control operation or a
// missing element, is skipped so that the rebuild goes on with the next step.
void SkipOnError(const std::function<void()>& step);

// Wraps an event handler for the toolkit's event dispatch, which must never be unwound: a failure
// ends the handler and leaves the window as the failing step left it.
template <class Handler>
auto Guarded(Handler handler) {
  return [handler](auto&&... args) {
    SkipOnError([&] { handler(std::forward<decltype(args)>(args)...); });
  };
}
