// The main of every widget test program. The application object lives on main's stack: as a function-local static it
// would be destroyed after Qt's own globals and crash the program on its way out.

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
#ifndef _WIN32
    // No display is needed. On Windows the system's own platform needs none either, and is the one that sees the
    // installed fonts.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
