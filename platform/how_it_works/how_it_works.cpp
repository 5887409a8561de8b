#include "platform/how_it_works/how_it_works.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QShortcut>
#include <QShowEvent>
#include <QSplitter>
#include <QVBoxLayout>

#include "platform/accessibility/accessibility.h"
#include "platform/accessibility/spoken.h"
#include "platform/how_it_works/panes/code_pane.h"
#include "platform/how_it_works/panes/events_view.h"
#include "platform/how_it_works/panes/pane_shape.h"
#include "platform/how_it_works/panes/passing_message.h"
#include "platform/how_it_works/panes/time_bar.h"
#include "platform/how_it_works/panes/time_strip.h"
#include "platform/how_it_works/panes/watch_view.h"
#include "platform/how_it_works/panes/window_placer.h"
#include "platform/runtime/runtime.h"

namespace forms {

namespace {

constexpr int kFrameMs = 250;              // the panes show what ran four times a second
constexpr int kShortestEffectChoice = 12;  // characters; a narrow window elides longer names

QSplitter* splitter(Qt::Orientation orientation, QWidget* first, QWidget* second) {
    auto* panes = new QSplitter(orientation);
    panes->addWidget(first);
    panes->addWidget(second);
    return panes;
}

}  // namespace

HowItWorks::HowItWorks(Runtime& runtime, std::vector<NamedEffect> effects)
    : QWidget(nullptr, Qt::Window),
      runtime_(runtime),
      code_(runtime.files().keptText() ? std::optional<CodeIndex>(*runtime.files().keptText())
                                       : std::nullopt),
      recorder_(code_ ? &*code_ : nullptr, [this] { frameDue(); }),
      outline_(this),
      trail_(this),
      placer_(*this, runtime, [this](QSize room) { return shape_->fitTo(room); }) {
    setWindowTitle(QStringLiteral("How It Works"));
    setAttribute(Qt::WA_QuitOnClose, false);
    setAccessibleWindow(this);
    recorder_.setNow([this] { return now(); });
    recorder_.setHoldEvents([this](bool held) { runtime_.holdEvents(held); });
    recorder_.onMarkedChange([this](qint64 row) { pauseAtMarkedChange(row); });
    recorder_.setRuntimeTime([this] { return runtime_.clock().now(); });
    frame_.setSingleShot(true);
    connect(&frame_, &QTimer::timeout, this, [this] { showFrame(); });
    build();
    fillEffectChoice(effects);
    nameInnerParts(this);
    resize(shape_->row());
}

// What it recorded goes while every part that shows it is still there.
HowItWorks::~HowItWorks() {
    recorder_.stop();
}

void HowItWorks::build() {
    timeBar_ = new TimeBar(
        runtime_,
        {[this](int runs) { return travel(runs); },
         [this](bool paused) {
             // Time runs on from what shows.
             if (!paused) recorder_.dropUndone();
             showFrame();
         },
         [this](int run) { return recorder_.history().timeOf(static_cast<std::size_t>(run)); }},
        this);
    events_ = new EventsView(recorder_.log(), this);
    codePane_ = new CodePane(code_ ? &*code_ : nullptr, runtime_.files().keptPath(), this);
    watch_ = new WatchView(recorder_.watch(), this);
    lower_ = splitter(Qt::Horizontal, codePane_, watch_);
    lower_->setStretchFactor(0, 3);
    lower_->setStretchFactor(1, 2);
    panes_ = splitter(Qt::Vertical, events_, lower_);
    panes_->setStretchFactor(0, 1);
    panes_->setStretchFactor(1, 3);
    message_ = new PassingMessage(this);
    recorder_.watch().onRefused([this](const QString& why) { showMessage(why); });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(timeBar_);
    layout->addWidget(panes_, 1);
    layout->addWidget(message_);
    shape_ = std::make_unique<PaneShape>(*this, *timeBar_, *codePane_, *panes_, *lower_);
    setTabOrder(timeBar_->lastInTabOrder(), events_);
    setTabOrder(events_, codePane_->text());
    setTabOrder(codePane_->text(), watch_);
    showTimeInPictures();

    events_->onRowChosen([this](const EventLog::Row& row) { rowChosen(row); });
    events_->onChangeChosen([this](const EventLog::Row& row, int change) {
        changeChosen(row, static_cast<std::size_t>(change));
    });
    watch_->onEntryChosen([this](int entry) { entryChosen(entry); });
    codePane_->countRunsWith([this](int file, int line) {
        const History& history = recorder_.history();
        return history.runsOfLine(file, line, history.moment());
    });
    codePane_->onRunOfLineChosen(
        [this](int file, int line, RunOfLine which) { runOfLineChosen(file, line, which); });
    connect(timeBar_->trail(), &QCheckBox::toggled, this, [this] { showTrail(); });
    connect(timeBar_->follow(), &QCheckBox::toggled, this, [this](bool on) {
        if (on)
            followLastRun(true);
        else
            showCodeOfChosenRow();
    });
    connect(timeBar_->effect(), &QComboBox::currentIndexChanged, this,
            [this](int choice) { effectChosen(timeBar_->effect()->itemData(choice).toInt()); });
    for (const auto key : {Qt::Key_F1, Qt::Key_Escape})
        connect(new QShortcut(QKeySequence(key), this), &QShortcut::activated, this,
                &QWidget::hide);
}

// "All effects", then every file of the code that defines handlers, by the names given.
void HowItWorks::fillEffectChoice(const std::vector<NamedEffect>& effects) {
    QComboBox* effect = timeBar_->effect();
    effect->setMinimumContentsLength(kShortestEffectChoice);
    effect->addItem(QStringLiteral("All effects"), -1);
    if (!code_) return;
    std::vector<TimeStrip::Lane> lanes;
    for (const auto& [name, file] : code_->effects(effects)) {
        effect->addItem(name, file);
        lanes.push_back({name, file});
    }
    timeBar_->timeline()->setLanes(lanes);
}

// The time strip and the Watch's plots show the history over one span; a click on either goes
// to the moment under it.
void HowItWorks::showTimeInPictures() {
    TimeStrip* strip = timeBar_->timeline();
    strip->setHistory(&recorder_.history());
    watch_->showPlots(recorder_.history(), strip->span());
    strip->onShownChanged([this] { watch_->plotsMoved(); });
    watch_->onPlotClicked([strip](qint64 time) { strip->goToTime(time); });
}

// It records only while shown: hidden, each change the program makes costs one pointer test.
void HowItWorks::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    recorder_.start();
    if (!event->spontaneous()) placer_.place();
    showFrame();
}

