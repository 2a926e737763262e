#include "store/access/CAdoRecordset.h"

#include <QCoreApplication>

#include "store/access/AdoDetail.h"
#include "store/access/CAdoConnection.h"
#include "store/access/CAdoException.h"
#include "store/access/IConnectionBackend.h"

using ado_detail::Column;
using ado_detail::SharedConnection;
using ado_detail::Value;
using ado_detail::ValueView;

CAdoRecordset::CAdoRecordset()
    : m_field(*this)
{
}

CAdoRecordset::~CAdoRecordset()
{
    Close();
}

bool CAdoRecordset::Open(const QString& sql, const CAdoConnection& connection, int cursorType, int lockType,
                         int options)
{
    Q_UNUSED(options); // the store tells statements apart by itself
    return Open(sql, {}, connection, cursorType, lockType);
}

bool CAdoRecordset::Open(const QString& sql, const std::vector<SqlValue>& parameters, const CAdoConnection& connection,
                         int cursorType, int lockType)
{
    Close();
    const std::shared_ptr<SharedConnection>& shared = connection.shared();
    if (!shared || !shared->isOpen()) {
        if (shared) {
            shared->noteError(QCoreApplication::translate("CAdoRecordset", "the catalog is not open"));
            m_failure = shared->lastError;
            m_failureKind = shared->lastKind;
        }
        return false;
    }
    try {
        m_connection = shared;
        m_generation = shared->generation;
        m_keyset = cursorType >= adOpenKeyset;
        m_readOnly = !m_keyset || lockType == adLockReadOnly;
        IConnectionBackend* engine = shared->engine();
        m_rows = engine ? engine->query(sql.toUtf8(), parameters, m_keyset, m_readOnly) : nullptr;
        if (!m_rows) {
            Close();
            m_failure = shared->lastError;
            m_failureKind = shared->lastKind;
            return false;
        }
        const size_t width = m_rows->columns().size();
        m_pending.assign(width, Value());
        m_dirty.assign(width, 0);
        m_open = true;
        return true;
    } catch (...) {
        Close();
        m_failure = shared->lastError;
        m_failureKind = shared->lastKind;
        return false;
    }
}

bool CAdoRecordset::alive() const
{
    return m_connection && m_connection->isOpen() && m_connection->generation == m_generation;
}

bool CAdoRecordset::onRow() const
{
    // A forward-only set ends with its connection, wherever its rows are.
    return m_open && m_rows->onRow() && (m_keyset || alive());
}

bool CAdoRecordset::isOpen() const
{
    return m_open;
}

bool CAdoRecordset::IsEOF() const
{
    return !onRow();
}

void CAdoRecordset::dropPending()
{
    if (m_dirtyCount == 0) {
        return;
    }
    for (size_t i = 0; i < m_dirty.size(); ++i) {
        if (m_dirty[i]) {
            m_dirty[i] = 0;
            m_pending[i].text = QString();
        }
    }
    m_dirtyCount = 0;
}

bool CAdoRecordset::MoveNext()
{
    if (!m_open) {
        return false;
    }
    dropPending();
    if (!m_keyset && (!alive() || !m_rows->onRow())) {
        return false;
    }
    return m_rows->next();
}

bool CAdoRecordset::MoveLast()
{
    if (!m_open) {
        return false;
    }
    dropPending();
    if (!m_keyset && !alive()) {
        return false;
    }
    return m_rows->last();
}

long CAdoRecordset::GetRecordCount()
{
    return m_open ? m_rows->count(alive()) : -1;
}

int CAdoRecordset::GetFieldCount()
{
    return m_open ? static_cast<int>(m_rows->columns().size()) : -1;
}

CAdoField& CAdoRecordset::GetField(int position)
{
    m_field.m_column = column(position) ? position : -1;
    return m_field;
}

const Column* CAdoRecordset::column(int position) const
{
    if (!m_open || position < 0 || position >= static_cast<int>(m_rows->columns().size())) {
        return nullptr;
    }
    return &m_rows->columns()[static_cast<size_t>(position)];
}

const Column& CAdoRecordset::writableColumn(int position) const
{
    const Column* found = column(position);
    if (!found || !onRow() || !m_keyset || m_readOnly || !m_rows->writable()
        || found->kind == ado_detail::Kind::Computed || found->origin.isEmpty()) {
        if (m_failure.isEmpty()) {
            ADO_RAISE_DETAIL(CAdoException::ValueRefused,
                             QCoreApplication::translate("CAdoRecordset", "This value cannot be changed here."));
        }
        ADO_RAISE_KIND(CAdoException::ValueRefused, m_failure, m_failureKind);
    }
    return *found;
}

ValueView CAdoRecordset::valueAt(int column) const
{
    const size_t index = static_cast<size_t>(column);
    if (m_dirty[index]) {
        return ValueView::of(m_pending[index]);
    }
    return m_rows->value(column);
}

void CAdoRecordset::setValue(int column, Value&& value)
{
    const size_t index = static_cast<size_t>(column);
    if (!m_dirty[index]) {
        m_dirty[index] = 1;
        ++m_dirtyCount;
    }
    m_pending[index] = std::move(value);
}

void CAdoRecordset::Update()
{
    if (!onRow()) {
        if (m_failure.isEmpty()) {
            ADO_RAISE_DETAIL(CAdoException::CannotWrite,
                             QCoreApplication::translate("CAdoRecordset", "There is no current item to write."));
        }
        ADO_RAISE_KIND(CAdoException::CannotWrite, m_failure, m_failureKind);
    }
    if (m_dirtyCount == 0) {
        return;
    }
    if (!m_keyset || !m_rows->writable() || m_readOnly) {
        ADO_RAISE_DETAIL(CAdoException::CannotWrite,
                         QCoreApplication::translate("CAdoRecordset", "These rows cannot be written."));
    }
    IConnectionBackend* engine = alive() ? m_connection->engine() : nullptr;
    if (!engine) {
        ADO_RAISE_DETAIL(CAdoException::CannotWrite,
                         QCoreApplication::translate("CAdoRecordset", "The catalog is not open."));
    }
    std::vector<int> columns;
    std::vector<Value> values;
    columns.reserve(static_cast<size_t>(m_dirtyCount));
    values.reserve(static_cast<size_t>(m_dirtyCount));
    for (size_t c = 0; c < m_dirty.size(); ++c) {
        if (m_dirty[c]) {
            columns.push_back(static_cast<int>(c));
            values.push_back(m_pending[c]);
        }
    }
    m_rows->write(*engine, columns, values);
    for (const int c : columns) {
        m_dirty[static_cast<size_t>(c)] = 0;
        m_pending[static_cast<size_t>(c)].text = QString();
    }
    m_dirtyCount = 0;
}

void CAdoRecordset::Close() noexcept
{
    m_rows.reset();
    m_open = false;
    m_pending.clear();
    m_dirty.clear();
    m_dirtyCount = 0;
    m_field.m_column = -1;
    m_connection.reset();
    m_generation = 0;
    m_failure.clear();
    m_failureKind = CAdoException::Kind::Other;
}
