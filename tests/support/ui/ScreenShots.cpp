#include "ScreenShots.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QPixmap>
#include <QWidget>

#include "ui/shell/ModuleManager.h"
#include "world/ResourcePaths.h"

namespace {

// Copies every file below `from` to the same place below `to`.
bool copyTree(const QString &from, const QString &to)
{
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString target = to + QLatin1Char('/') + QDir(from).relativeFilePath(it.next());
        if (!QDir().mkpath(QFileInfo(target).absolutePath()) || !QFile::copy(it.filePath(), target))
            return false;
    }
    return true;
}

} // namespace

QString ScreenShots::enterGameCopy()
{
    // Tests live in build/tests; the build writes the game's folder into build.
    const QString tests = QCoreApplication::applicationDirPath();
    const QString build = tests + QStringLiteral("/..");
    if (!QFileInfo::exists(build + QStringLiteral("/Resources/Defaults")))
        return QStringLiteral("the build has not written its resources (target ringwright_resource_files)");
    const QString work = tests + QStringLiteral("/work/") + QCoreApplication::applicationName();
    if (!QDir().mkpath(work) || !QDir::setCurrent(work))
        return QStringLiteral("cannot work in ") + work;
    QDir(QStringLiteral("Resources")).removeRecursively();
    bool copied = copyTree(build + QStringLiteral("/Resources"), QStringLiteral("Resources"));
    for (const QString &sheet : {ResourcePaths::screenStyleSheetFile(), ResourcePaths::menuStyleSheetFile()}) {
        QFile::remove(sheet);
        copied = copied && QFile::copy(build + QLatin1Char('/') + sheet, sheet);
    }
    // What a player saved or exported from the build folder stays out.
    for (const char *folder : {"Resources/Saves", "Resources/Exports"}) {
        QDir(QLatin1String(folder)).removeRecursively();
        copied = copied && QDir().mkpath(QLatin1String(folder));
    }
    return copied ? QString() : QStringLiteral("cannot copy the game's folder into ") + work;
}

QString ScreenShots::folder()
{
    const QString shots = QDir::tempPath() + QStringLiteral("/ringwright_shots/");
    QDir().mkpath(shots);
    return shots;
}

QString ScreenShots::saveWindow(const QString &name)
{
    QCoreApplication::processEvents();
    const QPixmap shot = ModuleManager::Instance()->window()->grab();
    if (shot.size() != QSize(1100, 700))
        return QStringLiteral("the window is %1 by %2").arg(shot.width()).arg(shot.height());
    const QString path = folder() + name + QStringLiteral(".png");
    return shot.save(path) ? QString() : QStringLiteral("cannot write ") + path;
}
