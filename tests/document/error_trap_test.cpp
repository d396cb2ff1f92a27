#include "document/error_trap.h"
#include "tests/support/recording_reporter.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

namespace kinsketch {
namespace {

// Whatever a routine throws ends in the routine's error box, never in a
// silent end of the program.
TEST(ErrorTrap, EveryThrownErrorBecomesTheRoutinesErrorBox)
{
    struct Case {
        const char* name;
        std::function<void()> routine;
        const char* boxStart;
    };
    const Case cases[] = {
        {"run-time error", [] { throw RunTimeError::subscriptOutOfRange(); }, "【9】"},
        {"memory", [] { throw std::bad_alloc(); }, "【7】"},
        {"file system", [] { throw std::filesystem::filesystem_error("x", std::error_code()); }, "【75】"},
        {"any other", [] { throw std::logic_error("unexpected"); }, "【51】"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::RecordingReporter reporter;
        EXPECT_FALSE(trapErrors(reporter, "Routine", c.routine));
        ASSERT_EQ(reporter.titles(), std::vector<std::string>{"Error At Routine"});
        EXPECT_TRUE(reporter.errors[0].text.starts_with(c.boxStart)) << reporter.errors[0].text;
    }
    test::RecordingReporter reporter;
    EXPECT_TRUE(trapErrors(reporter, "Routine", [] {}));
    EXPECT_TRUE(reporter.errors.empty());
}

} // namespace
} // namespace kinsketch
