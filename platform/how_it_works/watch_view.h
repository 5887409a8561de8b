#pragma once

#include <functional>

#include "platform/how_it_works/effect_filter.h"
#include "platform/how_it_works/rows_view.h"
#include "platform/how_it_works/watch_list.h"

namespace forms {

// The Watch pane: the properties and variables the chosen effect's handlers changed, with their
// values now.
class WatchView final : public RowsView {
  public:
    WatchView(WatchList& watch, QWidget* parent);

    void showEffect(int effect) { filter_->showEffect(effect); }
    // Told of the entry the user moves to, by its row in the watch list.
    void onEntryChosen(std::function<void(int)> chosen);

  private:
    EffectFilter* filter_;
};

}  // namespace forms
