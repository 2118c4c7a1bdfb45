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

    // Takes the hourglass away for a scope (a message or a form the user must answer) and puts back
    // whatever was there before.
    class Pause
    {
    public:
        Pause()
            : m_wasBusy(isBusy())
        {
            set(false);
        }
        ~Pause() { set(m_wasBusy); }
        Pause(const Pause&) = delete;
        Pause& operator=(const Pause&) = delete;

    private:
        bool m_wasBusy;
    };
};
