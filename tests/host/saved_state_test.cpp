// The saved-state file: its exact bytes, loading it back, and the failures of a save, which
// leave the previous file as it was and no temporary file behind.
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <string>
#include <vector>

#include "host/file_test_support.h"
#include "host/saved_state.h"

namespace {

std::vector<std::string> FolderEntries(const std::filesystem::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    names.push_back(entry.path().filename().string());
  }
  return names;
}

class SavedState : public ::testing::Test {
 protected:
  void SetUp() override { g_hostGame = &host; }
  void TearDown() override { g_hostGame = nullptr; }

  TempWorkingFolder folder;
  IdlePlatform platform;
  QorGlfwGame host{platform};
};

TEST_F(SavedState, WritesEachCodeUnitAsUtf8AndLoadsItBack) {
  struct Case {
    const char* name;
    std::u16string text;
    std::string bytes;
  };
  const Case cases[] = {
      {"empty", u"", ""},
      {"digits and bars", u"12|0|", "12|0|"},
      {"U+00E9", u"\u00E9", "\xC3\xA9"},
      {"above U+FFFF", u"\U0001F600", "\xED\xA0\xBD\xED\xB8\x80"},
      {"every width", std::u16string(u"\u007F\u0080\u07FF\u0800\uFFFF") + char16_t(0),
       std::string("\x7F\xC2\x80\xDF\xBF\xE0\xA0\x80\xEF\xBF\xBF\x00", 12)},
  };
  for (const Case& c : cases) {
    const String text(c.text);
    EXPECT_EQ(SaveAppState(text), 0) << c.name;
    EXPECT_EQ(ReadFileBytes(".vindlestate"), c.bytes) << c.name;
    EXPECT_EQ(LoadAppState(), text) << c.name;
    EXPECT_EQ(FolderEntries("."), std::vector<std::string>{".vindlestate"}) << c.name;
  }
}

TEST_F(SavedState, ALongerStateIsReplacedWholeByAShorterOne) {
  const String longState = String::Repeat("1234567890|", 5000);
  ASSERT_EQ(host.StoreState(longState), 0);
  EXPECT_EQ(host.FetchState(), longState);
  ASSERT_EQ(host.StoreState("7|"), 0);
  EXPECT_EQ(ReadFileBytes(".vindlestate"), "7|");
}

TEST_F(SavedState, NoFileLoadsAsTheEmptyString) {
  testing::internal::CaptureStdout();
  EXPECT_TRUE(host.FetchState().IsEmpty());
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
}

TEST_F(SavedState, CannotCreateTheFile) {
  // A folder in place of the file.
  std::filesystem::create_directory(".vindlestate");
  EXPECT_EQ(host.StoreState("1|"), -1);
  EXPECT_TRUE(std::filesystem::is_directory(".vindlestate"));
  std::filesystem::remove(".vindlestate");

  // A working folder that no longer exists takes no new file, whoever the user is.
  const std::filesystem::path gone = folder.path / "gone";
  std::filesystem::create_directory(gone);
  std::filesystem::current_path(gone);
  std::filesystem::remove(gone);
  EXPECT_EQ(host.StoreState("1|"), -1);
  std::filesystem::current_path(folder.path);

  QorGame baseHost;
  EXPECT_EQ(baseHost.StoreState("1|"), -1);
  EXPECT_TRUE(FolderEntries(".").empty());
}

TEST_F(SavedState, AFailedWriteKeepsThePreviousFile) {
  ASSERT_EQ(host.StoreState("5|6|"), 0);
  // Files may not grow past 1000 bytes: the write of a longer state fails part of the way.
  std::signal(SIGXFSZ, SIG_IGN);
  rlimit previous{};
  getrlimit(RLIMIT_FSIZE, &previous);
  rlimit limited = previous;
  limited.rlim_cur = 1000;
  setrlimit(RLIMIT_FSIZE, &limited);
  const int status = host.StoreState(String::Repeat("9", 3000));
  setrlimit(RLIMIT_FSIZE, &previous);
  std::signal(SIGXFSZ, SIG_DFL);

  EXPECT_EQ(status, -2);
  EXPECT_EQ(ReadFileBytes(".vindlestate"), "5|6|");
  EXPECT_EQ(FolderEntries("."), std::vector<std::string>{".vindlestate"});
}

}  // namespace
