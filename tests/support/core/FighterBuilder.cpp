#include "FighterBuilder.h"

#include "records/GymFighter.h"

FighterBuilder::FighterBuilder()
    : m_texts(QVector<QString>(Fighter::TextCount).toList()), m_ints(Fighter::IntCount, 0)
{
}

FighterBuilder::FighterBuilder(const Fighter &from)
{
    from.getData(m_texts, m_ints, m_birthday, m_history, m_titles);
}

FighterBuilder &FighterBuilder::name(const QString &first, const QString &last)
{
    m_texts[Fighter::FirstNameText] = first;
    m_texts[Fighter::LastNameText] = last;
    return *this;
}

FighterBuilder &FighterBuilder::text(Fighter::TextIndex index, const QString &value)
{
    m_texts[index] = value;
    return *this;
}

FighterBuilder &FighterBuilder::texts(const QStringList &all)
{
    m_texts = all;
    return *this;
}

FighterBuilder &FighterBuilder::number(int index, int value)
{
    m_ints[index] = value;
    return *this;
}

FighterBuilder &FighterBuilder::numbers(const QVector<int> &all)
{
    m_ints = all;
    return *this;
}

FighterBuilder &FighterBuilder::numbers(const QMap<int, int> &byIndex)
{
    for (auto it = byIndex.cbegin(); it != byIndex.cend(); ++it)
        m_ints[it.key()] = it.value();
    return *this;
}

FighterBuilder &FighterBuilder::attributes(int value)
{
    for (int k = 0; k < Fighter::AttributeCount; ++k)
        m_ints[Fighter::attributeIndex(k)] = value;
    return *this;
}

FighterBuilder &FighterBuilder::attributes(const QMap<int, int> &byAttribute)
{
    for (auto it = byAttribute.cbegin(); it != byAttribute.cend(); ++it)
        m_ints[Fighter::attributeIndex(it.key())] = it.value();
    return *this;
}

FighterBuilder &FighterBuilder::record(int wins, int losses)
{
    m_ints[Fighter::WinsIndex] = wins;
    m_ints[Fighter::LossesIndex] = losses;
    return *this;
}

FighterBuilder &FighterBuilder::born(const QDate &birthday)
{
    m_birthday = birthday;
    return *this;
}

FighterBuilder &FighterBuilder::result(const QDate &day, const QString &line)
{
    m_history.insert(day, line);
    return *this;
}

FighterBuilder &FighterBuilder::titles(const QStringList &lines)
{
    m_titles = lines;
    return *this;
}

Fighter FighterBuilder::build() const
{
    Fighter made;
    into(made);
    return made;
}

GymFighter FighterBuilder::gymFighter(int charisma, int reputationPoints, int purse) const
{
    GymFighter made;
    into(made);
    QVector<int> state(GymFighter::StateCount, 0);
    state[GymFighter::CharismaIndex] = charisma;
    state[GymFighter::ReputationPointsIndex] = reputationPoints;
    state[GymFighter::ContractPurseIndex] = purse;
    made.setTrainingData(state, QVector<int>(GymFighter::ProgressCount, 0), QStringList());
    return made;
}
