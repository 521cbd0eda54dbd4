// ringwright_resources: writes the game's ./Resources tree into the folder
// given on the command line. The build runs it; every run writes the same
// bytes.

#include <QByteArray>
#include <QFileInfo>
#include <QGuiApplication>
#include <QStringList>
#include <QTextStream>

#include "DefaultNamesWriter.h"
#include "DefaultWorldWriter.h"
#include "FlagWriter.h"
#include "GymColourWriter.h"
#include "HelpScreenWriter.h"
#include "OrgLogoWriter.h"
#include "PortraitArtWriter.h"
#include "ResourceFile.h"
#include "ShellArtWriter.h"
#include "TrainingIconWriter.h"
#include "WorldMapWriter.h"

namespace {

bool writeFolders(const QString &resources)
{
    return ResourceFile::makeFolder(resources + QStringLiteral("/Saves"))
        && ResourceFile::makeFolder(resources + QStringLiteral("/Exports"));
}

// The style sheets sit next to the Resources folder, in the build folder.
bool writeShellArt(const QString &resources)
{
    return ShellArtWriter::write(QFileInfo(resources).absolutePath());
}

struct Step
{
    const char *what;
    bool (*write)(const QString &resources);
};

// Each part of the tree, in the order it is written.
const Step steps[] = {
    {"the Saves and Exports folders", writeFolders},
    {"the nations and name files", DefaultNamesWriter::writeAll},
    // Its fighters are generated from the name files written above.
    {"the organizations and the fighter pools", DefaultWorldWriter::writeAll},
    {"the window's style sheets and pictures", writeShellArt},
    {"the help data, pictures and icons", HelpScreenWriter::writeAll},
    {"the nations' flags", FlagWriter::writeAll},
    {"the gym colour pictures", GymColourWriter::writeAll},
    {"the portrait layers and status pictures", PortraitArtWriter::writeAll},
    {"the organizations' logos", OrgLogoWriter::writeAll},
    {"the training icons", TrainingIconWriter::writeAll},
    {"the world map and its region overlays", WorldMapWriter::writeAll},
};

} // namespace

int main(int argc, char *argv[])
{
    // Pictures are painted offscreen, so no display is ever needed.
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    QGuiApplication app(argc, argv);
    QTextStream errors(stderr);

    const QStringList arguments = app.arguments();
    if (arguments.size() != 2) {
        errors << "usage: ringwright_resources <Resources folder>\n";
        return 2;
    }
    const QString resources = arguments.at(1);
    for (const Step &step : steps) {
        if (!step.write(resources)) {
            errors << "ringwright_resources: could not write " << step.what
                   << " into " << resources << "\n";
            return 1;
        }
    }
    return 0;
}
