#include <QtTest>

#include <QDir>
#include <QPainter>

#include "ui/ScreenShots.h"
#include "ui/gym/FighterPortrait.h"

namespace {

const QStringList shortsColours = {"Black", "Blue", "Dark Blue", "Dark Green", "Dark Red", "Gold", "Green",
                                   "Light Yellow", "Purple", "Red", "Silver", "Teal", "White", "Yellow"};
const QStringList hairColours = {"Black", "Blond", "Brown", "Red"};

// A spread of appearances: every body, head and face shows at least once.
FighterAppearance appearance(int i)
{
    return FighterAppearance::fromParts({shortsColours.at(i % 14), shortsColours.at((i * 5 + 3) % 14), hairColours.at(i % 4)},
                                        i % 21 + 1, (i * 3) % 8 + 1, (i / 2) % 4 + 1);
}

QStringList picturesIn(const QString &folder)
{
    QStringList files = QDir(folder).entryList({"*.jpg", "*.png"}, QDir::Files, QDir::Name);
    for (QString &file : files)
        file.prepend(folder + QLatin1Char('/'));
    return files;
}

} // namespace

// A contact sheet of the generated pictures as the screens show them:
// portraits stacked by the compositor, the status pictures at each code,
// the organization logos at the live screen's 75 by 75 and the training
// icons at the plan buttons' 50 by 50. Saved to the temporary folder for a
// look; it checks only that every picture is there and composes.
class TestPortraitContactSheet : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        ENTER_GAME_COPY();
    }

    void contactSheet()
    {
        const int portraits = 36, perRow = 12;
        const QSize cell(110, 176);
        QImage sheet(perRow * cell.width(), 3 * cell.height() + 180 + 2 * 90 + 70, QImage::Format_RGB32);
        sheet.fill(QColor(0x30, 0x30, 0x30));
        QPainter painter(&sheet);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        for (int i = 0; i < portraits; ++i) {
            const QPixmap portrait = FighterPortrait::portrait(appearance(i));
            QCOMPARE(portrait.size(), QSize(220, 352));
            painter.drawPixmap(QRect(QPoint(i % perRow * cell.width(), i / perRow * cell.height()), cell), portrait);
        }
        int y = 3 * cell.height();
        for (int code = 0; code <= 4; ++code) {
            const QPixmap status = FighterPortrait::compose(FighterPortrait::statusLayerPaths(code, 4 - code, code, (code + 2) % 5));
            QCOMPARE(status.size(), QSize(220, 352));
            painter.drawPixmap(QRect(code * cell.width(), y, 110, 176), status);
        }
        const QStringList logos = picturesIn(QStringLiteral("./Resources/Org Logos"));
        QCOMPARE(logos.size(), 18);
        for (int i = 0; i < logos.size(); ++i)
            painter.drawPixmap(QRect(5 * cell.width() + i % 9 * 80, y + i / 9 * 85, 75, 75), QPixmap(logos.at(i)));
        y += 180;
        const QStringList icons = picturesIn(QStringLiteral("./Resources/Training Icons"));
        QCOMPARE(icons.size(), 22);
        painter.fillRect(QRect(0, y, sheet.width(), 2 * 90), QColor(0xE0, 0xB6, 0x87));
        for (int i = 0; i < icons.size(); ++i) {
            painter.drawPixmap(QRect(10 + i % 11 * 110, y + 10 + i / 11 * 90, 50, 50), QPixmap(icons.at(i)));
            painter.drawText(QRect(i % 11 * 110, y + 62 + i / 11 * 90, 110, 20), Qt::AlignCenter,
                             QFileInfo(icons.at(i)).baseName());
        }
        painter.end();
        QVERIFY(sheet.save(ScreenShots::folder() + QStringLiteral("portrait_contact_sheet.png")));
    }
};

QTEST_MAIN(TestPortraitContactSheet)
#include "tst_portrait_contactsheet.moc"
