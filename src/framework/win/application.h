#pragma once
// The application object: program-wide settings (title, hints), the forms it
// creates and owns, the Unicode message loop with the framework's work around
// each message (hints, mouse enter and leave, dialog keys), and the display of
// exceptions that handlers let pass.

#include "framework/win/win_api.h"

#include <exception>
#include <utility>

#include "framework/colors.h"
#include "framework/component.h"
#include "framework/win/window_icon.h"
#include "framework/win/windows_locale.h"

class TControl;
class TCustomForm;
class THintWindow;

class TApplication : public TComponent {
 public:
  TApplication();
  ~TApplication() override;

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  // Installs the system's locale for string lists, loads the common
  // controls and the program's icon; the first thing a program does.
  void Initialize();

  // The icon every form's window shows: the program's icon resource
  // "MAINICON", or none when the program has no such resource.
  const TWindowIcon& Icon() const { return icon_; }
  // Replaces the icon, on the windows of the forms that exist too.
  void SetIcon(TWindowIcon icon);

  const AnsiString& Title() const { return title_; }
  void SetTitle(std::string_view title) { title_ = AnsiString(title); }
  int HintPause() const { return hint_pause_; }
  void SetHintPause(int milliseconds) { hint_pause_ = milliseconds; }
  // How long a hint stays up.
  int HintHidePause() const { return hint_hide_pause_; }
  void SetHintHidePause(int milliseconds) { hint_hide_pause_ = milliseconds; }
  bool ShowHint() const { return show_hint_; }
  void SetShowHint(bool show_hint);
  TColor HintColor() const { return hint_color_; }
  void SetHintColor(TColor color) { hint_color_ = color; }
  THintWindow* HintWindow() const { return hint_window_; }

  // Creates a form owned by the application; the first becomes the main form.
  template <class T, class... Args>
  void CreateForm(T*& reference, Args&&... args) {
    reference = new T(this, std::forward<Args>(args)...);
    if (main_form_ == nullptr) main_form_ = reference;
  }
  TCustomForm* MainForm() const { return main_form_; }

  // Shows the main form and handles messages until Terminate.
  void Run();
  // Handles the messages waiting in the queue, then returns.
  void ProcessMessages();
  void Terminate();
  bool Terminated() const { return terminated_; }

  // Shows the exception's message in a message box; the program goes on.
  void ShowException(const std::exception& e);
  void HandleException(std::exception_ptr e);

  // The control under the mouse that a hint is pending or shown for.
  TControl* HintControl() const { return hint_control_; }
  void HintTimerExpired();
  void CancelHint();
  // A control is going: nothing may refer to it any more.
  void ControlDestroying(TControl* control);

 private:
  bool ProcessMessage(MSG& msg);
  bool IsKeyMsg(const MSG& msg);
  void NoteMouse(const MSG& msg);
  void MouseLeft(HWND wnd);
  void SetHintControl(TControl* control);
  void FreeForms();

  AnsiString title_;
  int hint_pause_ = 500;
  int hint_hide_pause_ = 2500;
  bool show_hint_ = true;
  TColor hint_color_ = static_cast<TColor>(0xFF000018u);  // clInfoBk
  THintWindow* hint_window_ = nullptr;                    // owned as a component
  TControl* hint_control_ = nullptr;
  TCustomForm* main_form_ = nullptr;
  bool terminated_ = false;
  WindowsLocale locale_;
  TWindowIcon icon_;  // outlives the forms, whose windows use its handles
};

// The program's one application object.
TApplication& Application();

// Where the window procedure sends an exception that a handler let pass.
void HandleWindowException(std::exception_ptr e);
