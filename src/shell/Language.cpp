#include "shell/Language.h"

#include "gdi/GdiMath.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QTranslator>

#include <algorithm>
#include <memory>

namespace Language {

namespace {

const QString SettingKey = QStringLiteral("language");

bool speaks(const QString &code)
{
    const QList<Choice> &all = available();
    return std::any_of(all.cbegin(), all.cend(), [&code](const Choice &c) { return code == QLatin1String(c.code); });
}

} // namespace

const QList<Choice> &available()
{
    static const QList<Choice> all{{"en", "English"}, {"de", "Deutsch"}, {"es", "Español"}};
    return all;
}

QString current()
{
    QString stored = QSettings().value(SettingKey).toString();
    if (speaks(stored)) {
        return stored;
    }
    // "de-AT" speaks German, "es-MX" Spanish.
    for (const QString &language : QLocale::system().uiLanguages()) {
        QString code = language.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
        if (speaks(code)) {
            return code;
        }
    }
    return QStringLiteral("en");
}

void choose(const QString &code)
{
    if (speaks(code)) {
        QSettings().setValue(SettingKey, code);
    }
}

namespace {

QString &installed()
{
    static QString code = QStringLiteral("en");
    return code;
}

} // namespace

QString spoken()
{
    return installed();
}

void install(const QString &code)
{
    installed() = speaks(code) ? code : QStringLiteral("en");
    static std::unique_ptr<QTranslator> program;
    static std::unique_ptr<QTranslator> qt;
    for (auto *translator : {&program, &qt}) {
        if (*translator) {
            QCoreApplication::removeTranslator(translator->get());
            translator->reset();
        }
    }
    if (code == QLatin1String("en") || !speaks(code)) {
        Gdi::setNumberLocale(QLocale::c());
        return;
    }
    // Labels, tables and chart ticks write numbers as the language does
    // ("0,37" in German); pictures keep the point.
    Gdi::setNumberLocale(QLocale(code));
    program = std::make_unique<QTranslator>();
    // A translation beside the program (translations/corvane_de.qm) comes
    // before the built-in one, so that a translator can try a new one out.
    const QString beside = QCoreApplication::applicationDirPath() + QStringLiteral("/translations");
    if (program->load(QStringLiteral("corvane_%1").arg(code), beside)
        || program->load(QStringLiteral(":/i18n/corvane_%1.qm").arg(code))) {
        QCoreApplication::installTranslator(program.get());
    }
    // Qt's own dialogs (file, print, colour) in the same language.
    qt = std::make_unique<QTranslator>();
    if (qt->load(QStringLiteral("qtbase_%1").arg(code), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt.get());
    }
}

} // namespace Language
