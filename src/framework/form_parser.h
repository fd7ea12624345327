#pragma once
// Parses a form description into its tree:
//
//   object frmmain: Tfrmmain
//     Caption = 'Lexi Tally'
//     Font.Name = '宋体'
//     object btn1: TButton
//       OnClick = btn1Click
//     end
//   end
//
// Values: integers (12, -3, $FF), strings ('it''s' #13#10 joined, and
// continued with '+'), identifiers, sets [a, b], lists ( 'a' 'b' ),
// collections < item ... end > and binary data { hex }. Descriptions of
// derived or embedded forms ("inherited", "inline") are not supported.
// Errors raise EParserError with the line.

#include <string_view>

#include "framework/exception.h"
#include "framework/form_tree.h"

TFormObject ParseFormDescription(std::string_view text);
