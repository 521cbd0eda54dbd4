#include <QtTest>

#include <QImage>
#include <QTemporaryDir>

#include "OrgLogoWriter.h"
#include "PortraitArtWriter.h"
#include "TestSupport.h"
#include "TrainingIconWriter.h"
#include "data/OrganizationTable.h"
#include "records/GymColours.h"
#include "world/GeneratorTables.h"
#include "world/ResourcePaths.h"

namespace {

bool writeTree(const QString &folder)
{
    return PortraitArtWriter::writeAll(folder) && OrgLogoWriter::writeAll(folder) && TrainingIconWriter::writeAll(folder);
}

// How many pixels are fully clear and how many fully covered.
QPair<int, int> clearAndCovered(const QImage &image)
{
    int clear = 0, covered = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const int alpha = qAlpha(image.pixel(x, y));
            clear += alpha == 0;
            covered += alpha == 255;
        }
    }
    return {clear, covered};
}

} // namespace

// The fighter pictures, logos and training icons as the generator writes
// them: a file for every name the game can build, on the right canvas.
class TestPortraitArt : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_tree;

    QString inTree(const QString &relative) const { return m_tree.path() + QStringLiteral("/") + relative; }

private slots:
    void initTestCase()
    {
        QVERIFY(m_tree.isValid());
        QVERIFY(writeTree(m_tree.path()));
    }

    void theBackgroundIsAnOpaqueCanvas()
    {
        const QImage background(inTree("Body/portraitbg.jpg"));
        QCOMPARE(background.size(), QSize(220, 352));
        QVERIFY(!background.hasAlphaChannel());
    }

    void layers_data()
    {
        QTest::addColumn<QString>("path");
        for (int body = 1; body <= 21; ++body)
            QTest::addRow("body %d", body) << QStringLiteral("Body/body_%1.png").arg(body);
        for (const QString &colour : GymColours::names()) {
            QTest::addRow("shorts %s", qPrintable(colour)) << "Shorts/port_shorts_" + colour + ".png";
            QTest::addRow("trim %s", qPrintable(colour)) << "Trim/port_trim_" + colour + ".png";
        }
        for (const char *once : {"head_1", "head_8", "face_1"})
            QTest::addRow("%s", once) << QStringLiteral("Heads/%1.png").arg(QLatin1String(once));
        for (const QString &hair : GeneratorTables::hairColours()) {
            for (int head = 2; head <= 7; ++head)
                QTest::addRow("head %d %s", head, qPrintable(hair)) << QStringLiteral("Heads/head_%1_%2.png").arg(head).arg(hair);
            for (int face = 2; face <= 4; ++face)
                QTest::addRow("face %d %s", face, qPrintable(hair)) << QStringLiteral("Heads/face_%1_%2.png").arg(face).arg(hair);
        }
        for (const char *region : {"body", "head", "arms", "legs"}) {
            for (int code = 0; code <= 4; ++code)
                QTest::addRow("%s status %d", region, code) << QStringLiteral("Body/%1_status_%2.png").arg(QLatin1String(region)).arg(code);
        }
    }

    // Each layer on the background's canvas, clear where it draws nothing.
    void layers()
    {
        QFETCH(QString, path);
        const QImage layer(inTree(path));
        QCOMPARE(layer.size(), QSize(220, 352));
        QVERIFY(layer.hasAlphaChannel());
        const QPair<int, int> counts = clearAndCovered(layer);
        QVERIFY2(counts.first > 220 * 352 / 2, "mostly clear");
        QVERIFY2(counts.first < 220 * 352, "draws something");
    }

    // The face sits on the head of every body: none of it hangs in the air.
    void everyFaceLiesOnEveryHead()
    {
        const QStringList faces = {"face_1.png", "face_4_Red.png", "face_3_Blond.png"};
        for (int body = 1; body <= 21; body += 4) {
            const QImage figure(inTree(QStringLiteral("Body/body_%1.png").arg(body)));
            for (const QString &name : faces) {
                const QImage face(inTree("Heads/" + name));
                for (int y = 0; y < face.height(); ++y) {
                    for (int x = 0; x < face.width(); ++x) {
                        if (qAlpha(face.pixel(x, y)) == 255)
                            QVERIFY2(qAlpha(figure.pixel(x, y)) > 0, qPrintable(name + QStringLiteral(" at %1,%2").arg(x).arg(y)));
                    }
                }
            }
        }
    }

    void theStatusColoursRunFromGreenToRed()
    {
        const QImage unhurt(inTree("Body/head_status_4.png"));
        const QImage spent(inTree("Body/head_status_0.png"));
        const QColor green = unhurt.pixelColor(110, 60), red = spent.pixelColor(110, 60);
        QVERIFY(green.green() > green.red());
        QVERIFY(red.red() > red.green());
    }

    void aLogoForEveryOrganization()
    {
        const QVector<OrganizationTable::Organization> &orgs = OrganizationTable::organizations();
        QCOMPARE(orgs.size(), 18);
        QVector<QImage> seen;
        for (const OrganizationTable::Organization &org : orgs) {
            const QImage logo(ResourcePaths::orgLogo(org.name, m_tree.path()));
            QVERIFY2(logo.size() == QSize(250, 250), qPrintable(org.name));
            QVERIFY2(!seen.contains(logo), qPrintable(org.name + " looks like another logo"));
            seen << logo;
        }
        QVERIFY(QFileInfo::exists(inTree("Org Logos/King's Stadium_Logo.jpg")));
    }

    void theTwentyTwoTrainingIcons()
    {
        const QStringList files = TrainingIconWriter::iconFiles();
        QCOMPARE(files.size(), 22);
        QCOMPARE(files.first(), QStringLiteral("rest_icon.png"));
        for (const char *oddName : {"kettle_bell_icon.png", "meditate_icon.png", "rattan_sticks_icon.png"})
            QVERIFY(files.contains(QLatin1String(oddName)));
        for (const QString &file : files) {
            const QImage icon(inTree("Training Icons/" + file));
            QVERIFY2(icon.hasAlphaChannel() && icon.width() == icon.height(), qPrintable(file));
            const QPair<int, int> counts = clearAndCovered(icon);
            QVERIFY2(counts.first > 0 && counts.second > 0, qPrintable(file));
        }
    }

    void writingAgainGivesTheSameBytes()
    {
        QTemporaryDir again;
        QVERIFY(writeTree(again.path()));
        QCOMPARE(TestFiles::digestOfTree(again.path()), TestFiles::digestOfTree(m_tree.path()));
    }
};

QTEST_MAIN(TestPortraitArt)
#include "tst_portrait_art.moc"
