#ifndef MATCH_H
#define MATCH_H

#include <QString>
#include <QStringList>

class QDataStream;

// The match types a card is made of.
namespace MatchType {
inline constexpr char Single[] = "Single Match";
inline constexpr char Championship[] = "Championship Match";
inline constexpr char Qualifier[] = "Tournament Qualifier";
inline constexpr char Quarterfinal[] = "Tournament Quarterfinal";
inline constexpr char Semifinal[] = "Tournament Semifinal";
inline constexpr char Final[] = "Tournament Final";
}

// One bout on an event's card. A side is open while its name is "TBA";
// the names decide whether a side is open, the ids find a fighter.
class Match
{
public:
    static constexpr const char *OpenName = "TBA";
    enum TextIndex { FighterAText = 0, FighterBText, TypeText, ResultText, TextCount };

    Match();

    int getIdA() const { return idA; }
    int getIdB() const { return idB; }
    bool isPlayerMatch() const { return playerMatch; }
    const QString &getType() const { return type; }
    void setType(const QString &value) { type = value; }

    void getTexts(QStringList &out) const;
    void getData(QStringList &texts, int &idAOut, int &idBOut, bool &flag) const;
    // Returns false, and changes nothing, when texts holds fewer than four.
    bool setData(const QStringList &texts, int idAIn, int idBIn, bool flag);

    bool isFilled() const;
    // Puts the fighter into the first open side; a match takes at most one
    // of the player's fighters.
    bool addFighter(int id, const QString &name, bool playerFlag);
    // Opens the first side that holds the id; clearPlayer drops the
    // player's mark whether or not the id was found.
    void withdraw(int id, bool clearPlayer);
    // Opens both sides and clears the result; the type stays.
    void reset();

    bool operator==(const Match &other) const;
    bool operator!=(const Match &other) const { return !(*this == other); }

private:
    QString fighterA;
    QString fighterB;
    QString type;
    QString result;
    int idA;
    int idB;
    bool playerMatch;
};

QDataStream &operator<<(QDataStream &out, const Match &match);
// On a short or damaged stream the match is left unchanged and the
// stream's status says so.
QDataStream &operator>>(QDataStream &in, Match &match);

#endif // MATCH_H
