// The organizations fill the cards of their next events.
#include "world/World.h"

#include "CardBooking.h"
#include "records/GameRandom.h"

QStringList World::bookEvents()
{
    QStringList news;
    GameRandom::reseedWithClock();
    for (Organization &organization : organizations)
        CardBooking(*this, organization, roster, bookings, date).run(news);
    return news;
}
