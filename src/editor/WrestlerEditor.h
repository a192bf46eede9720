// The wrestler editor, reached from the main menu: it lists the working copy of the master wrestler
// database (wrestlers.dat), shows, changes and removes the picked wrestler, opens the add dialog for a new
// one, and on Exit puts the working copy back in the place of data\wrestlers.dat.
#pragma once

#include <cstdint>
#include <string>

#include "game/Screen.h"

namespace varnholt {

class WrestlerEditor : public Screen, public screens::WrestlerEditor {
public:
    explicit WrestlerEditor(Game& game);

    void Form24_Form_Load();
    void Form24_lstData_Click();
    void Form24_cmdSave_Click();
    void Form24_cmdRemove_Click();
    void Form24_cmdAdd_Click();
    void Form24_cmdExit_Click();
    void Form24_scrollID_Change();

private:
    void emptyFields();
    void sortList();
    void addToList(const std::string& name);

    // The record of the wrestler picked in this editor's list, 0 when none is picked (after the load,
    // after a Remove, or when the picked name is no longer in the file).
    int32_t pickedRecord_ = 0;
    bool quietSelection_ = false;  // restoring the list's selection after it was reordered
};

class AddWrestlerDialog : public Screen, public screens::AddWrestlerDialog {
public:
    explicit AddWrestlerDialog(Game& game);

    void frmaddedit_Form_Load();
    void frmaddedit_cmdSave_Click();
    void frmaddedit_cmdCancel_Click();
};

}  // namespace varnholt
