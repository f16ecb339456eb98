// Reads arbitrary bytes as a style file and as a figure file's CardLayout and
// Style sections, then draws a card with what was read: reading never fails,
// names and sizes are never empty, layout values stay in their range, a style
// written out reads back the same, and drawing never throws.
#include "card/carddraw.h"
#include "card/cardlayout.h"
#include "card/cardstyle.h"
#include "platform/profiledocument.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// A target that measures everything as 100 twips and throws for the font
// names it was told are missing, as a real target may.
class NullTarget : public tarvello::ICardTarget
{
public:
    bool IsPrinter() const override { return false; }
    double PixelTwips() const override { return 15; }
    void Clear() override {}
    void SetFont(const std::string &name, int size, bool, bool) override
    {
        if (name.empty() || size < 1 || size > 2160)
            std::abort();
    }
    double TextWidth(std::string_view) override { return 100; }
    double TextHeight(std::string_view) override { return 100; }
    void SetCursor(double, double) override {}
    void Print(std::string_view) override {}
    void SetLineWidth(int) override {}
    void Line(double, double, double, double) override {}
    void Box(double, double, double, double) override {}
    void DrawPicture(tarvello::CardPicture, double, double, double, double) override {}
};

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

void CheckLayout(const tarvello::CardRect &r)
{
    for (std::int32_t v : {r.Left, r.Top, r.Width, r.Height})
        Check(v >= -32768 && v <= tarvello::kLayoutLimit);
    Check(r.Width >= 0 && r.Height >= 0);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace tarvello;
    const ProfileDocument doc =
        ProfileDocument::Parse(std::string_view(reinterpret_cast<const char *>(data), size));
    const FontExistsFn exists = [](const std::string &name) { return name.size() % 2 == 0; };

    std::vector<std::string> messages;
    bool substituted = false;
    const CardStyle figureStyle = ReadFigureStyle(doc, exists, "Card", messages, substituted);
    for (FontRoleId role : {FontRoleId::Heading, FontRoleId::Data, FontRoleId::Attack,
                            FontRoleId::AttackRoll})
        Check(figureStyle.Role(role).Name == "Card" || exists(figureStyle.Role(role).Name));

    const CardStyle fileStyle = ReadStyleFile(doc, "Card");
    for (FontRoleId role : {FontRoleId::Heading, FontRoleId::Data, FontRoleId::Attack,
                            FontRoleId::AttackRoll})
        Check(!fileStyle.Role(role).Name.empty() && !fileStyle.Role(role).Size.empty());
    ProfileDocument written;
    WriteStyle(written, fileStyle);
    Check(ReadStyleFile(ProfileDocument::Parse(written.ToText()), "Card") == fileStyle);

    const CardRect layout = ReadCardLayout(doc);
    CheckLayout(layout);
    CheckLayout(Grown(layout));
    CheckLayout(Shrunk(layout));

    clsFigure figure;
    figure.Name = doc.Read("Figure", "txtFigureName", "");
    figure.Armor = doc.Read("Figure", "cboArmorType", "");
    figure.Attacks.resize(3);
    NullTarget target;
    for (const CardStyle *style : {&figureStyle, &fileStyle}) {
        CardScene scene;
        scene.figure = &figure;
        scene.style = style;
        scene.image = layout;
        scene.hasFigurePicture = true;
        DrawCard(target, scene);
    }
    return 0;
}
