// What start-up settles about the process itself: its open-file limit and a
// runtime directory that Qt can look into without creating one.
#include "app/FileLimit.h"
#include "app/RuntimeDirectory.h"
#include "tests/app/FakeEnvironment.h"
#include "tests/app/TempDir.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace nonagra::app::test {
namespace {

// Runs the check in a child under these limits: 0 when it lets the game
// start with the soft limit raised to what it needs, 1 when it refuses, 2
// when it let it start short of files.
int childUnder(rlim_t soft, rlim_t hard) {
    const pid_t child = fork();
    if (child == 0) {
        rlimit limit{soft, hard};
        setrlimit(RLIMIT_NOFILE, &limit);
        const bool refused = fileLimitProblem().has_value();
        getrlimit(RLIMIT_NOFILE, &limit);
        _exit(refused ? 1 : limit.rlim_cur >= static_cast<rlim_t>(filesNeeded) ? 0 : 2);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(FileLimit, RaisesTheSoftLimitAndRefusesOnlyBelowTheHardOne) {
    EXPECT_EQ(childUnder(8, 4096), 0);
    EXPECT_EQ(childUnder(8, 8), 1);
    EXPECT_EQ(childUnder(6, 6), 1);
    EXPECT_EQ(childUnder(filesNeeded, filesNeeded), 0);
}

TEST(RuntimeDirectory, LendsOnlyAPrivateDirectoryOfOurs) {
    if (access(("/run/user/" + std::to_string(geteuid())).c_str(), F_OK) == 0) {
        GTEST_SKIP() << "logind's runtime directory would be lent first";
    }
    TempDir home;
    ASSERT_EQ(chmod(home.path().c_str(), 0700), 0);
    EXPECT_EQ(runtimeDirectoryToLend(environment({{"HOME", home.path()}})), home.path());
    EXPECT_EQ(
        runtimeDirectoryToLend(environment({{"HOME", home.path()}, {"XDG_RUNTIME_DIR", "/x"}})),
        "");
    // Qt would chmod a directory that others may read.
    ASSERT_EQ(chmod(home.path().c_str(), 0755), 0);
    EXPECT_EQ(runtimeDirectoryToLend(environment({{"HOME", home.path()}})), "");
}

} // namespace
} // namespace nonagra::app::test
