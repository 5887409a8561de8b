#pragma once

#include <functional>

#include "platform/how_it_works/records/effect_filter.h"
#include "platform/how_it_works/panes/rows_view.h"
#include "platform/how_it_works/records/watch_list.h"

namespace forms {

// The Watch pane: the properties and variables the chosen effect's handlers changed, with their
// values now. Space checks or clears the box that pauses the program when the current entry
// changes; F2 or a double click types a new value, or chooses True or False.
class WatchView final : public RowsView {
  public:
    WatchView(WatchList& watch, QWidget* parent);

    void showEffect(int effect) { filter_->showEffect(effect); }
    // Told of the entry the user moves to, by its row in the watch list.
    void onEntryChosen(std::function<void(int)> chosen);

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    EffectFilter* filter_;
};

}  // namespace forms