void HowItWorks::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (event->spontaneous()) return;
    recorder_.stop();
    frame_.stop();
    outline_.hide();
    trail_.hide();
    showMessage({});
    placer_.stop();
    timeBar_->returnToRealTime();
}

qint64 HowItWorks::now() const {
    return runtime_.unpacedClock().now();
}

// The next frame comes a frame's time after the last one, or at once if that has passed.
void HowItWorks::frameDue() {
    if (!isVisible()) return;
    const qint64 wait = std::max<qint64>(0, lastFrame_ + kFrameMs - now());
    if (!frame_.isActive() || (wait == 0 && frame_.interval() > 0))
        frame_.start(static_cast<int>(wait));
}

void HowItWorks::showFrame() {
    frame_.stop();
    lastFrame_ = now();
    recorder_.log().publish();
    events_->showNewRows();
    followLastRun();
    refreshWatch();
    codePane_->recount();
    showTrail();
    if (runtime_.clock().held())
        timeBar_->showHistory(static_cast<int>(recorder_.history().runs()),
                              static_cast<int>(recorder_.history().undone()));
    timeBar_->timeline()->showFrame(runtime_.clock().now(), runtime_.clock().held());
}

void HowItWorks::showMessage(const QString& message) {
    message_->show(message);
}

// With Follow on, the code shown is the last handler's, with the lines of its last run's
// changes marked; while runs are stepped back over, the chosen run's.
void HowItWorks::followLastRun(bool evenIfNothingRan) {
    if (recorder_.history().undone() > 0) return;
    // What the user chose to see stays until a handler runs.
    if (!evenIfNothingRan && recorder_.runsStarted() == followed_) return;
    followed_ = recorder_.runsStarted();
    // Not following, a line chosen gives way to the chosen row's code once a handler runs.
    if (!timeBar_->follow()->isChecked()) return showCodeOfChosenRow();
    if (!effectShown(recorder_.lastEffect())) return;
    if (!recorder_.lastHandler().isEmpty())
        codePane_->showMethod(recorder_.lastForm(), recorder_.lastHandler(),
                              recorder_.lastRunLines());
    else if (recorder_.lastBy() != Place::By::Code)
        codePane_->showNoCode(Author{recorder_.lastBy()}.text());
}

