// The automation client: VARIANT and SAFEARRAY wrappers and the dispatch driver against a small
// IDispatch that reports what it received.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/win/OleDispatch.h"

namespace {

// Answers member 1 (method: returns its argument count as VT_I2 and keeps the arguments in call
// order), member 2 (property put: keeps the value), member 3 (raises an exception with a
// description) and member 4 (returns a BSTR); anything else is not found.
class CEcho : public IDispatch {
 public:
  std::vector<VARTYPE> types;
  std::vector<std::string> texts;
  WORD lastFlags = 0;
  UINT lastNamed = 0;
  LONG refs = 1;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch)) {
      *out = this;
      AddRef();
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++refs; }
  ULONG STDMETHODCALLTYPE Release() override { return --refs; }
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* n) override {
    *n = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
    return DISP_E_UNKNOWNNAME;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* p,
                                   VARIANT* result, EXCEPINFO* info, UINT*) override {
    lastFlags = flags;
    lastNamed = p->cNamedArgs;
    types.clear();
    texts.clear();
    for (UINT i = p->cArgs; i-- > 0;) {
      const VARIANT& v = p->rgvarg[i];
      types.push_back(v.vt);
      texts.push_back(v.vt == VT_BSTR ? AfxBstrToString(v.bstrVal).GetString() : "");
    }
    switch (id) {
      case 1:
        if (result) {
          result->vt = VT_I2;
          result->iVal = (short)p->cArgs;
        }
        return S_OK;
      case 2: return S_OK;
      case 3:
        info->bstrDescription = AfxAllocBstr("The sheet is protected.");
        info->scode = E_ACCESSDENIED;
        return DISP_E_EXCEPTION;
      case 4:
        if (result) {
          result->vt = VT_BSTR;
          result->bstrVal = AfxAllocBstr("Sheet1");
        }
        return S_OK;
      default: return DISP_E_MEMBERNOTFOUND;
    }
  }
};

TEST(OleVariantTest, ConstructorsMakeTheTypesTheCallsNeed) {
  COleVariant text("sig3 (MPa)");
  EXPECT_EQ(text.vt, VT_BSTR);
  EXPECT_STREQ(AfxBstrToString(text.bstrVal), "sig3 (MPa)");
  COleVariant small((short)-4169);
  EXPECT_EQ(small.vt, VT_I2);
  EXPECT_EQ(small.iVal, -4169);
  COleVariant flag((short)1, VT_BOOL);
  EXPECT_EQ(flag.vt, VT_BOOL);
  EXPECT_EQ(flag.boolVal, VARIANT_TRUE);
  COleVariant missing((long)DISP_E_PARAMNOTFOUND, VT_ERROR);
  EXPECT_EQ(missing.vt, VT_ERROR);
  EXPECT_EQ(missing.scode, DISP_E_PARAMNOTFOUND);
  COleVariant number(2.5);
  EXPECT_EQ(number.vt, VT_R8);
  COleVariant copy(text);
  EXPECT_NE(copy.bstrVal, text.bstrVal);  // a copy of its own
  EXPECT_STREQ(AfxBstrToString(copy.bstrVal), "sig3 (MPa)");
  VARIANT taken = copy.Detach();
  EXPECT_EQ(copy.vt, VT_EMPTY);
  COleVariant back;
  back.Attach(taken);
  EXPECT_EQ(taken.vt, VT_EMPTY);
  EXPECT_STREQ(AfxBstrToString(back.bstrVal), "sig3 (MPa)");
}

