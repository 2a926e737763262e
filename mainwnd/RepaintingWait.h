#pragma once

// While the window's thread waits for a catalog server, the windows repaint,
// lay out and follow the window system's resizes and exposes; nothing else
// runs. Input stays queued and reaches the window in order once the command
// that waited has finished, against the state that command left. Timers and
// sockets wait too (the list's background reading, the outside-change
// checks, the phone's requests), so that nothing starts a statement on the
// connection that is waiting. Events posted to the thread are delivered.
//
// Held by each main window for its lifetime, on the window's thread.
class RepaintingWait
{
public:
    RepaintingWait();
    ~RepaintingWait();
    RepaintingWait(const RepaintingWait&) = delete;
    RepaintingWait& operator=(const RepaintingWait&) = delete;

    // Does once what a wait does between its slices.
    static void pause();
};
