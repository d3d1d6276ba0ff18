// The bitmap and clip readers on files made here, byte by byte, and on the shipped artwork.

#include "avireader.h"
#include "dibreader.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

namespace {

using Bytes = std::vector<uint8_t>;

constexpr uint32_t kRed = 0xFFFF0000u;
constexpr uint32_t kGreen = 0xFF00FF00u;
constexpr uint32_t kBlue = 0xFF0000FFu;
constexpr uint32_t kWhite = 0xFFFFFFFFu;
constexpr uint32_t kBlack = 0xFF000000u;

void Put16(Bytes& out, uint32_t value)
{
    out.push_back(uint8_t(value));
    out.push_back(uint8_t(value >> 8));
}

void Put32(Bytes& out, uint32_t value)
{
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

void Append(Bytes& out, const Bytes& more)
{
    out.insert(out.end(), more.begin(), more.end());
}

// What goes into a test bitmap; each field as the file will say it.
struct Bitmap
{
    bool fileHeader = true;
    bool core = false;  // the 12-byte header with 3-byte colours
    int width = 2;
    int height = 2;
    int bitsPerPixel = 8;
    uint32_t compression = dib::Rgb;
    uint32_t imageSize = 0;
    uint32_t colourCount = 0;  // as the header says it
    std::vector<uint32_t> colours;
    Bytes masks;
    Bytes pixels;
    int64_t offset = -1;  // the file header's offset; -1 for the right one

    Bytes info() const
    {
        Bytes out;
        if (core) {
            Put32(out, 12);
            Put16(out, uint32_t(width));
            Put16(out, uint32_t(height));
            Put16(out, 1);
            Put16(out, uint32_t(bitsPerPixel));
        } else {
            Put32(out, 40);
            Put32(out, uint32_t(width));
            Put32(out, uint32_t(height));
            Put16(out, 1);
            Put16(out, uint32_t(bitsPerPixel));
            Put32(out, compression);
            Put32(out, imageSize);
            Put32(out, 2835);
            Put32(out, 2835);
            Put32(out, colourCount);
            Put32(out, 0);
        }
        Append(out, masks);
        for (uint32_t colour : colours) {
            out.push_back(uint8_t(colour));
            out.push_back(uint8_t(colour >> 8));
            out.push_back(uint8_t(colour >> 16));
            if (!core) {
                out.push_back(0);
            }
        }
        return out;
    }

    Bytes file() const
    {
        const Bytes header = info();
        Bytes out;
        if (fileHeader) {
            out = {'B', 'M'};
            Put32(out, uint32_t(14 + header.size() + pixels.size()));
            Put32(out, 0);
            Put32(out, offset < 0 ? uint32_t(14 + header.size()) : uint32_t(offset));
        }
        Append(out, header);
        Append(out, pixels);
        return out;
    }
};

dib::Picture Read(const Bytes& file)
{
    return dib::Read(file);
}

std::vector<uint32_t> Pixels(const dib::Picture& picture)
{
    return picture.image.pixels;
}

// Two rows of two, stored from the bottom: the top row reads red, green.
Bitmap EightBit()
{
    Bitmap bitmap;
    bitmap.colourCount = 4;
    bitmap.colours = {kRed, kGreen, kBlue, kWhite};
    bitmap.pixels = {2, 3, 0, 0, 0, 1, 0, 0};
    return bitmap;
}

TEST(DibReader, ReadsEachDepthAndHeaderKind)
{
    const std::vector<uint32_t> expected = {kRed, kGreen, kBlue, kWhite};
    struct Case
    {
        const char* name;
        Bitmap bitmap;
    };
    std::vector<Case> cases;
    cases.push_back({"8-bit with the file header", EightBit()});
    Bitmap bare = EightBit();
    bare.fileHeader = false;
    cases.push_back({"8-bit without the file header", bare});
    Bitmap core;
    core.core = true;
    core.bitsPerPixel = 4;
    core.colours = std::vector<uint32_t>(16, kBlack);
    core.colours[5] = kRed;
    core.colours[6] = kGreen;
    core.colours[7] = kBlue;
    core.colours[15] = kWhite;
    core.pixels = {0x7F, 0, 0, 0, 0x56, 0, 0, 0};
    cases.push_back({"4-bit, 12-byte header, 3-byte colours", core});
    Bitmap coreBare = core;
    coreBare.fileHeader = false;
    cases.push_back({"the same without the file header", coreBare});
    Bitmap truecolour;
    truecolour.bitsPerPixel = 24;
    truecolour.pixels = {0xFF, 0, 0, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 0xFF, 0, 0xFF, 0, 0, 0};
    cases.push_back({"24-bit", truecolour});
    Bitmap thirtyTwo;
    thirtyTwo.bitsPerPixel = 32;
    thirtyTwo.pixels = {0xFF, 0, 0,    0x12, 0xFF, 0xFF, 0xFF, 0x34,
                        0,    0, 0xFF, 0x56, 0,    0xFF, 0,    0x78};
    cases.push_back({"32-bit, the fourth byte ignored", thirtyTwo});
    Bitmap sixteen;
    sixteen.bitsPerPixel = 16;
    sixteen.pixels = {0x1F, 0x00, 0xFF, 0x7F, 0x00, 0x7C, 0xE0, 0x03};
    cases.push_back({"16-bit, five bits a colour", sixteen});
    Bitmap fields;
    fields.bitsPerPixel = 16;
    fields.compression = dib::BitFields;
    Put32(fields.masks, 0xF800);
    Put32(fields.masks, 0x07E0);
    Put32(fields.masks, 0x001F);
    fields.pixels = {0x1F, 0x00, 0xFF, 0xFF, 0x00, 0xF8, 0xE0, 0x07};
    cases.push_back({"16-bit with masks, 5-6-5", fields});
    Bitmap fields32 = fields;
    fields32.bitsPerPixel = 32;
    fields32.masks.clear();
    Put32(fields32.masks, 0x000000FF);
    Put32(fields32.masks, 0x0000FF00);
    Put32(fields32.masks, 0x00FF0000);
    fields32.pixels = {0, 0, 0xFF, 0, 0xFF, 0xFF, 0xFF, 0, 0xFF, 0, 0, 0, 0, 0xFF, 0, 0};
    cases.push_back({"32-bit with masks in another order", fields32});
    Bitmap topDown = EightBit();
    topDown.height = -2;
    topDown.pixels = {0, 1, 0, 0, 2, 3, 0, 0};
    cases.push_back({"8-bit stored from the top", topDown});

    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const dib::Picture picture = Read(c.bitmap.file());
        ASSERT_EQ(picture.failure, dib::Failure::None);
        EXPECT_EQ(picture.image.width, 2);
        EXPECT_EQ(picture.image.height, 2);
        EXPECT_EQ(Pixels(picture), expected);
    }

    // 1 bit: the bottom row 0 1, the top row 1 0.
    Bitmap one;
    one.bitsPerPixel = 1;
    one.colours = {kRed, kBlue};
    one.pixels = {0x40, 0, 0, 0, 0x80, 0, 0, 0};
    const dib::Picture picture = Read(one.file());
    ASSERT_EQ(picture.failure, dib::Failure::None);
    EXPECT_EQ(Pixels(picture), (std::vector<uint32_t>{kBlue, kRed, kRed, kBlue}));
}

TEST(DibReader, AnIndexPastTheColourTableIsBlack)
{
    Bitmap bitmap = EightBit();
    bitmap.pixels = {2, 200, 0, 0, 0, 1, 0, 0};
    EXPECT_EQ(Pixels(Read(bitmap.file())), (std::vector<uint32_t>{kRed, kGreen, kBlue, kBlack}));
}

TEST(DibReader, DecodesRunLengthPictures)
{
    // 8-bit, 6 x 3, rows from the bottom: a run, an absolute stretch of three (padded), end of
    // line; a delta skipping to the top row's fifth pixel; two pixels there; end of bitmap.
    Bitmap rle8;
    rle8.width = 6;
    rle8.height = 3;
    rle8.compression = dib::Rle8;
    rle8.colourCount = 4;
    rle8.colours = {kRed, kGreen, kBlue, kWhite};
    rle8.pixels = {2, 1, 0, 3, 2, 3, 0, 0, 0, 0, 0, 2, 4, 1, 2, 0, 0, 1};
    rle8.imageSize = uint32_t(rle8.pixels.size());
    const dib::Picture picture8 = Read(rle8.file());
    ASSERT_EQ(picture8.failure, dib::Failure::None);
    const uint32_t none = 0;  // skipped pixels stay transparent
    EXPECT_EQ(Pixels(picture8), (std::vector<uint32_t>{none, none, none, none, kRed, kRed,  //
                                                       none, none, none, none, none, none,  //
                                                       kGreen, kGreen, kBlue, kWhite, kRed, none}));

    // 4-bit: a run of five alternating two colours, then an absolute stretch of three.
    Bitmap rle4;
    rle4.bitsPerPixel = 4;
    rle4.width = 8;
    rle4.height = 1;
    rle4.compression = dib::Rle4;
    rle4.colourCount = 4;
    rle4.colours = {kRed, kGreen, kBlue, kWhite};
    rle4.pixels = {5, 0x01, 0, 3, 0x32, 0x10, 0, 1};
    const dib::Picture picture4 = Read(rle4.file());
    ASSERT_EQ(picture4.failure, dib::Failure::None);
    EXPECT_EQ(Pixels(picture4),
              (std::vector<uint32_t>{kRed, kGreen, kRed, kGreen, kRed, kWhite, kBlue, kGreen}));

    // Runs past the right edge or the top are dropped, not written past the picture.
    Bitmap wide = rle8;
    wide.pixels = {255, 1, 0, 2, 200, 200, 255, 2, 0, 1};
    wide.imageSize = 0;
    const dib::Picture clipped = Read(wide.file());
    ASSERT_EQ(clipped.failure, dib::Failure::None);
    EXPECT_EQ(clipped.image.at(5, 2), kGreen);
}

TEST(DibReader, RefusesWhatIsNotThere)
{
    struct Case
    {
        const char* name;
        Bytes file;
        dib::Failure failure;
    };
    std::vector<Case> cases;
    const Bytes good = EightBit().file();
    Bytes oddHeader = good;
    oddHeader[14] = 20;
    cases.push_back({"header of 20 bytes", oddHeader, dib::Failure::NotADib});
    Bytes v5 = good;
    v5[14] = 124;
    cases.push_back({"header of 124 bytes", v5, dib::Failure::NotADib});
    cases.push_back({"BM and nothing more", {'B', 'M', 1, 2}, dib::Failure::NotADib});
    cases.push_back(
        {"ends inside the header", Bytes(good.begin(), good.begin() + 40), dib::Failure::NotADib});
    cases.push_back({"empty", {}, dib::Failure::NotADib});
    Bitmap manyColours = EightBit();
    manyColours.colourCount = 0x40000000;
    cases.push_back({"more colours than bytes", manyColours.file(), dib::Failure::NotADib});
    Bitmap huge = EightBit();
    huge.width = 0x7FFFFFFF;
    cases.push_back({"absurd width", huge.file(), dib::Failure::NotADib});
    Bitmap tooMany = EightBit();
    tooMany.width = 30000;
    tooMany.height = 30000;
    cases.push_back({"more pixels than allowed", tooMany.file(), dib::Failure::NotADib});
    Bitmap zero = EightBit();
    zero.width = 0;
    cases.push_back({"no width", zero.file(), dib::Failure::NotADib});
    Bitmap wrongRle = EightBit();
    wrongRle.compression = dib::Rle4;
    cases.push_back({"RLE4 at 8 bits", wrongRle.file(), dib::Failure::NotADib});
    Bitmap jpeg = EightBit();
    jpeg.compression = 4;
    cases.push_back({"a compression it cannot read", jpeg.file(), dib::Failure::NotADib});
    Bitmap noMasks = EightBit();
    noMasks.bitsPerPixel = 32;
    noMasks.compression = dib::BitFields;
    noMasks.colours.clear();
    noMasks.colourCount = 0;
    noMasks.pixels.clear();
    noMasks.fileHeader = false;
    cases.push_back({"masks missing", noMasks.file(), dib::Failure::NotADib});
    Bitmap twoBit = EightBit();
    twoBit.bitsPerPixel = 2;
    twoBit.colours.clear();
    twoBit.colourCount = 0;
    cases.push_back({"2 bits and no colours", twoBit.file(), dib::Failure::NoPalette});
    Bitmap shortPixels = EightBit();
    shortPixels.pixels.resize(7);
    cases.push_back({"pixels cut short", shortPixels.file(), dib::Failure::PixelsUnreadable});
    Bitmap farOffset = EightBit();
    farOffset.offset = 100000;
    cases.push_back(
        {"pixel offset past the end", farOffset.file(), dib::Failure::PixelsUnreadable});
    Bitmap rle;
    rle.compression = dib::Rle8;
    rle.colourCount = 2;
    rle.colours = {kRed, kGreen};
    rle.pixels = {2, 1, 0, 1};
    Bitmap rleFar = rle;
    rleFar.offset = 100000;
    cases.push_back({"RLE offset past the end", rleFar.file(), dib::Failure::RleUnreadable});
    Bitmap rleShort = rle;
    rleShort.imageSize = 400;
    cases.push_back({"RLE shorter than its size", rleShort.file(), dib::Failure::RleUnreadable});
    Bitmap rleNone = rle;
    rleNone.pixels = {2};
    cases.push_back({"RLE of one byte", rleNone.file(), dib::Failure::RleUnreadable});

    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const dib::Picture picture = Read(c.file);
        EXPECT_EQ(picture.failure, c.failure);
        EXPECT_TRUE(picture.image.pixels.empty());
    }
}

