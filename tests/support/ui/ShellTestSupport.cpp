#include <QListWidget>
#include "ShellTestSupport.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextBoundaryFinder>
#include <QTextDocument>
#include <QTextLayout>
#include <QToolTip>
#include <QWidget>

#include "ui/shell/ScreenFrame.h"
#include "ui/shell/TopMenuBar.h"
#include "world/World.h"

namespace ShellTest {

void startGame()
{
    // As main() does with World::init, but without what an earlier test
    // left in the world.
    World::Instance().reset();
    ModuleManager::Instance()->init();
}

void stopGame()
{
    ModuleManager::Instance()->closeAll();
    flushDeletions();
}

void flushDeletions()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QList<QWidget *> liveScreens()
{
    QList<QWidget *> screens;
    const auto widgets = QApplication::allWidgets();
    for (QWidget *widget : widgets) {
        if (qobject_cast<ScreenFrame *>(widget) && !qobject_cast<TopMenuBar *>(widget))
            screens << widget;
    }
    return screens;
}

void writeFile(const QString &name, const QByteArray &content)
{
    if (content.isNull()) {
        QFile::remove(name);
        return;
    }
    QFile file(name);
    if (file.open(QIODevice::WriteOnly))
        file.write(content);
}

QString currentScreenClass()
{
    return ModuleManager::Instance()->currentScreen()->metaObject()->className();
}

} // namespace ShellTest

QStringList ShellTest::listsCutSideways(const QWidget *screen)
{
    QStringList cut;
    const QWidget *window = ModuleManager::Instance()->window();
    const auto lists = screen ? screen->findChildren<QListWidget *>() : QList<QListWidget *>();
    for (const QListWidget *list : lists) {
        if (list->isVisibleTo(window) && list->horizontalScrollBar()->isVisibleTo(window))
            cut << list->objectName();
    }
    return cut;
}

namespace {

// A regional indicator (a flag's letter) in the two units at `at`.
bool regionalIndicatorAt(const QString &text, int at)
{
    return at >= 0 && at + 1 < text.size() && text.at(at) == QChar(0xD83C) && text.at(at + 1) >= QChar(0xDDE6)
        && text.at(at + 1) <= QChar(0xDDFF);
}

// Flags pair their letters from the start of a run of them; counted here
// rather than asked of the grapheme finder, which pairs them wrongly after
// an emoji.
bool insideAFlag(const QString &text, int place)
{
    int lettersBefore = 0;
    for (int at = place - 2; regionalIndicatorAt(text, at); at -= 2)
        ++lettersBefore;
    return lettersBefore % 2 == 1 && regionalIndicatorAt(text, place);
}

} // namespace

QList<int> ShellTest::breaksInsideCharacters(const QString &shown)
{
    const QChar breakOpportunity(0x200B);
    const QString sentence = QString(shown).remove(breakOpportunity);
    QTextBoundaryFinder characters(QTextBoundaryFinder::Grapheme, sentence);
    QList<int> inside;
    int breaksBefore = 0;
    for (int i = 0; i < shown.size(); ++i) {
        if (shown.at(i) != breakOpportunity)
            continue;
        const int place = i - breaksBefore++;
        characters.setPosition(place);
        if (!characters.isAtBoundary() || insideAFlag(sentence, place))
            inside << place;
    }
    return inside;
}

QStringList ShellTest::markupNames()
{
    return {QStringLiteral("<b>Champion"), QStringLiteral("&lt;3 Champion"), QStringLiteral("<img src=\"x.png\">"),
            QStringLiteral("<a href=\"x\">y</a>"), QStringLiteral("a < b > c")};
}

void ShellTest::addMarkupNameRows(const char *column)
{
    QTest::addColumn<QString>(column);
    const QStringList names = markupNames();
    for (const QString &name : names)
        QTest::addRow("%s", qPrintable(name)) << name;
}

bool ShellTest::showsPlainText(const QLabel *label, const QString &text)
{
    return label->isVisible() && label->textFormat() == Qt::PlainText
        && label->text().remove(QChar(0x200B)).contains(text);
}

namespace {

// The label Qt shows the tool tip in, while one shows.
QLabel *toolTipLabel()
{
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        if (window->objectName() == QLatin1String("qtooltip_label") && window->isVisible())
            return qobject_cast<QLabel *>(window);
    }
    return nullptr;
}

// The lines a label draws its text in, at the width it has.
QStringList linesDrawn(QLabel *label)
{
    // A label without a document draws its text as plain text.
    const auto *document = label->findChild<QTextDocument *>();
    if (!document)
        return label->text().split(QLatin1Char('\n'));
    // Painting lays the document out at the label's width.
    label->grab();
    QStringList lines;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        const QTextLayout *layout = block.layout();
        for (int i = 0; i < layout->lineCount(); ++i) {
            const QTextLine line = layout->lineAt(i);
            lines << block.text().mid(line.textStart(), line.textLength());
        }
    }
    return lines;
}

} // namespace

QString ShellTest::toolTipShown(const QString &toolTip)
{
    QToolTip::showText(QPoint(), toolTip);
    QLabel *label = toolTipLabel();
    const QString shown = label && label->text() == toolTip ? linesDrawn(label).join(QLatin1Char('\n'))
                                                            : QStringLiteral("(no tool tip shows)");
    QToolTip::hideText();
    return shown;
}

QStringList ShellTest::listTexts(const QListWidget *list)
{
    QStringList texts;
    for (int row = 0; row < list->count(); ++row)
        texts << list->item(row)->text();
    return texts;
}

QString ShellTest::cutRows(const QListWidget *list)
{
    if (list->count() == 0)
        return QStringLiteral("no rows");
    const int visible = list->viewport()->height();
    QStringList heights;
    for (int row = 0; row < list->count(); ++row) {
        // Rows as drawn, from the top of the visible area: a wrapped one is
        // higher than the first.
        const QRect drawn = list->visualItemRect(list->item(row));
        heights << QString::number(drawn.height());
        if (drawn.bottom() + 1 == visible)
            return QString();
        if (drawn.bottom() + 1 > visible)
            return QStringLiteral("%1 px for rows of %2 px").arg(visible).arg(heights.join(QStringLiteral(", ")));
    }
    return QString();
}
