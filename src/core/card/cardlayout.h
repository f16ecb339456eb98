#pragma once

#include <cstdint>
#include <string_view>

// The card's layout: where the figure picture lies on the card, in twips,
// and the figure file's CardLayout section that keeps it.
namespace tarvello {

class ProfileDocument;

struct CardRect
{
    std::int32_t Left = 0;
    std::int32_t Top = 0;
    std::int32_t Width = 0;
    std::int32_t Height = 0;

    bool operator==(const CardRect &) const = default;
};

// The picture's place on a new card.
inline constexpr CardRect kInitialImageRect{540, 360, 1395, 1815};

inline constexpr const char *kCardLayoutSection = "CardLayout";

// The largest position or size a layout holds; the position scroll bars end
// there too.
inline constexpr std::int32_t kLayoutLimit = 32767;

// The saved layout of a figure file, each value 0 when not set. A value that
// is not a whole number within -32768 ... 32767 (and a width or height that
// is not positive) counts as not set.
CardRect ReadCardLayout(const ProfileDocument &doc);

// Writes "Height", "Width", "Left", "Top" in that order.
void WriteCardLayout(ProfileDocument &doc, const CardRect &rect);

// A value of a CardLayout key as a layout value (0 = not set).
std::int32_t LayoutValue(std::string_view text, bool isSize);

// "+" and "-": height, then width, times 1.1 or 0.9, integer parts; the
// top-left corner stays. A side that would leave 1 ... kLayoutLimit keeps
// its size.
CardRect Grown(CardRect rect);
CardRect Shrunk(CardRect rect);

} // namespace tarvello
