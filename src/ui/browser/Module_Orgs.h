#ifndef MODULE_ORGS_H
#define MODULE_ORGS_H

#include "ui/shell/PendingScreen.h"

// The organizations screen: organizations, rankings and champions. Not built
// yet: it shows its name.
class Module_Orgs : public PendingScreen
{
    Q_OBJECT

public:
    explicit Module_Orgs(QWidget *parent = nullptr);
};

#endif // MODULE_ORGS_H
