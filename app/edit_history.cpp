#include "app/edit_history.h"

#include <QUndoCommand>

#include <utility>
#include <vector>

namespace kinsketch {

// A step is made after its change happened: pushing it shows nothing.
class EditHistory::Step : public QUndoCommand {
public:
    Step(EditHistory& history, std::shared_ptr<const StateChange> change, int run = -1)
        : history_(history)
        , change_(std::move(change))
        , run_(run)
    {}

    void undo() override { history_.show(*change_, false); }
    void redo() override
    {
        if (pushed_) history_.show(*change_, true);
        pushed_ = true;
    }
    // Steps laid anew after a trim must not merge with each other, yet the
    // last one stays open to the keys of its run.
    int id() const override { return history_.replaying_ ? -1 : run_; }
    int run() const { return run_; }
    bool mergeWith(const QUndoCommand* other) override
    {
        if (history_.runEnded_) return false;
        const auto& next = static_cast<const Step*>(other)->change_;
        history_.bytes_ -= change_->bytes() + next->bytes();
        change_ = std::make_shared<const StateChange>(change_->followedBy(*next));
        history_.bytes_ += change_->bytes();
        return true;
    }

    const std::shared_ptr<const StateChange>& change() const { return change_; }

private:
    EditHistory& history_;
    std::shared_ptr<const StateChange> change_;
    int run_;
    bool pushed_ = false;
};

namespace {

// A run's id for the stack: steps of one run merge, steps of none never.
int runId(const QString& run) { return run.isEmpty() ? -1 : static_cast<int>(qHash(run) & 0x7FFFFFFFU); }

} // namespace

EditHistory::EditHistory(Screen screen, std::size_t memoryBudget)
    : screen_(std::move(screen))
    , memoryBudget_(memoryBudget)
{}

EditHistory::~EditHistory() = default;

void EditHistory::restart()
{
    stack_.clear();
    bytes_ = 0;
    static_cast<void>(screen_.take(taken_, true));
    current_ = taken_;
}

void EditHistory::record(const QString& run)
{
    const DrawingChange change = screen_.take(taken_, false);
    const bool strokesMayDiffer = change.strokesFrom.has_value();
    const bool same =
        change.empty() || (taken_.rest == current_.rest && (!strokesMayDiffer || taken_.strokes == current_.strokes));
    if (same) {
        current_.numbering = taken_.numbering;
        return;
    }
    auto step = std::make_shared<const StateChange>(StateChange::between(current_, taken_, strokesMayDiffer));
    // The steps that could be redone go with this push.
    for (int i = stack_.index(); i < stack_.count(); ++i)
        bytes_ -= static_cast<const Step*>(stack_.command(i))->change()->bytes();
    bytes_ += step->bytes();
    stack_.push(new Step(*this, std::move(step), runId(run)));
    runEnded_ = false;
    current_.rest = taken_.rest;
    if (strokesMayDiffer) current_.strokes = taken_.strokes;
    current_.numbering = taken_.numbering;
    keepWithinBudget();
}

void EditHistory::undo()
{
    record();
    stack_.undo();
}

void EditHistory::redo()
{
    record();
    stack_.redo();
}

void EditHistory::show(const StateChange& change, bool forward)
{
    if (replaying_) return;
    if (forward)
        change.redo(current_);
    else
        change.undo(current_);
    screen_.show(current_);
    taken_ = current_;
}

// The stack cannot let go of its oldest commands, so the history is laid
// anew from the newer ones; replaying them shows nothing. Steps that lead
// from the oldest kept one to what the screen shows stay.
void EditHistory::keepWithinBudget()
{
    if (bytes_ <= memoryBudget_) return;
    std::vector<std::pair<std::shared_ptr<const StateChange>, int>> steps;
    for (int i = 0; i < stack_.count(); ++i) {
        const auto* step = static_cast<const Step*>(stack_.command(i));
        steps.emplace_back(step->change(), step->run());
    }
    const int index = stack_.index();
    int dropped = 0;
    while (bytes_ > memoryBudget_ && dropped < index)
        bytes_ -= steps[static_cast<std::size_t>(dropped++)].first->bytes();
    replaying_ = true;
    stack_.clear();
    for (std::size_t i = static_cast<std::size_t>(dropped); i < steps.size(); ++i)
        stack_.push(new Step(*this, steps[i].first, steps[i].second));
    stack_.setIndex(index - dropped);
    replaying_ = false;
}

} // namespace kinsketch