// A row chosen by the user shows its handler's code; with Follow on, the code keeps to the
// handler that runs.
void HowItWorks::showCodeOfChosenRow() {
    if (timeBar_->follow()->isChecked()) return;
    if (const EventLog::Row* row = events_->currentRow()) showCodeOf(*row);
}

// A row's handler with the lines of its changes marked strongly.
void HowItWorks::showCodeOf(const EventLog::Row& row) {
    const auto place = code_ ? code_->find(row.form, row.handler) : std::nullopt;
    QList<int> lines;
    for (const EventLog::Change& change : row.changes)
        if (place && change.author.file == place->file) lines << change.author.line;
    showCode(row, lines);
}

// A row no handler made has no code: the pane says who made it instead.
void HowItWorks::showCode(const EventLog::Row& row, const QList<int>& strong) {
    if (row.handler.isEmpty())
        codePane_->showNoCode(Author{row.by}.text());
    else
        codePane_->showMethod(row.form, row.handler, strong);
}

// A row chosen: its code, not following, and what it concerns lit: the control whose event
// it answers, else the first it changed.
void HowItWorks::rowChosen(const EventLog::Row& row) {
    showCodeOfChosenRow();
    QStringList controls{EventLog::controlOf(row)};
    for (const EventLog::Change& change : row.changes) controls << change.what.owner;
    outline_.flash(controls, this);
}

bool HowItWorks::effectShown(int effect) const {
    return effect_ < 0 || effect == effect_;
}

// The panes keep to the effect chosen: the code shows the row chosen, else its latest run.
void HowItWorks::effectChosen(int effect) {
    effect_ = effect;
    events_->showEffect(effect);
    watch_->showEffect(effect);
    const EventLog::Row* chosen = events_->currentRow();
    if (!timeBar_->follow()->isChecked() && chosen) return showCodeOf(*chosen);
    EventLog& log = recorder_.log();
    for (int place = log.rowCount() - 1; place >= 0; --place)
        if (const EventLog::Row& row = log.row(place); !row.undone && effectShown(row.effect))
            return showCodeOf(row);
    if (effect >= 0) codePane_->showFileOf(effect);
}

// A Watch entry chosen: its control lights, and, not following, the line that last changed it.
void HowItWorks::entryChosen(int entry) {
    const WatchList& watch = recorder_.watch();
    outline_.flash(watch.what(entry).owner, this);
    const auto author = watch.author(entry);
    if (!timeBar_->follow()->isChecked() && author) codePane_->showLine(author->file, author->line);
}

// One change of a row chosen: its line alone, scrolled to and marked, and what it changed lit.
void HowItWorks::changeChosen(const EventLog::Row& row, std::size_t change) {
    const EventLog::Change& chosen = row.changes[change];
    codePane_->showLine(chosen.author.file, chosen.author.line);
    outline_.flash(chosen.what.owner.isEmpty() ? EventLog::controlOf(row) : chosen.what.owner,
                   this);
}

// While a mark shows, frames go on until it fades.
void HowItWorks::refreshWatch() {
    if (recorder_.watch().refresh(now())) frameDue();
}

// The trail is drawn while it is on and the window shows, and is gone otherwise.
void HowItWorks::showTrail() {
    if (timeBar_->trail()->isChecked() && isVisible())
        trail_.show(recorder_.history(), this);
    else
        trail_.hide();
}

}  // namespace forms
