#include "SkillPointPool.h"

#include <QSignalBlocker>
#include <QSpinBox>

SkillPointPool::SkillPointPool(int pool, const QVector<QSpinBox *> &boxes)
    : pool(pool)
    , points(pool)
    , boxes(boxes)
{
}

int SkillPointPool::spent() const
{
    int total = 0;
    for (const QSpinBox *box : boxes)
        total += box->value() - box->minimum();
    return total;
}

int SkillPointPool::recalculate(QSpinBox *changed)
{
    points = pool - spent();
    if (points < 0 && changed) {
        // Back to the highest value the pool allows, and no further up.
        const QSignalBlocker quiet(changed);
        changed->setValue(changed->value() + points);
        changed->setMaximum(changed->value());
        points = pool - spent();
    }
    if (points != 0) {
        for (QSpinBox *box : boxes)
            box->setMaximum(skillMaximum);
    }
    return points;
}
