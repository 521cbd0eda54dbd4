#include "ScreenShots.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPixmap>
#include <QWidget>

#include "ui/shell/ModuleManager.h"

bool ScreenShots::enterBuildFolder(const QString &marker)
{
    // Tests run in build/tests/work/<name>; the game's folder is build.
    const QString buildFolder = QCoreApplication::applicationDirPath() + QStringLiteral("/..");
    if (!QFileInfo::exists(buildFolder + QLatin1Char('/') + marker))
        return false;
    return QDir::setCurrent(buildFolder);
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
