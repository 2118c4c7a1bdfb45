#pragma once

#include <QSize>

// Changing the display's mode. A program cannot do that safely on this desktop, so the platform's
// answer is always that the mode was refused; tests put a fake in its place.
class DisplayModes
{
public:
    enum class Result { Changed, NeedsRestart, Refused };

    virtual ~DisplayModes() = default;
    virtual QSize currentSize() const;
    virtual int depth() const;
    // `persist` stores the mode as the user's setting once it has been tried.
    virtual Result apply(int width, int height, int bits, bool persist);
    virtual void announceChange(int bits, int width, int height);
    virtual void restartComputer();

    static DisplayModes& current();
    // Not owned; nullptr restores the platform's.
    static void setCurrent(DisplayModes* modes);
};
