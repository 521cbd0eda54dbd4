#ifndef STYLESHEETFILE_H
#define STYLESHEETFILE_H

#include <QString>

class QWidget;

// The style sheets live as plain files in the working directory and are
// read anew every time a screen or the menu bar is set up, so an edited
// sheet shows at the next screen change.
namespace StyleSheetFile {

// Sets the whole text of `fileName` (up to a first zero byte) as the style
// sheet of `widget`. A file that cannot be opened is tried once more; if it
// still cannot, the widget's style sheet is left alone and false returned.
bool apply(const QString &fileName, QWidget *widget);

} // namespace StyleSheetFile

#endif // STYLESHEETFILE_H
