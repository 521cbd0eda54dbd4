#ifndef WORLDSTREAMS_H
#define WORLDSTREAMS_H

#include <QMap>

#include "records/Fighter.h"

class QDataStream;

// What the world's file readers share: the least room each record takes in
// a stream (so a damaged count is caught before anything is allocated), the
// reader of a pool of fighters, and the test for a file read to its end.
namespace WorldStreams {

// A fighter with five empty containers; one of the player's fighters adds
// three more; an organization is five empty containers; an offer an id, an
// empty text list and a date.
const int SmallestFighterBytes = 5 * 4;
const int SmallestGymFighterBytes = SmallestFighterBytes + 3 * 4;
const int SmallestOrganizationBytes = 5 * 4;
const int SmallestOfferBytes = 3 * 4;
const int SmallestPoolEntryBytes = 4 + SmallestFighterBytes;

typedef QMultiMap<int, Fighter> Pool;

// Standing -> fighter, as the pools and the default pool files hold them.
bool readPool(QDataStream &in, Pool &pool);

// True when everything was read without a fault and nothing is left over:
// a file holds exactly what was written to it.
bool readToTheEnd(const QDataStream &in);

} // namespace WorldStreams

#endif // WORLDSTREAMS_H
