// A window: the main MDI window, an MDI child, or a dialog. Subclasses create their
// controls as members (the design-time layout) and override the lifecycle handlers.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

#include "ui/Peer.h"
#include "ui/Types.h"

namespace ui {

class Control;
class Host;

enum class FormKind : uint8_t { Normal, MdiMain, MdiChild };

class Form {
  public:
    Form(Host& host, std::string name, FormKind kind = FormKind::Normal);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    Host& GetHost() const { return host_; }
    const std::string& Name() const { return name_; }
    FormKind GetFormKind() const { return formKind_; }
    // The window handle, unique while the program runs.
    int32_t hWnd() const { return hwnd_; }

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& c);
    // Outer size and position in twips; the client area is ScaleWidth x ScaleHeight.
    Twips Left() const { return left_; }
    Twips Top() const { return top_; }
    Twips Width() const { return width_; }
    Twips Height() const { return height_; }
    void SetLeft(Twips v) { Move(v, top_, width_, height_); }
    void SetTop(Twips v) { Move(left_, v, width_, height_); }
    void SetWidth(Twips v) { Move(left_, top_, v, height_); }
    void SetHeight(Twips v) { Move(left_, top_, width_, v); }
    void Move(Twips left, Twips top, Twips width, Twips height);
    Twips ScaleWidth() const;
    Twips ScaleHeight() const;
    // Sets the outer size from a client size.
    void SetClientSize(Twips width, Twips height);
    static constexpr Twips kFrameWidth = 120;
    static constexpr Twips kFrameHeight = 495;

    bool Visible() const { return visible_; }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool v);
    Color BackColor() const { return backColor_; }
    void SetBackColor(Color c);
    int16_t MousePointer() const { return mousePointer_; }
    void SetMousePointer(int16_t p);
    int16_t WindowState() const { return windowState_; }
    void SetWindowState(int16_t s);
    // Fixed-size windows cannot be resized by the user (dialogs).
    bool Sizable() const { return sizable_; }
    void SetSizable(bool v) { sizable_ = v; }

    bool Loaded() const { return loaded_; }
    bool Modal() const { return modal_; }
    // True once the form has been unloaded: it is finished and is not shown again.
    bool Finished() const { return finished_; }

    // Runs Form_Load once (creating the window without showing it).
    void Load();
    // Loads, shows and activates the window.
    void Show();
    // Loads and shows the window modally; returns when it has been hidden or unloaded. The
    // window whose handler shows it owns it meanwhile: when that one is unloaded, this one is
    // asked to unload too (QueryUnload with vbFormOwner), and a window that has been unloaded
    // shows none.
    void ShowModal();
    void Hide();
    // Unloads from code: QueryUnload (vbFormCode) and Unload may cancel; true when unloaded.
    bool Unload();

    // An event handler of the window or of one of its controls runs while this lives. The
    // window is in use meanwhile, and a modal window shown then belongs to it.
    class Running {
      public:
        explicit Running(Form& form);
        ~Running();
        Running(const Running&) = delete;
        Running& operator=(const Running&) = delete;

      private:
        Form& form_;
        Form* outer_;
    };
    // A handler of the window runs, or a modal loop one of them opened.
    bool InUse() const { return running_ > 0; }
    // Runs fn once the window is not in use (at once when it is not): what releases a
    // window waits for this.
    void WhenIdle(std::function<void()> fn);

    // What a person (or the host on the person's behalf) does to the window.
    bool UserClose();
    void UserActivate();
    void UserDeactivate();
    void UserResize(Twips width, Twips height);
    void UserMinimize();

    // The controls in z-order, back first.
    const std::vector<Control*>& Controls() const;
    // The control with that name and index (-1: not in an array), or nullptr.
    Control* Find(const std::string& name, int16_t index = -1) const;
    Control* Focused() const { return focused_; }

    void SetPeer(FormPeer* peer) { peer_ = peer; }
    FormPeer* Peer() const { return peer_; }

    // Used by controls and control arrays.
    void Register(Control* c);
    // A control created after construction (a control array grew) is ready to be shown.
    void Added(Control& c);
    void Deregister(Control* c);
    void Raise(Control* c, bool front);
    void SetFocused(Control* c);

  protected:
    virtual void Form_Load() {}
    virtual void Form_Activate() {}
    virtual void Form_Deactivate() {}
    virtual void Form_Resize() {}
    virtual void Form_QueryUnload(int16_t& cancel, int16_t unloadMode) {
        (void)cancel;
        (void)unloadMode;
    }
    virtual void Form_Unload(int16_t& cancel) { (void)cancel; }

  private:
    bool UnloadWith(int16_t mode);
    // Runs one of the window's own lifecycle handlers as a running handler.
    template <typename Handler>
    void Handle(Handler&& handler);
    // Closes the gaps destroyed controls left in controls_.
    void Compact() const;
    void Changed(Prop p);
    void StopTimers();

    Host& host_;
    std::string name_;
    FormKind formKind_;
    int32_t hwnd_;
    std::string caption_;
    Twips left_ = 0, top_ = 0, width_ = 4800, height_ = 3600;
    bool visible_ = false;
    bool enabled_ = true;
    Color backColor_ = vbButtonFace;
    int16_t mousePointer_ = vbDefault;
    int16_t windowState_ = vbNormal;
    bool sizable_ = true;
    bool loaded_ = false;
    bool modal_ = false;
    bool finished_ = false;
    bool resizedOnce_ = false;
    int running_ = 0;
    std::function<void()> whenIdle_;
    // The modal windows shown from a handler of this one and still open.
    std::vector<Form*> owned_;
    // A destroyed control leaves a gap (nullptr) that is closed later, so that destroying
    // all of a form's controls takes time linear in their number.
    mutable std::vector<Control*> controls_;
    mutable std::unordered_map<const Control*, size_t> positions_;
    mutable size_t gaps_ = 0;
    Control* focused_ = nullptr;
    FormPeer* peer_ = nullptr;
};

}  // namespace ui
