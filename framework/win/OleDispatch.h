// Automation clients: VARIANT and SAFEARRAY wrappers, a driver that calls IDispatch members by
// dispatch id with a typed argument list, and the exception a failed call throws.
#pragma once

#include <windows.h>

#include <oaidl.h>
#include <ole2.h>

#include "framework/base/CString.h"
#include "framework/base/Exception.h"

// Argument lists for COleDispatchDriver::InvokeHelper: one VARTYPE byte per argument, in order.
// What each expects in the variable arguments:
//   VTS_I2 short, VTS_I4 long, VTS_R8 double, VTS_BOOL BOOL, VTS_BSTR LPCSTR (ANSI text),
//   VTS_DISPATCH LPDISPATCH, VTS_VARIANT const VARIANT* (passed by value to the callee).
#define VTS_I2 "\x02"
#define VTS_I4 "\x03"
#define VTS_R8 "\x05"
#define VTS_BSTR "\x08"
#define VTS_DISPATCH "\x09"
#define VTS_BOOL "\x0B"
#define VTS_VARIANT "\x0C"
#define VTS_NONE ""

// A VARIANT that clears itself.
class COleVariant : public tagVARIANT {
 public:
  COleVariant() { ::VariantInit(this); }
  COleVariant(const VARIANT& src);
  COleVariant(const COleVariant& src);
  // VT_BSTR from ANSI text (the program's code page).
  COleVariant(LPCSTR text);
  COleVariant(const CString& text) : COleVariant(text.GetString()) {}
  // VT_I2, or VT_BOOL when vt says so (non-zero becomes VARIANT_TRUE).
  COleVariant(short value, VARTYPE vt = VT_I2);
  // VT_I4, or VT_ERROR (an SCODE, as for "missing" optional arguments) when vt says so.
  COleVariant(long value, VARTYPE vt = VT_I4);
  COleVariant(double value);
  ~COleVariant() { ::VariantClear(this); }

  COleVariant& operator=(const COleVariant& src);
  COleVariant& operator=(const VARIANT& src);

  void Clear() { ::VariantClear(this); }
  // Takes over src (which is left VT_EMPTY).
  void Attach(VARIANT& src);
  // Hands the contents over; this becomes VT_EMPTY.
  VARIANT Detach();
  operator LPVARIANT() { return this; }
  operator const VARIANT*() const { return this; }
};

// A VARIANT holding a SAFEARRAY (VT_ARRAY | element type).
class COleSafeArray : public tagVARIANT {
 public:
  COleSafeArray() { ::VariantInit(this); }
  ~COleSafeArray() { ::VariantClear(this); }
  COleSafeArray(const COleSafeArray&) = delete;
  COleSafeArray& operator=(const COleSafeArray&) = delete;

  // An array of dims dimensions with the given element counts, lower bounds 0. Throws
  // COleDispatchException when the array cannot be made.
  void Create(VARTYPE vt, DWORD dims, const DWORD* elements);
  // indices holds one index per dimension, first dimension first.
  void PutElement(const long* indices, const void* element);
  void GetElement(const long* indices, void* element) const;
  DWORD GetDim() const;
  long GetLBound(DWORD dim) const;  // dim is 1-based
  long GetUBound(DWORD dim) const;
  void Clear() { ::VariantClear(this); }
  // Hands the array over as a VARIANT; this becomes VT_EMPTY.
  VARIANT Detach();
  operator LPVARIANT() { return this; }
  operator const VARIANT*() const { return this; }

 private:
  SAFEARRAY* Array() const;
};

// Thrown by a dispatch call that fails: the callee's description when it raised an exception
// (DISP_E_EXCEPTION), else a text for the HRESULT.
class COleDispatchException : public CException {
  DECLARE_DYNAMIC(COleDispatchException)
 public:
  COleDispatchException(SCODE sc, LPCSTR description, LPCSTR source = nullptr);
  BOOL GetErrorMessage(char* buffer, UINT maxChars, UINT* helpContext = nullptr) const override;
  using CException::GetErrorMessage;

  SCODE m_scError;
  WORD m_wCode = 0;
  CString m_strDescription;
  CString m_strSource;
  DWORD m_dwHelpContext = 0;
};

[[noreturn]] void AfxThrowOleDispatchException(SCODE sc, LPCSTR description);

// Holds one IDispatch and calls its members.
class COleDispatchDriver {
 public:
  COleDispatchDriver() = default;
  explicit COleDispatchDriver(LPDISPATCH dispatch, BOOL autoRelease = TRUE)
      : m_lpDispatch(dispatch), m_bAutoRelease(autoRelease) {}
  ~COleDispatchDriver() { ReleaseDispatch(); }
  COleDispatchDriver(const COleDispatchDriver&) = delete;
  COleDispatchDriver& operator=(const COleDispatchDriver&) = delete;

  // CLSIDFromProgID + CoCreateInstance; FALSE (nothing held) on failure, with the HRESULT in
  // *result when given.
  BOOL CreateDispatch(LPCSTR progId, HRESULT* result = nullptr);
  // Holds dispatch (released when autoRelease and the driver lets go of it).
  void AttachDispatch(LPDISPATCH dispatch, BOOL autoRelease = TRUE);
  LPDISPATCH DetachDispatch();
  void ReleaseDispatch();

  // Calls member id with kind flags (DISPATCH_METHOD, _PROPERTYGET, _PROPERTYPUT). vtRet says
  // what *result receives: VT_EMPTY nothing, VT_DISPATCH LPDISPATCH (caller releases), VT_I4
  // long, VT_I2 short, VT_R8 double, VT_BOOL BOOL, VT_BSTR CString, VT_VARIANT VARIANT (caller
  // clears). paramInfo is a VTS_ list. Throws COleDispatchException on failure.
  void InvokeHelper(DISPID id, WORD flags, VARTYPE vtRet, void* result, const char* paramInfo,
                    ...);
  void InvokeHelperV(DISPID id, WORD flags, VARTYPE vtRet, void* result, const char* paramInfo,
                     va_list args);
  void GetProperty(DISPID id, VARTYPE vtProp, void* value);
  void SetProperty(DISPID id, VARTYPE vtProp, ...);

  LPDISPATCH m_lpDispatch = nullptr;
  BOOL m_bAutoRelease = TRUE;
};

// ANSI <-> BSTR in the program's code page.
BSTR AfxAllocBstr(LPCSTR text);
CString AfxBstrToString(BSTR text);
