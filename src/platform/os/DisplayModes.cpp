#include "platform/os/DisplayModes.h"

#include <QGuiApplication>
#include <QScreen>

namespace {
DisplayModes* g_current = nullptr;
}

QSize DisplayModes::currentSize() const
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->size() : QSize();
}

int DisplayModes::depth() const
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->depth() : 0;
}

DisplayModes::Result DisplayModes::apply(int, int, int, bool)
{
    return Result::Refused;
}

void DisplayModes::announceChange(int, int, int) { }

void DisplayModes::restartComputer() { }

DisplayModes& DisplayModes::current()
{
    static DisplayModes platform;
    return g_current ? *g_current : platform;
}

void DisplayModes::setCurrent(DisplayModes* modes)
{
    g_current = modes;
}
