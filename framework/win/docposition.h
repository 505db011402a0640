// POSITION: an opaque place in a framework list (documents, views, templates).
#pragma once

#include <cstddef>

struct __POSITION;
typedef __POSITION* POSITION;

// Positions over index-based lists: index i is POSITION i + 1; NULL ends the walk.
inline POSITION AfxPositionFromIndex(size_t i) {
  return reinterpret_cast<POSITION>(i + 1);
}
inline size_t AfxIndexFromPosition(POSITION p) {
  return reinterpret_cast<size_t>(p) - 1;
}
