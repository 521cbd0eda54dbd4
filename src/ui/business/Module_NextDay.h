#ifndef MODULE_NEXTDAY_H
#define MODULE_NEXTDAY_H

#include "ui/shell/PendingScreen.h"

// The next day screen: the day's flow and its news. Not built yet: it shows
// its name.
class Module_NextDay : public PendingScreen
{
    Q_OBJECT

public:
    explicit Module_NextDay(QWidget *parent = nullptr);
};

#endif // MODULE_NEXTDAY_H
