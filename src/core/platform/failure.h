#pragma once

#include <optional>
#include <string>
#include <utility>

// The one way every operation that can fail reports it.
namespace tarvello {

// What kind of failure it is, for the callers that act on it: they ask the
// kind, never the words of the message.
enum class FailureKind
{
    Other,         // a failure no caller tells apart (a calculation, a print)
    NotFound,      // the file does not exist
    CannotRead,    // the file exists but could not be read
    NotThisFormat, // the file was read but holds no document of the kind asked for
    CannotWrite,   // a save did not reach its file
    Refused,       // what the player asked cannot be done (a card for that figure)
    MissingChoice, // a notice: a choice of the file the current tables no longer have
};

// A failed operation: the operation's own sentence ("Error in saving x.tvf !")
// and the description of what went wrong ("Path/File access error").
struct Failure
{
    std::string sentence;
    std::string description;
    FailureKind kind = FailureKind::Other;

    // True when a document could not be loaded at all (not found, unreadable,
    // or not of its kind), as opposed to a notice about what was loaded.
    bool StoppedLoading() const
    {
        return kind == FailureKind::NotFound || kind == FailureKind::CannotRead
               || kind == FailureKind::NotThisFormat;
    }

    // The text of the message box: sentence, CR LF, description; a notice
    // without a description ("The item x does not exist ...") is its sentence.
    std::string Message() const
    {
        return description.empty() ? sentence : sentence + "\r\n" + description;
    }

    bool operator==(const Failure &other) const = default;
};

// The outcome of an operation without a value: success, or its failure.
class [[nodiscard]] Status
{
public:
    Status() = default;
    Status(Failure failure) : m_failure(std::move(failure)) {}

    bool ok() const { return !m_failure.has_value(); }
    explicit operator bool() const { return ok(); }
    // The failure; only valid when !ok().
    const Failure &failure() const { return *m_failure; }

private:
    std::optional<Failure> m_failure;
};

// The outcome of an operation with a value: the value, or its failure.
template<typename T>
class [[nodiscard]] Result
{
public:
    Result(T value) : m_value(std::move(value)) {}
    Result(Failure failure) : m_failure(std::move(failure)) {}

    bool ok() const { return m_value.has_value(); }
    explicit operator bool() const { return ok(); }
    const T &value() const & { return *m_value; }
    T &value() & { return *m_value; }
    T &&value() && { return std::move(*m_value); }
    // The failure; only valid when !ok().
    const Failure &failure() const { return *m_failure; }
    // The status alone, dropping the value.
    Status status() const { return ok() ? Status() : Status(*m_failure); }

private:
    std::optional<T> m_value;
    std::optional<Failure> m_failure;
};

} // namespace tarvello
