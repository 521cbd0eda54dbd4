#ifndef OFFER_H
#define OFFER_H

#include <QDate>
#include <QString>
#include <QStringList>

class QDataStream;

// A match offered to one of the player's fighters, or his current booking.
// An empty text reads "N/A"; 1 January 1999 stands for no date.
class Offer
{
public:
    static constexpr const char *NoText = "N/A";
    static QDate noDate() { return QDate(1999, 1, 1); }
    enum TextIndex { FighterNameText = 0, EventNameText, OrganizationText, TextCount };

    Offer();

    int getId() const { return fighterId; }
    const QString &getFighterName() const { return fighterName; }
    const QString &getEventName() const { return eventName; }
    void setEventName(const QString &value) { eventName = value; }
    const QString &getOrganization() const { return organization; }
    QDate getDate() const { return date; }
    void getTexts(QString &fighterNameOut, QString &eventNameOut, QString &organizationOut) const;

    // Returns false, and changes nothing, when texts holds fewer than three.
    bool set(int id, const QStringList &texts, const QDate &dateIn);
    void getData(int &id, QStringList &texts, QDate &dateOut) const;

    // The date in text form once it lies after 1999, else "N/A".
    QString getDateText() const;
    // True when the event is a week or less away (or already past): the
    // daily steps drop such offers.
    bool isWithinWeek(const QDate &today) const;
    // Clears the booking; the fighter it belongs to stays.
    void reset();

    bool operator==(const Offer &other) const;
    bool operator!=(const Offer &other) const { return !(*this == other); }

private:
    int fighterId;
    QString fighterName;
    QString eventName;
    QString organization;
    QDate date;
};

QDataStream &operator<<(QDataStream &out, const Offer &offer);
// On a short or damaged stream the offer is left unchanged and the
// stream's status says so.
QDataStream &operator>>(QDataStream &in, Offer &offer);

#endif // OFFER_H
