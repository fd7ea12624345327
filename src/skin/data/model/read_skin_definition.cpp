#include "skin/data/model/read_skin_definition.h"

#include <algorithm>
#include <memory>
#include <utility>

#include "skin/data/image/image_blit.h"
#include "skin/data/image/img_util.h"
#include "skin/data/ini/parse_colour.h"
#include "skin/data/model/skin_derived_images.h"

namespace {

constexpr int kMdiColumns = 12;

struct TColourKey {
  TSkinColourSlot slot;
  const char* key;
  int system_colour;
};

// The [Colours] keys with the system colour each slot falls back on; slot 13
// (Menubar) falls back on the button face instead.
constexpr TColourKey kColourKeys[] = {
    {scWindowText, "WindowText", 8},
    {scTitleTextActive, "TitleTextActive", 9},
    {scTitleTextNoActive, "TitleTextNoActive", 19},
    {scButtonFace, "ButtonFace", 15},
    {scButtonText, "ButtonText", 18},
    {scButtonHilight, "ButtonHilight", 20},
    {scButtonlight, "Buttonlight", 20},
    {scButtonShadow, "ButtonShadow", 16},
    {scButtonDkShadow, "ButtonDkShadow", 21},
    {scHilightText, "HilightText", 14},
    {scHilight, "Hilight", 13},
    {scMenuBarText, "MenuBarText", 7},
    {scMenuText, "MenuText", 7},
    {scMenu, "Menu", 4},
    {scScrollbar, "Scrollbar", 0},
};

AnsiString UpperCaseAscii(std::string_view s) {
  AnsiString out(s);
  for (std::size_t i = 0; i < out.size(); i += CharLength(out, i)) {
    if (out[i] >= 'a' && out[i] <= 'z') out[i] = static_cast<char>(out[i] - 'a' + 'A');
  }
  return out;
}

// A frame count the drawing can divide by.
int AtLeastOne(int frames) {
  return std::max(frames, 1);
}

class TDefinitionReader {
 public:
  TDefinitionReader(TSkinDefinition& skin, const TQuickIni& ini, const TSkinImageLoader& load_image,
                    const TSkinEnvironment& environment)
      : skin_(skin), ini_(ini), load_image_(load_image), environment_(environment) {}

  void Read() {
    const std::vector<AnsiString> sections = ini_.ReadSections();
    skin_.SkinName = ini_.ReadString("TitlebarSkin", "SkinName", "");
    ReadBorder(*skin_.BorderLeft, "Left", true);
    ReadBorder(*skin_.BorderRight, "Right", true);
    ReadBorder(*skin_.BorderTop, "Top", false);
    ReadBorder(*skin_.BorderBottom, "Bottom", false);
    ReadColours(sections);
    ReadSysButtons(sections);
    ReadButtons();
    ReadTitle();
    ReadProgress();
    ReadImageElement(skin_.ProgressChunk, "Progress.Chunk");
    ReadMenuBar();
    ReadImageElement(skin_.GroupBoxEdge, "GroupBoxEdge");
    ReadGroupBox();
    ReadTwoImageElement(skin_.Tabs, "Tabs", "Border");
    ReadImageElement(skin_.StatusBarEdges, "StatusBarEdges");
    ReadImageElement(skin_.TabPane, "Tab.Pane");
    if (skin_.TabPane) LimitMargins(*skin_.TabPane, 4);
    ReadImageElement(skin_.ToolBars, "ToolBars");
    ReadTwoImageElement(skin_.ComboButton, "ComboButton", "****");
    ReadImageElement(skin_.SunkEdge, "SunkEdge");
    if (skin_.ComboButton && !skin_.ComboButton->Bitmap.Empty()) {
      skin_.ComboButton->Bitmap2 = skin_.ComboButton->Bitmap;
      MirrorBitmap(skin_.ComboButton->Bitmap2);
    }
    ReadImageElement(skin_.ExtraImages, "ExtraImages");
    ReadImageElement(skin_.Headerbar, "Headerbar");
    ReadImageElement(skin_.MenuItem, "MenuItem");
    ReadImageElement(skin_.MenuBackground, "MenuBackground");
    ReadImageElement(skin_.Scrollbar, "Scrollbar");
    ReadImageElement(skin_.HorzScroll, "HorzScroll");
    ReadImageElement(skin_.VertScroll, "VertScroll");
    ReadImageElement(skin_.HorzScrollThumb, "HorzScrollThumb");
    ReadImageElement(skin_.VertScrollThumb, "VertScrollThumb");
    ReadImageElement(skin_.TrackbarThumbHorz, "Trackbar.ThumbHorz");
    ReadImageElement(skin_.TrackbarThumbVert, "Trackbar.ThumbVert");
    ReadImageElement(skin_.TrackbarThumbLeft, "Trackbar.ThumbLeft");
    ReadImageElement(skin_.TrackbarThumbRight, "Trackbar.ThumbRight");
    ReadImageElement(skin_.TrackbarThumbUp, "Trackbar.ThumbUp");
    ReadImageElement(skin_.TrackbarThumbDown, "Trackbar.ThumbDown");
    ReadTwoImageElement(skin_.UpDownHorz, "UpDown.Horz", "GlyphImage");
    ReadTwoImageElement(skin_.UpDownVert, "UpDown.Vert", "GlyphImage");
    ReadImageElement(skin_.Track, "Track");
    ReadImageElement(skin_.TrackVert, "TRACKVERT");
    if (!skin_.Track || skin_.Track->Bitmap.Empty()) skin_.Track = BuiltInTrack("Track", BuiltInTrackImage());
    if (!skin_.TrackVert || skin_.TrackVert->Bitmap.Empty())
      skin_.TrackVert = BuiltInTrack("TRACKVERT", BuiltInTrackVertImage());
    SetFrameCounts();
    BuildComboImages(skin_, environment_);
    BuildComboxArrow(skin_, environment_);
    BuildToolbar(skin_, environment_);
    skin_.Colours[scTitleColour] = DeriveTitleColour(skin_);
    skin_.NotLoaded = false;
  }

