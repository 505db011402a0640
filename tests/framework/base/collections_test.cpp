#include "framework/base/Collections.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace {

std::string Join(const CStringList& list) {
  std::string out;
  for (POSITION pos = list.GetHeadPosition(); pos;) out += list.GetNext(pos).str() + ",";
  return out;
}

}  // namespace

TEST(CList, EditsAndWalksBothWays) {
  CStringList list;
  EXPECT_EQ(nullptr, list.GetHeadPosition());
  EXPECT_THROW(list.RemoveHead(), std::out_of_range);
  POSITION b = list.AddTail("b");
  list.AddHead("a");
  POSITION d = list.AddTail("d");
  list.InsertAfter(b, "c");
  list.InsertBefore(nullptr, "0");
  EXPECT_EQ("0,a,b,c,d,", Join(list));
  EXPECT_EQ(5, list.GetCount());

  std::string back;
  for (POSITION pos = list.GetTailPosition(); pos;) back += list.GetPrev(pos).str();
  EXPECT_EQ("dcba0", back);

  list.RemoveAt(b);
  list.SetAt(d, "D");
  EXPECT_EQ("0", list.RemoveHead());
  EXPECT_EQ("D", list.RemoveTail());
  EXPECT_EQ("a,c,", Join(list));
  EXPECT_EQ(list.GetTailPosition(), list.Find("c"));
  EXPECT_EQ(nullptr, list.Find("c", list.Find("c")));
  EXPECT_EQ(nullptr, list.FindIndex(2));
  EXPECT_EQ("c", list.GetAt(list.FindIndex(1)));

  list.AddTail(&list);  // appending a list to itself doubles it once
  EXPECT_EQ("a,c,a,c,", Join(list));
  EXPECT_THROW(list.GetAt(nullptr), std::out_of_range);
  list.RemoveAll();
  EXPECT_TRUE(list.IsEmpty());
  EXPECT_EQ(nullptr, list.GetTailPosition());
}

TEST(CMap, LookupSetRemoveAndWalk) {
  CMap<LONG, LONG, int, int> cells;
  cells.InitHashTable(17);
  cells.SetAt(MAKELONG(2, 3), 23);
  cells[MAKELONG(1, 1)] = 11;
  cells[MAKELONG(2, 3)] += 1;
  int v = -1;
  EXPECT_TRUE(cells.Lookup(MAKELONG(2, 3), v));
  EXPECT_EQ(24, v);
  v = -1;
  EXPECT_FALSE(cells.Lookup(MAKELONG(9, 9), v));
  EXPECT_EQ(-1, v);

  // Removing the entry just returned while walking is allowed.
  int seen = 0;
  for (POSITION pos = cells.GetStartPosition(); pos;) {
    LONG key;
    cells.GetNextAssoc(pos, key, v);
    EXPECT_TRUE(cells.RemoveKey(key));
    ++seen;
  }
  EXPECT_EQ(2, seen);
  EXPECT_TRUE(cells.IsEmpty());
  EXPECT_FALSE(cells.RemoveKey(1));

  CMapStringToString names;
  names.SetAt("gr", "granite");
  CString s;
  EXPECT_TRUE(names.Lookup("gr", s));
  EXPECT_EQ("granite", s);
  POSITION none = nullptr;
  CString key;
  EXPECT_THROW(names.GetNextAssoc(none, key, s), std::out_of_range);
}
