#include "StyleSheetFile.h"

#include <QFile>
#include <QWidget>

namespace StyleSheetFile {

bool apply(const QString &fileName, QWidget *widget)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        // A second try covers a file that was busy for a moment.
        file.setFileName(fileName);
        if (!file.open(QIODevice::ReadOnly))
            return false;
    }
    const QByteArray content = file.readAll();
    const int end = content.indexOf('\0');
    const QByteArray text = end < 0 ? content : content.left(end);
    if (widget)
        widget->setStyleSheet(QString::fromUtf8(text));
    return true;
}

} // namespace StyleSheetFile
