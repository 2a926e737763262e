#include "platform/Translations.h"

#include "platform/CRegistry.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace
{
struct Installed
{
    std::unique_ptr<QTranslator> program;
    std::unique_ptr<QTranslator> qt;
};

Installed& installed()
{
    static Installed translators;
    return translators;
}

QString& currentCode()
{
    static QString code = QStringLiteral("en");
    return code;
}

void removeInstalled()
{
    Installed& now = installed();
    for (std::unique_ptr<QTranslator>* translator : {&now.program, &now.qt}) {
        if (*translator) {
            QCoreApplication::removeTranslator(translator->get());
            translator->reset();
        }
    }
}

// The key names that the menus and tips show in shortcuts, as Qt names them
// (QKeySequence::NativeText asks the "QShortcut" context). Qt's translations
// name them too; the program's own copy keeps "Strg+Umschalt+V" in German
// menus on a system without them.
[[maybe_unused]] constexpr const char* kKeyNames[] = {
    QT_TRANSLATE_NOOP("QShortcut", "Ctrl"), QT_TRANSLATE_NOOP("QShortcut", "Shift"),
    QT_TRANSLATE_NOOP("QShortcut", "Alt"),  QT_TRANSLATE_NOOP("QShortcut", "Del"),
    QT_TRANSLATE_NOOP("QShortcut", "Up"),   QT_TRANSLATE_NOOP("QShortcut", "Down"),
};

// "de-DE", "de_DE" and "DE" all name German.
QString languageOf(const QString& name)
{
    return name.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
}
} // namespace

QString Translations::settingName()
{
    return QStringLiteral("Language");
}

QString Translations::systemChoice()
{
    return QStringLiteral("System");
}

QStringList Translations::shipped()
{
    return {QStringLiteral("de"), QStringLiteral("fr"), QStringLiteral("es")};
}

QString Translations::nativeName(const QString& code)
{
    if (code == QLatin1String("de")) {
        return QStringLiteral("Deutsch");
    }
    if (code == QLatin1String("fr")) {
        return QStringLiteral("Fran\u00e7ais");
    }
    if (code == QLatin1String("es")) {
        return QStringLiteral("Espa\u00f1ol");
    }
    return QStringLiteral("English");
}

QString Translations::choose(const QString& setting, const QStringList& uiLanguages)
{
    const QString chosen = choiceOf(setting);
    if (chosen != systemChoice()) {
        return chosen;
    }
    for (const QString& wanted : uiLanguages) {
        const QString language = languageOf(wanted);
        if (language == QLatin1String("en") || shipped().contains(language)) {
            return language;
        }
    }
    return QStringLiteral("en");
}

QString Translations::choiceOf(const QString& setting)
{
    const QString chosen = languageOf(setting);
    return chosen == QLatin1String("en") || shipped().contains(chosen) ? chosen : systemChoice();
}

bool Translations::install(const QString& code)
{
    currentCode() = shipped().contains(code) ? code : QStringLiteral("en");
    removeInstalled();
    if (!shipped().contains(code) || QCoreApplication::instance() == nullptr) {
        return true;
    }
    Installed& now = installed();
    auto qt = std::make_unique<QTranslator>();
    // Qt's own texts (standard buttons) come with the system's Qt
    // translations package, which may be missing: then they stay English.
    if (qt->load(QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt.get());
        now.qt = std::move(qt);
    }
    auto program = std::make_unique<QTranslator>();
    if (!program->load(QStringLiteral(":/i18n/grocelle_") + code)) {
        return false;
    }
    QCoreApplication::installTranslator(program.get());
    now.program = std::move(program);
    return true;
}

QString Translations::current()
{
    return currentCode();
}

QString Translations::installChosen()
{
    const QString code = choose(CRegistry().GetString(settingName()), QLocale::system().uiLanguages());
    install(code);
    return code;
}
