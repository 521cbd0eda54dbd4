#include "AnswerSequence.h"

#include "ModalAnswer.h"

// Each answer polls on its own timer; timers armed in order fire in order,
// and a dialog that was answered is hidden at once, so the next answer
// waits for the next dialog.
AnswerSequence::AnswerSequence(const QStringList &buttonTexts)
{
    for (const QString &text : buttonTexts)
        answers.push_back(std::make_unique<ModalAnswer>(text));
}

AnswerSequence::~AnswerSequence() = default;

QStringList AnswerSequence::texts() const
{
    QStringList list;
    for (const auto &answer : answers) {
        if (answer->dialogSeen())
            list << answer->text();
    }
    return list;
}

QList<QStringList> AnswerSequence::buttons() const
{
    QList<QStringList> list;
    for (const auto &answer : answers) {
        if (answer->dialogSeen())
            list << answer->buttons();
    }
    return list;
}

int AnswerSequence::seen() const
{
    int count = 0;
    for (const auto &answer : answers)
        count += answer->dialogSeen() ? 1 : 0;
    return count;
}

bool AnswerSequence::allPlainText() const
{
    for (const auto &answer : answers) {
        if (answer->dialogSeen() && !answer->plainText())
            return false;
    }
    return true;
}
