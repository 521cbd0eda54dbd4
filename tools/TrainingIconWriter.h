#ifndef TRAININGICONWRITER_H
#define TRAININGICONWRITER_H

#include <QImage>
#include <QString>
#include <QStringList>

// Writes "Resources/Training Icons/": rest_icon.png and one icon per piece
// of gym equipment, transparent pictograms drawn in one style (dark
// outlines, a small palette) that still read at the plan buttons' 50 by 50.
namespace TrainingIconWriter {

QSize iconSize();
// The 22 file names, rest first, then the equipment in the gym's order.
QStringList iconFiles();
// The icon of one of those files; an empty picture for another name.
QImage drawIcon(const QString &file);

bool writeAll(const QString &resourcesFolder);

} // namespace TrainingIconWriter

#endif // TRAININGICONWRITER_H
