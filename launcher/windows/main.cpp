#include "launcher/core/launcher.h"
#include "launcher/windows/windows_platform.h"

int main()
{
    kinsketch::launcher::WindowsPlatform platform;
    return kinsketch::launcher::runGuarded(platform);
}
