#ifndef PERSISTTESTACCESS_H
#define PERSISTTESTACCESS_H

#include <QByteArray>
#include <QMap>
#include <QString>

#include <functional>

#include "records/Event.h"
#include "records/Fighter.h"
#include "records/GymFighter.h"
#include "world/World.h"

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
    // A fantasy match with the bytes as the export file, against the
    // player's fighter at the position.
    static World::FantasyResult fantasyBytes(const QByteArray &bytes, int position, Event &event);
    // Passes every fighter of the running world through `edit`: the
    // students, the player's fighters, the organizations' rosters and the
    // two pools (each keeps the key he is filed under).
    static void editEveryFighter(const std::function<void(Fighter &)> &edit);
    static void editPlayerFighters(const std::function<void(GymFighter &)> &edit);
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
// A small game with something to do on each of its next days: a card today
// for four fighters of "O1", a player's fighter in training and one with
// a booking, a student, free agents a small organization signs, a veteran
// near retirement and an amateur who comes of age tomorrow, and an offer.
void fillPlayingGame();

} // namespace PersistFixtures

#endif // PERSISTTESTACCESS_H
