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

namespace {
// The blanks that end a word here: ASCII white space.
bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || (c >= QLatin1Char('\t') && c <= QLatin1Char('\r'));
}
}

// The first word of the line, up to a colon or a blank. Read by hand: every
// bout of the world writes two record lines.
FightRecordLine::Outcome FightRecordLine::leadingOutcome(const QString &result)
{
    int start = 0;
    while (start < result.size() && isBlank(result.at(start)))
        ++start;
    int end = start;
    while (end < result.size() && !isBlank(result.at(end)) && result.at(end) != QLatin1Char(':'))
        ++end;
    const QStringRef word = result.midRef(start, end - start);
    if (word == QLatin1String("Win"))
        return Win;
    if (word == QLatin1String("Loss"))
        return Loss;
    return NoOutcome;
}

// "Win: opponent - method - Rd. ..." : the second " - " field.
QString FightRecordLine::recordLineMethod(const QString &result)
{
    const int first = result.indexOf(fieldSeparator);
    if (first < 0)
        return QString();
    const int start = first + fieldSeparator.size();
    const int next = result.indexOf(fieldSeparator, start);
    return result.mid(start, next < 0 ? -1 : next - start).trimmed();
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
