#ifndef WORLD_H
#define WORLD_H

#include <QDate>
#include <QMap>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QVector>

#include <memory>

#include "records/Event.h"
#include "records/Fighter.h"
#include "records/GymFighter.h"
#include "records/Offer.h"
#include "records/Organization.h"

class Gym;
class QDataStream;
class Manager;
class QDataStream;

// The whole game state: the player's gym and manager, the date, the last
// fighter id handed out, the students, the player's fighters, the
// organizations, the two pools of unsigned fighters, the pending offers and
// the bookings. Screens and the career simulation keep nothing of their own
// and go through these operations.
//
// The player's fighters are addressed by position (the order of
// getRosterNames) or by fighter id, organizations by name (the first with
// exactly that name), students by position. A position that holds no
// fighter answers as an empty roster would.
class World
{
public:
    static World &Instance();
    ~World();

    World(const World &) = delete;
    World &operator=(const World &) = delete;

    // Lifecycle and date.
    void init();
    void reset();
    void deleteGymAndManager();
    QDate getDate() const { return date; }
    void advanceDay();

    // New game.
    void setupManager(const QStringList &texts, const QVector<int> &numbers, const QStringList &titles);
    void setupGym(const QStringList &texts, const QVector<int> &numbers, const QVector<int> &monthFigures);

    // Saved games, default data and fighter files. The callers open and
    // close the files; each stream is a GameDataStream.
    // Writes the whole world, the manager before the gym.
    void save(QDataStream &out) const;
    // Replaces the world with a saved game, keeping the same gym and manager
    // objects. A file that does not read cleanly to its end changes nothing
    // and gives false. Numbers no play can produce come in bounded (see
    // PlayableBounds), as they do from every other file.
    bool load(QDataStream &in);
    // Adds the default organizations and the free-agent and amateur pools
    // from ./Resources/Defaults; a file that is missing or damaged adds an
    // empty organization, or no fighters.
    void loadDefaultData();
    // Writes the Fighter part of the player's fighter at the position;
    // nothing when there is none.
    void exportFighter(QDataStream &out, int index) const;
    // Adds the fighter in the stream to the free agents under a new id. A
    // stream that does not hold exactly one whole fighter adds nobody, uses
    // up no id and gives false.
    bool importFighter(QDataStream &in);

    // Passed on to the manager and the gym.
    void getManagerStats(QVector<int> &out) const;
    void getManagerData(QStringList &texts, QVector<int> &numbers, QStringList &titles) const;
    void levelUpManager(const QVector<int> &skills);
    QString getFatigueLabel(int value) const;
    QString getLearningSpeedLabel(int value) const;
    void getGymStats(QVector<int> &out) const;
    void getGymFinances(QVector<int> &out) const;
    void getGymData(QStringList &texts, QVector<int> &numbers, QVector<int> &monthFigures) const;
    bool upgradeGym();
    bool upgradeEquipment(int index);
    void closeGymMonth();

    // Drops the temporary fighters of a fantasy match (ids below -100).
    void purgeTemporaryAmateurs();

    // The player's fighters and the students: read-outs by position.
    int getFighterId(int position) const;
    void getFighterAttributes(QVector<int> &out, int position) const;
    void getTrainingState(QVector<int> &out, int position) const;
    void getTrainingData(QVector<int> &state, QVector<int> &progress, QStringList &log, int position) const;
    void getFighterStrings(QStringList &out, int position) const;
    void getFighterProfile(QStringList &texts, QVector<int> &ints, QDate &birthday,
                           QMultiMap<QDate, QString> &history, QStringList &titles, int position) const;
    void getStudentProfile(QStringList &texts, QVector<int> &ints, QDate &birthday,
                           QMultiMap<QDate, QString> &history, QStringList &titles, int position) const;
    void getContractInfo(QString &organization, int &matches, int &purse, int position) const;
    void getStudentPortrait(QStringList &colours, int &body, int &head, int &face, int position) const;
    // Up to 9 the value is a roster position, from 10 on a fighter id.
    void getFighterPortrait(QStringList &colours, int &body, int &head, int &face, int positionOrId) const;
    void getRosterIds(QVector<int> &out) const;
    void getRosterNames(QStringList &out) const;

