#pragma once

#include <algorithm>
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

// The undo and redo history of one editor.
//
// It keeps whole snapshots of the document rather than commands: every editor
// here already has a small value type for its document (a figure record, an
// army's units) and recalculates what derives from it, so restoring a copy is
// exact by construction, while a command would have to know how to reverse
// each reaction (a count of 0 deleting a line, a figure type switching the
// training captions) and could drift from the forward path.
namespace tarvello {

template<typename Snapshot>
class History
{
public:
    // At most depth steps are kept; the oldest are dropped first.
    explicit History(std::size_t depth = 100) : m_depth(depth < 1 ? 1 : depth) {}

    // Forgets every step; current becomes the only state and the saved point
    // (a document just opened or created).
    void Reset(Snapshot current)
    {
        m_states.clear();
        m_names.clear();
        m_keys.clear();
        m_states.push_back(std::move(current));
        m_current = 0;
        m_saved = 0;
        m_mergeOpen = false;
    }

    // A step named name led to after. Steps that can be undone no longer can
    // be redone. A non-empty mergeKey equal to the previous step's key (with
    // nothing undone or saved in between and no BreakMerge) folds this step
    // into it: typing into one field is one step. An after equal to the
    // current state is no step.
    void Record(std::string name, Snapshot after, const std::string &mergeKey = {})
    {
        if (m_states.empty()) {
            Reset(std::move(after));
            return;
        }
        if (after == m_states[m_current])
            return;
        DropRedo();
        if (!mergeKey.empty() && m_mergeOpen && m_current > 0 && !AtSaved()
            && m_keys[m_current - 1] == mergeKey) {
            m_states[m_current] = std::move(after);
            return;
        }
        m_states.push_back(std::move(after));
        m_names.push_back(std::move(name));
        m_keys.push_back(mergeKey);
        ++m_current;
        m_mergeOpen = !mergeKey.empty();
        Trim();
    }

    // Replaces the current state without making a step: a change the user
    // does not undo (a selection) that later steps start from.
    void Amend(Snapshot current)
    {
        if (m_states.empty())
            Reset(std::move(current));
        else
            m_states[m_current] = std::move(current);
    }

    // Ends the folding of edits into the last step (the field lost focus).
    void BreakMerge() { m_mergeOpen = false; }

    // The state the last step (or Reset, Amend, Undo, Redo) left.
    const Snapshot &Current() const { return m_states[m_current]; }

    bool CanUndo() const { return m_current > 0; }
    bool CanRedo() const { return m_current + 1 < m_states.size(); }
    // The name of the step Undo, respectively Redo, would take back or repeat.
    std::string UndoName() const { return CanUndo() ? m_names[m_current - 1] : std::string(); }
    std::string RedoName() const { return CanRedo() ? m_names[m_current] : std::string(); }

    // Steps back (or forward) and returns the state to restore; without a
    // step to take, the current state.
    const Snapshot &Undo()
    {
        if (CanUndo())
            --m_current;
        m_mergeOpen = false;
        return m_states[m_current];
    }
    const Snapshot &Redo()
    {
        if (CanRedo())
            ++m_current;
        m_mergeOpen = false;
        return m_states[m_current];
    }

    // The current state was saved.
    void MarkSaved()
    {
        m_saved = static_cast<std::ptrdiff_t>(m_current);
        m_mergeOpen = false;
    }
    // The current state is the saved one.
    bool AtSaved() const { return m_saved == static_cast<std::ptrdiff_t>(m_current); }
    // The document is as saved: same(before, after) holds for every step
    // between the saved state and the current one (steps that leave the
    // document itself alone, an army's Update Costs, do not change it).
    template<typename Same>
    bool AsSaved(const Same &same) const
    {
        if (m_saved < 0)
            return false;
        const auto saved = static_cast<std::size_t>(m_saved);
        for (std::size_t i = std::min(saved, m_current); i < std::max(saved, m_current); ++i) {
            if (!same(m_states[i], m_states[i + 1]))
                return false;
        }
        return true;
    }

private:
    void DropRedo()
    {
        if (!CanRedo())
            return;
        if (m_saved > static_cast<std::ptrdiff_t>(m_current))
            m_saved = -1;
        m_states.resize(m_current + 1);
        m_names.resize(m_current);
        m_keys.resize(m_current);
    }

    void Trim()
    {
        while (m_states.size() > m_depth + 1) {
            m_states.erase(m_states.begin());
            m_names.erase(m_names.begin());
            m_keys.erase(m_keys.begin());
            --m_current;
            m_saved = m_saved > 0 ? m_saved - 1 : -1;
        }
    }

    std::size_t m_depth;
    std::vector<Snapshot> m_states;     // state 0 is the oldest kept
    std::vector<std::string> m_names;   // m_names[i] led from state i to i + 1
    std::vector<std::string> m_keys;
    std::size_t m_current = 0;
    std::ptrdiff_t m_saved = 0;         // -1: the saved state is not kept
    bool m_mergeOpen = false;
};

// What the Edit menu asks of an editor: whether a step can be taken back or
// repeated, and its name.
class EditSteps
{
public:
    virtual ~EditSteps() = default;
    virtual bool CanUndo() const = 0;
    virtual bool CanRedo() const = 0;
    // The step Undo, respectively Redo, would take back or repeat ("Remove
    // Dagger"); empty when there is none.
    virtual std::string UndoName() const = 0;
    virtual std::string RedoName() const = 0;
};

// An editor's model with undo and redo: the model derives from it, records
// its steps into m_history and says in Restore how a snapshot is put back.
// Outcome is what putting it back reports (a failed recalculation).
template<typename Snapshot, typename Outcome = void>
class UndoableDocument : public EditSteps
{
public:
    bool CanUndo() const override { return m_history.CanUndo(); }
    bool CanRedo() const override { return m_history.CanRedo(); }
    std::string UndoName() const override { return m_history.UndoName(); }
    std::string RedoName() const override { return m_history.RedoName(); }
    // Takes the last step back (Redo: repeats the step taken back) and puts
    // the state it leads to back; without such a step nothing changes.
    Outcome Undo()
    {
        if (!CanUndo())
            return Outcome();
        return Restore(m_history.Undo());
    }
    Outcome Redo()
    {
        if (!CanRedo())
            return Outcome();
        return Restore(m_history.Redo());
    }
    // A typed field lost focus or a drag ended: the next edit is a new step.
    void EndFieldEdit() { m_history.BreakMerge(); }

protected:
    // Puts snapshot back as the document and recalculates what derives from
    // it.
    virtual Outcome Restore(const Snapshot &snapshot) = 0;

    History<Snapshot> m_history;
};

} // namespace tarvello