 private:
  TSkinBitmap Image(std::string_view section, std::string_view key) const {
    const AnsiString value = ini_.ReadString(section, key, "");
    return value.empty() ? TSkinBitmap() : load_image_(value);
  }

  int Integer(std::string_view section, std::string_view key, int default_value) const {
    return ini_.ReadInteger(section, key, default_value);
  }

  // A 0/1 switch whose larger values mean `above`.
  int Switch(std::string_view section, std::string_view key, int default_value, int above) const {
    const int value = Integer(section, key, default_value);
    return value > 1 ? above : value;
  }

  TColor ColourText(std::string_view section, std::string_view key, TColor default_value) const {
    const AnsiString text = ini_.ReadString(section, key, "");
    return text.empty() ? default_value : ParseColour(text);
  }

  // Three keys name+"R", +"G", +"B"; the colour counts only when all three are given.
  TColor RgbKeys(std::string_view section, const AnsiString& name, TColor default_value) const {
    const int r = Integer(section, name + "R", -1);
    const int g = Integer(section, name + "G", -1);
    const int b = Integer(section, name + "B", -1);
    return r >= 0 && g >= 0 && b >= 0 ? RgbColour(r % 256, g % 256, b % 256) : default_value;
  }

  void ReadBorder(TDataSkinBorder& border, const AnsiString& name, bool vertical_edge) {
    constexpr std::string_view section = "Personality";
    border.Bitmap = Image(section, name);
    const int top = Integer(section, name + "TopHeight", 0);
    const int bottom = Integer(section, name + "BotHeight", 0);
    border.Frame = AtLeastOne(Integer(section, name + "Frame", 1));
    border.Tile = Switch(section, name + "Stretch", 1, 1);
    border.Trans = Integer(section, name + "Trans", 1);
    border.LeftWidth = vertical_edge ? 0 : top;
    border.RightWidth = vertical_edge ? 0 : bottom;
    border.TopHeight = vertical_edge ? top : 0;
    border.BottomHeight = vertical_edge ? bottom : 0;
  }

  void ReadColours(const std::vector<AnsiString>& sections) {
    skin_.Colours.fill(0);
    skin_.ColourGiven.fill(false);
    for (const TColourKey& entry : kColourKeys) {
      ReadColourSlot(entry.slot, entry.key, SystemColour(entry.system_colour));
    }
    ReadColourSlot(scMenubar, "Menubar", skin_.Colours[scButtonFace]);
    skin_.ColourSections.clear();
    for (const AnsiString& section : sections) {
      const AnsiString upper = UpperCaseAscii(section);
      if (upper.starts_with("COLOUR") && upper != "COLOURS") {
        skin_.ColourSections.push_back(ColourText(section, "color", SystemColour(8)));
      }
    }
    for (std::size_t i = 0; i < skin_.CustomColors.size(); ++i) {
      skin_.CustomColors[i] = ColourText("Customcolors", "Color" + std::to_string(i), clWhite);
    }
  }

