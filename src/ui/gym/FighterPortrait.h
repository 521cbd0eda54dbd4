#pragma once

#include <QPixmap>
#include <QString>
#include <QStringList>

class Fighter;
class QGridLayout;
class QLabel;

// What a fighter looks like: three colour names and three picture numbers.
// The default is what the world answers for an empty roster.
struct FighterAppearance
{
    QString shorts = QStringLiteral("Red");
    QString trim = QStringLiteral("Black");
    QString hair = QStringLiteral("Brown");
    int body = 1;
    int head = 1;
    int face = 1;

    static FighterAppearance of(const Fighter &fighter);
    // From the world's read-outs (colours shorts, trim, hair); a list without
    // three colours gives the default appearance.
    static FighterAppearance fromParts(const QStringList &colours, int body, int head, int face);

    bool operator==(const FighterAppearance &other) const;
};

// A fighter's portrait is never stored: it is stacked from pictures each
// time a screen shows it. Also stacks the corner's status picture and the
// gym's colours.
class FighterPortrait
{
public:
    // The six layers, bottom up: background, body, shorts, trim, head, face.
    static QStringList layerPaths(const FighterAppearance &appearance);
    // The status picture's five layers, bottom up: background, then the body,
    // head, arms and legs regions, each by its own code (0 hurt to 4 unhurt).
    static QStringList statusLayerPaths(int bodyCode, int headCode, int armsCode, int legsCode);

    // Stacks the pictures from the top down, each painted at (0, 0) onto the
    // one beneath and cut at its edges. A missing picture takes itself and
    // every layer above it out; a missing bottom picture gives none.
    static QPixmap compose(const QStringList &bottomUpPaths);
    static QPixmap portrait(const FighterAppearance &appearance);
    // The gym's shorts in the first colour with the trim in the second.
    static QPixmap gymColours(const QString &primaryColour, const QString &secondaryColour);

    // Takes the label out of its grid, gives it the picture with scaled
    // contents and puts it back at the same cell, with no alignment.
    static void place(QLabel *label, QGridLayout *grid, int row, int column, int rowSpan,
                      int columnSpan, const QPixmap &picture);
};
