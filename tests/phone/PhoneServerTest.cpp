#include "PhoneServerTest.h"

TEST_F(PhoneServerTest, ListIsTheNeedViewInWalkingOrderWithTotals)
{
    startOn({
        {.name = QStringLiteral("Milk"),
         .qty = 2,
         .dept = QStringLiteral("Dairy"),
         .price = 1.25,
         .deptOrder = 2,
         .notes = QStringLiteral("the blue one")},
        {.name = QStringLiteral("Apples"),
         .qty = 3,
         .dept = QStringLiteral("Produce"),
         .price = 0.5,
         .checked = 1,
         .deptOrder = 1},
        {.name = QStringLiteral("Butter"),
         .qty = 1,
         .dept = QStringLiteral("Dairy"),
         .store = QStringLiteral("Corner"),
         .price = 2.0,
         .coupon = 1,
         .deptOrder = 2},
        {.name = QStringLiteral("Salt"), .qty = 0, .dept = QStringLiteral("Baking"), .deptOrder = 0},
    });
    const Answer answer = get(QStringLiteral("/api/list"));
    ASSERT_EQ(answer.status, 200);
    const QJsonObject list = answer.json();
    QStringList names;
    for (const QJsonValue& item : list.value(QLatin1String("items")).toArray()) {
        names << item[QLatin1String("name")].toString();
    }
    EXPECT_EQ(names, (QStringList{QStringLiteral("Apples"), QStringLiteral("Butter"), QStringLiteral("Milk")}));
    const QJsonObject milk = list.value(QLatin1String("items")).toArray().at(2).toObject();
    EXPECT_EQ(milk.value(QLatin1String("qty")).toInt(), 2);
    EXPECT_DOUBLE_EQ(milk.value(QLatin1String("price")).toDouble(), 1.25);
    EXPECT_EQ(milk.value(QLatin1String("notes")).toString(), QStringLiteral("the blue one"));
    EXPECT_EQ(milk.value(QLatin1String("unit")).toString(), QStringLiteral("pkg"));
    EXPECT_TRUE(list.value(QLatin1String("items")).toArray().at(1)[QLatin1String("coupon")].toBool());
    EXPECT_EQ(list.value(QLatin1String("listTotal")).toString(), QStringLiteral("$6.00"));
    EXPECT_EQ(list.value(QLatin1String("markedTotal")).toString(), QStringLiteral("$1.50"));
    EXPECT_EQ(list.value(QLatin1String("stores")).toArray().size(), 2);

    // A store tab narrows the list to that store.
    const QJsonObject corner = get(QStringLiteral("/api/list?store=Corner")).json();
    ASSERT_EQ(corner.value(QLatin1String("items")).toArray().size(), 1);
    EXPECT_EQ(corner.value(QLatin1String("listTotal")).toString(), QStringLiteral("$2.00"));

    // The version tells the page that nothing changed, until something does.
    const QString version = list.value(QLatin1String("version")).toString();
    EXPECT_TRUE(get(QStringLiteral("/api/list?since=") + version).json().value(QLatin1String("unchanged")).toBool());
    CatalogSeed::exec(QStringLiteral("UPDATE ShoppingLists SET QtyToBuy = 5 WHERE ItemName = 'Milk'"));
    EXPECT_FALSE(get(QStringLiteral("/api/list?since=") + version).json().contains(QLatin1String("unchanged")));
}

TEST_F(PhoneServerTest, ListStatementIsTheWindowsNeedViewStatement)
{
    ViewState need;
    need.needOrder = QStringLiteral("DeptOrder, ItemName");
    QString page = PhoneApi::listSql(QStringLiteral("*"));
    page.remove(QStringLiteral(", ItemNameDetail"));
    EXPECT_EQ(page, ListStatement::compose(need));

    // A store tab binds its store, as the window's store view does.
    std::vector<SqlValue> values;
    const QString tab = PhoneApi::listSql(QStringLiteral("Kids' Corner"), &values);
    EXPECT_TRUE(tab.contains(QStringLiteral("Store = ?"))) << tab.toStdString();
    ASSERT_EQ(values.size(), 1u);
    EXPECT_EQ(values[0].toText(), QStringLiteral("Kids' Corner"));
}

