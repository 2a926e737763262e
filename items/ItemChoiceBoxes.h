#pragma once

class CItemDlg;
class ItemChoices;

// The item editor's four drop-down lists (name, department, store, unit)
// filled with what the catalog offers. The texts the boxes held become the
// editor's values and are chosen again in the filled lists.
class ItemChoiceBoxes
{
public:
    explicit ItemChoiceBoxes(CItemDlg& dialog);

    // Reads the catalog on a connection of its own and fills the lists. When
    // the catalog cannot be read the user is told, and the boxes keep their
    // texts with empty lists.
    void fill();

private:
    // The boxes' texts taken as the values and the lists emptied; what the
    // catalog offers read (false, told to the user, when it cannot be); the
    // lists filled; the values chosen in them.
    void takeBoxTexts();
    void restoreBoxTexts();
    bool readCatalogLists(ItemChoices& lists);
    void fillBoxes(ItemChoices& lists);
    void selectValues();

    CItemDlg& m_dialog;
};
