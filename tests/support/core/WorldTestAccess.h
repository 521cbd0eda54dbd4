#ifndef WORLDTESTACCESS_H
#define WORLDTESTACCESS_H

#include <QDate>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QVector>

#include "records/Event.h"
#include "records/Fighter.h"
#include "records/GymFighter.h"
#include "records/Match.h"
#include "records/Offer.h"
#include "records/Organization.h"

class World;

// Builds a small world by hand for the tests: what the game adds through
// loading, the generator and the career simulation is put in directly.
class WorldTestAccess
{
public:
    // World::reset, then a gym with the given money and a manager with the
    // given reputation points and Negotiating skill, both otherwise zero.
    static World &freshWorld(int money = 10000, int reputationPoints = 0, int negotiating = 0);

    static void setDate(const QDate &date);
    static int lastFighterId();
    static bool hasGymAndManager();

    static void addStudent(const Fighter &fighter);
    // Also gives him his empty booking record, as turning a student into a
    // fighter does.
    static void addRosterFighter(const GymFighter &fighter);
    static void addOrganization(const Organization &organization);
    // Puts the organization ahead of the others, where searches by name
    // meet it first.
    static void addOrganizationFirst(const Organization &organization);
    static void addFreeAgent(const Fighter &fighter);
    static void addAmateur(const Fighter &fighter);
    static void addOffer(const Offer &offer);
    static void addManagerTitle(const QString &title);

    static QVector<Offer> offers();
    static QVector<Offer> bookings();
    static QMultiMap<int, Fighter> amateurs();
    // A copy of the first organization with the name (empty when none).
    static Organization organization(const QString &name);
    static QString titleHolder(const QString &organizationName, const QString &title);
    static QMultiMap<int, Fighter> freeAgents();
    static QVector<Organization> organizations();
    static QVector<GymFighter> rosterFighters();
    static QVector<Fighter> students();
};

// Records filled for world tests.
namespace WorldFixtures {

// A Japanese kickboxer, 24 years old and born 17 May 1990, every attribute
// and both durabilities 40, no fights yet, four matches left on his contract.
Fighter fighter(int id, const QString &firstName, const QString &lastName, int standing,
                const QString &organization = "Free Agent");
// Charisma, reputation points and purse go into his training state; the
// rest of it is zero. His picture numbers are id % 100, +1 and +2.
GymFighter gymFighter(int id, const QString &firstName, const QString &lastName, int standing,
                      const QString &organization = "Free Agent", int charisma = 0,
                      int reputationPoints = 0, int purse = 0);

Match match(const QString &type, const QString &nameA = "TBA", int idA = 0,
            const QString &nameB = "TBA", int idB = 0, bool playerMatch = false);
Event eventOn(const QString &name, const QString &organization, const QDate &date,
            const QVector<Match> &card = QVector<Match>(), bool playerFighterOnCard = false,
            const QStringList &resultLines = QStringList());
Organization organization(const QString &name, const QString &tier = "National",
                          const QVector<Event> &events = QVector<Event>(),
                          const QVector<Fighter> &members = QVector<Fighter>(),
                          const QMap<QString, QString> &titles = QMap<QString, QString>(),
                          const QString &willingness = "Willing");
Offer offer(int id, const QString &fighterName, const QString &eventName,
            const QString &organization, const QDate &date);

} // namespace WorldFixtures

#endif // WORLDTESTACCESS_H
