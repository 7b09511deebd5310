// Resource addresses, file opening and whole-file reads on real files in a temporary folder.
#include <cstdlib>
#include <string>

#include "host/file_test_support.h"

namespace {

class ResourceFiles : public ::testing::Test {
 protected:
  TempWorkingFolder folder;
  IdlePlatform platform;
  QorGlfwGame host{platform};
};

TEST(ResourceAddress, MapsTheSchemeOntoFoldersUnderTheWorkingDirectory) {
  IdlePlatform platform;
  QorGlfwGame host(platform);
  struct Case {
    const char* address;
    const char* path;
  };
  const Case cases[] = {
      {"vindle://data/ship.png", "./data/ship.png"},
      {"vindle://data/", "./data/"},
      {"vindle://internal/a/b.txt", "./internal/a/b.txt"},
      {"vindle://external/c", "./external/c"},
      {"vindle://Data/ship.png", ""},
      {"vindle://other/x", ""},
      {"vindle:data/x", ""},
      {"vindle:", ""},
      {"VINDLE://data/x", "VINDLE://data/x"},
      {"data/x", "data/x"},
      {"C:/x", "C:/x"},
      {"/tmp/x", "/tmp/x"},
      {"", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(host.MapResourcePath(c.address).Narrow(), c.path) << c.address;
  }
  QorGame baseHost;
  EXPECT_TRUE(baseHost.MapResourcePath("data/x").IsEmpty());
}

TEST_F(ResourceFiles, ReadsWholeFilesOfEverySizeAroundTheBlockSize) {
  for (const int size : {0, 1, 4095, 4096, 4097, 8192, 10000}) {
    std::string bytes(static_cast<size_t>(size), '\0');
    for (int i = 0; i < size; ++i) bytes[static_cast<size_t>(i)] = static_cast<char>(i * 7 + 3);
    WriteFileBytes("data/blob.bin", bytes);
    int length = -1;
    unsigned char* read = host.ReadResourceBytes("vindle://data/blob.bin", &length);
    ASSERT_NE(read, nullptr) << size;
    EXPECT_EQ(length, size);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(read), static_cast<size_t>(length)), bytes);
    std::free(read);
  }
}

TEST_F(ResourceFiles, OpensNamesWithNonAsciiCodeUnitsAsUtf8) {
  WriteFileBytes("data/caf\xC3\xA9-\xE2\x82\xAC.txt", "menu");
  const char16_t name[] = u"vindle://data/caf\u00E9-\u20AC.txt";
  int length = 0;
  unsigned char* read = host.ReadResourceBytes(String(name), &length);
  ASSERT_NE(read, nullptr);
  EXPECT_EQ(std::string(reinterpret_cast<char*>(read), static_cast<size_t>(length)), "menu");
  std::free(read);
}

TEST_F(ResourceFiles, GivesNullForWhatCannotBeRead) {
  WriteFileBytes("data/present.txt", "x");
  std::filesystem::create_directories("data/folder");
  for (const char* address : {"vindle://data/missing.txt", "vindle://other/present.txt",
                              "vindle://Data/present.txt", "vindle://data/folder"}) {
    int length = -1;
    EXPECT_EQ(host.ReadResourceBytes(address, &length), nullptr) << address;
    EXPECT_EQ(host.OpenResourceFile(address, "rb"), nullptr) << address;
    EXPECT_TRUE(host.ReadTextFile(address).IsEmpty()) << address;
  }
  QorGame baseHost;
  EXPECT_EQ(baseHost.OpenResourceFile("data/present.txt", "rb"), nullptr);
}

TEST_F(ResourceFiles, OpensForWritingWithTheMappedPath) {
  std::filesystem::create_directories("external");
  std::FILE* file = host.OpenResourceFile("vindle://external/out.bin", "wb");
  ASSERT_NE(file, nullptr);
  std::fputs("written", file);
  std::fclose(file);
  EXPECT_EQ(ReadFileBytes("external/out.bin"), "written");
}

TEST_F(ResourceFiles, LoadsImagePixelsWithTheFilesOwnChannelCount) {
  // A binary greyscale and a colour image, two pixels wide and one high.
  WriteFileBytes("data/grey.pgm", std::string("P5 2 1 255\n\x10\xF0", 13));
  WriteFileBytes("data/colour.ppm", std::string("P6 2 1 255\n\x01\x02\x03\xFA\xFB\xFC", 17));
  struct Case {
    const char* address;
    int depth;
    std::string pixels;
  };
  const Case cases[] = {
      {"vindle://data/grey.pgm", 1, std::string("\x10\xF0", 2)},
      {"vindle://data/colour.ppm", 3, std::string("\x01\x02\x03\xFA\xFB\xFC", 6)},
  };
  for (const Case& c : cases) {
    int width = 0, height = 0, depth = 0;
    unsigned char* pixels = host.LoadImagePixels(c.address, &width, &height, &depth);
    ASSERT_NE(pixels, nullptr) << c.address;
    EXPECT_EQ(width, 2);
    EXPECT_EQ(height, 1);
    EXPECT_EQ(depth, c.depth);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(pixels), c.pixels.size()), c.pixels);
    std::free(pixels);
  }
  WriteFileBytes("data/broken.png", "not an image");
  int width = 0, height = 0, depth = 0;
  EXPECT_EQ(host.LoadImagePixels("vindle://data/broken.png", &width, &height, &depth), nullptr);
  EXPECT_EQ(host.LoadImagePixels("vindle://data/none.png", &width, &height, &depth), nullptr);
}

}  // namespace
