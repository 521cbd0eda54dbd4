#ifndef MODULE_USEREVENTS_H
#define MODULE_USEREVENTS_H

#include "records/Event.h"
#include "ui/shell/PendingScreen.h"

// The live event screen, made with the event to play. Not built yet: it
// shows its name and lets the day go on, the player's bouts being decided
// with the rest of the day's events. The event runs without the menu bar.
class Module_UserEvents : public PendingScreen
{
    Q_OBJECT

public:
    explicit Module_UserEvents(Event event, QWidget *parent = nullptr);

public slots:
    void proceedToNextDay();

private:
    Event event;
};

#endif // MODULE_USEREVENTS_H