  void ReadColourSlot(TSkinColourSlot slot, std::string_view key, TColor default_value) {
    const AnsiString text = ini_.ReadString("Colours", key, "");
    skin_.ColourGiven[slot] = !text.empty();
    skin_.Colours[slot] = text.empty() ? default_value : ParseColour(text);
  }

  static bool IsSysButtonSection(const AnsiString& upper) {
    return upper.starts_with("BUTTON") && upper != "BUTTON" && upper != "BUTTONS" &&
           upper != "BUTTON.RADIO" && upper != "BUTTON.CHECKBOX";
  }

  void ReadSysButtons(const std::vector<AnsiString>& sections) {
    skin_.SysButtons.clear();
    std::vector<AnsiString> kept;
    for (const AnsiString& section : sections) {
      if (!IsSysButtonSection(UpperCaseAscii(section))) continue;
      // A button that does nothing is dropped unless the skin shows it on purpose.
      if (Integer(section, "Action", 0) == -1 && Integer(section, "Visibility", -1) != 0) continue;
      kept.push_back(section);
    }
    const TDataSkinSysButton* anchor = nullptr;
    for (const AnsiString& section : kept) {
      auto button = ReadSysButton(section);
      if (button->Action == 4 && anchor != nullptr) {
        button->Xcoord = anchor->Xcoord;
        button->Ycoord = anchor->Ycoord;
      }
      if (button->Action == 1 && button->Visibility == 2) anchor = button.get();
      skin_.SysButtons.push_back(std::move(button));
    }
    ReadMdiButtons();
  }

  std::unique_ptr<TDataSkinSysButton> ReadSysButton(const AnsiString& section) const {
    auto button = std::make_unique<TDataSkinSysButton>(UpperCaseAscii(section));
    button->Action = Integer(section, "Action", 0);
    button->Align = Integer(section, "Align", 0);
    button->Xcoord = Integer(section, "Xcoord", 0);
    button->Ycoord = Integer(section, "Ycoord", 0);
    button->Visibility = Integer(section, "Visibility", 0);
    button->Visibility1 = Integer(section, "Visibility1", button->Action == -1 ? -1 : 0);
    button->CombineOp = Integer(section, "CombineOp", -1);
    button->Frame = Integer(section, "frame", 0);
    button->Bitmap = Image(section, "ButtonImage");
    if (button->Frame == 0) {
      const TSkinBitmap& image = button->Bitmap;
      // Wide strips hold six frames, squarer ones three (width / height <= 3.8).
      button->Frame = image.Empty() || 5 * image.Width() > 19 * image.Height() ? 6 : 3;
      if (button->Action < 0) button->Frame = 6;
      if (button->Action == 3 || button->Action == 11) button->Bitmap = TSkinBitmap();
    }
    button->Frame = AtLeastOne(button->Frame);
    return button;
  }

  void ReadMdiButtons() {
    const TSkinBitmap image = Image("MDICONTROLS", "Image");
    const int a = image.Width() / kMdiColumns;
    for (int i = 0; i < 3; ++i) {
      auto button = std::make_unique<TDataSkinSysButton>("MDICONTROLS");
      button->Action = 7 + i;
      button->Align = 100;
      button->Visibility = 100;
      button->Visibility1 = 100;
      button->Frame = 4;
      if (!image.Empty()) {
        button->Bitmap = CropImage(image, {4 * a * i, 0, 4 * a * (i + 1), image.Height()});
        button->Xcoord = (a + 4) * (3 - i);
      }
      skin_.SysButtons.push_back(std::move(button));
    }
  }

  void ReadButtons() {
    constexpr std::string_view section = "Buttons";
    TDataSkinButton& buttons = *skin_.Buttons;
    buttons.LeftWidth = Integer(section, "LeftWidth", 0);
    buttons.RightWidth = Integer(section, "RightWidth", 0);
    buttons.TopHeight = Integer(section, "TopHeight", 0);
    buttons.BottomHeight = Integer(section, "BottomHeight", 0);
    buttons.Trans = Integer(section, "Trans", 0);
    buttons.Tile = Switch(section, "Tile", 0, 0);
    buttons.Bitmap = Image(section, "Bitmap");
    buttons.CheckBitmap = Image(section, "CheckButton");
    buttons.RadioBitmap = Image(section, "RadioButton");
    buttons.RadioButtonFrame = Integer(section, "RadioButtonFrame", 0);
    buttons.CheckButtonFrame = Integer(section, "CheckButtonFrame", 0);
    ReadTextColours(buttons, section);
    buttons.HasNormalColour2 = !ini_.ReadString(section, "NormalColour2", "").empty();
    buttons.HasMouseOverColour2 = !ini_.ReadString(section, "MouseOverColour2", "").empty();
    buttons.HasPressedColour2 = !ini_.ReadString(section, "PressedColour2", "").empty();
  }

