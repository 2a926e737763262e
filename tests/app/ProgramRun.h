#pragma once

#include <QByteArray>
#include <QProcessEnvironment>
#include <QStringList>

// The program itself, as a user starts it from a terminal: what it printed
// and how it ended. exitCode is -1 when it crashed or did not end within
// 30 s (it is then killed).
class ProgramRun
{
public:
    static ProgramRun run(const QStringList& arguments,
                          const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment());
    // The environment of a terminal whose language is locale ("de_DE.UTF-8"),
    // whatever the test's own terminal says.
    static QProcessEnvironment speaking(const QString& locale);

    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};
