#include "ResourceFile.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include "records/GameDataStream.h"

namespace ResourceFile {

bool makeFolder(const QString &path)
{
    return QDir().mkpath(path);
}

bool writeData(const QString &path, const std::function<void(QDataStream &)> &fill)
{
    if (!makeFolder(QFileInfo(path).absolutePath()))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    GameDataStream out(&file);
    fill(out);
    if (out.status() != QDataStream::Ok) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace ResourceFile
