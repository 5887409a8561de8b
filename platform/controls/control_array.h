#pragma once

#include <map>

#include "platform/controls/control.h"
#include "platform/values/errors.h"

namespace forms {

class ControlArrayBase : public ControlEvents {
  public:
    virtual ~ControlArrayBase() = default;
};

// Controls that share one name and one set of handlers, told apart by Index.
template <typename T>
class ControlArray final : public ControlArrayBase {
  public:
    T& operator()(Integer index) const { return Item(index); }
    T& Item(Integer index) const {
        const auto it = members_.find(index.value());
        if (it == members_.end()) raiseError(kNoSuchArrayElement);
        return *it->second;
    }
    void add(T& member) {
        members_[member.Index().value()] = &member;
        member.joinArray(*this);
    }
    int size() const { return static_cast<int>(members_.size()); }

  private:
    std::map<int, T*> members_;
};

}  // namespace forms
