// SPDX-License-Identifier: GPL-3.0-or-later
#include "Clock.h"
#include "ModelFakes.h"

#include <gtest/gtest.h>

using namespace openwright;
using namespace openwright::test;
using namespace std::chrono_literals;

namespace {

// The guard's timers belong to the model: once it is gone, or a wait is cancelled, nothing runs.
TEST(SystemClock, DelayedCallsStopWithTheirOwnerOrWhenCancelled)
{
    SystemClock clock;
    int fired = 0;
    auto owner = std::make_unique<QObject>();
    clock.after(20ms, owner.get(), [&] { ++fired; });
    const auto cancel = clock.after(20ms, owner.get(), [&] { fired += 10; });
    QObject survivor;
    bool due = false;
    clock.after(60ms, &survivor, [&] { due = true; });
    cancel();
    owner.reset();
    spinUntil([&] { return due; });
    EXPECT_EQ(fired, 0);
}

} // namespace
