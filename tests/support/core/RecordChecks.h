#ifndef RECORDCHECKS_H
#define RECORDCHECKS_H

#include "TestSupport.h"

#include <QByteArray>

namespace RecordChecks {

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

// Calls a const getter that fills a container given by reference (such as
// getData, getStrings or getInfo) on an empty container and returns it.
template <typename Record, typename Container>
Container packed(const Record &record, void (Record::*getter)(Container &) const)
{
    Container out;
    (record.*getter)(out);
    return out;
}

} // namespace RecordChecks

#endif // RECORDCHECKS_H
