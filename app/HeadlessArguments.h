#pragma once

#include "app/HeadlessServer.h"

#include <QString>
#include <QStringList>

#include <optional>

// Reads the command line of the window-less commands (--serve and the device
// commands). Its mistakes keep the wording and translations of HeadlessServer.
class HeadlessArguments
{
public:
    // The options, or nullopt with the reason in words.
    static std::optional<HeadlessServer::Options> parse(const QStringList& arguments, QString* reason);
};
