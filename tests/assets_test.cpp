// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
//
// The picture files as assets/draw-assets makes them, in both drawings:
// format, size and the pixels the layout relies on; the icon; the cursors.
#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QFile>
#include <QImage>
#include <algorithm>
#include <map>
#include <tuple>

namespace {

constexpr QRgb kDark = qRgb(0x00, 0x40, 0x80);
constexpr QRgb kLight = qRgb(0x88, 0xC4, 0xFF);
constexpr QRgb kNavy = qRgb(0x00, 0x07, 0x2C);
constexpr QRgb kWhite = qRgb(0xFF, 0xFF, 0xFF);

QByteArray Bytes(const QString& file) {
  QFile in(QStringLiteral(ASSET_DIR "/") + file);
  return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
}

QImage Load(const QString& file) {
  return QImage(QStringLiteral(ASSET_DIR "/") + file).convertToFormat(QImage::Format_ARGB32);
}

// The file of a picture's drawing at k times its size: board.jpg, board@2x.jpg.
QString AtSize(const char* name, int k, const char* extension = "jpg") {
  return QString::fromLatin1(name) + (k == 1 ? QString() : QStringLiteral("@%1x").arg(k)) +
         QLatin1Char('.') + QLatin1String(extension);
}

// How far one colour is from another: the largest difference of a channel.
int Off(QRgb a, QRgb b) {
  return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                   std::abs(qBlue(a) - qBlue(b))});
}

qsizetype Le32(const QByteArray& b, qsizetype at) {
  return uchar(b[at]) | uchar(b[at + 1]) << 8 | uchar(b[at + 2]) << 16 | uchar(b[at + 3]) << 24;
}

// A mark shows the board through its GIF's white, or through the alpha of
// its 2x PNG; the O also through its middle. Drawn unscaled from a cell's
// corner, whatever it paints must fit the narrowest and the lowest cell.
TEST(Pictures, MarksAreTransparentGifsWithSmoothPngsAt2x) {
  // Its colours, whether the GIF is interlaced, a point of its ink and the ink.
  const std::tuple<const char*, int, bool, QPoint, QRgb> cases[] = {
      {"x-mark", 32, false, {45, 42}, qRgb(0x00, 0x4E, 0x9B)},
      {"o-mark", 16, true, {20, 42}, qRgb(0x00, 0x2A, 0x9D)}};
  for (const auto& [name, colours, interlaced, ink, colour] : cases) {
    SCOPED_TRACE(name);
    const QByteArray gif = Bytes(AtSize(name, 1, "gif"));
    const qsizetype control = 13 + 3 * colours;  // the extension after the palette
    EXPECT_TRUE(gif.startsWith("GIF89a"));
    EXPECT_EQ(2 << (gif[10] & 7), colours);
    EXPECT_EQ(gif.mid(13, 3), QByteArray(3, '\xFF'));                         // white is index 0,
    EXPECT_EQ(gif.mid(control, 7), QByteArray("\x21\xF9\x04\x01\0\0\0", 7));  // the transparent one
    EXPECT_EQ(bool(gif[control + 8 + 9] & 0x40), interlaced);
    for (const int k : {1, 2}) {
      const QImage mark = Load(AtSize(name, k, k == 1 ? "gif" : "png"));
      ASSERT_EQ(mark.size(), QSize(91, 85) * k);
      EXPECT_EQ(mark.pixel(ink * k), colour);
      EXPECT_EQ(qAlpha(mark.pixel(mark.rect().center())) == 0, name == std::string("o-mark"));
      for (int y = 0; y < mark.height(); ++y)
        for (int x = y < 82 * k ? 83 * k : 0; x < mark.width(); ++x)
          ASSERT_EQ(qAlpha(mark.pixel(x, y)), 0)
              << "outside the smallest cell at " << x << "," << y;
    }
  }
}

