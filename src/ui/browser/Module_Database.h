#ifndef MODULE_DATABASE_H
#define MODULE_DATABASE_H

#include "ui/shell/PendingScreen.h"

// The database screen: the fighter database. Not built yet: it shows its
// name.
class Module_Database : public PendingScreen
{
    Q_OBJECT

public:
    explicit Module_Database(QWidget *parent = nullptr);
};

#endif // MODULE_DATABASE_H
