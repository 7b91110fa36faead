#include "exchange/data_server.h"

#include <gtest/gtest.h>

namespace {

TEST(parse_endpoint, ReadsHostAndOptionalPort) {
  struct Case {
    const char* text;
    exchange::ServerEndpoint expected;
  };
  const Case cases[] = {
      {"data.example.org", {"data.example.org", 80}},
      {"127.0.0.1:8080", {"127.0.0.1", 8080}},
      {"mirror:1", {"mirror", 1}},
      {"mirror:65535", {"mirror", 65535}},
      {"[::1]:8081", {"::1", 8081}},
      {"[::1]", {"::1", 80}},
  };
  for (const auto& c : cases) {
    const auto endpoint = exchange::parse_endpoint(c.text);
    ASSERT_TRUE(endpoint) << c.text;
    EXPECT_EQ(*endpoint, c.expected) << c.text;
  }
}

TEST(parse_endpoint, RefusesWhatIsNoHostOrPort) {
  for (const char* text : {"", ":80", "host:", "host:0", "host:65536", "host:+80", "host:8o", "ho st",
                           "a/b", "http://host", "user@host", "[::1", "[::1]x", "[::1]:", "[]:80", "host:80:90"}) {
    const auto endpoint = exchange::parse_endpoint(text);
    ASSERT_FALSE(endpoint) << text;
    EXPECT_NE(endpoint.error().text.find(text), std::string::npos) << text;
  }
}

TEST(data_server_endpoint, TheEnvironmentOverridesTheBuiltInHost) {
  const auto built_in = exchange::parse_endpoint(exchange::built_in_server());
  ASSERT_TRUE(built_in);
  EXPECT_EQ(exchange::data_server_endpoint(nullptr).value(), *built_in);
  EXPECT_EQ(exchange::data_server_endpoint("").value(), *built_in);
  EXPECT_EQ(exchange::data_server_endpoint("127.0.0.1:9000").value(), (exchange::ServerEndpoint{"127.0.0.1", 9000}));
  const auto bad = exchange::data_server_endpoint("no such host");
  ASSERT_FALSE(bad);
  EXPECT_NE(bad.error().text.find("VANTOR39_DATA_SERVER"), std::string::npos);
}

TEST(download_url, PathIsHistoryDataAndTheFileName) {
  EXPECT_EQ(exchange::download_path("TW539.txt"), "/HISTORYDATA/TW539.txt");
  EXPECT_EQ(exchange::download_url({"data.example.org", 80}, "TW539.txt"), "http://data.example.org/HISTORYDATA/TW539.txt");
  EXPECT_EQ(exchange::download_url({"::1", 8080}, "US539.txt"), "http://[::1]:8080/HISTORYDATA/US539.txt");
}

}  // namespace
