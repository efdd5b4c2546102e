#pragma once
// CString: a UTF-16 string with the members the program uses.
#include <windows.h>

#include <cstdarg>
#include <string>

class CString {
 public:
  CString() = default;
  CString(LPCWSTR text) : m_str(text ? text : L"") {}  // NOLINT: implicit, as callers expect

  int GetLength() const { return static_cast<int>(m_str.size()); }
  bool IsEmpty() const { return m_str.empty(); }
  void Empty() { m_str.clear(); }
  operator LPCWSTR() const { return m_str.c_str(); }  // NOLINT: implicit, as callers expect

  CString& operator=(LPCWSTR text);
  CString& operator+=(LPCWSTR text);

  // printf-style formatting with the Windows rules for wide formats: %s takes a wide string,
  // %S and %hs a narrow one.
  void Format(LPCWSTR format, ...);
  void FormatV(LPCWSTR format, va_list args);

  // Direct access for API calls that fill a buffer: room for at least minLength characters
  // plus the terminating NUL. ReleaseBuffer(-1) takes the length up to the first NUL.
  LPWSTR GetBuffer(int minLength);
  void ReleaseBuffer(int newLength = -1);

 private:
  std::wstring m_str;
};
