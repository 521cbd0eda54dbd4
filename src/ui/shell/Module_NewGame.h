#ifndef MODULE_NEWGAME_H
#define MODULE_NEWGAME_H

#include "PendingScreen.h"

// The new game screen: the new manager and gym. Not built yet: it shows its
// name. Opened from the main menu, it leads back there.
class Module_NewGame : public PendingScreen
{
    Q_OBJECT

public:
    explicit Module_NewGame(QWidget *parent = nullptr);
};

#endif // MODULE_NEWGAME_H
