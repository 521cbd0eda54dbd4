#ifndef TESTSUPPORT_H
#define TESTSUPPORT_H

#include <QByteArray>
#include <QDataStream>
#include <QString>

#include "records/GameDataStream.h"

// Makes the game's random readings deterministic for the life of the
// object (the seam of GameRandom), and seeds the generator.
class DeterministicRandom
{
public:
    explicit DeterministicRandom(int start = 0, unsigned int seed = 1);
    ~DeterministicRandom();
};

namespace TestStream {

// Writes a value through a version-12 stream and returns the bytes.
template <typename T>
QByteArray bytesOf(const T &value)
{
    QByteArray bytes;
    GameDataStream out(&bytes, QIODevice::WriteOnly);
    out << value;
    return bytes;
}

// Reads a value back from bytes; returns the stream's final status.
template <typename T>
QDataStream::Status readBytes(const QByteArray &bytes, T &value)
{
    GameDataStream in(bytes);
    in >> value;
    return in.status();
}

} // namespace TestStream

namespace TestFiles {

// One digest of every file under the folder, names and bytes: equal
// digests mean two writers' trees are the same byte for byte.
QByteArray digestOfTree(const QString &folder);

} // namespace TestFiles

#endif // TESTSUPPORT_H
