#ifndef GYM_H
#define GYM_H

#include <QString>
#include <QStringList>
#include <QVector>

class QDataStream;

// The player's gym: its texts, its prestige, money, level, places and
// equipment, and this and last month's money figures. It prices its own
// upgrades and keeps the month's books.
class Gym
{
public:
    enum TextIndex { NameText = 0, StyleText, PrimaryColourText, SecondaryColourText, PrestigeText, TextCount };
    static const int EquipmentCount = 21;
    enum Index {
        PrestigePointsIndex = 0, MoneyIndex, LevelIndex, StudentSlotsIndex, FighterSlotsIndex,
        FirstEquipmentIndex, IntCount = FirstEquipmentIndex + EquipmentCount
    };
    static const int MaximumLevel = 10;
    // This month's four figures, then last month's four in the same order.
    enum MonthIndex {
        TrainingCostsIndex = 0, UpgradeCostsIndex, StudentFeesIndex, FighterPursesIndex,
        MonthFigureCount = 4, MonthCount = 8
    };

    Gym();

    // Returns false, and changes nothing, when a container is too short.
    bool setData(const QStringList &texts, const QVector<int> &numbers, const QVector<int> &month);
    void getStrings(QStringList &out) const;
    void getData(QVector<int> &out) const;
    // Appends the eight month figures.
    void getInts(QVector<int> &out) const;
    void getStreamData(QStringList &texts, QVector<int> &numbers, QVector<int> &month) const;

    // Price of raising one piece of equipment from its current level.
    static int equipmentPrice(int currentLevel);
    // Price of raising the gym from its current level.
    static int levelPrice(int currentLevel);
    bool payForLevel(int currentLevel);
    bool upgradeEquipment(int index);
    bool upgradeLevel();
    void addIncome(int amount, bool purse);
    void spend(int amount);
    void closeMonth();

    void updatePrestigeLabel(bool big);
    void lowerPrestigeLabel(bool big);
    static QString prestigeLabel(int points);
    // The ten prestige labels, lowest first.
    static QStringList prestigeLabels();

    bool operator==(const Gym &other) const;
    bool operator!=(const Gym &other) const { return !(*this == other); }

private:
    bool pay(int price);

    QString name;
    QString style;
    QString primaryColour;
    QString secondaryColour;
    QString prestige;
    int prestigePoints;
    int money;
    int level;
    int studentSlots;
    int fighterSlots;
    int equipment[EquipmentCount];
    int trainingCosts;
    int upgradeCosts;
    int studentFees;
    int fighterPurses;
    int lastMonth[MonthFigureCount];
};

QDataStream &operator<<(QDataStream &out, const Gym &gym);
// On a short or damaged stream the gym is left unchanged and the stream's
// status says so.
QDataStream &operator>>(QDataStream &in, Gym &gym);

#endif // GYM_H