// Every cut of a good file reads as a failure or as the picture's size, never past the bytes.
TEST(DibReader, EveryTruncationIsSafe)
{
    Bitmap rle;
    rle.width = 5;
    rle.height = 4;
    rle.compression = dib::Rle8;
    rle.colourCount = 3;
    rle.colours = {kRed, kGreen, kBlue};
    rle.pixels = {3, 1, 0, 0, 0, 4, 0, 1, 2, 1, 0, 2, 1, 1, 5, 2, 0, 1};
    Bitmap core = EightBit();
    core.core = true;
    core.colours = std::vector<uint32_t>(256, kBlue);
    for (const Bytes& whole : {EightBit().file(), rle.file(), core.file()}) {
        for (size_t length = 0; length <= whole.size(); ++length) {
            const Bytes cut(whole.begin(), whole.begin() + std::ptrdiff_t(length));
            const dib::Picture picture = dib::Read(cut);
            if (picture.failure == dib::Failure::None) {
                EXPECT_EQ(picture.image.pixels.size(),
                          size_t(picture.image.width) * size_t(picture.image.height));
            }
        }
    }
}

// A clip as the emblem's files are laid out: header list, stream list, frames, index.
struct ClipFile
{
    int width = 2;
    int height = 2;
    uint32_t microseconds = 50000;
    uint32_t scale = 1;
    uint32_t rate = 10;
    uint32_t compression = dib::Rle8;
    bool soundFirst = false;
    bool recordLists = false;
    std::vector<Bytes> frames;

