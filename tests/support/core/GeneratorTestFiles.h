#ifndef GENERATORTESTFILES_H
#define GENERATORTESTFILES_H

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

// Small nations and name files for the fighter generator's tests, written
// into the test's own ./Resources/Defaults.
namespace GeneratorTestFiles {

// The 22 cultures that have a name file.
QStringList cultures();

// Removes ./Resources with everything in it.
void removeResources();
bool resourcesExist();

void writeNations(const QVector<QStringList> &regions);
// Eight short region lists holding every built-in nation, plus Cuba in
// North America at 2 and Thailand in Oceania at 9.
QVector<QStringList> sampleNations();
void writeNames(const QString &culture, const QStringList &given, const QStringList &surnames);
// Every culture gets `count` given names "<culture>-G<i>" and surnames
// "<culture>-S<i>", so a name tells which file it came from.
void writeAllNames(int count);
// The culture a name written by writeAllNames came from.
QString cultureOfName(const QString &name);
void writeRaw(const QString &path, const QByteArray &bytes);

} // namespace GeneratorTestFiles

#endif // GENERATORTESTFILES_H
