#ifndef WHOLECHARACTERCAP_H
#define WHOLECHARACTERCAP_H

#include <QValidator>

// Caps a typed name at a length in UTF-16 units, as a line edit's maximum
// length does, but never keeps part of a character: an emoji, a flag or a
// letter with its accent that does not fit is left out whole.
class WholeCharacterCap : public QValidator
{
    Q_OBJECT

public:
    WholeCharacterCap(int maxLength, QObject *parent);

    // What does not fit is taken off the end of what was just typed or
    // pasted, which ends at the cursor, so the rest of the name stays.
    State validate(QString &input, int &pos) const override;

private:
    int maxLength;
};

#endif // WHOLECHARACTERCAP_H
