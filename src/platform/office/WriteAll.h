#pragma once

#include <QByteArrayView>

class QIODevice;

// Writes all of `data` to `device`; false when it could not, `full` then telling whether the disk is
// full: a write that stops short, or the system's "no space left" (a quota reached counts as such).
bool writeAll(QIODevice& device, QByteArrayView data, bool& full);
