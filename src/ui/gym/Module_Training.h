#ifndef MODULE_TRAINING_H
#define MODULE_TRAINING_H

#include "ui/shell/PendingScreen.h"

// The training screen: gym upgrades and daily training plans. Not built yet:
// it shows its name.
class Module_Training : public PendingScreen
{
    Q_OBJECT

public:
    explicit Module_Training(QWidget *parent = nullptr);
};

#endif // MODULE_TRAINING_H
