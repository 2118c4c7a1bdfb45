#include "platform/office/WriteAll.h"

#include <QFileDevice>
#include <cerrno>

bool writeAll(QIODevice& device, QByteArrayView data, bool& full)
{
    errno = 0;
    const qint64 written = device.write(data.data(), data.size());
    if (written == data.size())
        return true;
    const auto* file = qobject_cast<const QFileDevice*>(&device);
    // A file system writes less than asked only when it runs out of room.
    full = written >= 0 || (file && file->error() == QFileDevice::ResourceError) || noRoomLeft(errno);
    return false;
}

bool noRoomLeft(int systemError)
{
    return systemError == ENOSPC || systemError == EDQUOT || systemError == EFBIG;
}
