#include "CatalogSeed.h"
#include "GrocelleTest.h"
#include "ThrowawayServer.h"

#include "list/ItemChanges.h"
#include "platform/Translations.h"
#include "store/access/CAdoConnection.h"
#include "store/access/CAdoException.h"
#include "store/catalog/Catalog.h"
#include "store/catalog/CatalogFailure.h"
#include "store/journal/Journal.h"

#include <QCoreApplication>

#include <libpq-fe.h>

#include <memory>

namespace
{
QString failureText(const char* source)
{
    return QCoreApplication::translate("CatalogFailure", source);
}

// The failure that setQuantity raises, with a default one when it succeeds.
CAdoException failureOfSetQuantity(CAdoConnection& connection, int id, int quantity)
{
    try {
        ItemChanges::setQuantity(connection, id, quantity);
    } catch (const CAdoException& error) {
        return error;
    }
    return CAdoException(0, 0);
}
} // namespace

// The catalog's failures in another language: the user reads them in that
// language, and the program tells them apart as it does in English.
class TranslatedFailureTest : public GrocelleTest
{
protected:
    void TearDown() override
    {
        Translations::install(QStringLiteral("en"));
        GrocelleTest::TearDown();
    }
};

TEST_F(TranslatedFailureTest, AGoneItemAndAJournalRefusalAreToldInGermanAndChosenAsInEnglish)
{
    CatalogSeed::write({SeedItem{QStringLiteral("Milk"), 1}, SeedItem{QStringLiteral("Tea"), 2}});
    CAdoConnection connection(true);
    ASSERT_EQ(connection.Open(CatalogSeed::path()), 0) << connection.lastError().toStdString();
    ItemChanges::setQuantity(connection, 2, 3);

    for (const char* language : {"en", "de"}) {
        SCOPED_TRACE(language);
        ASSERT_TRUE(Translations::install(QString::fromLatin1(language)));
        const bool german = qstrcmp(language, "de") == 0;

        // An item deleted by another program: a write that was refused, and
        // told as such; the phone tells it apart as a gone item.
        const CAdoException gone = failureOfSetQuantity(connection, 99, 4);
        EXPECT_EQ(gone.m_nCode, CAdoException::CannotWrite);
        EXPECT_EQ(CatalogFailure::text(gone),
                  failureText("The change was not saved: the catalog could not be written."));
        EXPECT_EQ(CatalogFailure::detail(gone),
                  german ? QStringLiteral("Fehler -18: Der Artikel ist nicht mehr im Katalog.")
                         : QStringLiteral("Error -18: The item no longer exists in the catalog."));
        EXPECT_EQ(gone.kind(), CAdoException::Kind::Gone);
        EXPECT_EQ(gone.describe(), german ? QStringLiteral("Der Katalog ließ sich nicht schreiben (Fehler -18). Der "
                                                           "Artikel ist nicht mehr im Katalog.")
                                          : QStringLiteral("The catalog could not be written (error -18). The item "
                                                           "no longer exists in the catalog."));

        // The journal refuses to undo over another program's change.
        ASSERT_TRUE(CatalogSeed::exec(QStringLiteral("UPDATE ShoppingLists SET QtyToBuy = 7 WHERE ID = 2")));
        const Journal::Outcome refused = Journal(connection).undo();
        EXPECT_FALSE(refused.done);
        const QString label = Journal(connection).nextUndo()->label;
        EXPECT_EQ(refused.message,
                  german ? QStringLiteral("„%1“ kann nicht rückgängig gemacht "
                                          "werden: 1 Artikel wurde seither geändert, und das Rückgängigmachen würde "
                                          "diese Änderung überschreiben. Es wurde nichts geändert.")
                               .arg(label)
                         : QStringLiteral("\u201c%1\u201d cannot be undone: 1 item has changed "
                                          "since, and undoing it would overwrite those changes.  Nothing was "
                                          "changed.")
                               .arg(label));
        EXPECT_EQ(Journal(connection).redo().message, german ? QStringLiteral("Es gibt nichts zu wiederholen.")
                                                             : QStringLiteral("There is nothing to redo."));
        ASSERT_TRUE(CatalogSeed::exec(QStringLiteral("UPDATE ShoppingLists SET QtyToBuy = 3 WHERE ID = 2")));
    }
}