    // The player's fighters: changes by position or id.
    void setFighterBio(const QString &bio, int position);
    void setTrainingPlan(int id, TrainingType::Type type);
    void addFighterStanding(int id, int amount);
    GymFighter getFighterById(int id) const;
    void trimTrainingLogs();
    // Books a finished match of one of the player's fighters; true when the
    // manager's reputation label moved up with it.
    bool applyMatchResult(const QVector<int> &statistics, int id, const QString &result);
    // False when his organization has an event today (nothing changes then).
    bool retireRosterFighter(int position);

    // Organizations, events and titles.
    void getOrgNames(QStringList &out) const;
    void getOrgInfo(const QString &name, QStringList &out) const;
    void getOrgEventResults(const QString &name, QStringList &texts, QVector<Event> &events,
                            QVector<Event> &lastYearEvents, QMultiMap<int, Fighter> &roster,
                            QMap<QString, QString> &titles) const;
    QVector<Event> getEventsOn(const QDate &day) const;
    QVector<Event> getTodaysEvents() const;
    QVector<Event> getTodaysPlayerEvents() const;
    void changeOrgRoster(const QString &name, int id, int amount);
    void storeOrgEventResults(const QStringList &resultLines, const QString &eventName, const QString &name);
    void rollOrgReputationLabels(const QString &name);
    void updateChampionship(const QString &name, const QString &title, int id, bool playerFighter);
    void orgsNewYear();
    void dropOldOrgTitles();

    // Offers, bookings and contracts.
    Offer getOffer(int position) const;
    QStringList getOfferEventNames() const;
    void removeOffer(int id);
    void removeOffersForEvent(const QString &eventName);
    void removeExpiredOffers();
    void updateBooking(const Offer &booking);
    void clearBooking(int id);
    QMap<QString, QString> getBookingDescriptions() const;
    bool negotiateWithOrg(const QString &name, const QStringList &texts, const QVector<int> &ints,
                          const QVector<int> &trainingState, int matches, int purse, QString &message);
    bool bookFighter(int id, const QString &fighterName, const QString &name, const QString &eventName,
                     const QString &matchType, const QDate &eventDate, bool playerFighter);
    // A negative purse is worked out from the fighter's charisma, his
    // reputation points and the organization's tier.
    void signContract(int id, const QString &name, int matches, int purse);
    // The player's deals, each a fixed chain of the changes above: done, or
    // why not (`refusal` gets the organization's words when it said no).
    // RuledOut: the fighter's standing does not allow the deal, and nothing
    // was changed.
    enum class Deal { Done, TurnedDown, NotBooked, RuledOut };
    // Where the fighter at `position` stands for a deal with organization `name`.
    enum class DealStanding { NoFighter, SignedElsewhere, SignedWithIt, FreeAgent };
    DealStanding dealStanding(int position, const QString &name) const;
    // A contract for the fighter at `position`, a free agent or one signed
    // with the organization; his offers end either way.
    Deal negotiateContract(int position, const QString &name, int matches, int purse, QString &refusal);
    // The offer's fighter on its event, and his one-match contract.
    Deal acceptOffer(const Offer &offer);
    // One match on the organization's event, for a free agent only.
    Deal negotiateAppearance(int position, const QString &name, const QString &eventName,
                             const QDate &eventDate, int purse, QString &refusal);

    // Fighter listings.
    // The fighters of an organization ("Free Agent" and "Amateur" name the
    // pools) with the player's fighters of that organization merged in by
    // standing, best first.
    QVector<Fighter> getFightersOf(const QString &name) const;
    // Adds standing -> full name for the organization's roster and the
    // player's fighters signed to it; never clears the map, so calls for
    // several organizations gather one ranking.
    void collectRankedFighters(const QString &name, QMultiMap<int, QString> &ranking) const;

