#include "unitcardmodel.h"

#include "platform/messagetexts.h"

#include "platform/fileio.h"
#include "platform/numbers.h"
#include "platform/profiledocument.h"
#include "platform/runtimeerror.h"

#include <filesystem>
#include <optional>
#include <system_error>
#include <utility>

namespace tarvello {

namespace {

constexpr int kDesignWidth = 10515;
constexpr int kNarrowWidth = 5655;

bool FileExists(const std::string &path)
{
    std::error_code ec;
    return std::filesystem::exists(path, ec);
}

// The document of a file about to be changed: empty for a new file; the
// failure's description when the file exists but cannot be read.
std::optional<ProfileDocument> LoadForChange(const std::string &path, std::string &error)
{
    ProfileDocument doc;
    if (!FileExists(path))
        return doc;
    if (const Status loaded = doc.Load(path); !loaded) {
        error = loaded.failure().description;
        return std::nullopt;
    }
    return doc;
}

// The undo step of a change to one of the four fonts.
std::string FontStepName(FontRoleId role)
{
    switch (role) {
    case FontRoleId::Heading: return TV_TR("Core", "Change Heading Font");
    case FontRoleId::Data: return TV_TR("Core", "Change Data Font");
    case FontRoleId::Attack: return TV_TR("Core", "Change Attack Font");
    case FontRoleId::AttackRoll: return TV_TR("Core", "Change Attack Roll Font");
    }
    return TV_TR("Core", "Change Font");
}

} // namespace

UnitCardModel::UnitCardModel(std::string defaultFont)
    : m_defaultFont(std::move(defaultFont))
    , m_style(DefaultCardStyle(m_defaultFont))
{
    m_history.Reset(Snapshot());
}

std::vector<std::string> UnitCardModel::LoadFigure(clsFigure figure,
                                                   const FontExistsFn &fontExists)
{
    m_figure = std::move(figure);
    std::vector<std::string> messages;
    if (!m_figure.ImageFile.empty()) {
        if (m_figure.ImageLeft != 0)
            m_image.Left = m_figure.ImageLeft;
        if (m_figure.ImageTop != 0)
            m_image.Top = m_figure.ImageTop;
        if (m_figure.ImageWidth != 0)
            m_image.Width = m_figure.ImageWidth;
        if (m_figure.ImageHeight != 0)
            m_image.Height = m_figure.ImageHeight;
    }
    if (!m_figure.UnitFile.empty()) {
        ProfileDocument doc;
        // An unreadable figure file reads as one without a saved style: the
        // defaults apply.
        (void)doc.Load(m_figure.UnitFile);
        // A substituted font marks the style changed, but opening the card
        // ends with the style unchanged in any case.
        bool substituted = false;
        m_style = ReadFigureStyle(doc, fontExists, m_defaultFont, messages, substituted);
        if (std::string sizes = UndrawableSizesNotice(m_style); !sizes.empty())
            messages.push_back(std::move(sizes));
    }
    m_styleChanged = false;
    m_layoutChanged = false;
    m_savedStyle.reset();
    m_savedImage.reset();
    m_history.Reset(Snapshot());
    return messages;
}

void UnitCardModel::Grow()
{
    m_image = Grown(m_image);
    m_layoutChanged = true;
    Step(TV_TR("Core", "Enlarge Picture"));
}

void UnitCardModel::Shrink()
{
    m_image = Shrunk(m_image);
    m_layoutChanged = true;
    Step(TV_TR("Core", "Reduce Picture"));
}

void UnitCardModel::SetLeft(int left)
{
    m_image.Left = left;
    m_layoutChanged = true;
    Step(TV_TR("Core", "Move Picture"), "left");
}

void UnitCardModel::SetTop(int top)
{
    m_image.Top = top;
    m_layoutChanged = true;
    Step(TV_TR("Core", "Move Picture"), "top");
}

void UnitCardModel::MovePicture(int left, int top, const std::string &mergeKey)
{
    m_image.Left = left;
    m_image.Top = top;
    m_layoutChanged = true;
    Step(TV_TR("Core", "Move Picture"), mergeKey);
}

void UnitCardModel::SetStyleValue(const StyleKey &key, const std::string &value)
{
    FontRole &role = m_style.Role(key.role);
    switch (key.kind) {
    case StyleKey::SaveIntoLayout: m_style.SaveStyleIntoLayout = CheckValue(value); break;
    case StyleKey::Name: role.Name = value; break;
    case StyleKey::Size: role.Size = value; break;
    case StyleKey::Bold: role.Bold = CheckValue(value); break;
    case StyleKey::Italic: role.Italic = CheckValue(value); break;
    }
    // Typing into a name or size box is one step; each click on a check box
    // is one.
    const bool typed = key.kind == StyleKey::Name || key.kind == StyleKey::Size;
    if (key.kind == StyleKey::SaveIntoLayout)
        Step(TV_TR("Core", "Change Style"));
    else
        Step(FontStepName(key.role), typed ? key.name : std::string());
}

Result<CardFontChoice> UnitCardModel::FontPreset(FontRoleId id) const
{
    const FontRole &role = m_style.Role(id);
    std::optional<double> size = LocaleNumber(role.Size, '.');
    if (!size)
        size = LocaleNumber(role.Size, ',');
    if (!size)
        return Failure{TV_TR("Core", "Error in changing style!"), errtext::kTypeMismatch};
    return CardFontChoice{role.Name, *size, role.Bold != 0, role.Italic != 0};
}

void UnitCardModel::ApplyFont(FontRoleId id, const CardFontChoice &chosen, char decimalMark)
{
    if (chosen.name.empty())
        return;
    FontRole &role = m_style.Role(id);
    role.Name = chosen.name;
    role.Size = NumberText(chosen.size, decimalMark);
    role.Bold = chosen.bold ? 1 : 0;
    role.Italic = chosen.italic ? 1 : 0;
    m_styleChanged = true;
    Step(FontStepName(id));
}

Status UnitCardModel::SaveStyle(const std::string &path)
{
    const std::string sentence = FillText(msg::kErrorSavingStyle, {path});
    std::string error;
    std::optional<ProfileDocument> doc = LoadForChange(path, error);
    if (!doc)
        return Failure{sentence, error, FailureKind::CannotWrite};
    WriteStyle(*doc, m_style);
    if (const Status saved = doc->Save(path); !saved)
        return Failure{sentence, saved.failure().description, FailureKind::CannotWrite};
    m_styleChanged = false;
    m_savedStyle = m_style;
    SavedNow();
    return {};
}

Result<std::string> UnitCardModel::LoadStyle(const std::string &path)
{
    ProfileDocument doc;
    if (const Status loaded = doc.Load(path); !loaded)
        return Failure{FillText(msg::kErrorLoadingStyle, {path}), loaded.failure().description};
    m_style = ReadStyleFile(doc, m_defaultFont);
    std::string notice = doc.HasSection(kStyleSection) ? UndrawableSizesNotice(m_style)
                                                       : NoStyleNotice(path);
    Step(TV_TR("Core", "Load Style"));
    return notice;
}

LayoutSaveResult UnitCardModel::SaveLayout()
{
    const std::string &path = m_figure.UnitFile;
    if (path.empty())
        return {LayoutSaveResult::FigureNotSaved,
                TV_TR("Core", "Unit must be saved first in order to save layout data!")};
    const std::string sentence = FillText(msg::kErrorSaving, {path});
    std::string error;
    std::optional<ProfileDocument> doc = LoadForChange(path, error);
    if (!doc)
        return {LayoutSaveResult::WriteFailed, Failure{sentence, error}.Message()};
    WriteCardLayout(*doc, m_image);
    if (m_style.SaveStyleIntoLayout != 0)
        WriteStyle(*doc, m_style);
    if (const Status saved = doc->Save(path); !saved)
        return {LayoutSaveResult::WriteFailed,
                Failure{sentence, saved.failure().description}.Message()};
    m_layoutChanged = false;
    m_savedImage = m_image;
    SavedNow();
    return {};
}

void UnitCardModel::StyleQuestionAnsweredYes()
{
    if (m_style.SaveStyleIntoLayout != 0)
        m_layoutChanged = true;
}

bool UnitCardModel::AsksLayoutQuestion() const
{
    return (m_styleChanged && m_style.SaveStyleIntoLayout != 0) || m_layoutChanged;
}

CardScene UnitCardModel::Scene(int creditWidth, int creditHeight) const
{
    CardScene scene;
    scene.figure = &m_figure;
    scene.style = &m_style;
    scene.image = m_image;
    scene.hasFigurePicture = HasPicture();
    scene.creditWidth = creditWidth;
    scene.creditHeight = creditHeight;
    return scene;
}

const char *DesignCaption(bool designShown)
{
    return designShown ? TV_TR("Core", "Hide Design") : TV_TR("Core", "Show Design");
}

DesignToggle ToggleDesign(bool designShown, bool maximised)
{
    const bool show = !designShown;
    const int width = maximised ? 0 : show ? kDesignWidth : kNarrowWidth;
    return {width, show, DesignCaption(show)};
}

} // namespace tarvello
