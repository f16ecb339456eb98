#include "cardlayout.h"

#include "platform/numbers.h"
#include "platform/profiledocument.h"

#include <cmath>
#include <string>

namespace tarvello {

namespace {

std::int32_t Scaled(std::int32_t side, double factor)
{
    const double scaled = std::trunc(double(side) * factor);
    if (scaled < 1.0 || scaled > double(kLayoutLimit))
        return side;
    return std::int32_t(scaled);
}

CardRect Scale(CardRect rect, double factor)
{
    rect.Height = Scaled(rect.Height, factor);
    rect.Width = Scaled(rect.Width, factor);
    return rect;
}

} // namespace

std::int32_t LayoutValue(std::string_view text, bool isSize)
{
    const double value = RoundHalfEven(LeadingNumber(text));
    if (!std::isfinite(value) || value < -32768.0 || value > double(kLayoutLimit))
        return 0;
    if (isSize && value < 0.0)
        return 0;
    return std::int32_t(value);
}

CardRect ReadCardLayout(const ProfileDocument &doc)
{
    CardRect rect;
    rect.Height = LayoutValue(doc.Read(kCardLayoutSection, "Height", "0"), true);
    rect.Width = LayoutValue(doc.Read(kCardLayoutSection, "Width", "0"), true);
    rect.Left = LayoutValue(doc.Read(kCardLayoutSection, "Left", "0"), false);
    rect.Top = LayoutValue(doc.Read(kCardLayoutSection, "Top", "0"), false);
    return rect;
}

void WriteCardLayout(ProfileDocument &doc, const CardRect &rect)
{
    doc.Write(kCardLayoutSection, "Height", std::to_string(rect.Height));
    doc.Write(kCardLayoutSection, "Width", std::to_string(rect.Width));
    doc.Write(kCardLayoutSection, "Left", std::to_string(rect.Left));
    doc.Write(kCardLayoutSection, "Top", std::to_string(rect.Top));
}

CardRect Grown(CardRect rect)
{
    return Scale(rect, 1.1);
}

CardRect Shrunk(CardRect rect)
{
    return Scale(rect, 0.9);
}

} // namespace tarvello
