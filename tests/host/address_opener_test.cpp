// Opening an address: the desktop opener is started without a shell, with the address as its
// one argument, and leaves no child process behind.
#include "host/address_opener.h"

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "host/glfw_game.h"
#include "support/fake_platform.h"

namespace {

class AddressOpener : public testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/parvolt-opener-XXXXXX";
    folder = mkdtemp(pattern);
    // A stand-in opener that records its arguments, one per line.
    const std::string opener = folder + "/xdg-open";
    std::ofstream(opener) << "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > "
                          << folder << "/opened.tmp\nmv " << folder << "/opened.tmp " << folder
                          << "/opened\n";
    chmod(opener.c_str(), 0755);
    setenv("PATH", (folder + ":/usr/bin:/bin").c_str(), 1);
  }
  void TearDown() override { std::filesystem::remove_all(folder); }

  // What the opener was given, once it has run.
  std::string WaitForOpened() {
    const std::string opened = folder + "/opened";
    for (int i = 0; i < 500 && !std::filesystem::exists(opened); ++i) {
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    std::stringstream text;
    text << std::ifstream(opened).rdbuf();
    return text.str();
  }

  static bool HasChildren() { return !(waitpid(-1, nullptr, WNOHANG) < 0 && errno == ECHILD); }

  std::string folder;
};

}  // namespace

TEST_F(AddressOpener, StartsTheOpenerWithTheNarrowedAddressAsItsOnlyArgument) {
  FakePlatform platform;
  QorVindleGame host(platform);
  const char16_t address[] = {u'h', u't', u't', u'p', u':', u'/', u'/', u'x', u'/', u'a',  u' ',
                              u'b', u';', u'$', u'(', u'e', u'c', u'h', u'o', u')', 0x141, 0};
  host.OpenAddress(String(address));
  EXPECT_FALSE(HasChildren()) << "the call leaves no child to reap";
  EXPECT_EQ(WaitForOpened(), "http://x/a b;$(echo)A\n");
}

TEST_F(AddressOpener, AMissingOpenerIsSilent) {
  setenv("PATH", "/nonexistent", 1);
  StartDesktopOpener("http://example.invalid/");
  EXPECT_FALSE(HasChildren());
}
