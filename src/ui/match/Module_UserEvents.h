#ifndef MODULE_USEREVENTS_H
#define MODULE_USEREVENTS_H

#include "records/Event.h"
#include "ui/shell/PendingScreen.h"

// The live event screen, made with the event to play. Not built yet: it
// shows its name. The event runs without the menu bar.
class Module_UserEvents : public PendingScreen
{
    Q_OBJECT

public:
    explicit Module_UserEvents(Event event, QWidget *parent = nullptr);

private:
    Event event;
};

#endif // MODULE_USEREVENTS_H
