// File commands: the media folder and "raw:" paths, line reading and the end of a file.
#include <string>
#include <vector>

#include "host_fixture.h"

namespace qel {
namespace {

class Files : public HostTest {
 protected:
  CommandByName<int32_t(const char*)> exists_{"GETFILEEXISTS_L_S"};
  CommandByName<int32_t(const char*)> open_{"OPENTOREAD_L_S"};
  CommandByName<char*(int32_t)> read_line_{"READLINE_S_L"};
  CommandByName<int32_t(int32_t)> eof_{"FILEEOF_L_L"};

  // Every line until the end, as the plug-in's loaders read them.
  std::vector<std::string> ReadAll(int32_t file) {
    std::vector<std::string> lines;
    for (int guard = 0; !eof_(file) && guard < 100; ++guard) lines.emplace_back(read_line_(file));
    return lines;
  }
};

TEST_F(Files, NamesAreInTheMediaFolderAndRawPathsAreTakenAsTheyAre) {
  WriteFile(MediaFolder() + "/fonts/a subimages.txt", "x");
  WriteFile(Root() + "/outside.txt", "y");
  EXPECT_EQ(exists_("fonts/a subimages.txt"), 1);
  EXPECT_EQ(exists_("/fonts/a subimages.txt"), 1);  // a leading "/" is the media folder's root
  EXPECT_EQ(exists_("outside.txt"), 0);
  EXPECT_EQ(exists_(("raw:" + Root() + "/outside.txt").c_str()), 1);
  EXPECT_EQ(exists_(("raw:" + MediaFolder() + "/fonts/a subimages.txt").c_str()), 1);
  EXPECT_EQ(exists_("fonts"), 0);  // a folder is no file
  EXPECT_EQ(exists_(""), 0);
  EXPECT_EQ(exists_(nullptr), 0);
}

TEST_F(Files, ReadPathJoinedWithMediaReachesTheMediaFolder) {
  WriteFile(MediaFolder() + "/style.xml", "<style/>");
  auto* read_path = Command<char*()>("GETREADPATH_S_0");
  auto* join = Command<char*(const char*, const char*)>("JOINPATHS_S_S_S");
  const std::string root = read_path();
  EXPECT_EQ(root, Root() + "/");
  // The way a script reaches a media file by an operating-system path.
  const std::string full = join((root + "media/").c_str(), "style.xml");
  EXPECT_EQ(full, MediaFolder() + "/style.xml");
  EXPECT_EQ(exists_(("raw:" + full).c_str()), 1);
  EXPECT_STREQ(join("a", "b"), "a/b");
  EXPECT_STREQ(join("a/", "/b"), "a/b");
  EXPECT_STREQ(join("", "b"), "b");
  EXPECT_STREQ(join(nullptr, nullptr), "");
}

TEST_F(Files, LinesComeWithoutTheirEndsAndEofFollowsTheLastOne) {
  WriteFile(MediaFolder() + "/glyphs.txt", "65:0:0:16:24\r\n\r\n66:16:0:16:24\nlast");
  const int32_t file = open_("glyphs.txt");
  ASSERT_NE(file, 0);
  EXPECT_EQ(eof_(file), 0);
  EXPECT_EQ(ReadAll(file), (std::vector<std::string>{"65:0:0:16:24", "", "66:16:0:16:24", "last"}));
  EXPECT_EQ(eof_(file), 1);
  EXPECT_STREQ(read_line_(file), "");  // reading on at the end gives empty lines

  // A final line end makes no extra empty line; an empty file is at its end at once.
  WriteFile(MediaFolder() + "/two.txt", "a\nb\n");
  EXPECT_EQ(ReadAll(open_("two.txt")), (std::vector<std::string>{"a", "b"}));
  WriteFile(MediaFolder() + "/empty.txt", "");
  const int32_t empty = open_("empty.txt");
  EXPECT_NE(empty, 0);
  EXPECT_EQ(eof_(empty), 1);
}

TEST_F(Files, FilesThatCannotBeOpenedReadAsEnded) {
  EXPECT_EQ(open_("missing.txt"), 0);
  EXPECT_EQ(open_(nullptr), 0);
  // A loop "until FILEEOF" over a failed open ends at once instead of spinning.
  EXPECT_EQ(eof_(0), 1);
  EXPECT_STREQ(read_line_(0), "");
  WriteFile(MediaFolder() + "/one.txt", "1\n");
  const int32_t file = open_("one.txt");
  Command<void(int32_t)>("CLOSEFILE_0_L")(file);
  EXPECT_EQ(eof_(file), 1);
  EXPECT_STREQ(read_line_(file), "");
}

}  // namespace
}  // namespace qel
