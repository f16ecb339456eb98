#include "packmanifest.h"

#include <QByteArrayView>
#include <QCryptographicHash>

#include <charconv>

namespace tarvello {

namespace {

constexpr std::string_view kFirstLine = "Tarvello army pack";
constexpr std::string_view kProgram = "program: ";
constexpr std::string_view kArmy = "army: ";
constexpr std::string_view kArmyFile = "army file: ";
constexpr std::string_view kFile = "file: ";
constexpr std::size_t kMaxNameBytes = 255;

// The length of the UTF-8 sequence at text[pos], 0 when it is none.
std::size_t Utf8Length(std::string_view text, std::size_t pos)
{
    const auto lead = static_cast<unsigned char>(text[pos]);
    std::size_t length = lead < 0x80 ? 1 : lead >= 0xC2 && lead < 0xE0 ? 2
                                       : lead >= 0xE0 && lead < 0xF0 ? 3
                                       : lead >= 0xF0 && lead < 0xF5 ? 4 : 0;
    if (length == 0 || pos + length > text.size())
        return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if ((static_cast<unsigned char>(text[pos + i]) & 0xC0) != 0x80)
            return 0;
    }
    const auto second = static_cast<unsigned char>(length > 1 ? text[pos + 1] : 0);
    if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second >= 0xA0)
        || (lead == 0xF0 && second < 0x90) || (lead == 0xF4 && second >= 0x90))
        return 0;
    return length;
}

bool IsControl(char c)
{
    return static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
}

bool ParseSize(std::string_view text, std::uint64_t &size)
{
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), size);
    return ec == std::errc() && end == text.data() + text.size() && !text.empty();
}

} // namespace

std::string ManifestText(const PackManifest &manifest)
{
    std::string text = std::string(kFirstLine) + "\n";
    text += std::string(kProgram) + manifest.program + "\n";
    text += std::string(kArmy) + manifest.armyName + "\n";
    text += std::string(kArmyFile) + manifest.armyEntry + "\n";
    for (const ManifestFile &file : manifest.files)
        text += std::string(kFile) + std::to_string(file.size) + " " + file.sha256 + " " + file.name + "\n";
    return text;
}

std::optional<PackManifest> ParseManifest(std::string_view text)
{
    PackManifest manifest;
    bool first = true;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        if (first) {
            if (line != kFirstLine)
                return std::nullopt;
            first = false;
        } else if (line.starts_with(kProgram)) {
            manifest.program = line.substr(kProgram.size());
        } else if (line.starts_with(kArmyFile)) {
            manifest.armyEntry = line.substr(kArmyFile.size());
        } else if (line.starts_with(kArmy)) {
            manifest.armyName = line.substr(kArmy.size());
        } else if (line.starts_with(kFile)) {
            const std::string_view rest = line.substr(kFile.size());
            const std::size_t blank = rest.find(' ');
            const std::size_t second = rest.find(' ', blank + 1);
            ManifestFile file;
            if (second == std::string_view::npos || !ParseSize(rest.substr(0, blank), file.size))
                return std::nullopt;
            file.sha256 = rest.substr(blank + 1, second - blank - 1);
            file.name = rest.substr(second + 1);
            manifest.files.push_back(std::move(file));
        }
    }
    if (first || manifest.armyEntry.empty())
        return std::nullopt;
    return manifest;
}

struct Sha256Stream::Impl
{
    QCryptographicHash hash{QCryptographicHash::Sha256};
};

Sha256Stream::Sha256Stream() : m_impl(new Impl) {}

Sha256Stream::~Sha256Stream()
{
    delete m_impl;
}

void Sha256Stream::Add(std::string_view bytes)
{
    m_impl->hash.addData(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

std::string Sha256Stream::Hex() const
{
    return m_impl->hash.result().toHex().toStdString();
}

std::string Sha256Hex(std::string_view bytes)
{
    Sha256Stream hash;
    hash.Add(bytes);
    return hash.Hex();
}

std::string EntryNameProblem(std::string_view name)
{
    if (name.empty() || name == "." || name == ".."
        || name.find_first_of("/\\:") != std::string_view::npos)
        return "leaves its folder";
    for (std::size_t pos = 0; pos < name.size();) {
        const std::size_t length = Utf8Length(name, pos);
        if (length == 0 || IsControl(name[pos]))
            return "is not named in UTF-8";
        pos += length;
    }
    if (name.size() > kMaxNameBytes)
        return "has a name too long for the file system";
    return {};
}

std::string ShownName(std::string_view name)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string shown;
    for (std::size_t pos = 0; pos < name.size();) {
        const std::size_t length = Utf8Length(name, pos);
        if (length == 0 || IsControl(name[pos])) {
            const auto byte = static_cast<unsigned char>(name[pos]);
            shown += std::string("\\x") + kHex[byte >> 4] + kHex[byte & 15];
            ++pos;
        } else {
            shown += name.substr(pos, length);
            pos += length;
        }
    }
    return shown;
}

std::string SafeFileName(std::string_view text)
{
    std::string name(text);
    for (char &c : name) {
        if (c == '/' || c == '\\' || c == ':' || IsControl(c))
            c = '_';
    }
    if (name.empty() || name == "." || name == "..")
        return "Army";
    return name;
}

} // namespace tarvello