    static Bytes Chunk(const char* id, const Bytes& data)
    {
        Bytes out(id, id + 4);
        Put32(out, uint32_t(data.size()));
        Append(out, data);
        if (data.size() % 2) {
            out.push_back(0);
        }
        return out;
    }
    static Bytes List(const char* type, const Bytes& data)
    {
        Bytes body(type, type + 4);
        Append(body, data);
        return Chunk("LIST", body);
    }
    static Bytes StreamHeader(const char* type, uint32_t scale, uint32_t rate)
    {
        Bytes out(type, type + 4);
        Append(out, Bytes(16, 0));
        Put32(out, scale);
        Put32(out, rate);
        Append(out, Bytes(28, 0));
        return out;
    }

    Bytes file() const
    {
        Bytes avih;
        Put32(avih, microseconds);
        Append(avih, Bytes(52, 0));
        Bitmap format;
        format.width = width;
        format.height = height;
        format.compression = compression;
        format.colourCount = 4;
        format.colours = {kRed, kGreen, kBlue, kWhite};
        Bytes streams;
        if (soundFirst) {
            Append(streams, List("strl", Chunk("strh", StreamHeader("auds", 1, 8000))));
        }
        Bytes video = Chunk("strh", StreamHeader("vids", scale, rate));
        Append(video, Chunk("strf", format.info()));
        Append(streams, List("strl", video));
        Bytes headers = Chunk("avih", avih);
        Append(headers, streams);
        const char* id = soundFirst ? (compression == dib::Rle8 ? "01dc" : "01db")
                                    : (compression == dib::Rle8 ? "00dc" : "00db");
        Bytes movie;
        for (const Bytes& frame : frames) {
            Bytes chunk = Chunk(id, frame);
            if (soundFirst) {
                Append(movie, Chunk("00wb", Bytes(3, 0x80)));
            }
            Append(movie, recordLists ? List("rec ", chunk) : chunk);
        }
        Bytes body = {'A', 'V', 'I', ' '};
        Append(body, List("hdrl", headers));
        Append(body, List("movi", movie));
        Append(body, Chunk("idx1", Bytes(16 * frames.size(), 0)));
        return Chunk("RIFF", body);
    }
};

