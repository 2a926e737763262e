#pragma once

#include "CatalogSeed.h"
#include "EngineTest.h"
#include "GrocelleTest.h"
#include "MainWindowHarness.h"
#include "ModalDialogs.h"
#include "UserInput.h"

#include "controls/CItemListCtrl.h"
#include "controls/CSoundButton.h"
#include "items/CItemDlg.h"
#include "items/ItemRow.h"
#include "items/ItemSaveFlow.h"
#include "platform/widgets/CommandIds.h"
#include "platform/widgets/MessageService.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTest>
#include <QTimer>

#include <functional>

using UserInput::typeInto;

// The item editor as the main window opens it, on both engines.
class ItemSaveFlowTest : public EngineTest
{
protected:
    static SeedItem item(const QString& name, int qty, const QString& dept, int deptOrder, int id = 0)
    {
        return {.name = name, .qty = qty, .dept = dept, .deptOrder = deptOrder, .id = id};
    }

    static int rowOf(CMainDlg& window, const QString& name)
    {
        for (int row = 0; row < window.list().itemCount(); ++row) {
            if (window.list().itemText(row, 0) == name) {
                return row;
            }
        }
        return -1;
    }

    // Picks the entry of that text from the dropped list the way a user does.
    static void choose(QComboBox& box, const QString& text)
    {
        box.showPopup();
        box.view()->setCurrentIndex(box.model()->index(box.findText(text), 0));
        QTest::keyClick(box.view(), Qt::Key_Return);
    }
    // Runs command; the item editor it opens is handed to answer, which
    // presses OK or Cancel. An editor still open afterwards (refused
    // values) is cancelled so that the test goes on. Returns whether an
    // editor opened.
    bool withEditor(const std::function<void(CItemDlg&)>& answer, const std::function<void()>& command)
    {
        bool seen = false;
        QObject scope;
        QTimer::singleShot(0, &scope, [&] {
            auto* dialog = qobject_cast<CItemDlg*>(QApplication::activeModalWidget());
            if (!dialog) {
                return;
            }
            seen = true;
            answer(*dialog);
            if (dialog->isVisible()) {
                ADD_FAILURE() << "the editor stayed open: " << messages.join(QLatin1Char('|')).toStdString();
                dialog->reject();
            }
        });
        command();
        return seen;
    }

    static void ok(CItemDlg& dialog) { QTest::mouseClick(&dialog.okButton(), Qt::LeftButton); }
    static void cancel(CItemDlg& dialog) { QTest::mouseClick(&dialog.cancelButton(), Qt::LeftButton); }
};
