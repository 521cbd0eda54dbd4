#include "WorldStreams.h"

#include "records/GameDataStream.h"

namespace WorldStreams {

bool readPool(QDataStream &in, Pool &pool)
{
    return StreamRead::readMultiMap(in, pool, SmallestPoolEntryBytes);
}

bool readToTheEnd(const QDataStream &in)
{
    return StreamRead::ok(in) && in.atEnd();
}

} // namespace WorldStreams
