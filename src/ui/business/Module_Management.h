#ifndef MODULE_MANAGEMENT_H
#define MODULE_MANAGEMENT_H

#include "ui/shell/PendingScreen.h"

// The management screen: contracts, offers, revenue and students. Not built
// yet: it shows its name.
class Module_Management : public PendingScreen
{
    Q_OBJECT

public:
    explicit Module_Management(QWidget *parent = nullptr);
};

#endif // MODULE_MANAGEMENT_H
