#ifndef PORTRAITARTWRITER_H
#define PORTRAITARTWRITER_H

#include <QColor>
#include <QImage>
#include <QSize>
#include <QString>

// Writes the pictures a fighter's portrait is stacked from, and the corner's
// status pictures. Every layer shares the background's canvas and is
// transparent where it draws nothing, so any body, shorts, trim, head and
// face fit together:
//   Body/portraitbg.jpg, Body/body_<1..21>.png (7 skin tones by 3 builds),
//   Shorts/port_shorts_<colour>.png, Trim/port_trim_<colour>.png,
//   Heads/head_1.png (shaved), head_8.png (headgear), head_<2..7>_<hair>.png,
//   Heads/face_1.png, face_<2..4>_<hair>.png,
//   Body/{body,head,arms,legs}_status_<0..4>.png.
namespace PortraitArtWriter {

const int bodyCount = 21;
const int hairStyleCount = 7; // heads 2 to 7 have hair
const int faceCount = 4;

QSize canvasSize();
QColor hairColourOf(const QString &name);

QImage drawBackground();
QImage drawBody(int number);
QImage drawShorts(const QColor &colour);
QImage drawTrim(const QColor &colour);
QImage drawHead(int number, const QColor &hair);
QImage drawFace(int number, const QColor &hair);
// `region` is "body", "head", "arms" or "legs"; code 4 unhurt to 0 spent.
QImage drawStatus(const QString &region, int code);

bool writeAll(const QString &resourcesFolder);

} // namespace PortraitArtWriter

#endif // PORTRAITARTWRITER_H
