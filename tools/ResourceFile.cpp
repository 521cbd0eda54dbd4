#include "ResourceFile.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
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
    // commit() does not notice a failure while it flushes the buffer, so
    // the buffer is flushed and checked first.
    if (out.status() != QDataStream::Ok || !file.flush()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool writeImage(const QString &path, const QImage &image)
{
    if (image.isNull() || !makeFolder(QFileInfo(path).absolutePath()))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray format = QFileInfo(path).suffix().toLower().toLatin1();
    // JPEG quality 92 keeps the drawn edges clean at a small size.
    if (!image.save(&file, format.constData(), format == "jpg" ? 92 : -1) || !file.flush()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace ResourceFile
