// Combo boxes and list boxes.
#pragma once

#include <string>
#include <vector>

#include "ui/Control.h"
#include "ui/TextEditing.h"

namespace ui {

class ListControl : public Control {
  public:
    const std::vector<std::string>& List() const { return items_; }
    // Item i; an empty text for an index outside the list.
    const std::string& List(int16_t i) const;
    int16_t ListCount() const { return static_cast<int16_t>(items_.size()); }
    // Adds an item at the end (index -1) or before index.
    void AddItem(const std::string& item, int16_t index = -1);
    void RemoveItem(int16_t index);
    void Clear();
    int32_t ItemData(int16_t i) const;
    void SetItemData(int16_t i, int32_t v);
    // -1: nothing selected. Setting a different index fires Click, setting the one it holds
    // runs nothing; an index outside the list is brought into it.
    int16_t ListIndex() const { return listIndex_; }
    void SetListIndex(int16_t i);
    // A person picks item i: a different one is selected as SetListIndex does; picking the
    // selected one again runs the list box's Click, and nothing in a combo box.
    bool UserSelect(int16_t i);

  protected:
    ListControl(Form& form, Kind kind, std::string name, int16_t index, Events* shared);
    virtual void IndexChanged() {}
    // A person picked the item that is already selected.
    virtual void PickedAgain() {}
    // An item was inserted at or removed from pos; all items were removed.
    virtual void ItemInserted(size_t pos) { (void)pos; }
    virtual void ItemRemoved(size_t pos) { (void)pos; }
    virtual void ItemsCleared() {}

  private:
    std::vector<std::string> items_;
    std::vector<int32_t> itemData_;
    int16_t listIndex_ = -1;
};

class ComboBox : public ListControl {
  public:
    ComboBox(Form& form, std::string name, int16_t index = -1, Events* shared = nullptr);

    // 0 drop-down combo (editable), 1 simple combo, 2 drop-down list (pick only).
    int16_t Style() const { return style_; }
    void SetStyle(int16_t s);
    const std::string& Text() const { return edit_.text; }
    // Editable styles: sets the text (Change when different) and selects the equal item, if any.
    void SetText(const std::string& t);

  private:
    void IndexChanged() override;
    // Typing edits the text of the editable styles.
    void TypedKey(int16_t key) override;

    int16_t style_ = 0;
    EditState edit_;
};

class ListBox : public ListControl {
  public:
    ListBox(Form& form, std::string name, int16_t index = -1, Events* shared = nullptr);

    // 0 one item at a time (the ListIndex item); 1 a click or Space toggles an item, 2 Shift
    // and Ctrl extend the selection. With 1 or 2 each item is selected or not on its own.
    int16_t MultiSelect() const { return multiSelect_; }
    void SetMultiSelect(int16_t m);
    // Whether item i is selected; with MultiSelect 0 only the ListIndex item is.
    bool Selected(int16_t i) const;
    // Selects or deselects item i of a multi-select list; a change fires Click.
    void SetSelected(int16_t i, bool v);
    // A person selects or deselects item i.
    bool UserSetSelected(int16_t i, bool v);

  private:
    void PickedAgain() override;
    void ItemInserted(size_t pos) override;
    void ItemRemoved(size_t pos) override;
    void ItemsCleared() override;

    int16_t multiSelect_ = 0;
    std::vector<bool> selected_;
};

}  // namespace ui
