// POSITION: an opaque place in a framework list (documents, views, templates).
#pragma once

#include <cstddef>
#include <vector>

struct __POSITION;
typedef __POSITION* POSITION;

// Positions over index-based lists: index i is POSITION i + 1; NULL ends the walk.
inline POSITION AfxPositionFromIndex(size_t i) {
  return reinterpret_cast<POSITION>(i + 1);
}
inline size_t AfxIndexFromPosition(POSITION p) {
  return reinterpret_cast<size_t>(p) - 1;
}

// The first position of a list, NULL when it is empty.
template <class T>
POSITION AfxFirstPosition(const std::vector<T>& list) {
  return list.empty() ? nullptr : AfxPositionFromIndex(0);
}
// The element at pos (NULL past the end), pos moved on to the next one.
template <class T>
T AfxNextAt(const std::vector<T>& list, POSITION& pos) {
  size_t i = AfxIndexFromPosition(pos);
  if (!pos || i >= list.size()) {
    pos = nullptr;
    return nullptr;
  }
  pos = i + 1 < list.size() ? AfxPositionFromIndex(i + 1) : nullptr;
  return list[i];
}
