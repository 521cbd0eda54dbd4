#ifndef FIGHTER_H
#define FIGHTER_H

#include <QDate>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QVector>

class QDataStream;

// One fighter of the world: student, free agent, amateur or professional.
// A plain value record. Its 95 whole numbers travel as one vector in a fixed
// index order (see the Index enum); its 12 texts as one list.
class Fighter
{
public:
    // Positions in the text list.
    enum TextIndex {
        FirstNameText = 0, LastNameText, NationalityText, RegionText,
        BackgroundText, StyleText, OrganizationText, ReputationText,
        ShortsColourText, TrimColourText, HairColourText, BioText,
        TextCount
    };
    // Positions in the whole-number vector. Attribute k sits at k + 4.
    enum Index {
        AgeIndex = 0, WinsIndex = 1, LossesIndex = 2, KnockoutsIndex = 3,
        FirstAttributeIndex = 4,
        HeadDurabilityIndex = 87, BodyDurabilityIndex = 88,
        ContractMatchesIndex = 89, BodyImageIndex = 90, HeadImageIndex = 91,
        FaceImageIndex = 92, IdIndex = 93, StandingIndex = 94,
        IntCount = 95
    };
    static const int AttributeCount = 83;
    static int attributeIndex(int k) { return FirstAttributeIndex + k; }

    Fighter();

    // Packing: other code edits a fighter by getData, changing the
    // containers and setData.
    void getData(QStringList &texts, QVector<int> &ints, QDate &birthday,
                 QMultiMap<QDate, QString> &history, QStringList &titles) const;
    // Returns false, and leaves the fighter unchanged, when texts holds
    // fewer than 12 entries or ints fewer than 95.
    bool setData(const QStringList &texts, const QVector<int> &ints, const QDate &birthday,
                 const QMultiMap<QDate, QString> &history, const QStringList &titles);
    void getStrings(QStringList &out) const;
    void getInts(QVector<int> &out) const;

    QString getLastName() const { return lastName; }
    QString getFullName() const { return firstName + " " + lastName; }
    int getId() const { return id; }
    void setId(int value) { id = value; }
    int getStanding() const { return standing; }
    void addStanding(int delta) { standing += delta; }
    void getHistory(QMultiMap<QDate, QString> &out) const { out = history; }
    void getTitles(QStringList &out) const { out = titles; }
    QStringList getAppearance(int &body, int &head, int &face) const;
    int getAgeOn(const QDate &date, int &currentAge) const;
    void capAttributes();

    bool operator==(const Fighter &other) const;
    bool operator!=(const Fighter &other) const { return !(*this == other); }

protected:
    QString firstName;
    QString lastName;
    QString nationality;
    QString region;
    QString background;
    QString style;
    QString organization;
    QString reputation;
    QString shortsColour;
    QString trimColour;
    QString hairColour;
    QString bio;
    QDate birthday;
    int age;
    int wins;
    int losses;
    int knockouts;
    QMultiMap<QDate, QString> history;
    QStringList titles;
    int attributes[AttributeCount];
    int headDurability;
    int bodyDurability;
    int contractMatches;
    int bodyImage;
    int headImage;
    int faceImage;
    int id;
    int standing;
};

QDataStream &operator<<(QDataStream &out, const Fighter &fighter);
// Reads the five containers with the checked readers; on a short or damaged
// stream the fighter is left unchanged and the stream's status says so.
QDataStream &operator>>(QDataStream &in, Fighter &fighter);

#endif // FIGHTER_H
