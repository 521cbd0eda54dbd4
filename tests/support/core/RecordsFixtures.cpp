#include "RecordsFixtures.h"

#include "records/Fighter.h"

namespace RecordsFixtures {

QStringList fighterTexts()
{
    return {"Ann", "Lee", "Korea", "Asia", "Kickboxing", "Puncher", "WFC", "Contender",
            "Red", "Black", "Brown", "A quiet southpaw."};
}

QVector<int> fighterInts(int attribute)
{
    QVector<int> ints{25, 10, 2, 6};
    for (int k = 0; k < Fighter::AttributeCount; ++k)
        ints << attribute;
    ints << 120 << 110 << 4 << 1 << 2 << 3 << 1100 << 900;
    return ints;
}

void fill(Fighter &fighter, int attribute, const QMultiMap<QDate, QString> &history,
          const QStringList &titles)
{
    fighter.setData(fighterTexts(), fighterInts(attribute), QDate(1988, 2, 29), history, titles);
}

namespace {
struct Packed {
    QStringList texts, titles;
    QVector<int> ints;
    QDate birthday;
    QMultiMap<QDate, QString> history;
    explicit Packed(const Fighter &fighter)
    {
        fighter.getData(texts, ints, birthday, history, titles);
    }
};
} // namespace

void setAttributes(Fighter &fighter, const QMap<int, int> &values)
{
    Packed p(fighter);
    for (auto it = values.constBegin(); it != values.constEnd(); ++it)
        p.ints[Fighter::attributeIndex(it.key())] = it.value();
    fighter.setData(p.texts, p.ints, p.birthday, p.history, p.titles);
}

void setWholeNumber(Fighter &fighter, int index, int value)
{
    Packed p(fighter);
    p.ints[index] = value;
    fighter.setData(p.texts, p.ints, p.birthday, p.history, p.titles);
}

void setText(Fighter &fighter, int index, const QString &value)
{
    Packed p(fighter);
    p.texts[index] = value;
    fighter.setData(p.texts, p.ints, p.birthday, p.history, p.titles);
}

int wholeNumber(const Fighter &fighter, int index)
{
    return Packed(fighter).ints.value(index);
}

int attribute(const Fighter &fighter, int k)
{
    return wholeNumber(fighter, Fighter::attributeIndex(k));
}

QString text(const Fighter &fighter, int index)
{
    return Packed(fighter).texts.value(index);
}

QStringList titlesOf(const Fighter &fighter)
{
    return Packed(fighter).titles;
}

QStringList historyOf(const Fighter &fighter)
{
    return Packed(fighter).history.values();
}

} // namespace RecordsFixtures
