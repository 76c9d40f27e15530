#include "tools/skinart.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "skin/skincolors.h"

namespace {

// Colours are 0xAARRGGBB; bitmaps ignore the alpha byte, icons use it.
constexpr uint32_t Rgb(int r, int g, int b) {
  return 0xFF000000u | (static_cast<uint32_t>(r) << 16) | (static_cast<uint32_t>(g) << 8) | static_cast<uint32_t>(b);
}

const uint32_t kWhite = Rgb(255, 255, 255);
const uint32_t kBlack = Rgb(0, 0, 0);
// The skin's own palette, so the art and the code that draws beside it never disagree.
constexpr uint32_t FromSkin(uint32_t crSkin) {
  return Rgb(static_cast<int>(crSkin & 0xFF), static_cast<int>((crSkin >> 8) & 0xFF),
             static_cast<int>((crSkin >> 16) & 0xFF));
}

const uint32_t kBorderActive = FromSkin(kSkinBorderActive);
const uint32_t kFillActive = FromSkin(kSkinFillActive);
const uint32_t kBorderInactive = FromSkin(kSkinBorderInactive);
const uint32_t kFillInactive = FromSkin(kSkinFillInactive);
const uint32_t kBlue = FromSkin(kSkinControlBorder);
const uint32_t kButtonFill = FromSkin(kSkinButtonFill);

struct Image {
  int w, h;
  std::vector<uint32_t> px;
  Image(int nWidth, int nHeight, uint32_t crFill)
      : w(nWidth), h(nHeight), px(size_t(nWidth) * size_t(nHeight), crFill) {}
  uint32_t Get(int x, int y) const { return px[size_t(y) * size_t(w) + size_t(x)]; }
  void Set(int x, int y, uint32_t c) {
    if (x >= 0 && y >= 0 && x < w && y < h)
      px[size_t(y) * size_t(w) + size_t(x)] = c;
  }
  void FillRect(int x0, int y0, int x1, int y1, uint32_t c) {  // inclusive
    for (int y = y0; y <= y1; ++y)
      for (int x = x0; x <= x1; ++x)
        Set(x, y, c);
  }
};

uint32_t Mix(uint32_t a, uint32_t b, double t) {  // t = share of b
  auto ch = [&](int s) {
    double v = ((a >> s) & 0xFF) * (1 - t) + ((b >> s) & 0xFF) * t;
    return static_cast<uint32_t>(std::lround(v)) << s;
  };
  return 0xFF000000u | ch(16) | ch(8) | ch(0);
}

void Put16(std::vector<uint8_t>& v, uint32_t n) {
  v.push_back(uint8_t(n));
  v.push_back(uint8_t(n >> 8));
}
void Put32(std::vector<uint8_t>& v, uint32_t n) {
  Put16(v, n & 0xFFFF);
  Put16(v, n >> 16);
}

void PutInfoHeader(std::vector<uint8_t>& v, int w, int h, int nBits, uint32_t nImageSize) {
  Put32(v, 40);
  Put32(v, uint32_t(w));
  Put32(v, uint32_t(h));
  Put16(v, 1);
  Put16(v, uint16_t(nBits));
  Put32(v, 0);  // BI_RGB
  Put32(v, nImageSize);
  Put32(v, 2835);  // 72 dpi
  Put32(v, 2835);
  Put32(v, 0);
  Put32(v, 0);
}

bool WriteFile(const std::string& strPath, const std::vector<uint8_t>& data) {
  FILE* f = std::fopen(strPath.c_str(), "wb");
  if (!f)
    return false;
  bool bOk = std::fwrite(data.data(), 1, data.size(), f) == data.size();
  return std::fclose(f) == 0 && bOk;
}

// A bottom-up BMP of 24 or 32 bits per pixel (the alpha byte of 32-bit pixels is 0).
bool WriteBmp(const std::string& strPath, const Image& img, int nBits) {
  const uint32_t nStride = (uint32_t(img.w) * uint32_t(nBits / 8) + 3) & ~3u;
  const uint32_t nImageSize = nStride * uint32_t(img.h);
  std::vector<uint8_t> v;
  v.push_back('B');
  v.push_back('M');
  Put32(v, 14 + 40 + nImageSize);
  Put32(v, 0);
  Put32(v, 14 + 40);
  PutInfoHeader(v, img.w, img.h, nBits, nImageSize);
  for (int y = img.h - 1; y >= 0; --y) {
    size_t nStart = v.size();
    for (int x = 0; x < img.w; ++x) {
      uint32_t c = img.Get(x, y);
      v.push_back(uint8_t(c));
      v.push_back(uint8_t(c >> 8));
      v.push_back(uint8_t(c >> 16));
      if (nBits == 32)
        v.push_back(0);
    }
    while (v.size() - nStart < nStride)
      v.push_back(0);
  }
  return WriteFile(strPath, v);
}

// A one-image icon: 32-bit colour with alpha, and the AND mask for older readers.
bool WriteIco(const std::string& strPath, const Image& img) {
  const uint32_t nMaskStride = ((uint32_t(img.w) + 31) / 32) * 4;
  const uint32_t nImageSize = uint32_t(img.w * img.h * 4) + nMaskStride * uint32_t(img.h);
  std::vector<uint8_t> v;
  Put16(v, 0);
  Put16(v, 1);  // icon
  Put16(v, 1);  // one image
  v.push_back(uint8_t(img.w));
  v.push_back(uint8_t(img.h));
  v.push_back(0);
  v.push_back(0);
  Put16(v, 1);
  Put16(v, 32);
  Put32(v, 40 + nImageSize);
  Put32(v, 6 + 16);
  PutInfoHeader(v, img.w, img.h * 2, 32, nImageSize);
  for (int y = img.h - 1; y >= 0; --y)
    for (int x = 0; x < img.w; ++x) {
      uint32_t c = img.Get(x, y);
      uint32_t a = c >> 24;
      // Premultiplied colour is not used by icons; fully transparent pixels are black.
      if (a == 0)
        c = 0;
      Put32(v, c);
    }
  for (int y = img.h - 1; y >= 0; --y) {
    std::vector<uint8_t> row(nMaskStride, 0);
    for (int x = 0; x < img.w; ++x)
      if ((img.Get(x, y) >> 24) == 0)
        row[size_t(x / 8)] |= uint8_t(0x80 >> (x % 8));
    v.insert(v.end(), row.begin(), row.end());
  }
  return WriteFile(strPath, v);
}

// --- Frame and mask -------------------------------------------------------------------

const int kFrameW = 320, kFrameH = 54;

// The cut corners: three, two and one pixels of the outermost rows at each corner.
bool IsCut(int x, int y) {
  int cx = x < kFrameW / 2 ? x : kFrameW - 1 - x;
  int cy = y < kFrameH / 2 ? y : kFrameH - 1 - y;
  return cx + cy <= 2;
}

Image Frame(uint32_t crBorder, uint32_t crFill) {
  Image img(kFrameW, kFrameH, crFill);
  for (int y = 0; y < kFrameH; ++y)
    for (int x = 0; x < kFrameW; ++x) {
      if (IsCut(x, y)) {
        img.Set(x, y, kWhite);
        continue;
      }
      bool bEdge = x == 0 || y == 0 || x == kFrameW - 1 || y == kFrameH - 1 || IsCut(x - 1, y) || IsCut(x + 1, y) ||
                   IsCut(x, y - 1) || IsCut(x, y + 1);
      if (bEdge)
        img.Set(x, y, crBorder);
    }
  // The white client well with its one-pixel inner line and rounded corners.
  img.FillRect(4, 31, 315, 49, kWhite);
  img.FillRect(5, 30, 314, 30, crBorder);
  img.FillRect(5, 50, 314, 50, crBorder);
  img.FillRect(3, 32, 3, 48, crBorder);
  img.FillRect(316, 32, 316, 48, crBorder);
  img.Set(4, 31, crBorder);
  img.Set(315, 31, crBorder);
  img.Set(4, 49, crBorder);
  img.Set(315, 49, crBorder);
  return img;
}

Image Mask() {
  Image img(kFrameW, kFrameH, kBlack);
  for (int y = 0; y < kFrameH; ++y)
    for (int x = 0; x < kFrameW; ++x)
      if (IsCut(x, y))
        img.Set(x, y, kWhite);
  return img;
}

// --- Close button and phone -----------------------------------------------------------

Image CloseButton(uint32_t crFill) {
  Image img(20, 20, crFill);
  const uint32_t crOutline = Rgb(255, 240, 224);
  const uint32_t crTop = Rgb(236, 74, 52), crBottom = Rgb(158, 22, 12);
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 20; ++x) {
      double cx = x + 0.5 - 10, cy = y + 0.5 - 10;
      double d = std::min(std::fabs(cx - cy), std::fabs(cx + cy)) / std::sqrt(2.0);
      double r = std::max(std::fabs(cx), std::fabs(cy));
      if (d <= 1.6 && r <= 6.3) {
        uint32_t c = Mix(crTop, crBottom, (cy + 6.5) / 13.0);
        // A light sheen along the upper edge of each stroke.
        if ((cx - cy > 0.6 && cx + cy < 0) || (cx + cy < -0.6 && cx - cy < 0))
          c = Mix(c, kWhite, 0.25);
        img.Set(x, y, c);
      } else if (d <= 2.7 && r <= 7.4) {
        img.Set(x, y, crOutline);
      }
    }
  return img;
}

