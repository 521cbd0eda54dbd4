#ifndef PERSISTTESTACCESS_H
#define PERSISTTESTACCESS_H

#include <QByteArray>
#include <QMap>
#include <QString>

#include "records/Fighter.h"

class Gym;
class Manager;

// What the save, load, default-data and fighter-file tests look at inside
// the world, and the stream round trips they run on it.
class PersistTestAccess
{
public:
    static const Gym *gym();
    static const Manager *manager();
    static void setLastFighterId(int id);

    // The running world saved to bytes.
    static QByteArray savedBytes();
    // Loads bytes into the running world through a read-only buffer.
    static bool loadBytes(const QByteArray &bytes);
    static bool importBytes(const QByteArray &bytes);
    // The bytes with the 4-byte number at the offset replaced.
    static QByteArray withNumberAt(QByteArray bytes, int offset, quint32 value);

    enum Pool { FreeAgents, Amateurs };
    // The ids of a pool from the smallest standing up, equal standings in
    // pool order.
    static QVector<int> poolIds(Pool pool);
};

// Whole games for the save and load tests.
namespace PersistFixtures {

// A game with something in every member: equal standings in the pools and
// a roster, equal dates in a history, null and empty texts, events with
// cards, titles, offers and bookings.
void fillLongGame();
// A different, smaller game: the one running when a file is loaded.
void fillShortGame();
// A fighter with the history entries added in the given order (a newer
// entry under an equal date goes before the older one).
Fighter withHistory(Fighter fighter, const QVector<QPair<QDate, QString>> &entries);

} // namespace PersistFixtures

#endif // PERSISTTESTACCESS_H
