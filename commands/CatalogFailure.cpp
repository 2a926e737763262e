#include "commands/CatalogFailure.h"

#include "platform/MessageService.h"
#include "store/access/CAdoException.h"
#include "store/catalog/Catalog.h"

QString CatalogFailure::text(const CAdoException& error)
{
    // A catalog on a server that went away: the user's terms are the server
    // and that it cannot be reached, whatever the command was doing.
    const QString server = Catalog::displayName();
    if (!server.isEmpty() && !error.m_strDetail.isEmpty() && error.m_strDetail.contains(server)) {
        return QStringLiteral("The %1 cannot be reached.").arg(server);
    }
    switch (error.m_nCode) {
    case CAdoException::CannotWrite:
        return QStringLiteral("The change was not saved: the catalog could not be written.");
    case CAdoException::ValueRefused:
        return QStringLiteral("The change was not saved: the catalog refused a value.");
    case CAdoException::CannotRead:
        return QStringLiteral("The catalog could not be read.");
    case CAdoException::NotANumber:
        return QStringLiteral("The catalog holds text where a number belongs.");
    case CAdoException::CannotCreate:
    case CAdoException::CannotOpen:
        return QStringLiteral("The catalog could not be opened.");
    default:
        return QStringLiteral("The catalog reported a failure.");
    }
}

QString CatalogFailure::detail(const CAdoException& error)
{
    QString text = QStringLiteral("Error %1").arg(error.m_nCode);
    if (!error.m_strDetail.isEmpty()) {
        text += QStringLiteral(": ") + error.m_strDetail;
    }
    return text;
}

void CatalogFailure::show(const CAdoException& error, QWidget* parent, const QString& lead)
{
    const QString message = lead.isEmpty() ? text(error) : lead + QStringLiteral("  ") + text(error);
    MessageService::showFailure(message, detail(error), parent);
}
