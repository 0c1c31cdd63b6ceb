#pragma once

#include <QList>
#include <QString>

// The languages the program speaks, and which one it speaks now. The choice is
// made once, when the program starts: the user's choice from View > Language
// when there is one, else the desktop's language when the program speaks it,
// else English.
namespace Language {

struct Choice
{
    const char *code; // "en", "de", "es"
    const char *name; // in its own language: "Deutsch"
};

// English first.
const QList<Choice> &available();
// The language to speak: the stored choice, else the first of the desktop's
// languages the program speaks, else "en".
QString current();
// Stores the user's choice for the next start.
void choose(const QString &code);
// Loads the program's and Qt's own translations for `code` (none for
// English) into the running application, replacing any loaded before. The
// program's comes from translations/corvane_CODE.qm beside the program when
// that file is there, else from the program's resources.
void install(const QString &code);
// The language installed last ("en" before any).
QString spoken();

} // namespace Language
