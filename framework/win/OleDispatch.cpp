#include "framework/win/OleDispatch.h"

#include <vector>

IMPLEMENT_DYNAMIC(COleDispatchException, CException)

// ---- text ----------------------------------------------------------------------------------

BSTR AfxAllocBstr(LPCSTR text) {
  if (!text) text = "";
  int n = ::MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
  if (n <= 0) return ::SysAllocString(L"");
  BSTR b = ::SysAllocStringLen(nullptr, n - 1);
  if (!b) AfxThrowMemoryException();
  ::MultiByteToWideChar(CP_ACP, 0, text, -1, b, n);
  return b;
}

CString AfxBstrToString(BSTR text) {
  if (!text) return CString();
  int length = (int)::SysStringLen(text);
  if (length == 0) return CString();
  int n = ::WideCharToMultiByte(CP_ACP, 0, text, length, nullptr, 0, nullptr, nullptr);
  std::string out(n > 0 ? n : 0, '\0');
  if (n > 0) ::WideCharToMultiByte(CP_ACP, 0, text, length, &out[0], n, nullptr, nullptr);
  return CString(out);
}

// ---- COleVariant ---------------------------------------------------------------------------

namespace {
void CopyOrThrow(VARIANT* dst, const VARIANT* src) {
  HRESULT hr = ::VariantCopy(dst, const_cast<VARIANT*>(src));
  if (FAILED(hr)) AfxThrowOleDispatchException(hr, "The value could not be copied.");
}
}  // namespace

COleVariant::COleVariant(const VARIANT& src) {
  ::VariantInit(this);
  CopyOrThrow(this, &src);
}

COleVariant::COleVariant(const COleVariant& src) {
  ::VariantInit(this);
  CopyOrThrow(this, &src);
}

COleVariant::COleVariant(LPCSTR text) {
  ::VariantInit(this);
  vt = VT_BSTR;
  bstrVal = AfxAllocBstr(text);
}

COleVariant::COleVariant(short value, VARTYPE type) {
  ::VariantInit(this);
  if (type == VT_BOOL) {
    vt = VT_BOOL;
    boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
  } else {
    vt = VT_I2;
    iVal = value;
  }
}

COleVariant::COleVariant(long value, VARTYPE type) {
  ::VariantInit(this);
  if (type == VT_ERROR) {
    vt = VT_ERROR;
    scode = value;
  } else {
    vt = VT_I4;
    lVal = value;
  }
}

COleVariant::COleVariant(double value) {
  ::VariantInit(this);
  vt = VT_R8;
  dblVal = value;
}

COleVariant& COleVariant::operator=(const COleVariant& src) {
  if (this != &src) CopyOrThrow(this, &src);
  return *this;
}

COleVariant& COleVariant::operator=(const VARIANT& src) {
  if (this != &src) CopyOrThrow(this, &src);
  return *this;
}

void COleVariant::Attach(VARIANT& src) {
  ::VariantClear(this);
  *static_cast<VARIANT*>(this) = src;
  src.vt = VT_EMPTY;
}

VARIANT COleVariant::Detach() {
  VARIANT out = *this;
  vt = VT_EMPTY;
  return out;
}

// ---- COleSafeArray -------------------------------------------------------------------------

SAFEARRAY* COleSafeArray::Array() const {
  if (!(vt & VT_ARRAY) || !parray)
    AfxThrowOleDispatchException(E_INVALIDARG, "The array has not been created.");
  return parray;
}

void COleSafeArray::Create(VARTYPE type, DWORD dims, const DWORD* elements) {
  Clear();
  if (dims == 0 || !elements) AfxThrowOleDispatchException(E_INVALIDARG, "Invalid array size.");
  std::vector<SAFEARRAYBOUND> bounds(dims);
  for (DWORD i = 0; i < dims; ++i) {
    bounds[i].lLbound = 0;
    bounds[i].cElements = elements[i];
  }
  SAFEARRAY* array = ::SafeArrayCreate(type, dims, bounds.data());
  if (!array) AfxThrowOleDispatchException(E_OUTOFMEMORY, "The array could not be created.");
  vt = (VARTYPE)(VT_ARRAY | type);
  parray = array;
}

// SafeArrayCreate numbers its bounds with the last dimension first, and SafeArrayPutElement
// takes indices in the same order as they were given to the bounds: the first dimension first.
void COleSafeArray::PutElement(const long* indices, const void* element) {
  HRESULT hr = ::SafeArrayPutElement(Array(), const_cast<long*>(indices), const_cast<void*>(element));
  if (FAILED(hr)) AfxThrowOleDispatchException(hr, "The array element could not be stored.");
}

void COleSafeArray::GetElement(const long* indices, void* element) const {
  HRESULT hr = ::SafeArrayGetElement(Array(), const_cast<long*>(indices), element);
  if (FAILED(hr)) AfxThrowOleDispatchException(hr, "The array element could not be read.");
}

DWORD COleSafeArray::GetDim() const {
  return ::SafeArrayGetDim(Array());
}

