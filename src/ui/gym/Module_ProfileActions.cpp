// The fighter actions of the profile screen: retirement, bio, export, and
// the two imports (into the free agents, into a fantasy match).

#include "Module_Profile.h"

#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSaveFile>
#include <QTextEdit>
#include <QVBoxLayout>

#include <algorithm>

#include "records/Event.h"
#include "records/GameDataStream.h"
#include "records/SafeFileName.h"
#include "ImportChooser.h"
#include "ui/match/Module_UserEvents.h"
#include "ui/shell/GameDialog.h"
#include "ui/shell/ListElider.h"
#include "ui/shell/ModuleManager.h"
#include "world/World.h"

namespace {

const char *const exportsFolder = "./Resources/Exports/";
const char *const exportSuffix = ".dat";

enum class Buttons { AcceptAndCancel, AcceptOnly, CancelOnly };

// A message or question and the buttons it shows; %1 and %2 take names or
// paths.
struct Message {
    const char *text;
    Buttons buttons;
    const char *acceptText = "Accept";
};

const Message noFighterToRetire{
    "You have no fighters to retire.\nTo get a fighter, you need to pick one of your students to train.",
    Buttons::CancelOnly};
const Message confirmRetire{"Are you sure you want %1 to retire?", Buttons::AcceptAndCancel};
const Message eventToday{"The promotion your fighter is signed to has an event today.\nPlease wait until after "
                         "the event to make any retirement decisions.",
                         Buttons::CancelOnly};
const Message noFighterForBio{"You have no fighters selected.", Buttons::CancelOnly};
const Message confirmBio{"Are you sure you want to update this fighter's bio?", Buttons::AcceptAndCancel};

const Message noFighterToExport{
    "You have no fighters to export.\nTo get a fighter, you need to pick one of your students to train.",
    Buttons::CancelOnly};
const Message confirmOverwrite{"This fighter already exists. Overwrite?", Buttons::AcceptAndCancel};
const Message confirmExport{"Are you sure you want to export %1?", Buttons::AcceptAndCancel};
const Message exported{"Fighter exported to %1.", Buttons::AcceptOnly};
const Message errorOpening{"Error opening file %1", Buttons::CancelOnly};
const Message errorWriting{"Error writing file %1", Buttons::CancelOnly};

const Message chooseImport{"Choose fighter to import:", Buttons::AcceptAndCancel, "Import"};
const Message noImportFile{"No import file selected.", Buttons::CancelOnly};
const Message confirmImport{"Import %1? \nHe will appear as a Free Agent.", Buttons::AcceptAndCancel, "Import"};
const Message importedAgent{"Imported %1 into the Free Agents list.", Buttons::CancelOnly};
const Message errorReading{"Error reading file %1. The file may be damaged.", Buttons::CancelOnly};
const Message noUserFighter{"No user fighter selected.", Buttons::CancelOnly};
const Message confirmFantasy{"Import %1? \nHe will immediately fight a fantasy match with %2.",
                             Buttons::AcceptAndCancel, "Import"};
const Message importedFantasy{"Imported %1 into a fantasy match.", Buttons::AcceptOnly, "Go!"};

QString wording(const Message &message, const QString &first = QString(), const QString &second = QString())
{
    // One pass, so a name holding "%2" stays as it is.
    const QString text = QString::fromUtf8(message.text);
    if (text.contains(QLatin1String("%2")))
        return text.arg(first, second);
    return text.contains(QLatin1String("%1")) ? text.arg(first) : text;
}

bool run(GameDialog &dialog, const Message &message, const QString &first = QString())
{
    const QString sentence = wording(message, first);
    switch (message.buttons) {
    case Buttons::AcceptAndCancel:
        return dialog.ask(sentence);
    case Buttons::AcceptOnly:
        return dialog.tell(sentence, DialogButton::Accept);
    case Buttons::CancelOnly:
        break;
    }
    return dialog.tell(sentence, DialogButton::Cancel);
}

bool runImport(ImportChooser &chooser, const Message &message, bool showList = false,
               const QString &first = QString(), const QString &second = QString())
{
    const QString acceptText =
        message.buttons == Buttons::CancelOnly ? QString() : QString::fromUtf8(message.acceptText);
    return chooser.run(wording(message, first, second), showList, acceptText,
                       message.buttons != Buttons::AcceptOnly);
}

QString importPath(const QString &listedName)
{
    return QLatin1String(exportsFolder) + listedName + QLatin1String(exportSuffix);
}

} // namespace

QString Module_Profile::exportPath(const QString &fighterName)
{
    return importPath(SafeFileName::sanitized(fighterName));
}

QStringList Module_Profile::exportNames(QStringList fileNames)
{
    const QString suffix = QLatin1String(exportSuffix);
    fileNames.erase(std::remove_if(fileNames.begin(), fileNames.end(),
                                   [&suffix](const QString &name) {
                                       return !name.endsWith(suffix, Qt::CaseSensitive) || name == suffix;
                                   }),
                    fileNames.end());
    std::sort(fileNames.begin(), fileNames.end());
    for (QString &name : fileNames)
        name.chop(suffix.size());
    return fileNames;
}

