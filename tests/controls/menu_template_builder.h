// Builds a version-0 menu template in memory, for the owner-drawn menu tests.
#pragma once

#include <windows.h>

#include <vector>

struct TemplateBuilder {
  std::vector<BYTE> bytes{0, 0, 0, 0};
  void Word(WORD w) {
    bytes.push_back(static_cast<BYTE>(w & 0xFF));
    bytes.push_back(static_cast<BYTE>(w >> 8));
  }
  void Text(const wchar_t* s) {
    for (; *s; ++s) Word(static_cast<WORD>(*s));
    Word(0);
  }
  void Popup(const wchar_t* s, bool end) { Word(MF_POPUP | (end ? MF_END : 0)), Text(s); }
  void Item(WORD id, const wchar_t* s, bool end) { Word(end ? MF_END : 0), Word(id), Text(s); }
};
