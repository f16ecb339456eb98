#pragma once

#include "platform/failure.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

// The figure files that an army's Update Costs rewrote, kept in the army's
// history so that Undo and Redo can put them back.
namespace tarvello {

struct RulesTables;

// One file rewritten: its bytes before and after.
struct FileRewrite
{
    std::string path;
    std::string before;
    std::string after;
};

// What putting files back did: the files changed since they were written
// (left as they are) and the writes that failed.
struct FileRestoreReport
{
    // True when some file was to be put back (the folder's figures changed).
    bool touched = false;
    std::vector<std::string> skipped;
    std::vector<Failure> failures;
};

// The bytes that one state of the history holds for each rewritten file.
// Copies share their content; states are equal when they hold the same bytes.
class FigureFileStates
{
public:
    bool operator==(const FigureFileStates &other) const;

    // A copy that holds bytes for path (side: before or after of each).
    FigureFileStates WithBefore(const std::vector<FileRewrite> &rewrites) const;
    FigureFileStates WithAfter(const std::vector<FileRewrite> &rewrites) const;

    // Moves the files from this state to target: each file whose bytes differ
    // between the two is written with target's bytes (atomically) when it
    // still holds this state's bytes, and is skipped otherwise. Files only
    // one of the states knows are left alone.
    FileRestoreReport RestoreTo(const FigureFileStates &target) const;

private:
    using Files = std::map<std::string, std::shared_ptr<const std::string>>;
    FigureFileStates With(const std::vector<FileRewrite> &rewrites, bool after) const;

    std::shared_ptr<const Files> m_files = std::make_shared<const Files>();
};

// Saves the figure file at path with its cost recalculated, as
// SaveRecostedFigure does, and tells the bytes it held before and after (the
// same when nothing was written).
Result<FileRewrite> RewriteRecostedFigure(const RulesTables &tables, const std::string &path,
                                          bool refreshRows);

} // namespace tarvello
