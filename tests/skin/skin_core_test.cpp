// The skin's portable rules, and the committed artwork checked against them.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "skin/buttonlook.h"
#include "skin/dragzone.h"
#include "skin/maskruns.h"
#include "skin/nineslice.h"
#include "skin/skincolors.h"
#include "tools/skinart.h"

TEST(NineSlices, CopiesCornersUnscaledAndStretchesTheStrips) {
  auto slices = NineSlices(400, 300, 320, 54, 6, 40, 10);
  const SliceRect expected[9][2] = {
      {{0, 0, 6, 40}, {0, 0, 6, 40}},    {{6, 0, 388, 40}, {6, 0, 308, 40}},    {{394, 0, 6, 40}, {314, 0, 6, 40}},
      {{0, 40, 6, 250}, {0, 40, 6, 4}},  {{6, 40, 388, 250}, {6, 40, 308, 4}},  {{394, 40, 6, 250}, {314, 40, 6, 4}},
      {{0, 290, 6, 10}, {0, 44, 6, 10}}, {{6, 290, 388, 10}, {6, 44, 308, 10}}, {{394, 290, 6, 10}, {314, 44, 6, 10}},
  };
  for (int i = 0; i < 9; ++i) {
    EXPECT_TRUE(slices[static_cast<size_t>(i)].dst == expected[i][0]) << i;
    EXPECT_TRUE(slices[static_cast<size_t>(i)].src == expected[i][1]) << i;
  }
  // At the bitmap's own size every slice copies onto itself.
  for (const Slice& s : NineSlices(320, 54, 320, 54, 6, 40, 10))
    EXPECT_TRUE(s.dst == s.src);
}

TEST(MaskRuns, OneRunPerStretchOfNonWhitePixels) {
  const uint32_t W = 0xFFFFFF, K = 0x000000, O = 0xFF8000;
  struct Case {
    const char* pszName;
    int w, h;
    std::vector<uint32_t> pixels;
    std::vector<MaskRun> runs;
  };
  const Case cases[] = {
      {"empty mask", 0, 0, {}, {}},
      {"all white", 3, 2, {W, W, W, W, W, W}, {}},
      {"no white", 3, 2, {K, O, K, K, K, K}, {{0, 3, 0}, {0, 3, 1}}},
      {"runs to the right edge", 4, 1, {W, W, K, K}, {{2, 4, 0}}},
      {"several runs, white row", 5, 2, {K, W, O, K, W, W, W, W, W, W}, {{0, 1, 0}, {2, 4, 0}}},
      {"alpha byte ignored", 2, 1, {0xFFFFFFFF, 0x00000000}, {{1, 2, 0}}},
  };
  for (const Case& c : cases)
    EXPECT_TRUE(MaskRunsFromPixels(c.pixels.data(), c.w, c.h) == c.runs) << c.pszName;
}

TEST(ButtonLook, FollowsTheStateTable) {
  struct Case {
    bool bEnabled, bFocused, bPressed;
    ButtonLook look;
  };
  const uint32_t kPressed = SkinRgb(60, 130, 190);
  const Case cases[] = {
      {true, false, false, {kSkinControlBorder, 1, kSkinButtonFill, 0}},
      {true, true, false, {kSkinControlBorder, 3, kSkinButtonFill, 0}},
      {true, false, true, {kSkinControlBorder, 1, kPressed, 0}},
      {true, true, true, {kSkinControlBorder, 3, kPressed, 0}},
      {false, false, false, {SkinRgb(20, 120, 166), 1, SkinRgb(170, 200, 255), SkinRgb(100, 100, 100)}},
  };
  for (const Case& c : cases)
    EXPECT_TRUE(SkinButtonLook(c.bEnabled, c.bFocused, c.bPressed) == c.look) << c.bEnabled << c.bFocused << c.bPressed;
}

TEST(DragZone, EndsAtRowForty) {
  EXPECT_TRUE(IsInDragZone(0));
  EXPECT_TRUE(IsInDragZone(40));
  EXPECT_FALSE(IsInDragZone(41));
}

