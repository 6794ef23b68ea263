#include <gtest/gtest.h>

#include <functional>

#include "image/ConnectionTracker.h"

namespace {

using S = ConnectionState;

ConnectionTracker In(S state) {
  ConnectionTracker t;
  if (HasBase(state)) t.EnterBase();
  if (HasRegister(state)) t.PortOpened();
  return t;
}

}  // namespace

TEST(ConnectionTracker, StartsWithNothingAndShowsItsStatus) {
  ConnectionTracker t;
  EXPECT_EQ(t.State(), S::None);
  EXPECT_EQ(static_cast<int>(S::OnlineWithFile), 3);
  EXPECT_EQ(StatusText(S::None), "BRAK");
  EXPECT_EQ(StatusText(S::Offline), "OFFLINE");
  EXPECT_EQ(StatusText(S::Online), "ONLINE");
  EXPECT_EQ(StatusText(S::OnlineWithFile), "ONLINE");
  EXPECT_TRUE(ShowsLinkIcon(S::OnlineWithFile));
  EXPECT_FALSE(ShowsLinkIcon(S::Online));
}

// Every trigger from every state. Where a trigger names an outcome that would
// claim a base that is not open (a port search or "Brak" with no base, a
// register answering with no base), the state follows the two facts instead.
TEST(ConnectionTracker, TransitionsTable) {
  using Trigger = std::function<void(ConnectionTracker&)>;
  const struct {
    const char* name;
    Trigger trigger;
    S from[4];  // result from None, Offline, Online, OnlineWithFile
  } rows[] = {
      {"start-up base",
       &ConnectionTracker::StartupBaseCreated,
       {S::Offline, S::Offline, S::OnlineWithFile, S::OnlineWithFile}},
      {"new base",
       &ConnectionTracker::NewBaseCreated,
       {S::Offline, S::Offline, S::OnlineWithFile, S::OnlineWithFile}},
      {"base file opened",
       &ConnectionTracker::BaseFileOpened,
       {S::Offline, S::Offline, S::OnlineWithFile, S::OnlineWithFile}},
      {"new base failed",
       &ConnectionTracker::NewBaseFailed,
       {S::None, S::None, S::Online, S::Online}},
      {"save found image closed",
       &ConnectionTracker::SaveFoundImageClosed,
       {S::None, S::None, S::Online, S::Online}},
      {"Zastosuj opened port",
       &ConnectionTracker::SettingsPortOpened,
       {S::Online, S::OnlineWithFile, S::Online, S::OnlineWithFile}},
      {"Brak chosen",
       &ConnectionTracker::SettingsNoPortChosen,
       {S::None, S::Offline, S::None, S::Offline}},
      {"last settings opened",
       &ConnectionTracker::LastSettingsPortOpened,
       {S::Online, S::OnlineWithFile, S::Online, S::OnlineWithFile}},
      {"last settings failed",
       &ConnectionTracker::LastSettingsPortFailed,
       {S::None, S::Offline, S::None, S::Offline}},
      {"search started",
       &ConnectionTracker::AutoSearchStarted,
       {S::None, S::Offline, S::None, S::Offline}},
      {"nothing found",
       &ConnectionTracker::AutoSearchNothingFound,
       {S::None, S::Offline, S::None, S::Offline}},
      {"register answered",
       &ConnectionTracker::AutoSearchRegisterAnswered,
       {S::Online, S::OnlineWithFile, S::Online, S::OnlineWithFile}},
  };
  const S starts[] = {S::None, S::Offline, S::Online, S::OnlineWithFile};
  for (const auto& row : rows) {
    for (int i = 0; i < 4; ++i) {
      ConnectionTracker t = In(starts[i]);
      row.trigger(t);
      EXPECT_EQ(t.State(), row.from[i]) << row.name << " from " << i;
    }
  }
}
