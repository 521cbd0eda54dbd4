#ifndef GAMEDATASTREAM_H
#define GAMEDATASTREAM_H

#include <QDataStream>
#include <QList>
#include <QMap>
#include <QVector>

// The one way the game makes a data stream: every file it reads or writes
// uses the Qt 4.6 form (stream version 12), big-endian.
class GameDataStream : public QDataStream
{
public:
    explicit GameDataStream(QIODevice *device);
    GameDataStream(QByteArray *bytes, QIODevice::OpenMode mode);
    explicit GameDataStream(const QByteArray &bytes);

    static void prepare(QDataStream &stream);
};

// Checked container readers. Qt's own readers reserve room for the count
// they read before reading the elements, so a damaged count can ask for
// gigabytes. These bound every count by the bytes left in the stream, read
// element by element, and on any failure leave the stream's status set (so
// the caller can tell) and the container empty, never half-read.
namespace StreamRead {

// True while the stream has read everything cleanly so far.
inline bool ok(const QDataStream &stream) { return stream.status() == QDataStream::Ok; }

// Reads a 32-bit element count and checks that the stream could hold that
// many elements of at least `minimumElementBytes` each.
bool readCount(QDataStream &stream, quint32 &count, int minimumElementBytes = 1);

template <typename Container>
bool readSequence(QDataStream &stream, Container &out, int minimumElementBytes)
{
    out.clear();
    quint32 count = 0;
    if (!readCount(stream, count, minimumElementBytes))
        return false;
    for (quint32 i = 0; i < count; ++i) {
        typename Container::value_type element;
        stream >> element;
        if (!ok(stream)) {
            out.clear();
            return false;
        }
        out.append(element);
    }
    return true;
}

template <typename T>
bool readVector(QDataStream &stream, QVector<T> &out, int minimumElementBytes = 1)
{
    return readSequence(stream, out, minimumElementBytes);
}

template <typename T>
bool readList(QDataStream &stream, QList<T> &out, int minimumElementBytes = 1)
{
    return readSequence(stream, out, minimumElementBytes);
}

// Maps are stored from the largest key down; every pair is added as a
// further entry, which goes before entries under an equal key, so equal keys
// come back in the order they were saved in.
template <typename Key, typename T>
bool readMultiMap(QDataStream &stream, QMultiMap<Key, T> &out, int minimumEntryBytes = 1)
{
    out.clear();
    quint32 count = 0;
    if (!readCount(stream, count, minimumEntryBytes))
        return false;
    for (quint32 i = 0; i < count; ++i) {
        Key key;
        T value;
        stream >> key >> value;
        if (!ok(stream)) {
            out.clear();
            return false;
        }
        out.insert(key, value);
    }
    return true;
}

// Marks the stream as holding corrupt data unless it already failed.
void markCorrupt(QDataStream &stream);

} // namespace StreamRead

#endif // GAMEDATASTREAM_H
