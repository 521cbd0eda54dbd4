#include "ShellArtWriter.h"

#include "ArtShapes.h"
#include "ResourceFile.h"
#include "world/ResourcePaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QRadialGradient>
#include <QTransform>

#include <functional>

namespace {

// The window's palette (ArtPalette), and the ring ropes' colours.
using namespace ArtPalette;
const QColor ropeRed(0x9A, 0x2C, 0x20);
const QColor ropeCream(0xE8, 0xD8, 0xB8);
const QColor ropeBlue(0x2C, 0x48, 0x78);

const QSize backgroundSize(1100, 700);
const QSize titleSize(760, 260);
const int iconSide = 70;

const char *const backgroundPath = "Resources/Backgrounds/MainBackground.jpg";
const char *const titlePath = "Resources/Backgrounds/MainMenuTitlePic.jpg";
const char *const topMenuFolder = "Resources/TopMenu";
// The arrows of the spin boxes and scroll bars, which the style sheet names.
const char *const arrowUpPath = "Resources/Controls/arrow_up.png";
const char *const arrowDownPath = "Resources/Controls/arrow_down.png";
const QSize arrowSize(10, 7);

// ---------------------------------------------------------------- files --

bool writeText(const QString &path, const QString &text)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        return false;
    return file.write(text.toUtf8()) >= 0;
}

bool saveImage(const QImage &image, const QString &path)
{
    if (!ResourceFile::makeFolder(QFileInfo(path).absolutePath()))
        return false;
    const bool jpeg = path.endsWith(QLatin1String(".jpg"));
    return image.save(path, jpeg ? "JPG" : "PNG", jpeg ? 92 : -1);
}

// A fixed grain, the same on every build.
int grain(int x, int y)
{
    quint32 h = quint32(x) * 374761393u + quint32(y) * 668265263u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return int((h ^ (h >> 16)) & 0xFF);
}

int clampChannel(int value)
{
    return qBound(0, value, 255);
}

// Canvas: grain plus a faint diagonal weave over whatever is drawn.
void addCanvasTexture(QImage &image, int strength)
{
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int weave = ((x + y) / 2 % 3 == 0) ? strength / 2 : 0;
            const int delta = (grain(x, y) - 128) * strength / 128 - weave;
            const QRgb pixel = line[x];
            line[x] = qRgb(clampChannel(qRed(pixel) + delta), clampChannel(qGreen(pixel) + delta),
                           clampChannel(qBlue(pixel) + delta));
        }
    }
}

// A canvas shading from top to bottom, with its grain.
QImage canvas(const QSize &size, const QColor &top, const QColor &bottom, int grainStrength)
{
    QImage image(size, QImage::Format_RGB32);
    {
        QPainter painter(&image);
        QLinearGradient base(0, 0, 0, size.height());
        base.setColorAt(0.0, top);
        base.setColorAt(1.0, bottom);
        painter.fillRect(image.rect(), base);
    }
    addCanvasTexture(image, grainStrength);
    return image;
}

void drawVignette(QPainter &painter, const QRectF &area, int darkness)
{
    QRadialGradient vignette(area.center(), area.width() * 0.75);
    vignette.setColorAt(0.45, QColor(0, 0, 0, 0));
    vignette.setColorAt(1.0, QColor(0, 0, 0, darkness));
    painter.fillRect(area, vignette);
}

// One boxing-ring rope: a thick line with a highlight along its top.
void drawRope(QPainter &painter, const QPainterPath &path, const QColor &colour, qreal width, int alpha)
{
    QColor body = colour;
    body.setAlpha(alpha);
    painter.strokePath(path, QPen(body, width, Qt::SolidLine, Qt::RoundCap));
    QColor shine = colour.lighter(160);
    shine.setAlpha(alpha / 2);
    painter.strokePath(path.translated(0, -width / 4), QPen(shine, width / 4, Qt::SolidLine, Qt::RoundCap));
}

// ---------------------------------------------------------- background --

