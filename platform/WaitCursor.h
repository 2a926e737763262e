#pragma once

// The application's wait cursor: a counted begin/end pair. The busy cursor
// shows from the first begin until the matching last end; an end without a
// begin is ignored.
class WaitCursor
{
public:
    static void begin();
    static void end();
    static int depth();
};

// Holds the wait cursor for one scope.
class WaitCursorScope
{
public:
    WaitCursorScope() { WaitCursor::begin(); }
    ~WaitCursorScope() { WaitCursor::end(); }
    WaitCursorScope(const WaitCursorScope&) = delete;
    WaitCursorScope& operator=(const WaitCursorScope&) = delete;
};
