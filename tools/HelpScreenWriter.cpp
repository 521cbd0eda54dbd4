#include "HelpScreenWriter.h"

#include <QDataStream>
#include <QFontMetricsF>
#include <QImage>
#include <QLinearGradient>
#include <QMap>
#include <QPainter>
#include <QPainterPath>
#include <QVector>

#include "ArtShapes.h"
#include "ResourceFile.h"
#include "ShellArtWriter.h"
#include "data/HelpTexts.h"

namespace HelpScreenWriter {

namespace {

using namespace ArtPalette;

// The help pictures are 605 by 385, the size the help screen shows them at.
const int pictureWidth = 605;
const int pictureHeight = 385;
const int titleHeight = 46;
const int margin = 14;
// Boxes are placed on a grid of 12 columns and 8 rows below the title.
const int gridColumns = 12;
const int gridRows = 8;

enum class Kind { Panel, Button, Picture };

struct Box
{
    int column, row, columns, rows;
    Kind kind;
    const char *caption; // first line bold, the rest smaller
};

struct HelpPicture
{
    const char *file;
    const char *title;
    QVector<Box> boxes;
};

const QVector<HelpPicture> &helpPictures()
{
    static const QVector<HelpPicture> pictures = {
        {"helpscreen_newgame_1.jpg", "New Game: Create Your Manager", {
            {0, 0, 7, 3, Kind::Panel, "Create Your Manager\nFirst Name, Last Name\nRegion, Nationality\nSkill Points: 60"},
            {8, 0, 4, 3, Kind::Picture, "Flag\nof the nation"},
            {0, 3, 4, 4, Kind::Panel, "Training - Offense\nPunch, Kick, Clinch Off.\nTraining - Defense\nMovement, Guard, Clinch Def."},
            {4, 3, 4, 4, Kind::Panel, "Training - Physical\nPower, Speed, Conditioning\nTraining - Mental\nTiming, Intelligence, Discipline"},
            {8, 3, 4, 4, Kind::Panel, "Abilities\nScouting, Motivating, Cornering\nNegotiating, Charisma, Intuition"},
            {0, 7, 4, 1, Kind::Button, "Back to Main Menu"},
            {8, 7, 4, 1, Kind::Button, "Advance to Gym Creation"},
        }},
        {"helpscreen_newgame_2.jpg", "New Game: Create Your Gym", {
            {1, 0, 10, 3, Kind::Panel, "Create Your Gym\nGym Name, Signature Style\nPrimary Colour, Secondary Colour"},
            {4, 3, 4, 4, Kind::Picture, "Your gym's shorts\nprimary: the shorts\nsecondary: the trim"},
            {0, 7, 4, 1, Kind::Button, "Back to Manager Creation"},
            {8, 7, 4, 1, Kind::Button, "Advance to Game"},
        }},
        {"helpscreen_gettingstarted.jpg", "Getting Started", {
            {0, 0, 6, 2, Kind::Panel, "1. Management\nmeet your students, train one"},
            {6, 0, 6, 2, Kind::Panel, "2. Training\ngive your fighter a plan"},
            {0, 3, 6, 2, Kind::Panel, "3. Next Day\nlet the days pass, read the news"},
            {6, 3, 6, 2, Kind::Panel, "4. Management or Events\nfind him a contract or a match"},
            {3, 6, 6, 2, Kind::Button, "5. Save/Load: save often"},
        }},
        {"helpscreen_profile_1.jpg", "Profile: Your Manager", {
            {0, 0, 3, 2, Kind::Picture, "Flag"},
            {3, 0, 9, 2, Kind::Panel, "Name and Reputation\nregion, nationality"},
            {0, 2, 4, 5, Kind::Panel, "Record\noverall and active\nwins and losses"},
            {4, 2, 8, 5, Kind::Panel, "The 18 manager skills\ntraining areas and abilities"},
            {0, 7, 6, 1, Kind::Button, "Import Fighter Into Database"},
            {6, 7, 6, 1, Kind::Button, "Your fighters' pages"},
        }},
        {"helpscreen_profile_2.jpg", "Profile: Your Fighters", {
            {0, 0, 3, 4, Kind::Picture, "Portrait"},
            {3, 0, 5, 1, Kind::Button, "Choose fighter"},
            {3, 1, 5, 3, Kind::Panel, "Personal data and bio"},
            {8, 0, 4, 4, Kind::Panel, "Record, results\nand titles"},
            {0, 4, 12, 3, Kind::Panel, "The 48 skill ratings"},
            {0, 7, 3, 1, Kind::Button, "Export Fighter"},
            {3, 7, 3, 1, Kind::Button, "Fantasy Match"},
            {6, 7, 3, 1, Kind::Button, "Retire Fighter"},
            {9, 7, 3, 1, Kind::Button, "Update Bio"},
        }},
        {"helpscreen_training_1.jpg", "Training: Gym Info", {
            {0, 0, 5, 3, Kind::Panel, "Your gym\nstyle, prestige, money\nlevel and slots"},
            {5, 0, 3, 3, Kind::Picture, "Gym colours"},
            {8, 0, 4, 3, Kind::Panel, "Your fighters"},
            {0, 3, 12, 4, Kind::Panel, "The 21 pieces of equipment\nlevels 0 to 10, from the heavy bag to the rattan sticks"},
            {0, 7, 4, 1, Kind::Button, "Upgrade Gym"},
            {8, 7, 4, 1, Kind::Button, "To Training Plans"},
        }},
        {"helpscreen_training_2.jpg", "Training: Training Plans", {
            {0, 0, 3, 4, Kind::Picture, "Portrait"},
            {3, 0, 4, 4, Kind::Panel, "Choose fighter\nlearning speed\nfatigue"},
            {7, 0, 5, 4, Kind::Panel, "This month's\ntraining log"},
            {0, 4, 12, 3, Kind::Panel, "The 22 plan buttons\nrest, or a day on one kind of equipment"},
            {0, 7, 4, 1, Kind::Button, "Back to Gym Info"},
        }},
        {"helpscreen_management_1.jpg", "Management", {
            {0, 0, 4, 3, Kind::Panel, "Revenue\nthis month, last month"},
            {4, 0, 4, 3, Kind::Panel, "Bookings\nof your fighters"},
            {8, 0, 4, 3, Kind::Panel, "Contract\nof a chosen fighter"},
            {0, 3, 6, 4, Kind::Panel, "Organizations\nprestige, logo\nnegotiate a contract"},
            {6, 3, 6, 4, Kind::Panel, "Match offers\naccept or reject"},
            {4, 7, 4, 1, Kind::Button, "View Current Students"},
        }},
        {"helpscreen_management_2.jpg", "Management: Students", {
            {0, 0, 3, 4, Kind::Picture, "Portrait"},
            {3, 0, 4, 4, Kind::Panel, "Choose student\npersonal data"},
            {7, 0, 5, 4, Kind::Panel, "Scouting report\ndeeper with Intuition"},
            {0, 4, 12, 3, Kind::Panel, "The 48 skill ratings"},
            {0, 7, 4, 1, Kind::Button, "Back to Management"},
            {8, 7, 4, 1, Kind::Button, "Train this Student"},
        }},
        {"helpscreen_events.jpg", "Events", {
            {0, 0, 5, 4, Kind::Panel, "Calendar\nopens on today"},
            {0, 4, 5, 3, Kind::Panel, "Events of the chosen day"},
            {5, 0, 7, 5, Kind::Panel, "The event's card\nplace, tier, matches\nopen places read TBA"},
            {5, 5, 7, 2, Kind::Panel, "One-match appearance\nfighter and purse"},
            {8, 7, 4, 1, Kind::Button, "Negotiate"},
        }},
        {"helpscreen_database_1.jpg", "Database", {
            {0, 0, 4, 3, Kind::Panel, "Filters\norganization or pool\nregion, ranking"},
            {0, 3, 4, 4, Kind::Panel, "Fighter list"},
            {4, 0, 4, 3, Kind::Panel, "Summary\nwith flag"},
            {4, 3, 8, 4, Kind::Picture, "World map\nwhere he comes from"},
            {8, 0, 4, 3, Kind::Picture, "Flag"},
            {8, 7, 4, 1, Kind::Button, "View Fighter"},
        }},
        {"helpscreen_database_2.jpg", "Database: Fighter Page", {
            {0, 0, 3, 4, Kind::Picture, "Portrait"},
            {3, 0, 5, 4, Kind::Panel, "Personal data, bio\nrecord, history, titles"},
            {8, 0, 4, 4, Kind::Panel, "Background\n(and style, with top Scouting)"},
            {0, 4, 12, 3, Kind::Panel, "The 48 skill ratings\n\"?\" where Scouting falls short"},
            {0, 7, 4, 1, Kind::Button, "Back"},
        }},
        {"helpscreen_organizations.jpg", "Organizations", {
            {0, 0, 3, 3, Kind::Panel, "Organizations"},
            {3, 0, 3, 3, Kind::Picture, "Logo"},
            {6, 0, 6, 3, Kind::Panel, "Head, nation, tier, bio\nElite to Regional"},
            {0, 3, 4, 4, Kind::Panel, "Rankings"},
            {4, 3, 4, 4, Kind::Panel, "Champions"},
            {8, 3, 4, 4, Kind::Panel, "Recent events\nand their results"},
        }},
        {"helpscreen_nextday_1.jpg", "Next Day", {
            {0, 0, 12, 1, Kind::Panel, "Progress of the day"},
            {0, 1, 12, 6, Kind::Panel, "The day's news\ntraining, students, events, the new date\nbirthdays and retirements, signings, contracts\nbookings and offers"},
            {4, 7, 4, 1, Kind::Button, "Proceed to next day"},
        }},
        {"helpscreen_nextday_2.jpg", "Next Day: The News", {
            {0, 0, 6, 2, Kind::Panel, "Gym Info\nyour fighters' training"},
            {6, 0, 6, 2, Kind::Panel, "Event results\nof the other organizations"},
            {0, 2, 6, 2, Kind::Panel, "Fighter News\nbirthdays, retirements"},
            {6, 2, 6, 2, Kind::Panel, "Free Agent News\nsignings"},
            {0, 4, 6, 2, Kind::Panel, "Contract News\nrenewals, releases"},
            {6, 4, 6, 2, Kind::Panel, "Event booking news"},
            {0, 6, 12, 2, Kind::Panel, "New month: books close, students pay their fees"},
        }},
        {"helpscreen_combat_1.jpg", "Combat", {
            {0, 0, 12, 1, Kind::Panel, "Scoreboard: names, round, clock"},
            {0, 1, 8, 6, Kind::Panel, "Commentary\nlong range, pocket, clinch\nstrikes, blocks, dodges, counters"},
            {8, 1, 4, 6, Kind::Panel, "Instructions\nshout one per step"},
            {0, 7, 4, 1, Kind::Button, "Next Step"},
            {4, 7, 4, 1, Kind::Button, "Run"},
            {8, 7, 4, 1, Kind::Button, "Sim to End"},
        }},
        {"helpscreen_combat_2.jpg", "Combat: The Corner", {
            {0, 0, 3, 4, Kind::Picture, "Damage\nhead, body\narms, legs"},
            {3, 0, 4, 4, Kind::Panel, "Observations"},
            {7, 0, 5, 4, Kind::Panel, "Statistics\nlanded / thrown"},
            {0, 4, 6, 3, Kind::Panel, "Strategy"},
            {6, 4, 6, 3, Kind::Panel, "Trainer Points\nHeal Wounds, Provide Water\nMotivate, Discuss Strategy"},
            {4, 7, 4, 1, Kind::Button, "Begin Next Round"},
        }},
        {"helpscreen_dummy_1.jpg", "How To Play", {
            {0, 0, 12, 2, Kind::Panel, "Questions and answers"},
            {0, 2, 4, 5, Kind::Panel, "Your gym\nstudents, fighters\nslots, money"},
            {4, 2, 4, 5, Kind::Panel, "Your fighters\ntraining, contracts\nmatches"},
            {8, 2, 4, 5, Kind::Panel, "Your game\nsave, load\nmain menu"},
        }},
    };
    return pictures;
}

QFont letteringFont(int pixelSize, bool bold)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

QRectF boxRect(const Box &box)
{
    const qreal cellWidth = qreal(pictureWidth - 2 * margin) / gridColumns;
    const qreal cellHeight = qreal(pictureHeight - titleHeight - 2 * margin) / gridRows;
    const qreal gap = 4;
    return QRectF(margin + box.column * cellWidth + gap / 2,
                  titleHeight + margin + box.row * cellHeight + gap / 2,
                  box.columns * cellWidth - gap, box.rows * cellHeight - gap);
}

QFont captionFont(const Box &box, bool head)
{
    return head ? letteringFont(box.rows == 1 ? 12 : 14, true) : letteringFont(11, false);
}

// The room a caption line has inside its box.
QRectF lineArea(const QRectF &area)
{
    return area.adjusted(4, 0, -4, 0);
}

void drawBox(QPainter &painter, const Box &box)
{
    const QRectF area = boxRect(box);
    switch (box.kind) {
    case Kind::Panel:
        painter.setPen(QPen(rust, 3));
        painter.setBrush(tan);
        painter.drawRoundedRect(area, 6, 6);
        break;
    case Kind::Button: {
        QLinearGradient fill(area.topLeft(), area.bottomRight());
        fill.setColorAt(0, QColor(0xE0, 0xB6, 0x98));
        fill.setColorAt(1, leather);
        painter.setPen(QPen(leather, 3));
        painter.setBrush(fill);
        painter.drawRoundedRect(area, 10, 10);
        break;
    }
    case Kind::Picture:
        painter.setPen(QPen(tan, 2, Qt::DashLine));
        painter.setBrush(QColor(0x5A, 0x36, 0x1E));
        painter.drawRect(area);
        break;
    }

    const QStringList lines = QString::fromUtf8(box.caption).split(QLatin1Char('\n'));
    const QColor ink = box.kind == Kind::Picture ? tan : QColor(Qt::black);
    const QFont headFont = captionFont(box, true);
    const QFont bodyFont = captionFont(box, false);
    const qreal headHeight = QFontMetricsF(headFont).height();
    const qreal bodyHeight = QFontMetricsF(bodyFont).height();
    const qreal textHeight = headHeight + (lines.size() - 1) * bodyHeight;
    qreal y = area.center().y() - textHeight / 2;
    painter.setPen(ink);
    for (int i = 0; i < lines.size(); ++i) {
        const bool head = i == 0;
        painter.setFont(head ? headFont : bodyFont);
        const qreal height = head ? headHeight : bodyHeight;
        painter.drawText(QRectF(lineArea(area).left(), y, lineArea(area).width(), height),
                         Qt::AlignCenter | Qt::TextSingleLine, lines.at(i));
        y += height;
    }
}

QImage drawHelpPicture(const HelpPicture &picture)
{
    QImage image(pictureWidth, pictureHeight, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    QLinearGradient background(0, 0, 0, pictureHeight);
    background.setColorAt(0, darkLeather);
    background.setColorAt(1, espresso);
    painter.fillRect(image.rect(), background);

    painter.fillRect(QRectF(0, 0, pictureWidth, titleHeight), sienna);
    painter.fillRect(QRectF(0, titleHeight - 3, pictureWidth, 3), rust);
    painter.setPen(QColor(0xFA, 0xE6, 0xC8));
    painter.setFont(letteringFont(20, true));
    painter.drawText(QRectF(margin, 0, pictureWidth - 2 * margin, titleHeight - 3),
                     Qt::AlignVCenter | Qt::AlignLeft, QString::fromUtf8(picture.title));

    for (const Box &box : picture.boxes)
        drawBox(painter, box);
    return image;
}

// --- the two help icons the menu bar does not have ---

QPainterPath newGameGlyph()
{
    // A star: a fresh start.
    return ArtShapes::star(QPointF(35, 37), 5, 24, 10);
}

QPainterPath combatGlyph()
{
    // A boxing glove: the fist, the thumb and the cuff.
    QPainterPath glove;
    glove.addRoundedRect(QRectF(18, 13, 32, 30), 14, 14);
    QPainterPath thumb;
    thumb.addRoundedRect(QRectF(12, 24, 14, 18), 7, 7);
    QPainterPath cuff;
    cuff.addRoundedRect(QRectF(22, 42, 24, 15), 3, 3);
    return glove.united(thumb).united(cuff);
}

} // namespace

QStringList captionsTooWide()
{
    QStringList tooWide;
    for (const HelpPicture &picture : helpPictures()) {
        for (const Box &box : picture.boxes) {
            const qreal room = lineArea(boxRect(box)).width();
            const QStringList lines = QString::fromUtf8(box.caption).split(QLatin1Char('\n'));
            for (int i = 0; i < lines.size(); ++i) {
                if (QFontMetricsF(captionFont(box, i == 0)).horizontalAdvance(lines.at(i)) > room)
                    tooWide << QString::fromUtf8(picture.file) + QStringLiteral(": ") + lines.at(i);
            }
        }
    }
    return tooWide;
}

bool writeHelpData(const QString &resourcesFolder)
{
    return ResourceFile::writeData(resourcesFolder + QStringLiteral("/Defaults/help_screen_data.dat"),
                                   [](QDataStream &out) {
                                       for (const HelpTexts::HelpScreen &screen : HelpTexts::screens()) {
                                           QMap<QString, QString> topics;
                                           for (const HelpTexts::Topic &topic : screen.topics)
                                               topics.insert(topic.key, topic.text);
                                           out << topics;
                                       }
                                   });
}

bool writeHelpPictures(const QString &resourcesFolder)
{
    bool ok = true;
    for (const HelpPicture &picture : helpPictures()) {
        const QString path = resourcesFolder + QStringLiteral("/Backgrounds/") + QString::fromUtf8(picture.file);
        ok = ResourceFile::writeImage(path, drawHelpPicture(picture)) && ok;
    }
    return ok;
}

bool writeHelpIcons(const QString &resourcesFolder)
{
    const QString folder = resourcesFolder + QStringLiteral("/TopMenu/");
    return ResourceFile::writeImage(folder + QStringLiteral("top_newgame_icon_up.png"), ShellArtWriter::drawRaisedIcon(newGameGlyph()))
        && ResourceFile::writeImage(folder + QStringLiteral("top_combat_icon_up.png"), ShellArtWriter::drawRaisedIcon(combatGlyph()));
}

bool writeAll(const QString &resourcesFolder)
{
    return writeHelpData(resourcesFolder) && writeHelpPictures(resourcesFolder)
        && writeHelpIcons(resourcesFolder);
}

} // namespace HelpScreenWriter
