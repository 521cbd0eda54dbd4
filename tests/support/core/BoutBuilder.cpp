#include "BoutBuilder.h"

BoutBuilder::BoutBuilder(const QString &type)
    : m_texts{Match::OpenName, Match::OpenName, type, Match::OpenName}
{
}

BoutBuilder &BoutBuilder::sideA(const QString &name, int id)
{
    m_texts[Match::FighterAText] = name;
    m_idA = id;
    return *this;
}

BoutBuilder &BoutBuilder::sideB(const QString &name, int id)
{
    m_texts[Match::FighterBText] = name;
    m_idB = id;
    return *this;
}

BoutBuilder &BoutBuilder::result(const QString &text)
{
    m_texts[Match::ResultText] = text;
    return *this;
}

BoutBuilder &BoutBuilder::forPlayer(bool player)
{
    m_player = player;
    return *this;
}

Match BoutBuilder::build() const
{
    Match made;
    made.setData(m_texts, m_idA, m_idB, m_player);
    return made;
}
