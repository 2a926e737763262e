// The journal's change format: no crash and no read beyond the text on any
// input; text that reads as changes writes back to text that reads as the
// same changes, and writing those again gives the same text.
#include "FuzzCheck.h"

#include "store/journal/RowChange.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace
{
QString format(const std::vector<RowChange>& changes)
{
    QString text;
    const QStringList* previous = nullptr;
    for (const RowChange& change : changes) {
        change.appendTo(text, previous);
        previous = &change.columns;
    }
    return text;
}

bool same(const std::vector<RowChange>& a, const std::vector<RowChange>& b)
{
    if (a.size() != b.size()) {
        return false;
    }
    for (size_t i = 0; i < a.size(); ++i) {
        if (a[i].kind != b[i].kind || !(a[i].id == b[i].id) || a[i].columns != b[i].columns
            || a[i].before != b[i].before || a[i].after != b[i].after || a[i].table != b[i].table) {
            return false;
        }
    }
    return true;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // Journal text comes from the catalog as UTF-16; odd bytes make it any
    // sequence of units, lone surrogates included.
    QString text(static_cast<qsizetype>(size / 2), Qt::Uninitialized);
    std::memcpy(text.data(), data, static_cast<size_t>(text.size()) * sizeof(QChar));
    std::vector<RowChange> read;
    if (!RowChange::parse(text, read)) {
        return 0;
    }
    for (const RowChange& change : read) {
        FUZZ_CHECK(!change.columns.isEmpty(), "a change without columns", text.toUtf8());
        const auto count = static_cast<size_t>(change.columns.size());
        FUZZ_CHECK(change.before.size() == (change.kind == RowChange::Kind::Insert ? 0 : count)
                       && change.after.size() == (change.kind == RowChange::Kind::Delete ? 0 : count),
                   "values do not match the columns", text.toUtf8());
    }
    const QString written = format(read);
    std::vector<RowChange> again;
    FUZZ_CHECK(RowChange::parse(written, again), "written changes do not read", written.toUtf8());
    FUZZ_CHECK(same(read, again), "written changes read differently", written.toUtf8());
    FUZZ_CHECK(format(again) == written, "writing again gives other text", written.toUtf8());
    return 0;
}
