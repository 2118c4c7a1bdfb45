#include "core/BusyHook.h"

namespace {

std::function<void(bool)>& handler()
{
    static std::function<void(bool)> h;
    return h;
}

} // namespace

namespace BusyHook {

void setHandler(std::function<void(bool)> h)
{
    handler() = std::move(h);
}

void set(bool busy)
{
    if (handler())
        handler()(busy);
}

} // namespace BusyHook
