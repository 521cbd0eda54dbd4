#include <QtTest>

#include "world/ResourcePaths.h"

// The game, the resource generator and the tests find the pictures and the
// nations file through one set of paths.
class TestResourcePaths : public QObject
{
    Q_OBJECT

    static QStringList samplePaths(const QString &folder)
    {
        return {ResourcePaths::flag("Northern Ireland", folder), ResourcePaths::orgLogo("King's Stadium", folder),
                ResourcePaths::gymShorts("Light Yellow", folder), ResourcePaths::gymTrim("Dark Blue", folder),
                ResourcePaths::nationsFile(folder)};
    }

private slots:
    void theNamesTheGameReads()
    {
        const QStringList byDefault = {ResourcePaths::flag("Northern Ireland"), ResourcePaths::orgLogo("King's Stadium"),
                                       ResourcePaths::gymShorts("Light Yellow"), ResourcePaths::gymTrim("Dark Blue"),
                                       ResourcePaths::nationsFile()};
        QCOMPARE(byDefault, QStringList({"./Resources/Flags/flag_Northern Ireland.png",
                                         "./Resources/Org Logos/King's Stadium_Logo.jpg",
                                         "./Resources/Shorts/gym_shorts_Light Yellow.jpg",
                                         "./Resources/Trim/gym_trim_Dark Blue.png",
                                         "./Resources/Defaults/default_nations.dat"}));
        QCOMPARE(samplePaths(ResourcePaths::gameFolder()), byDefault);
    }

    void theSameNamesBelowAnotherFolder()
    {
        QStringList expected = samplePaths(ResourcePaths::gameFolder());
        expected.replaceInStrings(QRegularExpression("^\\./Resources/"), "/tmp/build/Resources/");
        QCOMPARE(samplePaths("/tmp/build/Resources"), expected);
    }
};

QTEST_MAIN(TestResourcePaths)
#include "tst_resource_paths.moc"
