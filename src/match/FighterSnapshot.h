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

    static std::shared_ptr<const FighterSnapshot> of(const Fighter &fighter);
    // The snapshot of nobody: no texts, no numbers, no style.
    static const std::shared_ptr<const FighterSnapshot> &empty();
};

#endif // FIGHTERSNAPSHOT_H
