#include "launcher/core/launcher.h"
#include "launcher/linux/linux_platform.h"

#include <QApplication>
#include <QFileInfo>

#include <cstdlib>
#include <iostream>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    const char* unattended = std::getenv("OVNQTVERUP_UNATTENDED");
    kinsketch::launcher::LinuxPlatform platform(
        QCoreApplication::applicationDirPath().toStdString(),
        QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName().toStdString(),
        unattended != nullptr && std::string(unattended) == "1", std::cout);
    return kinsketch::launcher::runGuarded(platform);
}
