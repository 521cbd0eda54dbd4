#include <QtTest>

#include <QDir>
#include <QImage>
#include <QTemporaryDir>

#include "FlagWriter.h"
#include "GymColourWriter.h"
#include "HelpScreenWriter.h"
#include "data/FlagTable.h"
#include "data/HelpTexts.h"
#include "data/NationTable.h"
#include "records/GameDataStream.h"
#include "records/GymColours.h"
#include "world/ResourcePaths.h"

// What the resource generator writes for the shell's screens: the help data
// file, the help pictures and icons, the flags and the gym colours.
class TestShellResources : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir folder;

private slots:
    void initTestCase() { QVERIFY(folder.isValid()); }

    void helpTopicsReadBackInTheirIntendedOrder()
    {
        QVERIFY(HelpScreenWriter::writeHelpData(folder.path()));
        QFile file(folder.filePath("Defaults/help_screen_data.dat"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        GameDataStream in(&file);
        const QVector<HelpTexts::HelpScreen> &screens = HelpTexts::screens();
        QCOMPARE(screens.size(), 10);
        for (const HelpTexts::HelpScreen &screen : screens) {
            QMultiMap<QString, QString> read;
            QVERIFY(StreamRead::readMultiMap(in, read, 8));
            QStringList intended;
            for (const HelpTexts::Topic &topic : screen.topics) {
                intended << topic.key;
                QVERIFY2(!topic.text.trimmed().isEmpty(), qPrintable(topic.key));
                QCOMPARE(read.value(topic.key), topic.text);
            }
            // The screen lists the keys sorted: that must be the intended order.
            QVERIFY2(read.keys() == intended, qPrintable(screen.name));
        }
        QVERIFY(in.atEnd());
        // Enough topics that every picture of a help screen is shown.
        QVERIFY(screens.at(0).topics.size() >= 5);
        for (int screen : {1, 2, 7})
            QVERIFY(screens.at(screen).topics.size() >= 4);
        for (int screen : {3, 8})
            QVERIFY(screens.at(screen).topics.size() >= 5);
        QVERIFY(screens.at(5).topics.size() >= 3);
    }

    void helpPicturesAndIcons()
    {
        QVERIFY(HelpScreenWriter::writeHelpPictures(folder.path()));
        QVERIFY(HelpScreenWriter::writeHelpIcons(folder.path()));
        const QStringList pictures = QDir(folder.filePath("Backgrounds")).entryList({"helpscreen_*.jpg"});
        QCOMPARE(pictures.size(), 18);
        for (const QString &name : pictures)
            QCOMPARE(QImage(folder.filePath("Backgrounds/" + name)).size(), QSize(605, 385));
        for (const char *icon : {"newgame", "combat"}) {
            const QImage image(folder.filePath(QStringLiteral("TopMenu/top_%1_icon_up.png").arg(icon)));
            QCOMPARE(image.size(), QSize(70, 70));
            QVERIFY(image.hasAlphaChannel());
        }
    }

    void everyNationHasAFlag()
    {
        QVERIFY(FlagWriter::writeFlags(folder.path(), FlagWriter::defaultPackageFolder()));
        const bool packageThere = QFileInfo::exists(FlagWriter::defaultPackageFolder());
        const QImage blank(ResourcePaths::flag("blank", folder.path()));
        QCOMPARE(blank.size(), QSize(240, 150));
        int fromPackage = 0;
        for (int region = 0; region < 8; ++region) {
            for (const QString &nation : NationTable::nationsOf(region)) {
                const QImage flag(ResourcePaths::flag(nation, folder.path()));
                QCOMPARE(flag.size(), QSize(240, 150));
                const bool drawnOnPurpose = nation == "England" || nation == "Northern Ireland";
                QVERIFY2(drawnOnPurpose || !FlagTable::packageFlag(nation).isEmpty(), qPrintable(nation));
                if (!drawnOnPurpose && flag != blank)
                    ++fromPackage;
            }
        }
        if (packageThere)
            QCOMPARE(fromPackage, 114);
        // England is drawn: white with a red cross through the middle.
        const QImage england(ResourcePaths::flag("England", folder.path()));
        QCOMPARE(england.pixelColor(120, 75).red(), 0xCE);
        QCOMPARE(england.pixelColor(40, 30), QColor(Qt::white));
    }

    void missingPackageGivesNeutralFlags()
    {
        QTemporaryDir other;
        QVERIFY(FlagWriter::writeFlags(other.path(), other.filePath("no such package")));
        const QImage blank(ResourcePaths::flag("blank", other.path()));
        QCOMPARE(QImage(ResourcePaths::flag("Canada", other.path())), blank);
        QVERIFY(QImage(ResourcePaths::flag("England", other.path())) != blank);
    }

    void gymColoursLineUp()
    {
        QVERIFY(GymColourWriter::writeAll(folder.path()));
        QCOMPARE(GymColours::names().size(), 14);
        for (const QString &colour : GymColours::names()) {
            const QImage shorts(ResourcePaths::gymShorts(colour, folder.path()));
            const QImage trim(ResourcePaths::gymTrim(colour, folder.path()));
            QCOMPARE(shorts.size(), QSize(250, 250));
            QCOMPARE(trim.size(), shorts.size());
            QVERIFY(trim.hasAlphaChannel());
            // Transparent beside the shorts and over their middle, solid on
            // the waistband.
            QCOMPARE(qAlpha(trim.pixel(5, 5)), 0);
            QCOMPARE(qAlpha(trim.pixel(125, 100)), 0);
            QCOMPARE(qAlpha(trim.pixel(125, 55)), 255);
        }
        // The shorts are in their colour where the trim lets them show.
        const QColor red = GymColourWriter::colourOf("Red");
        const QColor shown = QImage(ResourcePaths::gymShorts("Red", folder.path())).pixelColor(90, 100);
        QVERIFY(qAbs(shown.red() - red.red()) < 40 && shown.green() < 90);
    }
};

QTEST_MAIN(TestShellResources)
#include "tst_shell_resources.moc"
