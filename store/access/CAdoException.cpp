#include "store/access/CAdoException.h"

#include <utility>

CAdoException::CAdoException(int code, int line, QString file)
    : m_nLine(line)
    , m_strFile(std::move(file))
    , m_nCode(code)
{
}

CAdoException CAdoException::withDetail(int code, int line, const QString& detail)
{
    CAdoException error(code, line);
    error.m_strDetail = detail;
    return error;
}

const char* CAdoException::what() const noexcept
{
    return "CAdoException";
}

QString CAdoException::describe() const
{
    QString text;
    switch (m_nCode) {
    case NotANumber:
        text = QStringLiteral("A value of the catalog is not a number");
        break;
    case CannotCreate:
        text = QStringLiteral("The catalog store could not be started");
        break;
    case CannotOpen:
        text = QStringLiteral("The catalog could not be opened");
        break;
    case ValueRefused:
        text = QStringLiteral("The catalog refused a value");
        break;
    case CannotRead:
        text = QStringLiteral("A value of the catalog could not be read");
        break;
    case CannotWrite:
        text = QStringLiteral("The catalog could not be written");
        break;
    default:
        text = QStringLiteral("The catalog reported a failure");
        break;
    }
    text += QStringLiteral(" (error %1).").arg(m_nCode);
    if (!m_strDetail.isEmpty()) {
        text += QLatin1Char(' ') + m_strDetail;
        if (!m_strDetail.endsWith(QLatin1Char('.'))) {
            text += QLatin1Char('.');
        }
    }
    return text;
}
