#include "GeneratorTestFiles.h"

#include "records/GameDataStream.h"
#include "world/GeneratorTables.h"
#include "world/ResourcePaths.h"

#include <QDir>
#include <QFile>

namespace GeneratorTestFiles {

namespace {

const char Folder[] = "./Resources/Defaults";

void writeLists(const QString &path, const QVector<QStringList> &lists)
{
    QByteArray bytes;
    GameDataStream out(&bytes, QIODevice::WriteOnly);
    for (const QStringList &list : lists)
        out << list;
    writeRaw(path, bytes);
}

} // namespace

QStringList cultures()
{
    return {"anglo", "hispanic", "french", "british", "portuguese", "germanic", "greek",
            "scandinavian", "italian", "dutch", "balkan", "russian", "eastern_european", "arab",
            "african", "israeli", "turkic", "japanese", "korean", "chinese", "thai", "oceanic"};
}

void removeResources()
{
    QDir("./Resources").removeRecursively();
}

bool resourcesExist()
{
    return QDir("./Resources").exists();
}

void writeNations(const QVector<QStringList> &regions)
{
    writeLists(ResourcePaths::nationsFile(), regions);
}

QVector<QStringList> sampleNations()
{
    QVector<QStringList> regions;
    for (int region = 0; region < 8; ++region)
        regions.append(GeneratorTables::builtInNationsOf(region));
    regions[0].insert(2, "Cuba");
    regions[7] = QStringList{"Australia", "Fiji", "Papua New Guinea", "Samoa", "Solomon Islands",
                             "Tonga", "New Zealand", "Philippines", "Singapore", "Thailand"};
    return regions;
}

void writeNames(const QString &culture, const QStringList &given, const QStringList &surnames)
{
    writeLists(GeneratorTables::nameFileOf(culture), {given, surnames});
}

void writeAllNames(int count)
{
    for (const QString &culture : cultures()) {
        QStringList given;
        QStringList surnames;
        for (int i = 0; i < count; ++i) {
            given.append(culture + "-G" + QString::number(i));
            surnames.append(culture + "-S" + QString::number(i));
        }
        writeNames(culture, given, surnames);
    }
}

QString cultureOfName(const QString &name)
{
    return name.section('-', 0, 0);
}

void writeRaw(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(Folder);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

} // namespace GeneratorTestFiles
