#ifndef EVENTBUILDER_H
#define EVENTBUILDER_H

#include <QDate>
#include <QString>
#include <QStringList>
#include <QVector>

#include "records/Event.h"
#include "records/Match.h"

// Builds a fight card for a test: a national single event in Tokyo with no
// title at stake, no bouts and no results, none of the player's fighters on
// it, until told otherwise.
class EventBuilder
{
public:
    EventBuilder(const QString &name, const QString &organization, const QDate &date);

    EventBuilder &text(Event::TextIndex index, const QString &value);
    EventBuilder &title(const QString &title) { return text(Event::TitleText, title); }
    EventBuilder &card(const QVector<Match> &bouts);
    EventBuilder &results(const QStringList &lines);
    EventBuilder &withPlayerFighter(bool onCard = true);

    Event build() const;

private:
    QStringList m_texts;
    QDate m_date;
    QVector<Match> m_card;
    QStringList m_results;
    bool m_playerOnCard = false;
};

#endif // EVENTBUILDER_H
