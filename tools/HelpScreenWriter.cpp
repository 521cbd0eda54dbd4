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
// Boxes are placed on a grid of 24 columns and 16 rows below the title,
// about the screen's own proportions.
const int gridColumns = 24;
const int gridRows = 16;
// A caption line too wide for its box is lettered smaller, down to this.
const int smallestLettering = 9;

enum class Kind { Panel, Button, Picture };

struct Box
{
    int column, row, columns, rows;
    Kind kind;
    const char *caption; // first line bold, the rest smaller
    // The widget the box stands for on its screen: its object name, or the
    // text of its label. A button stands for the button of its caption.
    const char *widget = nullptr;
};

// A picture sketches its screen when its boxes name the screen's widgets;
// the others (getting started, the news, the questions) draw topics.
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
            {0, 0, 14, 5, Kind::Panel, "Create Your Manager\nFirst Name, Last Name\nRegion, Nationality\nSkill Points",
             "manager_first_name"},
            {15, 0, 9, 5, Kind::Picture, "Flag\nof the nation", "manager_flag"},
            {0, 5, 8, 4, Kind::Panel, "Training - Offense\nPunch, Kick, Clinch Off.", "Training - Offense"},
            {0, 9, 8, 4, Kind::Panel, "Training - Defense\nMovement, Guard, Clinch Def.", "Training - Defense"},
            {8, 5, 8, 4, Kind::Panel, "Training - Physical\nPower, Speed, Conditioning", "Training - Physical"},
            {8, 9, 8, 4, Kind::Panel, "Training - Mental\nTiming, Intelligence, Discipline", "Training - Mental"},
            {16, 5, 8, 8, Kind::Panel, "Abilities\nScouting, Motivating\nCornering, Negotiating\nCharisma, Intuition",
             "Abilities"},
            {0, 14, 8, 2, Kind::Button, "Back to Main Menu"},
            {16, 14, 8, 2, Kind::Button, "Advance to Gym Creation"},
        }},
        {"helpscreen_newgame_2.jpg", "New Game: Create Your Gym", {
            {0, 0, 24, 6, Kind::Panel, "Create Your Gym\nGym Name, Signature Style\nPrimary Colour, Secondary Colour",
             "gym_name"},
            {7, 6, 10, 8, Kind::Picture, "Your gym's shorts\nprimary: the shorts\nsecondary: the trim",
             "gym_colour_picture"},
            {1, 14, 11, 2, Kind::Button, "Back to Manager Creation"},
            {12, 14, 11, 2, Kind::Button, "Advance to Game"},
        }},
        {"helpscreen_gettingstarted.jpg", "Getting Started", {
            {0, 0, 12, 4, Kind::Panel, "1. Management\nmeet your students, train one"},
            {12, 0, 12, 4, Kind::Panel, "2. Training\ngive your fighter a plan"},
            {0, 6, 12, 4, Kind::Panel, "3. Next Day\nlet the days pass, read the news"},
            {12, 6, 12, 4, Kind::Panel, "4. Management or Events\nfind him a contract or a match"},
            {6, 12, 12, 4, Kind::Panel, "5. Save/Load\nsave often"},
        }},
        {"helpscreen_profile_1.jpg", "Profile: Your Manager", {
            {0, 0, 10, 4, Kind::Panel, "Name and Reputation\nfirst and last name\nnationality", "First Name"},
            {11, 0, 5, 4, Kind::Picture, "Flag", "flag_label"},
            {17, 0, 7, 4, Kind::Panel, "Record\noverall and active", "Overall Record"},
            {0, 5, 6, 9, Kind::Panel, "Training\nOffense, Defense", "Training - Offense"},
            {6, 5, 6, 9, Kind::Panel, "Training\nPhysical, Mental", "Training - Physical"},
            {12, 5, 5, 9, Kind::Panel, "Abilities\nScouting to\nIntuition", "Abilities"},
            {17, 5, 7, 9, Kind::Panel, "Manager Titles", "titles_list"},
            {0, 14, 6, 2, Kind::Button, "Current Fighters"},
            {6, 14, 10, 2, Kind::Button, "Import Fighter Into Database"},
        }},
        {"helpscreen_profile_2.jpg", "Profile: Your Fighters", {
            {0, 0, 4, 10, Kind::Picture, "Portrait", "portrait_label"},
            {4, 0, 5, 8, Kind::Panel, "Bio", "bio_edit"},
            {4, 8, 5, 2, Kind::Button, "Update Fighter Bio"},
            {0, 10, 9, 6, Kind::Panel, "Personal data\nname, nationality, region\nbackground, reputation\nbirthday, age",
             "Name: "},
            {9, 0, 7, 1, Kind::Panel, "Choose fighter", "fighter_combo"},
            {9, 1, 7, 2, Kind::Panel, "Record\nwins, losses, KOs", "Wins:"},
            {9, 3, 7, 4, Kind::Panel, "Results\noldest first", "history_list"},
            {9, 7, 7, 5, Kind::Panel, "Titles", "fighter_titles_list"},
            {9, 12, 7, 1, Kind::Button, "Export Fighter"},
            {9, 13, 7, 1, Kind::Button, "Import Fantasy Match"},
            {9, 14, 7, 1, Kind::Button, "Retire Fighter"},
            {9, 15, 7, 1, Kind::Button, "Manager Profile"},
            {16, 0, 8, 16, Kind::Panel, "The 48 skill ratings\nOffense, Defense\nPhysical, Mental", "attributes_box"},
        }},
        {"helpscreen_training_1.jpg", "Training: Gym Info", {
            {0, 0, 7, 3, Kind::Panel, "Your gym\nname, style\nprestige, money", "gym_name_edit"},
            {0, 3, 3, 2, Kind::Panel, "Level", "gym_level_label"},
            {3, 3, 4, 2, Kind::Button, "Upgrade Gym"},
            {0, 5, 7, 1, Kind::Panel, "Student, fighter slots", "student_slots_label"},
            {0, 6, 7, 6, Kind::Picture, "Gym colours", "gym_colours_label"},
            {0, 12, 7, 2, Kind::Panel, "Current Fighters", "roster_list"},
            {0, 14, 7, 2, Kind::Button, "To Training Plans"},
            {7, 0, 17, 16, Kind::Panel,
             "The 21 pieces of equipment\nlevels 0 to 10, from the heavy bag to the rattan sticks\n"
             "each with its upgrade button",
             "equipment_panel"},
        }},
        {"helpscreen_training_2.jpg", "Training: Training Plans", {
            {0, 0, 8, 1, Kind::Panel, "Choose fighter", "fighter_combo"},
            {1, 1, 6, 10, Kind::Picture, "Portrait", "portrait_label"},
            {0, 12, 8, 4, Kind::Panel, "Fighter details\nname, fighting style\nlearning speed, fatigue",
             "fighter_name_edit"},
            {8, 0, 8, 14, Kind::Panel, "Training This Month\nthe month's log", "training_log_text"},
            {8, 14, 8, 2, Kind::Button, "Back to Gym Info"},
            {16, 0, 8, 16, Kind::Panel, "Today's Training Plan\nrest, or a day on one\nkind of equipment",
             "plan_panel"},
        }},
        {"helpscreen_management_1.jpg", "Management", {
            {0, 0, 8, 7, Kind::Panel, "This Month's Revenue\ncosts, fees, purses\nand the total",
             "This Month's Revenue"},
            {0, 7, 8, 7, Kind::Panel, "Last Month's Revenue\ncosts, fees, purses\nand the total",
             "Last Month's Revenue"},
            {0, 14, 8, 2, Kind::Button, "View Current Students"},
            {8, 0, 8, 14, Kind::Panel, "Bookings\nyour fighters' matches", "bookings_list"},
            {16, 0, 8, 2, Kind::Panel, "Contract\nof a chosen fighter", "fighter_combo"},
            {16, 2, 5, 5, Kind::Panel, "Organization\nits bio", "org_bio_text"},
            {21, 2, 3, 5, Kind::Picture, "Logo", "org_logo_label"},
            {16, 7, 8, 3, Kind::Panel, "Your offer\norganization, purse\ncontract length", "org_combo"},
            {16, 10, 8, 2, Kind::Button, "Negotiate"},
            {16, 12, 8, 2, Kind::Panel, "Offers\naccept or reject", "offers_list"},
        }},
        {"helpscreen_management_2.jpg", "Management: Students", {
            {0, 0, 5, 10, Kind::Picture, "Portrait", "portrait_label"},
            {5, 0, 4, 10, Kind::Panel, "Bio", "student_bio_text"},
            {0, 10, 9, 6, Kind::Panel, "Student\nname, nationality, region\nbackground, birthday, age",
             "Student Name:"},
            {9, 0, 7, 1, Kind::Panel, "Choose student", "student_combo"},
            {9, 1, 7, 3, Kind::Panel, "Projected Growth", "Projected Growth"},
            {9, 4, 7, 8, Kind::Panel, "Scouting report\ndeeper with Intuition", "scouting_list"},
            {9, 12, 7, 2, Kind::Button, "Train this Student"},
            {9, 14, 7, 2, Kind::Button, "Back to Management"},
            {16, 0, 8, 16, Kind::Panel, "The 48 skill ratings\nas far as your\nScouting sees", "growth_panel"},
        }},
        {"helpscreen_events.jpg", "Events", {
            {0, 0, 8, 8, Kind::Panel, "Calendar\nopens on today's date", "events_calendar"},
            {0, 8, 8, 8, Kind::Panel, "Events of the chosen day", "day_events_list"},
            {8, 1, 7, 7, Kind::Picture, "Organization's\nlogo", "logo_label"},
            {8, 9, 7, 2, Kind::Panel, "One-match appearance\npurse and fighter", "purse_edit"},
            {8, 11, 7, 2, Kind::Button, "Negotiate Appearance"},
            {15, 0, 9, 6, Kind::Panel, "Event Info\nname, organization, city\nprestige, type, title", "Event Info:"},
            {15, 6, 9, 7, Kind::Panel, "This Event's Matches\nopen places read TBA", "match_list"},
        }},
        {"helpscreen_database_1.jpg", "Database", {
            {0, 0, 7, 1, Kind::Panel, "Name order", "name_display_combo"},
            {0, 1, 7, 15, Kind::Panel, "Fighter list\nranking or region", "fighter_list"},
            {7, 3, 7, 5, Kind::Picture, "Flag", "flag_label"},
            {7, 8, 7, 4, Kind::Panel, "Summary\nname, nationality\nstyle, contract", "summary_box"},
            {7, 12, 7, 2, Kind::Button, "Detailed Info"},
            {14, 0, 10, 9, Kind::Picture, "World map\nwhere he comes from", "world_map_label"},
            {14, 10, 10, 5, Kind::Panel, "Select Organization\nor the free agents\nSelect Filter: ranking or region",
             "org_combo"},
        }},
        {"helpscreen_database_2.jpg", "Database: Fighter Page", {
            {0, 0, 5, 10, Kind::Picture, "Portrait", "portrait_label"},
            {5, 0, 4, 10, Kind::Panel, "Bio", "bio_box"},
            {0, 10, 9, 5, Kind::Panel,
             "Personal data\nname, nationality, region\nbackground (and style)\nreputation, birthday, age", "Name: "},
            {9, 0, 7, 2, Kind::Panel, "Record\nwins, losses, KOs", "Wins:"},
            {9, 2, 7, 6, Kind::Panel, "Fight history\noldest first", "history_list"},
            {9, 8, 7, 6, Kind::Panel, "Titles", "titles_list"},
            {9, 14, 7, 2, Kind::Button, "Close"},
            {16, 0, 8, 15, Kind::Panel, "The 48 skill ratings\n\"?\" where Scouting falls short", "attributes_box"},
        }},
        {"helpscreen_organizations.jpg", "Organizations", {
            {0, 0, 6, 10, Kind::Picture, "Logo", "logo_label"},
            {6, 0, 6, 3, Kind::Panel, "Name, CEO\nnation, prestige", "org_name_field"},
            {6, 3, 6, 7, Kind::Panel, "Bio", "org_bio_box"},
            {12, 0, 6, 10, Kind::Panel, "Rankings", "rankings_list"},
            {18, 0, 6, 4, Kind::Panel, "Current Champion(s)", "champions_list"},
            {18, 4, 6, 6, Kind::Panel, "Organizations\nchoose one", "org_list"},
            {0, 11, 12, 5, Kind::Panel, "Recent Events", "recent_events_list"},
            {12, 11, 12, 5, Kind::Panel, "Results of Selected Event", "results_list"},
        }},
        {"helpscreen_nextday_1.jpg", "Next Day", {
            {0, 0, 24, 2, Kind::Button, "Proceed to next day\nin its place the day's progress until then"},
            {0, 2, 24, 14, Kind::Panel,
             "The day's news\ntraining, students, events, the new date\nbirthdays and retirements, signings, contracts\n"
             "bookings and offers",
             "next_day_news"},
        }},
        {"helpscreen_nextday_2.jpg", "Next Day: The News", {
            {0, 0, 12, 4, Kind::Panel, "Gym Info\nyour fighters' training"},
            {12, 0, 12, 4, Kind::Panel, "Event results\nof the other organizations"},
            {0, 4, 12, 4, Kind::Panel, "Fighter News\nbirthdays, retirements"},
            {12, 4, 12, 4, Kind::Panel, "Free Agent News\nsignings"},
            {0, 8, 12, 4, Kind::Panel, "Contract News\nrenewals, releases"},
            {12, 8, 12, 4, Kind::Panel, "Event booking news"},
            {0, 12, 24, 4, Kind::Panel, "New month: books close, students pay their fees"},
        }},
        {"helpscreen_combat_1.jpg", "Combat", {
            {3, 0, 3, 3, Kind::Picture, "Logo", "org_logo"},
            {6, 0, 14, 3, Kind::Panel, "Event name and its card\nthe matches in card order", "match_list"},
            {4, 4, 16, 2, Kind::Panel, "Instructions\nshout one per step", "instruction_list"},
            {4, 6, 16, 6, Kind::Panel, "Commentary\nlong range, pocket, clinch\nstrikes, blocks, dodges, counters",
             "commentary_view"},
            {0, 6, 4, 6, Kind::Picture, "Red\ncorner", "portrait_a"},
            {20, 6, 4, 6, Kind::Picture, "Blue\ncorner", "portrait_b"},
            {0, 12, 24, 2, Kind::Panel, "Scoreboard\nnames, flags, round, clock", "clock_label"},
            {0, 14, 8, 2, Kind::Button, "Start Timer"},
            {8, 14, 8, 2, Kind::Button, "Next Step"},
            {16, 14, 8, 2, Kind::Button, "Sim to End"},
        }},
        {"helpscreen_combat_2.jpg", "Combat: The Corner", {
            {0, 0, 7, 9, Kind::Picture, "Current Status\ndamage to head, body\narms and legs", "status_picture"},
            {7, 0, 7, 14, Kind::Panel, "Observations\nwhat the corner sees", "observations_view"},
            {14, 0, 10, 8, Kind::Panel, "Fighter Statistics\nlanded / thrown\nknockdowns", "stat_title"},
            {14, 8, 10, 3, Kind::Panel, "Strategy\nthe plan for the round", "strategy_list"},
            {14, 11, 10, 3, Kind::Panel, "Trainer Points\nHeal Wounds, Provide Water\nMotivate, Discuss Strategy",
             "trainer_points_label"},
            {7, 14, 7, 2, Kind::Button, "Begin Next Round"},
        }},
        {"helpscreen_dummy_1.jpg", "How To Play", {
            {0, 0, 24, 4, Kind::Panel, "Questions and answers"},
            {0, 4, 8, 10, Kind::Panel, "Your gym\nstudents, fighters\nslots, money"},
            {8, 4, 8, 10, Kind::Panel, "Your fighters\ntraining, contracts\nmatches"},
            {16, 4, 8, 10, Kind::Panel, "Your game\nsave, load\nmain menu"},
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

// The room a caption line has inside its box.
QRectF lineArea(const QRectF &area)
{
    return area.adjusted(4, 0, -4, 0);
}

int nominalLettering(const Box &box, bool head)
{
    if (!head)
        return 11;
    return box.rows >= 3 ? 14 : box.rows == 2 ? 12 : 10;
}

// A caption line's lettering: its nominal size, or smaller as far as it
// takes to fit the box (not below the smallest).
QFont captionFont(const Box &box, const QString &line, bool head)
{
    const qreal room = lineArea(boxRect(box)).width();
    int size = nominalLettering(box, head);
    while (size > smallestLettering && QFontMetricsF(letteringFont(size, head)).horizontalAdvance(line) > room)
        --size;
    return letteringFont(size, head);
}

QStringList captionLines(const Box &box)
{
    return QString::fromUtf8(box.caption).split(QLatin1Char('\n'));
}

// The height of all of a box's caption lines.
qreal captionHeight(const Box &box)
{
    const QStringList lines = captionLines(box);
    qreal height = 0;
    for (int i = 0; i < lines.size(); ++i)
        height += QFontMetricsF(captionFont(box, lines.at(i), i == 0)).height();
    return height;
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

    const QStringList lines = captionLines(box);
    QVector<QFont> fonts;
    for (int i = 0; i < lines.size(); ++i)
        fonts << captionFont(box, lines.at(i), i == 0);
    qreal y = area.center().y() - captionHeight(box) / 2;
    painter.setPen(box.kind == Kind::Picture ? tan : QColor(Qt::black));
    for (int i = 0; i < lines.size(); ++i) {
        painter.setFont(fonts.at(i));
        const qreal height = QFontMetricsF(fonts.at(i)).height();
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
            const QStringList lines = captionLines(box);
            for (int i = 0; i < lines.size(); ++i) {
                if (QFontMetricsF(captionFont(box, lines.at(i), i == 0)).horizontalAdvance(lines.at(i)) > room)
                    tooWide << QString::fromUtf8(picture.file) + QStringLiteral(": ") + lines.at(i);
            }
        }
    }
    return tooWide;
}

QStringList captionsTooTall()
{
    QStringList tooTall;
    for (const HelpPicture &picture : helpPictures()) {
        for (const Box &box : picture.boxes) {
            if (captionHeight(box) > boxRect(box).height())
                tooTall << QString::fromUtf8(picture.file) + QStringLiteral(": ") + captionLines(box).first();
        }
    }
    return tooTall;
}

QMap<QString, QVector<SketchedWidget>> sketchedScreens()
{
    QMap<QString, QVector<SketchedWidget>> screens;
    for (const HelpPicture &picture : helpPictures()) {
        QVector<SketchedWidget> widgets;
        for (const Box &box : picture.boxes) {
            const bool button = box.kind == Kind::Button;
            if (!button && !box.widget)
                continue;
            widgets.append({button ? captionLines(box).first() : QString::fromUtf8(box.widget), boxRect(box), button});
        }
        if (!widgets.isEmpty())
            screens.insert(QString::fromUtf8(picture.file), widgets);
    }
    return screens;
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
