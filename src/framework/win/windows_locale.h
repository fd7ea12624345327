#pragma once
// The system's locale services for GBK texts: case-insensitive comparison by
// CompareString on the user-default locale and the ANSI case mapping of code
// page 936. Both go through the wide form of the texts, so they work whatever
// the system's own ANSI code page is.

#include <array>
#include <cstdint>

#include "framework/locale.h"

class WindowsLocale final : public TLocale {
 public:
  WindowsLocale();

  int CompareText(std::string_view a, std::string_view b) const override;
  AnsiString SortKey(std::string_view s) const override;
  void AppendSortKey(std::string_view s, AnsiString& out) const override;
  // Characters that are not valid GBK, or whose other case has no GBK form,
  // stay as they are.
  AnsiString AnsiUpperCase(std::string_view s) const override;
  AnsiString AnsiLowerCase(std::string_view s) const override;

 private:
  static constexpr int kLeads = 0xFE - 0x81 + 1;
  static constexpr int kTrails = 0xFF - 0x40;

  // One case of every one-byte character and of every two-byte code (lead
  // 0x81-0xFE, trail 0x40-0xFE), computed once.
  struct CaseTable {
    explicit CaseTable(bool upper);
    AnsiString Apply(std::string_view s) const;

    std::array<unsigned char, 0x80> single{};
    std::array<std::uint16_t, kLeads * kTrails> pairs{};
  };

  CaseTable upper_;
  CaseTable lower_;
};
