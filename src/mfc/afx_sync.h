#pragma once
// CCriticalSection: a Windows critical section, recursive for the thread that holds it.
#include <windows.h>

class CCriticalSection {
 public:
  CCriticalSection() { InitializeCriticalSection(&m_sect); }
  ~CCriticalSection() { DeleteCriticalSection(&m_sect); }
  CCriticalSection(const CCriticalSection&) = delete;
  CCriticalSection& operator=(const CCriticalSection&) = delete;

  BOOL Lock() {
    EnterCriticalSection(&m_sect);
    return TRUE;
  }
  BOOL Unlock() {
    LeaveCriticalSection(&m_sect);
    return TRUE;
  }
  operator CRITICAL_SECTION*() { return &m_sect; }  // NOLINT: implicit, for the Win32 calls

  CRITICAL_SECTION m_sect;
};
