#ifndef ORGANIZATION_H
#define ORGANIZATION_H

#include "Event.h"
#include "Fighter.h"

#include <QDate>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QVector>

class QDataStream;

// One fighting organization: its texts, this and last year's events, its
// roster of signed fighters keyed by standing (best ranked first; fighters
// may share a standing) and its title holders. It decides contract
// renewals, whether a fighter suits it, and the player's negotiations.
class Organization
{
public:
    typedef QMultiMap<int, Fighter> Roster;
    typedef QMap<QString, QString> Titles;
    enum TextIndex {
        NameText = 0, CeoText, NationText, OtherInfoText, TierText, BioText, WillingnessText,
        TextCount
    };
    // Positions in the training state of one of the player's fighters.
    enum TrainingIndex { CharismaTraining = 2, ReputationPointsTraining = 5 };

    Organization();

    const QString &getName() const { return name; }
    const QString &getWillingness() const { return willingness; }
    void getInfo(QStringList &out) const;
    void getTitles(Titles &out) const { out = titleHolders; }
    void getRoster(Roster &out) const { out = roster; }
    void getEvents(QVector<Event> &out) const { out << events; }
    void getLastYearEvents(QVector<Event> &out) const { out << lastYearEvents; }
    void getData(QStringList &texts, QVector<Event> &eventsOut, QVector<Event> &lastYearOut,
                 Roster &rosterOut, Titles &titlesOut) const;
    // Meant for a freshly built record: the texts by position, the events
    // appended, the titles set and the fighters filed under their keys
    // (equal keys keep the order given). Returns false, and changes nothing,
    // when texts holds fewer than seven.
    bool setData(const QStringList &texts, const QVector<Event> &eventsIn,
                 const QVector<Event> &lastYearIn, const Roster &rosterIn, const Titles &titlesIn);

    // Roster operations; a fighter is found by id, the first in roster order.
    void getFighterAppearance(QStringList &colours, int &body, int &head, int &face, int id) const;
    void ageFighter(int id);
    void rollReputationLabels();
    void recordFightResult(const QDate &date, int id, const QString &resultText, const QString &matchType);
    // Signs the fighter for 4 matches (on the caller's record) and files a copy.
    void addFighter(Fighter &fighter);
    void addFighterStanding(int id, int amount);
    void renewContracts(QStringList &outLines);
    // Releases the fighters whose contracts ran out (now free agents) and
    // takes them off every card after today.
    QVector<Fighter> releaseExpiredFighters(const QDate &today);
    bool fitsFighter(const QVector<int> &ints, const QMultiMap<QDate, QString> &history) const;
    bool withdrawFighterFromEvents(int id, int year, const QDate &today);
    bool removeRetiredFighter(const QString &fighterName, int id, int year, const QDate &today);

    // Titles.
    void setTitleHolder(const QString &title, const QString &holder);
    void vacateTitlesOf(const QString &fighterName);
    void dropOldTitleEntries(const QDate &today);

    // Events.
    Event getNextEvent(const QDate &today) const;
    void storeEventResults(const QStringList &resultLines, const QString &eventName, const QDate &date);
    void nameEventAfterMainEvent(const QString &eventName, const QString &fighterName);
    bool updateNamedEvent(int id, const QString &fighterName, const QString &eventName,
                          const QString &matchType, bool playerFlag, const QDate &today);
    void newYear();

    // The negotiation verdict on the player's contract or one-match demand.
    bool negotiate(const QStringList &texts, const QVector<int> &ints, const QVector<int> &training,
                   int matches, int demand, int negotiating, QString &outMessage);
    bool checkPurse(const QVector<int> &training, int mood, int matches, int demand,
                    int negotiating, QString &outMessage) const;

    bool operator==(const Organization &other) const;
    bool operator!=(const Organization &other) const { return !(*this == other); }

private:
    // Whether a fighter of this attribute average suits the organization,
    // with the seed and luck draws of a renewal or signing.
    bool fitsAverage(int average) const;
    Roster::iterator findFighter(int id);
    Roster::const_iterator findFighter(int id) const;
    bool negotiationVerdict(const QStringList &texts, const QVector<int> &ints,
                            const QVector<int> &training, int matches, int demand,
                            int negotiating, QString &outMessage) const;
    bool withdrawFromLaterEvents(int id, const QDate &today, bool clearPlayer);
    void vacateFirstTitleHeldBy(const QString &fighterName, int year);
    void lowerWillingness();

    QString name;
    QString ceo;
    QString nation;
    QString otherInfo;
    QString tier;
    QString bio;
    QString willingness;
    QVector<Event> events;
    QVector<Event> lastYearEvents;
    Roster roster;
    Titles titleHolders;
};

QDataStream &operator<<(QDataStream &out, const Organization &organization);
// Installs what it read with setData. On a short or damaged stream the
// organization is left unchanged and the stream's status says so.
QDataStream &operator>>(QDataStream &in, Organization &organization);

#endif // ORGANIZATION_H
