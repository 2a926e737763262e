#pragma once

#include "transfer/TransferFile.h"

#include <QCoreApplication>
#include <QString>
#include <QStringView>

// A list as people type or paste it: one item per line, with a quantity and
// a unit where written ("2 Milk", "Milk x2", "3 lb Apples", "Eggs (12)"),
// bullets and check boxes ("- [ ] Butter", "* Tea", "1. Rice") taken off, a
// ticked box ("- [x]") marking the item, Markdown's emphasis and links taken
// off the name. A bullet indented under an item is a note of that item. A
// line that reads as a sentence, or is longer than a name, is kept as a
// doubt (TransferRecord::doubt). Copy List's own lines ("2 loaf Bread
// (Bakery)") come back with their department, and a heading ("## Bakery")
// gives the department of the lines below it.
class PlainListReader
{
    Q_DECLARE_TR_FUNCTIONS(PlainListReader)

public:
    static void read(QStringView text, TransferFile& file);

    // One line read into record (name, quantity, maybe unit, department and
    // mark). False for a line that holds no item (blank, a heading);
    // reason is set when the line is refused.
    static bool readLine(QString line, TransferRecord& record, QString& reason, QString* heading = nullptr);

private:
    // An indented bullet's text added to record's notes; false (reason set)
    // when the notes would be too long.
    static bool addNote(QString line, TransferRecord& record, QString& reason);
};
