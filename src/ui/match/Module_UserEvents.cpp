#include "Module_UserEvents.h"

#include <QPushButton>
#include <utility>

#include "ui/business/Module_NextDay.h"
#include "ui/shell/ModuleManager.h"

Module_UserEvents::Module_UserEvents(Event event, QWidget *parent)
    : PendingScreen(QStringLiteral("Live Event"), parent)
    , event(std::move(event))
{
    ModuleManager::Instance()->hideTopMenu();
    QPushButton *proceed = addButton(QStringLiteral("Proceed"));
    proceed->setObjectName(QStringLiteral("user_events_proceed_btn"));
    connect(proceed, &QPushButton::clicked, this, &Module_UserEvents::proceedToNextDay);
}

void Module_UserEvents::proceedToNextDay()
{
    ModuleManager::Instance()->changeScreen(new Module_NextDay);
}
