// Text files and the saved-state file "./.vindlestate". A save writes the whole text to a
// temporary file beside the state file, flushes it to the disk and renames it over the state
// file, so the file holds either the previous state or the new one, whole, whatever stops the
// program or the machine during a save.
#include "host/saved_state.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "host/diagnostics.h"
#include "host/qor_game.h"
#include "host/text_codec.h"

namespace {

const char* const kStateFilePath = "./.vindlestate";
// Temporary names left by a process that was killed are skipped, up to this many.
constexpr int kTemporaryNameAttempts = 100;

String DecodeTextFile(const unsigned char* bytes, int length) {
  DecodedText decoded = DecodeTextBytes(bytes, static_cast<std::size_t>(length));
  if (!decoded.validUtf8) PrintLine("Invalid UTF-8!");
  return decoded.text;
}

// The state file may be replaced where it could be opened for writing in place: absent, or a
// file (not a folder) that this process may write.
bool IsReplaceable(const std::string& target) {
  struct stat status;
  if (stat(target.c_str(), &status) != 0) return errno == ENOENT;
  return !S_ISDIR(status.st_mode) && access(target.c_str(), W_OK) == 0;
}

// A new file beside `target`, named after it and this process; -1 when none can be created.
int CreateTemporaryFile(const std::string& target, std::string& name) {
  for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
    name = target + ".tmp-" + std::to_string(getpid()) + "-" + std::to_string(attempt);
    const int fd = open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

bool WriteWhole(int fd, const std::string& bytes) {
  std::size_t written = 0;
  while (written < bytes.size()) {
    const ssize_t count = write(fd, bytes.data() + written, bytes.size() - written);
    if (count < 0 && errno == EINTR) continue;
    if (count <= 0) return false;
    written += static_cast<std::size_t>(count);
  }
  return true;
}

// Makes the rename itself survive a power loss. The new state is already in place, so a
// failure here changes nothing for the caller.
void SyncFolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
  const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  fsync(fd);
  close(fd);
}

}  // namespace

int QorGame::StoreState(const String& text) {
  const String mapped = MapResourcePath(kStateFilePath);
  if (mapped.IsEmpty()) return -1;
  const std::string target = EncodeUtf8(mapped);
  if (!IsReplaceable(target)) return -1;
  std::string temporary;
  const int fd = CreateTemporaryFile(target, temporary);
  if (fd < 0) return -1;
  bool stored = WriteWhole(fd, EncodeUtf8(text)) && fsync(fd) == 0;
  stored = close(fd) == 0 && stored;
  stored = stored && std::rename(temporary.c_str(), target.c_str()) == 0;
  if (!stored) {
    unlink(temporary.c_str());
    return -2;
  }
  SyncFolderOf(target);
  return 0;
}

String QorGame::FetchState() {
  return ReadTextFile(kStateFilePath);
}

String QorGame::ReadTextFile(const String& path) {
  int length = 0;
  unsigned char* bytes = ReadResourceBytes(path, &length);
  if (!bytes) return String();
  String text = DecodeTextFile(bytes, length);
  std::free(bytes);
  return text;
}

int SaveAppState(const String& text) {
  return g_hostGame->StoreState(text);
}

String LoadAppState() {
  return g_hostGame->FetchState();
}
