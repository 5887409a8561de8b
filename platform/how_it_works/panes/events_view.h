#pragma once

#include <functional>
#include <optional>

#include "platform/how_it_works/panes/cell_painter.h"
#include "platform/how_it_works/records/effect_filter.h"
#include "platform/how_it_works/records/event_log.h"
#include "platform/how_it_works/panes/rows_view.h"

namespace forms {

// The Events pane: the rows of the log for the effect chosen, kept scrolled to the newest
// while the view is at its end. Scrolling lays out every row, so new rows are scrolled to
// once a frame (showNewRows()), not once a row.
class EventsView final : public RowsView {
  public:
    EventsView(EventLog& log, QWidget* parent);

    void showEffect(int effect) { filter_->showEffect(effect); }
    // Told of the row the user moves to, with the log's row.
    void onRowChosen(std::function<void(const EventLog::Row&)> chosen);
    // The log's row at the current place, or null.
    const EventLog::Row* currentRow() const;
    // Scrolls to the rows that came since the last frame, if the view was at its end.
    void showNewRows();
    // Makes the log's row at `place` the current one, if the effect shown has it.
    void choose(int place);
    // Told of one change of the current row the user picks: Right and Left go through them, a
    // click on one in the Changes column picks it. The change chosen is marked in its cell
    // until another row is chosen.
    void onChangeChosen(std::function<void(const EventLog::Row&, int change)> chosen) {
        changeChosen_ = std::move(chosen);
    }

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    int changeAt(const EventLog::Row& row, int x) const;
    void chooseChange(int change);
    std::optional<CellPainter::Span> chosenSpan(const QModelIndex& cell) const;

    int chosenChange_ = -1;
    std::function<void(const EventLog::Row&, int)> changeChosen_ = [](const EventLog::Row&, int) {};
    EventLog& log_;
    EffectFilter* filter_;
    bool toEnd_ = false;
};

}  // namespace forms
