// KERNEL32 and C run-time functions that belong to no other area of the layer.
#include "platform/fs/file_system.h"
#include "platform/runtime.h"
#include "platform/ui/window_system.h"

void WINAPI Sleep(DWORD milliseconds) { platform::ui::Windows().display().sleep(milliseconds); }

DWORD WINAPI GetLastError(void) { return platform::TheRuntime().lastError; }

void WINAPI SetLastError(DWORD error) { platform::SetLastErrorCode(error); }

// Lead bytes of the machine's code page: none in the single-byte Windows code
// pages, the first byte of a pair in Shift-JIS (932) and the Chinese and
// Korean double-byte code pages (936, 949, 950).
BOOL WINAPI IsDBCSLeadByte(BYTE c) {
  switch (platform::fs::Files().machine().codePage) {
    case 932:
      return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
    case 936:
    case 949:
    case 950:
      return c >= 0x81 && c <= 0xFE;
    default:
      return FALSE;
  }
}

int _stricmp(const char* a, const char* b) {
  for (;; ++a, ++b) {
    int x = (*a >= 'A' && *a <= 'Z') ? *a - 'A' + 'a' : static_cast<unsigned char>(*a);
    int y = (*b >= 'A' && *b <= 'Z') ? *b - 'A' + 'a' : static_cast<unsigned char>(*b);
    if (x != y || x == 0) return x - y;
  }
}
