#ifndef MODULE_PROFILE_H
#define MODULE_PROFILE_H

#include "ui/shell/PendingScreen.h"

// The profile screen: fighter and manager profiles. Not built yet: it shows
// its name.
class Module_Profile : public PendingScreen
{
    Q_OBJECT

public:
    explicit Module_Profile(QWidget *parent = nullptr);
};

#endif // MODULE_PROFILE_H
