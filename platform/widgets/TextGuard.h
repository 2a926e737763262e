#pragma once

class QLineEdit;

// Keeps every text that reaches a one-line edit, typed, pasted or set by the
// program, free of control characters and within a number of characters
// counted as TextLimit counts them.
class TextGuard
{
public:
    // No limit on the length for maxChars < 0.
    static void guard(QLineEdit& edit, int maxChars = -1);
};
