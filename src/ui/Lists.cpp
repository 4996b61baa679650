#include "ui/Lists.h"

#include "ui/Form.h"
#include "ui/Host.h"

namespace ui {

ListControl::ListControl(Form& form, Kind kind, std::string name, int16_t index, Events* shared)
    : Control(form, kind, std::move(name), index, shared) {
    SetBackColor(vbWindowBackground);
    SetForeColor(vbWindowText);
}

const std::string& ListControl::List(int16_t i) const {
    static const std::string kNone;
    return i >= 0 && i < ListCount() ? items_[static_cast<size_t>(i)] : kNone;
}

void ListControl::AddItem(const std::string& item, int16_t index) {
    const auto pos = index < 0 || index > ListCount() ? items_.size() : static_cast<size_t>(index);
    items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(pos), item);
    itemData_.insert(itemData_.begin() + static_cast<std::ptrdiff_t>(pos), 0);
    ItemInserted(pos);
    if (listIndex_ >= 0 && static_cast<size_t>(listIndex_) >= pos) ++listIndex_;
    Changed(Prop::List);
}

void ListControl::RemoveItem(int16_t index) {
    if (index < 0 || index >= ListCount()) return;
    items_.erase(items_.begin() + index);
    itemData_.erase(itemData_.begin() + index);
    ItemRemoved(static_cast<size_t>(index));
    if (listIndex_ == index) {
        listIndex_ = -1;
        IndexChanged();
    } else if (listIndex_ > index) {
        --listIndex_;
    }
    Changed(Prop::List);
}

void ListControl::Clear() {
    items_.clear();
    itemData_.clear();
    ItemsCleared();
    if (listIndex_ != -1) {
        listIndex_ = -1;
        IndexChanged();
    }
    Changed(Prop::List);
}

int32_t ListControl::ItemData(int16_t i) const {
    return i >= 0 && i < ListCount() ? itemData_[static_cast<size_t>(i)] : 0;
}

void ListControl::SetItemData(int16_t i, int32_t v) {
    if (i >= 0 && i < ListCount()) itemData_[static_cast<size_t>(i)] = v;
}

void ListControl::SetListIndex(int16_t i) {
    if (i < -1) i = -1;
    if (i >= ListCount()) i = static_cast<int16_t>(ListCount() - 1);
    if (i == listIndex_) return;
    listIndex_ = i;
    IndexChanged();
    Changed(Prop::ListIndex);
    Fire(&Events::Click);
}

bool ListControl::UserSelect(int16_t i) {
    if (!Usable() || i < 0 || i >= ListCount()) return false;
    SetFocus();
    if (i == listIndex_) {
        PickedAgain();
    } else {
        SetListIndex(i);
    }
    return true;
}

ComboBox::ComboBox(Form& form, std::string name, int16_t index, Events* shared)
    : ListControl(form, Kind::ComboBox, std::move(name), index, shared) {}

void ComboBox::SetStyle(int16_t s) {
    if (s == style_) return;
    style_ = s;
    Changed(Prop::Style);
}

void ComboBox::IndexChanged() {
    edit_.text = ListIndex() >= 0 ? EditableText(List(ListIndex())) : std::string();
    edit_.selStart = 0;
    edit_.selLength = 0;
    Changed(Prop::Text);
}

void ComboBox::SetText(const std::string& t) {
    const std::string text = EditableText(t);
    if (style_ == 2 || text == edit_.text) return;
    edit_.text = text;
    edit_.selStart = static_cast<int32_t>(text.size());
    edit_.selLength = 0;
    Changed(Prop::Text);
    Fire(&Events::Change);
}

void ComboBox::TypedKey(int16_t key) {
    if (style_ != 2 && ApplyTypedKey(edit_, key, false, 0, Parent().GetHost())) {
        Changed(Prop::Text);
        Fire(&Events::Change);
    }
}

ListBox::ListBox(Form& form, std::string name, int16_t index, Events* shared)
    : ListControl(form, Kind::ListBox, std::move(name), index, shared) {}

void ListBox::SetMultiSelect(int16_t m) {
    if (m == multiSelect_) return;
    multiSelect_ = m;
    selected_.assign(static_cast<size_t>(ListCount()), false);
    Changed(Prop::Style);
}

bool ListBox::Selected(int16_t i) const {
    if (i < 0 || i >= ListCount()) return false;
    if (multiSelect_ == 0) return i == ListIndex();
    return selected_[static_cast<size_t>(i)];
}

void ListBox::SetSelected(int16_t i, bool v) {
    if (multiSelect_ == 0 || i < 0 || i >= ListCount() || Selected(i) == v) return;
    selected_[static_cast<size_t>(i)] = v;
    Changed(Prop::ListIndex);
    Fire(&Events::Click);
}

bool ListBox::UserSetSelected(int16_t i, bool v) {
    if (multiSelect_ == 0 && v) return UserSelect(i);
    if (!Usable() || i < 0 || i >= ListCount()) return false;
    SetFocus();
    SetSelected(i, v);
    return true;
}

void ListBox::PickedAgain() {
    Fire(&Events::Click);
}

void ListBox::ItemInserted(size_t pos) {
    if (multiSelect_ != 0)
        selected_.insert(selected_.begin() + static_cast<std::ptrdiff_t>(pos), false);
}

void ListBox::ItemRemoved(size_t pos) {
    if (multiSelect_ != 0) selected_.erase(selected_.begin() + static_cast<std::ptrdiff_t>(pos));
}

void ListBox::ItemsCleared() {
    selected_.clear();
}

}  // namespace ui
