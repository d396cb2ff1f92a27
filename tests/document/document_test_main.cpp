// With --write-recovery-copies FOLDER, the writer the kill test kills on Windows, where no process can be forked.

#include "killed_writer.h"

#include <gtest/gtest.h>

#include <cstring>

int main(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], "--write-recovery-copies") == 0)
        kinsketch::test::writeRecoveryCopiesForever(argv[2]);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
