#ifndef RECORDSTREAMCHECK_H
#define RECORDSTREAMCHECK_H

#include "TestSupport.h"

#include <QByteArray>

namespace RecordStreamCheck {

// Reads every proper prefix of a record's bytes into a copy of `before`.
// Each read must report a failed stream and leave the copy as it was.
// Returns the first cut that does not, or -1 when all do.
template <typename T>
int firstPrefixReadThatMisbehaves(const QByteArray &bytes, const T &before)
{
    for (int cut = 0; cut < bytes.size(); ++cut) {
        T target = before;
        const QDataStream::Status status = TestStream::readBytes(bytes.left(cut), target);
        if (status == QDataStream::Ok || !(target == before))
            return cut;
    }
    return -1;
}

// Writes a record and reads it into a freshly built one.
template <typename T>
T roundTrip(const T &record, QDataStream::Status *status = nullptr)
{
    T back;
    const QDataStream::Status result = TestStream::readBytes(TestStream::bytesOf(record), back);
    if (status)
        *status = result;
    return back;
}

} // namespace RecordStreamCheck

#endif // RECORDSTREAMCHECK_H
