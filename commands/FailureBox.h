#pragma once

#include <QString>

class CAdoException;
class QWidget;

// A failure of the catalog shown to the user in a box: the message in the
// user's terms, the store's own words in the box's detail.
class FailureBox
{
public:
    // lead says what the command could not do and may be empty.
    static void show(const CAdoException& error, QWidget* parent, const QString& lead = QString());
};
