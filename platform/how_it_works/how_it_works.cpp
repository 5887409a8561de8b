#include "platform/how_it_works/how_it_works.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QShowEvent>
#include <QSortFilterProxyModel>
#include <QSplitter>
#include <QTreeView>
#include <QVBoxLayout>
#include <array>

#include "platform/accessibility/spoken.h"
#include "platform/forms/form.h"
#include "platform/how_it_works/rows_view.h"
#include "platform/runtime/runtime.h"

namespace forms {

namespace {

constexpr int kFrameMs = 100;  // the panes show what ran ten times a second
constexpr int kGap = 8;        // between the program's window and this one
constexpr int kLowest = 280;   // the least height worth placing below it

struct Pace {
    const char* text;
    const char* name;  // what a screen reader says
    int divisor;
};
constexpr std::array<Pace, 4> kPaces = {{{"1\u00d7", "full speed", 1},
                                         {"\u00bd\u00d7", "half speed", 2},
                                         {"\u00bc\u00d7", "quarter speed", 4},
                                         {"\u2152\u00d7", "one tenth speed", 10}}};

// The rows of one part of the program, or of all.
class PartFilter final : public QSortFilterProxyModel {
  public:
    using QSortFilterProxyModel::QSortFilterProxyModel;
    void showPart(int part) {
        part_ = part;
        invalidateRowsFilter();
    }

  protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override {
        if (part_ < 0) return true;
        return sourceModel()->index(row, 0, parent).data(EventLog::kPartRole).toInt() == part_;
    }

  private:
    int part_ = -1;
};

// Qt's own parts (scroll bars, headings, lists of choices, the frames that hold the panes) are
// given plain names, so that a screen reader meets nothing nameless.
void nameInnerParts(QWidget* window) {
    for (auto* area : window->findChildren<QAbstractScrollArea*>()) describeScrollArea(*area);
    for (auto* choice : window->findChildren<QComboBox*>())
        choice->view()->setAccessibleName(QStringLiteral("Choices"));
    for (auto* header : window->findChildren<QHeaderView*>())
        header->setAccessibleName(QStringLiteral("Column headings"));
    for (auto* splitter : window->findChildren<QSplitter*>()) {
        splitter->setAccessibleName(QStringLiteral("Panes"));
        for (int i = 0; i < splitter->count(); ++i)
            splitter->handle(i)->setAccessibleName(QStringLiteral("Divider"));
    }
}

}  // namespace

HowItWorks::HowItWorks(Runtime& runtime) : QWidget(nullptr, Qt::Window), runtime_(runtime) {
    setWindowTitle(QStringLiteral("How It Works"));
    setAttribute(Qt::WA_QuitOnClose, false);
    if (const auto& text = runtime_.files().keptText()) code_.emplace(*text);
    frame_.setSingleShot(true);
    connect(&frame_, &QTimer::timeout, this, [this] { showFrame(); });
    build();
    nameInnerParts(this);
    resize(640, 600);
}

HowItWorks::~HowItWorks() {
    if (watcher() == this) setWatcher(nullptr);
}

void HowItWorks::build() {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildTimeBar());
    filtered_ = new PartFilter(this);
    filtered_->setSourceModel(&log_);
    filtered_->setDynamicSortFilter(false);  // a row's part never changes: no filtering again
    events_ = new RowsView(filtered_, QStringLiteral("Events"), this);
    events_->setColumnWidth(EventLog::TimeColumn, 70);
    events_->setColumnWidth(EventLog::EventColumn, 80);
    events_->setColumnWidth(EventLog::HandlerColumn, 230);
    watchTable_ = new RowsView(&watch_, QStringLiteral("Watch"), this);
    watchTable_->setColumnWidth(WatchList::NameColumn, 170);
    auto* lower = new QSplitter(Qt::Horizontal);
    codePane_ = new CodePane(code_ ? &*code_ : nullptr, runtime_.files().keptPath(), this);
    lower->addWidget(codePane_);
    lower->addWidget(watchTable_);
    lower->setStretchFactor(0, 3);
    lower->setStretchFactor(1, 2);
    auto* panes = new QSplitter(Qt::Vertical);
    panes->addWidget(events_);
    panes->addWidget(lower);
    layout->addWidget(panes, 1);
    setTabOrder(part_, events_);
    setTabOrder(events_, codePane_->text());
    setTabOrder(codePane_->text(), watchTable_);

