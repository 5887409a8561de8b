#include "platform/how_it_works/time_bar.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>
#include <array>
#include <iterator>
#include <utility>

#include "platform/runtime/runtime.h"

namespace forms {

namespace {

struct Pace {
    const char* text;
    const char* name;  // what a screen reader says
    int divisor;
};
constexpr std::array<Pace, 4> kPaces = {{{"1\u00d7", "full speed", 1},
                                         {"\u00bd\u00d7", "half speed", 2},
                                         {"\u00bc\u00d7", "quarter speed", 4},
                                         {"\u2152\u00d7", "one tenth speed", 10}}};

QPushButton* button(const char* text, const char* description, QWidget* parent) {
    auto* b = new QPushButton(QString::fromLatin1(text), parent);
    b->setAutoDefault(true);  // Return presses it, as Space does
    b->setAccessibleDescription(QString::fromLatin1(description));
    return b;
}

QLabel* labelFor(QWidget* buddy, const char* text, QWidget* parent) {
    auto* label = new QLabel(QString::fromLatin1(text), parent);
    label->setBuddy(buddy);
    buddy->setAccessibleName(label->text());
    return label;
}

}  // namespace

TimeBar::TimeBar(Runtime& runtime, Moves moves, QWidget* parent)
    : QWidget(parent), runtime_(runtime), moves_(std::move(moves)) {
    setAccessibleName(QStringLiteral("Time"));
    pause_ = button("Pause", "Holds every timer where it stands", this);
    pause_->setCheckable(true);
    stepBack_ = button("Step back", "Undoes the latest handler run (Ctrl+Left)", this);
    stepBack_->setEnabled(false);
    step_ = button("Step",
                   "Redoes the next run stepped back over, or runs the next timer tick "
                   "(Ctrl+Right)",
                   this);
    step_->setEnabled(false);
    timeline_ = new QSlider(Qt::Horizontal, this);
    timeline_->setAccessibleName(QStringLiteral("Timeline"));
    timeline_->setAccessibleDescription(
        QStringLiteral("Moves back and forth through the runs recorded, while paused"));
    timeline_->setPageStep(10);
    timeline_->setRange(0, 1);
    timeline_->setValue(1);
    timeline_->setEnabled(false);
    timeline_->setMinimumWidth(120);
    slowMotion_ = new QComboBox(this);
    for (const Pace& pace : kPaces) {
        slowMotion_->addItem(QString::fromUtf8(pace.text), pace.divisor);
        slowMotion_->setItemData(slowMotion_->count() - 1, QString::fromLatin1(pace.name),
                                 Qt::AccessibleTextRole);
    }
    follow_ = new QCheckBox(QStringLiteral("Follow"), this);
    follow_->setChecked(true);
    follow_->setAccessibleDescription(
        QStringLiteral("Shows the code of the handler that ran last"));
    effect_ = new QComboBox(this);

    // Above, how time runs; below, moving through what ran.
    auto* rows = new QVBoxLayout(this);
    rows->setContentsMargins(0, 0, 0, 0);
    auto* pace = new QHBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{
             pause_, labelFor(slowMotion_, "Slow motion", this), slowMotion_, follow_})
        pace->addWidget(w);
    pace->addStretch(1);
    pace->addWidget(labelFor(effect_, "Effect", this));
    pace->addWidget(effect_);
    auto* travel = new QHBoxLayout;
    travel->addWidget(stepBack_);
    travel->addWidget(timeline_, 1);
    travel->addWidget(step_);
    rows->addLayout(pace);
    rows->addLayout(travel);
    QWidget* order[] = {pause_, slowMotion_, follow_, effect_, stepBack_, timeline_, step_};
    for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);

    connect(pause_, &QPushButton::toggled, this, [this](bool on) { pauseToggled(on); });
    connect(stepBack_, &QPushButton::clicked, this, [this] { moves_.travel(-1); });
    connect(step_, &QPushButton::clicked, this, [this] { step(); });
    // The timeline's place is the number of runs not stepped back over.
    connect(timeline_, &QSlider::valueChanged, this,
            [this](int place) { moves_.travel(place - (timeline_->maximum() - undone_)); });
    connect(slowMotion_, &QComboBox::currentIndexChanged, this, [this](int choice) {
        runtime_.clock().setSlowdown(slowMotion_->itemData(choice).toInt());
    });
}

void TimeBar::pauseToggled(bool paused) {
    runtime_.clock().setHeld(paused);
    step_->setEnabled(paused);
    timeline_->setEnabled(paused);
    if (!paused) showHistory(1, 0);  // running, the timeline stands at now, its end
    moves_.paused(paused);
    stepBack_->setEnabled(paused && timeline_->maximum() > undone_);
}

QWidget* TimeBar::lastInTabOrder() const {
    return step_;
}

void TimeBar::pause() {
    pause_->setChecked(true);
}

// A run stepped back over comes again first; past the last, the next timer tick runs.
void TimeBar::step() {
    if (moves_.travel(1) == 0) runtime_.stepTimer();
}

void TimeBar::showHistory(int runs, int undone) {
    undone_ = undone;
    const QSignalBlocker quiet(timeline_);
    timeline_->setRange(0, runs);
    timeline_->setValue(runs - undone);
    stepBack_->setEnabled(pause_->isChecked() && runs > undone);
}

void TimeBar::returnToRealTime() {
    pause_->setChecked(false);
    slowMotion_->setCurrentIndex(0);
    runtime_.clock().setHeld(false);
    runtime_.clock().setSlowdown(1);
}

}  // namespace forms