QImage drawBackground()
{
    QImage image = canvas(backgroundSize, QColor(0x4A, 0x2E, 0x1A), espresso, 10);
    const QRectF area(QPointF(0, 0), backgroundSize);

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    // A warm light from above the ring.
    QRadialGradient light(QPointF(area.width() / 2, area.height() * 0.2), area.width() * 0.55);
    light.setColorAt(0.0, QColor(0xFF, 0xD8, 0x9A, 60));
    light.setColorAt(1.0, QColor(0xFF, 0xD8, 0x9A, 0));
    painter.fillRect(area, light);

    // The ring's ropes sagging across the lower part, kept faint so that
    // text over them stays readable.
    const QColor ropes[] = {ropeRed, ropeCream, ropeBlue};
    for (int i = 0; i < 3; ++i) {
        const qreal y = 470 + i * 70;
        QPainterPath rope(QPointF(-20, y));
        rope.cubicTo(QPointF(area.width() * 0.3, y + 26), QPointF(area.width() * 0.7, y + 26),
                     QPointF(area.width() + 20, y));
        drawRope(painter, rope, ropes[i], 10, 55);
    }
    drawVignette(painter, area, 150);
    return image;
}

// --------------------------------------------------------------- title --

using ArtShapes::textPath;

void drawTitleRopes(QPainter &painter, const QRectF &panel)
{
    const QColor ropes[] = {ropeRed, ropeCream, ropeBlue};
    const qreal postWidth = 22;
    for (int i = 0; i < 3; ++i) {
        const qreal y = panel.top() + 60 + i * 62;
        QPainterPath rope(QPointF(panel.left() + postWidth, y));
        rope.lineTo(panel.right() - postWidth, y);
        drawRope(painter, rope, ropes[i], 12, 150);
    }
    // Padded corner posts on both ends.
    for (qreal x : {panel.left() + 4, panel.right() - 4 - postWidth}) {
        const QRectF post(x, panel.top() + 30, postWidth, panel.height() - 60);
        QLinearGradient padding(post.topLeft(), post.topRight());
        padding.setColorAt(0.0, QColor(0x5A, 0x14, 0x0E));
        padding.setColorAt(0.5, QColor(0xB0, 0x38, 0x28));
        padding.setColorAt(1.0, QColor(0x5A, 0x14, 0x0E));
        painter.setPen(QPen(espresso, 2));
        painter.setBrush(padding);
        painter.drawRoundedRect(post, 6, 6);
    }
}

