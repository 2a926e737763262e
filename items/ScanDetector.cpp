#include "items/ScanDetector.h"

#include "platform/CRegistry.h"

namespace
{
int within(qint32 value, int low, int high, int fallback)
{
    return value >= low && value <= high ? value : fallback;
}
} // namespace

ScanDetector::Settings ScanDetector::fromRegistry(const CRegistry& registry)
{
    const Settings defaults;
    Settings settings;
    // A person's fastest keys follow each other at some 50 ms; a gap beyond
    // 200 ms would take typing for a scanner.
    settings.keyGapMs = within(registry.GetDword(QStringLiteral("ScanKeyGap")), 5, 200, defaults.keyGapMs);
    settings.minLength = within(registry.GetDword(QStringLiteral("ScanMinLength")), 4, 40, defaults.minLength);
    return settings;
}

ScanDetector::ScanDetector(Settings settings)
    : m_settings(settings)
{
}

bool ScanDetector::typed(QChar c, qint64 at)
{
    const bool fresh = m_keys.isEmpty() || at - m_last > m_settings.keyGapMs || at < m_last;
    if (fresh) {
        m_keys.clear();
    }
    m_keys += c;
    m_last = at;
    return fresh;
}

QString ScanDetector::enter(qint64 at)
{
    const bool scan = m_keys.size() >= m_settings.minLength && at >= m_last && at - m_last <= m_settings.keyGapMs;
    const QString code = scan ? m_keys : QString();
    reset();
    return code;
}

void ScanDetector::reset()
{
    m_keys.clear();
    m_last = 0;
}
