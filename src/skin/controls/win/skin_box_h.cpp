#include "skin/controls/win/skin_box_h.h"

#include "skin/data/model/skin_definition.h"
#include "skin/data/win/skin_data_part_win.h"

bool TSkinBoxH::BeforeMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_ERASEBKGND: {
      RECT r;
      GetWindowRect(Handle(), &r);
      OffsetRect(&r, -r.left, -r.top);
      FillSkinColor(reinterpret_cast<HDC>(message.WParam), r);
      message.Result = 0;
      return false;
    }
    case WM_CTLCOLORSTATIC: {
      CallDefault(message);
      const TWinSkinDataPart* part = WinPart(*SkinData());
      if (part == nullptr || part->FaceBrush() == nullptr) return false;
      // The text's own background too: the system's face colour would show
      // as a box around the text on the skin's face.
      SetBkColor(reinterpret_cast<HDC>(message.WParam), SkinColour(scButtonFace));
      message.Result = reinterpret_cast<std::intptr_t>(part->FaceBrush());
      return false;
    }
    default:
      return TSkinControl::BeforeMessage(message);
  }
}
