#include "WorldStreams.h"

#include "records/GameDataStream.h"
#include "records/PlayableBounds.h"

namespace {

// The new free agents that amateurs become are filed after the pool's
// highest standing, so the standings of a pool are kept in range too. A
// pool that needs it is filed anew from the back, which keeps equal
// standings in their order.
void boundStandings(WorldStreams::Pool &pool)
{
    if (pool.isEmpty() || (PlayableBounds::boundStanding(pool.firstKey()) == pool.firstKey()
                           && PlayableBounds::boundStanding(pool.lastKey()) == pool.lastKey()))
        return;
    WorldStreams::Pool bounded;
    for (auto it = pool.constEnd(); it != pool.constBegin();) {
        --it;
        bounded.insert(PlayableBounds::boundStanding(it.key()), it.value());
    }
    pool.swap(bounded);
}

} // namespace

namespace WorldStreams {

bool readPool(QDataStream &in, Pool &pool)
{
    if (!StreamRead::readMultiMap(in, pool, SmallestPoolEntryBytes))
        return false;
    boundStandings(pool);
    return true;
}

bool readToTheEnd(const QDataStream &in)
{
    return StreamRead::ok(in) && in.atEnd();
}

} // namespace WorldStreams
