#ifndef FIGHTERSNAPSHOT_H
#define FIGHTERSNAPSHOT_H

#include <QString>
#include <QStringList>
#include <QVector>
#include <memory>

class Fighter;

// A fighter's 12 texts and 95 whole numbers as they stood at one moment,
// with his style's position among the seven styles. The fight states of a
// fighter share one snapshot for as long as his data stay the same.
struct FighterSnapshot
{
    QStringList strings;
    QVector<int> ints;
    QString style;
    int styleIndex = -1;

    static std::unique_ptr<const FighterSnapshot> of(const Fighter &fighter);
    // The snapshot of a fighter whose data were never set (every match
    // fighter starts as one) and of nobody: made once.
    static const FighterSnapshot &ofBlankFighter();
};

#endif // FIGHTERSNAPSHOT_H
