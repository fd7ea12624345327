#include "framework/win/form_resource.h"

#include "framework/form_reader.h"
#include "framework/win/wide.h"
#include "framework/win/win_api.h"

AnsiString LoadFormResource(const char* resource_name) {
  const std::wstring name = ToWide(resource_name);
  HMODULE module = GetModuleHandleW(nullptr);
  HRSRC info = FindResourceW(module, name.c_str(), reinterpret_cast<LPCWSTR>(RT_RCDATA));
  HGLOBAL data = info != nullptr ? LoadResource(module, info) : nullptr;
  const void* bytes = data != nullptr ? LockResource(data) : nullptr;
  if (bytes == nullptr) throw Exception("Resource " + AnsiString(resource_name) + " not found");
  return AnsiString(static_cast<const char*>(bytes), SizeofResource(module, info));
}

void ReadFormResource(TComponent& root, const char* resource_name, const TClassRegistry& classes) {
  ReadForm(root, LoadFormResource(resource_name), classes);
}
