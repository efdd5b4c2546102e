#include "mfc/afx_string.h"

#include <cstdarg>
#include <cstdio>
#include <cwchar>

CString& CString::operator=(LPCWSTR text) {
  m_str = text ? text : L"";
  return *this;
}

CString& CString::operator+=(LPCWSTR text) {
  if (text) m_str += text;
  return *this;
}

void CString::Format(LPCWSTR format, ...) {
  va_list args;
  va_start(args, format);
  FormatV(format, args);
  va_end(args);
}

void CString::FormatV(LPCWSTR format, va_list args) {
  // The C runtime's own _vscwprintf/_vsnwprintf keep the Windows meaning of %s in a wide format;
  // mingw's C99 replacements would read %s as a narrow string.
  va_list counting;
  va_copy(counting, args);
  const int length = _vscwprintf(format, counting);
  va_end(counting);
  if (length < 0) {
    m_str.clear();
    return;
  }
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  _vsnwprintf(&text[0], text.size(), format, args);
  text.resize(static_cast<size_t>(length));
  m_str.swap(text);
}

LPWSTR CString::GetBuffer(int minLength) {
  const size_t wanted = minLength > GetLength() ? static_cast<size_t>(minLength) : m_str.size();
  m_str.resize(wanted);
  return &m_str[0];  // std::wstring keeps a NUL after the last character
}

void CString::ReleaseBuffer(int newLength) {
  if (newLength < 0) newLength = static_cast<int>(wcslen(m_str.c_str()));
  if (newLength > GetLength()) newLength = GetLength();
  m_str.resize(static_cast<size_t>(newLength));
}