TEST(OleSafeArrayTest, TwoDimensionsRowsFirst) {
  COleSafeArray array;
  DWORD elements[2] = {3, 2};
  array.Create(VT_R8, 2, elements);
  EXPECT_EQ(array.vt, VT_ARRAY | VT_R8);
  EXPECT_EQ(array.GetDim(), 2u);
  EXPECT_EQ(array.GetLBound(1), 0);
  EXPECT_EQ(array.GetUBound(1), 2);  // rows
  EXPECT_EQ(array.GetUBound(2), 1);  // columns
  for (long r = 0; r < 3; ++r)
    for (long c = 0; c < 2; ++c) {
      long index[2] = {r, c};
      double value = r * 10.0 + c;
      array.PutElement(index, &value);
    }
  long index[2] = {2, 1};
  double value = 0;
  array.GetElement(index, &value);
  EXPECT_EQ(value, 21.0);
  long outside[2] = {3, 0};
  EXPECT_THROW(array.PutElement(outside, &value), COleDispatchException*);
  VARIANT handed = array.Detach();
  EXPECT_EQ(array.vt, VT_EMPTY);
  ::VariantClear(&handed);
}

TEST(OleDispatchDriverTest, ArgumentsArriveInCallOrderWithTheirTypes) {
  CEcho echo;
  COleDispatchDriver driver(&echo, FALSE);
  COleVariant gallery((short)-4169);
  short count = 0;
  driver.InvokeHelper(1, DISPATCH_METHOD, VT_I2, &count, VTS_BSTR VTS_I4 VTS_R8 VTS_BOOL VTS_VARIANT,
                      "B2", 74L, 150.0, TRUE, &gallery);
  EXPECT_EQ(count, 5);
  EXPECT_EQ(echo.types, (std::vector<VARTYPE>{VT_BSTR, VT_I4, VT_R8, VT_BOOL, VT_I2}));
  EXPECT_EQ(echo.texts[0], "B2");
  EXPECT_EQ(echo.lastNamed, 0u);
  // A result converts to the type asked for.
  long wide = 0;
  driver.InvokeHelper(1, DISPATCH_METHOD, VT_I4, &wide, VTS_NONE);
  EXPECT_EQ(wide, 0);
  CString name;
  driver.InvokeHelper(4, DISPATCH_PROPERTYGET, VT_BSTR, &name, VTS_NONE);
  EXPECT_STREQ(name, "Sheet1");
  // A property put names its value.
  driver.SetProperty(2, VT_BOOL, TRUE);
  EXPECT_EQ(echo.lastFlags, DISPATCH_PROPERTYPUT);
  EXPECT_EQ(echo.lastNamed, 1u);
  EXPECT_EQ(echo.types, (std::vector<VARTYPE>{VT_BOOL}));
  driver.DetachDispatch();
  EXPECT_EQ(echo.refs, 1);  // every temporary reference was released
}

TEST(OleDispatchDriverTest, FailuresThrowWithTheCalleesReason) {
  CEcho echo;
  COleDispatchDriver driver(&echo, FALSE);
  try {
    driver.InvokeHelper(3, DISPATCH_METHOD, VT_EMPTY, nullptr, VTS_NONE);
    FAIL() << "no exception";
  } catch (COleDispatchException* e) {
    EXPECT_EQ(e->m_scError, E_ACCESSDENIED);
    EXPECT_STREQ(e->GetErrorMessage(), "The sheet is protected.");
    e->Delete();
  }
  try {
    driver.InvokeHelper(9, DISPATCH_METHOD, VT_EMPTY, nullptr, VTS_NONE);
    FAIL() << "no exception";
  } catch (COleDispatchException* e) {
    EXPECT_EQ(e->m_scError, DISP_E_MEMBERNOTFOUND);
    EXPECT_FALSE(e->GetErrorMessage().IsEmpty());
    e->Delete();
  }
  driver.DetachDispatch();
  try {
    driver.InvokeHelper(1, DISPATCH_METHOD, VT_EMPTY, nullptr, VTS_NONE);
    FAIL() << "no exception";
  } catch (COleDispatchException* e) {
    e->Delete();
  }
  // Nothing is registered under this name.
  HRESULT hr = S_OK;
  EXPECT_FALSE(driver.CreateDispatch("Quarvex.NoSuchObject", &hr));
  EXPECT_TRUE(FAILED(hr));
}

}  // namespace