TEST_F(TranslatedFailureTest, AServerAwayAndAnotherProgramsLockAreToldInGermanAndChosenAsInEnglish)
{
    ThrowawayServer server;
    QString why;
    if (!server.create(why)) {
        GTEST_SKIP() << why.toStdString();
    }
    ASSERT_EQ(Catalog::prepareFile(server.uri()), Catalog::FileState::Created);
    const QString uri = server.uri() + QStringLiteral("&connect_timeout=2");
    Catalog::setLocation(uri);
    {
        CAdoConnection seed(true);
        ASSERT_EQ(seed.Open(uri), 0) << seed.lastError().toStdString();
        ASSERT_TRUE(seed.Execute(QStringLiteral("INSERT INTO ShoppingLists (ID, ItemName, QtyToBuy) VALUES "
                                                "(1, 'Milk', 1), (2, 'Tea', 2)")));
    }
    for (const char* language : {"en", "de"}) {
        SCOPED_TRACE(language);
        ASSERT_TRUE(Translations::install(QString::fromLatin1(language)));
        const bool german = qstrcmp(language, "de") == 0;
        // The language is chosen before the catalog is opened, as at start.
        CAdoConnection connection(true);
        ASSERT_EQ(connection.Open(uri), 0) << connection.lastError().toStdString();
        const QString named = Catalog::displayName();
        EXPECT_EQ(named.startsWith(QLatin1String("PostgreSQL-Server ")), german) << named.toStdString();

        // Another program holds the row: the one sentence for that, which
        // the phone tells apart too.
        const std::unique_ptr<PGconn, decltype(&PQfinish)> other(PQconnectdb(server.uri().toUtf8().constData()),
                                                                 &PQfinish);
        ASSERT_EQ(PQstatus(other.get()), CONNECTION_OK);
        PQclear(PQexec(other.get(), "BEGIN"));
        PQclear(PQexec(other.get(), "SELECT * FROM ShoppingLists WHERE ID = 1 FOR UPDATE"));
        const CAdoException locked = failureOfSetQuantity(connection, 1, 5);
        PQclear(PQexec(other.get(), "COMMIT"));
        EXPECT_EQ(CatalogFailure::text(locked),
                  german ? QStringLiteral("Ein anderes Programm ändert gerade diesen Artikel; versuchen Sie es erneut.")
                         : QStringLiteral("Another program is changing this item; try again."));
        EXPECT_EQ(locked.kind(), CAdoException::Kind::Locked) << locked.m_strDetail.toStdString();

        // A server that stopped answering: named, in the user's words.
        ASSERT_TRUE(server.pause());
        EXPECT_FALSE(connection.Execute(QStringLiteral("UPDATE ShoppingLists SET QtyToBuy = 5 WHERE ID = 2")));
        const CAdoException slow = CAdoException::withDetail(CAdoException::CannotWrite, __LINE__,
                                                             connection.lastError(), connection.lastFailureKind());
        ASSERT_TRUE(server.resume());
        EXPECT_EQ(CatalogFailure::text(slow), failureText("The %1 did not answer in time.").arg(named));
        EXPECT_EQ(slow.kind(), CAdoException::Kind::TooSlow) << slow.m_strDetail.toStdString();
        EXPECT_TRUE(slow.m_strDetail.contains(german ? QStringLiteral("nicht innerhalb von 2 Sekunden geantwortet")
                                                     : QStringLiteral("did not answer within 2 seconds")))
            << slow.m_strDetail.toStdString();

        // Stopped outright: it cannot be reached.
        ASSERT_TRUE(server.stopImmediately());
        const CAdoException away = failureOfSetQuantity(connection, 2, 6);
        ASSERT_TRUE(server.start());
        EXPECT_EQ(CatalogFailure::text(away), failureText("The %1 cannot be reached.").arg(named))
            << away.m_strDetail.toStdString();
        EXPECT_EQ(away.kind(), CAdoException::Kind::ServerAway) << away.m_strDetail.toStdString();
        if (german) {
            EXPECT_EQ(CatalogFailure::text(away), QStringLiteral("Nicht erreichbar: %1.").arg(named));
        }
    }
}
