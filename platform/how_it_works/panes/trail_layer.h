#pragma once

#include <QPoint>
#include <QWidget>
#include <vector>

namespace forms {

// The marks of a trail over one of the program's windows: a child laid over the whole window,
// on top, that takes no input and no focus and draws only its marks, never into a control.
class TrailLayer final : public QWidget {
  public:
    struct Mark {
        QPoint centre;  // in the window
        bool toCome = false;
        int distance = 0;  // in runs' moves from the moment: 0 the nearest
        bool operator==(const Mark&) const = default;
    };
    static constexpr int kFarthest = 40;  // a mark this far is the faintest

    explicit TrailLayer(QWidget* window);

    // Repaints only where the old and the new marks lie; the same marks repaint nothing.
    void setMarks(std::vector<Mark> marks);
    const std::vector<Mark>& marks() const { return marks_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    QRegion areaOf(const std::vector<Mark>& marks) const;
    void keepOnTop();

    std::vector<Mark> marks_;
};

}  // namespace forms
