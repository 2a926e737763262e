#pragma once

#include <QString>
#include <QStringList>

// Which language the interface speaks, and the translators that make it so.
// English is the texts of the sources themselves and needs no translator.
class Translations
{
public:
    // The settings value that holds the user's choice: empty or "System"
    // follows the system locale, otherwise a language code ("en", "de", ...).
    static QString settingName();
    static QString systemChoice();

    // The language codes shipped besides English.
    static QStringList shipped();
    // The name of a language in that language, for the Options dialog.
    static QString nativeName(const QString& code);

    // The code of the language to speak, "en" when none shipped fits. A
    // shipped code in the setting wins; otherwise the first of the user's
    // languages (most wanted first, as "de-DE" or "de_DE") that is shipped
    // or is English.
    static QString choose(const QString& setting, const QStringList& uiLanguages);
    // The setting as the Options dialog offers it: "en" or a shipped code,
    // written in any of the forms above, or else systemChoice().
    static QString choiceOf(const QString& setting);

    // Removes what an earlier call installed, then installs the program's
    // translator for the language (and Qt's own for the standard buttons,
    // when the system has it). Returns false when the program's translation
    // of a shipped language could not be loaded.
    static bool install(const QString& code);
    // The code given to the last install(); "en" before any.
    static QString current();
    // The language of the stored setting and the system locale, installed.
    static QString installChosen();
};
