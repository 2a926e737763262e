#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The files beside the phone page that make it an installable app that
// opens without reception: its service worker, its manifest and its icons.
// Like the page they hold no data and are served to anyone, read from the
// program's own resources; only these exact paths are known.
class PhoneAssets
{
public:
    struct Asset
    {
        QByteArray type;         // Content-Type
        QByteArray cacheControl; // Cache-Control
        QByteArray body;
    };

    // The asset served at path (as requested, percent-encoded), or nullopt.
    static std::optional<Asset> find(const QString& path);
};
