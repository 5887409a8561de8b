#include "platform/how_it_works/panes/time_bar.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <iterator>
#include <utility>

#include "platform/how_it_works/panes/time_strip.h"
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

constexpr const char* kRunning = "Holds every timer where it stands";
constexpr const char* kHeld =
    "Paused: the program is held and its timers stand still; press again to run on";

QPushButton* button(const char* text, const char* description, QWidget* parent) {
    auto* b = new QPushButton(QString::fromLatin1(text), parent);
    b->setAutoDefault(true);  // Return presses it, as Space does
    b->setAccessibleDescription(QString::fromLatin1(description));
    b->setToolTip(b->accessibleDescription());
    return b;
}

QLabel* labelFor(QWidget* buddy, const char* text, QWidget* parent) {
    auto* label = new QLabel(QString::fromLatin1(text), parent);
    label->setBuddy(buddy);
    buddy->setAccessibleName(label->text());
    return label;
}

// Drawn in the palette's highlight, light or dark, while time is held.
QLabel* heldBadge(QWidget* parent) {
    auto* badge = new QLabel(QStringLiteral("Paused: timers stand still"), parent);
    badge->setBackgroundRole(QPalette::Highlight);
    badge->setForegroundRole(QPalette::HighlightedText);
    badge->setAutoFillBackground(true);
    badge->setMargin(3);
    badge->hide();
    return badge;
}

// Counts read with their thousands apart, whatever the locale's default.
QString count(int number) {
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() & ~QLocale::OmitGroupSeparator);
    return locale.toString(number);
}

}  // namespace

TimeBar::TimeBar(Runtime& runtime, Moves moves, QWidget* parent)
    : QWidget(parent), runtime_(runtime), moves_(std::move(moves)) {
    setAccessibleName(QStringLiteral("Time"));
    pause_ = button("Pause", kRunning, this);
    pause_->setCheckable(true);
    held_ = heldBadge(this);
    stepBack_ = button("Step back", "Undoes the latest handler run (F7, or Ctrl+Left here)", this);
    stepBack_->setEnabled(false);
    step_ = button("Step",
                   "Redoes the next run stepped back over, or runs the next timer tick (F8, or "
                   "Ctrl+Right here)",
                   this);
    step_->setEnabled(false);
    // Enabled while time runs too: it zooms then, and a click on it pauses.
    timeline_ = new TimeStrip(this);
    timeline_->onMoveWhileRunning([this] { pause(); });
    timeline_->setRange(0, 1);
    timeline_->setValue(1);
    place_ = new QLabel(this);
    place_->setMinimumWidth(
        place_->fontMetrics().horizontalAdvance(QStringLiteral("run 9,000 of 9,000, 999.999 s")));
    status_ = new QLabel(this);
    status_->setAccessibleName(QStringLiteral("Time status"));
    status_->setWordWrap(true);
    status_->hide();
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
    trail_ = new QCheckBox(QStringLiteral("Trail"), this);
    trail_->setAccessibleName(trail_->text());
    trail_->setAccessibleDescription(QStringLiteral(
        "Leaves faint marks on the program's windows where each control a handler moves stood "
        "after each of its recent runs; stepped back, where it will stand, in another tint"));
    trail_->setToolTip(trail_->accessibleDescription());
    effect_ = new QComboBox(this);

    // Above, how time runs; then where it stands and the steps through it; then the strip
    // across the whole width; below, why a step was not taken. Narrow enough to stand beside
    // the main window, paused or not.
    auto* rows = new QVBoxLayout(this);
    rows->setContentsMargins(0, 0, 0, 0);
    auto* pace = new QHBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{
             pause_, labelFor(slowMotion_, "Slow motion", this), slowMotion_, follow_, trail_})
        pace->addWidget(w);
    pace->addStretch(1);
    pace->addWidget(labelFor(effect_, "Effect", this));
    pace->addWidget(effect_);
    auto* travel = new QHBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{
             stepBack_, step_, labelFor(timeline_, "Timeline", this), place_})
        travel->addWidget(w);
    travel->addStretch(1);
    travel->addWidget(held_);
    rows->addLayout(pace);
    rows->addLayout(travel);
    rows->addWidget(timeline_);
    rows->addWidget(status_);
    QWidget* order[] = {pause_, slowMotion_, follow_, trail_, effect_, stepBack_, step_, timeline_};
    for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);

    connect(pause_, &QPushButton::toggled, this, [this](bool on) { pauseToggled(on); });
    connect(stepBack_, &QPushButton::clicked, this, [this] { stepBack(); });
    connect(step_, &QPushButton::clicked, this, [this] { step(); });
    connect(timeline_, &QSlider::valueChanged, this, [this](int place) { timelineMoved(place); });
    connect(slowMotion_, &QComboBox::currentIndexChanged, this, [this](int choice) {
        runtime_.clock().setSlowdown(slowMotion_->itemData(choice).toInt());
    });
    addKeys();
    showPlace();
}

