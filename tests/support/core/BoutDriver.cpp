#include "BoutDriver.h"

#include "FighterBuilder.h"

Fighter BoutDriver::makeFighter(const QString &lastName, const QString &style,
                                const QVector<int> &ints)
{
    return FighterBuilder().numbers(ints).name("Test", lastName).style(style).born(QDate(1990, 1, 1)).build();
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
