#include "avireader.h"

#include <algorithm>

namespace avi {

namespace {

constexpr uint32_t FourCc(const char (&text)[5])
{
    return uint32_t(uint8_t(text[0])) | uint32_t(uint8_t(text[1])) << 8 |
           uint32_t(uint8_t(text[2])) << 16 | uint32_t(uint8_t(text[3])) << 24;
}

uint32_t U32(std::span<const uint8_t> bytes, size_t at)
{
    return uint32_t(bytes[at]) | uint32_t(bytes[at + 1]) << 8 | uint32_t(bytes[at + 2]) << 16 |
           uint32_t(bytes[at + 3]) << 24;
}

struct Chunk
{
    uint32_t id = 0;
    uint32_t listType = 0;  // for a LIST: its type; the data then starts after it
    std::span<const uint8_t> data;
};

// The chunks one after another; a chunk that claims more than is left gets what is left.
class Chunks
{
public:
    explicit Chunks(std::span<const uint8_t> bytes) : m_bytes(bytes) {}

    bool next(Chunk& chunk)
    {
        if (m_bytes.size() - m_at < 8) {
            return false;
        }
        chunk.id = U32(m_bytes, m_at);
        const size_t size = std::min<size_t>(U32(m_bytes, m_at + 4), m_bytes.size() - m_at - 8);
        chunk.data = m_bytes.subspan(m_at + 8, size);
        chunk.listType = 0;
        if (chunk.id == FourCc("LIST") && size >= 4) {
            chunk.listType = U32(chunk.data, 0);
            chunk.data = chunk.data.subspan(4);
        }
        m_at = std::min(m_bytes.size(), m_at + 8 + size + size % 2);
        return true;
    }

private:
    std::span<const uint8_t> m_bytes;
    size_t m_at = 0;
};

// A frame chunk's id: two digits of the stream number, then "db" (whole) or "dc" (compressed).
bool IsFrameOf(uint32_t id, int stream)
{
    const char tens = char('0' + stream / 10);
    const char ones = char('0' + stream % 10);
    const uint32_t number = uint32_t(uint8_t(tens)) | uint32_t(uint8_t(ones)) << 8;
    const uint32_t kind = id >> 16;
    return (id & 0xFFFF) == number &&
           (kind == (FourCc("00db") >> 16) || kind == (FourCc("00dc") >> 16));
}

struct StreamFormat
{
    int stream = -1;
    dib::Format format;
    uint32_t scale = 0;
    uint32_t rate = 0;
};

// The first video stream of the header list, and the clip's frame time.
StreamFormat ReadHeaders(std::span<const uint8_t> headers, uint32_t& microsecondsPerFrame,
                         size_t maxPixels)
{
    StreamFormat video;
    Chunks chunks(headers);
    Chunk chunk;
    int streams = 0;
    while (chunks.next(chunk)) {
        if (chunk.id == FourCc("avih") && chunk.data.size() >= 4) {
            microsecondsPerFrame = U32(chunk.data, 0);
        }
        if (chunk.id != FourCc("LIST") || chunk.listType != FourCc("strl")) {
            continue;
        }
        const int stream = streams++;
        if (video.stream >= 0) {
            continue;
        }
        Chunks parts(chunk.data);
        Chunk part;
        bool isVideo = false;
        StreamFormat candidate;
        bool formatRead = false;
        while (parts.next(part)) {
            if (part.id == FourCc("strh") && part.data.size() >= 28) {
                isVideo = U32(part.data, 0) == FourCc("vids");
                candidate.scale = U32(part.data, 20);
                candidate.rate = U32(part.data, 24);
            } else if (part.id == FourCc("strf")) {
                size_t used = 0;
                formatRead = dib::ReadInfo(part.data, candidate.format, used, maxPixels) ==
                             dib::Failure::None;
            }
        }
        if (isVideo && formatRead && stream < 100) {
            candidate.stream = stream;
            video = std::move(candidate);
        }
    }
    return video;
}

int FrameMicroseconds(uint32_t microsecondsPerFrame, const StreamFormat& video)
{
    uint64_t time = microsecondsPerFrame;
    if (time == 0 && video.rate != 0) {
        time = uint64_t(video.scale) * 1000000 / video.rate;
    }
    if (time == 0) {
        return kDefaultFrameMicroseconds;
    }
    return int(std::clamp<uint64_t>(time, kFastestFrameMicroseconds, 10000000));
}

class FrameReader
{
public:
    FrameReader(const StreamFormat& video, Clip& clip, size_t maxPixels)
        : m_video(video), m_clip(clip), m_maxFrames(maxPixels / (size_t(clip.width) * clip.height))
    {
    }

    // Reads the frames of a "movi" list, and of a "rec " list inside it.
    void readList(std::span<const uint8_t> bytes, bool nested)
    {
        Chunks chunks(bytes);
        Chunk chunk;
        while (!m_done && chunks.next(chunk)) {
            if (!nested && chunk.id == FourCc("LIST") && chunk.listType == FourCc("rec ")) {
                readList(chunk.data, true);
            } else if (IsFrameOf(chunk.id, m_video.stream)) {
                addFrame(chunk.data);
            }
        }
    }

private:
    void addFrame(std::span<const uint8_t> data)
    {
        if (m_clip.frames.size() >= m_maxFrames) {
            m_done = true;
            return;
        }
        dib::Image frame;
        if (m_clip.frames.empty()) {
            frame.width = m_clip.width;
            frame.height = m_clip.height;
            frame.pixels.assign(size_t(frame.width) * size_t(frame.height), 0);
        } else {
            frame = m_clip.frames.back();
        }
        // An empty chunk repeats the frame before; a frame that cannot be read ends the clip.
        if (!data.empty() && dib::DecodePixels(m_video.format, data, frame) != dib::Failure::None) {
            m_done = true;
            return;
        }
        m_clip.frames.push_back(std::move(frame));
    }

    const StreamFormat& m_video;
    Clip& m_clip;
    size_t m_maxFrames;
    bool m_done = false;
};

}  // namespace

std::optional<Clip> Read(std::span<const uint8_t> file, size_t maxPixels)
{
    if (file.size() < 12 || U32(file, 0) != FourCc("RIFF") || U32(file, 8) != FourCc("AVI ")) {
        return std::nullopt;
    }
    const size_t riffSize = std::max<size_t>(U32(file, 4), 4);
    const auto body = file.subspan(12, std::min(riffSize - 4, file.size() - 12));
    std::span<const uint8_t> headers;
    std::span<const uint8_t> movie;
    Chunks chunks(body);
    Chunk chunk;
    while (chunks.next(chunk)) {
        if (chunk.id == FourCc("LIST") && chunk.listType == FourCc("hdrl")) {
            headers = chunk.data;
        } else if (chunk.id == FourCc("LIST") && chunk.listType == FourCc("movi")) {
            movie = chunk.data;
        }
    }
    uint32_t microsecondsPerFrame = 0;
    const StreamFormat video = ReadHeaders(headers, microsecondsPerFrame, maxPixels);
    const uint32_t compression = video.format.compression;
    if (video.stream < 0 || (compression != dib::Rgb && compression != dib::Rle8)) {
        return std::nullopt;
    }
    Clip clip;
    clip.width = video.format.width;
    clip.height = video.format.height;
    clip.frameMicroseconds = FrameMicroseconds(microsecondsPerFrame, video);
    FrameReader(video, clip, maxPixels).readList(movie, false);
    if (clip.frames.empty()) {
        return std::nullopt;
    }
    return clip;
}

}  // namespace avi
