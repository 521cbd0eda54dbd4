#include "Gym.h"

#include "GameDataStream.h"
#include "PlayableBounds.h"
#include "PointScale.h"

#include <algorithm>

namespace {

// Price of raising a piece of equipment from level 0, 1, ..., 9.
const int EquipmentPrices[Gym::MaximumLevel] = {
    1000, 3500, 7000, 15000, 30000, 50000, 75000, 100000, 250000, 500000
};

// Raising the gym from level 0, 1, ..., 9: the price and the places added.
struct LevelStep { int price; int studentPlaces; int fighterPlaces; };
const LevelStep LevelSteps[Gym::MaximumLevel] = {
    {5000, 1, 0}, {10000, 1, 1}, {25000, 2, 1}, {50000, 1, 1}, {150000, 1, 1},
    {500000, 1, 1}, {750000, 1, 1}, {1000000, 1, 1}, {1500000, 1, 1}, {2000000, 2, 1}
};

// Prestige labels from band 0 (0-100 points) up to band 9 (901-1000).
const char *const PrestigeLabels[PointScale::BandCount] = {
    "Unknown", "Local Hangout", "Amateur Level", "Established Presence", "Professional Level",
    "Championship Caliber", "Respected", "World Class", "Elite", "Legendary"
};

bool isUpgradableLevel(int level)
{
    return level >= 0 && level < Gym::MaximumLevel;
}

} // namespace

Gym::Gym()
    : prestigePoints(0), money(0), level(0), studentSlots(0), fighterSlots(0),
      trainingCosts(0), upgradeCosts(0), studentFees(0), fighterPurses(0)
{
    std::fill(equipment, equipment + EquipmentCount, 0);
    std::fill(lastMonth, lastMonth + MonthFigureCount, 0);
}

bool Gym::setData(const QStringList &texts, const QVector<int> &numbers, const QVector<int> &month)
{
    if (texts.size() < TextCount || numbers.size() < IntCount || month.size() < MonthCount)
        return false;
    name = texts.at(NameText);
    style = texts.at(StyleText);
    primaryColour = texts.at(PrimaryColourText);
    secondaryColour = texts.at(SecondaryColourText);
    prestige = texts.at(PrestigeText);

    prestigePoints = numbers.at(PrestigePointsIndex);
    money = numbers.at(MoneyIndex);
    level = numbers.at(LevelIndex);
    studentSlots = numbers.at(StudentSlotsIndex);
    fighterSlots = numbers.at(FighterSlotsIndex);
    for (int i = 0; i < EquipmentCount; ++i)
        equipment[i] = numbers.at(FirstEquipmentIndex + i);

    trainingCosts = month.at(TrainingCostsIndex);
    upgradeCosts = month.at(UpgradeCostsIndex);
    studentFees = month.at(StudentFeesIndex);
    fighterPurses = month.at(FighterPursesIndex);
    for (int i = 0; i < MonthFigureCount; ++i)
        lastMonth[i] = month.at(MonthFigureCount + i);
    return true;
}

void Gym::getStrings(QStringList &out) const
{
    out << name << style << primaryColour << secondaryColour << prestige;
}

void Gym::getData(QVector<int> &out) const
{
    out << prestigePoints << money << level << studentSlots << fighterSlots;
    for (int value : equipment)
        out << value;
}

void Gym::getInts(QVector<int> &out) const
{
    out << trainingCosts << upgradeCosts << studentFees << fighterPurses;
    for (int value : lastMonth)
        out << value;
}

void Gym::getStreamData(QStringList &texts, QVector<int> &numbers, QVector<int> &month) const
{
    getStrings(texts);
    getData(numbers);
    getInts(month);
}

int Gym::equipmentPrice(int currentLevel)
{
    return isUpgradableLevel(currentLevel) ? EquipmentPrices[currentLevel] : 0;
}

int Gym::levelPrice(int currentLevel)
{
    return isUpgradableLevel(currentLevel) ? LevelSteps[currentLevel].price : 0;
}

bool Gym::pay(int price)
{
    if (money < price)
        return false;
    money -= price;
    upgradeCosts += price;
    return true;
}

bool Gym::payForLevel(int currentLevel)
{
    return isUpgradableLevel(currentLevel) && pay(EquipmentPrices[currentLevel]);
}

bool Gym::upgradeEquipment(int index)
{
    if (index < 0 || index >= EquipmentCount)
        return false;
    if (!payForLevel(equipment[index]))
        return false;
    ++equipment[index];
    return true;
}

bool Gym::upgradeLevel()
{
    if (!isUpgradableLevel(level))
        return false;
    const LevelStep &step = LevelSteps[level];
    if (!pay(step.price))
        return false;
    studentSlots += step.studentPlaces;
    fighterSlots += step.fighterPlaces;
    ++level;
    return true;
}

void Gym::addIncome(int amount, bool purse)
{
    money += amount;
    if (purse)
        fighterPurses += amount;
    else
        studentFees += amount;
}

void Gym::spend(int amount)
{
    money -= amount;
    trainingCosts += amount;
}

void Gym::closeMonth()
{
    const int thisMonth[MonthFigureCount] = {trainingCosts, upgradeCosts, studentFees, fighterPurses};
    std::copy(thisMonth, thisMonth + MonthFigureCount, lastMonth);
    trainingCosts = upgradeCosts = studentFees = fighterPurses = 0;
}

QString Gym::prestigeLabel(int points)
{
    return PrestigeLabels[PointScale::band(points)];
}

QStringList Gym::prestigeLabels()
{
    QStringList labels;
    for (const char *label : PrestigeLabels)
        labels << label;
    return labels;
}

void Gym::updatePrestigeLabel(bool big)
{
    prestigePoints = qMin(PointScale::MaximumPoints, prestigePoints + (big ? 16 : 8));
    prestige = prestigeLabel(prestigePoints);
}

void Gym::lowerPrestigeLabel(bool big)
{
    prestigePoints = qMax(0, prestigePoints - (big ? 5 : 2));
    if (prestigePoints <= 900)
        prestige = prestigeLabel(prestigePoints);
}

bool Gym::operator==(const Gym &other) const
{
    QStringList texts, otherTexts;
    QVector<int> numbers, otherNumbers, month, otherMonth;
    getStreamData(texts, numbers, month);
    other.getStreamData(otherTexts, otherNumbers, otherMonth);
    return texts == otherTexts && numbers == otherNumbers && month == otherMonth;
}

QDataStream &operator<<(QDataStream &out, const Gym &gym)
{
    QStringList texts;
    QVector<int> numbers, month;
    gym.getStreamData(texts, numbers, month);
    return out << texts << numbers << month;
}

QDataStream &operator>>(QDataStream &in, Gym &gym)
{
    QStringList texts;
    QVector<int> numbers, month;
    StreamRead::readList(in, texts, 4);
    StreamRead::readVector(in, numbers, 4);
    StreamRead::readVector(in, month, 4);
    if (!StreamRead::ok(in))
        return in;
    PlayableBounds::boundGym(numbers, month);
    if (!gym.setData(texts, numbers, month))
        StreamRead::markCorrupt(in);
    return in;
}
