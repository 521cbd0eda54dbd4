#ifndef FLAGTABLE_H
#define FLAGTABLE_H

#include <QString>

// Where each nation's flag comes from: a picture of Debian's
// iso-flags-png-320x240 package (by its file name without ".png"), or,
// for the few nations the package lacks, a flag drawn by the writer.
namespace FlagTable {

// The package's file name for the nation, e.g. "us" or "_scotland"; empty
// for a nation the package has no flag of.
QString packageFlag(const QString &nation);

} // namespace FlagTable

#endif // FLAGTABLE_H
