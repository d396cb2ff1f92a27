#pragma once
// The editing screen's one history of edits, on Qt's undo stack. Each step
// is the change between two states of the screen (genogram/editing_state.h)
// as the screen reports them: the history is told when an edit may have
// ended, takes the parts of the state the drawing says were changed and
// makes whatever differs since the last step a step of its own. Changes
// reported under the same typing run make one step.
// Undo and redo hand the state back to the screen, which shows it as opening
// that document would. The oldest steps go once the history holds more than
// its memory budget.

#include "genogram/editing_state.h"

#include <QString>
#include <QUndoStack>

#include <cstddef>
#include <functional>
#include <memory>

namespace kinsketch {

class EditHistory {
public:
    static constexpr std::size_t kMemoryBudget = 64u << 20;

    struct Screen {
        // Brings the parts of `state` that the edits since the last call
        // changed (every part, when `whole`) up to what the screen shows, and
        // says which they were: the rest is not read, and an edit that
        // changed nothing makes the call cheap.
        std::function<DrawingChange(EditingState& state, bool whole)> take;
        // Shows `state`, changing on the screen only what differs.
        std::function<void(const EditingState& state)> show;
    };

    explicit EditHistory(Screen screen, std::size_t memoryBudget = kMemoryBudget);
    ~EditHistory();
    EditHistory(const EditHistory&) = delete;
    EditHistory& operator=(const EditHistory&) = delete;

    // Forgets every step: what the screen shows now is where undo stops.
    void restart();
    // Makes what changed since the last step a step. A change under the run
    // of the step before joins it.
    void record(const QString& run = {});
    // Keys typed after this make a step of their own, even in the box of the last step's run.
    void endRun() { runEnded_ = true; }
    // Records what is pending, then undoes or redoes one step.
    void undo();
    void redo();

    QUndoStack& stack() { return stack_; }
    std::size_t bytes() const { return bytes_; }

private:
    class Step;

    void show(const StateChange& change, bool forward);
    void keepWithinBudget();

    Screen screen_;
    QUndoStack stack_;
    EditingState current_; // the state the screen showed at the last step
    EditingState taken_;   // reused, so that unchanged strokes are not copied
    std::size_t memoryBudget_;
    std::size_t bytes_ = 0;
    bool replaying_ = false;
    bool runEnded_ = false;
};

} // namespace kinsketch
