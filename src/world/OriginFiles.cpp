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
// False when the file could not be opened.
bool readLists(const QString &path, QVector<QStringList *> lists)
{
    for (QStringList *list : lists)
        list->clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    GameDataStream in(&file);
    for (QStringList *list : lists) {
        if (!StreamRead::readList(in, *list, MinimumTextBytes))
            break;
    }
    return true;
}

} // namespace

QVector<QStringList> readNations(const QString &path, bool *opened)
{
    QVector<QStringList> nations(GeneratorTables::regions().size());
    QVector<QStringList *> lists;
    for (QStringList &list : nations)
        lists.append(&list);
    const bool isOpen = readLists(path, lists);
    if (opened)
        *opened = isOpen;
    return nations;
}

NameLists readNames(const QString &path)
{
    NameLists names;
    readLists(path, {&names.givenNames, &names.surnames});
    return names;
}

} // namespace OriginFiles
