#ifndef MANAGER_H
#define MANAGER_H

#include <QDate>
#include <QString>
#include <QStringList>
#include <QVector>

class QDataStream;

// The player's manager: name, origin, reputation, the 18 manager skills,
// his fighters' record overall and of those he has now, and title lines.
class Manager
{
public:
    enum TextIndex { FirstNameText = 0, LastNameText, RegionText, NationalityText, ReputationText, TextCount };
    static const int SkillCount = 18;
    // Positions in the manager's number vector; skill k sits at k + 1.
    enum Index {
        ReputationPointsIndex = 0, FirstSkillIndex = 1,
        ScoutingIndex = 13, MotivatingIndex = 14, CorneringIndex = 15, NegotiatingIndex = 16,
        CharismaIndex = 17, IntuitionIndex = 18,
        WinsIndex = 19, LossesIndex, ActiveWinsIndex, ActiveLossesIndex, IntCount
    };

    Manager();

    // Texts and numbers by position; the title lines are replaced. Returns
    // false, and changes nothing, when a container is too short.
    bool setData(const QStringList &texts, const QVector<int> &numbers, const QStringList &titleLines);
    void getStrings(QStringList &out) const;
    void getTitles(QStringList &out) const;
    void getData(QVector<int> &out) const;
    void getStreamData(QStringList &texts, QVector<int> &numbers, QStringList &titleLines) const;
    // The 18 skills from entries 0 to 17; false, and no change, when fewer.
    bool setInts(const QVector<int> &skillValues);

    void addWin();
    void addLoss();
    void removeActiveRecord(int winsOff, int lossesOff);

    void addTitleFrom(const QDate &date, const QString &title);
    void addTitleUntil(const QDate &date, const QString &title);

    // True when the label changed.
    bool updateReputation(bool big);
    void loseReputation(bool big);
    static QString reputationLabel(int points);

    QString getLearningSpeedLabel(int value) const;
    QString getFatigueLabel(int value) const;

    bool operator==(const Manager &other) const;
    bool operator!=(const Manager &other) const { return !(*this == other); }

private:
    int skill(int index) const { return skills[index - FirstSkillIndex]; }

    QString firstName;
    QString lastName;
    QString region;
    QString nationality;
    QString reputation;
    int reputationPoints;
    int skills[SkillCount];
    int wins;
    int losses;
    int activeWins;
    int activeLosses;
    QStringList titles;
};

QDataStream &operator<<(QDataStream &out, const Manager &manager);
// On a short or damaged stream the manager is left unchanged and the
// stream's status says so.
QDataStream &operator>>(QDataStream &in, Manager &manager);

#endif // MANAGER_H
