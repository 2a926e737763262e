#include "CatalogSeed.h"
#include "GrocelleTest.h"
#include "MainWindowHarness.h"
#include "UserInput.h"

#include "controls/CItemListCtrl.h"
#include "controls/CSoundButton.h"
#include "items/CItemDlg.h"
#include "items/CQuickEntry.h"
#include "platform/widgets/CommandIds.h"
#include "store/access/CAdoConnection.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QTabBar>
#include <QTest>
#include <QTimer>

namespace
{
SeedItem item(const QString& name, int qty, const QString& store = QStringLiteral("Acme"))
{
    return {.name = name, .qty = qty, .store = store};
}

} // namespace

class QuickEntryTest : public GrocelleTest
{
protected:
    void SetUp() override
    {
        GrocelleTest::SetUp();
        CatalogSeed::write(
            {item(QStringLiteral("Milk"), 3), item(QStringLiteral("Mints"), 0), item(QStringLiteral("Bread"), 1)});
        m_main = std::make_unique<MainWindowHarness>();
        // An editor that a test did not expect would wait for ever.
        m_guard.setInterval(3000);
        QObject::connect(&m_guard, &QTimer::timeout, [] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                ADD_FAILURE() << "an unexpected dialog opened";
                dialog->reject();
            }
        });
        m_guard.start();
    }
    void TearDown() override
    {
        m_guard.stop();
        m_main.reset();
        GrocelleTest::TearDown();
    }

    CMainDlg& window() { return m_main->window(); }
    QLineEdit& name() { return window().quickText(); }
    QLineEdit& quantity() { return window().quickQty(); }
    void press(int id) { QTest::mouseClick(window().button(id), Qt::LeftButton); }
    void type(const QString& text)
    {
        name().setFocus();
        QTest::keyClicks(&name(), text);
    }
    // Letters beyond ASCII, one key each as a keyboard layout sends them.
    void typeLetters(const QString& text)
    {
        name().setFocus();
        for (const QChar letter : text) {
            QTest::sendKeyEvent(QTest::Press, &name(), Qt::Key_unknown, QString(letter), Qt::NoModifier);
            QTest::sendKeyEvent(QTest::Release, &name(), Qt::Key_unknown, QString(letter), Qt::NoModifier);
        }
    }

    std::unique_ptr<MainWindowHarness> m_main;
    QTimer m_guard;
};

