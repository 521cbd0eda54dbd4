#ifndef ORGLOGOWRITER_H
#define ORGLOGOWRITER_H

#include <QImage>
#include <QString>

// Writes "Resources/Org Logos/<organization name>_Logo.jpg" for every
// organization of a new game: 250 by 250, each in its own colours with its
// own emblem above its name, lettered large enough to read at 75 by 75.
namespace OrgLogoWriter {

QSize logoSize();
// The logo of an organization of the table; a plain badge for another name.
QImage drawLogo(const QString &organization);

bool writeAll(const QString &resourcesFolder);

} // namespace OrgLogoWriter

#endif // ORGLOGOWRITER_H
