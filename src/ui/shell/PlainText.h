#ifndef PLAINTEXT_H
#define PLAINTEXT_H

#include <QObject>
#include <QString>

class QTextEdit;

// The game writes no rich text of its own, and the names it shows come from
// the player and from export files of anyone's making. Left to guess, Qt
// reads "<b>Champion" as markup; everything the game shows goes through
// here instead and reads exactly as it was written.
class PlainText : public QObject
{
    Q_OBJECT

public:
    // From now on every label of the program is plain text once polished
    // (before it is first measured or shown); calling again changes nothing.
    static void install();

    // QTextEdit::append, but the text is never taken for markup: a new
    // paragraph at the end in the view's formats, and a view that was
    // scrolled to its end stays there.
    static void append(QTextEdit *view, const QString &text);

    // A tool tip guesses as a label does: a text that would pass for markup
    // comes back escaped, its blanks kept, any other unchanged.
    static QString toolTip(const QString &text);

    explicit PlainText(QObject *parent);

    bool eventFilter(QObject *watched, QEvent *event) override;
};

#endif // PLAINTEXT_H