TEST_F(QuickEntryTest, TypingCompletesTheNameAndSelectsTheTail)
{
    type(QStringLiteral("mi"));
    EXPECT_EQ(name().text(), QStringLiteral("Milk"));
    EXPECT_EQ(name().selectedText(), QStringLiteral("lk"));
    EXPECT_EQ(quantity().text(), QStringLiteral("3"));

    // Deleting the completed tail brings it straight back.
    QTest::keyClick(&name(), Qt::Key_Backspace);
    EXPECT_EQ(name().text(), QStringLiteral("Milk"));
    EXPECT_EQ(name().selectedText(), QStringLiteral("lk"));

    // Typing on replaces the tail.
    QTest::keyClicks(&name(), QStringLiteral("n"));
    EXPECT_EQ(name().text(), QStringLiteral("Mints"));
    EXPECT_EQ(name().selectedText(), QStringLiteral("ts"));
    EXPECT_EQ(quantity().text(), QStringLiteral("0"));

    // Nothing matches: the boxes keep what was typed.
    name().clear();
    quantity().setText(QStringLiteral("4"));
    type(QStringLiteral("Zz"));
    EXPECT_EQ(name().text(), QStringLiteral("Zz"));
    EXPECT_EQ(quantity().text(), QStringLiteral("4"));
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(QuickEntryTest, WildcardsAndQuotesAreTypedAsThemselves)
{
    CatalogSeed::write({item(QStringLiteral("5 pack"), 1), item(QStringLiteral("5% off"), 2),
                        item(QStringLiteral("A01"), 1), item(QStringLiteral("A_1"), 6),
                        item(QStringLiteral("Kids' Snacks"), 8)});
    type(QStringLiteral("5%"));
    EXPECT_EQ(name().text(), QStringLiteral("5% off"));
    name().clear();
    type(QStringLiteral("a_"));
    EXPECT_EQ(name().text(), QStringLiteral("A_1"));
    EXPECT_EQ(quantity().text(), QStringLiteral("6"));
    name().clear();
    type(QStringLiteral("kids'"));
    EXPECT_EQ(name().text(), QStringLiteral("Kids' Snacks"));
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(QuickEntryTest, ANameTypedInAnotherCaseOfAnyLetterIsTheSameItem)
{
    ASSERT_TRUE(window().connection().Execute(
        QStringLiteral("INSERT INTO ShoppingLists (ID, ItemName, QtyToBuy, Store) VALUES (?, ?, 2, 'Acme')"),
        {SqlValue::integer(50), SqlValue::text(QString::fromUtf8("Äpfel"))}));
    ASSERT_TRUE(window().connection().Execute(
        QStringLiteral("INSERT INTO ShoppingLists (ID, ItemName, QtyToBuy, Store) VALUES (?, ?, 0, 'Acme')"),
        {SqlValue::integer(51), SqlValue::text(QString::fromUtf8("ΓΑΛΑ"))}));
    typeLetters(QString::fromUtf8("äp"));
    EXPECT_EQ(name().text(), QString::fromUtf8("Äpfel"));
    EXPECT_EQ(quantity().text(), QStringLiteral("2"));
    // The whole name typed in lower case adds to the item; no editor opens
    // for a new one.
    name().clear();
    typeLetters(QString::fromUtf8("γαλα"));
    quantity().setText(QStringLiteral("4"));
    press(ControlId::QuickAdd);
    EXPECT_EQ(CatalogSeed::stored("QtyToBuy", QString::fromUtf8("ΓΑΛΑ")), "4");
    EXPECT_EQ(CatalogSeed::count(QStringLiteral("ID > 0")), 5);
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(QuickEntryTest, PlusMinusAndClearWorkOnTheQuantityBox)
{
    press(ControlId::QuickMinus);
    EXPECT_EQ(quantity().text(), QString());
    press(ControlId::QuickPlus);
    EXPECT_EQ(quantity().text(), QStringLiteral("1"));

    // Digits only; what is typed counts.
    quantity().clear();
    QTest::keyClicks(&quantity(), QStringLiteral("4x"));
    press(ControlId::QuickMinus);
    EXPECT_EQ(quantity().text(), QStringLiteral("3"));

    quantity().setText(QStringLiteral("32767"));
    press(ControlId::QuickPlus);
    EXPECT_EQ(quantity().text(), QStringLiteral("32767"));

    name().setText(QStringLiteral("Milk"));
    press(ControlId::QuickClear);
    EXPECT_EQ(name().text(), QString());
    EXPECT_EQ(quantity().text(), QString());
}

TEST_F(QuickEntryTest, AddSetsTheQuantityAndEmptiesTheBoxes)
{
    // An empty quantity means one.
    type(QStringLiteral("Min"));
    quantity().clear();
    press(ControlId::QuickAdd);
    EXPECT_EQ(CatalogSeed::stored("QtyToBuy", "Mints"), "1");
    EXPECT_EQ(name().text(), QString());
    EXPECT_EQ(quantity().text(), QString());
    EXPECT_EQ(window().focusWidget(), &window().list());
    // The need view is rebuilt at once.
    EXPECT_EQ(m_main->column(0), QStringList({"Bread", "Milk", "Mints"}));

    // 5 replaces 3; Enter in the name box adds too.
    type(QStringLiteral("milk"));
    quantity().setText(QStringLiteral("5"));
    name().setFocus();
    QTest::keyClick(&name(), Qt::Key_Return);
    EXPECT_EQ(CatalogSeed::stored("QtyToBuy", "Milk"), "5");
    EXPECT_EQ(window().list().itemText(1, 1), QStringLiteral("5"));

    // Enter in the quantity box adds as well, keypad Enter too.
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
        type(QStringLiteral("mil"));
        quantity().setText(key == Qt::Key_Return ? QStringLiteral("7") : QStringLiteral("8"));
        quantity().setFocus();
        QTest::keyClick(&quantity(), key);
        EXPECT_EQ(CatalogSeed::stored("QtyToBuy", "Milk"), key == Qt::Key_Return ? "7" : "8");
        EXPECT_EQ(name().text(), QString());
    }
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(QuickEntryTest, EnterKeepsTheFocusForTheNextNameTyped)
{
    ASSERT_TRUE(UserInput::activate(window()));
    type(QStringLiteral("Min"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(CatalogSeed::stored("QtyToBuy", "Mints"), "1");
    EXPECT_EQ(QApplication::focusWidget(), &name());
    EXPECT_EQ(name().selectedText(), QStringLiteral("Mints"));
    EXPECT_EQ(quantity().text(), QString());

    // The next name goes where the user types it, a repaint between.
    window().repaint();
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Bre"));
    EXPECT_EQ(name().text(), QStringLiteral("Bread"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(CatalogSeed::stored("QtyToBuy", "Bread"), "1");
    EXPECT_EQ(QApplication::focusWidget(), &name());
}

TEST_F(QuickEntryTest, AddInAStoreViewUpdatesItsRowInPlace)
{
    window().tabStrip().setCurrentIndex(1);
    ASSERT_EQ(window().view().currentStore, QStringLiteral("Acme"));
    const QStringList before = m_main->column(0);
    const int row = before.indexOf(QStringLiteral("Mints"));
    type(QStringLiteral("Mints"));
    quantity().setText(QStringLiteral("2"));
    press(ControlId::QuickAdd);
    EXPECT_EQ(CatalogSeed::stored("QtyToBuy", "Mints"), "2");
    // No rebuild: the rows keep their places, and the row shows the catalog.
    EXPECT_EQ(m_main->column(0), before);
    EXPECT_EQ(window().list().itemText(row, 1), QStringLiteral("2"));

    // Add one goes on from what the catalog holds.
    window().list().selectRow(row);
    window().OnCommand(CommandId::AddOne);
    EXPECT_EQ(CatalogSeed::stored("QtyToBuy", "Mints"), "3");
    EXPECT_EQ(window().list().itemText(row, 1), QStringLiteral("3"));
}

TEST_F(QuickEntryTest, QuantityAboveTheCatalogsLimitIsRefused)
{
    type(QStringLiteral("Milk"));
    quantity().setText(QStringLiteral("40000"));
    press(ControlId::QuickAdd);
    EXPECT_EQ(messages, QStringList({QStringLiteral("Please enter a quantity from 1 to 32767 in the quantity box.")}));
    EXPECT_EQ(CatalogSeed::stored("QtyToBuy", "Milk"), "3");
    EXPECT_EQ(quantity().text(), QStringLiteral("40000"));
    EXPECT_EQ(window().focusWidget(), &quantity());
}

TEST_F(QuickEntryTest, AddWithANewNameOpensTheEditorAndEmptiesTheBoxes)
{
    for (const bool save : {false, true}) {
        SCOPED_TRACE(save ? "saved" : "cancelled");
        type(QStringLiteral("Zucchini"));
        quantity().setText(QStringLiteral("7"));
        bool seen = false;
        QObject scope;
        QTimer::singleShot(0, &scope, [&] {
            auto* dialog = qobject_cast<CItemDlg*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            seen = true;
            EXPECT_EQ(dialog->nameBox().currentText(), QStringLiteral("Zucchini"));
            EXPECT_EQ(dialog->quantityBox().text(), QStringLiteral("1"));
            // The name is new: its lists are filled as it opens.
            EXPECT_TRUE(dialog->listsFilled());
            EXPECT_GE(dialog->nameBox().findText(QStringLiteral("Milk")), 0);
            EXPECT_EQ(dialog->focusWidget(), &dialog->quantityBox());
            if (save) {
                dialog->deptBox().setEditText(QStringLiteral("Produce"));
                QTest::mouseClick(&dialog->okButton(), Qt::LeftButton);
            } else {
                QTest::mouseClick(&dialog->cancelButton(), Qt::LeftButton);
            }
            if (dialog->isVisible()) {
                dialog->reject();
            }
        });
        press(ControlId::QuickAdd);
        EXPECT_TRUE(seen);
        EXPECT_EQ(name().text(), QString());
        EXPECT_EQ(quantity().text(), QString());
        EXPECT_EQ(CatalogSeed::stored("QtyToBuy", "Zucchini"), save ? "1" : "");
    }
}

TEST_F(QuickEntryTest, CatalogThatCannotBeReadIsReportedNotTakenForANewName)
{
    // The catalog goes away under the open window (another program's doing).
    ASSERT_TRUE(CatalogSeed::exec(QStringLiteral("ALTER TABLE ShoppingLists RENAME TO Elsewhere")));
    name().setText(QStringLiteral("Milk"));
    bool editorOpened = false;
    QObject scope;
    QTimer::singleShot(0, &scope, [&] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            editorOpened = true;
            dialog->reject();
        }
    });
    press(ControlId::QuickAdd);
    EXPECT_FALSE(editorOpened);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains(QStringLiteral("could not be read"))) << messages[0].toStdString();
    // What was typed stays for another try.
    EXPECT_EQ(name().text(), QStringLiteral("Milk"));
}

TEST_F(QuickEntryTest, PastedNameLosesItsLineBreakAndEndsOnAWholeCharacter)
{
    name().setFocus();
    name().insert(QStringLiteral("Milk\r\n"));
    EXPECT_EQ(name().text(), QStringLiteral("Milk"));
    quantity().setText(QStringLiteral("6"));
    press(ControlId::QuickAdd);
    EXPECT_EQ(CatalogSeed::stored("QtyToBuy", "Milk"), "6");

    const QString grin = QStringLiteral("\U0001F600");
    name().insert(grin.repeated(40));
    EXPECT_EQ(name().text(), grin.repeated(30));
}
