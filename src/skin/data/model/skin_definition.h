#pragma once
// A skin as the painters use it: the element slots, the caption buttons and
// the colour tables, filled by ReadSkinDefinition. A slot is empty when the
// skin does not define that element; Title, Buttons and the four borders
// always exist.

#include <array>
#include <memory>
#include <vector>

#include "skin/data/model/skin_elements.h"

// Indices into TSkinDefinition::Colours, named after their [Colours] keys.
enum TSkinColourSlot {
  scWindowText = 0,
  scTitleTextActive = 1,
  scTitleTextNoActive = 2,
  scButtonFace = 3,
  scButtonText = 4,
  scButtonHilight = 5,
  scButtonlight = 6,
  scButtonShadow = 7,
  scButtonDkShadow = 8,
  scHilightText = 11,
  scHilight = 12,
  scMenubar = 13,
  scMenuBarText = 14,
  scMenuText = 15,
  scMenu = 16,
  scTitleColour = 17,
  scScrollbar = 18,
  kSkinColourSlots = 19,
};

struct TSkinDefinition {
  TSkinDefinition();

  std::unique_ptr<TDataSkinTitle> Title;
  std::unique_ptr<TDataSkinButton> Buttons;
  std::unique_ptr<TDataSkinBorder> BorderLeft;
  std::unique_ptr<TDataSkinBorder> BorderRight;
  std::unique_ptr<TDataSkinBorder> BorderTop;
  std::unique_ptr<TDataSkinBorder> BorderBottom;
  // The skin's caption buttons, then the three MDI child buttons.
  std::vector<std::unique_ptr<TDataSkinSysButton>> SysButtons;

  std::unique_ptr<TDataSkinBorder> Progress;
  std::unique_ptr<TDataSkinObject> ProgressChunk;
  std::unique_ptr<TDataSkinObject> MenuBar;
  std::unique_ptr<TDataSkinObject> GroupBoxEdge;
  std::unique_ptr<TDataSkinBoxLabel> GroupBox;
  std::unique_ptr<TDataSkinBorder> Tabs;
  std::unique_ptr<TDataSkinObject> StatusBarEdges;
  std::unique_ptr<TDataSkinObject> TabPane;
  std::unique_ptr<TDataSkinObject> ToolBars;
  std::unique_ptr<TDataSkinBorder> ComboButton;
  std::unique_ptr<TDataSkinObject> SunkEdge;
  std::unique_ptr<TDataSkinObject> ExtraImages;
  std::unique_ptr<TDataSkinObject> Headerbar;
  std::unique_ptr<TDataSkinObject> MenuItem;
  std::unique_ptr<TDataSkinObject> MenuBackground;
  std::unique_ptr<TDataSkinObject> Scrollbar;
  std::unique_ptr<TDataSkinObject> HorzScroll;
  std::unique_ptr<TDataSkinObject> VertScroll;
  std::unique_ptr<TDataSkinObject> HorzScrollThumb;
  std::unique_ptr<TDataSkinObject> VertScrollThumb;
  std::unique_ptr<TDataSkinObject> TrackbarThumbHorz;
  std::unique_ptr<TDataSkinObject> TrackbarThumbVert;
  std::unique_ptr<TDataSkinObject> TrackbarThumbLeft;
  std::unique_ptr<TDataSkinObject> TrackbarThumbRight;
  std::unique_ptr<TDataSkinObject> TrackbarThumbUp;
  std::unique_ptr<TDataSkinObject> TrackbarThumbDown;
  std::unique_ptr<TDataSkinBorder> UpDownHorz;
  std::unique_ptr<TDataSkinBorder> UpDownVert;
  std::unique_ptr<TDataSkinObject> Track;
  std::unique_ptr<TDataSkinObject> TrackVert;
  // Generated from the combo images, and a toolbar gradient from the title colour.
  std::unique_ptr<TDataSkinObject> ComboxArrow;
  std::unique_ptr<TDataSkinObject> Toolbar;

  std::array<TColor, kSkinColourSlots> Colours{};
  std::array<bool, kSkinColourSlots> ColourGiven{};
  // One colour per COLOUR... section, in section order.
  std::vector<TColor> ColourSections;
  std::array<TColor, 10> CustomColors{};
  AnsiString SkinName;

  // Set while no skin description has been read completely.
  bool NotLoaded = true;
};
