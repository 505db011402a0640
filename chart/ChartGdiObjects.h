// Small owners for GDI objects and device-context state, so that every exit path gives back
// what it took.
#ifndef QUARVEX_CHART_GDIOBJECTS_H
#define QUARVEX_CHART_GDIOBJECTS_H

#include <windows.h>

namespace qxchart {

// Owns one GDI object (pen, brush, font, bitmap) and deletes it.
template <typename H>
class GdiObject {
 public:
  explicit GdiObject(H handle = nullptr) : m_handle(handle) {}
  ~GdiObject() { Reset(); }
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;
  GdiObject(GdiObject&& o) noexcept : m_handle(o.m_handle) { o.m_handle = nullptr; }
  GdiObject& operator=(GdiObject&& o) noexcept {
    if (this != &o) {
      Reset();
      m_handle = o.m_handle;
      o.m_handle = nullptr;
    }
    return *this;
  }
  void Reset(H handle = nullptr) {
    if (m_handle) DeleteObject(m_handle);
    m_handle = handle;
  }
  H Get() const { return m_handle; }
  explicit operator bool() const { return m_handle != nullptr; }

 private:
  H m_handle;
};

// Selects an object into a DC for the lifetime of the guard.
class SelectGuard {
 public:
  SelectGuard(HDC dc, HGDIOBJ object)
      : m_dc(dc), m_old(object ? SelectObject(dc, object) : nullptr) {}
  ~SelectGuard() {
    if (m_old) SelectObject(m_dc, m_old);
  }
  SelectGuard(const SelectGuard&) = delete;
  SelectGuard& operator=(const SelectGuard&) = delete;

 private:
  HDC m_dc;
  HGDIOBJ m_old;
};

// SaveDC now, RestoreDC at the end.
class SavedDC {
 public:
  explicit SavedDC(HDC dc) : m_dc(dc), m_level(SaveDC(dc)) {}
  ~SavedDC() {
    if (m_level) RestoreDC(m_dc, m_level);
  }
  SavedDC(const SavedDC&) = delete;
  SavedDC& operator=(const SavedDC&) = delete;
  bool Ok() const { return m_level != 0; }

 private:
  HDC m_dc;
  int m_level;
};

// A memory DC compatible with another (or with the screen), deleted at the end.
class MemoryDC {
 public:
  explicit MemoryDC(HDC compatible = nullptr) : m_dc(CreateCompatibleDC(compatible)) {}
  ~MemoryDC() {
    if (m_dc) DeleteDC(m_dc);
  }
  MemoryDC(const MemoryDC&) = delete;
  MemoryDC& operator=(const MemoryDC&) = delete;
  HDC Get() const { return m_dc; }

 private:
  HDC m_dc;
};

}  // namespace qxchart

#endif
