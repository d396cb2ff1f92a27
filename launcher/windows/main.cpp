#include "launcher/core/launcher.h"
#include "launcher/windows/windows_platform.h"

int main() {
    kinsketch::launcher::WindowsPlatform platform;
    kinsketch::launcher::Launcher(platform).run();
    return 0;
}
