/* Holds a Wine session open while the test processes come and go. Its one
 * hidden window keeps Wine's desktop process alive, so that the desktop is
 * started once, by this program, with output away from the test runner's
 * pipes: a desktop started by a test would inherit that test's output and
 * keep it open after the test has ended. Ended with the session
 * (wineserver -k). */
#include <stdio.h>
#include <windows.h>

int main(void) {
  HWND window = CreateWindowExA(0, "STATIC", "skinpak1 test session", WS_POPUP, 0, 0, 1, 1,
                                NULL, NULL, NULL, NULL);
  MSG message;
  if (!window) return 1;
  /* The desktop is up once the window exists: the script waits for this line. */
  puts("ready");
  fflush(stdout);
  while (GetMessageA(&message, NULL, 0, 0) > 0) DispatchMessageA(&message);
  return 0;
}