TEST_F(PhoneServerTest, EveryRequestButThePageNeedsTheSecret)
{
    startOn({{.name = QStringLiteral("Milk"), .qty = 1}});
    const Answer page = get(QStringLiteral("/"), QByteArray());
    EXPECT_EQ(page.status, 200);
    EXPECT_TRUE(page.body.contains("<script>"));

    QByteArray nearlyRight = secret;
    nearlyRight[nearlyRight.size() - 1] = 'z';
    for (const QByteArray& key : {QByteArray(), QByteArray(""), nearlyRight, secret.left(10), secret + "x"}) {
        for (const QString& path : {QStringLiteral("/api/list"), QStringLiteral("/api/names?prefix=M"),
                                    QStringLiteral("/api/cheapest"), QStringLiteral("/nothing/here")}) {
            const Answer refused = get(path, key);
            EXPECT_EQ(refused.status, 401) << path.toStdString() << " " << key.toStdString();
            EXPECT_TRUE(refused.body.isEmpty());
        }
        const Answer write = post(QStringLiteral("/api/change"), R"({"id":1,"field":"Checked","from":0,"to":1})", key);
        EXPECT_EQ(write.status, 401);
    }
    EXPECT_EQ(stored(QStringLiteral("Checked"), 1), QStringLiteral("0"));

    // A new secret shuts the old one out at once.
    server->setSecret(QByteArrayLiteral("another-secret-another-secret-another-secret"));
    EXPECT_EQ(get(QStringLiteral("/api/list")).status, 401);
    EXPECT_EQ(
        get(QStringLiteral("/api/list"), QByteArrayLiteral("another-secret-another-secret-another-secret")).status,
        200);

    EXPECT_TRUE(PhoneServer::sameSecret("abc", "abc"));
    EXPECT_FALSE(PhoneServer::sameSecret("", ""));
    EXPECT_FALSE(PhoneServer::sameSecret("abc", "abd"));
    EXPECT_FALSE(PhoneServer::sameSecret("ab", "abc"));
}

TEST_F(PhoneServerTest, ChangesSetValuesAndLandOnce)
{
    startOn({
        {.name = QStringLiteral("Milk"), .qty = 3, .price = 1.0, .id = 42},
        {.name = QStringLiteral("Eggs"), .qty = 1, .checked = -1, .id = 43},
    });
    QSignalSpy changed(server.get(), &PhoneServer::catalogChanged);
    const QByteArray mark = R"({"id":42,"field":"Checked","from":0,"to":1})";
    Answer first = post(QStringLiteral("/api/change"), mark);
    ASSERT_EQ(first.status, 200);
    EXPECT_TRUE(first.json().value(QLatin1String("applied")).toBool());
    EXPECT_EQ(stored(QStringLiteral("Checked"), 42), QStringLiteral("1"));
    // Sent again (a retry after a lost answer): already so, nothing more.
    EXPECT_TRUE(post(QStringLiteral("/api/change"), mark).json().value(QLatin1String("applied")).toBool());
    EXPECT_EQ(stored(QStringLiteral("Checked"), 42), QStringLiteral("1"));

    // Quantities: 3 to 4 lands; a change made from an older 2 does not, and
    // the answer carries the stored value.
    EXPECT_TRUE(post(QStringLiteral("/api/change"), R"({"id":42,"field":"QtyToBuy","from":3,"to":4})")
                    .json()
                    .value(QLatin1String("applied"))
                    .toBool());
    const QJsonObject stale =
        post(QStringLiteral("/api/change"), R"({"id":42,"field":"QtyToBuy","from":2,"to":1})").json();
    EXPECT_FALSE(stale.value(QLatin1String("applied")).toBool());
    EXPECT_EQ(stale.value(QLatin1String("value")).toInt(), 4);
    EXPECT_EQ(stored(QStringLiteral("QtyToBuy"), 42), QStringLiteral("4"));

    // A mark of -1 from another tool counts as marked.
    EXPECT_TRUE(post(QStringLiteral("/api/change"), R"({"id":43,"field":"Checked","from":1,"to":0})")
                    .json()
                    .value(QLatin1String("applied"))
                    .toBool());
    EXPECT_EQ(stored(QStringLiteral("Checked"), 43), QStringLiteral("0"));

    // The add sets the named item's quantity, as quick entry does; 0 means 1.
    EXPECT_EQ(post(QStringLiteral("/api/add"), R"({"name":"eggs","quantity":0})").status, 200);
    EXPECT_EQ(stored(QStringLiteral("QtyToBuy"), 43), QStringLiteral("1"));

    // The window hears of the writes.
    EXPECT_TRUE(changed.count() > 0 || changed.wait(2000));
}