TEST(AviReader, PlaysRunLengthFramesOverTheOneBefore)
{
    ClipFile clip;
    clip.frames = {
        {2, 0, 0, 0, 2, 1, 0, 1},  // bottom red, top green
        {0, 2, 1, 1, 1, 2, 0, 1},  // skips to the top row's second pixel: blue
        {},                        // the same again
    };
    const auto read = avi::Read(clip.file());
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(read->width, 2);
    EXPECT_EQ(read->height, 2);
    EXPECT_EQ(read->frameMicroseconds, 50000);
    ASSERT_EQ(read->frames.size(), 3u);
    EXPECT_EQ(read->frames[0].pixels, (std::vector<uint32_t>{kGreen, kGreen, kRed, kRed}));
    EXPECT_EQ(read->frames[1].pixels, (std::vector<uint32_t>{kGreen, kBlue, kRed, kRed}));
    EXPECT_EQ(read->frames[2].pixels, read->frames[1].pixels);
}

TEST(AviReader, ReadsUncompressedFramesAfterASoundStreamAndInRecordLists)
{
    ClipFile clip;
    clip.compression = dib::Rgb;
    clip.soundFirst = true;
    clip.recordLists = true;
    clip.microseconds = 0;  // the stream's rate then gives the time: 1 / 10 s
    clip.frames = {{0, 1, 0, 0, 2, 3, 0, 0}, {3, 3, 0, 0, 3, 3, 0, 0}};
    const auto read = avi::Read(clip.file());
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(read->frameMicroseconds, 100000);
    ASSERT_EQ(read->frames.size(), 2u);
    EXPECT_EQ(read->frames[0].pixels, (std::vector<uint32_t>{kBlue, kWhite, kRed, kGreen}));
    EXPECT_EQ(read->frames[1].pixels, std::vector<uint32_t>(4, kWhite));
}

