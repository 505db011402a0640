// CObject and run-time class information: IsKindOf, creation by class and
// lookup of a class by name.
#pragma once

#include "WinTypes.h"

class CObject;

struct CRuntimeClass {
  const char* m_lpszClassName;
  int m_nObjectSize;
  UINT m_wSchema;                   // 0xFFFF: not serializable
  CObject* (*m_pfnCreateObject)();  // nullptr unless DYNCREATE
  CRuntimeClass* m_pBaseClass;
  CRuntimeClass* m_pNextClass;  // registry link, set at start-up

  // A new object of this class, or nullptr when it cannot be created.
  CObject* CreateObject() const;
  BOOL IsDerivedFrom(const CRuntimeClass* baseClass) const;
  // The registered class with this name, or nullptr. Only classes whose
  // IMPLEMENT_ macro is linked into the program are registered.
  static CRuntimeClass* FromName(const char* className);
  // Creates an object of the named class (nullptr if unknown or abstract).
  static CObject* CreateObject(const char* className);
};

// Adds a class to the name registry; IMPLEMENT_DYNAMIC makes one of these.
struct AFX_CLASSINIT {
  explicit AFX_CLASSINIT(CRuntimeClass* newClass);
};

#define RUNTIME_CLASS(class_name) (&class_name::class##class_name)

class CObject {
 public:
  virtual ~CObject() = default;
  virtual CRuntimeClass* GetRuntimeClass() const;
  BOOL IsKindOf(const CRuntimeClass* pClass) const;
  virtual void AssertValid() const {}

  static CRuntimeClass classCObject;

 protected:
  CObject() = default;
  CObject(const CObject&) = default;
  CObject& operator=(const CObject&) = default;
};

#define DECLARE_DYNAMIC(class_name)       \
 public:                                  \
  static CRuntimeClass class##class_name; \
  CRuntimeClass* GetRuntimeClass() const override;

#define DECLARE_DYNCREATE(class_name) \
  DECLARE_DYNAMIC(class_name)         \
  static CObject* CreateObject();

#define QX_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, pfnNew)           \
  CRuntimeClass class_name::class##class_name = {                                \
      #class_name, sizeof(class class_name),       0xFFFF,                       \
      pfnNew,      RUNTIME_CLASS(base_class_name), nullptr};                     \
  static const AFX_CLASSINIT _init_##class_name(&class_name::class##class_name); \
  CRuntimeClass* class_name::GetRuntimeClass() const {                           \
    return RUNTIME_CLASS(class_name);                                            \
  }

#define IMPLEMENT_DYNAMIC(class_name, base_class_name) \
  QX_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, nullptr)

#define IMPLEMENT_DYNCREATE(class_name, base_class_name) \
  CObject* class_name::CreateObject() {                  \
    return new class_name;                               \
  }                                                      \
  QX_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, class_name::CreateObject)

// Checked downcast: nullptr when the object is not of that class.
CObject* AfxDynamicDownCast(const CRuntimeClass* pClass, CObject* object);
#define DYNAMIC_DOWNCAST(class_name, object) \
  (static_cast<class_name*>(AfxDynamicDownCast(RUNTIME_CLASS(class_name), (object))))
#define STATIC_DOWNCAST(class_name, object) (static_cast<class_name*>(object))
