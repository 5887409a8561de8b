#include "platform/how_it_works/panes/control_outline.h"

#include <QApplication>
#include <QPainter>

namespace forms {

namespace {
constexpr int kShownMs = 1000;
constexpr int kPen = 2;
}  // namespace

class ControlOutline::Frame final : public QWidget {
  public:
    explicit Frame(QWidget* window) : QWidget(window) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setFocusPolicy(Qt::NoFocus);
        setAccessibleName(QStringLiteral("Outline"));
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setPen(QPen(palette().color(QPalette::Highlight), kPen));
        painter.drawRect(rect().adjusted(kPen / 2, kPen / 2, -kPen / 2, -kPen / 2));
    }
};

ControlOutline::ControlOutline(QObject* parent) : QObject(parent) {
    fade_.setSingleShot(true);
    fade_.setInterval(kShownMs);
    connect(&fade_, &QTimer::timeout, this, [this] { hide(); });
}

ControlOutline::~ControlOutline() {
    delete frame_;
}

void ControlOutline::flash(const QStringList& controls, const QWidget* except) {
    hide();
    for (const QString& control : controls) {
        if (control.isEmpty()) continue;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window == except || !window->isVisible()) continue;
            const QWidget* target = window->findChild<QWidget*>(control);
            if (!target || !target->isVisible()) continue;
            frame_ = new Frame(window);
            const QPoint at = target->mapTo(window, QPoint(0, 0));
            frame_->setGeometry(QRect(at, target->size()).adjusted(-kPen, -kPen, kPen, kPen));
            frame_->show();
            frame_->raise();
            fade_.start();
            return;
        }
    }
}

void ControlOutline::hide() {
    fade_.stop();
    delete frame_;
}

}  // namespace forms
