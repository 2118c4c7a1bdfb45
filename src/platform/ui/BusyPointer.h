#pragma once

// The hourglass as a setting, not a stack: setting it twice and clearing it once leaves the default
// pointer, so no path through the code can leave it stuck.
class BusyPointer
{
public:
    static void set(bool busy);
    static bool isBusy();

    // Sets the hourglass for a scope and clears it on the way out, exceptions included.
    class Scope
    {
    public:
        Scope() { set(true); }
        ~Scope() { set(false); }
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;
    };
};
