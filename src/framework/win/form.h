#pragma once
// Forms: top-level windows of a window class named after the form's class
// ("Tfrmmain"), with border icons, a start position, size constraints, a form
// font that its controls follow, and OnCreate/OnDestroy. A form is in the
// screen's list of forms for its whole life.

#include <memory>

#include "framework/class_registry.h"
#include "framework/win/form_menu.h"
#include "framework/win/win_control.h"

enum class TBorderIcon { biSystemMenu, biMinimize, biMaximize, biHelp };
using TBorderIcons = TSet<TBorderIcon>;
extern const TEnumInfo kBorderIconInfo;

enum class TPosition { poDesigned, poDefault, poScreenCenter };
extern const TEnumInfo kPositionInfo;

// An MDI form holds an MDI client window in which its MDI child forms live.
enum class TFormStyle { fsNormal, fsMDIChild, fsMDIForm };
extern const TEnumInfo kFormStyleInfo;

// The smallest and largest size of a window; 0 means no limit.
class TSizeConstraints : public TPersistent {
 public:
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  int MinWidth() const { return min_width_; }
  void SetMinWidth(int value) { min_width_ = value; }
  int MinHeight() const { return min_height_; }
  void SetMinHeight(int value) { min_height_ = value; }

 private:
  int min_width_ = 0;
  int min_height_ = 0;
};

// What closing a form does: nothing, hide it, free it, or minimise it.
enum class TCloseAction { caNone, caHide, caFree, caMinimize };
using TCloseQueryEvent = std::function<void(TObject* sender, bool& can_close)>;
using TCloseEvent = std::function<void(TObject* sender, TCloseAction& action)>;

class TCustomForm : public TWinControl {
 public:
  explicit TCustomForm(TComponent* owner);
  ~TCustomForm() override;

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  TBorderIcons BorderIcons() const { return border_icons_; }
  void SetBorderIcons(TBorderIcons icons);
  TPosition Position() const { return position_; }
  void SetPosition(TPosition position) { position_ = position; }
  TSizeConstraints* Constraints() const { return constraints_.get(); }
  TFormStyle FormStyle() const { return form_style_; }
  void SetFormStyle(TFormStyle style);

  // MDI form: the MDI client window (null before the window exists) and its
  // children, the active one, and their arrangement.
  HWND ClientHandle() const { return client_; }
  TCustomForm* ActiveMDIChild() const;
  void Tile();
  void Cascade();
  const TNotifyEvent& OnCreate() const { return on_create_; }
  void SetOnCreate(TNotifyEvent handler) { on_create_ = std::move(handler); }
  const TNotifyEvent& OnDestroy() const { return on_destroy_; }
  void SetOnDestroy(TNotifyEvent handler) { on_destroy_ = std::move(handler); }

  // Asked before the form closes: clearing `can_close` keeps it open.
  void SetOnCloseQuery(TCloseQueryEvent handler) { on_close_query_ = std::move(handler); }
  // Told as the form closes, with what closing will do; caNone keeps it open.
  void SetOnClose(TCloseEvent handler) { on_close_ = std::move(handler); }

  void SetBounds(int left, int top, int width, int height) override;
  void Show();
  // Closes the form as its close button does: OnCloseQuery, then OnClose
  // with caHide (caFree for the main form), then the action; closing the
  // main form in any way but caNone ends the program.
  void Close();
  // Whether OnCloseQuery lets the form close.
  virtual bool CloseQuery();
  // Runs OnDestroy (once) and frees the form: OnDestroy still sees the
  // derived form whole.
  void Free() override;
  // Frees the form once the messages now waiting are handled and every
  // handler of the message that frees it has returned.
  void Release();

  // The menu bar of the form's window.
  TMainMenu* Menu() const { return menu_.Menu(); }
  void SetMenu(TMainMenu* menu) { menu_.SetMenu(menu, WindowHandle()); }

  // Drops what the form remembers of a control that is going.
  void ForgetControl(TControl* control);

  // Moves the focus to the next (or previous) control in tab order.
  void SelectNext(TWinControl* current, bool forward);
  // Moves the focus to the next (or previous) control of the same parent,
  // tab stop or not, as the arrow keys do.
  void SelectNextSibling(TWinControl* current, bool forward);

 protected:
  void CreateParams(TCreateParams& params) override;
  void WndProc(TMessage& message) override;
  // Reads the form's stored description from the program's resources with
  // the classes it may name.
  void InitForm(const char* resource_name, const TClassRegistry& classes);
  // Runs OnCreate; a derived form calls it once its own members are set.
  void DoCreate() { on_create_(this); }
  void Loaded() override;
  // Without a window yet, the client area that the frame of the form's
  // styles would leave.
  void AdjustClientRect(layout::Rect& rect) const override;
  // Puts on the form's menu bar and the application's icon.
  void InitializeWnd() override;
  // The MDI frame and child procedures stand in for the plain default.
  void DefaultHandler(TMessage& message) override;
  // An MDI child's window goes through its MDI client, which then activates
  // the next child and lets go of the frame's maximised-child state.
  void DestroyWnd() override;
  void Notification(TComponent* component, TOperation operation) override;

 private:
  // MDI: a child's window inside the MDI form's client; the client of an
  // MDI form, showing the form's menu as the frame menu.
  void MDIChildParams(TCreateParams& params) const;
  void CreateMDIClient();
  HWND AlignedClientWindow() const override { return client_; }
  void WmGetMinMaxInfo(TMessage& message);
  void WmClose(TMessage& message);
  void WmSysCommand(TMessage& message);
  void CmDialogKey(TMessage& message);
  void CmDialogChar(TMessage& message);
  void CmFocusChanged(TMessage& message);
  void WmActivate(TMessage& message);

  std::wstring window_class_name_;
  TBorderIcons border_icons_{TBorderIcon::biSystemMenu, TBorderIcon::biMinimize, TBorderIcon::biMaximize};
  TPosition position_ = TPosition::poDesigned;
  TFormStyle form_style_ = TFormStyle::fsNormal;
  HWND client_ = nullptr;  // a child of the form's window, destroyed with it
  std::unique_ptr<TSizeConstraints> constraints_ = std::make_unique<TSizeConstraints>();
  TNotifyEvent on_create_;
  TNotifyEvent on_destroy_;
  TCloseQueryEvent on_close_query_;
  TCloseEvent on_close_;
  bool destroying_ = false;
  TWinControl* active_control_ = nullptr;  // the focused control, given back on activation
  TFormMenu menu_;
};

class TForm : public TCustomForm {
 public:
  using TCustomForm::TCustomForm;

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
};
