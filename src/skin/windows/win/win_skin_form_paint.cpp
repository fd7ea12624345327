// The skinned frame of a form: borders, title with caption text and
// buttons, composed as one image and copied to the window once; the region
// cut from the borders' transparent pixels.

#include "framework/win/application.h"
#include "framework/win/form.h"
#include "framework/win/gdi.h"
#include "framework/win/window_icon.h"
#include "skin/data/image/element_draw.h"
#include "skin/data/image/image_blit.h"
#include "skin/data/win/dib_image.h"
#include "skin/data/win/skin_data_part_win.h"
#include "skin/windows/caption_text.h"
#include "skin/windows/menu_layout.h"
#include "skin/windows/skin_messages.h"
#include "skin/windows/win/paint/window_region.h"
#include "skin/windows/win/paint/work_bitmap.h"
#include "skin/windows/win/skin_manage.h"
#include "skin/windows/win/win_skin_form.h"
#include "skin/windows/win/win_skin_menu.h"
#include "skin/windows/win/win_sys_button.h"

namespace {

const wchar_t kCaptionPrefix[] = L" ";
const wchar_t kCaptionSuffix[] = L"  ";

TColor Resolve(const TSkinData& data, TColor colour) {
  return data.Environment().SystemColours().Resolve(colour);
}

// The icon a title shows: the window's own, else the program's main window's
// (a dialog of the program), else the system's default application icon.
HICON TitleIcon(HWND window) {
  HICON icon = WindowIconOf(window);
  if (icon == nullptr && Application().MainForm() != nullptr && Application().MainForm()->HandleAllocated()) {
    icon = WindowIconOf(Application().MainForm()->WindowHandle());
  }
  // IDI_APPLICATION.
  return icon != nullptr ? icon : LoadIconW(nullptr, MAKEINTRESOURCEW(32512));
}

// A border element's frame drawn at a piece's size: tiled unless the skin
// asks for stretching, frames stacked for the top and bottom borders.
TSkinBitmap BorderPiece(const TDataSkinObject& element, const TRect& piece, bool active, bool vertical) {
  return BuildElementBitmap(Bounds(0, 0, piece.Width(), piece.Height()), element.Bitmap, element.Margins(),
                            BorderFrameIndex(active, element.Frame), element.Frame, element.Tile != 1,
                            vertical);
}

}  // namespace

TCaptionFormState TWinSkinForm::CaptionState() const {
  TCaptionFormState state{};
  state.Maximized = show_state_ == TShowState::ssMaximized;
  state.Minimized = show_state_ == TShowState::ssMinimized;
  state.Active = active_;
  state.HasMinimizeBox = has_minimize_;
  state.HasMaximizeBox = has_maximize_;
  state.HasSystemMenu = has_system_menu_;
  state.HasHelpButton = has_help_;
  state.MdiParentWithMaximizedChild = ActiveMdiChildMaximised();
  state.HasMenuBar = menu_bar_ != nullptr;
  state.Kind = kind_;
  state.DialogClass = dialog_;
  return state;
}

void TWinSkinForm::LayoutCaptionButtons(int window_width, const TRect& title_text) {
  const int menubar_left = data_->MenuBar ? data_->MenuBar->LeftWidth : 0;
  for (auto& button : buttons_) {
    button->BoundsRect = CaptionButtonRect(button->Def(), window_width, title_text, metrics_, menubar_left);
  }
}

void TWinSkinForm::PaintTitle() {
  PaintFrame(nullptr, true);
}

void TWinSkinForm::PaintMenuBarButton(const TWinSysButton& button) {
  if (menu_bar_ == nullptr || !button.Visible) return;
  const TDataSkinSysButton& def = button.Definition();
  menu_bar_->PaintImage({button.BoundsRect, &def.Bitmap,
                         CaptionButtonFrame(button.State, button.Enabled, def.Frame, true), def.Frame});
}

