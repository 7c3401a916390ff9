#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  MessageBoxW(nullptr, L"Folvane", L"Folvane 1.0", MB_OK);
  return 0;
}
