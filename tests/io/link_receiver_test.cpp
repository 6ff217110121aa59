#include "io/link_receiver.h"

#include <gtest/gtest.h>

TEST(LinkReceiver, ListensOnPort20002UnlessToldOtherwise) {
    // The senders in the stable are set to this port; the other link tests all choose their own.
    EXPECT_EQ(kavren::LinkReceiver().port(), 20002);
}
