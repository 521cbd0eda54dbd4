#include "OriginFiles.h"

#include "GeneratorTables.h"
#include "records/GameDataStream.h"

#include <QFile>

namespace OriginFiles {

namespace {

// A text is at least its 32-bit length.
const int MinimumTextBytes = 4;

// Reads the string lists back to back into `lists`; reading stops
// at the first list the stream cannot give, leaving it and the rest empty.
void readLists(const QString &path, QVector<QStringList *> lists)
{
    for (QStringList *list : lists)
        list->clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    GameDataStream in(&file);
    for (QStringList *list : lists) {
        if (!StreamRead::readList(in, *list, MinimumTextBytes))
            return;
    }
}

} // namespace

QVector<QStringList> readNations(const QString &path)
{
    QVector<QStringList> nations(GeneratorTables::regions().size());
    QVector<QStringList *> lists;
    for (QStringList &list : nations)
        lists.append(&list);
    readLists(path, lists);
    return nations;
}

NameLists readNames(const QString &path)
{
    NameLists names;
    readLists(path, {&names.givenNames, &names.surnames});
    return names;
}

} // namespace OriginFiles