    connect(events_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { rowChosen(current); });
    connect(filtered_, &QAbstractItemModel::rowsInserted, this, [this] {
        if (events_->verticalScrollBar()->value() >= events_->verticalScrollBar()->maximum() - 1)
            events_->scrollToBottom();
    });
    for (const auto key : {Qt::Key_F1, Qt::Key_Escape})
        connect(new QShortcut(QKeySequence(key), this), &QShortcut::activated, this,
                &QWidget::hide);
}

QWidget* HowItWorks::buildTimeBar() {
    auto* bar = new QWidget(this);
    bar->setAccessibleName(QStringLiteral("Time"));
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    pause_ = new QPushButton(QStringLiteral("Pause"), bar);
    pause_->setCheckable(true);
    pause_->setAutoDefault(true);  // Return presses it, as Space does
    pause_->setAccessibleDescription(QStringLiteral("Holds every timer where it stands"));
    step_ = new QPushButton(QStringLiteral("Step"), bar);
    step_->setEnabled(false);
    step_->setAutoDefault(true);
    step_->setAccessibleDescription(QStringLiteral("Runs the next timer tick, once"));
    slowdown_ = new QComboBox(bar);
    for (const Pace& pace : kPaces) {
        slowdown_->addItem(QString::fromUtf8(pace.text), pace.divisor);
        slowdown_->setItemData(slowdown_->count() - 1, QString::fromLatin1(pace.name),
                               Qt::AccessibleTextRole);
    }
    auto* slowLabel = new QLabel(QStringLiteral("Slow motion"), bar);
    slowLabel->setBuddy(slowdown_);
    slowdown_->setAccessibleName(QStringLiteral("Slow motion"));
    follow_ = new QCheckBox(QStringLiteral("Follow"), bar);
    follow_->setChecked(true);
    follow_->setAccessibleDescription(
        QStringLiteral("Shows the code of the handler that ran last"));
    part_ = new QComboBox(bar);
    part_->setAccessibleName(QStringLiteral("Effect"));
    auto* partLabel = new QLabel(QStringLiteral("Effect"), bar);
    partLabel->setBuddy(part_);
    fillPartChoice();
    for (QWidget* w : std::initializer_list<QWidget*>{pause_, step_, slowLabel, slowdown_, follow_})
        row->addWidget(w);
    row->addStretch(1);
    row->addWidget(partLabel);
    row->addWidget(part_);

    connect(pause_, &QPushButton::toggled, this, [this](bool on) { pauseToggled(on); });
    connect(step_, &QPushButton::clicked, this, [this] { runtime_.stepTimer(); });
    connect(slowdown_, &QComboBox::currentIndexChanged, this, [this](int choice) {
        runtime_.clock().setSlowdown(slowdown_->itemData(choice).toInt());
    });
    connect(follow_, &QCheckBox::toggled, this, [this](bool on) {
        if (on)
            followLastRun();
        else
            rowChosen(events_->currentIndex());
    });
    connect(part_, &QComboBox::currentIndexChanged, this, [this](int choice) {
        const int part = part_->itemData(choice).toInt();
        static_cast<PartFilter*>(filtered_)->showPart(part);
        watch_.showPart(part);
        refreshWatch();
    });
    return bar;
}

// "All effects", then every file of the code that defines handlers.
void HowItWorks::fillPartChoice() {
    part_->addItem(QStringLiteral("All effects"), -1);
    if (!code_) return;
    const auto& files = code_->files();
    for (std::size_t i = 0; i < files.size(); ++i)
        if (files[i].definesHandlers) part_->addItem(files[i].title, static_cast<int>(i));
}

