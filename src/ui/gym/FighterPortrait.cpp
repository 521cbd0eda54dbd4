#include "FighterPortrait.h"

#include <QGridLayout>
#include <QLabel>
#include <QPainter>

#include "records/Fighter.h"
#include "world/ResourcePaths.h"

namespace {

const QString resources = QStringLiteral("./Resources/");

QString numbered(const QString &stem, int number, const QString &colour)
{
    return resources + stem + QString::number(number) + QLatin1Char('_') + colour + QStringLiteral(".png");
}

QString statusLayer(const char *region, int code)
{
    return resources + QStringLiteral("Body/") + QLatin1String(region) + QStringLiteral("_status_")
        + QString::number(code) + QStringLiteral(".png");
}

} // namespace

FighterAppearance FighterAppearance::of(const Fighter &fighter)
{
    int body = 0, head = 0, face = 0;
    const QStringList colours = fighter.getAppearance(body, head, face);
    return fromParts(colours, body, head, face);
}

FighterAppearance FighterAppearance::fromParts(const QStringList &colours, int body, int head, int face)
{
    FighterAppearance appearance;
    if (colours.size() < 3)
        return appearance;
    appearance.shorts = colours.at(0);
    appearance.trim = colours.at(1);
    appearance.hair = colours.at(2);
    appearance.body = body;
    appearance.head = head;
    appearance.face = face;
    return appearance;
}

bool FighterAppearance::operator==(const FighterAppearance &other) const
{
    return shorts == other.shorts && trim == other.trim && hair == other.hair && body == other.body
        && head == other.head && face == other.face;
}

QStringList FighterPortrait::layerPaths(const FighterAppearance &a)
{
    // Heads 1 (shaved) and 8 (headgear) and face 1 exist once, whatever the hair.
    const QString head = (a.head == 1 || a.head == 8)
        ? resources + QStringLiteral("Heads/head_") + QString::number(a.head) + QStringLiteral(".png")
        : numbered(QStringLiteral("Heads/head_"), a.head, a.hair);
    const QString face = a.face == 1 ? resources + QStringLiteral("Heads/face_1.png")
                                     : numbered(QStringLiteral("Heads/face_"), a.face, a.hair);
    return {resources + QStringLiteral("Body/portraitbg.jpg"),
            resources + QStringLiteral("Body/body_") + QString::number(a.body) + QStringLiteral(".png"),
            resources + QStringLiteral("Shorts/port_shorts_") + a.shorts + QStringLiteral(".png"),
            resources + QStringLiteral("Trim/port_trim_") + a.trim + QStringLiteral(".png"),
            head,
            face};
}

QStringList FighterPortrait::statusLayerPaths(int bodyCode, int headCode, int armsCode, int legsCode)
{
    return {resources + QStringLiteral("Body/portraitbg.jpg"), statusLayer("body", bodyCode),
            statusLayer("head", headCode), statusLayer("arms", armsCode), statusLayer("legs", legsCode)};
}

QPixmap FighterPortrait::compose(const QStringList &bottomUpPaths)
{
    // Top down: the picture so far is painted onto the next one beneath. An
    // empty picture anywhere wipes out what was stacked above it.
    QPixmap stacked;
    for (int i = bottomUpPaths.size() - 1; i >= 0; --i) {
        QPixmap beneath(bottomUpPaths.at(i));
        if (!beneath.isNull() && !stacked.isNull()) {
            QPainter painter(&beneath);
            painter.drawPixmap(0, 0, stacked);
        }
        stacked = beneath;
    }
    return stacked;
}

QPixmap FighterPortrait::portrait(const FighterAppearance &appearance)
{
    return compose(layerPaths(appearance));
}

QPixmap FighterPortrait::gymColours(const QString &primaryColour, const QString &secondaryColour)
{
    return compose({ResourcePaths::gymShorts(primaryColour), ResourcePaths::gymTrim(secondaryColour)});
}

void FighterPortrait::place(QLabel *label, QGridLayout *grid, int row, int column, int rowSpan,
                            int columnSpan, const QPixmap &picture)
{
    grid->removeWidget(label);
    label->setPixmap(picture);
    label->setScaledContents(true);
    grid->addWidget(label, row, column, rowSpan, columnSpan);
}
