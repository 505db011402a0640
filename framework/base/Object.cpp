#include "Object.h"

#include <cstring>

namespace {

// Head of the list of classes registered by IMPLEMENT_DYNAMIC. A function
// static, so registration works whatever order files are initialised in.
CRuntimeClass*& FirstClass() {
  static CRuntimeClass* first = nullptr;
  return first;
}

}  // namespace

CRuntimeClass CObject::classCObject = {"CObject", sizeof(CObject), 0xFFFF,
                                       nullptr,   nullptr,         nullptr};
static const AFX_CLASSINIT _init_CObject(&CObject::classCObject);

AFX_CLASSINIT::AFX_CLASSINIT(CRuntimeClass* newClass) {
  for (CRuntimeClass* c = FirstClass(); c; c = c->m_pNextClass)
    if (c == newClass) return;
  newClass->m_pNextClass = FirstClass();
  FirstClass() = newClass;
}

CObject* CRuntimeClass::CreateObject() const {
  return m_pfnCreateObject ? m_pfnCreateObject() : nullptr;
}

BOOL CRuntimeClass::IsDerivedFrom(const CRuntimeClass* baseClass) const {
  if (!baseClass) return FALSE;
  for (const CRuntimeClass* c = this; c; c = c->m_pBaseClass)
    if (c == baseClass) return TRUE;
  return FALSE;
}

CRuntimeClass* CRuntimeClass::FromName(const char* className) {
  if (!className) return nullptr;
  for (CRuntimeClass* c = FirstClass(); c; c = c->m_pNextClass)
    if (std::strcmp(c->m_lpszClassName, className) == 0) return c;
  return nullptr;
}

CObject* CRuntimeClass::CreateObject(const char* className) {
  CRuntimeClass* c = FromName(className);
  return c ? c->CreateObject() : nullptr;
}

CRuntimeClass* CObject::GetRuntimeClass() const {
  return RUNTIME_CLASS(CObject);
}

BOOL CObject::IsKindOf(const CRuntimeClass* pClass) const {
  return GetRuntimeClass()->IsDerivedFrom(pClass);
}

CObject* AfxDynamicDownCast(const CRuntimeClass* pClass, CObject* object) {
  return object && object->IsKindOf(pClass) ? object : nullptr;
}
