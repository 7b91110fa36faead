#include "exchange/server_address.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/own_files.h"
#include "core/text_file.h"
#include "support/fresh_dir.h"

namespace {

namespace fs = std::filesystem;
using test_support::fresh_dir;

void write_file(const fs::path& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

TEST(compose_address, TrimsPartsAndRefusesAnEmptyOne) {
  struct Case {
    std::array<std::string, 4> parts;
    const char* expected;  // nullptr: refused
  };
  const Case cases[] = {
      {{" 10 ", "0", "0", "1"}, "10.0.0.1"},
      {{"\t192", "168 ", " 1", "20"}, "192.168.1.20"},
      {{"a", "b", "c", "d"}, "a.b.c.d"},  // parts need not be numbers
      {{"10", "", "0", "1"}, nullptr},
      {{"10", "0", "0", "   "}, nullptr},
  };
  for (const auto& c : cases) {
    const auto address = exchange::compose_address(c.parts);
    if (c.expected) {
      EXPECT_EQ(address.value(), c.expected);
    } else {
      ASSERT_FALSE(address);
      EXPECT_EQ(address.error(), core::Error::error("資料有空白錯誤"));
    }
  }
}

TEST(read_server_address, MissingOrEmptyFileIsAnEmptyAddress) {
  const auto dir = fresh_dir("vantor_address_empty");
  EXPECT_EQ(exchange::read_server_address(dir.string()).value(), "");
  write_file(dir / "FtpServerIp.txt", "");
  EXPECT_EQ(exchange::read_server_address(dir.string()).value(), "");
  write_file(dir / "FtpServerIp.txt", "10.0.0.1\r\n10.0.0.2\r\n");
  EXPECT_EQ(exchange::read_server_address(dir.string()).value(), "10.0.0.1");
  fs::remove_all(dir);
}

TEST(read_server_address, ReadsADifferentlyCasedFileOnlyWhenTheExactNameIsMissing) {
  const auto dir = fresh_dir("vantor_address_case");
  write_file(dir / "Ftpserverip.txt", "1.2.3.4\r\n");
  EXPECT_EQ(exchange::read_server_address(dir.string()).value(), "1.2.3.4");
  ASSERT_TRUE(exchange::write_server_address(dir.string(), "10.0.0.1"));
  EXPECT_EQ(exchange::read_server_address(dir.string()).value(), "10.0.0.1");
  EXPECT_EQ(core::read_bytes((dir / "FtpServerIp.txt").string()).value(), "10.0.0.1\r\n");
  // Both names it reads are the program's own: no save may replace them.
  for (const char* name : {exchange::kServerAddressFile, "Ftpserverip.txt"})
    EXPECT_EQ(core::own_file_kind((dir / name).string(), {"", dir.string()}), core::OwnFileKind::ServerAddress);
  fs::remove_all(dir);
}

TEST(read_server_address, AnUnreadableFileIsAnError) {
  const auto dir = fresh_dir("vantor_address_unreadable");
  fs::create_directories(dir / "FtpServerIp.txt");
  EXPECT_FALSE(exchange::read_server_address(dir.string()));
  EXPECT_FALSE(exchange::write_server_address(dir.string(), "10.0.0.1"));
  fs::remove_all(dir);
}

TEST(download_enabled_for, OnlyTheSwitchOffAddressDisables) {
  EXPECT_FALSE(exchange::download_enabled_for("1.1.1.1"));
  EXPECT_FALSE(exchange::download_enabled_for(" 1.1.1.1 "));
  EXPECT_TRUE(exchange::download_enabled_for("1.1.1.10"));
  EXPECT_TRUE(exchange::download_enabled_for("10.0.0.1"));
  EXPECT_TRUE(exchange::download_enabled_for(""));
}

}  // namespace