TEST(AviReader, RefusesOrShortensWhatItCannotPlay)
{
    ClipFile clip;
    clip.frames = {{2, 0, 0, 0, 2, 1, 0, 1}, {2, 3, 0, 1}};
    const Bytes whole = clip.file();

    ClipFile other = clip;
    other.compression = 0x64697663;  // a codec it does not have
    EXPECT_FALSE(avi::Read(other.file()).has_value());
    EXPECT_FALSE(avi::Read(Bytes{'R', 'I', 'F', 'F'}).has_value());
    Bytes wave = whole;
    wave[8] = 'W';
    EXPECT_FALSE(avi::Read(wave).has_value());
    // An uncompressed frame cut short ends the clip before it.
    ClipFile shortFrame = clip;
    shortFrame.compression = dib::Rgb;
    shortFrame.frames = {Bytes(8, 1), Bytes(5, 1)};
    ASSERT_TRUE(avi::Read(shortFrame.file()).has_value());
    EXPECT_EQ(avi::Read(shortFrame.file())->frames.size(), 1u);
    // A budget of six pixels holds one frame of four.
    EXPECT_EQ(avi::Read(whole, 6)->frames.size(), 1u);
    ClipFile fast = clip;
    fast.microseconds = 1;
    EXPECT_EQ(avi::Read(fast.file())->frameMicroseconds, avi::kFastestFrameMicroseconds);

    // Every cut of the file: nothing, or the frames that are whole.
    for (size_t length = 0; length < whole.size(); ++length) {
        const auto read = avi::Read(Bytes(whole.begin(), whole.begin() + std::ptrdiff_t(length)));
        if (read) {
            EXPECT_LE(read->frames.size(), 2u);
            for (const dib::Image& frame : read->frames) {
                EXPECT_EQ(frame.pixels.size(), 4u);
            }
        }
    }
}

Bytes FileBytes(const std::string& name)
{
    std::ifstream in(std::string(TAVO_PICTURES_DIR) + "/" + name, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

TEST(ShippedArtwork, ReadsAtItsSizes)
{
    const struct
    {
        const char* name;
        int width;
        int height;
    } pictures[] = {{"tb.bmp", 606, 454},  {"tb@2x.bmp", 1212, 908},
                    {"smtb.bmp", 100, 75}, {"smtb@2x.bmp", 200, 150},
                    {"flash.bmp", 50, 50}, {"flash@2x.bmp", 100, 100}};
    for (const auto& expected : pictures) {
        SCOPED_TRACE(expected.name);
        const dib::Picture picture = dib::Read(FileBytes(expected.name));
        ASSERT_EQ(picture.failure, dib::Failure::None);
        EXPECT_EQ(picture.image.width, expected.width);
        EXPECT_EQ(picture.image.height, expected.height);
        // Run-length encoded, and every pixel drawn.
        for (uint32_t pixel : picture.image.pixels) {
            ASSERT_EQ(pixel >> 24, 0xFFu);
        }
    }
    const auto clip = avi::Read(FileBytes("flash3.avi"));
    ASSERT_TRUE(clip.has_value());
    EXPECT_EQ(clip->frames.size(), 12u);
    EXPECT_EQ(clip->width, 128);
    EXPECT_EQ(clip->frameMicroseconds, 100000);
    EXPECT_NE(clip->frames[0].pixels, clip->frames[6].pixels);
}

}  // namespace