long COleSafeArray::GetLBound(DWORD dim) const {
  long bound = 0;
  HRESULT hr = ::SafeArrayGetLBound(Array(), dim, &bound);
  if (FAILED(hr)) AfxThrowOleDispatchException(hr, "Invalid array dimension.");
  return bound;
}

long COleSafeArray::GetUBound(DWORD dim) const {
  long bound = 0;
  HRESULT hr = ::SafeArrayGetUBound(Array(), dim, &bound);
  if (FAILED(hr)) AfxThrowOleDispatchException(hr, "Invalid array dimension.");
  return bound;
}

VARIANT COleSafeArray::Detach() {
  VARIANT out = *this;
  vt = VT_EMPTY;
  parray = nullptr;
  return out;
}

// ---- COleDispatchException -----------------------------------------------------------------

COleDispatchException::COleDispatchException(SCODE sc, LPCSTR description, LPCSTR source)
    : m_scError(sc), m_strDescription(description), m_strSource(source) {}

BOOL COleDispatchException::GetErrorMessage(char* buffer, UINT maxChars, UINT* helpContext) const {
  if (helpContext) *helpContext = m_dwHelpContext;
  if (!buffer || maxChars == 0) return FALSE;
  CString text = m_strDescription;
  if (text.IsEmpty()) text.Format("Automation error 0x%08lX.", (unsigned long)m_scError);
  lstrcpynA(buffer, text, (int)maxChars);
  return TRUE;
}

void AfxThrowOleDispatchException(SCODE sc, LPCSTR description) {
  throw new COleDispatchException(sc, description);
}

namespace {
CString TextOfResult(HRESULT hr) {
  switch (hr) {
    case DISP_E_MEMBERNOTFOUND: return "The object has no such member.";
    case DISP_E_TYPEMISMATCH: return "An argument has the wrong type.";
    case DISP_E_BADPARAMCOUNT: return "Wrong number of arguments.";
    case DISP_E_PARAMNOTOPTIONAL: return "A required argument is missing.";
    case DISP_E_UNKNOWNNAME: return "Unknown name.";
    case DISP_E_BADINDEX: return "Index out of range.";
    case E_OUTOFMEMORY: return "Out of memory.";
    default: break;
  }
  CString text;
  text.Format("Automation error 0x%08lX.", (unsigned long)hr);
  return text;
}

// Fills one argument from the variable list by its VTS_ type.
void ReadArgument(char type, va_list& args, VARIANT& out) {
  ::VariantInit(&out);
  switch ((unsigned char)type) {
    case VT_I2:
      out.vt = VT_I2;
      out.iVal = (short)va_arg(args, int);
      break;
    case VT_I4:
      out.vt = VT_I4;
      out.lVal = va_arg(args, long);
      break;
    case VT_R8:
      out.vt = VT_R8;
      out.dblVal = va_arg(args, double);
      break;
    case VT_BOOL:
      out.vt = VT_BOOL;
      out.boolVal = va_arg(args, BOOL) ? VARIANT_TRUE : VARIANT_FALSE;
      break;
    case VT_BSTR:
      out.vt = VT_BSTR;
      out.bstrVal = AfxAllocBstr(va_arg(args, LPCSTR));
      break;
    case VT_DISPATCH:
      out.vt = VT_DISPATCH;
      out.pdispVal = va_arg(args, LPDISPATCH);
      if (out.pdispVal) out.pdispVal->AddRef();
      break;
    case VT_VARIANT: {
      const VARIANT* value = va_arg(args, const VARIANT*);
      if (value) CopyOrThrow(&out, value);
      break;
    }
    default:
      AfxThrowOleDispatchException(E_INVALIDARG, "Unsupported argument type in a dispatch call.");
  }
}

// Stores the call's result into *result as vtRet asks.
void StoreResult(VARIANT& value, VARTYPE vtRet, void* result) {
  if (vtRet == VT_EMPTY || !result) return;
  if (vtRet == VT_VARIANT) {
    *static_cast<VARIANT*>(result) = value;
    value.vt = VT_EMPTY;
    return;
  }
  if (value.vt != vtRet) {
    HRESULT hr = ::VariantChangeType(&value, &value, 0, vtRet);
    if (FAILED(hr)) AfxThrowOleDispatchException(hr, "The result has an unexpected type.");
  }
  switch (vtRet) {
    case VT_DISPATCH:
      *static_cast<LPDISPATCH*>(result) = value.pdispVal;
      value.vt = VT_EMPTY;  // the caller owns the reference now
      break;
    case VT_I4: *static_cast<long*>(result) = value.lVal; break;
    case VT_I2: *static_cast<short*>(result) = value.iVal; break;
    case VT_R8: *static_cast<double*>(result) = value.dblVal; break;
    case VT_BOOL: *static_cast<BOOL*>(result) = value.boolVal != VARIANT_FALSE; break;
    case VT_BSTR: *static_cast<CString*>(result) = AfxBstrToString(value.bstrVal); break;
    default:
      AfxThrowOleDispatchException(E_INVALIDARG, "Unsupported result type in a dispatch call.");
  }
}

// Clears the arguments whatever happens.
struct ArgumentList {
  std::vector<VARIANT> values;
  ~ArgumentList() {
    for (VARIANT& v : values) ::VariantClear(&v);
  }
};
}  // namespace

