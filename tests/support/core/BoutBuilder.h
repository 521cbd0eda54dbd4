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
    explicit BoutBuilder(const QString &type = MatchType::Single);

    BoutBuilder &sideA(const QString &name, int id);
    BoutBuilder &sideB(const QString &name, int id);
    BoutBuilder &result(const QString &text);
    BoutBuilder &forPlayer(bool player = true);

    Match build() const;

private:
    QStringList m_texts;
    int m_idA = 0;
    int m_idB = 0;
    bool m_player = false;
};

#endif // BOUTBUILDER_H
