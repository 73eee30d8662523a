// decodeDib on BMP files built byte by byte: every accepted depth, compression and header
// layout with the RGB it must give, and truncated or lying files of each kind refused cleanly.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "bmp_builder.h"
#include "textures/bmp/dib_decode.h"
#include "textures/bmp/dib_header.h"

using bmp_test::BmpSpec;
using bmp_test::Bytes;
using bmp_test::Rgb;

namespace {

// The file in a heap block of exactly its size, so a sanitizer build sees any read past it.
DibStatus decode(const Bytes& file, RgbImage** image) {
  std::unique_ptr<uint8_t[]> exact(new uint8_t[file.size() + (file.empty() ? 1 : 0)]);
  if (!file.empty()) std::memcpy(exact.get(), file.data(), file.size());
  return decodeDib(exact.get(), file.size(), image);
}

struct Decoded {
  DibStatus status = DibStatus::Ok;
  int32_t width = 0;
  int32_t height = 0;
  Bytes rgb;
};

Decoded decodeToBytes(const Bytes& file) {
  RgbImage* image = nullptr;
  Decoded d;
  d.status = decode(file, &image);
  if (image != nullptr) {
    d.width = image->width;
    d.height = image->height;
    d.rgb.assign(image->pixels, image->pixels + size_t(image->width) * image->height * 3);
    delete[] image->pixels;
    delete image;
  }
  return d;
}

std::vector<Rgb> ramp(int entries, Rgb (*colour)(int)) {
  std::vector<Rgb> table;
  for (int i = 0; i < entries; ++i) table.push_back(colour(i));
  return table;
}

Rgb rleColour(int i) { return {uint8_t(i * 10), uint8_t(i), 100}; }
Rgb nibbleColour(int i) { return {uint8_t(i * 15), uint8_t(255 - i * 15), uint8_t(i)}; }
Bytes rgbOf(Rgb (*colour)(int), std::initializer_list<int> indices) {
  Bytes out;
  for (int i : indices) {
    if (i < 0) {
      out.insert(out.end(), {0, 0, 0});
    } else {
      const Rgb c = colour(i);
      out.insert(out.end(), c.begin(), c.end());
    }
  }
  return out;
}

struct DecodeCase {
  const char* name;
  BmpSpec shape;
  int32_t width;
  int32_t height;
  Bytes rgb;
};

BmpSpec spec24(int32_t width, int32_t height, Bytes pixels) {
  BmpSpec s;
  s.width = width;
  s.height = height;
  s.pixels = std::move(pixels);
  return s;
}

BmpSpec indexed(int32_t width, int32_t height, uint16_t bits, std::vector<Rgb> palette,
                Bytes pixels, uint32_t compression = 0) {
  BmpSpec s = spec24(width, height, std::move(pixels));
  s.bitCount = bits;
  s.palette = std::move(palette);
  s.compression = compression;
  return s;
}

BmpSpec withFileHeader(BmpSpec s, bool fileHeader) {
  s.fileHeader = fileHeader;
  return s;
}
BmpSpec withColorsUsed(BmpSpec s, uint32_t used) {
  s.colorsUsed = used;
  return s;
}
BmpSpec withHeaderSize(BmpSpec s, uint32_t size) {
  s.headerSize = size;
  return s;
}
BmpSpec withMasks(BmpSpec s, uint16_t bits, std::vector<uint32_t> masks) {
  s.bitCount = bits;
  s.compression = 3;
  s.masks = std::move(masks);
  return s;
}

Rgb full8(int i) { return {uint8_t(i), uint8_t(255 - i), uint8_t(i / 2)}; }
Rgb small8(int i) { return {uint8_t(i * 10), uint8_t(i), 7}; }
Rgb grey4(int i) { return {uint8_t(i * 16), 0, uint8_t(255 - i * 16)}; }

std::vector<DecodeCase> decodeCases() {
  const std::vector<Rgb> twoColours = {{1, 2, 3}, {250, 251, 252}};
  return {
      {"Bgr24TwoByOneReversesEachPixel",
       spec24(2, 1, {1, 2, 3, 4, 5, 6, 0, 0}),
       2,
       1,
       {3, 2, 1, 6, 5, 4}},
      {"Bgr24WidthThreeSkipsRowPadding",
       spec24(3, 2,
              bmp_test::paddedRows(
                  {{1, 2, 3, 4, 5, 6, 7, 8, 9}, {10, 11, 12, 13, 14, 15, 16, 17, 18}})),
       3,
       2,
       {3, 2, 1, 6, 5, 4, 9, 8, 7, 12, 11, 10, 15, 14, 13, 18, 17, 16}},
      {"Bgr24LastRowWithoutPadding", spec24(1, 1, {1, 2, 3}), 1, 1, {3, 2, 1}},
      {"Bgr24HeaderlessSkipsItsColoursUsedTable",
       withColorsUsed(withFileHeader(indexed(1, 1, 24, twoColours, {10, 20, 30, 0}), false), 2),
       1,
       1,
       {30, 20, 10}},
      {"Bgrx32IgnoresFourthByte",
       indexed(2, 1, 32, {}, {1, 2, 3, 99, 4, 5, 6, 99}),
       2,
       1,
       {3, 2, 1, 6, 5, 4}},
      {"Rgb555WidensAndIgnoresBit15",
       indexed(4, 1, 16, {}, {0xFF, 0x7F, 0x03, 0x86, 0x1F, 0x00, 0xE0, 0x03}),
       4,
       1,
       {255, 255, 255, 8, 132, 24, 0, 0, 255, 0, 255, 0}},
      {"Indexed8FullTable",
       indexed(3, 1, 8, ramp(256, full8), {0, 200, 255, 0}),
       3,
       1,
       {0, 255, 0, 200, 55, 100, 255, 0, 127}},
      {"Indexed8HeaderlessColoursUsed20IndexBeyondTableIsBlack",
       withColorsUsed(withFileHeader(indexed(3, 1, 8, ramp(20, small8), {19, 5, 25, 0}), false),
                      20),
       3,
       1,
       {190, 19, 7, 50, 5, 7, 0, 0, 0}},
      {"Indexed4HighNibbleFirst",
       indexed(3, 1, 4, ramp(16, grey4), {0x12, 0x30, 0, 0}),
       3,
       1,
       {16, 0, 239, 32, 0, 223, 48, 0, 207}},
      {"Indexed1AcrossAByteBoundary", indexed(10, 1, 1, twoColours, {0xB0, 0x40, 0, 0}), 10, 1,
       rgbOf(
           [](int i) {
             return i ? Rgb{250, 251, 252} : Rgb{1, 2, 3};
           },
           {1, 0, 1, 1, 0, 0, 0, 0, 0, 1})},
      {"CoreHeader1BitThreeByteColours",
       withHeaderSize(indexed(2, 1, 1, twoColours, {0x40, 0, 0, 0}), 12),
       2,
       1,
       {1, 2, 3, 250, 251, 252}},
      {"CoreHeaderHeaderless1Bit",
       withFileHeader(withHeaderSize(indexed(2, 1, 1, twoColours, {0x80, 0, 0, 0}), 12), false),
       2,
       1,
       {250, 251, 252, 1, 2, 3}},
      {"CoreHeader24Bit", withHeaderSize(spec24(1, 1, {7, 8, 9, 0}), 12), 1, 1, {9, 8, 7}},
      {"Rle8RunsAbsoluteDeltaAndClipping",
       indexed(4, 3, 8, ramp(256, rleColour),
               {3, 5, 0, 0,                    // row 0: three 5s, end of line
                0, 3, 1, 2, 3, 0, 2, 7, 0, 0,  // row 1: absolute 1 2 3 (padded), two 7s clipped
                0, 2, 2, 0, 1, 9, 0, 1},       // row 2: delta right 2, one 9, end of bitmap
               1),
       4, 3, rgbOf(rleColour, {5, 5, 5, -1, 1, 2, 3, 7, -1, -1, 9, -1})},
      {"Rle8DeltaDownLeavesSkippedRowsBlack",
       indexed(2, 3, 8, ramp(256, rleColour), {1, 4, 0, 2, 0, 2, 1, 6, 0, 1}, 1), 2, 3,
       rgbOf(rleColour, {4, -1, -1, -1, -1, 6})},
      {"Rle4AlternatesNibblesAndPadsAbsoluteRuns",
       indexed(5, 3, 4, ramp(16, nibbleColour),
               {5, 0x12, 0, 0,                       // row 0: 1 2 1 2 1
                0, 5, 0x34, 0x56, 0x70, 0x00, 0, 0,  // row 1: absolute 3 4 5 6 7
                2, 0x89, 0, 1},                      // row 2: 8 9
               2),
       5, 3, rgbOf(nibbleColour, {1, 2, 1, 2, 1, 3, 4, 5, 6, 7, 8, 9, -1, -1, -1})},
      {"BitFields565",
       withMasks(spec24(3, 1, {0x00, 0xF8, 0xE0, 0x07, 0x41, 0x08, 0, 0}), 16,
                 {0xF800, 0x07E0, 0x001F}),
       3,
       1,
       {255, 0, 0, 0, 255, 0, 8, 8, 8}},
      {"BitFields32UsesTheMasksNotTheByteOrder",
       withMasks(spec24(1, 1, {0x00, 0x11, 0x22, 0x33}), 32, {0x0000FF00, 0x00FF0000, 0xFF000000}),
       1,
       1,
       {0x11, 0x22, 0x33}},
      {"BitFieldsHeaderlessPixelsFollowTheMasks",
       withFileHeader(withMasks(spec24(1, 1, {0x00, 0xF8, 0, 0}), 16, {0xF800, 0x07E0, 0x001F}),
                      false),
       1,
       1,
       {255, 0, 0}},
      {"TopDownComesOutBottomRowFirst",
       spec24(1, -2, {1, 2, 3, 0, 4, 5, 6, 0}),
       1,
       2,
       {6, 5, 4, 3, 2, 1}},
  };
}

class BmpDecode : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(BmpDecode, GivesTheExpectedRgb) {
  const DecodeCase& c = GetParam();
  const Decoded d = decodeToBytes(bmp_test::buildBmp(c.shape));
  ASSERT_EQ(d.status, DibStatus::Ok);
  EXPECT_EQ(d.width, c.width);
  EXPECT_EQ(d.height, c.height);
  EXPECT_EQ(d.rgb, c.rgb);
}

// Any prefix that cuts into more than the last row's padding or the closing escapes is refused.
TEST_P(BmpDecode, EveryShortPrefixIsRefused) {
  const Bytes file = bmp_test::buildBmp(GetParam().shape);
  for (size_t length = 0; length + 4 < file.size(); ++length) {
    const Decoded d = decodeToBytes(Bytes(file.begin(), file.begin() + long(length)));
    EXPECT_NE(d.status, DibStatus::Ok) << "prefix of " << length << " bytes";
  }
}

INSTANTIATE_TEST_SUITE_P(Depths, BmpDecode, ::testing::ValuesIn(decodeCases()),
                         [](const auto& info) { return std::string(info.param.name); });

struct RefusalCase {
  const char* name;
  Bytes file;
  DibStatus status = DibStatus::Ok;
};

Bytes cut(Bytes file, size_t length) {
  EXPECT_LT(length, file.size()) << "a cut must shorten the file";
  file.resize(length);
  return file;
}

BmpSpec withOffset(BmpSpec s, uint32_t offset) {
  s.pixelOffset = offset;
  return s;
}

std::vector<RefusalCase> refusalCases() {
  using bmp_test::buildBmp;
  const BmpSpec rgb = spec24(2, 2, Bytes(16, 0x55));
  const BmpSpec table8 = indexed(1, 1, 8, ramp(256, full8), {0, 0, 0, 0});
  const BmpSpec rle8 = indexed(4, 1, 8, ramp(256, full8), {0, 4, 1, 2, 3, 4, 0, 1}, 1);
  const std::vector<Rgb> oneColour = {{1, 2, 3}};
  const BmpSpec masks = withMasks(spec24(1, 1, {0, 0, 0, 0}), 16, {0xF800, 0x07E0, 0x001F});
  const size_t rgbHeaders = 14 + 40;
  return {
      {"HeaderSize108", buildBmp(withHeaderSize(rgb, 108)), DibStatus::UnknownFormat},
      {"HeaderSize124", buildBmp(withHeaderSize(rgb, 124)), DibStatus::UnknownFormat},
      {"HeaderlessHeaderSize64", buildBmp(withFileHeader(withHeaderSize(rgb, 64), false)),
       DibStatus::UnknownFormat},
      {"ZeroWidth", buildBmp(spec24(0, 2, Bytes(16, 0))), DibStatus::Unsupported},
      {"ZeroHeight", buildBmp(spec24(2, 0, Bytes(16, 0))), DibStatus::Unsupported},
      {"NegativeWidth", buildBmp(spec24(-2, 2, Bytes(16, 0))), DibStatus::Unsupported},
      {"TwoBitsPerPixel", buildBmp(indexed(4, 1, 2, {}, {0, 0, 0, 0})), DibStatus::Unsupported},
      {"JpegCompression", buildBmp(indexed(1, 1, 24, {}, {0, 0, 0, 0}, 4)), DibStatus::Unsupported},
      {"Rle8OnFourBits", buildBmp(withColorsUsed(indexed(1, 1, 4, oneColour, {0, 1}, 1), 1)),
       DibStatus::Unsupported},
      {"Rle4OnEightBits", buildBmp(withColorsUsed(indexed(1, 1, 8, oneColour, {0, 1}, 2), 1)),
       DibStatus::Unsupported},
      {"BitFieldsOn24Bits", buildBmp(withMasks(spec24(1, 1, {0, 0, 0, 0}), 24, {1, 2, 4})),
       DibStatus::Unsupported},
      {"BitFieldsSplitMask",
       buildBmp(withMasks(spec24(1, 1, {0, 0, 0, 0}), 16, {0x0F0F, 0x00F0, 0})),
       DibStatus::Unsupported},
      {"BitFieldsMasksOverlapThePixels", buildBmp(withOffset(masks, 54)), DibStatus::Unsupported},
      {"WiderThanTheCap", buildBmp(spec24(16385, 1, Bytes(4, 0))), DibStatus::Unsupported},
      {"MorePixelsThanTheCap", buildBmp(spec24(8192, 8193, Bytes(4, 0))), DibStatus::Unsupported},
      {"CapSizedButEmpty", buildBmp(spec24(16384, 4096, Bytes(4, 0))), DibStatus::Truncated},
      {"OneByte", {'B'}, DibStatus::Truncated},
      {"FileHeaderOnly", cut(buildBmp(rgb), 14), DibStatus::Truncated},
      {"HeaderCutShort", cut(buildBmp(rgb), 14 + 20), DibStatus::Truncated},
      {"ColourTableCutShort", cut(buildBmp(table8), 14 + 40 + 100), DibStatus::Truncated},
      {"ColoursUsedLargerThanTheFile", buildBmp(withColorsUsed(rgb, 65535)), DibStatus::Truncated},
      {"PixelOffsetPastTheEnd", buildBmp(withOffset(rgb, 0xFFFFFFFF)), DibStatus::Truncated},
      {"PixelOffsetAtTheEnd",
       buildBmp(withOffset(rgb, static_cast<uint32_t>(buildBmp(rgb).size()))),
       DibStatus::Truncated},
      {"PixelRowsOneRowShort", cut(buildBmp(rgb), rgbHeaders + 8), DibStatus::Truncated},
      {"Rle8AbsoluteRunCut", cut(buildBmp(rle8), rgbHeaders + 1024 + 4), DibStatus::Truncated},
      {"Rle8DeltaCut", buildBmp(withColorsUsed(indexed(4, 2, 8, oneColour, {0, 2, 1}, 1), 1)),
       DibStatus::Truncated},
      {"Rle8EndsBeforeThePicture",
       buildBmp(withColorsUsed(indexed(4, 2, 8, oneColour, {4, 1, 0, 0}, 1), 1)),
       DibStatus::Truncated},
      {"BitFieldMasksCut", cut(buildBmp(withFileHeader(masks, false)), 40 + 4),
       DibStatus::Truncated},
  };
}

class BmpRefusal : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(BmpRefusal, FailsWithItsStatusAndNoImage) {
  RgbImage* image = reinterpret_cast<RgbImage*>(1);
  EXPECT_EQ(decode(GetParam().file, &image), GetParam().status);
  EXPECT_EQ(image, nullptr);
}

INSTANTIATE_TEST_SUITE_P(Files, BmpRefusal, ::testing::ValuesIn(refusalCases()),
                         [](const auto& info) { return std::string(info.param.name); });

struct ColourCountCase {
  uint32_t headerSize;
  uint16_t bitCount;
  uint32_t colorsUsed;
  uint16_t expected;
};

TEST(CountDibColors, FollowsTheHeaderLayout) {
  const ColourCountCase cases[] = {
      {12, 1, 0, 2},   {12, 4, 0, 16},      {12, 8, 0, 256}, {12, 24, 0, 0},
      {40, 8, 0, 256}, {40, 8, 20, 20},     {40, 24, 3, 3},  {40, 16, 0, 0},
      {40, 32, 0, 0},  {40, 8, 0x10005, 5}, {40, 1, 0, 2},
  };
  for (const ColourCountCase& c : cases) {
    DibHeader h;
    h.size = c.headerSize;
    h.bitCount = c.bitCount;
    h.colorsUsed = c.colorsUsed;
    EXPECT_EQ(countDibColors(h), c.expected)
        << c.headerSize << "-byte header, " << c.bitCount << " bits, used " << c.colorsUsed;
  }
}

}  // namespace
