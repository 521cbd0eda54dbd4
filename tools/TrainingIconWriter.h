#ifndef TRAININGICONWRITER_H
#define TRAININGICONWRITER_H

#include <QImage>
#include <QString>
#include <QStringList>

// Writes the icons of ResourcePaths::trainingIcon: the rest day's and one per
// piece of gym equipment, transparent pictograms drawn in one style (dark
// outlines, a small palette) that still read at the plan buttons' 50 by 50.
namespace TrainingIconWriter {

QSize iconSize();
// ResourcePaths::trainingIconFiles: rest first, then the equipment in the gym's order.
QStringList iconFiles();
// The icon of one of those files; an empty picture for another name.
QImage drawIcon(const QString &file);

bool writeAll(const QString &resourcesFolder);

} // namespace TrainingIconWriter

#endif // TRAININGICONWRITER_H
