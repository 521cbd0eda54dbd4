#ifndef CORNERTEXT_H
#define CORNERTEXT_H

#include <QString>
#include <QStringList>

// The corner's words: the instructions offered for each mindset with the
// mindset each leads to, and the texts of the condition observations.
namespace CornerText {

// The texts offered to a fighter in `mindset` (first: carry on); empty for
// mindsets without instructions.
QStringList instructionOptions(int mindset);
// The mindset an instruction gives a fighter now in `mindset`; 0 for a
// text not in that mindset's row.
int instructionMindset(int mindset, const QString &text);

enum Region { Head = 0, Body, Arms, Legs };
// By fatigue level 0..5 (empty outside).
QString staminaObservation(int fatigueLevel);
// By region and severity code 0 (worst) .. 4 (fine).
QString regionObservation(Region region, int code);

} // namespace CornerText

#endif // CORNERTEXT_H
