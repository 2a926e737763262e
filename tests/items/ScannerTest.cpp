#include "CatalogSeed.h"
#include "GrocelleTest.h"
#include "MainWindowHarness.h"
#include "ModalDialogs.h"

#include "controls/CSoundButton.h"
#include "items/BarcodeScan.h"
#include "items/CBarcodeChooserDlg.h"
#include "items/CItemDlg.h"
#include "items/ScannerInput.h"
#include "store/access/CAdoConnection.h"
#include "store/catalog/Barcode.h"
#include "store/catalog/Barcodes.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

class ScannerTest : public GrocelleTest
{
protected:
    void SetUp() override
    {
        GrocelleTest::SetUp();
        CatalogSeed::write({{.name = QStringLiteral("Milk"), .qty = 3},
                            {.name = QStringLiteral("Bread"), .qty = 1},
                            {.name = QStringLiteral("Mints"), .qty = 0},
                            {.name = QStringLiteral("Chocolate"), .qty = 0}});
        m_main = std::make_unique<MainWindowHarness>();
        ASSERT_TRUE(CatalogSeed::exec(
            QStringLiteral("INSERT INTO Barcodes (ID, Code, ItemID) VALUES (1, '4006381333931', 1)")));
        ScannerInput* scanner = window().findChild<ScannerInput*>();
        ASSERT_NE(scanner, nullptr);
        scanner->setClock([this] { return m_now; });
    }
    void TearDown() override
    {
        m_main.reset();
        GrocelleTest::TearDown();
    }

    CMainDlg& window() { return m_main->window(); }
    QLineEdit& name() { return window().quickText(); }
    QString qty(const char* item) { return CatalogSeed::stored(QStringLiteral("QtyToBuy"), QString::fromLatin1(item)); }
    qint64 ownerOf(const char* code)
    {
        CAdoConnection connection;
        EXPECT_EQ(connection.Open(CatalogSeed::path()), 0);
        return Barcodes::itemOf(connection, Barcode::parse(QString::fromLatin1(code)));
    }
    // keys into the name box gapMs apart, then Enter enterMs later.
    void typeInto(const QString& keys, int gapMs, int enterMs)
    {
        name().setFocus();
        for (const QChar key : keys) {
            m_now += gapMs;
            QTest::keyClick(&name(), key.toLatin1());
        }
        m_now += enterMs;
        QTest::keyClick(&name(), Qt::Key_Return);
        m_now += 1000;
    }

    std::unique_ptr<MainWindowHarness> m_main;
    qint64 m_now = 100000;
};

// Keys at a scanner's speed are a code, wherever the box stood; a person's
// keys, however fast, and a fast run that is short or ends slowly, are what
// they always were: the quick entry's.
TEST_F(ScannerTest, AScannerAgainstAPersonTyping)
{
    const struct
    {
        const char* before;
        const char* keys;
        int gapMs;
        int enterMs;
        const char* milk;  // Milk's quantity after
        const char* typed; // the item the quick entry added, if any
        const char* box;   // the name box after a scan
    } cases[] = {
        {"", "4006381333931", 8, 8, "4", nullptr, ""}, {"Mi", "4006381333931", 2, 5, "5", nullptr, "Mi"},
        {"", "Bread", 90, 120, "5", "Bread", nullptr}, {"", "Mints", 40, 40, "5", "Mints", nullptr},
        {"", "Bread", 3, 3, "5", "Bread", nullptr},    {"", "Chocolate", 5, 250, "5", "Chocolate", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.keys) + " at " + std::to_string(c.gapMs) + " ms");
        ASSERT_TRUE(
            CatalogSeed::exec(QStringLiteral("UPDATE ShoppingLists SET QtyToBuy = 0 WHERE ItemName <> 'Milk'")));
        name().setText(QString::fromLatin1(c.before));
        typeInto(QString::fromLatin1(c.keys), c.gapMs, c.enterMs);
        EXPECT_EQ(qty("Milk"), QString::fromLatin1(c.milk));
        if (c.typed) {
            EXPECT_EQ(qty(c.typed), QStringLiteral("1"));
        } else {
            EXPECT_EQ(name().text(), QString::fromLatin1(c.box));
        }
        EXPECT_TRUE(messages.isEmpty()) << messages.join(QLatin1Char('\n')).toStdString();
        name().clear();
    }
}

// A code no item has: the chooser takes an existing item by its name (an
// unknown name is told) or makes a new one; the code is kept either way.
TEST_F(ScannerTest, TheChooserKeepsAnUnknownCodeWithThePickedOrANewItem)
{
    int chooserSeen = 0;
    ModalDialogs::whenModal([&](QWidget* modal) {
        auto* chooser = qobject_cast<CBarcodeChooserDlg*>(modal);
        ASSERT_NE(chooser, nullptr);
        ++chooserSeen;
        chooser->nameBox().setText(QStringLiteral("brea"));
        chooser->takeTyped();
        EXPECT_TRUE(chooser->isVisible());
        chooser->nameBox().setText(QStringLiteral("bread "));
        QTest::mouseClick(&chooser->takeButton(), Qt::LeftButton);
    });
    BarcodeScan(window()).take(QStringLiteral("96385074"));
    EXPECT_EQ(chooserSeen, 1);
    EXPECT_EQ(messages, QStringList{CBarcodeChooserDlg::unknownNameMessage(QStringLiteral("brea"))});
    EXPECT_EQ(qty("Bread"), QStringLiteral("2"));
    // Known now: one more, no question.
    BarcodeScan(window()).take(QStringLiteral("96385074"));
    EXPECT_EQ(chooserSeen, 1);
    EXPECT_EQ(qty("Bread"), QStringLiteral("3"));
    EXPECT_EQ(ownerOf("96385074"), 2);

    // A new item: the editor opens with the code among its barcodes.
    QString codesShown;
    ModalDialogs::whenModal([&](QWidget* modal) {
        auto* chooser = qobject_cast<CBarcodeChooserDlg*>(modal);
        ASSERT_NE(chooser, nullptr);
        ModalDialogs::whenModal([&](QWidget* editor) {
            auto* dialog = qobject_cast<CItemDlg*>(editor);
            ASSERT_NE(dialog, nullptr);
            codesShown = dialog->m_barcodes.join(QLatin1Char(' '));
            dialog->nameBox().setEditText(QStringLiteral("Jam"));
            dialog->deptBox().setEditText(QStringLiteral("Pantry"));
            QTest::mouseClick(&dialog->okButton(), Qt::LeftButton);
            if (dialog->isVisible()) {
                ADD_FAILURE() << "the editor stayed open";
                dialog->reject();
            }
        });
        QTest::mouseClick(&chooser->newButton(), Qt::LeftButton);
    });
    BarcodeScan(window()).take(QStringLiteral("036000291452"));
    EXPECT_EQ(codesShown, QStringLiteral("0036000291452"));
    EXPECT_EQ(ownerOf("0036000291452"),
              CatalogSeed::scalar(QStringLiteral("SELECT ID FROM ShoppingLists WHERE ItemName = 'Jam'")).toLongLong());

    // A code refused for its digits asks nothing and changes nothing.
    messages.clear();
    BarcodeScan(window()).take(QStringLiteral("4006381333932"));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0], BarcodeScan::refusedMessage(Barcode::parse(QStringLiteral("4006381333932")).refusal()));
}
