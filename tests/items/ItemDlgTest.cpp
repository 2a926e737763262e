#include "CatalogSeed.h"
#include "GrocelleTest.h"
#include "UserInput.h"

#include "controls/CSoundButton.h"
#include "controls/ComboLists.h"
#include "items/CItemDlg.h"
#include "platform/widgets/DialogUnits.h"
#include "store/access/CAdoException.h"
#include "store/catalog/Catalog.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

namespace
{
SeedItem item(const QString& name, int qty, const QString& dept, const QString& store, const QString& unit, int id = 0)
{
    SeedItem seed;
    seed.name = name;
    seed.qty = qty;
    seed.dept = dept;
    seed.store = store;
    seed.unit = unit;
    seed.id = id;
    return seed;
}

QStringList entries(const QComboBox& box)
{
    QStringList texts;
    for (int i = 0; i < box.count(); ++i) {
        texts << box.itemText(i);
    }
    return texts;
}

// Picks entry `index` from the dropped list the way a user does.
void choose(QComboBox& box, int index)
{
    box.showPopup();
    box.view()->setCurrentIndex(box.model()->index(index, 0));
    QTest::keyClick(box.view(), Qt::Key_Return);
}
} // namespace

using UserInput::typeInto;

class ItemDlgTest : public GrocelleTest
{
protected:
    // A dialog ready to be accepted: every check passes.
    void fillValid(CItemDlg& dialog)
    {
        dialog.m_itemName = QStringLiteral("Milk");
        dialog.m_dept = QStringLiteral("Dairy");
        dialog.m_quantity = 2;
        dialog.m_unit = QStringLiteral("pkg");
        dialog.m_store = QStringLiteral("B-Mart");
        dialog.show();
    }
};

