#include "Module_SaveLoad.h"

#include <QDir>
#include <QFile>
#include <QGridLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSaveFile>

#include <algorithm>
#include <iterator>

#include "GameDialog.h"
#include "ListElider.h"
#include "ModuleManager.h"
#include "Module_MainMenu.h"
#include "WholeCharacterCap.h"
#include "records/GameDataStream.h"
#include "records/SafeFileName.h"
#include "ui/gym/Module_Profile.h"
#include "world/World.h"

namespace {

const char *const savesFolder = "./Resources/Saves/";
const char *const saveSuffix = ".dat";
// Long enough for any name a player means, short enough for every dialog
// that quotes it and for the file system.
const int saveNameMaxLength = 64;

struct CodePointRange {
    uint first;
    uint last;
};

// Characters that draw nothing: zero-width spaces and joiners, direction
// marks, the byte order mark, fillers, variation selectors and tags (the
// default-ignorable code points of Unicode).
const CodePointRange invisibleCharacters[] = {
    {0x00AD, 0x00AD},   {0x034F, 0x034F},   {0x061C, 0x061C},   {0x115F, 0x1160},   {0x17B4, 0x17B5},
    {0x180B, 0x180F},   {0x200B, 0x200F},   {0x202A, 0x202E},   {0x2060, 0x206F},   {0x3164, 0x3164},
    {0xFE00, 0xFE0F},   {0xFEFF, 0xFEFF},   {0xFFA0, 0xFFA0},   {0xFFF0, 0xFFF8},   {0x1BCA0, 0x1BCA3},
    {0x1D173, 0x1D17A}, {0xE0000, 0xE0FFF},
};

bool drawsNothing(uint codePoint)
{
    return QChar::isSpace(codePoint)
        || std::any_of(std::begin(invisibleCharacters), std::end(invisibleCharacters),
                       [codePoint](const CodePointRange &range) {
                           return codePoint >= range.first && codePoint <= range.last;
                       });
}

QString quoted(const QString &name)
{
    return QLatin1Char('"') + name + QLatin1Char('"');
}

} // namespace

Module_SaveLoad::Module_SaveLoad(QWidget *parent)
    : ScreenFrame(parent)
    , mainLayout(new QGridLayout)
    // Each layout leaves some of these out; they still belong to the screen.
    , fileNameEdit(new QLineEdit(this))
    , saveButton(new QPushButton(QStringLiteral("Save"), this))
    , saveList(new QListWidget(this))
    , loadButton(new QPushButton(QStringLiteral("Load"), this))
    , deleteButton(new QPushButton(QStringLiteral("Delete"), this))
    , backButton(new QPushButton(QStringLiteral("Back to Main Menu"), this))
    , dialog(new GameDialog(DialogStyle::B))
{
    // Names for the tests; the style sheet does not address them.
    fileNameEdit->setObjectName(QStringLiteral("save_name_edit"));
    fileNameEdit->setValidator(new WholeCharacterCap(saveNameMaxLength, fileNameEdit));
    saveList->setObjectName(QStringLiteral("save_list"));
    buildLayout();
    setLayout(mainLayout);
    reloadSaveList();
    fileNameEdit->clear();
}

Module_SaveLoad::~Module_SaveLoad() = default;

QString Module_SaveLoad::savePath(const QString &name)
{
    return QLatin1String(savesFolder) + name + QLatin1String(saveSuffix);
}

bool Module_SaveLoad::isSafeSaveName(const QString &name)
{
    return SafeFileName::isSafe(name);
}

bool Module_SaveLoad::isBlankSaveName(const QString &name)
{
    const QVector<uint> codePoints = name.toUcs4();
    return std::all_of(codePoints.cbegin(), codePoints.cend(), drawsNothing);
}

void Module_SaveLoad::buildLayout()
{
    mainLayout->setColumnStretch(0, 1);
    mainLayout->setColumnStretch(3, 1);
    if (!ModuleManager::Instance()->isTopMenuVisible()) {
        // From the main menu: load and delete only.
        mainLayout->setRowStretch(0, 1);
        mainLayout->setRowStretch(8, 1);
        mainLayout->addWidget(saveList, 1, 1, 4, 2);
        mainLayout->addWidget(loadButton, 5, 1);
        mainLayout->addWidget(deleteButton, 5, 2);
        mainLayout->addWidget(backButton, 7, 1, 1, 2);
        fileNameEdit->hide();
        saveButton->hide();
    } else {
        mainLayout->setRowStretch(0, 1);
        mainLayout->setRowStretch(3, 1);
        mainLayout->setRowStretch(8, 1);
        mainLayout->addWidget(fileNameEdit, 1, 1, 1, 2);
        mainLayout->addWidget(saveButton, 2, 1, 1, 2);
        mainLayout->addWidget(saveList, 4, 1, 3, 2);
        mainLayout->addWidget(loadButton, 7, 1);
        mainLayout->addWidget(deleteButton, 7, 2);
        backButton->hide();
    }
    mainLayout->setSpacing(0);

    connect(saveButton, &QPushButton::clicked, this, &Module_SaveLoad::saveData);
    connect(loadButton, &QPushButton::clicked, this, &Module_SaveLoad::loadData);
    connect(deleteButton, &QPushButton::clicked, this, &Module_SaveLoad::deleteData);
    connect(saveList, &QListWidget::currentItemChanged, this, &Module_SaveLoad::showChosenSave);
    connect(backButton, &QPushButton::clicked, this, &Module_SaveLoad::backToMainMenu);
}

