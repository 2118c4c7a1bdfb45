#pragma once

#include <functional>

// The core says when it is busy; the screens show it (the busy pointer). Without a handler the
// core works silently, as in tests and tools.
namespace BusyHook {

void setHandler(std::function<void(bool)> handler);
void set(bool busy);

} // namespace BusyHook
