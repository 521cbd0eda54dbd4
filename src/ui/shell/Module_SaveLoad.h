#ifndef MODULE_SAVELOAD_H
#define MODULE_SAVELOAD_H

#include "PendingScreen.h"

// The save and load screen: saving, loading and deleting games. Not built
// yet: it shows its name. It has its way back to the main menu only when
// opened from there.
class Module_SaveLoad : public PendingScreen
{
    Q_OBJECT

public:
    explicit Module_SaveLoad(QWidget *parent = nullptr);
};

#endif // MODULE_SAVELOAD_H
