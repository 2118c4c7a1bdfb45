#pragma once

#include <QByteArrayView>

class QIODevice;

// Writes all of `data` to `device`; false when it could not, `full` then telling whether the disk is
// full: a write that stops short, or the system's "no space left" (see noRoomLeft).
bool writeAll(QIODevice& device, QByteArrayView data, bool& full);

// Whether a system error says the file has no room to grow: the disk is full, a quota or the
// process's file-size limit is reached. All are said to the user as a full disk.
bool noRoomLeft(int systemError);
