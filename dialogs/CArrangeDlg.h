#pragma once

#include <QDialog>
#include <QStringList>

class IListWindow;
class QComboBox;
class QGridLayout;
class QLabel;
class QListWidget;
class QPushButton;
class QWidget;

// Arrange Departments: the departments in the order the user walks through
// the store, moved by dragging, with Up and Down, or with Alt+Up and
// Alt+Down. Cancel, Escape and the close control end it without writing.
//
// The store box chooses what is arranged. "All stores" is the everyday walk:
// OK numbers every catalog row's DeptOrder from its department's place in the
// list (ArrangedOrder). One store lists the departments its items use in that
// store's own walk, and OK makes the list its walk (StoreWalks), one undoable
// action; beside it stands the walk learned from the trips there, which Apply
// takes as one undoable action of its own.
class CArrangeDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CArrangeDlg(QWidget* parent = nullptr);

    // True once an entry has really moved, however the dialog
    // ended: the caller's list may need a rebuild even after a close.
    bool changed() const { return m_changed; }
    // True once a store's walk was written (Apply): the caller's list may need
    // a rebuild whatever else happened.
    bool wrote() const { return m_wrote; }

    QListWidget& departmentList() const { return *m_list; }
    QStringList departments() const;
    // The first entry is "All stores" (shown in the user's language, its value
    // empty), then every store of the catalog, each its own value.
    QComboBox& storeChoice() const { return *m_store; }
    // The store chosen; empty for all stores.
    QString chosenStore() const { return m_chosen; }
    // The learned walk of the chosen store, its caption and Apply.
    QListWidget& learnedList() const { return *m_learnedList; }
    QLabel& learnedCaption() const { return *m_learnedCaption; }
    QPushButton& applyButton() const { return *m_apply; }
    static constexpr const char* AllStores = QT_TR_NOOP("All stores");

    // The main window's Arrange Departments command: runs the dialog, gives
    // the list the focus back and rebuilds it when anything moved.
    static void run(IListWindow& window);

private:
    void createButtons();
    void createLearnedPane();
    void layOut();
    void fitToChoice(bool oneStore);
    void OnInitDialog();
    // The departments of the chosen store in its walk, and what was learned.
    void loadStore();
    void fillStores();
    void OnStoreChosen(int index);
    void OnUp();
    void OnDown();
    void OnOK();
    void OnApply();
    // Writes the list as the chosen arrangement; false (the user told) when
    // it could not be written.
    bool writeChosen();
    // name shortened to fit a caption.
    QString shortName(const QString& name) const;
    int selectedPosition() const;
    void moveSelected(int step);

    QGridLayout* m_grid = nullptr;
    QComboBox* m_store = nullptr;
    QLabel* m_help = nullptr;
    QLabel* m_currentCaption = nullptr;
    QWidget* m_learnedPane = nullptr;
    QLabel* m_learnedCaption = nullptr;
    QListWidget* m_learnedList = nullptr;
    QPushButton* m_apply = nullptr;
    QString m_chosen;
    int m_chosenIndex = 0;
    bool m_wrote = false;
    QListWidget* m_list = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_up = nullptr;
    QPushButton* m_down = nullptr;
    QPushButton* m_cancel = nullptr;
    bool m_changed = false;
};
