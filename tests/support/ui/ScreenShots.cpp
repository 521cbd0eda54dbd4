#include "ScreenShots.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QPixmap>
#include <QWidget>

#include "ui/shell/ModuleManager.h"

namespace {

const char *const StyleSheets[] = {"StyleSheet.css", "TopMenuStyle.css"};
// A player's own files: left behind, only the empty folders are made.
const char *const PlayerFolders[] = {"Saves", "Exports"};

bool isInPlayerFolder(const QString &relativePath)
{
    for (const char *folder : PlayerFolders) {
        if (relativePath.startsWith(QLatin1String(folder) + QLatin1Char('/')))
            return true;
    }
    return false;
}

// Copies the resources below `from` into `to`, a player's files aside.
bool copyResources(const QString &from, const QString &to)
{
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString relative = QDir(from).relativeFilePath(source);
        if (isInPlayerFolder(relative))
            continue;
        const QString target = to + QLatin1Char('/') + relative;
        if (!QDir().mkpath(QFileInfo(target).absolutePath()) || !QFile::copy(source, target))
            return false;
    }
    for (const char *folder : PlayerFolders) {
        if (!QDir(to).mkpath(QLatin1String(folder)))
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
    if (!copyResources(build + QStringLiteral("/Resources"), QStringLiteral("Resources")))
        return QStringLiteral("cannot copy the resources into ") + work;
    for (const char *sheet : StyleSheets) {
        QFile::remove(QLatin1String(sheet));
        if (!QFile::copy(build + QLatin1Char('/') + QLatin1String(sheet), QLatin1String(sheet)))
            return QStringLiteral("cannot copy ") + QLatin1String(sheet);
    }
    return QString();
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