TEST_F(PhoneServerTest, ThePagesChangesAreJournalledAndUndo)
{
    startOn({{.name = QStringLiteral("Milk"), .qty = 3, .price = 1.0, .id = 42}});
    ASSERT_EQ(post(QStringLiteral("/api/change"), R"({"id":42,"field":"Checked","from":0,"to":1})").status, 200);
    ASSERT_EQ(post(QStringLiteral("/api/change"), R"({"id":42,"field":"QtyToBuy","from":3,"to":4})").status, 200);

    Journal journal(connection);
    const QList<Journal::Action> actions = journal.history();
    ASSERT_EQ(actions.size(), 2);
    EXPECT_EQ(actions.at(0).label, QStringLiteral("Add one: Milk"));
    EXPECT_EQ(actions.at(1).label, QStringLiteral("Mark: Milk"));
    EXPECT_TRUE(journal.undo().done);
    EXPECT_TRUE(journal.undo().done);
    EXPECT_EQ(stored(QStringLiteral("QtyToBuy"), 42), QStringLiteral("3"));
    EXPECT_EQ(stored(QStringLiteral("Checked"), 42), QStringLiteral("0"));
}

TEST_F(PhoneServerTest, BadRequestsAreRefusedWithAReasonAndChangeNothing)
{
    startOn({
        {.name = QStringLiteral("Milk"), .qty = 3, .id = 1},
        {.name = QStringLiteral("Kids' Snacks"), .qty = 0, .id = 2},
    });
    const QString before = wholeCatalog();
    const QList<QByteArray> changes = {
        "",
        "{",
        "[1,2]",
        "null",
        R"({"id":1,"field":"Checked","from":0})",
        R"({"id":1,"field":"Checked","from":0,"to":1,"extra":0})",
        R"({"id":"1","field":"Checked","from":0,"to":1})",
        R"({"id":1.5,"field":"Checked","from":0,"to":1})",
        R"({"id":1e300,"field":"Checked","from":0,"to":1})",
        R"({"id":1,"field":"Price","from":0,"to":1})",
        R"({"id":1,"field":"Checked","from":0,"to":2})",
        R"({"id":1,"field":"QtyToBuy","from":3,"to":32768})",
        R"({"id":1,"field":"QtyToBuy","from":3,"to":-1})",
        R"({"id":"1; DROP TABLE ShoppingLists","field":"QtyToBuy","from":3,"to":1})",
    };
    for (const QByteArray& body : changes) {
        const Answer answer = post(QStringLiteral("/api/change"), body);
        EXPECT_EQ(answer.status, 400) << body.toStdString();
        EXPECT_FALSE(answer.json().value(QLatin1String("error")).toString().isEmpty()) << body.toStdString();
    }
    // An item that is not there is not found.
    EXPECT_EQ(post(QStringLiteral("/api/change"), R"({"id":999,"field":"Checked","from":0,"to":1})").status, 404);
    const QList<QByteArray> adds = {
        R"({"name":"","quantity":1})",
        R"({"name":"Milk","quantity":40000})",
        R"({"name":"A name far longer than thirty characters","quantity":1})",
        R"({"name":"x' OR '1'='1","quantity":7})",
        R"({"name":"Milk'; DELETE FROM ShoppingLists; --","quantity":7})",
        R"({"name":"\ud800","quantity":1})",
        "{\"name\":\"Mi\xff\xfe\",\"quantity\":1}",
    };
    for (const QByteArray& body : adds) {
        EXPECT_EQ(post(QStringLiteral("/api/add"), body).status, 400) << body.toStdString();
    }
    EXPECT_EQ(get(QStringLiteral("/api/names?prefix=%FF%FE")).status, 400);
    // A NUL would cut a statement short: refused with a reason, in the
    // program's own words.
    for (const QString& path : {QStringLiteral("/api/list?store=B%00Mart"), QStringLiteral("/api/names?prefix=Mi%00"),
                                QStringLiteral("/api/list?store=%00")}) {
        const Answer answer = get(path);
        EXPECT_EQ(answer.status, 400) << path.toStdString();
        EXPECT_TRUE(answer.json().value(QLatin1String("error")).toString().contains(QLatin1String("NUL")))
            << answer.body.toStdString();
    }
    const Answer nul = post(QStringLiteral("/api/add"), R"({"name":"Mi\u0000lk","quantity":1})");
    EXPECT_EQ(nul.status, 400);
    EXPECT_EQ(nul.json().value(QLatin1String("error")).toString(),
              QStringLiteral("A name cannot hold a NUL character."));
    EXPECT_EQ(get(QStringLiteral("/api/list?store=") + QString(31, QLatin1Char('x'))).status, 400);
    EXPECT_EQ(wholeCatalog(), before);

    // Quotes and SQL in texts are values, never statement text.
    EXPECT_EQ(post(QStringLiteral("/api/add"), R"({"name":"Kids' Snacks","quantity":2})").status, 200);
    EXPECT_EQ(stored(QStringLiteral("QtyToBuy"), 2), QStringLiteral("2"));
    const QJsonArray found =
        get(QStringLiteral("/api/names?prefix=kids'")).json().value(QLatin1String("names")).toArray();
    ASSERT_EQ(found.size(), 1);
    EXPECT_EQ(found.at(0)[QLatin1String("name")].toString(), QStringLiteral("Kids' Snacks"));
    EXPECT_EQ(
        get(QStringLiteral("/api/list?store=x'%20OR%20'1'='1")).json().value(QLatin1String("items")).toArray().size(),
        0);
    EXPECT_EQ(get(QStringLiteral("/api/names?prefix=%25")).json().value(QLatin1String("names")).toArray().size(), 0);
}

TEST_F(PhoneServerTest, AFailureIsToldInTheProgramsWordsNeverTheEngines)
{
    startOn({{.name = QStringLiteral("Milk"), .qty = 1, .id = 1}});
    CatalogSeed::exec(QStringLiteral("ALTER TABLE ShoppingLists RENAME TO Gone"));
    for (const Answer& answer : {post(QStringLiteral("/api/add"), R"({"name":"Milk","quantity":2})"),
                                 post(QStringLiteral("/api/change"), R"({"id":1,"field":"QtyToBuy","from":1,"to":2})"),
                                 get(QStringLiteral("/api/names?prefix=Mi"))}) {
        EXPECT_GE(answer.status, 400) << answer.body.toStdString();
        const QString error = answer.json().value(QLatin1String("error")).toString();
        EXPECT_FALSE(error.isEmpty()) << answer.body.toStdString();
        EXPECT_FALSE(error.contains(QLatin1String("no such table"), Qt::CaseInsensitive)) << error.toStdString();
        EXPECT_FALSE(error.contains(QLatin1String("ShoppingLists"))) << error.toStdString();
    }
}

// Each refusal the page shows carries a code, and the values its words take,
// for the page to word it in the phone's language; the English stays as it
// was.
TEST_F(PhoneServerTest, RefusalsCarryACodeAndTheirValuesBesideTheEnglish)
{
    startOn({{.name = QStringLiteral("Milk"), .qty = 1, .id = 1}});
    const struct
    {
        Answer answer;
        int status;
        const char* code;
        QStringList values;
        const char* error;
    } cases[] = {
        {post(QStringLiteral("/api/change"), R"({"id":999,"field":"Checked","from":0,"to":1})"),
         404,
         "no-item",
         {QStringLiteral("999")},
         "There is no item 999."},
        {post(QStringLiteral("/api/add"), R"({"name":"Dragon fruit","quantity":1})"),
         400,
         "not-in-catalog",
         {QStringLiteral("Dragon fruit")},
         "\"Dragon fruit\" is not in the catalog. New items are made on the computer."},
        {post(QStringLiteral("/api/add"), R"({"name":"Milk","quantity":40000})"),
         400,
         "quantity-range",
         {QStringLiteral("32767")},
         "A quantity is a whole number from 0 to 32767."},
        {post(QStringLiteral("/api/add"), R"({"name":"A name far longer than thirty characters","quantity":1})"),
         400,
         "name-length",
         {QStringLiteral("30")},
         "A name has 1 to 30 characters."},
        {post(QStringLiteral("/api/change"), R"({"id":1,"field":"Price","from":0,"to":1})"),
         400,
         "bad-request",
         {},
         "The field is neither Checked nor QtyToBuy."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        EXPECT_EQ(c.answer.status, c.status) << c.answer.body.toStdString();
        const QJsonObject reply = c.answer.json();
        EXPECT_EQ(reply.value(QLatin1String("code")).toString(), QLatin1String(c.code));
        EXPECT_EQ(reply.value(QLatin1String("values")).toVariant().toStringList(), c.values);
        EXPECT_EQ(reply.value(QLatin1String("error")).toString(), QString::fromUtf8(c.error));
    }
    server->setReadOnly(true);
    EXPECT_EQ(post(QStringLiteral("/api/add"), R"({"name":"Milk","quantity":2})").json().value(QLatin1String("code")),
              QStringLiteral("read-only"));
    // The list says so, changed or not, for the page to tell its user.
    const QJsonObject list = get(QStringLiteral("/api/list")).json();
    EXPECT_TRUE(list.value(QLatin1String("readOnly")).toBool());
    EXPECT_TRUE(get(QStringLiteral("/api/list?since=") + list.value(QLatin1String("version")).toString())
                    .json()
                    .value(QLatin1String("readOnly"))
                    .toBool());
}

// An item gone under a write is told as gone whatever the kind the store
// gave the failure: the catalog is asked.
TEST_F(PhoneServerTest, AGoneItemIsKnownByTheCatalogNotByTheStoresWords)
{
    startOn({{.name = QStringLiteral("Milk"), .qty = 1, .id = 1}});
    const PhoneApi api(connection);
    const CAdoException::Kind words = CAdoException::Kind::Other;
    const PhoneApi::Reply gone = api.failure(words, QStringLiteral("The change could not be saved."), 2);
    EXPECT_EQ(gone.status, 404);
    const QJsonObject reply = QJsonDocument::fromJson(gone.body).object();
    EXPECT_EQ(reply.value(QLatin1String("code")).toString(), QStringLiteral("item-gone"));
    EXPECT_EQ(reply.value(QLatin1String("error")).toString(),
              QStringLiteral("The item no longer exists in the catalog."));
    // Still there: a failure of another kind, told in the fallback's words.
    const PhoneApi::Reply other = api.failure(words, QStringLiteral("The change could not be saved."), 1);
    EXPECT_EQ(other.status, 500);
    EXPECT_EQ(QJsonDocument::fromJson(other.body).object().value(QLatin1String("error")).toString(),
              QStringLiteral("The change could not be saved."));
    EXPECT_EQ(api.failure(words, QString()).status, 500);
}

TEST_F(PhoneServerTest, OnlyThePageAndTheInterfaceAreServed)
{
    startOn({{.name = QStringLiteral("Milk"), .qty = 1}});
    for (const char* path :
         {"/../../../../etc/passwd", "/%2e%2e/%2e%2e/%2e%2e/etc/passwd", "/..%2f..%2f..%2fetc%2fpasswd",
          "/%252e%252e/etc/passwd", "//etc/passwd", "/api/../../etc/passwd", "/phone/index.html",
          "/index.html/../../etc/passwd", "/api/list/../../../etc/passwd", "/.%2e/.%2e/etc/passwd", "/grocelle.qrc",
          "/shoplistdata.cdb"}) {
        const QByteArray withKey = rawGet(QString::fromLatin1(path), secret);
        EXPECT_TRUE(withKey.startsWith("HTTP/1.1 404") || withKey.startsWith("HTTP/1.1 400"))
            << path << withKey.left(40).toStdString();
        EXPECT_FALSE(withKey.contains("root:")) << path;
        EXPECT_TRUE(rawGet(QString::fromLatin1(path), "wrong").startsWith("HTTP/1.1 401")) << path;
    }
    EXPECT_TRUE(rawGet(QStringLiteral("/"), QByteArray()).startsWith("HTTP/1.1 200"));
    // Writes are POSTs, reads GETs.
    EXPECT_EQ(get(QStringLiteral("/api/change")).status, 405);
    EXPECT_EQ(wait(network.deleteResource(requestFor(QStringLiteral("/api/list"), secret))).status, 405);
}
