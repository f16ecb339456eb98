#pragma once

#include "platform/trtext.h"

#include <stdexcept>
#include <string>

namespace tarvello {

// A failure inside an operation; what() is the description shown after the
// operation's own sentence and a line break.
class RuntimeError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// The descriptions used for the usual failures.
namespace errtext {
inline constexpr const char *kOverflow = TV_TR("Core", "Overflow");
inline constexpr const char *kTypeMismatch = TV_TR("Core", "Type mismatch");
inline constexpr const char *kSubscriptOutOfRange = TV_TR("Core", "Subscript out of range");
inline constexpr const char *kFileNotFound = TV_TR("Core", "File not found");
inline constexpr const char *kPathFileAccess = TV_TR("Core", "Path/File access error");
inline constexpr const char *kDivisionByZero = TV_TR("Core", "Division by zero");
inline constexpr const char *kDiskFull = TV_TR("Core", "Disk full or write error");
inline constexpr const char *kNameTooLong = TV_TR("Core", "File name too long for the file system");
inline constexpr const char *kInvalidCall = TV_TR("Core", "Invalid procedure call or argument");
} // namespace errtext

} // namespace tarvello
