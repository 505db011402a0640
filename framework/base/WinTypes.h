// Windows scalar types, helper macros and ASSERT for portable code.
// On Windows the typedefs repeat the Windows headers' own definitions, so
// including both (in either order) is fine; elsewhere the types keep the
// Windows sizes (DWORD and LONG are 32 bits).
#pragma once

#include <cassert>
#include <cstdint>

#ifdef _WIN32
typedef unsigned long DWORD;
typedef long LONG;
typedef unsigned long ULONG;
#else
typedef std::uint32_t DWORD;
typedef std::int32_t LONG;
typedef std::uint32_t ULONG;
#endif

typedef int BOOL;
typedef unsigned char BYTE;
typedef unsigned short WORD;
typedef unsigned int UINT;
typedef int INT;
typedef char CHAR;
typedef unsigned char UCHAR;
typedef short SHORT;
typedef unsigned short USHORT;
typedef float FLOAT;
typedef double DOUBLE;
typedef long long LONGLONG;
typedef unsigned long long ULONGLONG;

// Pointer-sized integers, 64 bits as on Win64.
typedef long long INT_PTR;
typedef unsigned long long UINT_PTR;
typedef long long LONG_PTR;
typedef unsigned long long ULONG_PTR;
typedef ULONG_PTR DWORD_PTR;

typedef UINT_PTR WPARAM;
typedef LONG_PTR LPARAM;
typedef LONG_PTR LRESULT;

typedef DWORD COLORREF;

typedef char TCHAR;
typedef char* LPSTR;
typedef const char* LPCSTR;
typedef char* LPTSTR;
typedef const char* LPCTSTR;
typedef void* LPVOID;
typedef const void* LPCVOID;

#ifndef TRUE
#define TRUE 1
#endif
#ifndef FALSE
#define FALSE 0
#endif

#ifndef _T
#define _T(x) x
#endif
#ifndef TEXT
#define TEXT(x) x
#endif

#ifndef MAKEWORD
#define MAKEWORD(a, b) \
  ((WORD)(((BYTE)((DWORD_PTR)(a)&0xff)) | (((WORD)((BYTE)((DWORD_PTR)(b)&0xff))) << 8)))
#endif
#ifndef MAKELONG
#define MAKELONG(a, b) \
  ((LONG)(((WORD)((DWORD_PTR)(a)&0xffff)) | (((DWORD)((WORD)((DWORD_PTR)(b)&0xffff))) << 16)))
#endif
#ifndef LOWORD
#define LOWORD(l) ((WORD)((DWORD_PTR)(l)&0xffff))
#endif
#ifndef HIWORD
#define HIWORD(l) ((WORD)((((DWORD_PTR)(l)) >> 16) & 0xffff))
#endif
#ifndef LOBYTE
#define LOBYTE(w) ((BYTE)((DWORD_PTR)(w)&0xff))
#endif
#ifndef HIBYTE
#define HIBYTE(w) ((BYTE)((((DWORD_PTR)(w)) >> 8) & 0xff))
#endif

#ifndef RGB
#define RGB(r, g, b) \
  ((COLORREF)(((BYTE)(r) | ((WORD)((BYTE)(g)) << 8)) | (((DWORD)(BYTE)(b)) << 16)))
#endif
#ifndef GetRValue
#define GetRValue(rgb) (LOBYTE(rgb))
#endif
#ifndef GetGValue
#define GetGValue(rgb) (LOBYTE(((WORD)(rgb)) >> 8))
#endif
#ifndef GetBValue
#define GetBValue(rgb) (LOBYTE((rgb) >> 16))
#endif

// ASSERT checks only in debug builds (in release builds its argument is
// not evaluated but still counts as used, so no unused-variable warnings);
// VERIFY always evaluates its argument.
#ifndef ASSERT
#ifdef NDEBUG
#define ASSERT(f) ((void)sizeof(!(f)))
#else
#define ASSERT(f) assert(f)
#endif
#endif
#ifndef VERIFY
#ifdef NDEBUG
#define VERIFY(f) ((void)(f))
#else
#define VERIFY(f) assert(f)
#endif
#endif
#ifndef TRACE
#define TRACE(...) ((void)0)
#endif
