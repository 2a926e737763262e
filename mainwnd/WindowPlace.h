#pragma once

class CRegistry;
class QWidget;

// Where the main window was left and how large: kept in the settings when the
// window ends, and given back to it on the next start.
class WindowPlace
{
public:
    static void save(const QWidget& window, const CRegistry& registry);
    // Does nothing when no place was kept. A place on a screen that is gone
    // is brought onto one that is there, and a size larger than that screen
    // comes down to it.
    static void restore(QWidget& window, const CRegistry& registry);

    // The settings value that holds the place.
    static const char* valueName() { return "WindowGeometry"; }
};
