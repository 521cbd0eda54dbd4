#include "EventBuilder.h"

EventBuilder::EventBuilder(const QString &name, const QString &organization, const QDate &date)
    : m_texts{name, organization, "Tokyo", "National", "Single Event", "No Title"}, m_date(date)
{
}

EventBuilder &EventBuilder::text(Event::TextIndex index, const QString &value)
{
    m_texts[index] = value;
    return *this;
}

EventBuilder &EventBuilder::card(const QVector<Match> &bouts)
{
    m_card = bouts;
    return *this;
}

EventBuilder &EventBuilder::results(const QStringList &lines)
{
    m_results = lines;
    return *this;
}

EventBuilder &EventBuilder::withPlayerFighter(bool onCard)
{
    m_playerOnCard = onCard;
    return *this;
}

Event EventBuilder::build() const
{
    Event made;
    made.setData(m_texts, m_date, m_card, m_results, m_playerOnCard);
    return made;
}
