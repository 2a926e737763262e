#pragma once

#include "store/catalog/PricePoint.h"
#include "transfer/TransferFile.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class CAdoConnection;
class JournalAction;
struct ImportTarget;

// What an import would do to the catalog, worked out before anything is
// written: each item of the file matched to the catalog by name (letter case
// aside, as the catalog compares names) and sorted into new, changed (with
// the columns that change), unchanged and refused. A line that may be no item
// (a sentence), or whose quantity is in another unit than the item's, is a
// question: planned, but written only once the user ticks it. apply() then
// writes it in one transaction, as one action of the undo journal.
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
        // Why the item is a question: it is written only once chosen.
        QString doubt;
        // What the plan decided on its own ("500 g is 0.5 kg").
        QString note;
        bool chosen = true;
        // A question that cannot be ticked (a name too long for the catalog).
        bool fixed = false;

        QString name() const;
        QStringList barcodes;           // the file's codes for the item
        std::vector<PricePoint> prices; // and its prices seen
    };
    // Asked now and then with the share done (0 to 1); false stops the work.
    using Progress = std::function<bool(double done)>;

    // Reads the catalog and plans file's items. Raises CAdoException when
    // the catalog cannot be read. cancelled() tells whether progress stopped it.
    ImportPlan(CAdoConnection& connection, const TransferFile& file, const Options& options,
               const Progress& progress = {});
    // The plan for a catalog that does not exist yet: every item is new.
    ImportPlan(const TransferFile& file, const Options& options);

    const std::vector<Item>& items() const { return m_items; }
    // The file's refusals and the plan's own, in line order.
    const std::vector<TransferFile::Problem>& refused() const { return m_refused; }
    // Chosen items of that kind.
    int count(Item::Kind kind) const;
    // Items the import writes: new and changed, chosen.
    int writes() const { return count(Item::Kind::New) + count(Item::Kind::Changed); }
    // Questions left unticked.
    int unchosen() const;
    // Ticks or unticks a question (a fixed one stays unticked).
    void choose(size_t index, bool chosen);
    // One line for each item the plan adds or changes, or asks about, sorted
    // by name: "Milk: QtyToBuy 1 → 2", "Bread (new): QtyToBuy 2, ...".
    QStringList lines() const;
    static QString describe(const Item& item);
    // Indexes of items() in the order of lines().
    std::vector<size_t> shownOrder() const;
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
    void plan(const TransferFile& file, const Options& options, ImportTarget& catalog, const Progress& progress);
    void planNew(const TransferRecord& record, const Options& options, ImportTarget& catalog);
    bool planExisting(const TransferRecord& record, const Options& options, const std::vector<SqlValue>& row,
                      QString& reason);
    // The quantity of a typed line for the item `name`, sold by `unit`:
    // converted in record (told in the note), or a question (doubt) when the
    // units do not convert.
    static void weighUnit(TransferRecord& record, const QString& name, const QString& unit, Item& item);
    void attachBarcodes(CAdoConnection& connection, JournalAction& action) const;

    std::vector<Item> m_items;
    std::vector<TransferFile::Problem> m_refused;
    bool m_cancelled = false;
};
