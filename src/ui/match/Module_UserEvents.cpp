#include "Module_UserEvents.h"

#include <utility>

#include "ui/shell/ModuleManager.h"

Module_UserEvents::Module_UserEvents(Event event, QWidget *parent)
    : PendingScreen(QStringLiteral("Live Event"), WayBack::None, parent)
    , event(std::move(event))
{
    ModuleManager::Instance()->hideTopMenu();
}
