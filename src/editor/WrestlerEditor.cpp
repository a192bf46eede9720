#include "editor/WrestlerEditor.h"

#include <algorithm>
#include <vector>

#include "editor/EditorRules.h"
#include "forms/Files.h"
#include "forms/Numbers.h"
#include "wrestlers/MoveWrestlers.h"
#include "wrestlers/RecordFiles.h"

namespace varnholt {

namespace {

constexpr const char* InvalidTitle = "Invalid wrestler";
constexpr const char* FileErrorTitle = "File error!";
constexpr const char* StatsNote = "Note: All wrestling stats are from a maximum of 20";
constexpr const char* PolaroidNote = "Polaroid % should be between 0 and 100";

constexpr int CardWidth = 7680, CardHeight = 4800;

// Frame1 with the ten boxes and their captions, its top left corner at (left, top). The left column
// holds Name, Place of Birth, Wage, Alignment, Polaroid % and the Biography across the frame, the right
// column the four stats.
void addCard(std::vector<ControlDef>& c, int left, int top) {
    c.push_back(frame("Frame1", left, top, CardWidth, CardHeight, "Wrestler Information"));
    constexpr int rowTop = 360, rowStep = 480, rowHeight = 375, captionHeight = 285;
    const int leftCaption = left + 120, leftBox = left + 1860, rightCaption = left + 4560, rightBox = left + 5700;
    constexpr int captionWidth = 1620, statCaptionWidth = 1080, textWidth = 2520, numberWidth = 1200;
    auto row = [&](int i) { return top + rowTop + i * rowStep; };
    auto caption = [&](const char* name, int l, int t, int w, const char* text) {
        c.push_back(label(name, l, t + 45, w, captionHeight, text, forms::Transparent));
    };

    using Card = screens::WrestlerCard;
    caption("Label4", leftCaption, row(0), captionWidth, "Name");
    c.push_back(textBox(Card::NameBox, leftBox, row(0), textWidth, rowHeight));
    caption("Label5", leftCaption, row(1), captionWidth, "Place of Birth");
    c.push_back(textBox(Card::BirthPlaceBox, leftBox, row(1), textWidth, rowHeight));
    caption("Label6", leftCaption, row(2), captionWidth, "Wage (per show)");
    c.push_back(textBox(Card::WageBox, leftBox, row(2), numberWidth, rowHeight));
    caption("Label7", leftCaption, row(3), captionWidth, "Alignment");
    c.push_back(comboBox(Card::AlignmentBox, leftBox, row(3), numberWidth, rowHeight, {"Face", "Heel"}));
    caption("Label8", leftCaption, row(4), captionWidth, "Polaroid %");
    c.push_back(textBox(Card::PolaroidBox, leftBox, row(4), numberWidth, rowHeight));
    caption("Label3", leftBox + numberWidth + 120, row(4), CardWidth - 1860 - numberWidth - 240, PolaroidNote);
    caption("Label9", leftCaption, row(5), captionWidth, "Biography");
    c.push_back(textBox(Card::BiographyBox, leftBox, row(5), CardWidth - 1860 - 120, 1800, "", forms::MultiLine));

    caption("Label10", rightCaption, row(0), statCaptionWidth, "Brawling");
    c.push_back(textBox(Card::BrawlingBox, rightBox, row(0), numberWidth, rowHeight));
    caption("Label11", rightCaption, row(1), statCaptionWidth, "Technical");
    c.push_back(textBox(Card::TechnicalBox, rightBox, row(1), numberWidth, rowHeight));
    caption("Label12", rightCaption, row(2), statCaptionWidth, "Speed");
    c.push_back(textBox(Card::SpeedBox, rightBox, row(2), numberWidth, rowHeight));
    caption("Label13", rightCaption, row(3), statCaptionWidth, "Over");
    c.push_back(textBox(Card::OverBox, rightBox, row(3), numberWidth, rowHeight));
}

// The list on the left, the note and the card to its right, the four buttons below the card.
const FormDef& editorDef() {
    static const FormDef def = [] {
        FormDef d{WrestlerEditor::Name, WrestlerEditor::Role, "Varnholt", 11760, 6480, "", {}};
        auto& c = d.controls;
        c.push_back(listBox("lstData", 240, 240, 3360, 5160));
        c.push_back(label("Label1", 3840, 240, CardWidth, 285, StatsNote, forms::Transparent));
        addCard(c, 3840, 600);
        c.push_back(button("cmdAdd", 3840, 5640, 1500, 495, "Add", forms::OnlyOpens));
        c.push_back(button("cmdRemove", 5520, 5640, 1500, 495, "Remove"));
        c.push_back(button("cmdsave", 7200, 5640, 1500, 495, "Save"));
        c.push_back(button("cmdExit", 8880, 5640, 1500, 495, "Exit"));
        // Never shown: the position of the record on the card.
        c.push_back(scrollBar("scrollID", 240, 5640, 255, 495, 1, 1, 1, forms::Hidden));
        c.push_back(label("lblID", 600, 5700, 1500, 285, "", forms::Hidden | forms::Transparent));
        d.wayOut = "cmdExit";
        return d;
    }();
    return def;
}

// Save and Cancel on top, the note under them, then the card.
const FormDef& addDialogDef() {
    static const FormDef def = [] {
        FormDef d{AddWrestlerDialog::Name, AddWrestlerDialog::Role, "Varnholt", 8160, 6300, "", {}};
        auto& c = d.controls;
        c.push_back(button("cmdSave", 240, 240, 1500, 495, "Save"));
        c.push_back(button("cmdCancel", 1920, 240, 1500, 495, "Cancel"));
        c.push_back(label("Label1", 240, 900, CardWidth, 285, StatsNote, forms::Transparent));
        addCard(c, 240, 1260);
        for (auto& control : c)
            if (control.name == AddWrestlerDialog::PolaroidBox) control.text = "0";
        d.wayOut = "cmdCancel";
        d.defaultButton = "cmdSave";
        d.opensOn = AddWrestlerDialog::NameBox;
        return d;
    }();
    return def;
}

// Shows the check's refusal, if any; true when the wrestler may be saved.
bool passesCheck(Game& game, forms::Form& form, const char* invalidText) {
    const FieldCheckResult result = WrestlerFieldCheck(FieldsOf(form));
    if (result.ok()) return true;
    game.msgBox(RefusalText(result, invalidText), InvalidTitle);
    return false;
}

void tellWriteFailed(Game& game) {
    game.msgBox("The wrestler could not be written to wrestlers.dat. Changes have not been saved.", FileErrorTitle);
}

// A new wrestler goes after the last whole record of the working file as it is now, and the count follows
// the file: a count read earlier could point at another wrestler or past the end.
bool appendWrestler(Game& game) {
    const long position = AppendRecordFrom(game, game.WrestlerFilePath);
    if (position < 1) {
        tellWriteFailed(game);
        return false;
    }
    game.WrestlerCount = forms::I32(position);
    return true;
}

}  // namespace

// ---------------------------------------------------------------------------------------------------
// The WrestlerEditor

WrestlerEditor::WrestlerEditor(Game& game) : Screen(game, editorDef()) {
    bind<WrestlerEditor>({
        {"Form", Event::Load, &WrestlerEditor::Form24_Form_Load},
        {"lstData", Event::Click, &WrestlerEditor::Form24_lstData_Click},
        {"cmdsave", Event::Click, &WrestlerEditor::Form24_cmdSave_Click},
        {"cmdRemove", Event::Click, &WrestlerEditor::Form24_cmdRemove_Click},
        {"cmdAdd", Event::Click, &WrestlerEditor::Form24_cmdAdd_Click},
        {"cmdExit", Event::Click, &WrestlerEditor::Form24_cmdExit_Click},
        {"scrollID", Event::Change, &WrestlerEditor::Form24_scrollID_Change},
    });
}

void WrestlerEditor::Form24_Form_Load() {
    setPicture("\\QAVLE.bmp");
    BuildFilePaths(game_);
    CountRecordFiles(game_);
    auto& bar = c("scrollID");
    bar.setMax(forms::I32(static_cast<long long>(game_.WrestlerCount) + 1));
    bar.setMin(1);
    bar.setValue(1);
    c("lblID").setCaption(forms::CStr(bar.value()) + "/" + forms::CStr(bar.max()));
    WrestlersIntoList(game_, c("lstData"));
    sortList();
    emptyFields();
}

void WrestlerEditor::emptyFields() {
    ClearCardBoxes(*this);
    c(AlignmentBox).setText("");
}

// The list keeps its names in alphabetical order.
void WrestlerEditor::sortList() {
    auto& list = c("lstData");
    std::vector<std::string> items = list.items();
    std::stable_sort(items.begin(), items.end(),
                     [](const std::string& a, const std::string& b) { return ListOrderLess(a, b); });
    if (items == list.items()) return;
    list.clear();
    for (const auto& item : items) list.addItem(item);
}

// Adds a name in its alphabetical place, the selected wrestler staying selected.
void WrestlerEditor::addToList(const std::string& name) {
    auto& list = c("lstData");
    std::vector<std::string> items = list.items();
    int selected = list.listIndex();
    const auto place = std::upper_bound(items.begin(), items.end(), name,
                                        [](const std::string& a, const std::string& b) { return ListOrderLess(a, b); });
    const int at = static_cast<int>(place - items.begin());
    if (at == static_cast<int>(items.size())) {
        list.addItem(name);
        return;
    }
    items.insert(place, name);
    if (selected >= at) ++selected;
    list.clear();
    for (const auto& item : items) list.addItem(item);
    if (selected >= 0) {
        quietSelection_ = true;
        list.setListIndex(selected);
        quietSelection_ = false;
    }
}

void WrestlerEditor::Form24_lstData_Click() {
    if (quietSelection_) return;
    const std::string picked = c("lstData").text();
    if (picked.empty()) {
        emptyFields();
        return;
    }
    game_.EditMode = 2;
    FindWrestlerRecord(game_, picked);
    // A name that is no longer in the file (renamed by a Save) shows nothing and leaves nothing to save to.
    if (!ReadRecordInto(game_, game_.WrestlerFilePath, game_.CurrentRecordNumber)) {
        pickedRecord_ = 0;
        emptyFields();
        return;
    }
    pickedRecord_ = game_.CurrentRecordNumber;
    ShowWrestlerOnCard(*this, game_.CurrentWrestler);
}

void WrestlerEditor::Form24_cmdSave_Click() {
    if (!passesCheck(game_, *this, "This wrestler is invalid. Changes have not been saved.")) return;
    const bool adding = game_.EditMode == 1;
    // Only an Add or a wrestler picked here says which record to write: anything else would overwrite a
    // wrestler the player never picked.
    if (!adding && (game_.EditMode != 2 || pickedRecord_ < 1)) {
        game_.msgBox("Pick a wrestler from the list first. Changes have not been saved.", InvalidTitle);
        return;
    }
    const WrestlerFields fields = FieldsOf(*this);
    FieldsIntoRecord(fields, game_.CurrentWrestler);
    if (adding) {
        if (!appendWrestler(game_)) return;
        addToList(fields.name);
        return;
    }
    game_.CurrentWrestler.Id = IdForPosition(pickedRecord_);
    if (!WriteRecordFrom(game_, game_.WrestlerFilePath, pickedRecord_)) tellWriteFailed(game_);
}

void WrestlerEditor::Form24_cmdRemove_Click() {
    auto& list = c("lstData");
    if (list.text().empty()) return;
    if (RemoveWrestler(game_, list)) pickedRecord_ = 0;
}

void WrestlerEditor::Form24_cmdAdd_Click() {
    game_.EditMode = 1;
    game_.show<AddWrestlerDialog>();
    game_.hide<WrestlerEditor>();
}

void WrestlerEditor::Form24_cmdExit_Click() {
    // The working copy replaces the master in one rename, so a copy that fails half way leaves the master
    // as it was.
    if (!CopyRecordFile(game_.path("\\wrestlers.dat"), game_.path("\\data\\wrestlers.dat"))) {
        game_.msgBox("The wrestler database could not be updated and has been left as it was. Your changes are "
                     "kept in the editor; press Exit to try again.",
                     FileErrorTitle);
        return;
    }
    game_.show<screens::MainMenu>();
    game_.unload<WrestlerEditor>();
}

void WrestlerEditor::Form24_scrollID_Change() { ShowWrestlerAtPosition(game_, *this, c("scrollID")); }

// ---------------------------------------------------------------------------------------------------
// The AddWrestlerDialog

AddWrestlerDialog::AddWrestlerDialog(Game& game) : Screen(game, addDialogDef()) {
    bind<AddWrestlerDialog>({
        {"Form", Event::Load, &AddWrestlerDialog::frmaddedit_Form_Load},
        {"cmdSave", Event::Click, &AddWrestlerDialog::frmaddedit_cmdSave_Click},
        {"cmdCancel", Event::Click, &AddWrestlerDialog::frmaddedit_cmdCancel_Click},
    });
}

void AddWrestlerDialog::frmaddedit_Form_Load() { setPicture("\\QAVLE.bmp"); }

void AddWrestlerDialog::frmaddedit_cmdSave_Click() {
    if (!passesCheck(game_, *this, "This wrestler is invalied. Changes have not been saved.")) return;
    FieldsIntoRecord(FieldsOf(*this), game_.CurrentWrestler);
    if (!appendWrestler(game_)) return;
    game_.show<WrestlerEditor>();
    game_.unload<AddWrestlerDialog>();
}

void AddWrestlerDialog::frmaddedit_cmdCancel_Click() {
    game_.show<WrestlerEditor>();
    game_.unload<AddWrestlerDialog>();
}

}  // namespace varnholt
