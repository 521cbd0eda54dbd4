#include <QApplication>

#include "ModuleManager.h"
#include "world/World.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QCoreApplication::addLibraryPath(QStringLiteral("./"));

    World::Instance().init();
    ModuleManager::Instance()->init();

    const int exitCode = app.exec();

    // Closing the window from its frame ends the loop without closeAll; no
    // widget may outlive the application either way.
    ModuleManager::Instance()->closeAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return exitCode;
}
