#include "platform/how_it_works/records/picture_pool.h"

#include "platform/files/picture.h"

namespace forms {

namespace {

std::size_t hashOf(const PictureData& picture) {
    const QImage& image = picture.image;
    const QByteArrayView bits(image.constBits(), image.sizeInBytes());
    return qHashMulti(0, qHash(bits), image.width(), image.height(), picture.name);
}

bool equal(const PictureData& a, const PictureData& b) {
    return a.name == b.name && a.hotSpot == b.hotSpot && a.image == b.image;
}

}  // namespace

WatchedValue PicturePool::shared(const WatchedValue& value) {
    const auto* picture = std::get_if<std::shared_ptr<const PictureData>>(&value);
    if (!picture || !*picture) return value;
    const std::size_t hash = hashOf(**picture);
    for (auto it = pictures_.find(hash); it != pictures_.end() && it.key() == hash;) {
        if (const auto known = it.value().lock()) {
            if (known == *picture || equal(*known, **picture)) return known;
            ++it;
        } else {
            it = pictures_.erase(it);  // no longer recorded anywhere
        }
    }
    pictures_.insert(hash, *picture);
    return value;
}

}  // namespace forms
