#pragma once

#include <functional>

#include "platform/how_it_works/panes/rows_view.h"
#include "platform/how_it_works/records/effect_filter.h"
#include "platform/how_it_works/records/watch_list.h"

namespace forms {

class History;
class PlotColumn;
class TimeSpan;

// The Watch pane: the properties and variables the chosen effect's handlers changed, with their
// values now. Space checks or clears the box that pauses the program when the current entry
// changes; F2 or a double click types a new value, or chooses True or False.
class WatchView final : public RowsView {
  public:
    WatchView(WatchList& watch, QWidget* parent);

    void showEffect(int effect) { filter_->showEffect(effect); }
    // Told of the entry the user moves to, by its row in the watch list.
    void onEntryChosen(std::function<void(int)> chosen);

    // Each entry's plot over the span, in the column "Over time"; drawn again when
    // plotsMoved() says what they show changed. A click on a plot tells the time under it.
    void showPlots(const History& history, const TimeSpan& span);
    void plotsMoved();
    void onPlotClicked(std::function<void(qint64 time)> clicked) {
        plotClicked_ = std::move(clicked);
    }

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    PlotColumn* plots_;  // the entries with their plots, which the filter chooses from
    EffectFilter* filter_;
    std::function<void(qint64)> plotClicked_ = [](qint64) {};
};

}  // namespace forms
