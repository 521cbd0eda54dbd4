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
    EventBuilder(const QString &name, const QString &organization, const QDate &date)
        : m_texts{name, organization, "Tokyo", "National", "Single Event", "No Title"}, m_date(date)
    {
    }

    EventBuilder &text(Event::TextIndex index, const QString &value) { m_texts[index] = value; return *this; }
    EventBuilder &title(const QString &title) { return text(Event::TitleText, title); }
    EventBuilder &card(const QVector<Match> &bouts) { m_card = bouts; return *this; }
    EventBuilder &results(const QStringList &lines) { m_results = lines; return *this; }
    EventBuilder &withPlayerFighter(bool onCard = true) { m_playerOnCard = onCard; return *this; }

    Event build() const
    {
        Event made;
        made.setData(m_texts, m_date, m_card, m_results, m_playerOnCard);
        return made;
    }

private:
    QStringList m_texts;
    QDate m_date;
    QVector<Match> m_card;
    QStringList m_results;
    bool m_playerOnCard = false;
};

#endif // EVENTBUILDER_H
