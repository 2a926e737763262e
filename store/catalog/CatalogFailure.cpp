#include "store/catalog/CatalogFailure.h"

#include "store/access/CAdoException.h"
#include "store/access/CatalogLocation.h"
#include "store/access/FailureText.h"
#include "store/catalog/Catalog.h"
#include "store/postgres/PgSession.h"

#include <QCoreApplication>

QString CatalogFailure::text(const CAdoException& error)
{
    if (error.kind() == CAdoException::Kind::Locked) {
        return lockedElsewhere();
    }
    // A catalog on a server that went away: the user's terms are the server
    // and that it cannot be reached, whatever the command was doing.
    const QString chosen = CatalogLocation::chosen();
    if (error.serverAway() && PgSession::isUri(chosen)) {
        const QString server = Catalog::displayName();
        if (error.kind() == CAdoException::Kind::TooSlow) {
            return QCoreApplication::translate("CatalogFailure", "The %1 did not answer in time.").arg(server);
        }
        return QCoreApplication::translate("CatalogFailure", "The %1 cannot be reached.").arg(server);
    }
    switch (error.m_nCode) {
    case CAdoException::CannotWrite:
        return QCoreApplication::translate("CatalogFailure",
                                           "The change was not saved: the catalog could not be written.");
    case CAdoException::ValueRefused:
        return QCoreApplication::translate("CatalogFailure", "The change was not saved: the catalog refused a value.");
    case CAdoException::CannotRead:
        return QCoreApplication::translate("CatalogFailure", "The catalog could not be read.");
    case CAdoException::NotANumber:
        return QCoreApplication::translate("CatalogFailure", "The catalog holds text where a number belongs.");
    case CAdoException::CannotCreate:
    case CAdoException::CannotOpen:
        return QCoreApplication::translate("CatalogFailure", "The catalog could not be opened.");
    default:
        return QCoreApplication::translate("CatalogFailure", "The catalog reported a failure.");
    }
}

QString CatalogFailure::lockedElsewhere()
{
    return FailureText::lockedElsewhere();
}

QString CatalogFailure::detail(const CAdoException& error)
{
    if (error.m_strDetail.isEmpty()) {
        return QCoreApplication::translate("CatalogFailure", "Error %1").arg(error.m_nCode);
    }
    return QCoreApplication::translate("CatalogFailure", "Error %1: %2")
        .arg(QString::number(error.m_nCode), error.m_strDetail);
}
