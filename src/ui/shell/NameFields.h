#ifndef NAMEFIELDS_H
#define NAMEFIELDS_H

class QComboBox;
class QLabel;
class QLineEdit;
class QString;

// A fighter's or manager's name may run to hundreds of characters (an
// imported fighter's, say). These keep such a name inside the field that
// shows it, so that it never widens its page past the window.
namespace NameFields {

// The name from its start; the rest is there to scroll to.
void show(QLineEdit *field, const QString &name);
// A chooser of names as wide as its longest entry, up to the width of any
// name a person goes by; a longer one is cut at the chooser's edge, and
// elided in the opened list.
void keepNarrow(QComboBox *chooser);
// The name cut with "…" to the label's width, cut anew whenever the width
// changes.
void showElided(QLabel *label, const QString &name);

} // namespace NameFields

#endif // NAMEFIELDS_H