  void ReadTextColours(TDataSkinObject& element, std::string_view section) const {
    element.NormalColour = Integer(section, "NormalColour", -1);
    element.MouseOverColour = Integer(section, "MouseOverColour", -1);
    element.PressedColour = Integer(section, "PressedColour", -1);
    const TColor text = skin_.Colours[scButtonText];
    element.NormalColour2 = ColourText(section, "NormalColour2", text);
    element.MouseOverColour2 = ColourText(section, "MouseOverColour2", text);
    element.PressedColour2 = ColourText(section, "PressedColour2", text);
  }

  void ReadTitle() {
    constexpr std::string_view section = "Personality";
    TDataSkinTitle& title = *skin_.Title;
    title.Bitmap = Image(section, "TextBack");
    title.LeftWidth = Integer(section, "TextShift", 0);
    title.TopHeight = Integer(section, "TextShiftVert", 0);
    title.RightWidth = Integer(section, "TextRightClip", 0);
    title.BottomHeight = 0;
    title.TextAlignment = Integer(section, "TextAlignment", 0);
    title.Textbackground = Integer(section, "Textbackground", 0);
    title.TXTBackleft = Integer(section, "TXTBackleft", 0);
    title.TXTBackRight = Integer(section, "TXTBackRight", 0);
    title.ActiveText = RgbKeys(section, "ActiveText", clNone);
    title.InActiveText = RgbKeys(section, "InActiveText", clNone);
    title.FontHeight = Integer("Fonts", "FontHeight", 14);
  }

  void ReadProgress() {
    constexpr std::string_view section = "Progress";
    skin_.Progress.reset();
    if (ini_.ReadString(section, "Bitmap", "").empty()) return;
    auto progress = std::make_unique<TDataSkinBorder>(AnsiString(section));
    progress->Bitmap = Image(section, "Bitmap");
    progress->Style = Integer(section, "Style", 0);
    ReadMargins(*progress, section);
    progress->Trans = Integer(section, "Trans", 0);
    progress->Tile = Switch(section, "Tile", 0, 1);
    skin_.Progress = std::move(progress);
  }

  void ReadMenuBar() {
    constexpr std::string_view section = "Personality";
    skin_.MenuBar.reset();
    if (ini_.ReadString(section, "menuBar", "").empty()) return;
    auto menu_bar = std::make_unique<TDataSkinObject>(AnsiString(section));
    menu_bar->Bitmap = Image(section, "menuBar");
    menu_bar->Tile = Switch(section, "TileMenu", 1, 1);
    menu_bar->LeftWidth = Integer(section, "TileLeftMenu", 1);
    menu_bar->RightWidth = Integer(section, "TileRightMenu", 1);
    skin_.MenuBar = std::move(menu_bar);
  }

  void ReadMargins(TDataSkinObject& element, std::string_view section) const {
    element.LeftWidth = Integer(section, "LeftWidth", 0);
    element.RightWidth = Integer(section, "RightWidth", 0);
    element.TopHeight = Integer(section, "TopHeight", 0);
    element.BottomHeight = Integer(section, "BottomHeight", 0);
  }

  // The keys every image element has, "Frame" aside.
  void ReadCommonKeys(TDataSkinObject& element, std::string_view section) const {
    element.Bitmap = Image(section, "Image");
    element.Style = Integer(section, "Style", 0);
    ReadMargins(element, section);
    element.Trans = Integer(section, "Trans", 0);
    element.Tile = Switch(section, "Tile", 0, 0);
    ReadTextColours(element, section);
  }

  template <class T>
  bool Begin(std::unique_ptr<T>& slot, std::string_view section) const {
    slot.reset();
    if (ini_.ReadString(section, "Image", "").empty()) return false;
    slot = std::make_unique<T>(AnsiString(section));
    ReadCommonKeys(*slot, section);
    return true;
  }

  void ReadImageElement(std::unique_ptr<TDataSkinObject>& slot, std::string_view section) const {
    if (Begin(slot, section)) slot->Frame = AtLeastOne(Integer(section, "Frame", 0));
  }

  void ReadTwoImageElement(std::unique_ptr<TDataSkinBorder>& slot, std::string_view section,
                           std::string_view second_key) const {
    if (Begin(slot, section)) slot->Bitmap2 = Image(section, second_key);
  }

