#ifndef MODULE_HELP_H
#define MODULE_HELP_H

#include "PendingScreen.h"

// The help screen: the help topics. Not built yet: it shows its name. It has
// its way back to the main menu only when opened from there.
class Module_Help : public PendingScreen
{
    Q_OBJECT

public:
    explicit Module_Help(QWidget *parent = nullptr);
};

#endif // MODULE_HELP_H
