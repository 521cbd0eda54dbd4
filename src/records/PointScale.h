#ifndef POINTSCALE_H
#define POINTSCALE_H

#include <QtGlobal>

// The gym's prestige and the manager's reputation run from 0 to 1000 points
// and carry one of ten labels, one per hundred: 0-100 is band 0, 101-200
// band 1, ..., 901-1000 band 9. Each record keeps its own ten labels.
namespace PointScale {

constexpr int BandCount = 10;
constexpr int MaximumPoints = 1000;

inline int band(int points)
{
    if (points <= 100)
        return 0;
    return qMin(BandCount - 1, (points - 1) / 100);
}

} // namespace PointScale

#endif // POINTSCALE_H
