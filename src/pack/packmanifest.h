#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The manifest of an army pack and the names its entries may have.
namespace tarvello {

// One file the manifest lists.
struct ManifestFile
{
    std::string name;
    std::uint64_t size = 0;
    // SHA-256 in lower-case hexadecimal.
    std::string sha256;
};

// The manifest: UTF-8 text, one item a line.
struct PackManifest
{
    std::string program;
    std::string armyName;
    std::string armyEntry;
    std::vector<ManifestFile> files;
};

// The manifest's text.
std::string ManifestText(const PackManifest &manifest);

// The manifest in text; nullopt when text is no army pack's manifest.
std::optional<PackManifest> ParseManifest(std::string_view text);

// SHA-256 of bytes, lower-case hexadecimal.
std::string Sha256Hex(std::string_view bytes);

// SHA-256 fed piece by piece.
class Sha256Stream
{
public:
    Sha256Stream();
    ~Sha256Stream();
    Sha256Stream(const Sha256Stream &) = delete;
    Sha256Stream &operator=(const Sha256Stream &) = delete;
    void Add(std::string_view bytes);
    // The hash of everything added, lower-case hexadecimal.
    std::string Hex() const;

private:
    struct Impl;
    Impl *m_impl;
};

// Why name cannot be an entry unpacked into a folder ("leaves its folder",
// "is not named in UTF-8"); empty when it can. An entry is a plain file
// name: no folder, no drive, no "." or "..".
std::string EntryNameProblem(std::string_view name);

// name as a message shows it: bytes that are no UTF-8 as \xNN.
std::string ShownName(std::string_view name);

// A file name for text (an army's name): "/", "\", ":" and control
// characters become "_"; "Army" when nothing is left.
std::string SafeFileName(std::string_view text);

} // namespace tarvello
