#include "Offer.h"

#include "TextDate.h"
#include "GameDataStream.h"

Offer::Offer()
    : fighterId(0), fighterName(NoText), eventName(NoText), organization(NoText), date(noDate())
{
}

void Offer::getTexts(QString &fighterNameOut, QString &eventNameOut, QString &organizationOut) const
{
    fighterNameOut = fighterName;
    eventNameOut = eventName;
    organizationOut = organization;
}

bool Offer::set(int id, const QStringList &texts, const QDate &dateIn)
{
    if (texts.size() < TextCount)
        return false;
    fighterId = id;
    fighterName = texts.at(FighterNameText);
    eventName = texts.at(EventNameText);
    organization = texts.at(OrganizationText);
    date = dateIn;
    return true;
}

void Offer::getData(int &id, QStringList &texts, QDate &dateOut) const
{
    id = fighterId;
    texts << fighterName << eventName << organization;
    dateOut = date;
}

QString Offer::getDateText() const
{
    if (date.year() > 1999)
        return TextDate::shortText(date);
    return NoText;
}

bool Offer::isWithinWeek(const QDate &today) const
{
    return today.daysTo(date) <= 7;
}

void Offer::reset()
{
    eventName = NoText;
    organization = NoText;
    date = noDate();
}

bool Offer::operator==(const Offer &other) const
{
    return fighterId == other.fighterId && fighterName == other.fighterName
        && eventName == other.eventName && organization == other.organization
        && date == other.date;
}

QDataStream &operator<<(QDataStream &out, const Offer &offer)
{
    int id = 0;
    QStringList texts;
    QDate date;
    offer.getData(id, texts, date);
    return out << qint32(id) << texts << date;
}

QDataStream &operator>>(QDataStream &in, Offer &offer)
{
    qint32 id = 0;
    QStringList texts;
    QDate date;
    in >> id;
    StreamRead::readList(in, texts, 4);
    in >> date;
    if (StreamRead::ok(in) && !offer.set(id, texts, date))
        StreamRead::markCorrupt(in);
    return in;
}