void TWinSkinForm::PaintFrame(HDC given, bool title_only) {
  if (data_ == nullptr || data_->NotLoaded || SharedWorkBitmap() == nullptr) return;
  if (life_ != TFormLifeState::flsRunning && life_ != TFormLifeState::flsReapplying) return;
  if (kind_ == TFrameKind::fkNoCaption) return;
  if (mdi_role_ == TMdiRole::mrChild && show_state_ == TShowState::ssMaximized) return;
  RECT window{};
  GetWindowRect(window_, &window);
  const int width = window.right - window.left, height = window.bottom - window.top;
  if (width <= 0 || height <= 0) return;
  const bool minimized = show_state_ == TShowState::ssMinimized;
  const int band = minimized ? height : std::min(height, metrics_.Top);
  const TSkinData& data = *data_;

  // The border pieces and the title band, composed as one image.
  const int image_height = title_only || minimized ? band : height;
  TSkinBitmap frame(width, std::max(image_height, 1), Resolve(data, data.Colours[scButtonFace]));
  const TBorderPieces pieces = BorderPieces(width, height, metrics_);
  if (!minimized && !title_only) {
    if (data.BorderLeft) DrawImage(frame, 0, 0, BorderPiece(*data.BorderLeft, pieces.Left, active_, false));
    if (data.BorderRight)
      DrawImage(frame, pieces.Right.Left, 0, BorderPiece(*data.BorderRight, pieces.Right, active_, false));
    if (data.BorderBottom)
      DrawImage(frame, pieces.Bottom.Left, pieces.Bottom.Top,
                BorderPiece(*data.BorderBottom, pieces.Bottom, active_, true));
  } else if (title_only && !minimized && data.BorderLeft && data.BorderRight) {
    // Only the title band: the side borders' top rows are part of it.
    const TSkinBitmap left = BorderPiece(*data.BorderLeft, pieces.Left, active_, false);
    const TSkinBitmap right = BorderPiece(*data.BorderRight, pieces.Right, active_, false);
    DrawImage(frame, 0, 0, left);
    DrawImage(frame, pieces.Right.Left, 0, right);
  }
  const TRect top = minimized ? Bounds(0, 0, width, band) : pieces.Top;
  if (data.BorderTop && top.Width() > 0 && top.Height() > 0) {
    DrawImage(frame, top.Left, top.Top, BorderPiece(*data.BorderTop, top, active_, true));
  }

  // The caption: its text rectangle decides where text-aligned buttons go.
  std::wstring text = kCaptionPrefix + ReadWindowText(window_) + kCaptionSuffix;
  const TCaptionFormState state = CaptionState();
  std::vector<TCaptionButtonDef> defs;
  const auto visible = std::make_unique<bool[]>(buttons_.size() + 1);
  for (auto& button : buttons_) {
    button->Visible = CaptionButtonVisible(button->Def(), state, [this](int code, int action) {
      return static_cast<int>(SendMessageW(window_, SKM_CUSTOMVISIBLE, static_cast<WPARAM>(code), action));
    });
    button->Enabled = CaptionButtonEnabled(button->Def(), state);
    // A button that went (a restored MDI child's, on the bar) is no longer
    // under the mouse: it comes back in its normal face.
    if (!button->Visible) {
      button->State = TNCState::ncsNormal;
      if (hot_ == button.get()) hot_ = nullptr;
    }
    visible[defs.size()] = button->Visible;
    defs.push_back(button->Def());
  }
  const int reserve = RightReserve(defs, std::span<const bool>(visible.get(), defs.size()));

  // The text is measured on the screen in the caption font, so that every
  // pixel operation below runs on the one image before it becomes a DIB.
  SIZE text_size{};
  {
    const WindowDC screen(nullptr);
    const SelectedObject font(screen.get(), WinPart(data)->CaptionFont());
    RECT measure{0, 0, 0, 0};
    DrawTextW(screen.get(), text.c_str(), static_cast<int>(text.size()), &measure,
              DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    text_size = {measure.right, measure.bottom};
  }
  TCaptionTextInput input{};
  input.TitleWidth = width;
  input.TitleHeight = metrics_.Top;
  input.TextWidth = text_size.cx;
  input.TextHeight = text_size.cy;
  input.TextAlignment = data.Title->TextAlignment;
  input.TextShift = data.Title->LeftWidth;
  input.TextShiftVert = data.Title->TopHeight;
  input.TextRightClip = data.Title->RightWidth;
  input.TXTBackleft = data.Title->TXTBackleft;
  input.TXTBackRight = data.Title->TXTBackRight;
  input.RightReserve = reserve;
  input.RightToLeft = right_to_left_;
  input.Popup = (Style() & WS_POPUP) != 0;
  input.Kind = kind_;
  const TRect text_rect = CaptionTextRect(input);
  LayoutCaptionButtons(width, text_rect);

  // The text background and the buttons' images, still on pixels.
  TSkinBitmap& composed = frame;
  if (!data.Title->Bitmap.Empty()) {
    DrawElementStrip(composed, TRect{text_rect.Left, 0, text_rect.Right, metrics_.Top}, data.Title->Bitmap,
                     TRect{data.Title->TXTBackleft, 0, data.Title->TXTBackRight, 0}, active_ ? 1 : 2, 2, true,
                     true);
  }
  std::vector<const TWinSysButton*> icons;
  for (const auto& button : buttons_) {
    if (!button->Visible || button->IsMenuBarButton() || button->Definition().Bitmap.Empty()) continue;
    if (button->IsIcon()) {
      icons.push_back(button.get());
      continue;
    }
    const TDataSkinSysButton& def = button->Definition();
    const int frame_index = button->State != TNCState::ncsNormal
                                ? CaptionButtonFrame(button->State, button->Enabled, def.Frame, false)
                                : TitleBitmapButtonFrame(active_, button->Enabled, def.Frame);
    DrawSkinElement(composed, button->BoundsRect, def.Bitmap, TRect{}, frame_index, def.Frame, true, false,
                    false);
  }
  const TDibImage canvas(composed);
  if (canvas.DC() == nullptr) return;
  HDC dc = canvas.DC();
  // Icons keep their own soft edges: drawn with their alpha over the title.
  for (const TWinSysButton* button : icons) {
    if (HICON icon = TitleIcon(window_)) {
      DrawIconEx(dc, button->BoundsRect.Left, button->BoundsRect.Top, icon, GetSystemMetrics(SM_CXSMICON),
                 GetSystemMetrics(SM_CYSMICON), 0, nullptr, DI_NORMAL);
    }
  }
  {
    const SelectedObject font(dc, WinPart(data)->CaptionFont());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, static_cast<COLORREF>(
                         Resolve(data, data.Colours[active_ ? scTitleTextActive : scTitleTextNoActive])));
    const TRect draw = CaptionDrawRect(text_rect, data.Title->TXTBackleft, data.Title->TXTBackRight);
    RECT r{draw.Left, draw.Top, draw.Right, draw.Bottom};
    UINT format = DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS;
    if (right_to_left_) format |= DT_RIGHT | DT_RTLREADING;
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, format);
    SetBkMode(dc, OPAQUE);
  }

  // One copy to the window, around the client area.
  HDC target = given;
  std::unique_ptr<WindowDC> window_dc;
  if (target == nullptr) {
    window_dc = std::make_unique<WindowDC>(window_, WindowDC::kWholeWindow);
    target = window_dc->get();
  }
  if (target == nullptr) return;
  {
    const SavedDC saved(target);
    if (!title_only && !minimized) {
      const TRect client = SkinClientRect(Bounds(0, 0, width, height), metrics_);
      ExcludeClipRect(target, client.Left, client.Top - metrics_.MenuBar, client.Right, client.Bottom);
    }
    BitBlt(target, 0, 0, width, image_height, dc, 0, 0, SRCCOPY);
  }
  if (!title_only && !minimized && metrics_.MenuBar > 0) {
    const TRect bar = MenuBarRect(width, metrics_);
    if (menu_bar_ != nullptr) {
      PaintMenuBar(target, bar);
    } else {
      RECT r{bar.Left, bar.Top, bar.Right, bar.Bottom};
      FillRect(target, &r, WinPart(data)->FaceBrush());
    }
  }
}

