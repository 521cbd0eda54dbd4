#ifndef ANSWERSEQUENCE_H
#define ANSWERSEQUENCE_H

#include <QList>
#include <QStringList>

#include <memory>
#include <vector>

class ModalAnswer;

// Answers the next few modal dialogs in turn, one button text each (a
// question and then the message that follows it, say), and remembers what
// each of them said.
class AnswerSequence
{
public:
    explicit AnswerSequence(const QStringList &buttonTexts);
    ~AnswerSequence();

    // The sentences of the dialogs answered, in order.
    QStringList texts() const;
    // The visible buttons of each dialog answered.
    QList<QStringList> buttons() const;
    // Every dialog answered showed its sentence as plain text.
    bool allPlainText() const;
    // How many dialogs were seen.
    int seen() const;

private:
    std::vector<std::unique_ptr<ModalAnswer>> answers;
};

#endif // ANSWERSEQUENCE_H
