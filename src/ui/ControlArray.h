// A control array: controls of one kind under one name, told apart by a 16-bit index that may
// skip numbers. Every element shares the array's event handlers, which receive the index.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "ui/Control.h"
#include "ui/Form.h"

namespace ui {

template <class T>
class ControlArray {
  public:
    ControlArray(Form& form, std::string name) : form_(form), name_(std::move(name)) {}
    ControlArray(const ControlArray&) = delete;
    ControlArray& operator=(const ControlArray&) = delete;

    // The handlers of every element, present and future.
    Events& On() { return events_; }
    const std::string& Name() const { return name_; }

    // Creates element index (or returns it when it exists).
    T& Load(int16_t index) {
        auto& slot = items_[index];
        if (!slot) {
            slot = std::make_unique<T>(form_, name_, index, &events_);
            form_.Added(*slot);
        }
        return *slot;
    }
    void Unload(int16_t index) { items_.erase(index); }
    bool Exists(int16_t index) const { return items_.count(index) != 0; }

    // The element with that index; asking for one that was never loaded is a program error.
    T& operator()(int16_t index) const { return At(index); }
    T& operator[](int16_t index) const { return At(index); }

    size_t Count() const { return items_.size(); }
    int16_t LBound() const { return items_.empty() ? 0 : items_.begin()->first; }
    int16_t UBound() const { return items_.empty() ? -1 : items_.rbegin()->first; }
    std::vector<int16_t> Indices() const {
        std::vector<int16_t> v;
        for (const auto& [i, c] : items_) v.push_back(i);
        return v;
    }
    template <class Fn>
    void ForEach(Fn fn) const {
        for (const auto& [i, c] : items_) fn(i, *c);
    }

  private:
    T& At(int16_t index) const {
        const auto it = items_.find(index);
        if (it == items_.end()) {
            throw std::out_of_range("control array " + name_ + " has no element " +
                                    std::to_string(index));
        }
        return *it->second;
    }

    Form& form_;
    std::string name_;
    Events events_;
    std::map<int16_t, std::unique_ptr<T>> items_;
};

}  // namespace ui
