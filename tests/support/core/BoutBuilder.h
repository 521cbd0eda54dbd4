#ifndef BOUTBUILDER_H
#define BOUTBUILDER_H

#include <QString>
#include <QStringList>

#include "records/Match.h"

// Builds a bout for a test: a single match with both sides open and no
// result ("TBA"), not the player's, until told otherwise.
class BoutBuilder
{
public:
    explicit BoutBuilder(const QString &type = MatchType::Single)
        : m_texts{Match::OpenName, Match::OpenName, type, Match::OpenName}
    {
    }

    BoutBuilder &sideA(const QString &name, int id) { m_texts[Match::FighterAText] = name; m_idA = id; return *this; }
    BoutBuilder &sideB(const QString &name, int id) { m_texts[Match::FighterBText] = name; m_idB = id; return *this; }
    BoutBuilder &result(const QString &text) { m_texts[Match::ResultText] = text; return *this; }
    BoutBuilder &forPlayer(bool player = true) { m_player = player; return *this; }

    Match build() const
    {
        Match made;
        made.setData(m_texts, m_idA, m_idB, m_player);
        return made;
    }

private:
    QStringList m_texts;
    int m_idA = 0;
    int m_idB = 0;
    bool m_player = false;
};

#endif // BOUTBUILDER_H
