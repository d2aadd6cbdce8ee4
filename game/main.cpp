// The program's entry. The window and the screenshot tour join here as they are built.
#include <cstdio>

int main() {
  std::fputs("korvedan: the window is not built yet; see README.md\n", stderr);
  return 1;
}
