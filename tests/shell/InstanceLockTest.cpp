#include <gtest/gtest.h>

#include <QProcess>
#include <QTemporaryDir>

#include "platform/InstanceLock.h"

namespace {

// Each test locks in a runtime folder of its own.
class InstanceLockTest : public ::testing::Test {
 protected:
  void SetUp() override {
    saved_ = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", dir_.path().toLocal8Bit());
  }
  void TearDown() override { qputenv("XDG_RUNTIME_DIR", saved_); }

  QTemporaryDir dir_;
  QByteArray saved_;
};

TEST_F(InstanceLockTest, SecondHolderIsRefusedUntilTheFirstLetsGo) {
  InstanceLock first;
  InstanceLock second;
  ASSERT_TRUE(first.acquire());
  EXPECT_FALSE(second.acquire());
  EXPECT_FALSE(second.held());
  first.release();
  EXPECT_TRUE(second.acquire());
}

TEST_F(InstanceLockTest, LivesInTheRuntimeFolderUnderTheProgramName) {
  InstanceLock lock;
  EXPECT_EQ(lock.location(), dir_.path() + "/ORVI_DUNA_SERW.lock");
  InstanceLock other(QStringLiteral("INNY PROGRAM"));
  ASSERT_TRUE(lock.acquire());
  EXPECT_TRUE(other.acquire()) << "a lock of another name is independent";
}

TEST_F(InstanceLockTest, AHolderThatDiedWithoutReleasingLeavesNoStaleLock) {
  InstanceLock lock;
  // A shell takes the same lock and kills itself: a crash, no clean-up.
  QProcess crash;
  crash.start(QStringLiteral("sh"),
              {QStringLiteral("-c"),
               QStringLiteral("exec 9>\"%1\" && flock -n 9 && echo held && kill -9 $$")
                   .arg(lock.location())});
  ASSERT_TRUE(crash.waitForFinished(10000));
  ASSERT_EQ(crash.readAllStandardOutput().trimmed(), "held");
  EXPECT_EQ(crash.exitStatus(), QProcess::CrashExit);
  EXPECT_TRUE(lock.acquire());
}

TEST_F(InstanceLockTest, AnotherProcessHoldingItRefusesUs) {
  InstanceLock lock;
  ASSERT_TRUE(lock.acquire());
  QProcess other;
  other.start(
      QStringLiteral("sh"),
      {QStringLiteral("-c"), QStringLiteral("exec 9>\"%1\"; flock -n 9 && echo got || echo refused")
                                 .arg(lock.location())});
  ASSERT_TRUE(other.waitForFinished(10000));
  EXPECT_EQ(other.readAllStandardOutput().trimmed(), "refused");
}

}  // namespace
