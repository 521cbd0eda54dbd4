#ifndef WHOLECHARACTERS_H
#define WHOLECHARACTERS_H

#include <QString>
#include <QVector>

// Where the characters of a text end, a character being what a reader
// counts as one: an emoji, a flag or a letter with its accents. Qt's
// grapheme finder gets a flag wrong after an emoji (it pairs the flag's
// second letter with the next one), so regional indicators are paired here
// from the start of their run, whatever the finder says.
class WholeCharacters
{
public:
    explicit WholeCharacters(const QString &text);

    // The end of each character, first to last; the last is the text's size.
    const QVector<int> &ends() const { return m_ends; }
    // The start of the character that holds `position`, or `position`
    // itself when a character starts there.
    int startAtOrBefore(int position) const;

private:
    QVector<int> m_ends;
};

#endif // WHOLECHARACTERS_H
