#include "platform/how_it_works/records/row_edit.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace forms {

RowEdit::RowEdit(qint64 number, const EventLog::Row& row)
    : number_(number),
      latest_(row.latest),
      count_(row.count),
      changes_(static_cast<std::uint32_t>(row.changes.size())) {
    if (!row.error.isEmpty()) rare().error = row.error;
}

RowEdit::Rare& RowEdit::rare() {
    if (!rare_) rare_ = std::make_unique<Rare>();
    return *rare_;
}

bool RowEdit::keeps(std::uint32_t entry) const {
    if (first_.entry == entry) return true;
    return rare_ && std::ranges::any_of(rare_->more, [entry](const Overwritten& kept) {
               return kept.entry == entry;
           });
}

void RowEdit::noteOverwrite(const EventLog::Row& row, int entry) {
    const auto at = static_cast<std::uint32_t>(entry);
    if (entry < 0 || at >= changes_ || keeps(at)) return;
    const EventLog::Change& change = row.changes[at];
    Overwritten kept{at, change.from, change.to, change.author};
    if (first_.entry == Overwritten::kNone)
        first_ = std::move(kept);
    else
        rare().more.push_back(std::move(kept));
}

void RowEdit::swapChange(EventLog::Row& row, Overwritten& kept) {
    if (kept.entry >= row.changes.size()) return;
    EventLog::Change& change = row.changes[kept.entry];
    std::swap(change.from, kept.from);
    std::swap(change.to, kept.to);
    std::swap(change.author, kept.author);
}

void RowEdit::swapFields(EventLog::Row& row) {
    std::swap(row.latest, latest_);
    std::swap(row.count, count_);
    if (!row.error.isEmpty() || (rare_ && !rare_->error.isEmpty()))
        std::swap(row.error, rare().error);
    swapChange(row, first_);
    if (rare_)
        for (Overwritten& kept : rare_->more) swapChange(row, kept);
}

// The changes the run added leave the row, kept for setting it on again.
void RowEdit::setBack(EventLog::Row& row) {
    const auto kept =
        row.changes.begin() + std::min<std::ptrdiff_t>(changes_, std::ssize(row.changes));
    if (kept != row.changes.end()) {
        rare().added.assign(std::make_move_iterator(kept),
                            std::make_move_iterator(row.changes.end()));
        row.changes.erase(kept, row.changes.end());
    }
    swapFields(row);
}

void RowEdit::setOn(EventLog::Row& row) {
    swapFields(row);
    if (!rare_) return;
    for (EventLog::Change& change : rare_->added) row.changes.push_back(std::move(change));
    rare_->added.clear();
}

}  // namespace forms
