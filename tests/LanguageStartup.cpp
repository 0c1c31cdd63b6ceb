// Every test speaks the language of its environment, as the program does:
// English under LANG=C, German under LANG=de_DE.UTF-8 (see CMakeLists.txt).
#include "shell/Language.h"

#include <QCoreApplication>

namespace {

void speakTheEnvironmentsLanguage()
{
    Language::install(Language::current());
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(speakTheEnvironmentsLanguage)