Image Phone(uint32_t crFill) {
  static const char* const kRows[20] = {"............", "..WWWWWWWW..", ".WKKKKKKKKW.", ".WKKKWWKKKW.", ".WKBBBBBBKW.",
                                        ".WKBBBBBBKW.", ".WKBBBBBBKW.", ".WKBBBBBBKW.", ".WKKKKKKKKW.", ".WKKOOOOKKW.",
                                        ".WKKKKKKKKW.", ".WOOKOOKOOW.", ".WKKKKKKKKW.", ".WOOKOOKOOW.", ".WKKKKKKKKW.",
                                        ".WOOKOOKOOW.", ".WKKKKKKKKW.", ".WKKKKKKKKW.", "..WWWWWWWW..", "............"};
  Image img(12, 20, crFill);
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 12; ++x)
      switch (kRows[y][x]) {
        case 'W':
          img.Set(x, y, kWhite);
          break;
        case 'K':
          img.Set(x, y, kBlack);
          break;
        case 'O':
          img.Set(x, y, Rgb(204, 119, 23));
          break;
        case 'B':
          img.Set(x, y, Rgb(69, 183, 255));
          break;
        default:
          break;
      }
  return img;
}

// --- Scroll-bar pieces ----------------------------------------------------------------

Image Box(int w, int h) {
  Image img(w, h, kButtonFill);
  img.FillRect(0, 0, w - 1, 0, kBlue);
  img.FillRect(0, h - 1, w - 1, h - 1, kBlue);
  img.FillRect(0, 0, 0, h - 1, kBlue);
  img.FillRect(w - 1, 0, w - 1, h - 1, kBlue);
  return img;
}

