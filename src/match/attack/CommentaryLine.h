#ifndef COMMENTARYLINE_H
#define COMMENTARYLINE_H

#include <QString>

class Fighter;

// One line of fight commentary: an optional lead-in, one of the fighter's
// names, then the text. Nothing is put between the parts; every blank
// belongs to the texts.
struct CommentaryLine
{
    enum NameForm { LastName, FullName };

    const char *leadIn;
    NameForm name;
    const char *text;

    QString render(const Fighter &fighter) const;
};

// Shorthands for the commentary tables.
namespace Line {
inline CommentaryLine last(const char *text) { return {"", CommentaryLine::LastName, text}; }
inline CommentaryLine full(const char *text) { return {"", CommentaryLine::FullName, text}; }
inline CommentaryLine leadLast(const char *lead, const char *text)
{
    return {lead, CommentaryLine::LastName, text};
}
inline CommentaryLine leadFull(const char *lead, const char *text)
{
    return {lead, CommentaryLine::FullName, text};
}
} // namespace Line

#endif // COMMENTARYLINE_H