// --- Retirement and bio -------------------------------------------------------

void Module_Profile::retireFighter()
{
    const QString name = shownFighterName();
    if (name.isEmpty()) {
        run(*messageDialog, noFighterToRetire);
        return;
    }
    if (!run(*messageDialog, confirmRetire, name))
        return;
    if (!World::Instance().retireRosterFighter(shownFighterIndex())) {
        run(*messageDialog, eventToday);
        return;
    }
    refillFighterCombo();
    switchFighterShown(fighterCombo->currentIndex());
}

void Module_Profile::updateFighterBio()
{
    GameDialog bioDialog(DialogStyle::AWide);
    if (shownFighterName().isEmpty()) {
        run(bioDialog, noFighterForBio);
        return;
    }
    if (run(bioDialog, confirmBio))
        World::Instance().setFighterBio(bioEdit->toPlainText(), shownFighterIndex());
}

// --- Export -------------------------------------------------------------------

void Module_Profile::exportFighter()
{
    const QString name = shownFighterName();
    if (name.isEmpty()) {
        run(*messageDialog, noFighterToExport);
        return;
    }
    const QString path = exportPath(name);
    // A save file leaves an old export whole until the new one is complete,
    // and leaves nothing behind when the export is called off.
    // An old export is confirmed before the file is opened, a new one after.
    QSaveFile file(path);
    const bool exists = QFileInfo::exists(path);
    if (exists && !run(*messageDialog, confirmOverwrite))
        return;
    if (!file.open(QIODevice::WriteOnly)) {
        run(*messageDialog, errorOpening, path);
        return;
    }
    if (!exists && !run(*messageDialog, confirmExport, name)) {
        file.cancelWriting();
        return;
    }
    writeExport(file, path);
}

void Module_Profile::writeExport(QSaveFile &file, const QString &path)
{
    GameDataStream out(&file);
    World::Instance().exportFighter(out, shownFighterIndex());
    // As with saved games: a write failing in commit()'s own flush would go
    // unnoticed, so the buffer is flushed and checked first.
    const bool written = out.status() == QDataStream::Ok && file.flush() && file.commit();
    if (!written) {
        file.cancelWriting();
        run(*messageDialog, errorWriting, path);
        return;
    }
    refreshExportList();
    run(*messageDialog, exported, path);
}

// --- Imports ------------------------------------------------------------------

void Module_Profile::refreshExportList()
{
    QListWidget *list = importDialog->list();
    list->clear();
    // A long name shows cut, the whole of it in its tool tip and its file.
    ListElider::addItems(list, exportNames(QDir(QLatin1String(exportsFolder)).entryList(QDir::Files)));
    if (list->count() > 0)
        list->setCurrentRow(0);
}

bool Module_Profile::chooseExportFile(QString &name, QString &path)
{
    refreshExportList();
    if (!runImport(*importDialog, chooseImport, true))
        return false;
    QListWidgetItem *chosen = importDialog->list()->currentItem();
    if (!chosen) {
        runImport(*importDialog, noImportFile);
        return false;
    }
    name = ListElider::wholeText(chosen);
    path = importPath(name);
    return true;
}

void Module_Profile::importIntoDatabase()
{
    QString name, path;
    if (!chooseExportFile(name, path))
        return;
    if (!runImport(*importDialog, confirmImport, false, name))
        return;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        runImport(*importDialog, errorOpening, false, path);
        return;
    }
    GameDataStream in(&file);
    if (!World::Instance().importFighter(in)) {
        runImport(*importDialog, errorReading, false, path);
        return;
    }
    runImport(*importDialog, importedAgent, false, name);
}

void Module_Profile::importFantasyMatch()
{
    QString name, path;
    if (!chooseExportFile(name, path))
        return;
    const QString fighterName = shownFighterName();
    if (fighterName.isEmpty()) {
        runImport(*importDialog, noUserFighter);
        return;
    }
    if (!runImport(*importDialog, confirmFantasy, false, name, fighterName))
        return;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        runImport(*importDialog, errorOpening, false, path);
        return;
    }
    GameDataStream in(&file);
    Event event;
    switch (World::Instance().createFantasyMatch(in, shownFighterIndex(), event)) {
    case World::FantasyResult::DamagedFile:
        runImport(*importDialog, errorReading, false, path);
        return;
    case World::FantasyResult::NoFighterShown:
        runImport(*importDialog, noUserFighter);
        return;
    case World::FantasyResult::Created:
        break;
    }
    file.close();
    // However the message is closed, the match is on.
    runImport(*importDialog, importedFantasy, false, name);
    ModuleManager::Instance()->changeScreen(new Module_UserEvents(event));
}
