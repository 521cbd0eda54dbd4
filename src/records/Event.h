#ifndef EVENT_H
#define EVENT_H

#include "Match.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <QVector>

#include <initializer_list>

class QDataStream;

// One fight card of an organization: its texts, its date, the card of
// bouts (the last one is the main event), the result lines written once it
// was fought, and whether one of the player's fighters is on the card.
class Event
{
public:
    enum TextIndex { NameText = 0, OrganizationText, PlaceText, TierText, KindText, TitleText, TextCount };
    // A fantasy match, the player's fighter against an imported one, is no organization's.
    static constexpr const char *FantasyOrganization = "Fantasy Match";

    Event();

    const QString &getName() const { return name; }
    const QString &getOrganization() const { return organization; }
    bool isFantasy() const { return organization == QLatin1String(FantasyOrganization); }
    QDate getDate() const { return date; }
    bool hasPlayerFighter() const { return playerFighterOnCard; }
    const QString &getTitle() const { return title; }
    void setTitle(const QString &value) { title = value; }
    QStringList getResultLines() const { return resultLines; }
    void addResultLines(const QStringList &lines) { resultLines << lines; }
    void getTexts(QStringList &out) const;
    QVector<Match> getMatches() const { return card; }

    void getData(QStringList &texts, QDate &dateOut, QVector<Match> &matches,
                 QStringList &lines, bool &flag) const;
    // Sets the texts, the date and the flag, and APPENDS the matches and
    // result lines to what the event holds. Returns false, and changes
    // nothing, when texts holds fewer than six.
    bool setData(const QStringList &texts, const QDate &dateIn, const QVector<Match> &matches,
                 const QStringList &lines, bool flag);

    // Card queries; all type tests are exact.
    bool hasTournamentQualifier() const;
    bool hasChampionshipMatch() const;
    bool hasTournamentRound() const;
    bool singleMatchesFilled() const;
    bool championshipMatchesFilled() const;
    bool tournamentEntriesFilled() const;
    // Every match but the main event is filled.
    bool isCardComplete() const;
    bool isCardFilled() const;

    void withdrawFighter(int id, bool clearFlag);
    bool placeFighter(int id, const QString &fighterName, const QString &matchType, bool playerFlag);
    void nameAfterMainEvent(const QString &fighterName);
    void rollOverYear();

    bool operator==(const Event &other) const;
    bool operator!=(const Event &other) const { return !(*this == other); }

private:
    // Whether the card holds a match of one of the types (an open one only
    // when `openOnly`).
    bool hasMatchOf(std::initializer_list<QLatin1String> types, bool openOnly = false) const;
    bool isMovingUpBracket(const QString &matchType) const;
    bool holdsFighter(int id) const;
    QString opponentInName() const;
    QString mainEventName(const QString &first, const QString &second) const;

    QString name;
    QString organization;
    QString place;
    QString tier;
    QString kind;
    QString title;
    QDate date;
    QVector<Match> card;
    QStringList resultLines;
    bool playerFighterOnCard;
};

QDataStream &operator<<(QDataStream &out, const Event &event);
// Installs what it read with setData, so reading into an event that holds
// matches appends to them. On a short or damaged stream the event is left
// unchanged and the stream's status says so.
QDataStream &operator>>(QDataStream &in, Event &event);

#endif // EVENT_H
