#include <QtTest>

#include "HelpScreenWriter.h"

// The help pictures are sketches of the screens: every caption line fits
// inside its box, so no word is cut off at a box's edge.
class TestReviewShellHelpArt : public QObject
{
    Q_OBJECT

private slots:
    void captionsFitTheirBoxes() { QCOMPARE(HelpScreenWriter::captionsTooWide(), QStringList()); }
};

QTEST_MAIN(TestReviewShellHelpArt)
#include "tst_review_shell_helpart.moc"