// F7 and F8 work from whichever of the program's windows has the focus; the shortcuts live
// only while the bar shows.
void TimeBar::addKeys() {
    const auto key = [this](QKeySequence keys, Qt::ShortcutContext where, auto act) {
        new QShortcut(keys, this, this, act, where);
    };
    key(QKeySequence(Qt::Key_F7), Qt::ApplicationShortcut, [this] {
        if (pause_->isChecked()) stepBack();
    });
    key(QKeySequence(Qt::Key_F8), Qt::ApplicationShortcut, [this] {
        if (pause_->isChecked()) step();
    });
    key(QKeySequence(Qt::CTRL | Qt::Key_Left), Qt::WindowShortcut, [this] { stepBack(); });
    key(QKeySequence(Qt::CTRL | Qt::Key_Right), Qt::WindowShortcut, [this] { step(); });
}

void TimeBar::pauseToggled(bool paused) {
    tell({});
    runtime_.clock().setHeld(paused);
    held_->setVisible(paused);
    pause_->setAccessibleDescription(QString::fromLatin1(paused ? kHeld : kRunning));
    pause_->setToolTip(pause_->accessibleDescription());
    step_->setEnabled(paused);
    if (!paused) showHistory(1, 0);  // running, the timeline stands at now, its end
    moves_.paused(paused);
    stepBack_->setEnabled(paused && timeline_->maximum() > undone_);
    showPlace();
}

QWidget* TimeBar::lastInTabOrder() const {
    return timeline_;
}

void TimeBar::pause() {
    pause_->setChecked(true);
}

QString TimeBar::whyNoStep(bool back) const {
    if (!pause_->isChecked())
        return back ? QStringLiteral("Step back works while paused (press Pause)")
                    : QStringLiteral("Step works while paused (press Pause)");
    if (runtime_.boxOpen()) return QStringLiteral("A box is open: answer it first");
    if (back && timeline_->maximum() <= undone_)
        return QStringLiteral("Nothing is left to step back over");
    return {};
}

void TimeBar::stepBack() {
    const QString why = whyNoStep(true);
    tell(why);
    if (why.isEmpty()) moves_.travel(-1);
}

// A run stepped back over comes again first; past the last, the next timer tick runs.
void TimeBar::step() {
    const QString why = whyNoStep(false);
    tell(why);
    if (why.isEmpty() && moves_.travel(1) == 0) runtime_.stepTimer();
}

// The timeline's place is the number of runs not stepped back over.
void TimeBar::timelineMoved(int place) {
    const int shown = timeline_->maximum() - undone_;
    const QString why = whyNoStep(false);
    tell(why);
    if (why.isEmpty()) {
        moves_.travel(place - shown);
        return;
    }
    const QSignalBlocker quiet(timeline_);
    timeline_->setValue(shown);
}

void TimeBar::tell(const QString& status) {
    if (status_->text() == status) return;
    status_->setText(status);
    status_->setAccessibleDescription(status);
    status_->setVisible(!status.isEmpty());
}

void TimeBar::showHistory(int runs, int undone) {
    undone_ = undone;
    {
        const QSignalBlocker quiet(timeline_);
        timeline_->setRange(0, runs);
        timeline_->setValue(runs - undone);
        timeline_->setPageStep(std::max(1, runs / 10));  // a click in the groove moves a tenth
    }
    stepBack_->setEnabled(pause_->isChecked() && runs > undone);
    showPlace();
}

// Where the timeline stands, in words: the run shown and its time, or now while running.
void TimeBar::showPlace() {
    const int runs = timeline_->maximum();
    const int at = runs - undone_;
    QString words;
    if (!pause_->isChecked())
        words = QStringLiteral("now, running");
    else if (runs == 0)
        words = QStringLiteral("no runs yet");
    else if (at == 0)
        words = QStringLiteral("before run 1 of %1").arg(count(runs));
    else
        words = QStringLiteral("run %1 of %2").arg(count(at), count(runs));
    if (const qint64 ms = at > 0 && pause_->isChecked() ? moves_.timeOfRun(at - 1) : -1; ms >= 0)
        words += QStringLiteral(", %1 s").arg(static_cast<double>(ms) / 1000.0, 0, 'f', 3);
    if (place_->text() == words) return;
    place_->setText(words);
    timeline_->setAccessibleDescription(words);
}

void TimeBar::returnToRealTime() {
    pause_->setChecked(false);
    slowMotion_->setCurrentIndex(0);
    runtime_.clock().setHeld(false);
    runtime_.clock().setSlowdown(1);
}

}  // namespace forms
