#ifndef GENERATORTABLES_H
#define GENERATORTABLES_H

#include <QString>
#include <QStringList>
#include <QVector>

// The fixed lists a new fighter is drawn from. Positions matter: draws are
// taken as positions in these lists, and the culture table binds positions
// in a region's list of the nations file, not nation names.
namespace GeneratorTables {

// The eight regions, in the order that numbers them.
const QStringList &regions();

// The 34 nations a fighter can be drawn from without the nations file.
const QStringList &builtInNations();
// The region (its position in regions()) of a built-in nation's position.
int regionOfBuiltIn(int position);
// The built-in nations of one region (empty for another index).
QStringList builtInNationsOf(int region);

// The culture whose name file a fighter of the region gets, from his
// nation's position in the region's list of the nations file (-1 when the
// list does not hold it). A region outside the eight gives "anglo".
QString cultureFor(int region, int nationPosition);
// The culture's ResourcePaths::namesFile in the game's own folder.
QString nameFileOf(const QString &culture);

// Backgrounds and fight styles, paired by position.
const QStringList &backgrounds();
const QStringList &styles();
const QStringList &colours();
const QStringList &hairColours();

// A trait: the attributes it moves (each by its own 1 to 7), in the order
// they are changed, and the insight above which the bio reveals it.
struct AttributeChange
{
    int attribute;
    int direction; // +1 raise, -1 lower
};
struct Trait
{
    QString name;
    QVector<AttributeChange> changes;
    int revealAbove;
};
const QVector<Trait> &traits();

} // namespace GeneratorTables

#endif // GENERATORTABLES_H
