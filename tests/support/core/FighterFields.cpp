#include "FighterFields.h"

#include "records/Fighter.h"

namespace FighterFields {

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

FighterBuilder sample(int attribute)
{
    return FighterBuilder().texts(fighterTexts()).numbers(fighterInts(attribute));
}

void fill(Fighter &fighter, int attribute, const QMultiMap<QDate, QString> &history,
          const QStringList &titles)
{
    fighter.setData(fighterTexts(), fighterInts(attribute), QDate(1988, 2, 29), history, titles);
}

int wholeNumber(const Fighter &fighter, int index)
{
    QVector<int> ints;
    fighter.getInts(ints);
    return ints.value(index);
}

int attribute(const Fighter &fighter, int k)
{
    return wholeNumber(fighter, Fighter::attributeIndex(k));
}

QString text(const Fighter &fighter, int index)
{
    QStringList texts;
    fighter.getStrings(texts);
    return texts.value(index);
}

QStringList titlesOf(const Fighter &fighter)
{
    QStringList titles;
    fighter.getTitles(titles);
    return titles;
}

QStringList historyOf(const Fighter &fighter)
{
    QMultiMap<QDate, QString> history;
    fighter.getHistory(history);
    return history.values();
}

} // namespace FighterFields