namespace {

std::vector<char> ReadFile(const std::string& strPath) {
  std::ifstream in(strPath, std::ios::binary);
  return std::vector<char>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

const char* const kArtFiles[] = {"frame_active.bmp",   "frame_inactive.bmp",
                                 "frame_mask.bmp",     "close_active.bmp",
                                 "close_inactive.bmp", "phone_active.bmp",
                                 "phone_inactive.bmp", "hscroll_left.bmp",
                                 "hscroll_right.bmp",  "hscroll_track.bmp",
                                 "hscroll_thumb.bmp",  "vscroll_bottomcap.bmp",
                                 "vscroll_down.bmp",   "vscroll_track.bmp",
                                 "vscroll_thumb.bmp",  "vscroll_topcap.bmp",
                                 "vscroll_up.bmp",     "logo.bmp",
                                 "banner.bmp",         "contact.ico",
                                 "folder.ico",         "root.ico"};

// A decoded BMP: size, depth and pixels top-down as 0x00RRGGBB.
struct Bmp {
  int w = 0, h = 0, nBits = 0;
  std::vector<uint32_t> px;
  uint32_t At(int x, int y) const {
    return px[static_cast<size_t>(y) * static_cast<size_t>(w) + static_cast<size_t>(x)];
  }
};

Bmp ReadBmp(const std::string& strPath) {
  std::vector<char> data = ReadFile(strPath);
  auto u8 = [&](size_t i) { return static_cast<uint32_t>(static_cast<unsigned char>(data.at(i))); };
  auto u32 = [&](size_t i) { return u8(i) | u8(i + 1) << 8 | u8(i + 2) << 16 | u8(i + 3) << 24; };
  Bmp bmp;
  bmp.w = static_cast<int>(u32(18));
  bmp.h = static_cast<int>(u32(22));
  bmp.nBits = static_cast<int>(u8(28));
  size_t nOffset = u32(10),
         nStride = (static_cast<size_t>(bmp.w) * static_cast<size_t>(bmp.nBits / 8) + 3) & ~size_t(3);
  for (int y = 0; y < bmp.h; ++y)
    for (int x = 0; x < bmp.w; ++x) {
      size_t i = nOffset + static_cast<size_t>(bmp.h - 1 - y) * nStride +
                 static_cast<size_t>(x) * static_cast<size_t>(bmp.nBits / 8);
      bmp.px.push_back(u8(i + 2) << 16 | u8(i + 1) << 8 | u8(i));
    }
  return bmp;
}

uint32_t Rgbx(uint32_t cr) {
  return (cr & 0xFF) << 16 | (cr & 0xFF00) | (cr >> 16 & 0xFF);
}

}  // namespace

TEST(SkinArt, TheCommittedFilesAreWhatTheGeneratorWrites) {
  char szDir[] = "/tmp/skinartXXXXXX";
  ASSERT_NE(mkdtemp(szDir), nullptr);
  ASSERT_TRUE(WriteSkinArt(szDir));
  for (const char* pszFile : kArtFiles) {
    std::vector<char> generated = ReadFile(std::string(szDir) + "/" + pszFile);
    std::vector<char> committed = ReadFile(std::string(TORVIK_SOURCE_DIR) + "/res/" + pszFile);
    EXPECT_FALSE(generated.empty()) << pszFile;
    EXPECT_TRUE(generated == committed) << pszFile << ": run tools/make-art.sh";
    std::remove((std::string(szDir) + "/" + pszFile).c_str());
  }
  std::remove(szDir);
}

TEST(SkinArt, BitmapsHaveTheirSizesAndDepths) {
  struct Case {
    const char* pszFile;
    int w, h, nBits;
  };
  const Case cases[] = {
      {"frame_active.bmp", 320, 54, 32},  {"frame_inactive.bmp", 320, 54, 32}, {"frame_mask.bmp", 320, 54, 32},
      {"close_active.bmp", 20, 20, 24},   {"close_inactive.bmp", 20, 20, 24},  {"phone_active.bmp", 12, 20, 24},
      {"phone_inactive.bmp", 12, 20, 24}, {"hscroll_left.bmp", 26, 12, 24},    {"hscroll_right.bmp", 26, 12, 24},
      {"hscroll_track.bmp", 1, 12, 24},   {"hscroll_thumb.bmp", 26, 12, 24},   {"vscroll_bottomcap.bmp", 11, 11, 24},
      {"vscroll_down.bmp", 12, 26, 24},   {"vscroll_track.bmp", 12, 1, 24},    {"vscroll_thumb.bmp", 12, 26, 24},
      {"vscroll_topcap.bmp", 12, 11, 24}, {"vscroll_up.bmp", 12, 26, 24},      {"logo.bmp", 73, 25, 24},
      {"banner.bmp", 242, 16, 24},
  };
  for (const Case& c : cases) {
    Bmp bmp = ReadBmp(std::string(TORVIK_SOURCE_DIR) + "/res/" + c.pszFile);
    EXPECT_EQ(bmp.w, c.w) << c.pszFile;
    EXPECT_EQ(bmp.h, c.h) << c.pszFile;
    EXPECT_EQ(bmp.nBits, c.nBits) << c.pszFile;
  }
}

TEST(SkinArt, FrameStripsAreUniformAndCornersAreCut) {
  for (bool bActive : {true, false}) {
    Bmp frame =
        ReadBmp(std::string(TORVIK_SOURCE_DIR) + (bActive ? "/res/frame_active.bmp" : "/res/frame_inactive.bmp"));
    const uint32_t crBorder = Rgbx(bActive ? kSkinBorderActive : kSkinBorderInactive);
    const uint32_t crFill = Rgbx(bActive ? kSkinFillActive : kSkinFillInactive);
    // Every row of columns 6 to 313 and every column of rows 40 to 43 is uniform.
    for (int y = 0; y < 54; ++y)
      for (int x = 6; x <= 313; ++x)
        ASSERT_EQ(frame.At(x, y), frame.At(6, y)) << x << "," << y;
    for (int x = 0; x < 320; ++x)
      for (int y = 40; y <= 43; ++y)
        ASSERT_EQ(frame.At(x, y), frame.At(x, 40)) << x << "," << y;
    EXPECT_EQ(frame.At(100, 0), crBorder);
    EXPECT_EQ(frame.At(100, 15), crFill);
    EXPECT_EQ(frame.At(100, 30), crBorder);
    EXPECT_EQ(frame.At(100, 40), 0xFFFFFFu);
    EXPECT_EQ(frame.At(100, 50), crBorder);
    EXPECT_EQ(frame.At(100, 52), crFill);
    EXPECT_EQ(frame.At(3, 40), crBorder);
    EXPECT_EQ(frame.At(4, 31), crBorder);
    EXPECT_EQ(frame.At(4, 30), crFill);
  }
  Bmp mask = ReadBmp(std::string(TORVIK_SOURCE_DIR) + "/res/frame_mask.bmp");
  int nWhite = 0;
  for (int y = 0; y < 54; ++y)
    for (int x = 0; x < 320; ++x) {
      int cx = x < 160 ? x : 319 - x, cy = y < 27 ? y : 53 - y;
      EXPECT_EQ(mask.At(x, y), cx + cy <= 2 ? 0xFFFFFFu : 0u) << x << "," << y;
      nWhite += mask.At(x, y) == 0xFFFFFFu ? 1 : 0;
    }
  EXPECT_EQ(nWhite, 24);
}