QImage drawTitle()
{
    QImage image = canvas(titleSize, QColor(0x5E, 0x22, 0x14), QColor(0x26, 0x0C, 0x06), 8);
    const QRectF area(QPointF(0, 0), titleSize);

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    drawVignette(painter, area, 120);
    drawTitleRopes(painter, area.adjusted(10, 10, -10, -10));

    // Gold frame with a thin tan line inside.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(gold, 8));
    painter.drawRect(area.adjusted(4, 4, -4, -4));
    painter.setPen(QPen(tan, 2));
    painter.drawRect(area.adjusted(13, 13, -13, -13));

    QFont titleFont(QStringLiteral("DejaVu Serif"));
    titleFont.setBold(true);
    titleFont.setPixelSize(98);
    titleFont.setLetterSpacing(QFont::AbsoluteSpacing, 3);
    const QRectF titleBox(70, 40, area.width() - 140, 140);
    const QPainterPath title = textPath(QStringLiteral("RINGWRIGHT"), titleFont, titleBox);

    painter.fillPath(title.translated(5, 6), QColor(0, 0, 0, 170));
    painter.strokePath(title, QPen(espresso, 8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const QRectF titleBounds = title.boundingRect();
    QLinearGradient goldFill(titleBounds.topLeft(), titleBounds.bottomLeft());
    goldFill.setColorAt(0.0, QColor(0xFF, 0xF0, 0xC0));
    goldFill.setColorAt(0.5, gold);
    goldFill.setColorAt(1.0, QColor(0xA8, 0x6A, 0x1C));
    painter.fillPath(title, goldFill);

    QFont lineFont(QStringLiteral("DejaVu Sans"));
    lineFont.setBold(true);
    lineFont.setPixelSize(21);
    lineFont.setLetterSpacing(QFont::AbsoluteSpacing, 7);
    const QRectF lineBox(0, 185, area.width(), 40);
    const QPainterPath line = textPath(QStringLiteral("FIGHT GYM MANAGEMENT"), lineFont, lineBox);
    painter.strokePath(line, QPen(espresso, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.fillPath(line, paleTan);
    return image;
}

// ---------------------------------------------------------- menu icons --

// The glyphs are drawn on a 70 by 70 tile, centred around (35, 35).
using GlyphMaker = std::function<QPainterPath()>;

using ArtShapes::ellipse;
using ArtShapes::polygon;
using ArtShapes::rect;
using ArtShapes::stroked;

QPainterPath profileGlyph()
{
    const QPainterPath shoulders = ellipse(16, 37, 38, 34).intersected(rect(10, 37, 50, 17));
    return ellipse(25, 14, 20, 20).united(shoulders);
}

QPainterPath trainingGlyph()
{
    QPainterPath path = rect(20, 32, 30, 6, 2);
    path = path.united(rect(14, 22, 7, 26, 2)).united(rect(49, 22, 7, 26, 2));
    return path.united(rect(9, 27, 5, 16, 2)).united(rect(56, 27, 5, 16, 2));
}

QPainterPath managementGlyph()
{
    QPainterPath board = rect(20, 15, 30, 41, 4);
    for (int i = 0; i < 4; ++i)
        board = board.subtracted(rect(25, 25 + i * 7, i == 3 ? 12 : 20, 3));
    return board.united(rect(28, 11, 14, 8, 3));
}

QPainterPath eventsGlyph()
{
    QPainterPath page = rect(15, 19, 40, 36, 4).subtracted(rect(18, 29, 34, 23));
    for (int row = 0; row < 2; ++row) {
        for (int column = 0; column < 4; ++column)
            page = page.united(rect(20 + column * 8, 32 + row * 9, 6, 6, 1));
    }
    return page.united(rect(23, 13, 5, 11, 2)).united(rect(42, 13, 5, 11, 2));
}

QPainterPath databaseGlyph()
{
    // Three stacked discs; the rims between them are cut out as grooves.
    const qreal left = 17, width = 36, depth = 10, step = 13, top = 13;
    QPainterPath stack;
    for (int i = 0; i < 3; ++i) {
        const qreal y = top + i * step;
        stack = stack.united(ellipse(left, y, width, depth)).united(rect(left, y + depth / 2, width, step - 4));
        stack = stack.united(ellipse(left, y + step - 4, width, depth));
    }
    for (int i = 0; i < 3; ++i) {
        const qreal y = top + i * step;
        const QPainterPath lowerHalf = rect(left - 2, y + depth / 2, width + 4, depth);
        stack = stack.subtracted(stroked(ellipse(left, y, width, depth), 2.2).intersected(lowerHalf));
    }
    return stack;
}

QPainterPath orgGlyph()
{
    QPainterPath cup(QPointF(23, 14));
    cup.lineTo(47, 14);
    cup.cubicTo(QPointF(47, 34), QPointF(41, 40), QPointF(35, 40));
    cup.cubicTo(QPointF(29, 40), QPointF(23, 34), QPointF(23, 14));
    cup.closeSubpath();
    QPainterPath handles = stroked(ellipse(14, 17, 14, 13), 3.5).united(stroked(ellipse(42, 17, 14, 13), 3.5));
    handles = handles.subtracted(rect(22, 10, 26, 30));
    return cup.united(handles).united(rect(32, 39, 6, 9)).united(rect(24, 47, 22, 7, 2));
}

QPainterPath nextDayGlyph()
{
    QPainterPath path = polygon({{14, 18}, {32, 35}, {14, 52}});
    path = path.united(polygon({{32, 18}, {50, 35}, {32, 52}}));
    return path.united(rect(51, 18, 6, 34, 1));
}

QPainterPath saveGlyph()
{
    QPainterPath disk = polygon({{16, 16}, {48, 16}, {55, 23}, {55, 55}, {16, 55}});
    disk = disk.subtracted(rect(23, 36, 25, 15, 2)).subtracted(rect(24, 16, 20, 12));
    return disk.united(rect(37, 18, 5, 8)).united(rect(27, 40, 17, 2)).united(rect(27, 45, 17, 2));
}

QPainterPath helpGlyph()
{
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setBold(true);
    font.setPixelSize(48);
    return textPath(QStringLiteral("?"), font, QRectF(0, 0, iconSide, iconSide));
}

QPainterPath mainMenuGlyph()
{
    QPainterPath house = polygon({{35, 12}, {59, 34}, {11, 34}});
    house = house.united(rect(19, 32, 32, 23)).subtracted(rect(31, 40, 9, 15, 1));
    return house.united(rect(46, 15, 6, 12));
}

// How a button looks in one of its states.
struct ButtonState
{
    const char *suffix;
    QColor fillFrom;
    QColor fillTo;
    QColor border;
    qreal borderWidth;
    QColor glyph;
    qreal shift;
};

const ButtonState buttonStates[] = {
    {"up", QColor(0xF0, 0xCF, 0xA0), sienna, darkLeather, 2, QColor(0x2A, 0x16, 0x0A), 0},
    {"hover", QColor(0xFF, 0xE6, 0xC0), QColor(0xC0, 0x70, 0x3A), gold, 3, QColor(0x2A, 0x16, 0x0A), 0},
    {"down", QColor(0x98, 0x68, 0x48), paleTan, espresso, 2, QColor(0x2A, 0x16, 0x0A), 1.5},
    {"current", QColor(0x8A, 0x30, 0x1C), QColor(0x3A, 0x12, 0x08), gold, 4, QColor(0xFA, 0xDC, 0x8C), 0},
};

// The ten menu buttons: object name, picture name and glyph.
struct MenuPicture
{
    const char *objectName;
    const char *key;
    GlyphMaker glyph;
};

const QVector<MenuPicture> &menuPictures()
{
    static const QVector<MenuPicture> pictures = {
        {"profile_module_btn", "profile", profileGlyph},
        {"training_module_btn", "training", trainingGlyph},
        {"management_module_btn", "management", managementGlyph},
        {"events_module_btn", "events", eventsGlyph},
        {"fighterdb_module_btn", "database", databaseGlyph},
        {"org_module_btn", "org", orgGlyph},
        {"next_day_btn", "next", nextDayGlyph},
        {"save_module_btn", "save", saveGlyph},
        {"help_module_btn", "help", helpGlyph},
        {"back_mainmenu_btn", "mainmenu", mainMenuGlyph},
    };
    return pictures;
}

QString iconPath(const char *key, const char *suffix)
{
    return QStringLiteral("./%1/top_%2_icon_%3.png")
        .arg(QLatin1String(topMenuFolder), QLatin1String(key), QLatin1String(suffix));
}

QImage drawIcon(const QPainterPath &glyph, const ButtonState &state)
{
    QImage image(iconSide, iconSide, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    const QRectF tile(3, 3, iconSide - 6, iconSide - 6);
    QLinearGradient fill(tile.topLeft(), tile.bottomRight());
    fill.setColorAt(0.0, state.fillFrom);
    fill.setColorAt(1.0, state.fillTo);
    painter.setPen(QPen(state.border, state.borderWidth));
    painter.setBrush(fill);
    painter.drawRoundedRect(tile, 12, 12);
    // A soft sheen on the upper half.
    QLinearGradient sheen(tile.topLeft(), QPointF(tile.left(), tile.center().y()));
    sheen.setColorAt(0.0, QColor(255, 255, 255, 70));
    sheen.setColorAt(1.0, QColor(255, 255, 255, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(sheen);
    painter.drawRoundedRect(tile.adjusted(4, 3, -4, -tile.height() / 2), 9, 9);

    const QPainterPath placed = glyph.translated(state.shift, state.shift);
    painter.fillPath(placed.translated(1, 1), QColor(255, 240, 210, 90));
    painter.fillPath(placed, state.glyph);
    return image;
}

// --------------------------------------------------------------- arrows --

// A dark leather triangle with a pale edge, pointing up or down; the style
// sheet shows it on the controls' tan buttons.
QImage drawArrow(bool up)
{
    QImage image(arrowSize, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal w = arrowSize.width();
    const qreal h = arrowSize.height();
    const QVector<QPointF> points = up ? QVector<QPointF>{{0.5, h - 0.5}, {w / 2, 0.5}, {w - 0.5, h - 0.5}}
                                       : QVector<QPointF>{{0.5, 0.5}, {w / 2, h - 0.5}, {w - 0.5, 0.5}};
    painter.setPen(QPen(QColor(255, 240, 210, 110), 1.0));
    painter.setBrush(darkLeather);
    painter.drawPath(ArtShapes::polygon(points));
    return image;
}

// ---------------------------------------------------------- style sheets --

QString screenStyleSheet()
{
    const QString screens = QStringLiteral(
        "Module_MainMenu, Module_NewGame, Module_SaveLoad, Module_Help, Module_Profile, Module_Training,\n"
        "Module_Management, Module_Events, Module_NextDay, Module_Database, Module_Orgs,\n"
        "Module_UserEvents, Module_PostEvent");
    return screens + QStringLiteral(
        " {\n"
        "    background-image: url(./Resources/Backgrounds/MainBackground.jpg);\n"
        "    background-repeat: no-repeat;\n"
        "    background-position: bottom left;\n"
        "    background-color: #1E120A;\n"
        "}\n"
        "QLabel { color: #F3E2C7; }\n"
        // No focus rectangle: a focused button wears its hover look instead.
        "QPushButton {\n"
        "    border: 3px outset #704018; border-radius: 10px; padding: 6px 16px;\n"
        "    background-color: qlineargradient(x1: 0, y1: 0, x2: 1, y2: 1, stop: 0 #E0B687, stop: 1 #704018);\n"
        "    font-weight: bold; color: black; outline: none;\n"
        "}\n"
        "QPushButton:hover, QPushButton:focus {\n"
        "    background-color: qlineargradient(x1: 0, y1: 0, x2: 1, y2: 1, stop: 0 #F8D8AC, stop: 1 #885038);\n"
        "}\n"
        "QPushButton:pressed {\n"
        "    border-style: inset;\n"
        "    background-color: qlineargradient(x1: 0, y1: 0, x2: 1, y2: 1, stop: 0 #986848, stop: 1 #F8D0A0);\n"
        "}\n"
        "QPushButton:disabled { color: #5A4030; background-color: #9C8068; border-color: #5A4030; }\n"
        "Module_MainMenu QPushButton { font-size: 19px; padding: 6px 28px; }\n"
        // The new game's way-back buttons are fixed at 280 px: a font of a set
        // size and slimmer sides keep "Back to Manager Creation" whole.
        "Module_NewGame QPushButton { font-size: 15px; padding: 6px 10px; }\n"
        // Its grids have no spacing: a gap between each label and its field.
        "Module_NewGame QLineEdit, Module_NewGame QComboBox, Module_NewGame QSpinBox { margin-left: 6px; }\n"
        // The post-event pages' grids have no spacing either.
        "Module_PostEvent QLineEdit, Module_PostEvent QSpinBox { margin-left: 6px; }\n"
        // The profile's fighter page packs its sheet into fixed panels.
        "Module_Profile QLineEdit { margin-left: 6px; }\n"
        "Module_Profile QPushButton { font-size: 14px; padding: 5px 8px; }\n"
        "QWidget#personal_box QLabel, QWidget#personal_box QLineEdit { font-size: 13px; }\n"
        "QWidget#fighter_record_box QListWidget { font-size: 12px; }\n"
        "QPushButton#update_bio_button { font-size: 13px; padding: 5px 2px; }\n"
        "QWidget#attributes_box QLabel, QWidget#attributes_box QLineEdit { font-size: 12px; }\n"
        // The training screen packs its 21 upgrade blocks into a fixed panel.
        "Module_Training QPushButton { font-size: 14px; padding: 3px 4px; }\n"
        "QWidget#equipment_panel QLabel { font-size: 12px; }\n"
        "QWidget#equipment_panel QPushButton { font-size: 11px; padding: 1px 4px; border-width: 2px; }\n"
        // The browser screens list full names in narrow fixed boxes.
        "Module_Orgs QListWidget, Module_Orgs QTextEdit, Module_Orgs QLineEdit, Module_Database QListWidget { font-size: 13px; }\n"
        "QWidget#summary_box QLabel, QWidget#summary_box QLineEdit { font-size: 13px; }\n"
        "QWidget#fighter_details_panel QLabel, QWidget#fighter_details_panel QLineEdit { font-size: 13px; }\n"
        // The management screen's fixed panels hold many rows, and the middle
        // column of its students page is narrow: a smaller font there.
        "QWidget#contract_panel QLabel, QWidget#contract_panel QLineEdit, QWidget#contract_panel QComboBox,"
        " QWidget#contract_panel QSpinBox, QWidget#contract_panel QTextEdit,"
        " QWidget#contract_panel QListWidget { font-size: 12px; }\n"
        "QWidget#contract_panel QPushButton { padding: 2px 16px; }\n"
        "QWidget#growth_panel QLabel, QWidget#growth_panel QLineEdit { font-size: 11px; }\n"
        "QListWidget#scouting_list { font-size: 12px; }\n"
        "QGroupBox {\n"
        "    border: 2px groove #885038; border-radius: 6px; margin-top: 16px; padding-top: 6px;\n"
        "    background-color: rgba(30, 18, 10, 170); color: #E0B687; font-weight: bold;\n"
        "}\n"
        "QGroupBox::title { subcontrol-origin: margin; left: 12px; padding: 0 4px; }\n"
        "QLineEdit, QComboBox, QSpinBox, QTextEdit, QListWidget, QTableWidget, QTreeWidget {\n"
        "    border: 2px groove #885038; border-radius: 3px; background-color: #E0B687; color: black;\n"
        "    selection-background-color: #A0522D; selection-color: white;\n"
        "}\n"
        "QComboBox QAbstractItemView { background-color: #E0B687; color: black;"
        " selection-background-color: #A0522D; }\n"
        "QHeaderView::section { background-color: #885038; color: #F3E2C7; border: 1px solid #3A2414;"
        " padding: 3px; font-weight: bold; }\n"
        "QProgressBar { border: 2px groove #885038; border-radius: 5px; background-color: #2A1A0E; }\n"
        "QProgressBar::chunk { background-color: qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1,"
        " stop: 0 #F2C14E, stop: 1 #A0522D); }\n"
        "QScrollBar:vertical { background: #3A2414; width: 14px; margin: 14px 0 14px 0; }\n"
        "QScrollBar::handle:vertical { background: #A0522D; border-radius: 5px; min-height: 24px; }\n"
        "QScrollBar::sub-line:vertical, QScrollBar::add-line:vertical {\n"
        "    subcontrol-origin: margin; height: 14px; border: 1px solid #704018;\n"
        "    background-color: qlineargradient(x1: 0, y1: 0, x2: 1, y2: 1, stop: 0 #E0B687, stop: 1 #885038);\n"
        "}\n"
        "QScrollBar::sub-line:vertical { subcontrol-position: top; }\n"
        "QScrollBar::add-line:vertical { subcontrol-position: bottom; }\n"
        "QScrollBar::up-arrow:vertical { image: url(./%1); width: 10px; height: 7px; }\n"
        "QScrollBar::down-arrow:vertical { image: url(./%2); width: 10px; height: 7px; }\n"
        "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: none; }\n"
        // The platform's spin box arrows are hidden under the sheet: drawn ones instead.
        "QSpinBox::up-button, QSpinBox::down-button {\n"
        "    subcontrol-origin: border; width: 16px; border: 1px solid #704018;\n"
        "    background-color: qlineargradient(x1: 0, y1: 0, x2: 1, y2: 1, stop: 0 #E0B687, stop: 1 #885038);\n"
        "}\n"
        "QSpinBox::up-button { subcontrol-position: top right; border-top-right-radius: 3px; }\n"
        "QSpinBox::down-button { subcontrol-position: bottom right; border-bottom-right-radius: 3px; }\n"
        "QSpinBox::up-button:pressed, QSpinBox::down-button:pressed, QScrollBar::sub-line:vertical:pressed,"
        " QScrollBar::add-line:vertical:pressed {\n"
        "    background-color: qlineargradient(x1: 0, y1: 0, x2: 1, y2: 1, stop: 0 #986848, stop: 1 #F8D0A0);\n"
        "}\n"
        "QSpinBox::up-arrow { image: url(./%1); width: 10px; height: 7px; }\n"
        "QSpinBox::down-arrow { image: url(./%2); width: 10px; height: 7px; }\n"
        "QToolTip { background-color: #E0B687; color: black; border: 2px solid #704018; }\n")
        .arg(QLatin1String(arrowUpPath), QLatin1String(arrowDownPath));
}

QString menuStyleSheet()
{
    QString sheet = QStringLiteral(
        "TopMenuBar {\n"
        "    background-color: qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1, stop: 0 #5A361E, stop: 1 #1E120A);\n"
        "    border-bottom: 3px solid #885038;\n"
        "}\n"
        "QPushButton { border: none; background: transparent; outline: none; }\n"
        "QToolTip { background-color: #E0B687; color: black; border: 2px solid #704018; font-weight: bold; }\n");
    // Later rules win: hovered (or focused) over raised, the current (flat)
    // button over hovered, pressed over everything.
    const char *const pseudoStates[] = {"", ":hover", ":focus", ":flat", ":pressed"};
    const char *const suffixes[] = {"up", "hover", "hover", "current", "down"};
    for (const MenuPicture &picture : menuPictures()) {
        for (int i = 0; i < 5; ++i) {
            sheet += QStringLiteral("QPushButton#%1%2 { border-image: url(%3); }\n")
                         .arg(QLatin1String(picture.objectName), QLatin1String(pseudoStates[i]),
                              iconPath(picture.key, suffixes[i]));
        }
    }
    return sheet;
}

} // namespace

namespace ShellArtWriter {

QImage drawRaisedIcon(const QPainterPath &glyph)
{
    return drawIcon(glyph, buttonStates[0]);
}

bool write(const QString &buildFolder)
{
    const QDir folder(buildFolder);
    bool ok = ResourceFile::makeFolder(buildFolder);
    ok = ok && writeText(folder.filePath(ResourcePaths::screenStyleSheetFile()), screenStyleSheet());
    ok = writeText(folder.filePath(ResourcePaths::menuStyleSheetFile()), menuStyleSheet()) && ok;
    ok = saveImage(drawBackground(), folder.filePath(QLatin1String(backgroundPath))) && ok;
    ok = saveImage(drawTitle(), folder.filePath(QLatin1String(titlePath))) && ok;
    ok = saveImage(drawArrow(true), folder.filePath(QLatin1String(arrowUpPath))) && ok;
    ok = saveImage(drawArrow(false), folder.filePath(QLatin1String(arrowDownPath))) && ok;
    for (const MenuPicture &picture : menuPictures()) {
        const QPainterPath glyph = picture.glyph();
        for (const ButtonState &state : buttonStates)
            ok = saveImage(drawIcon(glyph, state), folder.filePath(iconPath(picture.key, state.suffix))) && ok;
    }
    return ok;
}

} // namespace ShellArtWriter
