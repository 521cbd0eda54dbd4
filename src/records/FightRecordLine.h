#ifndef FIGHTRECORDLINE_H
#define FIGHTRECORDLINE_H

#include <QString>

// Reads one result line of a bout. It understands:
//  - a fighter's record line: "Win: " or "Loss: " + opponent + " - " + method
//    + " - " + "Rd. " + round + "(" + time + ")" [+ " - " + org + ": " + event]
//    [+ " - Won/Retained/Lost " + title], optionally followed by "|" + title;
//  - the bout sentence: winner + " defeated " + loser + " by " + method
//    + " in " + time + " of Round " + round + "." (also behind a
//    match-type prefix such as "Single Match - ").
// The outcome is the line's leading word only, so an opponent called
// "Winston" or a title holding "Loss" cannot change it; the method is read
// from its own field, so a name holding "Decision" is not a decision.
class FightRecordLine
{
public:
    enum Outcome { NoOutcome, Win, Loss };

    FightRecordLine();
    static FightRecordLine parse(const QString &text);

    Outcome outcome() const { return outcomeValue; }
    bool isWin() const { return outcomeValue == Win; }
    bool isLoss() const { return outcomeValue == Loss; }

    // "KO(Jab)", "TKO(Low Kick)", "Decision", "Split Decision", ...; empty
    // when the line names none.
    QString method() const { return methodText; }
    bool isDecision() const;
    // A stoppage: a knockout or a technical knockout.
    bool isKnockout() const;

    // The text before the first "|" (the whole text when there is none).
    QString resultPart() const { return resultText; }
    // True when a non-empty title follows the first "|".
    bool hasTitle() const { return !titleText.isEmpty(); }
    // The title at stake: the text after the first "|" up to the next one.
    QString title() const { return titleText; }

private:
    static Outcome leadingOutcome(const QString &result);
    static QString recordLineMethod(const QString &result);
    static QString sentenceMethod(const QString &result);

    Outcome outcomeValue;
    QString resultText;
    QString methodText;
    QString titleText;
};

#endif // FIGHTRECORDLINE_H
