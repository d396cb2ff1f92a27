// With --write-recovery-copies FOLDER [new], the writer the kill test kills on Windows, where no process can be forked.

#include "killed_writer.h"

#include <gtest/gtest.h>

#include <cstring>

int main(int argc, char** argv)
{
    if ((argc == 3 || argc == 4) && std::strcmp(argv[1], "--write-recovery-copies") == 0)
        kinsketch::test::writeRecoveryCopiesForever(argv[2], argc == 4);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