TEST_F(ItemDlgTest, NewNameDroppedOnOpenFillsTheListsAndFocusesTheQuantity)
{
    CatalogSeed::write({
        item(QStringLiteral("Milk"), 1, QStringLiteral("Dairy"), QStringLiteral("B-Mart"), QStringLiteral("gallon")),
        item(QStringLiteral("Bread"), 0, QStringLiteral("Bakery"), QStringLiteral("Acme"), QStringLiteral("loaf")),
        // Same department and store in other letter case, and empty unit and
        // store.
        item(QStringLiteral("Cheese"), 0, QStringLiteral("dairy"), QStringLiteral("b-mart"), QStringLiteral("Gallon")),
        item(QStringLiteral("Salt"), 0, QStringLiteral("Spices"), QString(), QString()),
    });
    CItemDlg dialog;
    dialog.m_itemName = QStringLiteral("Zucchini");
    dialog.m_dept = QStringLiteral("Produce");
    dialog.m_quantity = 1;
    dialog.m_unit = QStringLiteral("pkg");
    dialog.m_reservedId = 42;
    dialog.m_dropOnOpen = true;
    dialog.show();

    EXPECT_TRUE(dialog.listsFilled());
    EXPECT_EQ(entries(dialog.nameBox()), QStringList({"Bread", "Cheese", "Milk", "Salt", "Zucchini"}));
    const int added = dialog.nameBox().findText(QStringLiteral("Zucchini"));
    EXPECT_EQ(dialog.nameBox().itemData(added).toInt(), 42);
    EXPECT_EQ(dialog.nameBox().currentText(), QStringLiteral("Zucchini"));
    // The first spelling met in name order stands for the others.
    EXPECT_EQ(entries(dialog.deptBox()), QStringList({"Bakery", "dairy", "Spices"}));
    EXPECT_EQ(entries(dialog.storeBox()), QStringList({"", "Acme", "b-mart"}));
    EXPECT_EQ(entries(dialog.unitBox()), QStringList({" ", "Gallon", "loaf"}));
    // Values that no entry begins with keep their text.
    EXPECT_EQ(dialog.deptBox().currentText(), QStringLiteral("Produce"));
    EXPECT_EQ(dialog.unitBox().currentText(), QStringLiteral("pkg"));
    EXPECT_EQ(dialog.quantityBox().text(), QStringLiteral("1"));
    EXPECT_EQ(dialog.focusWidget(), &dialog.quantityBox());
    EXPECT_FALSE(dialog.nameBox().view()->isVisible());
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(ItemDlgTest, FillKeepsCompleteAndEmptyValuesAndCompletesPartOnes)
{
    CatalogSeed::write({
        item(QStringLiteral("Milk"), 1, QStringLiteral("Bakery"), QStringLiteral("Acme"), QStringLiteral("box")),
        item(QStringLiteral("Rolls"), 1, QStringLiteral("Bakery Frozen"), QStringLiteral("Acme Plus"),
             QStringLiteral("bag")),
        item(QStringLiteral("Tea"), 1, QStringLiteral("Drinks"), QStringLiteral("Corner"), QStringLiteral("tin")),
    });
    CItemDlg dialog;
    dialog.m_itemName = QStringLiteral("Milk");
    dialog.m_dept = QStringLiteral("bakery"); // its own entry is the first of the list
    dialog.m_store = QString();
    dialog.m_unit = QStringLiteral("ti");
    dialog.show();
    dialog.FillLists();

    EXPECT_EQ(dialog.deptBox().currentText(), QStringLiteral("Bakery"));
    EXPECT_EQ(dialog.storeBox().currentText(), QString());
    EXPECT_EQ(dialog.unitBox().currentText(), QStringLiteral("tin"));
    EXPECT_EQ(dialog.nameBox().currentText(), QStringLiteral("Milk"));
    // Filled once per opening.
    CatalogSeed::exec(QStringLiteral("DELETE FROM ShoppingLists"));
    dialog.deptBox().showPopup();
    dialog.deptBox().hidePopup();
    EXPECT_EQ(dialog.nameBox().count(), 3);
}

TEST_F(ItemDlgTest, ListsMatchWhatTheCatalogTakesForTheSameName)
{
    // The catalog lowers each letter alone: a final sigma stays itself, so
    // "οδος" is not "ΟΔΟΣ" there (Qt's case folding would make it so), while
    // "äp" begins "Äpfel".
    CatalogSeed::write({
        item(QStringLiteral("Feta"), 1, QString::fromUtf8("ΟΔΟΣ"), QString::fromUtf8("Äpfelhof"),
             QStringLiteral("box")),
        item(QStringLiteral("Tea"), 1, QStringLiteral("Drinks"), QStringLiteral("Corner"), QStringLiteral("tin")),
    });
    CItemDlg dialog;
    dialog.m_itemName = QStringLiteral("Milk");
    dialog.m_dept = QString::fromUtf8("οδος");
    dialog.m_store = QString::fromUtf8("äp");
    dialog.m_unit = QStringLiteral("TI");
    dialog.show();
    dialog.FillLists();
    EXPECT_EQ(dialog.deptBox().currentText(), QString::fromUtf8("οδος"));
    EXPECT_EQ(dialog.storeBox().currentText(), QString::fromUtf8("Äpfelhof"));
    EXPECT_EQ(dialog.unitBox().currentText(), QStringLiteral("tin"));
    EXPECT_EQ(ComboLists::findExactNoCase(dialog.deptBox(), QString::fromUtf8("οδοσ")), 1);
    EXPECT_EQ(ComboLists::findExactNoCase(dialog.deptBox(), QString::fromUtf8("οδος")), -1);
}

TEST_F(ItemDlgTest, TwinNamesAreListedTwiceAndEachLoadsItsOwnItem)
{
    SeedItem first =
        item(QStringLiteral("Milk"), 2, QStringLiteral("Dairy"), QStringLiteral("Acme"), QStringLiteral("gallon"), 5);
    first.coupon = -1;
    first.price = 3.25;
    first.notes = QStringLiteral("skim");
    first.deptOrder = 4;
    SeedItem second =
        item(QStringLiteral("Milk"), 7, QStringLiteral("Frozen"), QStringLiteral("B-Mart"), QStringLiteral("quart"), 9);
    second.deptOrder = -1;
    CatalogSeed::write({first, second});

    CItemDlg dialog;
    dialog.show();
    dialog.couponBox().setChecked(true);
    dialog.nameBox().showPopup();
    ASSERT_EQ(entries(dialog.nameBox()), QStringList({"", "Milk", "Milk"}));
    dialog.nameBox().hidePopup();

    choose(dialog.nameBox(), 1);
    EXPECT_EQ(dialog.quantityBox().text(), QStringLiteral("2"));
    EXPECT_EQ(dialog.deptBox().currentText(), QStringLiteral("Dairy"));
    EXPECT_EQ(dialog.storeBox().currentText(), QStringLiteral("Acme"));
    EXPECT_EQ(dialog.unitBox().currentText(), QStringLiteral("gallon"));
    EXPECT_EQ(dialog.priceBox().text(), QStringLiteral("3.25"));
    EXPECT_EQ(dialog.notesBox().toPlainText(), QStringLiteral("skim"));
    EXPECT_EQ(dialog.m_deptOrder, 4);
    EXPECT_TRUE(dialog.couponBox().isChecked());

    // The coupon box follows the item chosen, like every other box.
    choose(dialog.nameBox(), 2);
    EXPECT_FALSE(dialog.couponBox().isChecked());
    EXPECT_EQ(dialog.quantityBox().text(), QStringLiteral("7"));
    EXPECT_EQ(dialog.deptBox().currentText(), QStringLiteral("Frozen"));
    EXPECT_EQ(dialog.m_deptOrder, -1);
}

TEST_F(ItemDlgTest, TypingAListedNameDoesNotLoadThatItem)
{
    CatalogSeed::write(
        {item(QStringLiteral("Milk"), 9, QStringLiteral("Dairy"), QStringLiteral("Acme"), QStringLiteral("gallon")),
         item(QStringLiteral("Tea"), 4, QStringLiteral("Drinks"), QStringLiteral("Acme"), QStringLiteral("box"))});
    CItemDlg dialog;
    fillValid(dialog);
    dialog.FillLists();
    typeInto(dialog.nameBox(), QStringLiteral("Tea"));
    typeInto(dialog.quantityBox(), QStringLiteral("3"));
    // Enter finishes the name and presses OK.
    QTest::keyClick(dialog.nameBox().lineEdit(), Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.m_itemName, QStringLiteral("Tea"));
    EXPECT_EQ(dialog.m_quantity, 3);
    EXPECT_EQ(dialog.m_dept, QStringLiteral("Dairy"));
}

TEST_F(ItemDlgTest, DepartmentIsCheckedBeforeTheName)
{
    CItemDlg dialog;
    fillValid(dialog);
    dialog.deptBox().setEditText(QString());
    dialog.nameBox().setEditText(QString());
    QTest::mouseClick(&dialog.okButton(), Qt::LeftButton);
    EXPECT_EQ(messages, QStringList({"Please specify a department."}));
    // A plain notice: the caption, OK alone, no icon.
    EXPECT_EQ(boxes.front().caption, QStringLiteral("Grocelle"));
    EXPECT_EQ(boxes.front().icon, MessageService::Icon::None);
    EXPECT_EQ(boxes.front().buttons, MessageService::Buttons::Ok);
    EXPECT_TRUE(dialog.isVisible());

    dialog.deptBox().setEditText(QStringLiteral("Dairy"));
    QTest::mouseClick(&dialog.okButton(), Qt::LeftButton);
    EXPECT_EQ(messages.last(), QStringLiteral("Please name this item, or press cancel."));
    EXPECT_TRUE(dialog.isVisible());
    // The OK button clicked as it was pressed.
    EXPECT_EQ(sounds.count(QStringLiteral("\\WINDOWS\\BUTTONDING.WAV")), 2);
}

TEST_F(ItemDlgTest, QuotesOfBothKindsAreAccepted)
{
    CItemDlg dialog;
    fillValid(dialog);
    typeInto(dialog.nameBox(), QStringLiteral("Kids' 12\" Pizza"));
    typeInto(dialog.deptBox(), QStringLiteral("Kids' Snacks"));
    dialog.notesBox().setPlainText(QStringLiteral("Joe's favourite"));
    QTest::mouseClick(&dialog.okButton(), Qt::LeftButton);
    EXPECT_TRUE(messages.isEmpty()) << messages.join('|').toStdString();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.m_itemName, QStringLiteral("Kids' 12\" Pizza"));
    EXPECT_EQ(dialog.m_dept, QStringLiteral("Kids' Snacks"));
    EXPECT_EQ(dialog.m_notes, QStringLiteral("Joe's favourite"));
}