// The bar with a maximised MDI child's buttons at their places; right-to-left
// bar buttons keep clear of them.
void TWinSkinForm::PaintMenuBar(HDC dc, const TRect& bar) {
  std::vector<TBarImage> images;
  int rtl_limit = bar.Right;
  for (const auto& button : buttons_) {
    const TDataSkinSysButton& def = button->Definition();
    if (!button->IsMenuBarButton() || !button->Visible || def.Bitmap.Empty()) continue;
    images.push_back({button->BoundsRect, &def.Bitmap,
                      CaptionButtonFrame(button->State, button->Enabled, def.Frame, true), def.Frame});
    rtl_limit = std::min(rtl_limit, button->BoundsRect.Left);
  }
  menu_bar_->Paint(dc, bar, images, rtl_limit);
  TSkinManage* manager = SkinManager();
  if (!images.empty() && manager != nullptr && !manager->MdiChildMaximised()) manager->SetMdiMaximised(true);
}

void TWinSkinForm::BuildRegion() {
  if (!frame_skinning_ || life_ == TFormLifeState::flsDestroyed || data_ == nullptr || data_->NotLoaded)
    return;
  if (mdi_role_ == TMdiRole::mrChild && show_state_ != TShowState::ssNormal) return;
  RECT window{};
  GetWindowRect(window_, &window);
  const int width = window.right - window.left, height = window.bottom - window.top;
  if (width <= 0 || height <= 0) return;
  if (region_set_ && region_size_.cx == width && region_size_.cy == height &&
      mdi_role_ != TMdiRole::mrChild && life_ != TFormLifeState::flsReapplying) {
    return;
  }
  const TSkinData& data = *data_;
  const auto trans = [](const auto& element) { return element && element->Trans != 0; };
  const TRegionPlan plan =
      PlanWindowRegion(width, height, metrics_, kind_, trans(data.BorderLeft), trans(data.BorderRight),
                       trans(data.BorderTop), trans(data.BorderBottom));
  UniqueRegion region(CreateRectRgn(0, 0, width, height));
  if (!plan.WholeWindow) {
    region =
        UniqueRegion(CreateRectRgn(plan.Client.Left, plan.Client.Top, plan.Client.Right, plan.Client.Bottom));
    for (const TRegionPlan::Piece& piece : plan.Pieces) {
      UniqueRegion part;
      if (piece.FromImage) {
        const TDataSkinObject* element = piece.Border == 0   ? data.BorderLeft.get()
                                         : piece.Border == 1 ? data.BorderRight.get()
                                         : piece.Border == 2 ? data.BorderBottom.get()
                                                             : data.BorderTop.get();
        const bool vertical = piece.Border >= 2;
        part = RegionFromBitmap(BorderPiece(*element, piece.Rect, true, vertical), piece.Rect.Left,
                                piece.Rect.Top, clFuchsia, 1, 1, 1);
      } else {
        part =
            UniqueRegion(CreateRectRgn(piece.Rect.Left, piece.Rect.Top, piece.Rect.Right, piece.Rect.Bottom));
      }
      if (part) CombineRgn(region.get(), region.get(), part.get(), RGN_OR);
    }
  }
  SetWindowRgn(window_, region.release(), TRUE);
  region_set_ = true;
  region_size_ = {width, height};
}

void TWinSkinForm::RemoveRegion() {
  if (!region_set_) return;
  region_set_ = false;
  region_size_ = {0, 0};
  if (IsWindow(window_)) SetWindowRgn(window_, nullptr, mdi_role_ == TMdiRole::mrChild);
}
