#include "GameDataStream.h"

#include <QIODevice>

GameDataStream::GameDataStream(QIODevice *device)
    : QDataStream(device)
{
    prepare(*this);
}

GameDataStream::GameDataStream(QByteArray *bytes, QIODevice::OpenMode mode)
    : QDataStream(bytes, mode)
{
    prepare(*this);
}

GameDataStream::GameDataStream(const QByteArray &bytes)
    : QDataStream(bytes)
{
    prepare(*this);
}

void GameDataStream::prepare(QDataStream &stream)
{
    stream.setVersion(QDataStream::Qt_4_6);
    stream.setByteOrder(QDataStream::BigEndian);
}

namespace StreamRead {

bool readCount(QDataStream &stream, quint32 &count, int minimumElementBytes)
{
    count = 0;
    if (!ok(stream))
        return false;
    stream >> count;
    if (!ok(stream))
        return false;
    const QIODevice *device = stream.device();
    const qint64 bytesLeft = device ? device->bytesAvailable() : 0;
    const qint64 needed = qint64(count) * qMax(1, minimumElementBytes);
    if (needed > bytesLeft) {
        count = 0;
        markCorrupt(stream);
        return false;
    }
    return true;
}

void markCorrupt(QDataStream &stream)
{
    if (stream.status() == QDataStream::Ok)
        stream.setStatus(QDataStream::ReadCorruptData);
}

} // namespace StreamRead