TEST_F(ItemDlgTest, PastedControlsAreTakenOutAndLimitsCountWholeCharacters)
{
    CItemDlg dialog;
    fillValid(dialog);
    QLineEdit& name = *dialog.nameBox().lineEdit();
    name.selectAll();
    name.insert(QStringLiteral("Greek\tYogurt\n"));
    EXPECT_EQ(dialog.nameBox().currentText(), QStringLiteral("Greek Yogurt"));
    dialog.deptBox().lineEdit()->selectAll();
    dialog.deptBox().lineEdit()->insert(QStringLiteral("Dai") + QChar(0) + QStringLiteral("ry"));
    EXPECT_EQ(dialog.deptBox().currentText(), QStringLiteral("Dairy"));

    // Notes keep their lines, and stop at 50 whole characters while typing.
    const QString grin = QStringLiteral("\U0001F600");
    dialog.notesBox().insertPlainText(grin.repeated(60));
    EXPECT_EQ(dialog.notesBox().toPlainText(), grin.repeated(50));
    dialog.notesBox().setPlainText(QStringLiteral("one\ntwo\t") + QChar(0));
    EXPECT_EQ(dialog.notesBox().toPlainText(), QStringLiteral("one\ntwo"));

    // Thirty characters are thirty, however many units each takes.
    name.selectAll();
    name.insert(grin.repeated(30));
    QTest::mouseClick(&dialog.okButton(), Qt::LeftButton);
    EXPECT_TRUE(messages.isEmpty()) << messages.join('|').toStdString();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.m_itemName, grin.repeated(30));
    EXPECT_EQ(dialog.m_dept, QStringLiteral("Dairy"));
    EXPECT_EQ(dialog.m_notes, QStringLiteral("one\ntwo"));
}

