#ifndef SCREENGALLERY_H
#define SCREENGALLERY_H

#include <QString>
#include <QStringList>

class QWidget;

// Pictures of the game window for a person to look at: one PNG per screen
// or page, named by the caller, and a contact sheet of them all. Without a
// folder it takes nothing, so a test can call it on every run.
class ScreenGallery
{
public:
    // The folder named by RINGWRIGHT_GALLERY, or none.
    static ScreenGallery fromEnvironment();
    explicit ScreenGallery(const QString &folder);

    bool enabled() const { return !m_folder.isEmpty(); }
    QStringList names() const { return m_names; }

    // The game window as it is now; false when it is not 1100 by 700 or
    // the picture could not be written (a gallery that is off writes
    // nothing and succeeds).
    bool shootWindow(const QString &name);
    // Any widget, a dialog while it is shown say.
    bool shoot(QWidget *widget, const QString &name);
    // Every picture taken, scaled down in rows under its name.
    bool writeContactSheet(const QString &name = QStringLiteral("contact_sheet")) const;

private:
    QString pathOf(const QString &name) const;

    QString m_folder;
    QStringList m_names;
};

#endif // SCREENGALLERY_H
