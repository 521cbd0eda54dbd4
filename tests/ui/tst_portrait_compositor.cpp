#include <QtTest>

#include <QDir>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>

#include "ui/gym/FighterPortrait.h"

namespace {

const QString heads = QStringLiteral("./Resources/Heads/");

// The default appearance's six files, bottom up.
const char *const defaultLayers[] = {
    "Resources/Body/portraitbg.jpg",  "Resources/Body/body_1.png", "Resources/Shorts/port_shorts_Red.png",
    "Resources/Trim/port_trim_Black.png", "Resources/Heads/head_1.png", "Resources/Heads/face_1.png",
};

const QColor backgroundGrey(0x80, 0x80, 0x80);
const QColor bodyColour(Qt::red), shortsColour(Qt::green), trimColour(Qt::blue);
const QColor headColour(Qt::yellow), faceColour(Qt::magenta);

// A picture `size` large, `colour` where `paints` says so, clear elsewhere.
void writePicture(const char *path, const QSize &size, const QColor &colour,
                  const std::function<bool(int x, int y)> &paints)
{
    QImage image(size, QImage::Format_ARGB32);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x)
            image.setPixelColor(x, y, paints(x, y) ? colour : QColor(Qt::transparent));
    }
    QDir().mkpath(QFileInfo(path).absolutePath());
    QVERIFY(image.save(path));
}

// Tiny layers on an 8 by 4 background: each layer shows in its own column,
// the head is only 4 by 2 and the face is as large as the background.
void writeTinyLayers()
{
    const QSize canvas(8, 4);
    writePicture(defaultLayers[0], canvas, backgroundGrey, [](int, int) { return true; });
    writePicture(defaultLayers[1], canvas, bodyColour, [](int, int y) { return y < 3; });
    writePicture(defaultLayers[2], canvas, shortsColour, [](int x, int) { return x >= 1; });
    writePicture(defaultLayers[3], canvas, trimColour, [](int x, int) { return x >= 4; });
    writePicture(defaultLayers[4], QSize(4, 2), headColour, [](int x, int) { return x >= 2; });
    writePicture(defaultLayers[5], canvas, faceColour, [](int x, int) { return x >= 3; });
}

bool near(const QColor &a, const QColor &b)
{
    // The background is a JPEG: allow for its rounding.
    return qAbs(a.red() - b.red()) < 12 && qAbs(a.green() - b.green()) < 12 && qAbs(a.blue() - b.blue()) < 12;
}

QColor pixel(const QPixmap &picture, int x, int y)
{
    return picture.toImage().pixelColor(x, y);
}

} // namespace

