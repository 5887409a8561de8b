#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/how_it_works/records/event_log.h"

namespace forms {

// What a run altered of an Events row it found there, enough to set the row back and on again:
// its count and latest time as they were, how many changes it had, and the changes the run
// overwrote. Setting back and on swaps what the edit holds with what the row shows, so each
// costs what it moves. A timer's tick overwrites one change of its row, and that one is kept in
// the edit itself; an error, more changes, and the changes a run added (held while it is set
// back) are rare and kept beside it.
class RowEdit {
  public:
    RowEdit(qint64 number, const EventLog::Row& row);

    qint64 number() const { return number_; }
    // Told before the run overwrites a change of the row (by its place), or alters anything else
    // (-1): a change is kept the first time, and only if the row had it before the run.
    void noteOverwrite(const EventLog::Row& row, int entry);
    void setBack(EventLog::Row& row);
    void setOn(EventLog::Row& row);

  private:
    struct Overwritten {
        static constexpr std::uint32_t kNone = UINT32_MAX;
        std::uint32_t entry = kNone;
        WatchedValue from, to;
        Author author;
    };
    struct Rare {
        QString error;
        std::vector<Overwritten> more;
        std::vector<EventLog::Change> added;
    };
    Rare& rare();
    bool keeps(std::uint32_t entry) const;
    void swapFields(EventLog::Row& row);
    static void swapChange(EventLog::Row& row, Overwritten& kept);

    qint64 number_;
    qint64 latest_;
    int count_;
    std::uint32_t changes_;
    Overwritten first_;
    std::unique_ptr<Rare> rare_;
};

}  // namespace forms
