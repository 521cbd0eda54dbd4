#ifndef SKILLPOINTPOOL_H
#define SKILLPOINTPOOL_H

#include <QVector>

class QSpinBox;

// A pool of skill points spread over spin boxes, as on the new-game manager
// page and the manager's level-up page. A box spends what it stands above
// its minimum. A change that would overdraw the pool is stepped back to the
// highest value that fits and that box is capped there; while any point is
// free, every box may go up to the skill maximum again.
class SkillPointPool
{
public:
    static const int skillMaximum = 10;

    SkillPointPool(int pool, const QVector<QSpinBox *> &boxes);

    // Recomputes the points left after `changed` moved (null: no box moved)
    // and applies the caps. Returns the points left.
    int recalculate(QSpinBox *changed);
    int pointsLeft() const { return points; }

private:
    int spent() const;

    int pool;
    int points;
    QVector<QSpinBox *> boxes;
};

#endif // SKILLPOINTPOOL_H
