#include "spreadsheet/AutomationObject.h"

#include "framework/base/NumberText.h"
#include "framework/win/OleDispatch.h"

namespace {
// A private interface id through which a dispatch pointer reveals that it is one of ours.
const IID IID_QuarvexAutomationObject = {
    0x6c1f3e52, 0x8b0d, 0x4f7a, {0x9a, 0x51, 0x2e, 0x7c, 0x43, 0x10, 0xd5, 0x8b}};

const char* KindName(WORD kind) {
  if (kind & DISPATCH_PROPERTYPUT) return "put";
  if (kind & DISPATCH_PROPERTYGET) return "get";
  return "method";
}

const char* TypeName(VARTYPE vt) {
  switch (vt) {
    case VT_EMPTY: return "EMPTY";
    case VT_I2: return "I2";
    case VT_I4: return "I4";
    case VT_R8: return "R8";
    case VT_BSTR: return "BSTR";
    case VT_DISPATCH: return "DISPATCH";
    case VT_ERROR: return "ERROR";
    case VT_BOOL: return "BOOL";
    case VT_VARIANT: return "VARIANT";
    case VT_ARRAY | VT_R8: return "ARRAY|R8";
    default: return "OTHER";
  }
}
}  // namespace

CString DescribeArgument(const VARIANT& value) {
  CString text = TypeName(value.vt);
  switch (value.vt) {
    case VT_I2: text.AppendFormat(" %d", value.iVal); break;
    case VT_I4: text.AppendFormat(" %ld", (long)value.lVal); break;
    case VT_R8: text += " " + FormatNumber("%g", value.dblVal); break;
    case VT_BOOL: text += value.boolVal ? " TRUE" : " FALSE"; break;
    case VT_BSTR: text += " \"" + AfxBstrToString(value.bstrVal) + "\""; break;
    case VT_ERROR:
      if (value.scode == DISP_E_PARAMNOTFOUND)
        text += " missing";
      else
        text.AppendFormat(" 0x%08lX", (unsigned long)value.scode);
      break;
    case VT_DISPATCH: {
      CAutomationObject* object = CAutomationObject::FromDispatch(value.pdispVal);
      text += " ";
      text += object ? object->GetClassName() : "(foreign)";
      break;
    }
    case VT_ARRAY | VT_R8:
      if (value.parray && ::SafeArrayGetDim(value.parray) == 2) {
        long r0 = 0, r1 = -1, c0 = 0, c1 = -1;
        ::SafeArrayGetLBound(value.parray, 1, &r0);
        ::SafeArrayGetUBound(value.parray, 1, &r1);
        ::SafeArrayGetLBound(value.parray, 2, &c0);
        ::SafeArrayGetUBound(value.parray, 2, &c1);
        text.AppendFormat(" %ldx%ld", r1 - r0 + 1, c1 - c0 + 1);
      }
      break;
    default: break;
  }
  return text;
}

CString AutomationCall::ToString() const {
  CString text;
  text.Format("%s.%s %s 0x%lX (", object.GetString(), member.GetString(), KindName(kind),
              (unsigned long)id);
  for (size_t i = 0; i < arguments.size(); ++i) {
    if (i) text += ", ";
    text += arguments[i];
  }
  text += ")";
  return text;
}

CAutomationObject::CAutomationObject(const char* className,
                                     std::shared_ptr<std::vector<AutomationCall>> log)
    : m_log(std::move(log)), m_className(className) {}

CAutomationObject::~CAutomationObject() = default;

HRESULT CAutomationObject::QueryInterface(REFIID iid, void** out) {
  if (!out) return E_POINTER;
  if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) ||
      IsEqualIID(iid, IID_QuarvexAutomationObject)) {
    *out = static_cast<IDispatch*>(this);
    AddRef();
    return S_OK;
  }
  *out = nullptr;
  return E_NOINTERFACE;
}

ULONG CAutomationObject::AddRef() {
  return (ULONG)::InterlockedIncrement(&m_references);
}

ULONG CAutomationObject::Release() {
  LONG left = ::InterlockedDecrement(&m_references);
  if (left == 0) delete this;
  return (ULONG)left;
}

HRESULT CAutomationObject::GetTypeInfoCount(UINT* count) {
  if (!count) return E_POINTER;
  *count = 0;
  return S_OK;
}

HRESULT CAutomationObject::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
  if (info) *info = nullptr;
  return E_NOTIMPL;
}

HRESULT CAutomationObject::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) {
  return DISP_E_UNKNOWNNAME;
}