// ---- COleDispatchDriver --------------------------------------------------------------------

BOOL COleDispatchDriver::CreateDispatch(LPCSTR progId, HRESULT* result) {
  ReleaseDispatch();
  CLSID clsid;
  BSTR name = AfxAllocBstr(progId);
  HRESULT hr = ::CLSIDFromProgID(name, &clsid);
  ::SysFreeString(name);
  LPDISPATCH dispatch = nullptr;
  if (SUCCEEDED(hr))
    hr = ::CoCreateInstance(clsid, nullptr, CLSCTX_LOCAL_SERVER | CLSCTX_INPROC_SERVER,
                            IID_IDispatch, reinterpret_cast<void**>(&dispatch));
  if (result) *result = hr;
  if (FAILED(hr) || !dispatch) return FALSE;
  AttachDispatch(dispatch, TRUE);
  return TRUE;
}

void COleDispatchDriver::AttachDispatch(LPDISPATCH dispatch, BOOL autoRelease) {
  ReleaseDispatch();
  m_lpDispatch = dispatch;
  m_bAutoRelease = autoRelease;
}

LPDISPATCH COleDispatchDriver::DetachDispatch() {
  LPDISPATCH dispatch = m_lpDispatch;
  m_lpDispatch = nullptr;
  return dispatch;
}

void COleDispatchDriver::ReleaseDispatch() {
  if (m_lpDispatch && m_bAutoRelease) m_lpDispatch->Release();
  m_lpDispatch = nullptr;
}

void COleDispatchDriver::InvokeHelper(DISPID id, WORD flags, VARTYPE vtRet, void* result,
                                      const char* paramInfo, ...) {
  va_list args;
  va_start(args, paramInfo);
  try {
    InvokeHelperV(id, flags, vtRet, result, paramInfo, args);
  } catch (...) {
    va_end(args);
    throw;
  }
  va_end(args);
}

void COleDispatchDriver::InvokeHelperV(DISPID id, WORD flags, VARTYPE vtRet, void* result,
                                       const char* paramInfo, va_list args) {
  if (!m_lpDispatch)
    AfxThrowOleDispatchException(E_POINTER, "The automation object is not connected.");
  ArgumentList list;
  size_t count = paramInfo ? strlen(paramInfo) : 0;
  list.values.resize(count);
  for (VARIANT& v : list.values) ::VariantInit(&v);
  // Invoke takes its arguments last first.
  va_list walk;
  va_copy(walk, args);
  for (size_t i = 0; i < count; ++i) {
    try {
      ReadArgument(paramInfo[i], walk, list.values[count - 1 - i]);
    } catch (...) {
      va_end(walk);
      throw;
    }
  }
  va_end(walk);

  DISPPARAMS params = {};
  params.cArgs = (UINT)count;
  params.rgvarg = count ? list.values.data() : nullptr;
  DISPID putId = DISPID_PROPERTYPUT;
  if (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) {
    params.cNamedArgs = 1;
    params.rgdispidNamedArgs = &putId;
  }
  VARIANT value;
  ::VariantInit(&value);
  EXCEPINFO info = {};
  UINT argError = 0;
  HRESULT hr = m_lpDispatch->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params,
                                    vtRet == VT_EMPTY ? nullptr : &value, &info, &argError);
  if (FAILED(hr)) {
    ::VariantClear(&value);
    CString description;
    SCODE sc = hr;
    if (hr == DISP_E_EXCEPTION) {
      if (info.pfnDeferredFillIn) info.pfnDeferredFillIn(&info);
      description = AfxBstrToString(info.bstrDescription);
      if (info.scode) sc = info.scode;
    }
    CString source = AfxBstrToString(info.bstrSource);
    ::SysFreeString(info.bstrDescription);
    ::SysFreeString(info.bstrSource);
    ::SysFreeString(info.bstrHelpFile);
    if (description.IsEmpty()) description = TextOfResult(hr);
    COleDispatchException* e = new COleDispatchException(sc, description, source);
    e->m_wCode = info.wCode;
    throw e;
  }
  try {
    StoreResult(value, vtRet, result);
  } catch (...) {
    ::VariantClear(&value);
    throw;
  }
  ::VariantClear(&value);
}

void COleDispatchDriver::GetProperty(DISPID id, VARTYPE vtProp, void* value) {
  InvokeHelper(id, DISPATCH_PROPERTYGET, vtProp, value, VTS_NONE);
}

void COleDispatchDriver::SetProperty(DISPID id, VARTYPE vtProp, ...) {
  char info[2] = {(char)vtProp, 0};
  va_list args;
  va_start(args, vtProp);
  try {
    InvokeHelperV(id, DISPATCH_PROPERTYPUT, VT_EMPTY, nullptr, info, args);
  } catch (...) {
    va_end(args);
    throw;
  }
  va_end(args);
}
