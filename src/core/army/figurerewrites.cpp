#include "figurerewrites.h"

#include "figure/recost.h"
#include "platform/fileio.h"

namespace tarvello {

bool FigureFileStates::operator==(const FigureFileStates &other) const
{
    if (m_files == other.m_files)
        return true;
    if (m_files->size() != other.m_files->size())
        return false;
    auto theirs = other.m_files->begin();
    for (const auto &[path, bytes] : *m_files) {
        if (path != theirs->first || *bytes != *theirs->second)
            return false;
        ++theirs;
    }
    return true;
}

FigureFileStates FigureFileStates::With(const std::vector<FileRewrite> &rewrites, bool after) const
{
    auto files = std::make_shared<Files>(*m_files);
    for (const FileRewrite &rewrite : rewrites)
        (*files)[rewrite.path] = std::make_shared<const std::string>(after ? rewrite.after
                                                                           : rewrite.before);
    FigureFileStates states;
    states.m_files = std::move(files);
    return states;
}

FigureFileStates FigureFileStates::WithBefore(const std::vector<FileRewrite> &rewrites) const
{
    return With(rewrites, false);
}

FigureFileStates FigureFileStates::WithAfter(const std::vector<FileRewrite> &rewrites) const
{
    return With(rewrites, true);
}

FileRestoreReport FigureFileStates::RestoreTo(const FigureFileStates &target) const
{
    FileRestoreReport report;
    for (const auto &[path, bytes] : *target.m_files) {
        const auto mine = m_files->find(path);
        if (mine == m_files->end() || *mine->second == *bytes)
            continue;
        report.touched = true;
        const std::optional<std::string> onDisk = ReadFileBytes(path);
        if (!onDisk || *onDisk != *mine->second) {
            report.skipped.push_back(path);
            continue;
        }
        if (Status written = WriteFileAtomically(path, *bytes); !written)
            report.failures.push_back(written.failure());
    }
    return report;
}

Result<FileRewrite> RewriteRecostedFigure(const RulesTables &tables, const std::string &path,
                                          bool refreshRows)
{
    FileRewrite rewrite{path, {}, {}};
    std::optional<std::string> before = ReadFileBytes(path);
    if (!before)
        return ReadFailure(LoadingSentence(path), path);
    rewrite.before = std::move(*before);
    const Status saved = SaveRecostedFigure(tables, path, refreshRows);
    std::optional<std::string> after = ReadFileBytes(path);
    rewrite.after = after ? std::move(*after) : rewrite.before;
    if (!saved && rewrite.after == rewrite.before)
        return saved.failure();
    // A picture that failed after the figure was written still leaves a
    // rewritten file, which Undo can put back.
    return rewrite;
}

} // namespace tarvello
