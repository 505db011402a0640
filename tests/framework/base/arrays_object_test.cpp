#include "framework/base/Arrays.h"
#include "framework/base/Exception.h"
#include "framework/base/Object.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

namespace {

class CTestShape : public CObject {
  DECLARE_DYNAMIC(CTestShape)
 public:
  virtual int Corners() const = 0;
};

class CTestSquare : public CTestShape {
  DECLARE_DYNCREATE(CTestSquare)
 public:
  int Corners() const override { return 4; }
};

}  // namespace

IMPLEMENT_DYNAMIC(CTestShape, CObject)
IMPLEMENT_DYNCREATE(CTestSquare, CTestShape)

TEST(CArray, GrowInsertRemoveStayInBounds) {
  CArray<int, int> a;
  EXPECT_EQ(0, a.Add(1));
  EXPECT_EQ(1, a.Add(2));
  a.InsertAt(5, 9);  // past the end: grows with zeros first
  ASSERT_EQ(6, a.GetSize());
  EXPECT_EQ(0, a[3]);
  EXPECT_EQ(9, a[5]);
  a.InsertAt(0, 7, 2);
  EXPECT_EQ(8, a.GetCount());
  EXPECT_EQ(7, a[1]);
  a.RemoveAt(6, 100);  // removes only what exists
  EXPECT_EQ(6, a.GetSize());
  a.RemoveAt(-1);
  a.RemoveAt(50);
  a.InsertAt(-1, 3);
  EXPECT_EQ(6, a.GetSize());
  EXPECT_EQ(5, a.GetUpperBound());

  EXPECT_THROW(a.GetAt(6), std::out_of_range);
  EXPECT_THROW(a.ElementAt(-1), std::out_of_range);
  EXPECT_THROW(a.SetAt(100, 1), std::out_of_range);

  a.SetAtGrow(9, 5);
  EXPECT_EQ(10, a.GetSize());
  a.SetAtGrow(-2, 5);
  EXPECT_EQ(10, a.GetSize());
  a.SetSize(-4);
  EXPECT_EQ(0, a.GetSize());
  EXPECT_EQ(nullptr, a.GetData());
}

TEST(CArray, InsertingItsOwnElementAndCopying) {
  CStringArray names;
  names.Add("granite");
  names.Add(CString("basalt"));
  // The inserted element lives in the array and may move while inserting.
  for (int i = 0; i < 20; ++i) names.InsertAt(0, names[names.GetUpperBound()]);
  EXPECT_EQ("basalt", names[0]);
  EXPECT_EQ("granite", names[20]);

  CStringArray copy;
  copy.Copy(names);
  copy.Copy(copy);
  EXPECT_EQ(22, copy.GetSize());
  EXPECT_EQ(22, copy.Append(names));
  copy.InsertAt(0, &copy);
  EXPECT_EQ(88, copy.GetSize());
  int n = 0;
  for (const CString& s : copy) n += s == "granite";
  EXPECT_EQ(4, n);

  CDWordArray dw;
  dw.Add(0xFFFFFFFFu);
  EXPECT_EQ(0xFFFFFFFFu, dw[0]);
  CPtrArray ptrs;
  ptrs.Add(&n);
  EXPECT_EQ(&n, ptrs.GetAt(0));
}

TEST(CObject, RuntimeClassesAndDynamicCreation) {
  CRuntimeClass* square = CRuntimeClass::FromName("CTestSquare");
  ASSERT_EQ(RUNTIME_CLASS(CTestSquare), square);
  std::unique_ptr<CObject> made(square->CreateObject());
  ASSERT_TRUE(made);
  EXPECT_TRUE(made->IsKindOf(RUNTIME_CLASS(CTestShape)));
  EXPECT_TRUE(made->IsKindOf(RUNTIME_CLASS(CObject)));
  EXPECT_FALSE(made->IsKindOf(RUNTIME_CLASS(CFileException)));
  EXPECT_FALSE(made->IsKindOf(nullptr));
  EXPECT_STREQ("CTestSquare", made->GetRuntimeClass()->m_lpszClassName);
  CTestShape* shape = DYNAMIC_DOWNCAST(CTestShape, made.get());
  ASSERT_NE(nullptr, shape);
  EXPECT_EQ(4, shape->Corners());
  EXPECT_EQ(nullptr, DYNAMIC_DOWNCAST(CException, made.get()));

  // An abstract class has no creator; unknown names give nothing.
  EXPECT_EQ(nullptr, RUNTIME_CLASS(CTestShape)->CreateObject());
  EXPECT_EQ(nullptr, CRuntimeClass::CreateObject("CTestShape"));
  EXPECT_EQ(nullptr, CRuntimeClass::FromName("NoSuchClass"));
  EXPECT_EQ(nullptr, CRuntimeClass::FromName(nullptr));
}

TEST(CException, ThrownAsPointersWithMessages) {
  bool caught = false;
  try {
    AfxThrowUserException();
  } catch (CException* e) {
    caught = e->IsKindOf(RUNTIME_CLASS(CUserException));
    e->Delete();
  }
  EXPECT_TRUE(caught);

  try {
    AfxThrowFileException(CFileException::fileNotFound, 2, "rocks.qvx");
  } catch (CException* e) {
    CFileException* fe = DYNAMIC_DOWNCAST(CFileException, e);
    ASSERT_NE(nullptr, fe);
    EXPECT_EQ(CFileException::fileNotFound, fe->m_cause);
    EXPECT_EQ("rocks.qvx", fe->m_strFileName);
    EXPECT_EQ("Cannot find rocks.qvx.", fe->GetErrorMessage());
    char tiny[5];
    EXPECT_TRUE(fe->GetErrorMessage(tiny, sizeof tiny));
    EXPECT_STREQ("Cann", tiny);
    e->Delete();
  }
  try {
    AfxThrowResourceException();
  } catch (CException* e) {
    EXPECT_TRUE(e->IsKindOf(RUNTIME_CLASS(CResourceException)));
    EXPECT_FALSE(e->GetErrorMessage().IsEmpty());
    e->Delete();
  }
  CUserException plain;
  EXPECT_TRUE(plain.GetErrorMessage().IsEmpty());
}