// A filled triangle of four steps pointing in direction (dx, dy), centred in the piece.
Image Arrow(int w, int h, int dx, int dy) {
  Image img = Box(w, h);
  for (int i = 0; i < 4; ++i)
    for (int j = -i - 1; j <= i; ++j) {
      // i runs from the tip (0) to the base (3); j across.
      int along = 1 - i;  // the tip sits one pixel past the centre, towards the direction
      if (dx != 0)
        img.Set(w / 2 + dx * along - (dx < 0 ? 1 : 0), h / 2 + j, kBlack);
      else
        img.Set(w / 2 + j, h / 2 + dy * along - (dy < 0 ? 1 : 0), kBlack);
    }
  return img;
}

Image Thumb(int w, int h) {
  Image img = Box(w, h);
  if (w > h) {
    for (int x = 6; x <= w - 7; x += 2) {
      img.Set(x, 4, kBlack);
      img.Set(x, h - 5, kBlack);
    }
  } else {
    for (int y = 6; y <= h - 7; y += 2) {
      img.Set(4, y, kBlack);
      img.Set(w - 5, y, kBlack);
    }
  }
  return img;
}

// --- Text for the logo and the banner -------------------------------------------------

// 5 x 8 glyphs (the last row is the descender) of the letters the pictures use.
const char* Glyph(char c) {
  switch (c) {
    case 'T':
      return "#####..#....#....#....#....#....#.......";
    case 'M':
      return "#...###.###.#.##.#.##...##...##...#.....";
    case 'S':
      return ".#####....#.....###.....#....#####......";
    case 'a':
      return "...........###.....#.#####...#.####.....";
    case 'c':
      return "...........###.#....#....#...#.###......";
    case 'e':
      return "...........###.#...#######.....###......";
    case 'i':
      return "..#.........##....#....#....#...###.....";
    case 'k':
      return "#....#....#..#.#.#..##...#.#..#..#......";
    case 'l':
      return ".##....#....#....#....#....#...###......";
    case 'm':
      return "..........##.#.#.#.##.#.##...##...#.....";
    case 'o':
      return "...........###.#...##...##...#.###......";
    case 'p':
      return "..........####.#...##...#####.#....#....";
    case 'r':
      return "..........#.##.##..##....#....#.........";
    case 's':
      return "...........#####.....###.....#####......";
    case 't':
      return ".#....#...###...#....#....#..#..##......";
    case 'v':
      return "..........#...##...##...#.#.#...#.......";
    case 'w':
      return "..........#...##...##.#.##.#.#.#.#......";
    case 'x':
      return "..........#...#.#.#...#...#.#.#...#.....";
    case '.':
      return ".........................##...##........";
    default:
      return "........................................";
  }
}

