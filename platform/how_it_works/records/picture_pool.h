#pragma once

#include <QHash>
#include <memory>

#include "platform/properties/watch.h"

namespace forms {

// Pictures a handler loads again and again (a face's frames, read from their files at every
// tick) are recorded once each: a picture equal to one already recorded stands in for it, so
// minutes of ticks hold a few pictures, not thousands. Only pictures still recorded somewhere
// are kept.
class PicturePool {
  public:
    // The value itself, or for a picture, the equal one recorded first.
    WatchedValue shared(const WatchedValue& value);
    void clear() { pictures_.clear(); }

  private:
    QMultiHash<std::size_t, std::weak_ptr<const PictureData>> pictures_;
};

}  // namespace forms