  void ReadGroupBox() {
    constexpr std::string_view section = "GroupBox";
    if (!Begin(skin_.GroupBox, section)) return;
    skin_.GroupBox->BackgroundAlignment = Integer(section, "BackgroundAlignment", 0);
    skin_.GroupBox->BackgroundLeftShift = Integer(section, "BackgroundLeftShift", 0);
    skin_.GroupBox->BackgroundRightShift = Integer(section, "BackgroundRightShift", 0);
  }

  static void LimitMargins(TDataSkinObject& element, int limit) {
    element.LeftWidth = std::min(element.LeftWidth, limit);
    element.TopHeight = std::min(element.TopHeight, limit);
    element.RightWidth = std::min(element.RightWidth, limit);
    element.BottomHeight = std::min(element.BottomHeight, limit);
  }

  static std::unique_ptr<TDataSkinObject> BuiltInTrack(std::string_view name, TSkinBitmap image) {
    auto track = std::make_unique<TDataSkinObject>(AnsiString(name));
    track->Bitmap = std::move(image);
    track->LeftWidth = track->TopHeight = track->RightWidth = track->BottomHeight = 3;
    track->Tile = 0;
    track->Frame = 1;
    return track;
  }

  // Frame counts the painters rely on, whatever "Frame" the skin wrote.
  void SetFrameCounts() {
    TDataSkinButton& buttons = *skin_.Buttons;
    buttons.Frame = 5;
    if (buttons.RadioButtonFrame == 0) buttons.RadioButtonFrame = ToggleFrames(buttons.RadioBitmap);
    if (buttons.CheckButtonFrame == 0) buttons.CheckButtonFrame = ToggleFrames(buttons.CheckBitmap);
    buttons.RadioButtonFrame = AtLeastOne(buttons.RadioButtonFrame);
    buttons.CheckButtonFrame = AtLeastOne(buttons.CheckButtonFrame);
    skin_.Title->Frame = 2;
    if (skin_.Progress) skin_.Progress->Frame = skin_.Progress->Style != 0 ? 1 : 2;
    SetFrames(2, {skin_.MenuBar.get(), skin_.GroupBoxEdge.get()});
    SetFrames(1, {skin_.TabPane.get(), skin_.GroupBox.get(), skin_.MenuBackground.get()});
    SetFrames(5,
              {skin_.ToolBars.get(), skin_.Tabs.get(), skin_.ExtraImages.get(), skin_.MenuItem.get(),
               skin_.TrackbarThumbHorz.get(), skin_.TrackbarThumbVert.get(), skin_.TrackbarThumbLeft.get(),
               skin_.TrackbarThumbRight.get(), skin_.TrackbarThumbUp.get(), skin_.TrackbarThumbDown.get()});
    SetFrames(3, {skin_.StatusBarEdges.get()});
    SetFrames(
        4, {skin_.ComboButton.get(), skin_.SunkEdge.get(), skin_.HorzScroll.get(), skin_.VertScroll.get()});
    if (skin_.Headerbar && Integer("Headerbar", "Frame", 0) == 0) skin_.Headerbar->Frame = 5;
    SetFrames(23, {skin_.Scrollbar.get()});
    SetFrames(8, {skin_.UpDownHorz.get(), skin_.UpDownVert.get()});
    if (skin_.HorzScrollThumb) {
      skin_.HorzScrollThumb->Frame = AtLeastOne(Integer("HorzScrollThumb", "FrameCount", 3));
    }
    if (skin_.VertScrollThumb) {
      skin_.VertScrollThumb->Frame = AtLeastOne(Integer("VertScrollThumb", "FrameCount", 3));
    }
  }

  // Check-box and radio images hold at least four frames of 13 or 16 pixels.
  static int ToggleFrames(const TSkinBitmap& image) {
    const int frame_width = image.Height() < 16 ? 13 : 16;
    return std::max(image.Width() / frame_width, 4);
  }

  static void SetFrames(int frames, std::initializer_list<TDataSkinObject*> elements) {
    for (TDataSkinObject* element : elements) {
      if (element != nullptr) element->Frame = frames;
    }
  }

  TSkinDefinition& skin_;
  const TQuickIni& ini_;
  const TSkinImageLoader& load_image_;
  const TSkinEnvironment& environment_;
};

}  // namespace

void ReadSkinDefinition(TSkinDefinition& skin, const TQuickIni& ini, const TSkinImageLoader& load_image,
                        const TSkinEnvironment& environment) {
  TDefinitionReader(skin, ini, load_image, environment).Read();
}