// Draws text at (x, y) with each glyph pixel as a scale x scale block, each glyph as wide
// as its ink plus one column of space; returns the width drawn.
int DrawText(Image& img, int x, int y, const char* pszText, uint32_t c, int nScale) {
  int x0 = x;
  for (const char* p = pszText; *p; ++p) {
    const char* g = Glyph(*p);
    int nLeft = 5, nRight = -1;
    for (int i = 0; i < 40; ++i)
      if (g[i] == '#') {
        nLeft = std::min(nLeft, i % 5);
        nRight = std::max(nRight, i % 5);
      }
    if (nRight < 0) {  // a space
      x += 3 * nScale;
      continue;
    }
    for (int gy = 0; gy < 8; ++gy)
      for (int gx = nLeft; gx <= nRight; ++gx)
        if (g[gy * 5 + gx] == '#')
          img.FillRect(x + (gx - nLeft) * nScale, y + gy * nScale, x + (gx - nLeft) * nScale + nScale - 1,
                       y + gy * nScale + nScale - 1, c);
    x += (nRight - nLeft + 2) * nScale;
  }
  return x - x0 - nScale;
}

Image Logo() {
  Image img(73, 25, kWhite);
  int nWidth = DrawText(img, 0, 1, "Torvik", kBlue, 2);
  int x0 = (73 - nWidth) / 2;
  if (x0 > 0) {
    img = Image(73, 25, kWhite);
    DrawText(img, x0, 1, "Torvik", kBlue, 2);
  }
  // An orange underline, three rows thick with tapered ends, and a darker edge below.
  for (int x = 2; x <= 70; ++x) {
    int nEnd = std::min(x - 2, 70 - x);
    img.Set(x, 19, kFillActive);
    if (nEnd >= 2) {
      img.Set(x, 18, kFillActive);
      img.Set(x, 20, kFillActive);
    }
    if (nEnd >= 4)
      img.Set(x, 21, kBorderActive);
  }
  return img;
}

