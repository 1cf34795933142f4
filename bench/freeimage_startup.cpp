// Start-up reference: a program that links FreeImage (whose library initialises its plugins when loaded)
// and prints one line, as `ravelin -v` does.

#include <FreeImage.h>

#include <cstdio>

int main() {
    std::printf("FreeImage %s\n", FreeImage_GetVersion());
    return 0;
}
