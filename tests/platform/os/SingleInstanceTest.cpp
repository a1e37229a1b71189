#include "platform/os/SingleInstance.h"

#include <csignal>

#include <gtest/gtest.h>

#include "ChildProcess.h"
#include "platform/os/Process.h"
#include "ScratchFolder.h"

namespace {

// Whether a second process could take the lock right now.
bool OtherProcessGets(const std::string& name) {
  return RunInChild([&] {
    TInstanceLock lock;
    return lock.Acquire(name) ? 0 : 1;
  }) == 0;
}

}  // namespace

class SingleInstance : public ::testing::Test {
 protected:
  ScratchFolder runtime;
  ScopedEnv runtimeEnv{"XDG_RUNTIME_DIR", runtime.Path().c_str()};
};

TEST_F(SingleInstance, SecondProcessOfTheSameNameIsRefusedUntilTheFirstLetsGo) {
  TInstanceLock lock;
  ASSERT_TRUE(lock.Acquire("Tavrin"));
  EXPECT_EQ(InstanceLockPath("Tavrin"), runtime / "Tavrin.lock");
  EXPECT_FALSE(OtherProcessGets("Tavrin"));
  EXPECT_TRUE(OtherProcessGets("Olwick"));  // other file names run side by side
  lock.Release();
  EXPECT_TRUE(OtherProcessGets("Tavrin"));
}

TEST_F(SingleInstance, ACrashedHolderNeverBlocksTheNextCopy) {
  int ready[2];
  ASSERT_EQ(pipe(ready), 0);
  pid_t holder = fork();
  if (holder == 0) {
    TInstanceLock lock;
    char ok = lock.Acquire("Crashy") ? 1 : 0;
    (void)!write(ready[1], &ok, 1);
    pause();
    _exit(0);
  }
  char ok = 0;
  ASSERT_EQ(read(ready[0], &ok, 1), 1);
  ASSERT_EQ(ok, 1);
  EXPECT_FALSE(OtherProcessGets("Crashy"));
  kill(holder, SIGKILL);
  waitpid(holder, nullptr, 0);
  EXPECT_TRUE(OtherProcessGets("Crashy"));
  close(ready[0]);
  close(ready[1]);
}

TEST_F(SingleInstance, AProgramWeStartDoesNotInheritTheLock) {
  TInstanceLock lock;
  ASSERT_TRUE(lock.Acquire("Starter"));
  ASSERT_TRUE(StartDetachedProcess({"sleep", "3"}));
  lock.Release();
  EXPECT_TRUE(OtherProcessGets("Starter"));
}

TEST_F(SingleInstance, WithoutARuntimeFolderTheLockGoesToTheTemporaryFolderPerUser) {
  ScopedEnv noRuntime("XDG_RUNTIME_DIR", nullptr);
  ScopedEnv tmp("TMPDIR", runtime.Path().c_str());
  EXPECT_EQ(InstanceLockPath("Tavrin"), runtime / ("Tavrin-" + std::to_string(getuid()) + ".lock"));
  EXPECT_EQ(ProgramBaseName(), "test_os");
}
