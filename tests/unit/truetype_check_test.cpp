// The look at a font file before the atlas trusts its offsets.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "fonts/truetype_check.h"

namespace qel {
namespace {

const char* const kDejaVuSans = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";

std::vector<uint8_t> ReadFile(const char* path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

uint32_t U32(const std::vector<uint8_t>& b, size_t at) {
  return uint32_t{b[at]} << 24 | uint32_t{b[at + 1]} << 16 | uint32_t{b[at + 2]} << 8 | b[at + 3];
}
void PutU32(std::vector<uint8_t>& b, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = static_cast<uint8_t>(v >> (24 - 8 * i));
}
// Byte position of a table's directory entry.
size_t EntryOf(const std::vector<uint8_t>& font, const std::string& tag) {
  const size_t tables = size_t{font[4]} << 8 | font[5];
  for (size_t i = 0; i < tables; ++i)
    if (std::string(font.begin() + 12 + 16 * i, font.begin() + 16 + 16 * i) == tag) return 12 + 16 * i;
  return 0;
}

class TrueTypeCheck : public ::testing::Test {
 protected:
  void SetUp() override {
    font_ = ReadFile(kDejaVuSans);
    ASSERT_GT(font_.size(), 100000u) << "fonts-dejavu-core is needed (scripts/setup.sh)";
  }
  bool Check(const std::vector<uint8_t>& bytes) { return LooksLikeTrueType(bytes.data(), bytes.size()); }
  std::vector<uint8_t> font_;
};

TEST_F(TrueTypeCheck, ARealFontPassesAndOtherFilesDoNot) {
  EXPECT_TRUE(Check(font_));
  const std::string text = "65:0:0:16:24\nnot a font at all, just some text in a file\n";
  EXPECT_FALSE(Check(std::vector<uint8_t>(text.begin(), text.end())));
  EXPECT_FALSE(LooksLikeTrueType(font_.data(), 11));
  EXPECT_FALSE(LooksLikeTrueType(nullptr, 100));
  std::vector<uint8_t> collection = font_;
  collection[0] = 't', collection[1] = 't', collection[2] = 'c', collection[3] = 'f';
  EXPECT_FALSE(Check(collection));
}

TEST_F(TrueTypeCheck, AFontCutShortFailsWhereverItIsCut) {
  const size_t glyf = EntryOf(font_, "glyf");
  ASSERT_NE(glyf, 0u);
  const size_t glyf_end = U32(font_, glyf + 8) + U32(font_, glyf + 12);
  for (size_t size : {size_t{40}, size_t{12 + 16 * 3}, font_.size() / 2, glyf_end - 1})
    EXPECT_FALSE(LooksLikeTrueType(font_.data(), size)) << size;
}

TEST_F(TrueTypeCheck, DirectoryEntriesPointingOutsideTheFileFail) {
  std::vector<uint8_t> many_tables = font_;
  many_tables[4] = 0xFF, many_tables[5] = 0xFF;  // 65535 entries would run past the file
  EXPECT_FALSE(Check(many_tables));

  for (const char* tag : {"cmap", "loca", "head", "glyf", "hhea", "hmtx", "maxp"}) {
    std::vector<uint8_t> moved = font_;
    const size_t entry = EntryOf(moved, tag);
    ASSERT_NE(entry, 0u) << tag;
    PutU32(moved, entry + 8, static_cast<uint32_t>(moved.size()) - 2);
    EXPECT_FALSE(Check(moved)) << tag;

    std::vector<uint8_t> missing = font_;
    missing[entry] = 'z';
    if (std::string(tag) == "maxp")
      EXPECT_TRUE(Check(missing)) << "maxp may be missing";
    else
      EXPECT_FALSE(Check(missing)) << tag;
  }
}

TEST_F(TrueTypeCheck, ACharacterMapWithoutAUnicodeSubtableInsideItFails) {
  const size_t cmap = U32(font_, EntryOf(font_, "cmap") + 8);
  const size_t subtables = size_t{font_[cmap + 2]} << 8 | font_[cmap + 3];
  std::vector<uint8_t> far = font_;
  for (size_t i = 0; i < subtables; ++i) PutU32(far, cmap + 4 + 8 * i + 4, 0x7FFFFFF0u);
  EXPECT_FALSE(Check(far));

  std::vector<uint8_t> symbol_only = font_;
  for (size_t i = 0; i < subtables; ++i) {
    symbol_only[cmap + 4 + 8 * i + 1] = 3;  // Microsoft
    symbol_only[cmap + 4 + 8 * i + 3] = 0;  // symbol encoding
  }
  EXPECT_FALSE(Check(symbol_only));
}

}  // namespace
}  // namespace qel
