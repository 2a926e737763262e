#pragma once

#include <QDialog>
#include <QString>

#include <functional>

class CAdoConnection;
class IListWindow;

// The first start with an empty catalog: one small box whose first line is
// the first-time tip, offering to start from common groceries (StarterCatalog),
// to import a file, or to start empty. On a first start with a catalog that
// has items, the tip alone is shown. Either way it is shown once: the
// caller clears the first-run flag.
class CFirstStartDlg : public QDialog
{
    Q_OBJECT
public:
    enum class Choice
    {
        Groceries,
        ImportFile,
        Empty
    };

    explicit CFirstStartDlg(QWidget* parent = nullptr);
    Choice choice() const { return m_choice; }

    static QString tipText();
    // Asks the user (or the test's handler, given the tip).
    static Choice ask(QWidget* parent);
    using Handler = std::function<Choice(const QString& tip)>;
    // An empty handler restores the dialog.
    static void setHandler(Handler handler);

    // The first start on the window's catalog: the box or the tip, then what
    // the user chose.
    static void run(IListWindow& window);
    // True when the catalog holds no item (false when it cannot be read).
    static bool catalogEmpty(CAdoConnection& connection);
    // The common groceries into the catalog, as one undoable action.
    static void addStarterItems(CAdoConnection& connection);

private:
    Choice m_choice = Choice::Empty;
};