TEST_F(ItemDlgTest, LimitsHoldWhileTypingAndOkStillRefusesWhatSlipsPast)
{
    CItemDlg dialog;
    fillValid(dialog);
    // What cannot be saved cannot be typed either: no message after OK.
    typeInto(dialog.quantityBox(), QStringLiteral("1000"));
    EXPECT_EQ(dialog.quantityBox().text(), QStringLiteral("100"));
    typeInto(dialog.quantityBox(), QStringLiteral("-1"));
    EXPECT_EQ(dialog.quantityBox().text(), QStringLiteral("1"));
    typeInto(dialog.priceBox(), QStringLiteral("10000000"));
    EXPECT_EQ(dialog.priceBox().text(), QStringLiteral("1000000"));
    typeInto(dialog.priceBox(), QStringLiteral("2.999"));
    EXPECT_EQ(dialog.priceBox().text(), QStringLiteral("2.99"));
    const std::pair<QComboBox*, int> limits[] = {{&dialog.nameBox(), CItemDlg::MaxNameChars},
                                                 {&dialog.deptBox(), CItemDlg::MaxDeptChars},
                                                 {&dialog.storeBox(), CItemDlg::MaxStoreChars},
                                                 {&dialog.unitBox(), CItemDlg::MaxUnitChars}};
    for (const auto& [box, limit] : limits) {
        typeInto(*box, QString(limit + 1, QLatin1Char('n')));
        EXPECT_EQ(box->currentText(), QString(limit, QLatin1Char('n'))) << box->objectName().toStdString();
    }
    typeInto(dialog.nameBox(), QStringLiteral("Tea"));
    typeInto(dialog.quantityBox(), QStringLiteral("2"));

    // A value set past the typing limits is still refused on OK, with the
    // focus on its box.
    const std::pair<QLineEdit*, QString> cases[] = {{&dialog.quantityBox(), QStringLiteral("1000")},
                                                    {&dialog.priceBox(), QStringLiteral("10000000")}};
    for (const auto& [edit, text] : cases) {
        const QString before = edit->text();
        edit->setText(text);
        const qsizetype shown = messages.size();
        QTest::mouseClick(&dialog.okButton(), Qt::LeftButton);
        EXPECT_TRUE(dialog.isVisible());
        ASSERT_EQ(messages.size(), shown + 1);
        EXPECT_EQ(dialog.focusWidget(), edit);
        edit->setText(before);
    }
    EXPECT_TRUE(messages[0].contains(QStringLiteral("Qty")));
    EXPECT_TRUE(messages[1].contains(QStringLiteral("Price")));

    // Cancel closes whatever the boxes hold.
    dialog.quantityBox().setText(QStringLiteral("5000"));
    QTest::mouseClick(&dialog.cancelButton(), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(messages.size(), 2);
    EXPECT_EQ(dialog.m_quantity, 2);
}

TEST_F(ItemDlgTest, OneSizeOfTextThroughout)
{
    CItemDlg dialog;
    dialog.show();
    const int size = dialog.nameBox().font().pixelSize();
    EXPECT_GT(size, 0);
    for (QWidget* widget : dialog.findChildren<QWidget*>()) {
        if (widget->isWindow() || !widget->isVisible()) {
            continue;
        }
        EXPECT_EQ(widget->font().pixelSize(), size)
            << widget->metaObject()->className() << " " << widget->objectName().toStdString();
    }
}

TEST_F(ItemDlgTest, ListsDropEightEntriesInTheScaledFontAndNothingHangsBelowTheButtons)
{
    std::vector<SeedItem> items;
    for (int i = 0; i < 12; ++i) {
        items.push_back(item(QStringLiteral("Item %1").arg(i), 1, QStringLiteral("Dept %1").arg(i),
                             QStringLiteral("Store %1").arg(i), QStringLiteral("unit %1").arg(i)));
    }
    CatalogSeed::write(items);
    CItemDlg dialog;
    dialog.show();
    QApplication::processEvents();
    for (QComboBox* box : {&dialog.nameBox(), &dialog.deptBox(), &dialog.storeBox(), &dialog.unitBox()}) {
        box->showPopup();
        QApplication::processEvents();
        const QAbstractItemView* list = box->view();
        const int rowHeight = list->visualRect(list->model()->index(0, 0)).height();
        EXPECT_GE(list->viewport()->height() / rowHeight, 8) << box->objectName().toStdString();
        EXPECT_EQ(list->font().pixelSize(), DialogUnits::dialogFont().pixelSize()) << box->objectName().toStdString();
        box->hidePopup();
    }
    const int below = dialog.height() - dialog.okButton().geometry().bottom();
    EXPECT_LE(below, DialogUnits::toPixelsY(6));
    dialog.reject();
}

TEST_F(ItemDlgTest, ACatalogThatCannotBeOpenedIsToldNotReadAsEmpty)
{
    // A folder where the catalog should be: no engine opens it.
    const QString folder = homeFile(QStringLiteral("not-a-catalog"));
    ASSERT_TRUE(QDir().mkpath(folder));
    Catalog::setLocation(folder);
    CItemDlg dialog;
    fillValid(dialog);
    dialog.FillLists();
    ASSERT_EQ(messages, QStringList{QStringLiteral("Could not open database")});
    EXPECT_FALSE(boxes.back().detail.isEmpty());
    // The typed values stay in their boxes.
    EXPECT_EQ(dialog.nameBox().currentText(), QStringLiteral("Milk"));

    // Loading a picked item fails as a whole rather than reading nothing.
    EXPECT_THROW(dialog.LoadItem(1), CAdoException);
    EXPECT_EQ(dialog.m_itemName, QStringLiteral("Milk"));
    dialog.reject();
    Catalog::setLocation(QString());
}
