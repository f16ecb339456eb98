#include "picturechoice.h"
#include "picture.h"
#include "platform/explaintexts.h"

#include "platform/numbers.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace tarvello {

namespace {

std::uint32_t Little(std::string_view bytes, std::size_t at, int width)
{
    std::uint32_t value = 0;
    for (int i = width - 1; i >= 0; --i)
        value = value << 8 | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
    return value;
}

// The bytes a bitmap needs: its pixel offset plus its rows (or its declared
// compressed size); 0 when its headers are cut short.
std::uint64_t BitmapLength(std::string_view bytes)
{
    if (bytes.size() < 26)
        return 0;
    const std::uint64_t offset = Little(bytes, 10, 4);
    const std::uint32_t header = Little(bytes, 14, 4);
    std::int64_t width = 0;
    std::int64_t height = 0;
    std::uint32_t bits = 0;
    std::uint32_t compression = 0;
    std::uint64_t imageSize = 0;
    if (header == 12) { // the old core header: 16-bit sizes
        width = Little(bytes, 18, 2);
        height = Little(bytes, 20, 2);
        bits = Little(bytes, 24, 2);
    } else {
        if (bytes.size() < 38)
            return 0;
        width = static_cast<std::int32_t>(Little(bytes, 18, 4));
        height = static_cast<std::int32_t>(Little(bytes, 22, 4));
        bits = Little(bytes, 28, 2);
        compression = Little(bytes, 30, 4);
        imageSize = Little(bytes, 34, 4);
    }
    // Run-length coded rows (1, 2) end where their declared size says.
    if (compression == 1 || compression == 2)
        return offset + std::max<std::uint64_t>(imageSize, 1);
    const std::uint64_t stride = (static_cast<std::uint64_t>(std::llabs(width)) * bits + 31) / 32 * 4;
    return offset + stride * static_cast<std::uint64_t>(std::llabs(height));
}

// True when the JPEG's markers lead to its end marker: each segment within
// the file, each scan's coded data followed by a marker.
bool JpegEnds(std::string_view bytes)
{
    const auto at = [&bytes](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
    const std::size_t n = bytes.size();
    std::size_t i = 2;
    while (i < n) {
        if (at(i) != 0xFF) { // stray bytes between segments are passed over
            ++i;
            continue;
        }
        while (i < n && at(i) == 0xFF)
            ++i;
        if (i >= n)
            return false;
        const unsigned char marker = at(i++);
        if (marker == 0xD9)
            return true;
        if (marker == 0x01 || marker == 0xD8 || (marker >= 0xD0 && marker <= 0xD7))
            continue;
        if (i + 2 > n)
            return false;
        i += std::size_t(at(i)) << 8 | at(i + 1);
        if (marker != 0xDA)
            continue;
        // Coded data: FF 00 is a data byte, FF D0..D7 a restart.
        while (i + 1 < n
               && !(at(i) == 0xFF && at(i + 1) != 0 && at(i + 1) != 0xFF
                    && (at(i + 1) < 0xD0 || at(i + 1) > 0xD7)))
            ++i;
    }
    return false;
}

} // namespace

bool FitsFigureFile(PixelSize size)
{
    return size.width >= 0 && size.height >= 0 && size.width <= kMaxPictureSide
           && size.height <= kMaxPictureSide
           && static_cast<long long>(size.width) * size.height <= kMaxPicturePixels;
}

PixelSize CardPictureSize(PixelSize size)
{
    if (size.width <= kCardPictureWidth && size.height <= kCardPictureHeight)
        return size;
    const double w = size.width;
    const double h = size.height;
    const auto side = [](double value) { return std::max(1, static_cast<int>(RoundHalfEven(value))); };
    // Width-bound when w / h >= 709 / 992.
    if (w * kCardPictureHeight >= h * kCardPictureWidth)
        return {kCardPictureWidth, side(h * kCardPictureWidth / w)};
    return {side(w * kCardPictureHeight / h), kCardPictureHeight};
}

PictureOffer OfferPicture(PixelSize size)
{
    PictureOffer offer;
    offer.scaled = CardPictureSize(size);
    offer.ask = offer.scaled != size;
    offer.keepWhole = FitsFigureFile(size);
    if (!offer.ask)
        return offer;
    offer.question = msg::FillFileText(msg::kScalePicture,
                                       {std::to_string(size.width), std::to_string(size.height),
                                        std::to_string(offer.scaled.width),
                                        std::to_string(offer.scaled.height)});
    if (!offer.keepWhole)
        offer.question += "\r\n"
                          + msg::FillFileText(TV_TR("Core", "A figure file holds at most 4096 × 4096 "
                                                            "pixels: No keeps the figure's picture as "
                                                            "it is."),
                                              {});
    return offer;
}

std::string PictureFileShortfall(std::string_view bytes)
{
    if (bytes.substr(0, 2) == "BM") {
        const std::uint64_t needed = BitmapLength(bytes);
        if (needed == 0)
            return TV_TR("Core", "The file ends inside the bitmap's headers.");
        if (bytes.size() < needed)
            return FillText(msg::kFileEndsAfter, {std::to_string(bytes.size()), std::to_string(needed)});
    } else if (bytes.substr(0, 2) == "\xFF\xD8" && !JpegEnds(bytes)) {
        return TV_TR("Core", "The file ends before its picture does.");
    }
    return {};
}

Failure PictureRefused(const std::string &path, std::string description)
{
    return {FillText(msg::kPictureUnreadable, {path}), std::move(description),
            FailureKind::CannotRead};
}

} // namespace tarvello
