#include <gtest/gtest.h>

#include "platform/netpack/SynapseError.h"

TEST(SynapseErrorTest, MessageCarriesNumberAndText)
{
    const netpack::ESynapseError reset(netpack::kWsaConnReset, netpack::SocketErrorText(netpack::kWsaConnReset));
    EXPECT_EQ(reset.Message, "Synapse TCP/IP Socket error 10054: Connection reset by peer");
    EXPECT_EQ(reset.ErrorCode, 10054);
    EXPECT_EQ(netpack::SocketErrorText(10060), "Connection timed out");
    EXPECT_EQ(netpack::SocketErrorText(10061), "Connection refused");
    EXPECT_EQ(netpack::SocketErrorText(11001), "Host not found");
    const rtl::Exception& base = reset;
    EXPECT_NE(std::string(base.what()).find("10054"), std::string::npos);
}
