#pragma once

#include <QString>

// Where the handheld's "\Windows\" folder lives on the desktop. Every file path
// that the program names as "\Windows\name" (any letter case) resolves here.
class DeviceFolder
{
public:
    // $GROCELLE_HOME when set, otherwise $XDG_DATA_HOME/grocelle. Created on
    // first use; the path is returned even when it could not be created.
    static QString path();
    // The same folder, left as it is: a run that writes nothing (a dry run)
    // makes no folder either.
    static QString location();

    // Maps "\Windows\name" (any case, either slash) to a file of the device
    // folder, which is not created here: whoever writes the file makes it.
    // Paths that do not start with the device prefix are returned as they
    // stand.
    static QString map(const QString& devicePath);

    // The settings file: $GROCELLE_HOME/Grocelle.conf when the variable is
    // set, otherwise $XDG_CONFIG_HOME/Velmora/Grocelle.conf.
    static QString settingsFile();

    // A file the user may replace: the device folder's copy when it exists,
    // otherwise the compiled-in resource ":/<resourceName>". Empty when
    // neither exists.
    static QString userFileOrResource(const QString& devicePath, const QString& resourceName);
};
