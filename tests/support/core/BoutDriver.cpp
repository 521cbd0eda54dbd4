#include "BoutDriver.h"

#include <QDate>
#include <QMultiMap>
#include <QStringList>


Fighter BoutDriver::makeFighter(const QString &lastName, const QString &style,
                                const QVector<int> &ints)
{
    QStringList texts;
    for (int i = 0; i < Fighter::TextCount; ++i)
        texts << QString();
    texts[Fighter::FirstNameText] = "Test";
    texts[Fighter::LastNameText] = lastName;
    texts[Fighter::StyleText] = style;
    Fighter fighter;
    fighter.setData(texts, ints, QDate(1990, 1, 1), QMultiMap<QDate, QString>(), QStringList());
    return fighter;
}

Fighter BoutDriver::makeFighter(const QString &lastName, const QString &style, int value)
{
    QVector<int> ints(Fighter::IntCount, value);
    ints[Fighter::AgeIndex] = 25;
    ints[Fighter::IdIndex] = 2000 + int(qHash(lastName) % 100000);
    return makeFighter(lastName, style, ints);
}

BoutDriver::Result BoutDriver::fight(const Fighter &a, const Fighter &b,
                                     std::unique_ptr<CommentarySink> sink)
{
    return UnseenBout::fight(a, b, std::move(sink));
}
