// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <tuple>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr QRgb kDark = qRgb(0x00, 0x40, 0x80);
constexpr QRgb kLight = qRgb(0x88, 0xC4, 0xFF);
constexpr QRgb kNavy = qRgb(0x00, 0x07, 0x2C);
constexpr QRgb kWhite = qRgb(0xFF, 0xFF, 0xFF);
constexpr QRgb kClear = qRgba(0, 0, 0, 0);  // matches any fully transparent pixel

// Where the window puts the board and the score panel.
constexpr QPoint kBoardAt{12, 12};
constexpr QPoint kPanelAt{12, 306};

std::string PathOf(const char* file) { return std::string(ASSET_DIR) + "/" + file; }

Bytes ReadBytes(const char* file) {
  std::ifstream in(PathOf(file), std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

QImage Load(const char* file) {
  return QImage(QString::fromStdString(PathOf(file))).convertToFormat(QImage::Format_ARGB32);
}

unsigned Le16(const Bytes& b, std::size_t at) { return b.at(at) | b.at(at + 1) << 8; }
unsigned Le32(const Bytes& b, std::size_t at) { return Le16(b, at) | Le16(b, at + 2) << 16; }

// JPEG colours drift a little from what was drawn; GIF and icon colours
// are exact, so any tolerance passes them.
bool Near(QRgb actual, QRgb expected, int tolerance = 12) {
  if (qAlpha(expected) == 0) return qAlpha(actual) == 0;
  return qAlpha(actual) == 255 && std::abs(qRed(actual) - qRed(expected)) <= tolerance &&
         std::abs(qGreen(actual) - qGreen(expected)) <= tolerance &&
         std::abs(qBlue(actual) - qBlue(expected)) <= tolerance;
}

std::string Hex(QRgb colour) {
  char text[10];
  std::snprintf(text, sizeof text, "%08X", static_cast<unsigned>(colour));
  return text;
}

// The start-of-frame markers before the first scan: 0xC0 for a baseline
// JPEG, 0xC2 for a progressive one.
std::vector<int> FrameMarkers(const Bytes& jpeg) {
  std::vector<int> frames;
  if (jpeg.size() < 4 || jpeg[0] != 0xFF || jpeg[1] != 0xD8) return frames;
  std::size_t at = 2;
  while (at + 4 <= jpeg.size() && jpeg[at] == 0xFF) {
    const int marker = jpeg[at + 1];
    if (marker == 0xDA) break;  // the first scan: every frame header came before it
    if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC)
      frames.push_back(marker);
    at += 2 + (jpeg[at + 2] << 8 | jpeg[at + 3]);
  }
  return frames;
}

struct GifFacts {
  bool gif89a = false;
  int paletteSize = 0;
  bool transparent = false;
  QRgb transparentColour = 0;
  bool interlaced = false;
};

// Reads the header, the global palette and the blocks up to the first
// image descriptor.
GifFacts ReadGif(const Bytes& gif) {
  GifFacts facts;
  if (gif.size() < 13) return facts;
  facts.gif89a = std::string(gif.begin(), gif.begin() + 6) == "GIF89a";
  const int packed = gif.at(10);
  if (packed & 0x80) facts.paletteSize = 2 << (packed & 7);
  const std::size_t palette = 13;
  std::size_t at = palette + 3 * facts.paletteSize;
  while (gif.at(at) == 0x21) {  // an extension
    if (gif.at(at + 1) == 0xF9 && (gif.at(at + 3) & 1)) {
      facts.transparent = true;
      const std::size_t entry = palette + 3 * gif.at(at + 6);
      facts.transparentColour = qRgb(gif.at(entry), gif.at(entry + 1), gif.at(entry + 2));
    }
    at += 2;
    while (gif.at(at) != 0) at += gif.at(at) + 1;
    ++at;
  }
  if (gif.at(at) == 0x2C) facts.interlaced = gif.at(at + 9) & 0x40;
  return facts;
}

struct IconFacts {
  unsigned type, count, width, height, colours, hotX, hotY, bitsPerPixel;
};

// The icon directory, its one entry and the bitmap header it points to.
// For a cursor the entry's two words after the colour count are the hot
// spot; for an icon they are the planes and the bits per pixel.
IconFacts ReadIconDirectory(const Bytes& file) {
  const std::size_t bitmap = Le32(file, 18);
  return {Le16(file, 2), Le16(file, 4),  file.at(6),     file.at(7),
          file.at(8),    Le16(file, 10), Le16(file, 12), Le16(file, bitmap + 14)};
}

struct SizeCase {
  const char* file;
  int width, height;
};

TEST(AssetFiles, JpegPicturesAreProgressiveAndSizedForTheirPlace) {
  const SizeCase cases[] = {
      {"board.jpg", 296, 302},      {"score-panel.jpg", 296, 99}, {"again-dark.jpg", 115, 33},
      {"again-light.jpg", 115, 33}, {"start.jpg", 253, 235},      {"help.jpg", 272, 112},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    EXPECT_EQ(FrameMarkers(ReadBytes(c.file)), std::vector<int>{0xC2});
    EXPECT_EQ(Load(c.file).size(), QSize(c.width, c.height));
  }
}

struct MarkCase {
  const char* file;
  int paletteSize;
  bool interlaced;
  QPoint inkAt;
  QRgb ink;
  QRgb centre;
};

// A mark shows the board through its white; the O also through its middle.
TEST(AssetFiles, MarksAreGifsWhoseWhiteIsTransparent) {
  const MarkCase cases[] = {
      {"x-mark.gif", 32, false, {45, 42}, qRgb(0x00, 0x4E, 0x9B), qRgb(0x00, 0x4E, 0x9B)},
      {"o-mark.gif", 16, true, {20, 42}, qRgb(0x00, 0x2A, 0x9D), kClear},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    const GifFacts facts = ReadGif(ReadBytes(c.file));
    EXPECT_TRUE(facts.gif89a);
    EXPECT_EQ(facts.paletteSize, c.paletteSize);
    EXPECT_TRUE(facts.transparent);
    EXPECT_EQ(Hex(facts.transparentColour), Hex(kWhite));
    EXPECT_EQ(facts.interlaced, c.interlaced);
    const QImage mark = Load(c.file);
    ASSERT_EQ(mark.size(), QSize(91, 85));
    EXPECT_EQ(Hex(mark.pixel(c.inkAt)), Hex(c.ink));
    EXPECT_TRUE(Near(mark.pixel(45, 42), c.centre)) << Hex(mark.pixel(45, 42));
    for (const QPoint corner : {QPoint(0, 0), QPoint(90, 0), QPoint(0, 84), QPoint(90, 84)})
      EXPECT_EQ(qAlpha(mark.pixel(corner)), 0);
  }
}

// A mark is drawn unscaled from a cell's top-left corner, so whatever it
// paints must fit the narrowest and the lowest cell (83 and 82 pixels).
TEST(AssetFiles, MarksFitTheSmallestCell) {
  for (const char* file : {"x-mark.gif", "o-mark.gif"}) {
    SCOPED_TRACE(file);
    const QImage mark = Load(file);
    QRect painted;
    for (int y = 0; y < mark.height(); ++y)
      for (int x = 0; x < mark.width(); ++x)
        if (qAlpha(mark.pixel(x, y)) != 0) painted |= QRect(x, y, 1, 1);
    EXPECT_TRUE(QRect(0, 0, 83, 82).contains(painted))
        << painted.x() << "," << painted.y() << " " << painted.width() << "x" << painted.height();
  }
}

struct IconCase {
  const char* file;
  IconFacts expected;  // the cursor's hot spot in place of planes and bits
  QPoint opaque;
  QPoint clear;
};

// One 32-pixel image of 16 colours each: the window's icon, and the hand
// whose hot spot is the fingertip, its topmost pixel.
TEST(AssetFiles, IconAndCursorAreSingle16ColourImages) {
  const IconCase cases[] = {
      {"icon.ico", {1, 1, 32, 32, 16, 1, 4, 4}, {1, 16}, {25, 25}},
      {"hand.cur", {2, 1, 32, 32, 16, 5, 1, 4}, {5, 1}, {4, 1}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    const IconFacts facts = ReadIconDirectory(ReadBytes(c.file));
    const auto& e = c.expected;
    EXPECT_EQ(std::tie(facts.type, facts.count, facts.width, facts.height, facts.colours),
              std::tie(e.type, e.count, e.width, e.height, e.colours));
    EXPECT_EQ(std::tie(facts.hotX, facts.hotY, facts.bitsPerPixel),
              std::tie(e.hotX, e.hotY, e.bitsPerPixel));
    const QImage image = Load(c.file);
    ASSERT_EQ(image.size(), QSize(32, 32));
    EXPECT_EQ(qAlpha(image.pixel(c.opaque)), 255);
    EXPECT_EQ(qAlpha(image.pixel(c.clear)), 0);
  }
  const QImage hand = Load("hand.cur");
  for (int x = 0; x < 32; ++x) EXPECT_EQ(qAlpha(hand.pixel(x, 0)), 0) << "x = " << x;
}

struct AreaCase {
  const char* what;
  const char* file;
  QRect area;  // in the picture's own pixels
  QRgb colour;
};

// Window rectangles as the layout gives them, moved into a picture's pixels.
QRect OnBoard(int x, int y, int w, int h) { return QRect(x, y, w, h).translated(-kBoardAt); }
QRect OnPanel(int x, int y, int w, int h) { return QRect(x, y, w, h).translated(-kPanelAt); }

// Every pixel of each area has the area's colour: the places that other
// controls lie over, and the lines between them.
TEST(AssetPixels, AreasUnderTheLayoutHaveTheirColour) {
  const AreaCase cases[] = {
      {"top band", "board.jpg", QRect(0, 0, 269, 25), kDark},
      {"right band", "board.jpg", QRect(269, 25, 27, 277), kDark},
      {"corner square", "board.jpg", QRect(279, 9, 7, 7), kLight},
      {"left grid line", "board.jpg", QRect(92, 25, 1, 277), kNavy},
      {"right grid line", "board.jpg", QRect(180, 25, 1, 277), kNavy},
      {"upper grid line", "board.jpg", QRect(0, 111, 269, 1), kNavy},
      {"lower grid line", "board.jpg", QRect(0, 210, 269, 1), kNavy},
      {"cell TL", "board.jpg", OnBoard(14, 40, 87, 82), kLight},
      {"cell CT", "board.jpg", OnBoard(107, 40, 84, 83), kLight},
      {"cell TR", "board.jpg", OnBoard(194, 40, 86, 82), kLight},
      {"cell CL", "board.jpg", OnBoard(14, 128, 89, 94), kLight},
      {"cell C", "board.jpg", OnBoard(108, 128, 83, 92), kLight},
      {"cell CR", "board.jpg", OnBoard(196, 128, 83, 92), kLight},
      {"cell DL", "board.jpg", OnBoard(14, 226, 89, 87), kLight},
      {"cell CD", "board.jpg", OnBoard(108, 226, 83, 87), kLight},
      {"cell DR", "board.jpg", OnBoard(196, 226, 83, 85), kLight},
      {"wins counter", "score-panel.jpg", OnPanel(225, 318, 49, 25), kLight},
      {"draws counter", "score-panel.jpg", OnPanel(231, 348, 36, 20), kDark},
      {"losses counter", "score-panel.jpg", OnPanel(225, 375, 49, 25), kDark},
      {"dividing line", "score-panel.jpg", QRect(180, 8, 1, 91), kNavy},
      {"panel's right band", "score-panel.jpg", QRect(269, 0, 27, 99), kDark},
      {"dark button", "again-dark.jpg", QRect(4, 12, 6, 9), kDark},
      {"light button", "again-light.jpg", QRect(4, 12, 6, 9), kLight},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const QImage image = Load(c.file);
    int wrong = 0;
    for (int y = c.area.top(); y <= c.area.bottom(); ++y)
      for (int x = c.area.left(); x <= c.area.right(); ++x)
        if (!Near(image.pixel(x, y), c.colour) && wrong++ == 0)
          ADD_FAILURE() << "first at " << x << "," << y << ": " << Hex(image.pixel(x, y));
    EXPECT_EQ(wrong, 0);
  }
}

// The help text is drawn in black over rows 87 to 102 of the help picture.
TEST(AssetPixels, HelpPictureLeavesTheTextLineLight) {
  const QImage help = Load("help.jpg");
  for (int y = 87; y <= 102; ++y)
    for (int x = 0; x < help.width(); ++x) ASSERT_GE(qGray(help.pixel(x, y)), 220) << x << "," << y;
}

// The panel lies over the board's bottom eight rows; where they overlap
// the two pictures show the same thing, so no seam shows.
TEST(AssetPixels, ScorePanelContinuesTheBoardWhereItOverlapsIt) {
  const QImage board = Load("board.jpg");
  const QImage panel = Load("score-panel.jpg");
  const int overlap = kBoardAt.y() + board.height() - kPanelAt.y();
  ASSERT_EQ(overlap, 8);
  for (int y = 0; y < overlap; ++y)
    for (int x = 0; x < panel.width(); ++x) {
      const QRgb under = board.pixel(x, board.height() - overlap + y);
      ASSERT_TRUE(Near(panel.pixel(x, y), under, 16))
          << x << "," << y << ": " << Hex(panel.pixel(x, y)) << " over " << Hex(under);
    }
}

}  // namespace