    // The fighter generator: a new student for the gym (false, and nothing
    // changes, when the gym has no free student slot) or a new professional
    // for the free-agent pool (always false). `name` gets his full name.
    bool generateFighter(QString &name, bool toStudents);

    // Career simulation: training, contracts, students, fees and look-ups.
    // The gym's training day: one news entry per player's fighter.
    QStringList runGymDay();
    // Renewals of every organization, then its releases into the pool.
    void processContractExpiries(QStringList &news);
    void getStudentNames(QStringList &out) const;
    // Birthdays and retirements of the player's fighters, then the
    // students' birthdays.
    void ageGymFighters(QStringList &news);
    // False when no student or no free fighter slot.
    bool promoteStudent(int index);
    // The month's lesson fee of every student, by the gym's prestige.
    void collectStudentFees();
    // Copies of the first fighter with the id; blank when none has it.
    Fighter getOrgFighter(const QString &name, int id) const;
    Fighter getAmateur(int id) const;

    // The world moving on: signings, offers, bookings, results, aging,
    // tournaments and the fantasy match.
    void signFreeAgents(QStringList &news);
    void generateOffers();
    // One line per booking of the organizations' next events.
    QStringList bookEvents();
    void recordOrgFightResult(const QString &name, int id, const QString &result, const QString &matchType);
    void recordMatchResult(const QString &name, int id, const QString &result, const QString &matchType);
    void ageWorldFighters(QStringList &news);
    // Books a tournament winner into the next round; the booking line, empty
    // when the id is nobody's of that organization or the player's.
    QString advanceTournaments(int id, const QString &name);
    enum class FantasyResult { Created, NoFighterShown, DamagedFile };
    // Reads the exported fighter first, as importFighter does; only a file
    // the import would take puts the two temporary fighters into the
    // amateur pool and fills `event`.
    FantasyResult createFantasyMatch(QDataStream &in, int position, Event &event);

private:
    World();
    // Reads a saved game into this world's members, which must be empty and
    // have a gym and a manager; true when the stream was read cleanly to
    // its end.
    bool readSavedGame(QDataStream &in);
    // The one reader of an export file, for both imports: true, and the
    // fighter set, only when the stream holds exactly one whole fighter.
    static bool readExportFile(QDataStream &in, Fighter &fighter);

    // Every full name borne by a fighter of the world.
    QSet<QString> takenFullNames() const;

    // Look-ups; null when nothing matches (a position out of range included).
    const GymFighter *rosterAt(int position) const;
    GymFighter *rosterAt(int position);
    int rosterIndexOf(int id) const;
    int organizationIndexOf(const QString &name) const;
    const GymFighter *rosterFighter(int id) const;
    GymFighter *rosterFighter(int id);
    const Organization *findOrganization(const QString &name) const;
    Organization *findOrganization(const QString &name);

    template <typename T>
    static const T *entryAt(const QVector<T> &list, int position)
    {
        return position >= 0 && position < list.size() ? &list.at(position) : nullptr;
    }

    // Lets the tests build a small world by hand.
    friend class WorldTestAccess;
    friend class PersistTestAccess;

    std::unique_ptr<Gym> gym;
    std::unique_ptr<Manager> manager;
    int lastFighterId;
    QDate date;
    QVector<Fighter> students;
    QVector<GymFighter> roster;
    QVector<Organization> organizations;
    QMultiMap<int, Fighter> freeAgents;
    QVector<Offer> offers;
    QVector<Offer> bookings;
    QMultiMap<int, Fighter> amateurs;
};

// Position of the first entry equal to text, -1 when there is none.
int findStringIndex(const QStringList &list, const QString &text);

#endif // WORLD_H
