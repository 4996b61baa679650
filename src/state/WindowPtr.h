// An owning pointer to a window of type W that the state holds by a forward declaration of W:
// the window is owned as a ui::Form, so the state can release it without knowing W, while the
// code that knows W reaches it typed. Only code that sees W's definition can make one.
#pragma once

#include <memory>
#include <utility>

#include "ui/Form.h"

template <class W>
class WindowPtr {
  public:
    WindowPtr() = default;
    // Takes the window made by the caller, which knows that W is a ui::Form.
    template <class Made>
    explicit WindowPtr(std::unique_ptr<Made> made) : typed_(made.get()), owned_(std::move(made)) {}

    W* get() const { return typed_; }
    W* operator->() const { return typed_; }
    W& operator*() const { return *typed_; }
    explicit operator bool() const { return typed_ != nullptr; }

    // Gives up the window, to be released by the caller; the pointer is empty afterwards.
    std::unique_ptr<ui::Form> Release() {
        typed_ = nullptr;
        return std::move(owned_);
    }

  private:
    W* typed_ = nullptr;
    std::unique_ptr<ui::Form> owned_;
};
