#include "store/access/CAdoConnection.h"

#include <QCoreApplication>

#include "store/access/AdoDetail.h"
#include "store/access/CAdoException.h"
#include "store/access/CatalogLocation.h"
#include "store/access/EngineRegistry.h"
#include "store/access/IConnectionBackend.h"

namespace ado_detail
{
SharedConnection::SharedConnection() = default;
SharedConnection::~SharedConnection() = default;

bool SharedConnection::inTransaction() const
{
    return backend && backend->inTransaction();
}

IConnectionBackend* SharedConnection::engine()
{
    if (backend) {
        backend->ensureConnected(transactionBegun);
    }
    return backend.get();
}

void SharedConnection::close() noexcept
{
    // Recordsets still holding statements keep an SQLite handle alive until
    // they finalise them; the generation tells them it is no longer theirs.
    backend.reset();
    savepointDepth = 0;
    transactionBegun = false;
    ++generation;
}

QString SharedConnection::sentence(QString text)
{
    if (!text.isEmpty()) {
        text[0] = text[0].toUpper();
    }
    return text;
}

ValueView ValueView::of(const Value& value)
{
    ValueView view;
    view.type = value.type;
    if (value.type == Value::Integer) {
        view.integer = value.integer;
    } else if (value.type == Value::Real) {
        view.real = value.real;
    } else if (value.type == Value::Text) {
        view.text = &value.text;
    }
    return view;
}

Kind kindOfDeclared(QByteArray declared, int& maxChars)
{
    maxChars = -1;
    declared = declared.trimmed().toLower();
    if (declared.isEmpty()) {
        return Kind::Untyped;
    }
    if (declared.startsWith("bit") || declared == "bool" || declared == "boolean") {
        return Kind::Bit;
    }
    if (declared.contains("char") || declared.contains("clob") || declared.contains("text")) {
        const qsizetype open = declared.indexOf('(');
        const qsizetype close = declared.indexOf(')', open);
        if (open >= 0 && close > open) {
            bool ok = false;
            const int width = declared.mid(open + 1, close - open - 1).trimmed().toInt(&ok);
            maxChars = ok && width > 0 ? width : -1;
        }
        return Kind::Text;
    }
    if (declared.contains("smallint") || declared.contains("tinyint")) {
        return Kind::SmallInt;
    }
    if (declared.contains("bigint")) {
        return Kind::Int64;
    }
    if (declared.contains("int")) {
        return Kind::Int32;
    }
    if (declared.contains("real") || declared.contains("floa") || declared.contains("doub")
        || declared.contains("numeric") || declared.contains("decimal")) {
        return Kind::Real;
    }
    return Kind::Untyped;
}
} // namespace ado_detail

using ado_detail::SharedConnection;

CAdoConnection::CAdoConnection() = default;

CAdoConnection::CAdoConnection(bool create)
{
    if (!create) {
        return;
    }
    try {
        m_object = std::make_shared<SharedConnection>();
    } catch (const std::bad_alloc&) {
        ADO_RAISE(CAdoException::CannotCreate);
    }
}

CAdoConnection& CAdoConnection::operator=(const CAdoConnection& other)
{
    if (this == &other || m_object == other.m_object) {
        return *this;
    }
    Close();
    m_object = other.m_object;
    return *this;
}

CAdoConnection::~CAdoConnection()
{
    Close();
}

int CAdoConnection::Open(const QString& path)
{
    if (!m_object) {
        try {
            m_object = std::make_shared<SharedConnection>();
        } catch (const std::bad_alloc&) {
            return CAdoException::CannotOpen;
        }
    }
    Close();
    m_object->lastError.clear();
    m_object->lastKind = CAdoException::Kind::Other;
    const QString target = CatalogLocation::resolve(path);
    m_object->location = target;
    std::unique_ptr<IConnectionBackend> backend = EngineRegistry::make(target, *m_object);
    if (!backend) {
        m_object->noteError(QCoreApplication::translate("CAdoConnection", "no catalog engine opens %1").arg(target));
        return CAdoException::CannotOpen;
    }
    if (!backend->open(target)) {
        return CAdoException::CannotOpen;
    }
    m_object->backend = std::move(backend);
    ++m_object->generation;
    return 0;
}

bool CAdoConnection::Execute(const QString& sql)
{
    return Execute(sql, {});
}

bool CAdoConnection::Execute(const QString& sql, const std::vector<SqlValue>& parameters)
{
    IConnectionBackend* engine = m_object ? m_object->engine() : nullptr;
    if (!engine) {
        if (m_object) {
            m_object->noteError(QCoreApplication::translate("CAdoConnection", "the catalog is not open"));
        }
        return false;
    }
    return engine->execute(sql.toUtf8(), parameters);
}

void CAdoConnection::Close() noexcept
{
    if (m_object) {
        m_object->close();
    }
}

bool CAdoConnection::isOpen() const
{
    return m_object && m_object->isOpen();
}

bool CAdoConnection::isPostgres() const
{
    return isOpen() && m_object->backend->kind() == IConnectionBackend::Kind::Postgres;
}

IConnectionBackend* CAdoConnection::backend() const
{
    return m_object ? m_object->backend.get() : nullptr;
}

QString CAdoConnection::location() const
{
    return m_object ? m_object->location : QString();
}

QString CAdoConnection::lastError() const
{
    return m_object ? m_object->lastError : QString();
}

CAdoException::Kind CAdoConnection::lastFailureKind() const
{
    return m_object ? m_object->lastKind : CAdoException::Kind::Other;
}

bool CAdoConnection::BeginTrans()
{
    const bool begun =
        Execute(isOpen() ? QString::fromUtf8(m_object->backend->beginStatement()) : QStringLiteral("BEGIN"));
    if (begun) {
        m_object->transactionBegun = true;
    }
    return begun;
}

bool CAdoConnection::CommitTrans()
{
    if (isOpen() && m_object->backend->transactionFailed()) {
        // The server would answer COMMIT with a rollback and no error.
        const QString reason = lastError();
        const CAdoException::Kind kind = lastFailureKind();
        RollbackTrans();
        m_object->noteError(reason.isEmpty()
                                ? QCoreApplication::translate("CAdoConnection", "the change was undone after a failure")
                                : reason,
                            kind);
        return false;
    }
    const bool committed = Execute(QStringLiteral("COMMIT"));
    if (m_object) {
        m_object->transactionBegun = false;
    }
    return committed;
}

bool CAdoConnection::RollbackTrans()
{
    const bool undone = Execute(QStringLiteral("ROLLBACK"));
    if (m_object) {
        m_object->transactionBegun = false;
    }
    return undone;
}

bool CAdoConnection::lastFailureIsTransient() const
{
    return isOpen() && m_object->backend->lastFailureIsTransient();
}
