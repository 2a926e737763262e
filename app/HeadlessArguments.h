#pragma once

#include "app/HeadlessServer.h"

#include <QString>
#include <QStringList>

#include <optional>

class CommandLine;

// The options of the window-less commands (--serve and the device commands),
// read from the program's command line as its one option table parsed it:
// the values checked, one device command at a time. Its mistakes keep the
// wording and translations of HeadlessServer.
class HeadlessArguments
{
public:
    // The options, or nullopt with the reason in words.
    static std::optional<HeadlessServer::Options> read(const CommandLine& commandLine, QString* reason);
    // The same for the program's arguments (its name first).
    static std::optional<HeadlessServer::Options> parse(const QStringList& arguments, QString* reason);
};
