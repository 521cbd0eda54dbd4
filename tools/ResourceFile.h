#ifndef RESOURCEFILE_H
#define RESOURCEFILE_H

#include <QString>

#include <functional>

class QDataStream;

// Writing one file of the resource tree. Every data file goes through the
// game's own stream form, and a file is replaced only once it is complete.
namespace ResourceFile {

// Creates `path` with its parents; true when the folder exists afterwards.
bool makeFolder(const QString &path);

// Creates the file's folder, fills a version-12 stream with `fill` and
// saves it under `path`. False when the folder, the file or the stream
// failed; an older file is then left as it was.
bool writeData(const QString &path, const std::function<void(QDataStream &)> &fill);

} // namespace ResourceFile

#endif // RESOURCEFILE_H
