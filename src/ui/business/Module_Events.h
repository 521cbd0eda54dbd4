#ifndef MODULE_EVENTS_H
#define MODULE_EVENTS_H

#include "ui/shell/PendingScreen.h"

// The events screen: the event calendar and one-match appearances. Not built
// yet: it shows its name.
class Module_Events : public PendingScreen
{
    Q_OBJECT

public:
    explicit Module_Events(QWidget *parent = nullptr);
};

#endif // MODULE_EVENTS_H
