// Base of the in-process automation objects that stand in for the spreadsheet program: an
// IDispatch that answers only the members its class lists, with the argument types listed,
// and records every call it receives. Anything else fails (DISP_E_MEMBERNOTFOUND,
// DISP_E_BADPARAMCOUNT, DISP_E_TYPEMISMATCH), so a wrong id or type cannot pass unnoticed.
#pragma once

#include <windows.h>

#include <oaidl.h>

#include <memory>
#include <vector>

#include "framework/base/CString.h"

// One call as received: "Worksheet.Range get 0xC5 (BSTR "B2", BSTR "B2")".
struct AutomationCall {
  CString object;
  CString member;
  DISPID id = 0;
  WORD kind = 0;  // DISPATCH_METHOD, DISPATCH_PROPERTYGET or DISPATCH_PROPERTYPUT
  std::vector<VARTYPE> argumentTypes;
  std::vector<CString> arguments;  // each as "TYPE value"
  HRESULT result = S_OK;
  CString ToString() const;
};

// How one argument of a member may look:
//   'b' VT_BSTR, 'h' VT_I2, 'l' VT_I4, 'r' VT_R8, 'B' VT_BOOL, 'd' VT_DISPATCH,
//   'm' missing (VT_ERROR with DISP_E_PARAMNOTFOUND), 'a' a cell value (VT_BSTR, VT_R8 or a
//   two-dimensional VT_ARRAY | VT_R8).
struct AutomationMember {
  DISPID id;
  WORD kind;
  const char* name;
  const char* arguments;
};

// Text of one argument for the call log.
CString DescribeArgument(const VARIANT& value);

class CAutomationObject : public IDispatch {
 public:
  CAutomationObject(const char* className, std::shared_ptr<std::vector<AutomationCall>> log);
  virtual ~CAutomationObject();
  CAutomationObject(const CAutomationObject&) = delete;
  CAutomationObject& operator=(const CAutomationObject&) = delete;

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  // IDispatch: members are reached by id only.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID lcid, WORD flags,
                                   DISPPARAMS* params, VARIANT* result, EXCEPINFO* info,
                                   UINT* argError) override;

  // The stand-in object behind a dispatch pointer, or null for any other object.
  static CAutomationObject* FromDispatch(IDispatch* dispatch);
  const char* GetClassName() const { return m_className; }

 protected:
  // The members this class answers, ended by an entry with a null name.
  virtual const AutomationMember* GetMembers() const = 0;
  // Runs a member whose arguments have passed the check; args in call order. A failure with a
  // text for the caller returns DISP_E_EXCEPTION and sets *error.
  virtual HRESULT Call(const AutomationMember& member, const std::vector<const VARIANT*>& args,
                       VARIANT* result, CString* error) = 0;
  // Whether a well-formed call is turned down before it runs (with the reason in *error), as a
  // spreadsheet program may turn down any call.
  virtual bool Refuses(const AutomationMember& /*member*/, CString* /*error*/) { return false; }

  // Puts a new object into *result (it starts with one reference, handed to the caller).
  static void ReturnObject(VARIANT* result, CAutomationObject* object);

  std::shared_ptr<std::vector<AutomationCall>> m_log;

 private:
  static HRESULT CheckArgument(char spec, const VARIANT& value);

  const char* m_className;
  LONG m_references = 1;
};
