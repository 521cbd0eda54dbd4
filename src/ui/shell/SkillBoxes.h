#ifndef SKILLBOXES_H
#define SKILLBOXES_H

#include <QString>
#include <QVector>

class QSpinBox;
class QWidget;

// The manager's 18 skills as the new-game manager page and the level-up
// page show them: three boxes of two titled sections of three skills each,
// a spin box per skill named "skill_" + its label.
class SkillBoxes
{
public:
    static const int skillCount = 18;

    // Punch to Intuition, the order of the manager's numbers.
    static QString skillLabel(int skill);
    // "Skill Points: " + the points left.
    static QString pointsText(int points);

    // The 18 spin boxes in skill order, with the toolkit's range.
    static QVector<QSpinBox *> makeSpins();
    // The left, middle and right boxes (fixed at 200 by 250, grid spacing 0)
    // holding the titles, the labels and the given spins.
    static QVector<QWidget *> makeBoxes(const QVector<QSpinBox *> &spins);
};

#endif // SKILLBOXES_H
