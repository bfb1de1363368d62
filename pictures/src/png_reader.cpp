#include "pictures/png_reader.h"

#include <array>
#include <climits>
#include <cstring>
#include <memory>
#include <vector>

#include "pictures/dib_format.h"

namespace {

// stb_image copies zero bytes to a null pointer where a PNG's first data
// chunk is empty, which C leaves undefined; its copies come through here.
void* CopyBytes(void* to, const void* from, std::size_t count) {
    return count == 0 ? to : std::memcpy(to, from, count);
}

}  // namespace

// The one place the decoder is compiled. Files are read by the callers, so
// it needs no stdio; the side limit keeps a forged header from asking for
// more memory than any skin picture.
#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#define STBI_NO_STDIO
#define STBI_NO_LINEAR
#define STBI_FAILURE_USERMSG
#define STBI_MAX_DIMENSIONS 4096
#define memcpy CopyBytes
#include <stb/stb_image.h>
#undef memcpy

namespace pictures {
namespace {

using Word = std::array<std::uint8_t, 4>;

constexpr std::uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr std::size_t kPaletteBytes = 256 * 3;

std::uint32_t bigEndian(const Word& w) {
    return std::uint32_t{w[0]} << 24 | std::uint32_t{w[1]} << 16 | std::uint32_t{w[2]} << 8 | w[3];
}

struct Chunk {
    std::uint64_t at;  // its length field
    std::uint32_t length;
    Word type;
};

// Every chunk up to IEND. stb_image sizes its buffer for a chunk from the
// chunk's length before reading it, so a file reaches it only once every
// chunk is seen to lie inside.
std::optional<std::vector<Chunk>> readChunks(const Bytes& file, std::string& why) {
    if (file.size() > static_cast<std::size_t>(INT_MAX)) {
        why = "too large for a PNG file";
        return std::nullopt;
    }
    if (file.size() < sizeof kSignature || std::memcmp(file.data(), kSignature, sizeof kSignature) != 0) {
        why = "not a PNG file (no PNG signature)";
        return std::nullopt;
    }
    std::vector<Chunk> chunks;
    for (std::uint64_t at = sizeof kSignature;;) {
        const std::optional<Word> length = dib::readAt<Word>(file.data(), file.size(), at);
        const std::optional<Word> type = dib::readAt<Word>(file.data(), file.size(), at + 4);
        if (!length || !type) {
            why = "not a readable PNG file: it ends before its IEND chunk";
            return std::nullopt;
        }
        // A length below 2^32 and a file below 2^31 bytes: no sum overflows.
        const Chunk chunk{at, bigEndian(*length), *type};
        if (at + 12 + chunk.length > file.size()) {
            why = "not a readable PNG file: the chunk at offset " + std::to_string(at) + " runs past the end";
            return std::nullopt;
        }
        chunks.push_back(chunk);
        if (std::memcmp(type->data(), "IEND", 4) == 0) return chunks;
        at += 12 + chunk.length;
    }
}

// A copy of the file whose palettes are filled out to 256 entries of `pad`.
// stb_image leaves the entries a palette does not give unset, and an index
// past the palette would read them.
Bytes withFullPalettes(const Bytes& file, const std::vector<Chunk>& chunks, std::uint8_t pad) {
    Bytes out(file.begin(), file.begin() + sizeof kSignature);
    for (const Chunk& c : chunks) {
        const auto begin = file.begin() + static_cast<std::ptrdiff_t>(c.at);
        const auto end = begin + 12 + c.length;
        const bool fillOut = std::memcmp(c.type.data(), "PLTE", 4) == 0 && c.length % 3 == 0 && c.length < kPaletteBytes;
        if (!fillOut) {
            out.insert(out.end(), begin, end);
            continue;
        }
        out.insert(out.end(), {0, 0, kPaletteBytes >> 8, kPaletteBytes & 0xFF});
        out.insert(out.end(), begin + 4, end - 4);  // type and entries
        out.insert(out.end(), kPaletteBytes - c.length, pad);
        out.insert(out.end(), end - 4, end);  // the CRC, which stb_image does not check
    }
    return out;
}

void failed(std::string& why) {
    const char* reason = stbi_failure_reason();
    why = std::string("not a readable PNG file: ") + (reason != nullptr && *reason != '\0' ? reason : "malformed");
}

std::optional<Image> decode(const Bytes& file, std::string& why) {
    // Not every failure names its reason; an earlier file's must not stand for it.
    stbi__g_failure_reason = nullptr;
    int width = 0, height = 0, channels = 0;
    const std::unique_ptr<stbi_uc, void (*)(void*)> rgba(
        stbi_load_from_memory(file.data(), static_cast<int>(file.size()), &width, &height, &channels, 4),
        &stbi_image_free);
    if (!rgba) {
        failed(why);
        return std::nullopt;
    }
    Image image(width, height);
    for (std::size_t i = 0; i < image.pixels().size(); ++i) {
        const stbi_uc* p = rgba.get() + 4 * i;
        image.pixels()[i] = Pixel{Rgb{p[0], p[1], p[2]}, p[3]};
    }
    return image;
}

}  // namespace

std::optional<PngSize> readPngSize(const Bytes& file, std::string& why) {
    if (!readChunks(file, why)) return std::nullopt;
    stbi__g_failure_reason = nullptr;
    PngSize size;
    int channels = 0;
    if (stbi_info_from_memory(file.data(), static_cast<int>(file.size()), &size.width, &size.height, &channels) == 0) {
        failed(why);
        return std::nullopt;
    }
    return size;
}

std::optional<Image> readPngFile(const Bytes& file, std::string& why) {
    const std::optional<std::vector<Chunk>> chunks = readChunks(file, why);
    if (!chunks) return std::nullopt;
    // Read with the palettes filled out in black and in white: a pixel that
    // differs is an index past its palette.
    const std::optional<Image> black = decode(withFullPalettes(file, *chunks, 0), why);
    if (!black) return std::nullopt;
    const std::optional<Image> white = decode(withFullPalettes(file, *chunks, 0xFF), why);
    for (std::size_t i = 0; white && i < black->pixels().size(); ++i)
        if (!(black->pixels()[i] == white->pixels()[i])) {
            why = "not a readable PNG file: pixel " + std::to_string(i % black->width()) + "," +
                  std::to_string(i / black->width()) + " is an index past the palette";
            return std::nullopt;
        }
    return black;
}

}  // namespace pictures
