#pragma once

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
inline constexpr const char *kOverflow = "Overflow";
inline constexpr const char *kTypeMismatch = "Type mismatch";
inline constexpr const char *kSubscriptOutOfRange = "Subscript out of range";
inline constexpr const char *kFileNotFound = "File not found";
inline constexpr const char *kPathFileAccess = "Path/File access error";
inline constexpr const char *kDivisionByZero = "Division by zero";
inline constexpr const char *kDiskFull = "Disk full or write error";
inline constexpr const char *kNameTooLong = "File name too long for the file system";
inline constexpr const char *kInvalidCall = "Invalid procedure call or argument";
} // namespace errtext

} // namespace tarvello