CAutomationObject* CAutomationObject::FromDispatch(IDispatch* dispatch) {
  if (!dispatch) return nullptr;
  void* out = nullptr;
  if (FAILED(dispatch->QueryInterface(IID_QuarvexAutomationObject, &out)) || !out) return nullptr;
  CAutomationObject* object = static_cast<CAutomationObject*>(static_cast<IDispatch*>(out));
  object->Release();  // the caller holds its own reference
  return object;
}

void CAutomationObject::ReturnObject(VARIANT* result, CAutomationObject* object) {
  if (!result) {
    object->Release();
    return;
  }
  ::VariantInit(result);
  result->vt = VT_DISPATCH;
  result->pdispVal = object;
}

HRESULT CAutomationObject::CheckArgument(char spec, const VARIANT& value) {
  switch (spec) {
    case 'b': return value.vt == VT_BSTR ? S_OK : DISP_E_TYPEMISMATCH;
    case 'h': return value.vt == VT_I2 ? S_OK : DISP_E_TYPEMISMATCH;
    case 'l': return value.vt == VT_I4 ? S_OK : DISP_E_TYPEMISMATCH;
    case 'r': return value.vt == VT_R8 ? S_OK : DISP_E_TYPEMISMATCH;
    case 'B': return value.vt == VT_BOOL ? S_OK : DISP_E_TYPEMISMATCH;
    case 'd':
      return value.vt == VT_DISPATCH && FromDispatch(value.pdispVal) ? S_OK : DISP_E_TYPEMISMATCH;
    case 'm':
      return value.vt == VT_ERROR && value.scode == DISP_E_PARAMNOTFOUND ? S_OK
                                                                         : DISP_E_TYPEMISMATCH;
    case 'a':
      if (value.vt == VT_BSTR || value.vt == VT_R8) return S_OK;
      if (value.vt == (VT_ARRAY | VT_R8) && value.parray && ::SafeArrayGetDim(value.parray) == 2)
        return S_OK;
      return DISP_E_TYPEMISMATCH;
    default: return DISP_E_TYPEMISMATCH;
  }
}

HRESULT CAutomationObject::Invoke(DISPID id, REFIID iid, LCID, WORD flags, DISPPARAMS* params,
                                  VARIANT* result, EXCEPINFO* info, UINT* argError) {
  if (!IsEqualIID(iid, IID_NULL)) return DISP_E_UNKNOWNINTERFACE;
  AutomationCall call;
  call.object = m_className;
  call.id = id;
  call.kind = flags;
  // Arguments arrive last first; the log and the members take them in call order. Named
  // arguments other than the value of a property put are not part of any member here.
  std::vector<const VARIANT*> args;
  UINT count = params ? params->cArgs : 0;
  for (UINT i = 0; i < count; ++i) {
    const VARIANT& v = params->rgvarg[count - 1 - i];
    args.push_back(&v);
    call.argumentTypes.push_back(v.vt);
    call.arguments.push_back(DescribeArgument(v));
  }

  const AutomationMember* member = nullptr;
  for (const AutomationMember* m = GetMembers(); m->name; ++m) {
    if (m->id == id && (m->kind & flags)) {
      member = m;
      break;
    }
  }
  HRESULT hr = S_OK;
  CString error;
  if (!member) {
    call.member = "?";
    hr = DISP_E_MEMBERNOTFOUND;
  } else {
    call.member = member->name;
    size_t expected = strlen(member->arguments);
    UINT named = params ? params->cNamedArgs : 0;
    bool isPut = (flags & DISPATCH_PROPERTYPUT) != 0;
    if (args.size() != expected || named != (isPut ? 1u : 0u) ||
        (isPut && params->rgdispidNamedArgs[0] != DISPID_PROPERTYPUT)) {
      hr = DISP_E_BADPARAMCOUNT;
    } else {
      for (size_t i = 0; i < expected && SUCCEEDED(hr); ++i) {
        hr = CheckArgument(member->arguments[i], *args[i]);
        if (FAILED(hr) && argError) *argError = (UINT)(count - 1 - i);
      }
    }
    if (SUCCEEDED(hr)) {
      if (result) ::VariantInit(result);
      hr = Refuses(*member, &error) ? DISP_E_EXCEPTION : Call(*member, args, result, &error);
    }
  }
  call.result = hr;
  m_log->push_back(call);
  if (hr == DISP_E_EXCEPTION && info) {
    *info = EXCEPINFO();
    info->bstrSource = AfxAllocBstr("Quarvex workbook");
    info->bstrDescription = AfxAllocBstr(error);
    info->scode = E_FAIL;
  }
  return hr;
}
