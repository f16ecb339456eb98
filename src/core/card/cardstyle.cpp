#include "cardstyle.h"

#include "carddraw.h"
#include "platform/explaintexts.h"
#include "platform/numbers.h"
#include "platform/runtimeerror.h"
#include "platform/profiledocument.h"

#include <cmath>

namespace tarvello {

namespace {

using K = StyleKey;

constexpr std::array<StyleKey, 17> kKeys = {{
    {"chkSaveStyleIntoLayout", FontRoleId::Heading, K::SaveIntoLayout},
    {"txtAttackRollFontName", FontRoleId::AttackRoll, K::Name},
    {"txtAttackRollFontSize", FontRoleId::AttackRoll, K::Size},
    {"chkAttackRollFontBold", FontRoleId::AttackRoll, K::Bold},
    {"chkAttackRollFontItalic", FontRoleId::AttackRoll, K::Italic},
    {"chkAttackFontItalic", FontRoleId::Attack, K::Italic},
    {"chkAttackFontBold", FontRoleId::Attack, K::Bold},
    {"txtAttackFontSize", FontRoleId::Attack, K::Size},
    {"txtAttackFontName", FontRoleId::Attack, K::Name},
    {"txtDataFontName", FontRoleId::Data, K::Name},
    {"txtDataFontSize", FontRoleId::Data, K::Size},
    {"chkDataFontBold", FontRoleId::Data, K::Bold},
    {"chkDataFontItalic", FontRoleId::Data, K::Italic},
    {"txtHeadingFontName", FontRoleId::Heading, K::Name},
    {"txtHeadingFontSize", FontRoleId::Heading, K::Size},
    {"chkHeadingFontBold", FontRoleId::Heading, K::Bold},
    {"chkHeadingFontItalic", FontRoleId::Heading, K::Italic},
}};

const StyleKey &KeyOf(FontRoleId role, StyleKey::Kind kind)
{
    for (const StyleKey &key : kKeys) {
        if (key.kind == kind && (kind == K::SaveIntoLayout || key.role == role))
            return key;
    }
    return kKeys[0];
}

int &CheckOf(CardStyle &style, const StyleKey &key)
{
    if (key.kind == K::SaveIntoLayout)
        return style.SaveStyleIntoLayout;
    FontRole &role = style.Role(key.role);
    return key.kind == K::Bold ? role.Bold : role.Italic;
}

std::string &TextOf(CardStyle &style, const StyleKey &key)
{
    FontRole &role = style.Role(key.role);
    return key.kind == K::Name ? role.Name : role.Size;
}

bool IsText(const StyleKey &key)
{
    return key.kind == K::Name || key.kind == K::Size;
}

} // namespace

FontRole &CardStyle::Role(FontRoleId id)
{
    switch (id) {
    case FontRoleId::Heading: return Heading;
    case FontRoleId::Data: return Data;
    case FontRoleId::Attack: return Attack;
    case FontRoleId::AttackRoll: break;
    }
    return AttackRoll;
}

const FontRole &CardStyle::Role(FontRoleId id) const
{
    return const_cast<CardStyle *>(this)->Role(id);
}

CardStyle DefaultCardStyle(const std::string &fontName)
{
    CardStyle style;
    style.Heading = {fontName, "14", 1, 0};
    style.Data = {fontName, "8", 1, 0};
    style.Attack = {fontName, "8", 1, 0};
    style.AttackRoll = {fontName, "8", 1, 0};
    return style;
}

const std::array<StyleKey, 17> &StyleKeys()
{
    return kKeys;
}

std::string StyleValue(const CardStyle &style, const StyleKey &key)
{
    CardStyle &s = const_cast<CardStyle &>(style);
    if (IsText(key))
        return TextOf(s, key);
    return CheckOf(s, key) != 0 ? "1" : "0";
}

void WriteStyle(ProfileDocument &doc, const CardStyle &style)
{
    for (const StyleKey &key : kKeys)
        doc.Write(kStyleSection, key.name, StyleValue(style, key));
}

int CheckValue(std::string_view text)
{
    const double value = LeadingNumber(text);
    return (value != 0.0 && !std::isnan(value)) ? 1 : 0;
}

StyleFontCheck CheckStyleFont(const std::string &name, const FontExistsFn &fontExists,
                              const std::string &fallback)
{
    if (name.empty())
        return {fallback, true, {}};
    if (!fontExists(name)) {
        return {fallback, true,
                FillText(msg::kFontMissing, {name, fallback})};
    }
    return {name, false, {}};
}

CardStyle ReadFigureStyle(const ProfileDocument &doc, const FontExistsFn &fontExists,
                          const std::string &fallback, std::vector<std::string> &messages,
                          bool &substituted)
{
    CardStyle style = DefaultCardStyle(std::string());
    const auto check = [&](const char *key, const char *def) {
        const StyleKey *k = nullptr;
        for (const StyleKey &each : kKeys)
            k = (std::string_view(each.name) == key) ? &each : k;
        CheckOf(style, *k) = CheckValue(doc.Read(kStyleSection, key, def));
    };
    const auto size = [&](FontRoleId role, const char *def) {
        style.Role(role).Size = doc.Read(kStyleSection, KeyOf(role, K::Size).name, def);
    };
    check("chkSaveStyleIntoLayout", "0");
    size(FontRoleId::AttackRoll, "8");
    check("chkAttackRollFontBold", "1");
    check("chkAttackRollFontItalic", "0");
    check("chkAttackFontItalic", "0");
    check("chkAttackFontBold", "1");
    size(FontRoleId::Attack, "8");
    size(FontRoleId::Data, "8");
    check("chkDataFontBold", "1");
    check("chkDataFontItalic", "0");
    size(FontRoleId::Heading, "14");
    check("chkHeadingFontBold", "1");
    check("chkHeadingFontItalic", "0");
    for (FontRoleId role : {FontRoleId::Heading, FontRoleId::AttackRoll, FontRoleId::Attack,
                            FontRoleId::Data}) {
        const std::string name = doc.Read(kStyleSection, KeyOf(role, K::Name).name, "");
        StyleFontCheck checked = CheckStyleFont(name, fontExists, fallback);
        substituted = substituted || checked.substituted;
        if (!checked.message.empty())
            messages.push_back(std::move(checked.message));
        style.Role(role).Name = std::move(checked.name);
    }
    return style;
}

namespace {

struct NamedRole
{
    FontRoleId role;
    const char *name;
    int fallback;
};

constexpr NamedRole kNamedRoles[] = {{FontRoleId::Heading, "heading", 14},
                                     {FontRoleId::Data, "data", 8},
                                     {FontRoleId::Attack, "attack", 8},
                                     {FontRoleId::AttackRoll, "attack roll", 8}};

bool Drawable(const std::string &size)
{
    try {
        (void)FontSizeOf(size);
        return true;
    } catch (const RuntimeError &) {
        return false;
    }
}

} // namespace

CardStyle DrawableStyle(const CardStyle &style)
{
    CardStyle drawn = style;
    for (const NamedRole &named : kNamedRoles) {
        FontRole &role = drawn.Role(named.role);
        if (!Drawable(role.Size))
            role.Size = std::to_string(named.fallback);
    }
    return drawn;
}

std::string UndrawableSizesNotice(const CardStyle &style)
{
    std::string named;
    for (const NamedRole &each : kNamedRoles) {
        const std::string &size = style.Role(each.role).Size;
        if (Drawable(size))
            continue;
        named += std::string(named.empty() ? "" : ", ") + each.name + " \"" + size.substr(0, 32)
                 + "\" (drawn at " + std::to_string(each.fallback) + ")";
    }
    if (named.empty())
        return {};
    return FillText(msg::kUndrawableSizes, {named});
}

std::string NoStyleNotice(const std::string &path)
{
    return FillText(msg::kNoStyle, {path});
}

CardStyle ReadStyleFile(const ProfileDocument &doc, const std::string &fallback)
{
    CardStyle style;
    for (const StyleKey &key : kKeys) {
        if (!IsText(key)) {
            CheckOf(style, key) = CheckValue(doc.Read(kStyleSection, key.name, "0"));
            continue;
        }
        std::string text = doc.Read(kStyleSection, key.name, "");
        if (text.empty())
            text = key.kind == K::Name ? fallback : "14";
        TextOf(style, key) = std::move(text);
    }
    return style;
}

} // namespace tarvello
