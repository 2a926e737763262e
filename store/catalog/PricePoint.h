#pragma once

#include <QString>

// One price seen for an item at a store: what one unit cost there, at a
// moment (milliseconds since the epoch, UTC), and how it came to be known.
struct PricePoint
{
    enum class Source
    {
        Edited, // the item editor, or a store tab of the window
        Shelf,  // read off the shelf on the phone
        Import  // a file's
    };

    qint64 id = 0;
    qint64 itemId = 0;
    QString store;
    double price = 0.0;
    QString unit;
    qint64 seenAt = 0;
    Source source = Source::Edited;

    // The word a source is kept under ("edited", "shelf", "import"), and
    // back; an unknown word reads as Edited.
    static QString sourceName(Source source);
    static Source sourceFrom(const QString& name);

    // A price that can stand: finite and not below zero.
    static bool priceAcceptable(double price);
};