Image Banner() {
  Image img(242, 16, kWhite);
  const uint32_t crLink = Rgb(0, 0, 204);
  int nWidth = DrawText(img, 0, 3, "More SMS services at www.torvik.example", crLink, 1);
  img = Image(242, 16, kWhite);
  int x0 = (242 - nWidth) / 2;
  DrawText(img, x0, 3, "More SMS services at www.torvik.example", crLink, 1);
  img.FillRect(x0, 12, x0 + nWidth - 1, 12, crLink);
  return img;
}

// --- Tree icons -----------------------------------------------------------------------

// Coverage of a 16 x 16 icon by a shape, sampled 4 x 4 per pixel.
template <typename Shape>
void Paint(Image& img, uint32_t c, Shape&& bInside) {
  for (int y = 0; y < img.h; ++y)
    for (int x = 0; x < img.w; ++x) {
      int n = 0;
      for (int sy = 0; sy < 4; ++sy)
        for (int sx = 0; sx < 4; ++sx)
          n += bInside(x + (sx + 0.5) / 4, y + (sy + 0.5) / 4) ? 1 : 0;
      if (n == 0)
        continue;
      uint32_t under = img.Get(x, y);
      uint32_t a0 = under >> 24;
      double t = n / 16.0;
      uint32_t colour = a0 == 0 ? c : Mix(under, c, t);
      uint32_t alpha = std::max<uint32_t>(a0, static_cast<uint32_t>(std::lround(255 * (a0 == 0 ? t : 1.0))));
      img.Set(x, y, (colour & 0xFFFFFFu) | (alpha << 24));
    }
}

bool InEllipse(double x, double y, double cx, double cy, double rx, double ry) {
  double dx = (x - cx) / rx, dy = (y - cy) / ry;
  return dx * dx + dy * dy <= 1.0;
}

void Person(Image& img, double ox, double oy, double s, uint32_t crLine, uint32_t crBody) {
  auto head = [&](double x, double y, double grow) {
    return InEllipse(x, y, ox + 8 * s, oy + 5 * s, 3.2 * s + grow, 3.2 * s + grow);
  };
  auto body = [&](double x, double y, double grow) {
    return y <= oy + 15.5 * s + grow && InEllipse(x, y, ox + 8 * s, oy + 15.5 * s, 6 * s + grow, 6 * s + grow);
  };
  Paint(img, crLine, [&](double x, double y) { return head(x, y, 0.9) || body(x, y, 0.9); });
  Paint(img, crBody, [&](double x, double y) { return head(x, y, 0) || body(x, y, 0); });
}

Image ContactIcon() {
  Image img(16, 16, 0);
  Person(img, 0, 0, 0.95, Rgb(2, 60, 100), Rgb(52, 140, 204));
  return img;
}

Image FolderIcon() {
  Image img(16, 16, 0);
  const uint32_t crEdge = Rgb(176, 124, 20), crBack = Rgb(236, 180, 56), crFront = Rgb(252, 212, 96);
  Paint(img, crEdge, [](double x, double y) {
    return (x >= 0.5 && x <= 7 && y >= 2.5 && y <= 5) || (x >= 0.5 && x <= 15.5 && y >= 3.5 && y <= 14.5);
  });
  Paint(img, crBack, [](double x, double y) {
    return (x >= 1.5 && x <= 6 && y >= 3.5 && y <= 5) || (x >= 1.5 && x <= 14.5 && y >= 4.5 && y <= 13.5);
  });
  Paint(img, crEdge, [](double x, double y) { return x >= 0.5 && x <= 15.5 && y >= 6.5 && y <= 14.5; });
  Paint(img, crFront, [](double x, double y) { return x >= 1.5 && x <= 14.5 && y >= 7.5 && y <= 13.5; });
  return img;
}

