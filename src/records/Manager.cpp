#include "Manager.h"

#include "GameDataStream.h"
#include "PlayableBounds.h"
#include "PointScale.h"
#include "TextDate.h"

#include <algorithm>

namespace {

// Reputation labels from band 0 (0-100 points) up to band 9 (901-1000).
const char *const ReputationLabels[PointScale::BandCount] = {
    "Unknown", "Inexperienced", "Local Name", "Well Known", "Experienced",
    "Nationally Ranked", "Respected", "World Class", "Elite", "Legendary"
};

// What the manager can tell of a fighter, and the Intuition he needs to.
const char CantTell[] = "Can't Tell";
const int LearningSpeedIntuition = 8;
const char *const LearningSpeedLabels[] = {"Slow", "Average", "Fast"};
const char LearningSpeedOther[] = "Average";
const int FatigueIntuition = 5;
const char *const FatigueLabels[] = {"Peak", "Great", "Normal", "Tired", "Exhausted"};
const char FatigueOther[] = "Normal";

template <int N>
QString labelAt(const char *const (&labels)[N], int value, const char *other)
{
    return value >= 0 && value < N ? labels[value] : other;
}

bool isOpenLineOf(const QString &line, const QString &title)
{
    return line.contains(title) && !line.contains("until");
}

} // namespace

Manager::Manager()
    : reputationPoints(0), wins(0), losses(0), activeWins(0), activeLosses(0)
{
    std::fill(skills, skills + SkillCount, 0);
}

bool Manager::setData(const QStringList &texts, const QVector<int> &numbers, const QStringList &titleLines)
{
    if (texts.size() < TextCount || numbers.size() < IntCount)
        return false;
    firstName = texts.at(FirstNameText);
    lastName = texts.at(LastNameText);
    region = texts.at(RegionText);
    nationality = texts.at(NationalityText);
    reputation = texts.at(ReputationText);
    reputationPoints = numbers.at(ReputationPointsIndex);
    for (int k = 0; k < SkillCount; ++k)
        skills[k] = numbers.at(FirstSkillIndex + k);
    wins = numbers.at(WinsIndex);
    losses = numbers.at(LossesIndex);
    activeWins = numbers.at(ActiveWinsIndex);
    activeLosses = numbers.at(ActiveLossesIndex);
    titles = titleLines;
    return true;
}

void Manager::getStrings(QStringList &out) const
{
    out << firstName << lastName << region << nationality << reputation;
}

void Manager::getTitles(QStringList &out) const
{
    out << titles;
}

void Manager::getData(QVector<int> &out) const
{
    out << reputationPoints;
    for (int value : skills)
        out << value;
    out << wins << losses << activeWins << activeLosses;
}

void Manager::getStreamData(QStringList &texts, QVector<int> &numbers, QStringList &titleLines) const
{
    getStrings(texts);
    getData(numbers);
    getTitles(titleLines);
}

bool Manager::setInts(const QVector<int> &skillValues)
{
    if (skillValues.size() < SkillCount)
        return false;
    std::copy(skillValues.constBegin(), skillValues.constBegin() + SkillCount, skills);
    return true;
}

void Manager::addWin()
{
    ++wins;
    ++activeWins;
}

void Manager::addLoss()
{
    ++losses;
    ++activeLosses;
}

void Manager::removeActiveRecord(int winsOff, int lossesOff)
{
    activeWins -= winsOff;
    activeLosses -= lossesOff;
}

void Manager::addTitleFrom(const QDate &date, const QString &title)
{
    for (const QString &line : qAsConst(titles)) {
        if (isOpenLineOf(line, title))
            return;
    }
    QString line = title;
    if (!title.contains(QString::number(date.year())))
        line += " - from " + TextDate::shortText(date);
    titles << line;
}

void Manager::addTitleUntil(const QDate &date, const QString &title)
{
    for (QString &line : titles) {
        if (isOpenLineOf(line, title) && line.contains("World Championship")) {
            line += " until " + TextDate::shortText(date);
            return;
        }
    }
}

QString Manager::reputationLabel(int points)
{
    return ReputationLabels[PointScale::band(points)];
}

bool Manager::updateReputation(bool big)
{
    const int old = reputationPoints;
    reputationPoints = qMin(PointScale::MaximumPoints,
                            old + skill(CharismaIndex) / 2 + 10 + (big ? 15 : 0));
    if (reputationPoints <= 100)
        return false;
    const int band = PointScale::band(reputationPoints);
    // The band's lower edge: old above it means the label is already right.
    if (old > band * 100)
        return false;
    reputation = reputationLabel(reputationPoints);
    return true;
}

void Manager::loseReputation(bool big)
{
    const int old = reputationPoints;
    reputationPoints = qMax(0, old - (big ? 4 : 2));
    if (reputationPoints > 900)
        return;
    if (PointScale::band(old) != PointScale::band(reputationPoints))
        reputation = reputationLabel(reputationPoints);
}

QString Manager::getLearningSpeedLabel(int value) const
{
    if (skill(IntuitionIndex) < LearningSpeedIntuition)
        return CantTell;
    return labelAt(LearningSpeedLabels, value, LearningSpeedOther);
}

QString Manager::getFatigueLabel(int value) const
{
    if (skill(IntuitionIndex) < FatigueIntuition)
        return CantTell;
    return labelAt(FatigueLabels, value, FatigueOther);
}

bool Manager::operator==(const Manager &other) const
{
    QStringList texts, otherTexts, lines, otherLines;
    QVector<int> numbers, otherNumbers;
    getStreamData(texts, numbers, lines);
    other.getStreamData(otherTexts, otherNumbers, otherLines);
    return texts == otherTexts && numbers == otherNumbers && lines == otherLines;
}

QDataStream &operator<<(QDataStream &out, const Manager &manager)
{
    QStringList texts, lines;
    QVector<int> numbers;
    manager.getStreamData(texts, numbers, lines);
    return out << texts << numbers << lines;
}

QDataStream &operator>>(QDataStream &in, Manager &manager)
{
    QStringList texts, lines;
    QVector<int> numbers;
    StreamRead::readList(in, texts, 4);
    StreamRead::readVector(in, numbers, 4);
    StreamRead::readList(in, lines, 4);
    if (!StreamRead::ok(in))
        return in;
    PlayableBounds::boundManager(numbers);
    if (!manager.setData(texts, numbers, lines))
        StreamRead::markCorrupt(in);
    return in;
}
