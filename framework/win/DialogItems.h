// CDialogItems: the control records of an extended dialog template, so that a dialog can be
// made without some of them and those controls made later the way the dialog manager makes
// them (class, text, styles, id, place in dialog units, the dialog's font).
#pragma once

#include <string>
#include <vector>

#include "framework/win/AfxWin.h"

struct DialogItem {
  size_t begin = 0, end = 0;  // the record's bytes in the template
  DWORD helpId = 0, exStyle = 0, style = 0;
  short x = 0, y = 0, cx = 0, cy = 0;
  DWORD id = 0;
  std::string className;  // a predefined class number as its name
  std::string title;      // a resource number as "#n"
  bool hasTitle = false;
  std::vector<BYTE> data;  // creation data, with its size word; empty without
};

class CDialogItems {
 public:
  // FALSE (and no items) for a template that is not an extended one or that ends early.
  BOOL Read(const std::vector<BYTE>& dialogTemplate);
  const std::vector<DialogItem>& Items() const { return m_items; }
  // The template read, without the items whose index is marked.
  std::vector<BYTE> Without(const std::vector<BYTE>& dialogTemplate,
                            const std::vector<bool>& drop) const;
  // Makes an item's control in an ANSI dialog: placed as the dialog manager places it, moved by
  // offset, hidden, with the dialog's font, next after `after` in z-order (and so in tab order).
  // An up-down that takes the control before it as its buddy takes it once in that place.
  static HWND Create(HWND dialog, HINSTANCE inst, const DialogItem& item, POINT offset,
                     HWND after);

 private:
  std::vector<DialogItem> m_items;
  size_t m_itemsBegin = 0;
};
