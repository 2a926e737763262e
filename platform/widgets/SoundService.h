#pragma once

#include <QString>

#include <functional>

// Plays the program's short wave files asynchronously. The call returns at
// once; a missing file or a machine without audio plays nothing. Tests install
// a handler that records the requests instead.
class SoundService
{
public:
    using Handler = std::function<void(const QString& devicePath)>;

    // devicePath is the handheld's path ("\WINDOWS\MENUPOP.WAV"): the device
    // folder's file of that name when present, else the built-in sound.
    static void play(const QString& devicePath);

    // An empty handler restores real playback.
    static void setHandler(Handler handler);

    // Name of the built-in resource for a device path ("sounds/menupop.wav").
    static QString resourceFor(const QString& devicePath);
};
