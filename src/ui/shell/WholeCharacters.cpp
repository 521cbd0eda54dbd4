#include "WholeCharacters.h"

#include <QTextBoundaryFinder>

namespace {

// The code point starting at `position` and how many UTF-16 units it takes.
uint codePointAt(const QString &text, int position, int &units)
{
    const QChar first = text.at(position);
    if (first.isHighSurrogate() && position + 1 < text.size() && text.at(position + 1).isLowSurrogate()) {
        units = 2;
        return QChar::surrogateToUcs4(first, text.at(position + 1));
    }
    units = 1;
    return first.unicode();
}

bool isRegionalIndicator(uint codePoint)
{
    return codePoint >= 0x1F1E6 && codePoint <= 0x1F1FF;
}

bool startsWithRegionalIndicator(const QString &text, int position)
{
    int units = 0;
    return position < text.size() && isRegionalIndicator(codePointAt(text, position, units));
}

} // namespace

WholeCharacters::WholeCharacters(const QString &text)
{
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    int indicatorsInRow = 0;
    int position = 0;
    while (position < text.size()) {
        int units = 0;
        indicatorsInRow = isRegionalIndicator(codePointAt(text, position, units)) ? indicatorsInRow + 1 : 0;
        position += units;
        // Between two regional indicators a flag ends after an even number.
        const bool betweenIndicators = indicatorsInRow > 0 && startsWithRegionalIndicator(text, position);
        finder.setPosition(position);
        if (betweenIndicators ? indicatorsInRow % 2 == 0 : finder.isAtBoundary())
            m_ends << position;
    }
}

int WholeCharacters::startAtOrBefore(int position) const
{
    int start = 0;
    for (const int end : m_ends) {
        if (end > position)
            break;
        start = end;
    }
    return start;
}
