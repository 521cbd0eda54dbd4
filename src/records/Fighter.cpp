#include "Fighter.h"

#include "GameDataStream.h"

#include <algorithm>

Fighter::Fighter()
    : age(0), wins(0), losses(0), knockouts(0),
      headDurability(0), bodyDurability(0), contractMatches(0),
      bodyImage(0), headImage(0), faceImage(0), id(0), standing(0)
{
    std::fill(attributes, attributes + AttributeCount, 0);
}

void Fighter::getStrings(QStringList &out) const
{
    out << firstName << lastName << nationality << region << background << style
        << organization << reputation << shortsColour << trimColour << hairColour << bio;
}

void Fighter::getInts(QVector<int> &out) const
{
    out.reserve(out.size() + IntCount);
    out << age << wins << losses << knockouts;
    for (int k = 0; k < AttributeCount; ++k)
        out << attributes[k];
    out << headDurability << bodyDurability << contractMatches
        << bodyImage << headImage << faceImage << id << standing;
}

void Fighter::getData(QStringList &texts, QVector<int> &ints, QDate &birthdayOut,
                      QMultiMap<QDate, QString> &historyOut, QStringList &titlesOut) const
{
    getStrings(texts);
    getInts(ints);
    birthdayOut = birthday;
    historyOut = history;
    titlesOut = titles;
}

bool Fighter::setData(const QStringList &texts, const QVector<int> &ints, const QDate &birthdayIn,
                      const QMultiMap<QDate, QString> &historyIn, const QStringList &titlesIn)
{
    if (texts.size() < TextCount || ints.size() < IntCount)
        return false;

    QString *const textFields[TextCount] = {
        &firstName, &lastName, &nationality, &region, &background, &style,
        &organization, &reputation, &shortsColour, &trimColour, &hairColour, &bio
    };
    for (int i = 0; i < TextCount; ++i)
        *textFields[i] = texts.at(i);

    age = ints.at(AgeIndex);
    wins = ints.at(WinsIndex);
    losses = ints.at(LossesIndex);
    knockouts = ints.at(KnockoutsIndex);
    for (int k = 0; k < AttributeCount; ++k)
        attributes[k] = ints.at(attributeIndex(k));
    headDurability = ints.at(HeadDurabilityIndex);
    bodyDurability = ints.at(BodyDurabilityIndex);
    contractMatches = ints.at(ContractMatchesIndex);
    bodyImage = ints.at(BodyImageIndex);
    headImage = ints.at(HeadImageIndex);
    faceImage = ints.at(FaceImageIndex);
    id = ints.at(IdIndex);
    standing = ints.at(StandingIndex);

    birthday = birthdayIn;
    history = historyIn;
    titles = titlesIn;
    return true;
}

QStringList Fighter::getAppearance(int &body, int &head, int &face) const
{
    body = bodyImage;
    head = headImage;
    face = faceImage;
    return QStringList() << shortsColour << trimColour << hairColour;
}

int Fighter::getAgeOn(const QDate &date, int &currentAge) const
{
    currentAge = age;
    if (date.month() == birthday.month() && date.day() == birthday.day())
        return age + 1;
    return age;
}

void Fighter::capAttributes()
{
    for (int &value : attributes)
        value = std::min(value, 99);
}

bool Fighter::operator==(const Fighter &other) const
{
    QStringList texts, otherTexts;
    QVector<int> ints, otherInts;
    getStrings(texts);
    other.getStrings(otherTexts);
    getInts(ints);
    other.getInts(otherInts);
    return texts == otherTexts && ints == otherInts && birthday == other.birthday
        && history == other.history && titles == other.titles;
}

QDataStream &operator<<(QDataStream &out, const Fighter &fighter)
{
    QStringList texts, titles;
    QVector<int> ints;
    QDate birthday;
    QMultiMap<QDate, QString> history;
    fighter.getData(texts, ints, birthday, history, titles);
    out << texts << ints << birthday << history << titles;
    return out;
}

QDataStream &operator>>(QDataStream &in, Fighter &fighter)
{
    QStringList texts, titles;
    QVector<int> ints;
    QDate birthday;
    QMultiMap<QDate, QString> history;
    StreamRead::readList(in, texts, 4);
    StreamRead::readVector(in, ints, 4);
    in >> birthday;
    StreamRead::readMultiMap(in, history, 8);
    StreamRead::readList(in, titles, 4);
    if (!StreamRead::ok(in))
        return in;
    if (!fighter.setData(texts, ints, birthday, history, titles))
        StreamRead::markCorrupt(in);
    return in;
}
