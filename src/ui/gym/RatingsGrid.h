#ifndef RATINGSGRID_H
#define RATINGSGRID_H

#include <QMap>
#include <QPointer>
#include <QString>
#include <QVector>

#include <functional>

#include "ui/shell/VisitWidgets.h"

class Fighter;
class QGridLayout;
class QLabel;
class QLineEdit;
class QWidget;

// The 48 skill ratings in their twelve groups of four, as every fighter
// sheet shows them: groups 0-5 in grid columns 0-3, groups 6-11 in columns
// 4-7, five rows per group (title across the half, then four ratings, each a
// caption across three columns beside a read-only value). Captions come from
// SkillTable unless overridden.
//
// Use: keep the panel and its grid for the screen's life; on entering the
// page make a RatingsGrid (std::unique_ptr member) on them, fill it with
// showRatings(fighter) or setValue(skill, "?") per rating; on leaving reset
// the pointer, which deletes the widgets it made (those still alive).
// The value widgets' object names come from the given namer:
//   RatingsGrid::namedByCaption()       "jab_value", "off_awareness_value"
//   RatingsGrid::numbered("growth_value_") "growth_value_0" .. "growth_value_47"
class RatingsGrid
{
public:
    using ValueNamer = std::function<QString(int skill)>;

    static const int PanelWidth = 370;
    static const int PanelHeight = 550;

    // Makes the 108 widgets as children of panel and lays them into grid
    // (spacing 0, columns 1, 2, 5, 6 stretched); fixes the panel at 370 x 550.
    // The values show "0" until filled.
    RatingsGrid(QWidget *panel, QGridLayout *grid, const ValueNamer &valueName,
                const QMap<int, QString> &captionOverrides = {});
    ~RatingsGrid();
    RatingsGrid(const RatingsGrid &) = delete;
    RatingsGrid &operator=(const RatingsGrid &) = delete;

    void setValue(int skill, const QString &text);
    // Every rating of the fighter, in decimal.
    void showRatings(const Fighter &fighter);

    QLineEdit *value(int skill) const;
    QLabel *caption(int skill) const;
    QLabel *title(int group) const;

    // "Off. Awareness" -> "off_awareness_value".
    static QString captionObjectName(const QString &caption);
    static ValueNamer namedByCaption(const QMap<int, QString> &captionOverrides = {});
    static ValueNamer numbered(const QString &prefix);

    // Where a group's title goes: its row and first column.
    static int groupRow(int group);
    static int groupColumn(int group);

private:
    QVector<QPointer<QLabel>> titles;
    QVector<QPointer<QLabel>> captions;
    QVector<QPointer<QLineEdit>> values;
    VisitWidgets made;
};

#endif // RATINGSGRID_H
