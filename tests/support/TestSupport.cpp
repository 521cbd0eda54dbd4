#include "TestSupport.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QStringList>

#include "records/GameRandom.h"

DeterministicRandom::DeterministicRandom(int start, unsigned int seed)
{
    GameRandom::setDeterministic(true, start);
    GameRandom::seed(seed);
}

DeterministicRandom::~DeterministicRandom()
{
    GameRandom::setDeterministic(false);
}

QByteArray TestFiles::digestOfTree(const QString &folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << it.next();
    files.sort();
    QCryptographicHash hash(QCryptographicHash::Sha1);
    for (const QString &path : qAsConst(files)) {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly)) {
            hash.addData(QDir(folder).relativeFilePath(path).toUtf8());
            hash.addData(file.readAll());
        }
    }
    return hash.result();
}
