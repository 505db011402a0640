// Typed arrays over std::vector. Indexes are int, as in the program's code;
// a bad index in GetAt/SetAt/ElementAt/operator[] throws std::out_of_range
// rather than touching memory it does not own.
#pragma once

#include <algorithm>
#include <vector>

#include "CString.h"
#include "WinTypes.h"

class CObject;

template <class TYPE, class ARG_TYPE = const TYPE&>
class CArray {
 public:
  CArray() = default;

  int GetSize() const { return static_cast<int>(m_data.size()); }
  int GetCount() const { return GetSize(); }
  int GetUpperBound() const { return GetSize() - 1; }
  BOOL IsEmpty() const { return m_data.empty(); }
  void SetSize(int newSize, int growBy = -1) {
    (void)growBy;
    m_data.resize(newSize < 0 ? 0 : static_cast<size_t>(newSize));
  }
  void FreeExtra() { m_data.shrink_to_fit(); }
  void RemoveAll() { m_data.clear(); }

  const TYPE& GetAt(int index) const { return m_data.at(Checked(index)); }
  void SetAt(int index, ARG_TYPE element) { m_data.at(Checked(index)) = element; }
  TYPE& ElementAt(int index) { return m_data.at(Checked(index)); }
  const TYPE& operator[](int index) const { return m_data.at(Checked(index)); }
  TYPE& operator[](int index) { return m_data.at(Checked(index)); }
  const TYPE* GetData() const { return m_data.empty() ? nullptr : m_data.data(); }
  TYPE* GetData() { return m_data.empty() ? nullptr : m_data.data(); }

  // Grows the array as needed (negative indexes are ignored).
  void SetAtGrow(int index, ARG_TYPE element) {
    if (index < 0) return;
    if (static_cast<size_t>(index) >= m_data.size()) m_data.resize(static_cast<size_t>(index) + 1);
    m_data[static_cast<size_t>(index)] = element;
  }
  int Add(ARG_TYPE element) {
    m_data.push_back(element);
    return GetSize() - 1;
  }
  int Append(const CArray& src) {
    int old = GetSize();
    m_data.insert(m_data.end(), src.m_data.begin(), src.m_data.end());
    return old;
  }
  void Copy(const CArray& src) {
    if (&src != this) m_data = src.m_data;
  }
  // Inserting past the end grows the array first, as SetAtGrow does.
  void InsertAt(int index, ARG_TYPE element, int count = 1) {
    if (index < 0 || count <= 0) return;
    if (static_cast<size_t>(index) > m_data.size()) m_data.resize(static_cast<size_t>(index));
    TYPE copy = element;  // element may refer into this array
    m_data.insert(m_data.begin() + index, static_cast<size_t>(count), copy);
  }
  void InsertAt(int startIndex, const CArray* newArray) {
    if (!newArray || startIndex < 0) return;
    if (static_cast<size_t>(startIndex) > m_data.size())
      m_data.resize(static_cast<size_t>(startIndex));
    std::vector<TYPE> copy = newArray->m_data;
    m_data.insert(m_data.begin() + startIndex, copy.begin(), copy.end());
  }
  // Removes what lies inside the array; the rest of the range is ignored.
  void RemoveAt(int index, int count = 1) {
    if (index < 0 || count <= 0 || static_cast<size_t>(index) >= m_data.size()) return;
    size_t last = std::min(m_data.size(), static_cast<size_t>(index) + static_cast<size_t>(count));
    m_data.erase(m_data.begin() + index, m_data.begin() + static_cast<std::ptrdiff_t>(last));
  }

  // Range-for support.
  typename std::vector<TYPE>::iterator begin() { return m_data.begin(); }
  typename std::vector<TYPE>::iterator end() { return m_data.end(); }
  typename std::vector<TYPE>::const_iterator begin() const { return m_data.begin(); }
  typename std::vector<TYPE>::const_iterator end() const { return m_data.end(); }

 private:
  static size_t Checked(int index) {
    // A negative index becomes a huge one, which at() rejects.
    return index < 0 ? static_cast<size_t>(-1) : static_cast<size_t>(index);
  }

  std::vector<TYPE> m_data;
};

class CStringArray : public CArray<CString, const CString&> {};
class CPtrArray : public CArray<void*, void*> {};
class CObArray : public CArray<CObject*, CObject*> {};
class CUIntArray : public CArray<UINT, UINT> {};
class CDWordArray : public CArray<DWORD, DWORD> {};
class CWordArray : public CArray<WORD, WORD> {};
class CByteArray : public CArray<BYTE, BYTE> {};
