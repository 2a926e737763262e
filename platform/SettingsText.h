#pragma once

#include <QString>
#include <QVariant>

// A text of the settings file (Grocelle.conf) that the user may write by
// hand and that may be long: a path, a URL, a catalog's location. QSettings
// reads an unquoted value that holds commas as a list of its parts; such a
// value is joined again, so a path like /home/a,b/cert.pem comes back whole.
// QSettings itself drops the blanks next to such a comma, and a value that
// keeps them must be quoted.
class SettingsText
{
public:
    // The text of the value name, trimmed; empty when the settings file or
    // the value is missing. Unlike CRegistry's texts it has no length limit.
    static QString read(const QString& name);

    // The text of a value as QSettings hands it back.
    static QString fromStored(const QVariant& stored);
};