// The portrait compositor: which files a fighter's portrait is stacked
// from, how missing files take layers out, and placing it in a grid cell.
class TestPortraitCompositor : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QDir(QStringLiteral("Resources")).removeRecursively();
        writeTinyLayers();
    }

    void layerPaths_data()
    {
        QTest::addColumn<QString>("hair");
        QTest::addColumn<int>("head");
        QTest::addColumn<int>("face");
        QTest::addColumn<QString>("headPath");
        QTest::addColumn<QString>("facePath");
        for (const char *hair : {"Black", "Blond", "Brown", "Red"}) {
            QTest::addRow("head 1, face 1, %s", hair) << hair << 1 << 1 << heads + "head_1.png" << heads + "face_1.png";
            QTest::addRow("head 8, %s", hair) << hair << 8 << 1 << heads + "head_8.png" << heads + "face_1.png";
        }
        QTest::addRow("head 2 blond") << "Blond" << 2 << 1 << heads + "head_2_Blond.png" << heads + "face_1.png";
        QTest::addRow("face 3 red") << "Red" << 7 << 3 << heads + "head_7_Red.png" << heads + "face_3_Red.png";
        QTest::addRow("unknown numbers kept") << "Brown" << 12 << 9 << heads + "head_12_Brown.png"
                                              << heads + "face_9_Brown.png";
    }

    void layerPaths()
    {
        QFETCH(QString, hair);
        QFETCH(int, head);
        QFETCH(int, face);
        QFETCH(QString, headPath);
        QFETCH(QString, facePath);
        const FighterAppearance appearance = FighterAppearance::fromParts({"Dark Blue", "Light Yellow", hair}, 21, head, face);
        const QStringList expected = {"./Resources/Body/portraitbg.jpg", "./Resources/Body/body_21.png",
                                      "./Resources/Shorts/port_shorts_Dark Blue.png",
                                      "./Resources/Trim/port_trim_Light Yellow.png"};
        QCOMPARE(FighterPortrait::layerPaths(appearance), expected + QStringList({headPath, facePath}));
    }

    void statusLayersTakeEachRegionsOwnCode_data()
    {
        QTest::addColumn<QVector<int>>("codes"); // body, head, arms, legs
        QTest::addRow("all unhurt") << QVector<int>{4, 4, 4, 4};
        QTest::addRow("all spent") << QVector<int>{0, 0, 0, 0};
        QTest::addRow("mixed") << QVector<int>{0, 4, 2, 1};
    }

    void statusLayersTakeEachRegionsOwnCode()
    {
        QFETCH(QVector<int>, codes);
        const QStringList paths = FighterPortrait::statusLayerPaths(codes[0], codes[1], codes[2], codes[3]);
        QStringList expected = {"./Resources/Body/portraitbg.jpg"};
        const char *regions[] = {"body", "head", "arms", "legs"};
        for (int i = 0; i < 4; ++i)
            expected << QStringLiteral("./Resources/Body/%1_status_%2.png").arg(regions[i]).arg(codes[i]);
        QCOMPARE(paths, expected);
    }

    void layersStackInOrderAndTheFaceIsCutAtTheHead()
    {
        const QPixmap portrait = FighterPortrait::portrait(FighterAppearance());
        QCOMPARE(portrait.size(), QSize(8, 4));
        QVERIFY(near(pixel(portrait, 0, 3), backgroundGrey));
        QCOMPARE(pixel(portrait, 0, 0), bodyColour);
        QCOMPARE(pixel(portrait, 1, 0), shortsColour);
        QCOMPARE(pixel(portrait, 2, 0), headColour);
        QCOMPARE(pixel(portrait, 3, 1), faceColour);
        // Beyond the 4 by 2 head the face is cut off: the trim shows.
        QCOMPARE(pixel(portrait, 5, 0), trimColour);
        QCOMPARE(pixel(portrait, 3, 2), shortsColour);
    }

    void aMissingLayerTakesEveryLayerAboveItOut_data()
    {
        QTest::addColumn<int>("missing");
        QTest::addColumn<QColor>("atColumnTwo");
        QTest::addColumn<QColor>("atColumnFive");
        QTest::addRow("trim") << 3 << shortsColour << shortsColour;
        QTest::addRow("shorts") << 2 << bodyColour << bodyColour;
        QTest::addRow("face") << 5 << headColour << trimColour;
    }

    void aMissingLayerTakesEveryLayerAboveItOut()
    {
        QFETCH(int, missing);
        QFETCH(QColor, atColumnTwo);
        QFETCH(QColor, atColumnFive);
        QVERIFY(QFile::remove(defaultLayers[missing]));
        const QPixmap portrait = FighterPortrait::portrait(FighterAppearance());
        QCOMPARE(pixel(portrait, 2, 0), atColumnTwo);
        QCOMPARE(pixel(portrait, 5, 0), atColumnFive);
    }

    void aMissingBodyLeavesTheBareBackground()
    {
        QVERIFY(QFile::remove(defaultLayers[1]));
        const QImage portrait = FighterPortrait::portrait(FighterAppearance()).toImage();
        QCOMPARE(portrait.size(), QSize(8, 4));
        for (int y = 0; y < 4; ++y) {
            for (int x = 0; x < 8; ++x)
                QVERIFY2(near(portrait.pixelColor(x, y), backgroundGrey), qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
        }
    }

    void aMissingBackgroundLeavesNoPicture()
    {
        QVERIFY(QFile::remove(defaultLayers[0]));
        QVERIFY(FighterPortrait::portrait(FighterAppearance()).isNull());
        QVERIFY(FighterPortrait::compose({}).isNull());
    }

    void anIncompleteReadOutGivesTheDefaultAppearance()
    {
        const FighterAppearance fallback = FighterAppearance::fromParts({"Blue", "Gold"}, 5, 6, 3);
        QCOMPARE(FighterPortrait::layerPaths(fallback),
                 QStringList({"./Resources/Body/portraitbg.jpg", "./Resources/Body/body_1.png",
                              "./Resources/Shorts/port_shorts_Red.png", "./Resources/Trim/port_trim_Black.png",
                              "./Resources/Heads/head_1.png", "./Resources/Heads/face_1.png"}));
    }

    void redrawingLeavesOneLabelInTheCell()
    {
        QWidget page;
        auto *grid = new QGridLayout(&page);
        grid->addWidget(new QLabel(QStringLiteral("name")), 0, 2);
        auto *label = new QLabel;
        grid->addWidget(label, 3, 3);
        for (int redraw = 1; redraw <= 4; ++redraw) {
            QPixmap picture(redraw, 2 * redraw);
            picture.fill(Qt::white);
            FighterPortrait::place(label, grid, 0, 0, 6, 2, picture);
        }
        QCOMPARE(grid->count(), 2);
        const int index = grid->indexOf(label);
        int row = -1, column = -1, rows = -1, columns = -1;
        grid->getItemPosition(index, &row, &column, &rows, &columns);
        QCOMPARE(QVector<int>({row, column, rows, columns}), QVector<int>({0, 0, 6, 2}));
        QCOMPARE(grid->itemAt(index)->alignment(), Qt::Alignment());
        QVERIFY(label->hasScaledContents());
        QCOMPARE(label->pixmap(Qt::ReturnByValue).size(), QSize(4, 8));
    }
};

QTEST_MAIN(TestPortraitCompositor)
#include "tst_portrait_compositor.moc"