void Module_SaveLoad::refreshSaveList()
{
    QDir folder(QString::fromLatin1(savesFolder));
    folder.setNameFilters({QStringLiteral("*") + QLatin1String(saveSuffix)});
    folder.setFilter(QDir::Files | QDir::CaseSensitive);
    folder.setSorting(QDir::Unsorted);
    QStringList names = folder.entryList();
    // By character code: capitals before small letters.
    std::sort(names.begin(), names.end());
    for (QString &name : names)
        name.chop(int(qstrlen(saveSuffix)));
    // A long name shows cut, the whole of it in its tool tip and its file.
    ListElider::addItems(saveList, names);
    if (saveList->count() > 0)
        saveList->setCurrentRow(0);
}

void Module_SaveLoad::reloadSaveList()
{
    saveList->hide();
    saveList->clear();
    refreshSaveList();
    saveList->show();
}

void Module_SaveLoad::showChosenSave(const QListWidgetItem *item)
{
    fileNameEdit->setText(item ? ListElider::wholeText(item) : QString());
}

QString Module_SaveLoad::chosenSave() const
{
    const QListWidgetItem *item = saveList->currentItem();
    return item ? ListElider::wholeText(item) : QString();
}

void Module_SaveLoad::saveData()
{
    const QString name = fileNameEdit->text();
    if (name.isEmpty()) {
        dialog->tell(QStringLiteral("Please specify a file name for your save."), DialogButton::Cancel);
        return;
    }
    if (isBlankSaveName(name)) {
        // It would list as an empty row.
        dialog->tell(QStringLiteral("Please choose a save name that is not blank."), DialogButton::Cancel);
        return;
    }
    if (!isSafeSaveName(name)) {
        dialog->tell(QStringLiteral("Please choose a save name without slashes, control characters or a leading dot."),
                     DialogButton::Cancel);
        return;
    }
    const QString path = savePath(name);
    const bool overwriting = QFile::exists(path);
    if (overwriting && !dialog->ask(QStringLiteral("That file already exists. Overwrite?")))
        return;

    // The game is written beside the old file and only replaces it once
    // it is complete; a new name's file appears only when saved.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        dialog->tell(QStringLiteral("Error opening file ") + path, DialogButton::Cancel);
        return;
    }
    if (!overwriting && !dialog->ask(QStringLiteral("Save as ") + quoted(name) + QLatin1Char('?'))) {
        file.cancelWriting();
        return;
    }
    writeSave(file, path);
}

void Module_SaveLoad::writeSave(QSaveFile &file, const QString &path)
{
    GameDataStream out(&file);
    World::Instance().save(out);
    // A write that fails while the buffer is flushed inside commit() goes
    // unnoticed there, so the buffer is flushed and checked first.
    const bool saved = out.status() == QDataStream::Ok && file.flush() && file.commit();
    if (!saved) {
        file.cancelWriting();
        dialog->tell(QStringLiteral("Error saving file ") + path, DialogButton::Cancel);
        return;
    }
    reloadSaveList();
    fileNameEdit->clear();
    dialog->tell(QStringLiteral("File saved successfully."), DialogButton::Accept);
}

void Module_SaveLoad::loadData()
{
    const QString name = chosenSave();
    if (name.isEmpty()) {
        dialog->tell(QStringLiteral("Please specify a file to load."), DialogButton::Cancel);
        return;
    }
    const QString path = savePath(name);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        dialog->tell(QStringLiteral("Error opening file ") + path, DialogButton::Cancel);
        return;
    }
    if (!dialog->ask(QStringLiteral("Load ") + quoted(name) + QLatin1Char('?')))
        return;

    GameDataStream in(&file);
    // The world keeps the running game unless the whole file read cleanly.
    const bool loaded = World::Instance().load(in);
    file.close();
    if (!loaded) {
        dialog->tell(QStringLiteral("Error reading file ") + path + QStringLiteral(". The file may be damaged."),
                     DialogButton::Cancel);
        return;
    }
    dialog->tell(QStringLiteral("File loaded successfully."), DialogButton::Accept);
    ModuleManager::Instance()->showTopMenu();
    ModuleManager::Instance()->changeScreen(new Module_Profile);
}

void Module_SaveLoad::deleteData()
{
    const QString name = chosenSave();
    if (name.isEmpty()) {
        dialog->tell(QStringLiteral("Please specify a file to delete."), DialogButton::Cancel);
        return;
    }
    if (!dialog->ask(QStringLiteral("Are you sure you want to delete ") + quoted(name) + QLatin1Char('?')))
        return;
    const QString path = savePath(name);
    const bool removed = QFile::remove(path);
    reloadSaveList();
    fileNameEdit->clear();
    if (removed)
        dialog->tell(QStringLiteral("File deleted successfully."), DialogButton::Accept);
    else
        dialog->tell(QStringLiteral("Error deleting file ") + path, DialogButton::Cancel);
}

void Module_SaveLoad::backToMainMenu()
{
    ModuleManager::Instance()->changeScreen(new Module_MainMenu);
}