// Every pixel of each area has the area's colour in both drawings: the
// bands and lines the cells and counters lie between, the counters'
// places and the line of help text. Areas are in the 1x picture's pixels;
// the 2x drawing is twice as large, and both are progressive JPEGs, as
// the game's first pictures were. The start picture's size is the
// pictures test's: its window shows it whole.
TEST(Pictures, AreasUnderTheLayoutHaveTheirColour) {
  const QPoint panel(12, 306);  // where the window puts the score panel
  const std::map<std::string, QSize> sizes{{"board", {296, 302}}, {"score-panel", {296, 99}},
      {"again-dark", {115, 33}}, {"again-light", {115, 33}}, {"help", {272, 112}}};
  const struct {
    const char* what;
    const char* name;
    QRect area;
    QRgb colour;
    int tolerance = 12;  // JPEG colours drift a little from what was drawn
  } cases[] = {
      {"top band", "board", {0, 0, 269, 25}, kDark},
      {"right band", "board", {269, 25, 27, 277}, kDark},
      {"corner square", "board", {279, 9, 7, 7}, kLight},
      {"left grid line", "board", {92, 25, 1, 277}, kNavy},
      {"right grid line", "board", {180, 25, 1, 277}, kNavy},
      {"upper grid line", "board", {0, 111, 269, 1}, kNavy},
      {"lower grid line", "board", {0, 210, 269, 1}, kNavy},
      {"wins counter", "score-panel", QRect(225, 318, 49, 25).translated(-panel), kLight},
      {"draws counter", "score-panel", QRect(231, 348, 36, 20).translated(-panel), kDark},
      {"losses counter", "score-panel", QRect(225, 375, 49, 25).translated(-panel), kDark},
      {"dividing line", "score-panel", {180, 8, 1, 91}, kNavy},
      {"panel's right band", "score-panel", {269, 0, 27, 99}, kDark},
      {"dark button", "again-dark", {4, 12, 6, 9}, kDark},
      {"light button", "again-light", {4, 12, 6, 9}, kLight},
      {"help text line", "help", {0, 87, 272, 16}, kWhite, 40},
  };
  for (const auto& c : cases) {
    for (const int k : {1, 2}) {
      SCOPED_TRACE(std::string(c.what) + " at " + std::to_string(k) + "x");
      const QByteArray jpeg = Bytes(AtSize(c.name, k));
      EXPECT_TRUE(jpeg.contains("\xFF\xC2") && !jpeg.contains("\xFF\xC0"));  // progressive frames
      const QImage image = Load(AtSize(c.name, k));
      ASSERT_EQ(image.size(), sizes.at(c.name) * k);
      const QRect area(c.area.topLeft() * k, c.area.size() * k);
      for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
          const QRgb p = image.pixel(x, y);
          ASSERT_LE(Off(p, c.colour), c.tolerance)
              << "at " << x << "," << y << ": " << std::hex << p;
        }
      }
    }
  }
}

// Windows takes from the icon the size each place wants at the screen's
// scale: 16, 24 and 48 pixels with an alpha channel, 256 as PNG, and the
// 32-pixel image of 16 colours, which is the game's first icon byte for byte.
TEST(Icon, HoldsEverySizeWindowsAsksForAndTheFirst32PixelImage) {
  const QByteArray icon = Bytes(QStringLiteral("icon.ico"));
  ASSERT_EQ(icon.left(6).toHex(), "000001000500");  // an icon of five images
  QByteArray sizes;  // each one's width, height (0 for 256), colours, 0, planes, bits
  for (int i = 0; i < 5; ++i) sizes += icon.mid(6 + 16 * i, 8);
  EXPECT_EQ(sizes.toHex(),
            "1010000001002000"    // 16 pixels, 32 bits
            "1818000001002000"    // 24
            "2020100001000400"    // 32, 16 colours of 4 bits
            "3030000001002000"    // 48
            "0000000001002000");  // 256
  const auto image = [&icon](int i) {
    return icon.mid(Le32(icon, 18 + 16 * i), Le32(icon, 14 + 16 * i));
  };
  EXPECT_EQ(QCryptographicHash::hash(image(2), QCryptographicHash::Sha256).toHex(),
            "9b5e709d92b7e83627de576969503347d991e0a60a632c4b0e34ba550c5c8c52");
  EXPECT_TRUE(image(4).startsWith("\x89PNG"));
}

// The hand in both drawings: a cursor of 16 colours whose hot spot is the
// fingertip, with nothing above it.
TEST(Cursor, HandAtBothSizesPointsWithItsFingertip) {
  // A cursor of one image: its width, height, colours, 0 and hot spot.
  const std::pair<int, const char*> cases[] = {{1, "0000020001002020100005000100"},
                                               {2, "000002000100404010000a000200"}};
  for (const auto& [k, header] : cases) {
    SCOPED_TRACE(k);
    EXPECT_EQ(Bytes(AtSize("hand", k, "cur")).left(14).toHex(), header);
    const QImage hand = Load(AtSize("hand", k, "cur"));
    ASSERT_EQ(hand.size(), QSize(32, 32) * k);
    EXPECT_EQ(qAlpha(hand.pixel(QPoint(5, 1) * k + QPoint(k - 1, 0))), 255);
    for (int x = 0; x < hand.width(); ++x) EXPECT_EQ(qAlpha(hand.pixel(x, k - 1)), 0) << x;
  }
}

}  // namespace
