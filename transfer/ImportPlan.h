#pragma once

#include "transfer/TransferFile.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class CAdoConnection;

// What an import would do to the catalog, worked out before anything is
// written: each item of the file matched to the catalog by name (letter case
// aside, as the catalog compares names) and sorted into new, changed (with
// the columns that change), unchanged and refused. apply() then writes it in
// one transaction, as one action of the undo journal.
class ImportPlan
{
    Q_DECLARE_TR_FUNCTIONS(ImportPlan)

public:
    enum class Quantities
    {
        Set, // an existing item takes the file's quantity
        Add  // the file's quantity is added to the item's
    };
    struct Options
    {
        Quantities quantities = Quantities::Set;
        // Department and store of new items the file gives none.
        QString newDept;
        QString newStore;
    };
    struct Item
    {
        enum class Kind
        {
            New,
            Changed,
            Unchanged
        };
        Kind kind = Kind::New;
        int line = 0;
        std::vector<SqlValue> before; // the catalog's row (Changed, Unchanged)
        std::vector<SqlValue> after;  // the row as it will be
        QStringList columns;          // the columns that change (Changed)
    };
    // Asked now and then with the share done (0 to 1); false stops the work.
    using Progress = std::function<bool(double done)>;

    // Reads the catalog and plans file's items. Raises CAdoException when
    // the catalog cannot be read. cancelled() tells whether progress stopped it.
    ImportPlan(CAdoConnection& connection, const TransferFile& file, const Options& options,
               const Progress& progress = {});

    const std::vector<Item>& items() const { return m_items; }
    // The file's refusals and the plan's own, in line order.
    const std::vector<TransferFile::Problem>& refused() const { return m_refused; }
    int count(Item::Kind kind) const;
    // Items the import writes: new and changed.
    int writes() const { return count(Item::Kind::New) + count(Item::Kind::Changed); }
    bool cancelled() const { return m_cancelled; }
    // "12 new, 3 changed (QtyToBuy 3, Price 1), 40 unchanged, 2 refused."
    QString summary() const;
    // The journal's name for the import of this plan from sourceName.
    QString label(const QString& sourceName) const;

    // Writes the new and changed items in one transaction, recorded as one
    // action of the undo journal labelled label(sourceName). Returns false,
    // having written nothing, when progress asked to stop. Raises
    // CAdoException when the catalog refuses a row; nothing is then kept.
    bool apply(CAdoConnection& connection, const QString& sourceName, const Progress& progress = {});

private:
    struct Catalog;
    void plan(const TransferFile& file, const Options& options, Catalog& catalog, const Progress& progress);
    void planNew(const TransferRecord& record, const Options& options, Catalog& catalog);
    bool planExisting(const TransferRecord& record, const Options& options, const std::vector<SqlValue>& row,
                      QString& reason);

    std::vector<Item> m_items;
    std::vector<TransferFile::Problem> m_refused;
    bool m_cancelled = false;
};
