#include "store/access/CAdoException.h"

#include <QCoreApplication>

#include <utility>

CAdoException::CAdoException(int code, int line, QString file)
    : m_nLine(line)
    , m_strFile(std::move(file))
    , m_nCode(code)
{
}

CAdoException CAdoException::withDetail(int code, int line, const QString& detail, Kind kind)
{
    CAdoException error(code, line);
    error.m_strDetail = detail;
    error.m_kind = kind;
    return error;
}

const char* CAdoException::what() const noexcept
{
    return "CAdoException";
}

QString CAdoException::describe() const
{
    const char* sentence = nullptr;
    switch (m_nCode) {
    case NotANumber:
        sentence = QT_TRANSLATE_NOOP("CAdoException", "A value of the catalog is not a number (error %1).");
        break;
    case CannotCreate:
        sentence = QT_TRANSLATE_NOOP("CAdoException", "The catalog store could not be started (error %1).");
        break;
    case CannotOpen:
        sentence = QT_TRANSLATE_NOOP("CAdoException", "The catalog could not be opened (error %1).");
        break;
    case ValueRefused:
        sentence = QT_TRANSLATE_NOOP("CAdoException", "The catalog refused a value (error %1).");
        break;
    case CannotRead:
        sentence = QT_TRANSLATE_NOOP("CAdoException", "A value of the catalog could not be read (error %1).");
        break;
    case CannotWrite:
        sentence = QT_TRANSLATE_NOOP("CAdoException", "The catalog could not be written (error %1).");
        break;
    default:
        sentence = QT_TRANSLATE_NOOP("CAdoException", "The catalog reported a failure (error %1).");
        break;
    }
    QString text = QCoreApplication::translate("CAdoException", sentence).arg(m_nCode);
    if (!m_strDetail.isEmpty()) {
        text += QLatin1Char(' ') + m_strDetail;
        if (!m_strDetail.endsWith(QLatin1Char('.'))) {
            text += QLatin1Char('.');
        }
    }
    return text;
}
