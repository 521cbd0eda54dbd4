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
