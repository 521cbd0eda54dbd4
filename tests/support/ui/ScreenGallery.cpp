#include "ScreenGallery.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QWidget>

#include "ui/shell/ModuleManager.h"

namespace {
const int SheetColumns = 5;
const QSize ThumbSize(330, 210);
const int CaptionHeight = 18;
const int Gap = 8;
} // namespace

ScreenGallery ScreenGallery::fromEnvironment()
{
    return ScreenGallery(qEnvironmentVariable("RINGWRIGHT_GALLERY"));
}

ScreenGallery::ScreenGallery(const QString &folder)
    : m_folder(folder.isEmpty() ? QString() : QDir(folder).absolutePath())
{
    if (enabled())
        QDir().mkpath(m_folder);
}

QString ScreenGallery::pathOf(const QString &name) const
{
    return m_folder + QLatin1Char('/') + name + QStringLiteral(".png");
}

bool ScreenGallery::shootWindow(const QString &name)
{
    QWidget *window = ModuleManager::Instance()->window();
    return (!enabled() || (window && window->size() == QSize(1100, 700))) && shoot(window, name);
}

bool ScreenGallery::shoot(QWidget *widget, const QString &name)
{
    if (!enabled())
        return true;
    if (!widget)
        return false;
    // Layouts settle and pictures load in the event loop.
    QCoreApplication::processEvents();
    if (!widget->grab().save(pathOf(name)))
        return false;
    m_names.removeAll(name);
    m_names << name;
    return true;
}

bool ScreenGallery::writeContactSheet(const QString &name) const
{
    if (!enabled() || m_names.isEmpty())
        return true;
    const int rows = (m_names.size() + SheetColumns - 1) / SheetColumns;
    const QSize cell(ThumbSize.width() + Gap, ThumbSize.height() + CaptionHeight + Gap);
    QImage sheet(cell.width() * SheetColumns + Gap, cell.height() * rows + Gap, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    for (int i = 0; i < m_names.size(); ++i) {
        const QPoint corner(Gap + (i % SheetColumns) * cell.width(), Gap + (i / SheetColumns) * cell.height());
        QImage picture(pathOf(m_names.at(i)));
        // Windows are scaled down; a dialog smaller than a cell stays as it is.
        if (picture.width() > ThumbSize.width() || picture.height() > ThumbSize.height())
            picture = picture.scaled(ThumbSize, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        painter.drawImage(corner, picture);
        painter.drawText(QRect(corner + QPoint(0, ThumbSize.height()), QSize(ThumbSize.width(), CaptionHeight)),
                         Qt::AlignCenter, m_names.at(i));
    }
    painter.end();
    return sheet.save(pathOf(name));
}
