#pragma once
// The skin engine's private window messages. Other windows of the program
// (and tests driving it from outside) use them to ask a window whether a skin
// object owns it and to have a skinned frame repaint or re-apply itself.

inline constexpr unsigned SKM_REAPPLY = 0x3401;       // framework form: re-apply the current skin
inline constexpr unsigned SKM_REPAINTFRAME = 0x3502;  // repaint the skinned frame
inline constexpr unsigned SKM_STARTSKIN = 0x3503;  // posted after attaching: finish the set-up (lParam 1000)
inline constexpr unsigned SKM_CUSTOMACTION = 0x3514;  // a caption button's own action (wParam: the action)
inline constexpr unsigned SKM_CUSTOMVISIBLE =
    0x3515;                                        // is a caption button shown (wParam: code, lParam: action)
inline constexpr unsigned SKM_MDIREDRAW = 0x3516;  // to the MDI client: redraw the parent, frames included
inline constexpr unsigned SKM_RESKINSCROLL = 0x3517;  // wParam: control whose scroll-bar skin is rebuilt
inline constexpr unsigned SKM_MENUBARAT = 0x3518;     // lParam: screen point; open the bar button there
inline constexpr unsigned SKM_ISSKINNED = 0x3523;     // answered 1 by every window a skin object owns
inline constexpr unsigned SKM_SKINENABLE = 0x3506;    // control skins: skinning of one control on or off
inline constexpr unsigned SKM_PAINTCLIENT = 0xBC4A;   // edit skins: paint the client area
inline constexpr unsigned SKM_PAINTPART = 0xBC4B;     // wParam: DC to paint the frame on; lParam kSkinMagic
inline constexpr unsigned SKM_PING = 0xBC4D;          // answered kSkinMagic when lParam is kSkinMagic
inline constexpr unsigned SKM_SKINDONE = 0xBC4E;      // the form's skin is in place (lParam kSkinMagic)

// The value that SKM_PING, SKM_PAINTPART and SKM_SKINDONE carry.
inline constexpr long kSkinMagic = 0x41A2;
