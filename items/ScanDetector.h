#pragma once

#include <QString>

class CRegistry;

// Tells a barcode scanner from a person at the keyboard. A scanner types a
// whole code, key after key, far faster than anyone types, and ends it with
// Enter: keys that all follow each other within the key gap, at least the
// least length of them, and Enter within the gap again, are a scan. A pause
// longer than the gap starts afresh, so what a person typed before a scan
// is never part of it, and a person's typing is never one.
class ScanDetector
{
public:
    struct Settings
    {
        int keyGapMs = 30; // the longest pause between two keys of a scan
        int minLength = 8; // the fewest characters of a scan (EAN-8)
    };
    // The settings values ScanKeyGap and ScanMinLength, within sensible
    // bounds; the defaults for values missing or out of bounds.
    static Settings fromRegistry(const CRegistry& registry);

    explicit ScanDetector(Settings settings);

    // A character typed at at (milliseconds, any steady clock). True when
    // it starts a new run of keys.
    bool typed(QChar c, qint64 at);
    // Enter pressed at at: the code when the run of keys before it was a
    // scan, else empty. Either way the run is over.
    QString enter(qint64 at);
    // A key that can be no part of a code (an arrow, a held key repeating).
    void reset();

    const Settings& settings() const { return m_settings; }

private:
    Settings m_settings;
    QString m_keys;
    qint64 m_last = 0;
};
