#include "FightRecordLine.h"

#include <QRegularExpression>

namespace {
const QString fieldSeparator = QStringLiteral(" - ");
const QString titleSeparator = QStringLiteral("|");
}

FightRecordLine::FightRecordLine()
    : outcomeValue(NoOutcome)
{
}

FightRecordLine FightRecordLine::parse(const QString &text)
{
    FightRecordLine line;
    const int bar = text.indexOf(titleSeparator);
    if (bar < 0) {
        line.resultText = text;
    } else {
        line.resultText = text.left(bar);
        line.titleText = text.section(titleSeparator, 1, 1);
    }
    line.outcomeValue = leadingOutcome(line.resultText);
    line.methodText = line.outcomeValue == NoOutcome ? sentenceMethod(line.resultText)
                                                     : recordLineMethod(line.resultText);
    return line;
}

bool FightRecordLine::isDecision() const
{
    return methodText.contains(QLatin1String("Decision"));
}

bool FightRecordLine::isKnockout() const
{
    return methodText.startsWith(QLatin1String("KO")) || methodText.startsWith(QLatin1String("TKO"));
}

// The first word of the line, up to a colon or a blank.
FightRecordLine::Outcome FightRecordLine::leadingOutcome(const QString &result)
{
    static const QRegularExpression leadingWord(QStringLiteral("^\\s*([^\\s:]+)"));
    const QString word = leadingWord.match(result).captured(1);
    if (word == QLatin1String("Win"))
        return Win;
    if (word == QLatin1String("Loss"))
        return Loss;
    return NoOutcome;
}

// "Win: opponent - method - Rd. ..." : the second " - " field.
QString FightRecordLine::recordLineMethod(const QString &result)
{
    const QStringList fields = result.split(fieldSeparator);
    return fields.size() > 1 ? fields.at(1).trimmed() : QString();
}

// "... by method in 1:05 of Round 2." : the method sits between the last
// " by " and the closing time; no method holds " by ", a name might.
QString FightRecordLine::sentenceMethod(const QString &result)
{
    static const QRegularExpression closing(QStringLiteral(" in \\d+:\\d\\d of Round \\d+\\.?\\s*$"));
    const int end = result.indexOf(closing);
    if (end < 0)
        return QString();
    const QString by = QStringLiteral(" by ");
    const int start = result.lastIndexOf(by, end);
    if (start < 0)
        return QString();
    return result.mid(start + by.size(), end - start - by.size());
}