Image RootIcon() {
  // An address book: orange cover with a darker spine and a white person on it.
  Image img(16, 16, 0);
  Paint(img, kBorderActive, [](double x, double y) { return x >= 2 && x <= 14.5 && y >= 0.5 && y <= 15.5; });
  Paint(img, kFillActive, [](double x, double y) { return x >= 3 && x <= 13.5 && y >= 1.5 && y <= 14.5; });
  Paint(img, kBorderActive, [](double x, double y) { return x >= 3 && x <= 5 && y >= 1.5 && y <= 14.5; });
  Person(img, 3.6, 3.2, 0.62, Rgb(150, 78, 0), kWhite);
  return img;
}

}  // namespace

bool WriteSkinArt(const std::string& strDir) {
  const std::string d = strDir.empty() || strDir.back() == '/' ? strDir : strDir + "/";
  bool bOk = true;
  bOk = WriteBmp(d + "frame_active.bmp", Frame(kBorderActive, kFillActive), 32) && bOk;
  bOk = WriteBmp(d + "frame_inactive.bmp", Frame(kBorderInactive, kFillInactive), 32) && bOk;
  bOk = WriteBmp(d + "frame_mask.bmp", Mask(), 32) && bOk;
  bOk = WriteBmp(d + "close_active.bmp", CloseButton(kFillActive), 24) && bOk;
  bOk = WriteBmp(d + "close_inactive.bmp", CloseButton(kFillInactive), 24) && bOk;
  bOk = WriteBmp(d + "phone_active.bmp", Phone(kFillActive), 24) && bOk;
  bOk = WriteBmp(d + "phone_inactive.bmp", Phone(kFillInactive), 24) && bOk;
  bOk = WriteBmp(d + "hscroll_left.bmp", Arrow(26, 12, -1, 0), 24) && bOk;
  bOk = WriteBmp(d + "hscroll_right.bmp", Arrow(26, 12, 1, 0), 24) && bOk;
  {
    Image track(1, 12, kWhite);
    track.Set(0, 0, kBlue);
    track.Set(0, 11, kBlue);
    bOk = WriteBmp(d + "hscroll_track.bmp", track, 24) && bOk;
  }
  bOk = WriteBmp(d + "hscroll_thumb.bmp", Thumb(26, 12), 24) && bOk;
  {
    Image cap(11, 11, kButtonFill);
    cap.FillRect(10, 0, 10, 10, kBlue);
    cap.FillRect(0, 10, 10, 10, kBlue);
    bOk = WriteBmp(d + "vscroll_bottomcap.bmp", cap, 24) && bOk;
  }
  bOk = WriteBmp(d + "vscroll_down.bmp", Arrow(12, 26, 0, 1), 24) && bOk;
  {
    Image track(12, 1, kWhite);
    track.Set(0, 0, kBlue);
    track.Set(11, 0, kBlue);
    bOk = WriteBmp(d + "vscroll_track.bmp", track, 24) && bOk;
  }
  bOk = WriteBmp(d + "vscroll_thumb.bmp", Thumb(12, 26), 24) && bOk;
  {
    Image cap(12, 11, kButtonFill);
    cap.FillRect(0, 0, 11, 0, kBlue);
    cap.FillRect(0, 0, 0, 10, kBlue);
    cap.FillRect(11, 0, 11, 10, kBlue);
    bOk = WriteBmp(d + "vscroll_topcap.bmp", cap, 24) && bOk;
  }
  bOk = WriteBmp(d + "vscroll_up.bmp", Arrow(12, 26, 0, -1), 24) && bOk;
  bOk = WriteBmp(d + "logo.bmp", Logo(), 24) && bOk;
  bOk = WriteBmp(d + "banner.bmp", Banner(), 24) && bOk;
  bOk = WriteIco(d + "contact.ico", ContactIcon()) && bOk;
  bOk = WriteIco(d + "folder.ico", FolderIcon()) && bOk;
  bOk = WriteIco(d + "root.ico", RootIcon()) && bOk;
  return bOk;
}
