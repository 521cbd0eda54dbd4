#ifndef LEAGUEFIXTURES_H
#define LEAGUEFIXTURES_H

#include <QDate>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QVector>

#include "records/Event.h"
#include "records/Fighter.h"
#include "records/Match.h"
#include "records/Organization.h"

#include "FighterFields.h"

// Leagues: organizations' members and cards, and read-outs of them in the
// live world.
namespace LeagueFixtures {

// A fighter of the world (see WorldFixtures::fighter) with a reputation
// label, every attribute at `attribute`, an age and a birthday.
Fighter pro(int id, const QString &lastName, int standing, const QString &organization = "Free Agent",
            const QString &reputation = "Unknown", int attribute = 40, int age = 24,
            const QDate &birthday = QDate(1990, 5, 17));
// `count` fighters "F<id> L<id>", ids from firstId, standings 10, 20, ...
QVector<Fighter> members(int count, int firstId, const QString &organization, const QString &reputation = "Unknown",
                         int attribute = 40);

Event event(const QString &name, const QString &organization, const QDate &date, const QVector<Match> &card,
            const QString &title = "No Title");
// A bout of two fighters named as members() names them ("F<id> L<id>").
Match bout(const QString &type, int idA, int idB);
// `count` open bouts of one type.
QVector<Match> open(const QString &type, int count);

// Adds "O1" (ten fighters, ids 3000..3009) with one card on `day`: two
// quarterfinals, the open semifinal they fill, then a championship match
// for "O1 Belt". The event is named "O1 Night".
void addTournamentAndTitleCard(const QDate &day);

// Read-outs of the live world.
Event nextEvent(const QString &organization, const QDate &from);
Organization::Roster rosterOf(const QString &organization);
// The ids on both sides of every bout, open sides as 0, in card order.
QVector<int> sideIds(const Event &event);
QStringList sideNames(const Event &event);
QStringList linesContaining(const QStringList &lines, const QString &part);

} // namespace LeagueFixtures

#endif // LEAGUEFIXTURES_H
