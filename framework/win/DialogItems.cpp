// The dialog-template item records.
#include "framework/win/DialogItems.h"

#include <commctrl.h>

namespace {

class CReader {
 public:
  explicit CReader(const std::vector<BYTE>& t) : m_t(t) {}
  bool Ok() const { return m_ok; }
  size_t At() const { return m_at; }
  void Align() { m_at = (m_at + 3) & ~static_cast<size_t>(3); }
  WORD Word() {
    if (m_at + 2 > m_t.size()) {
      m_ok = false;
      return 0;
    }
    const WORD w = static_cast<WORD>(m_t[m_at] | (m_t[m_at + 1] << 8));
    m_at += 2;
    return w;
  }
  DWORD Dword() {
    const DWORD low = Word();
    return low | (static_cast<DWORD>(Word()) << 16);
  }
  // A name or a number; the number comes back in *number (0 for a name).
  std::wstring NameOrNumber(WORD* number) {
    *number = 0;
    std::wstring s;
    WORD w = Word();
    if (w == 0xFFFF) {
      *number = Word();
      return s;
    }
    for (; w && m_ok; w = Word()) s.push_back(static_cast<wchar_t>(w));
    return s;
  }
  void Skip(size_t n) {
    if (m_at + n > m_t.size()) m_ok = false;
    m_at += n;
  }

 private:
  const std::vector<BYTE>& m_t;
  size_t m_at = 0;
  bool m_ok = true;
};

std::string Ansi(const std::wstring& w) {
  if (w.empty()) return std::string();
  const int n = ::WideCharToMultiByte(CP_ACP, 0, w.c_str(), -1, nullptr, 0, nullptr, nullptr);
  std::string s(n > 0 ? n : 1, '\0');
  ::WideCharToMultiByte(CP_ACP, 0, w.c_str(), -1, &s[0], n, nullptr, nullptr);
  s.resize(n > 0 ? n - 1 : 0);
  return s;
}

const char* const kClassNumbers[6] = {"Button", "Edit", "Static", "ListBox", "ScrollBar",
                                      "ComboBox"};

}  // namespace

BOOL CDialogItems::Read(const std::vector<BYTE>& t) {
  m_items.clear();
  CReader r(t);
  if (r.Word() != 1 || r.Word() != 0xFFFF) return FALSE;
  r.Dword();  // help id
  r.Dword();  // extended style
  const DWORD style = r.Dword();
  const WORD count = r.Word();
  r.Skip(8);  // place and size
  WORD number = 0;
  r.NameOrNumber(&number);  // menu
  r.NameOrNumber(&number);  // class
  r.NameOrNumber(&number);  // caption
  if (style & (DS_SETFONT | DS_SHELLFONT)) {
    r.Skip(6);  // size, weight, italic, character set
    r.NameOrNumber(&number);
  }
  std::vector<DialogItem> items;
  for (WORD i = 0; i < count && r.Ok(); ++i) {
    r.Align();
    DialogItem item;
    item.begin = r.At();
    item.helpId = r.Dword();
    item.exStyle = r.Dword();
    item.style = r.Dword();
    item.x = static_cast<short>(r.Word());
    item.y = static_cast<short>(r.Word());
    item.cx = static_cast<short>(r.Word());
    item.cy = static_cast<short>(r.Word());
    item.id = r.Dword();
    const std::wstring cls = r.NameOrNumber(&number);
    if (number >= 0x80 && number <= 0x85)
      item.className = kClassNumbers[number - 0x80];
    else if (number)
      return FALSE;
    else
      item.className = Ansi(cls);
    const std::wstring title = r.NameOrNumber(&number);
    item.hasTitle = number != 0 || !title.empty();
    item.title = number ? "#" + std::to_string(number) : Ansi(title);
    const WORD extra = r.Word();
    if (extra) {
      const size_t at = r.At() - 2;
      r.Skip(extra);
      if (r.Ok()) item.data.assign(t.begin() + at, t.begin() + at + 2 + extra);
    }
    item.end = r.At();
    items.push_back(std::move(item));
  }
  if (!r.Ok() || items.size() != count) return FALSE;
  m_itemsBegin = items.empty() ? t.size() : items.front().begin;
  m_items = std::move(items);
  return TRUE;
}

std::vector<BYTE> CDialogItems::Without(const std::vector<BYTE>& t,
                                        const std::vector<bool>& drop) const {
  std::vector<BYTE> out(t.begin(), t.begin() + m_itemsBegin);
  WORD kept = 0;
  for (size_t i = 0; i < m_items.size(); ++i) {
    if (i < drop.size() && drop[i]) continue;
    while (out.size() % 4) out.push_back(0);
    out.insert(out.end(), t.begin() + m_items[i].begin, t.begin() + m_items[i].end);
    ++kept;
  }
  out[16] = static_cast<BYTE>(kept & 0xFF);
  out[17] = static_cast<BYTE>(kept >> 8);
  return out;
}

HWND CDialogItems::Create(HWND dialog, HINSTANCE inst, const DialogItem& item, POINT offset,
                          HWND after) {
  // Each coordinate is converted on its own, as the dialog manager does.
  RECT place = {item.x, item.y, item.cx, item.cy};
  ::MapDialogRect(dialog, &place);
  DWORD style = (item.style | WS_CHILD) & ~static_cast<DWORD>(WS_VISIBLE | WS_POPUP);
  DWORD exStyle = item.exStyle | WS_EX_NOPARENTNOTIFY;
  // A border in a template is drawn as the sunken client edge.
  if (style & WS_BORDER) {
    style &= ~static_cast<DWORD>(WS_BORDER);
    exStyle |= WS_EX_CLIENTEDGE;
  }
  // Made where it belongs first: in the template the buddy is the control just before.
  const bool autoBuddy =
      lstrcmpiA(item.className.c_str(), UPDOWN_CLASSA) == 0 && (style & UDS_AUTOBUDDY) != 0;
  if (autoBuddy) style &= ~static_cast<DWORD>(UDS_AUTOBUDDY);
  HWND h = ::CreateWindowExA(exStyle, item.className.c_str(),
                             item.hasTitle ? item.title.c_str() : nullptr, style,
                             place.left + offset.x, place.top + offset.y, place.right,
                             place.bottom, dialog, reinterpret_cast<HMENU>(UINT_PTR(item.id)),
                             inst, item.data.empty() ? nullptr : const_cast<BYTE*>(item.data.data()));
  if (!h) return nullptr;
  if (item.helpId) ::SetWindowContextHelpId(h, item.helpId);
  if (HFONT font = reinterpret_cast<HFONT>(::SendMessageA(dialog, WM_GETFONT, 0, 0)))
    ::SendMessageA(h, WM_SETFONT, reinterpret_cast<WPARAM>(font), 0);
  ::SetWindowPos(h, after ? after : HWND_TOP, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  if (autoBuddy) {
    ::SetWindowLongA(h, GWL_STYLE, ::GetWindowLongA(h, GWL_STYLE) | UDS_AUTOBUDDY);
    ::SendMessageA(h, UDM_SETBUDDY, reinterpret_cast<WPARAM>(::GetWindow(h, GW_HWNDPREV)), 0);
  }
  return h;
}