// It records only while shown: hidden, each change the program makes costs one pointer test.
void HowItWorks::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    setWatcher(this);
    if (!event->spontaneous()) placeBesideMainWindow();
    showFrame();
}

void HowItWorks::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (event->spontaneous()) return;
    setWatcher(nullptr);
    frame_.stop();
    returnToRealTime();
}

void HowItWorks::returnToRealTime() {
    pause_->setChecked(false);
    slowdown_->setCurrentIndex(0);
    runtime_.clock().setHeld(false);
    runtime_.clock().setSlowdown(1);
}

// To the right of the program's main window where the screen has room, else to its left, else
// below it (lower, if need be): never over the effects, unless the screen is too small for
// anything else.
void HowItWorks::placeBesideMainWindow() {
    Form* main = runtime_.startupForm();
    if (!main || !main->isShown()) return;
    const QRect beside = main->window()->frameGeometry();
    const QRect screen = main->window()->screen()->availableGeometry();
    QSize size(std::min(width(), screen.width()),
               std::min(std::max(height(), beside.height()), screen.height()));
    QPoint at(beside.right() + kGap, beside.top());
    const int roomBelow = screen.bottom() - beside.bottom() - kGap;
    const bool fitsRight = at.x() + size.width() <= screen.right();
    if (!fitsRight && beside.left() - kGap - size.width() >= screen.left()) {
        at.setX(beside.left() - kGap - size.width());
    } else if (!fitsRight && roomBelow >= kLowest) {
        at = QPoint(beside.left(), beside.bottom() + kGap);
        size = QSize(std::min(std::max(size.width(), beside.width()), screen.width()),
                     std::min(size.height(), roomBelow));
    } else if (!fitsRight) {
        at.setX(screen.right() - size.width());
    }
    at.setX(
        std::clamp(at.x(), screen.left(), std::max(screen.left(), screen.right() - size.width())));
    at.setY(
        std::clamp(at.y(), screen.top(), std::max(screen.top(), screen.bottom() - size.height())));
    resize(size);
    move(at);
}

int HowItWorks::partOf(const QString& form, const QString& handler) const {
    if (!code_) return -1;
    const auto place = code_->find(form, handler);
    return place ? place->file : -1;
}

void HowItWorks::handlerStarted(const HandlerRun& run) {
    runningPart_ = partOf(run.form, run.handler);
    lastForm_ = run.form;
    lastHandler_ = run.handler;
    log_.begin(run, runningPart_);
}

void HowItWorks::handlerFailed(const RuntimeError& error) {
    log_.fail(error.number, error.description);
}

void HowItWorks::changed(const Watched& what, const WatchedValue& from, const WatchedValue& to) {
    log_.change(what, from, to);
    watch_.changed(what, to, runningPart_, now());
}

void HowItWorks::handlerEnded() {
    log_.end();
    frameDue();
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
    log_.publish();
    followLastRun();
    refreshWatch();
}

// With Follow on, the code shown is the last handler's.
void HowItWorks::followLastRun() {
    if (follow_->isChecked() && !lastHandler_.isEmpty())
        codePane_->showMethod(lastForm_, lastHandler_);
}

// A row chosen by the user shows its handler's code; with Follow on, the code keeps to the
// handler that runs.
void HowItWorks::rowChosen(const QModelIndex& current) {
    if (!current.isValid() || follow_->isChecked()) return;
    const EventLog::Row& row = log_.row(filtered_->mapToSource(current).row());
    codePane_->showMethod(row.form, row.handler);
}

void HowItWorks::pauseToggled(bool paused) {
    runtime_.clock().setHeld(paused);
    step_->setEnabled(paused);
}

// While a mark shows, frames go on until it fades.
void HowItWorks::refreshWatch() {
    if (watch_.refresh(now()) && isVisible()) frameDue();
}

}  // namespace forms
