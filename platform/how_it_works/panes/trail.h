#pragma once

#include <QObject>
#include <QPointer>
#include <optional>
#include <vector>

class QWidget;

namespace forms {

class History;
class TrailLayer;

// Faint marks where each control a handler moves stood after each of its recent runs, so that
// the spacing shows the step and a turn shows where it was made; stepped back, where it will
// stand in the runs still to come, in another tint. Drawn in the control's container, under
// its controls (TrailLayer), which changes nothing of the window and goes when the trail does.
class Trail final : public QObject {
  public:
    static constexpr std::size_t kMarks = 40;      // each way from the moment, per control
    static constexpr std::size_t kLookRuns = 500;  // other effects' runs come between

    explicit Trail(QObject* parent);
    ~Trail() override;

    // Brought up to date with the history, on any of the program's windows but `except`; it
    // does nothing where neither the moment nor the history changed since it last did.
    void show(const History& history, const QWidget* except);
    void hide();

  private:
    struct Shown {
        std::size_t runs = 0, moment = 0;
        qint64 oldest = 0, newest = 0;  // the oldest go once the history is full
        bool operator==(const Shown&) const = default;
    };
    TrailLayer* layerOn(QWidget* container);
    static void remove(TrailLayer* layer);

    std::vector<QPointer<TrailLayer>> layers_;
    std::optional<Shown> shown_;
};

}  // namespace forms
