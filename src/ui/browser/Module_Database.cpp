#include "Module_Database.h"

Module_Database::Module_Database(QWidget *parent)
    : PendingScreen(QStringLiteral("Database"), parent)
{
}
