#include "skin_art.h"
#include "skin_images.h"

std::span<const TSkinImageEntry> CaptionImages() {
  using namespace art;
  static const TSkinImageEntry kImages[] = {
      {"close.bmp", [] { return CaptionButton(TCaptionGlyph::Close); }},
      {"minimise.bmp", [] { return CaptionButton(TCaptionGlyph::Minimise); }},
      {"maximise.bmp", [] { return CaptionButton(TCaptionGlyph::Maximise); }},
      {"restore.bmp", [] { return CaptionButton(TCaptionGlyph::Restore); }},
      {"help.bmp", [] { return CaptionButton(TCaptionGlyph::Help); }},
      {"icon.bmp", IconButton},
      {"button.bmp", PushButton},
  };
  return kImages;
}

std::span<const TSkinImageEntry> ControlImages() {
  using namespace art;
  static const TSkinImageEntry kImages[] = {
      {"scrollbar.bmp", ScrollbarStrip},
      {"hscroll.bmp", HorzScrollTrack},
      {"vscroll.bmp", VertScrollTrack},
      {"hthumb.bmp", HorzScrollThumb},
      {"vthumb.bmp", VertScrollThumb},
      {"header.bmp", HeaderBar},
      {"combobutton.bmp", ComboButton},
      {"sunkedge.bmp", SunkEdge},
      {"extra.bmp", ExtraImages},
      {"menubar.bmp", MenuBar},
      {"menuitem.bmp", MenuItem},
      {"menuback.bmp", MenuBackground},
      {"mdibuttons.bmp", MdiButtons},
      {"progress.bmp", Progress},
      {"tabs.bmp", Tabs},
      {"tabborder.bmp", TabBorder},
      {"groupedge.bmp", GroupBoxEdge},
      {"grouplabel.bmp", GroupBoxLabel},
      {"statusbar.bmp", StatusBarEdges},
      {"updownv.bmp", UpDownVert},
      {"updownvglyph.bmp", UpDownVertGlyphs},
      {"updownh.bmp", UpDownHorz},
      {"updownhglyph.bmp", UpDownHorzGlyphs},
      {"thumbh.bmp", [] { return TrackbarThumb(false); }},
      {"thumbv.bmp", [] { return TrackbarThumb(true); }},
  };
  return kImages;
}
