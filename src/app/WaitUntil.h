#pragma once

#include <functional>

// Runs the event loop until done() holds or `ms` milliseconds have passed, whichever comes
// first.
void waitUntil(const std::function<bool()>& done, int ms);
