#include "MainForm.h"

#include "Dialogs.h"
#include "GameListModel.h"
#include "WindowTexts.h"
#include "about/AboutBox.h"
#include "shell/HelpCommands.h"
#include "sim/Batch.h"
#include "sim/Run.h"
#include "ui_MainForm.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>
#include <QTreeWidget>
#include <algorithm>
#include <array>
#include <new>
#include <utility>
#include <variant>

namespace zenoku {

namespace {

/// Size of the area below the menu bar, status bar included.
constexpr int kClientWidth = 604;
constexpr int kClientHeight = 701;
constexpr int kStatusBarHeight = 21;
constexpr int kMessagePanelWidth = 450;
constexpr int kClockPanelWidth = 80;
constexpr int kClockIntervalMs = 100;
/// Right edge of the hidden-level notice, which grows to the left.
constexpr int kNoticeRight = 149;
/// How far the bonus list scrolls each time a bonus row gets its medals.
constexpr int kBonusRowScroll = 10;
/// Narrowest a label's font is condensed to make its text fit, in percent.
constexpr int kMinFontStretch = 75;
/// Room right of the summary inside its group box.
constexpr int kResultBoxMargin = 4;

constexpr std::array kGameListWidths{60, 60, 90, 70, 120, 65, 70};
constexpr std::array kBonusListWidths{60, 60, 100, 100, 70};
constexpr std::array kRoleListWidths{100, 70, 70, 80};
constexpr std::array kTriggerListWidths{100, 70, 70};

/// Runs `f` when the scope ends, however it ends.
template <class F> class OnExit {
public:
    explicit OnExit(F f) : m_f(std::move(f)) {}
    ~OnExit() { m_f(); }
    OnExit(const OnExit&) = delete;
    OnExit& operator=(const OnExit&) = delete;

private:
    F m_f;
};

template <std::size_t N> void setColumnWidths(QHeaderView* header, const std::array<int, N>& w) {
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    header->setSectionsMovable(false);
    for (std::size_t c = 0; c < N; ++c)
        header->resizeSection(static_cast<int>(c), w[c]);
}

void fillRows(QTreeWidget* list, const std::vector<TextRow>& rows) {
    QList<QTreeWidgetItem*> items;
    items.reserve(static_cast<qsizetype>(rows.size()));
    for (const TextRow& row : rows) {
        QStringList cells;
        cells.reserve(static_cast<qsizetype>(row.size()));
        for (const std::string& cell : row)
            cells.append(QString::fromStdString(cell));
        items.append(new QTreeWidgetItem(cells));
    }
    list->addTopLevelItems(items);
}

/// The local date and time in the locale's formats: the short date, a blank, the time with
/// seconds (without a time-zone name).
QString clockText(const QDateTime& now) {
    const QLocale locale;
    QString timeFormat = locale.timeFormat(QLocale::LongFormat);
    timeFormat.remove(QLatin1Char('t'));
    return locale.toString(now.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
           locale.toString(now.time(), timeFormat.trimmed());
}

/// Condenses a label's font just enough for its widest line to fit `room` pixels. The
/// installed fonts that stand in for the layout's run wider than the ones it was drawn with,
/// and the layout's boxes have fixed sizes.
void condenseToFit(QLabel* label, int room) {
    QFont font = label->font();
    font.setStretch(QFont::Unstretched);
    const QFontMetrics metrics(font);
    int widest = 0;
    for (const QString& line : label->text().split(QLatin1Char('\n')))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    if (widest > room && room > 0) font.setStretch(std::max(kMinFontStretch, 100 * room / widest));
    label->setFont(font);
}

std::string fileSystemName(const QString& name) {
    return QFile::encodeName(name).toStdString();
}

} // namespace

TMainForm::TMainForm(Dialogs& dialogs, std::uint32_t seed, FileLayer& files, QWidget* parent)
    : QMainWindow(parent), m_ui(std::make_unique<Ui::MainForm>()), m_dialogs(dialogs),
      m_files(files), m_slot(std::make_unique<TSlot>(seed)),
      m_history(shareHistory(PlayHistory{})) {
    m_ui->setupUi(this);

    // The layout is drawn in pixels, so its fonts are sized in pixels too (Designer stores
    // points only).
    QFont gothic(QStringLiteral("ＭＳ Ｐゴシック"));
    gothic.setPixelSize(12);
    setFont(gothic);
    QFont small = gothic;
    small.setPixelSize(11);
    m_ui->Label3->setFont(small);
    for (QLabel* label : {m_ui->Label1, m_ui->Label2, m_ui->Label6})
        condenseToFit(label, label->width());
    QPalette notice = m_ui->Label3->palette();
    notice.setColor(QPalette::WindowText, Qt::red);
    m_ui->Label3->setPalette(notice);

    // Status bar: panel 0 for messages, panel 1 for the clock, which takes the rest.
    m_ui->StatusBar1->setFixedHeight(kStatusBarHeight);
    for (int i = 0; i < 2; ++i) {
        m_statusPanels[i] = new QLabel(m_ui->StatusBar1);
        m_statusPanels[i]->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
    }
    m_statusPanels[0]->setFixedWidth(kMessagePanelWidth);
    m_statusPanels[0]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_statusPanels[1]->setMinimumWidth(kClockPanelWidth);
    m_statusPanels[1]->setAlignment(Qt::AlignCenter);
    m_ui->StatusBar1->addWidget(m_statusPanels[0]);
    m_ui->StatusBar1->addWidget(m_statusPanels[1], 1);

    // The per-game list is virtual: a model that makes a row's texts when it is drawn, and
    // rows of one fixed height, so no per-row size is ever measured.
    m_gameList = new GameListModel(this);
    m_ui->ResultListView->setModel(m_gameList);
    QHeaderView* rows = m_ui->ResultListView->verticalHeader();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setMinimumSectionSize(1);
    rows->setDefaultSectionSize(m_ui->ResultListView->fontMetrics().height() + 2);
    setColumnWidths(m_ui->ResultListView->horizontalHeader(), kGameListWidths);
    setColumnWidths(m_ui->BListView->header(), kBonusListWidths);
    setColumnWidths(m_ui->KoyakuListView->header(), kRoleListWidths);
    setColumnWidths(m_ui->RTCancelListView->header(), kTriggerListWidths);
    connect(m_ui->BListView->verticalScrollBar(), &QScrollBar::rangeChanged, this,
            &TMainForm::applyBonusScroll);

    // Fixed size: the client area below the menu bar, no resizing, no maximise button.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    m_ui->centralwidget->setFixedSize(kClientWidth, kClientHeight - kStatusBarHeight);
    const int menuHeight = m_ui->MainMenu->heightForWidth(kClientWidth) > 0
                               ? m_ui->MainMenu->heightForWidth(kClientWidth)
                               : m_ui->MainMenu->sizeHint().height();
    setFixedSize(kClientWidth, menuHeight + kClientHeight);

    connect(m_ui->StartButton, &QPushButton::clicked, this, &TMainForm::StartButtonClic);
    connect(m_ui->FlevelButton, &QPushButton::clicked, this, &TMainForm::FlevelButtonClick);
    connect(m_ui->FileOpenMenu, &QAction::triggered, this, &TMainForm::FileOpenMenuClick);
    connect(m_ui->FileSaveMenu, &QAction::triggered, this, &TMainForm::FileSaveMenuClick);
    connect(m_ui->FileStartMenu, &QAction::triggered, this, &TMainForm::FileStartMenuClick);
    connect(m_ui->FileExitMenu, &QAction::triggered, this, &TMainForm::FileExitMenuClick);
    connect(m_ui->HelpAboutMenu, &QAction::triggered, this, &TMainForm::HelpAboutMenuClick);
    connect(m_ui->HelpManMenu, &QAction::triggered, this, &TMainForm::HelpManMenuClick);
    connect(m_ui->JWord1, &QAction::triggered, this, &TMainForm::JWord1Click);
    connect(m_ui->N3, &QAction::triggered, this, &TMainForm::N3Click);
    connect(m_ui->N4, &QAction::triggered, this, &TMainForm::N4Click);
    connect(m_ui->BIGCheckBox, &QCheckBox::clicked, this, &TMainForm::BIGCheckBoxClick);
    connect(m_ui->REGCheckBox, &QCheckBox::clicked, this, &TMainForm::REGCheckBoxClick);
    connect(m_ui->BellCheckBox, &QCheckBox::clicked, this, &TMainForm::BellCheckBoxClick);
    connect(m_ui->OrangeCheckBox, &QCheckBox::clicked, this, &TMainForm::OrangeCheckBoxClick);
    connect(m_ui->Cherry2CheckBox, &QCheckBox::clicked, this, &TMainForm::Cherry2CheckBoxClick);
    connect(m_ui->Cherry4CheckBox, &QCheckBox::clicked, this, &TMainForm::Cherry4CheckBoxClick);
    connect(m_ui->RReplayCheckBox, &QCheckBox::clicked, this, &TMainForm::RReplayCheckBoxClick);
    connect(m_ui->HazureCheckBox, &QCheckBox::clicked, this, &TMainForm::HazureCheckBoxClick);

    m_clock = new QTimer(this);
    m_clock->setObjectName(QStringLiteral("Timer1"));
    m_clock->setInterval(kClockIntervalMs);
    connect(m_clock, &QTimer::timeout, this, &TMainForm::Timer1Timer);
    m_clock->start();
}

TMainForm::~TMainForm() = default;

QString TMainForm::statusText(int panel) const {
    return panel == 0 || panel == 1 ? m_statusPanels[panel]->text() : QString();
}

void TMainForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (m_centred) return;
    m_centred = true;
    if (const QScreen* s = screen()) {
        const QRect desk = s->availableGeometry();
        QRect frame = frameGeometry();
        frame.moveCenter(desk.center());
        // Keep the title bar on a desk smaller than the window.
        move(std::max(frame.left(), desk.left()), std::max(frame.top(), desk.top()));
    }
}

// ---- start --------------------------------------------------------------------------------

void TMainForm::StartButtonClic() {
    FileStartMenuClick();
}

void TMainForm::FileStartMenuClick() {
    // A start chosen during the event pass a run makes before its games would play into the
    // history and the machine that run is using.
    if (m_busy) return;
    // Every input, the level included, is checked before anything starts: a refused input
    // changes nothing and never leaves the button disabled.
    const auto checked = checkStartInputs(
        m_ui->PlayNumEdit->text().toStdString(), m_ui->FlevelComboBox->currentText().toStdString(),
        m_ui->SimNumEdit->text().toStdString(), physicalMemoryBytes());
    if (const auto* error = std::get_if<InputError>(&checked)) {
        if (error->kind == InputErrorKind::NotAnInteger) {
            m_dialogs.showToolkitError(this, QString::fromStdString(error->message));
        } else {
            m_dialogs.showError(this, QString::fromStdString(error->message));
            setStatus({});
        }
        return;
    }
    const StartInputs& inputs = std::get<StartInputs>(checked);

    m_busy = true;
    m_ui->StartButton->setEnabled(false);
    const OnExit idle([this] {
        m_ui->StartButton->setEnabled(true);
        m_busy = false;
    });
    setStatus(qtext(texts::kRunning));
    try {
        if (inputs.runs == 1) {
            runSingle(inputs);
            setStatus(qtext(texts::kRunDone));
        } else if (runBatch(inputs)) {
            setStatus(qtext(texts::kRunDone));
        }
    } catch (const std::bad_alloc&) {
        // The history could not grow. What is on screen is untouched: the run played into a
        // history of its own.
        setStatus({});
        m_dialogs.showToolkitError(this, qtext(texts::kOutOfMemory));
    }
}

void TMainForm::runSingle(const StartInputs& inputs) {
    const RunRequest request{inputs.plays, inputs.level, m_ui->StockCheckBox->isChecked()};
    PlayedRun run = RunSimulation(*m_slot, request, takeStorage(), [&](const RunReport& report) {
        setHiddenLevelNotice(report.hidden);
        // The one point of a run where the window answers: the status text and the disabled
        // button are drawn here.
        QCoreApplication::processEvents();
    });
    m_history = run.history;
    m_playedHeader = run.header;
    ShowResults(std::move(run.history), run.header);
}

bool TMainForm::runBatch(const StartInputs& inputs) {
    const QString chosen = m_dialogs.saveFileName(this);
    if (chosen.isEmpty()) {
        // No name, no files: the batch ends before it plays anything.
        setStatus({});
        return false;
    }
    // The inputs are read once, here: edits made while the batch runs do not reach it.
    const BatchRequest request{{inputs.plays, inputs.level, m_ui->StockCheckBox->isChecked()},
                               inputs.runs,
                               fileSystemName(chosen)};
    BatchCallbacks callbacks;
    callbacks.beforeGames = [&](std::int32_t, const RunReport& report) {
        setHiddenLevelNotice(report.hidden);
        QCoreApplication::processEvents();
    };
    callbacks.saving = [&](const std::string& fileName, int progress) {
        setStatus(qtext(texts::kSaving) + QFile::decodeName(fileName.c_str()));
        m_ui->ProgressBar1->setValue(progress);
    };
    BatchResult result = RunBatch(*m_slot, request, callbacks, m_files, takeStorage());
    m_history = std::move(result.lastRun.history);
    m_playedHeader = result.lastRun.header;
    if (!result.completed) {
        setStatus(qtext(texts::kBatchFailed));
        return false;
    }
    setStatus(qtext(texts::kSaved));
    return true;
}

PlayHistory TMainForm::takeStorage() {
    // The shown results keep their own reference to the shown run: that one is never played
    // into again.
    return reclaimStorage(std::move(m_history));
}

const PlayHistory& TMainForm::history() const {
    static const PlayHistory kNone;
    return m_history ? *m_history : kNone;
}

void TMainForm::FlevelButtonClick() {
    m_ui->FlevelComboBox->setCurrentText(QString::number(m_slot->GetFlevel()));
}

// ---- results ------------------------------------------------------------------------------

bool TMainForm::ShowResults(std::shared_ptr<const PlayHistory> history, SimHeader header) {
    std::optional<Results> built = buildResults(std::move(history));
    if (!built) return false;
    auto results = std::make_shared<const Results>(std::move(*built));

    m_ui->BListView->clear();
    m_ui->KoyakuListView->clear();
    m_ui->RTCancelListView->clear();
    setResultText({});

    m_gameList->setTexts(results->gameList);
    fillBonusList(results->bonusRows);
    for (const ProgressStep& step : results->progress)
        m_ui->ProgressBar1->setValue(step.position);
    fillRows(m_ui->KoyakuListView, results->roleRows);
    fillRows(m_ui->RTCancelListView, results->triggerRows);
    m_ui->SlumpChart->setChartData(results->charts);
    m_ui->SlumpChart2->setChartData(results->charts);
    m_ui->KoyakuChart->setSlices(results->charts.rolePie);
    m_ui->RTCancelChart->setSlices(results->charts.triggerPie);
    setResultText(QString::fromStdString(results->summary));
    m_ui->FileSaveMenu->setEnabled(true);

    m_shown = std::move(results);
    m_shownHeader = header;
    emit resultsShown();
    return true;
}

void TMainForm::fillBonusList(const std::vector<TextRow>& rows) {
    QTreeWidget* list = m_ui->BListView;
    fillRows(list, rows);

    // The list scrolls down by a fixed step each time a bonus row gets its medals, which
    // happens while that row is the last one: the step is cut short while the rows up to it
    // still fit in the list.
    list->ensurePolished();
    const int rowHeight = rows.empty() ? 0 : list->sizeHintForRow(0);
    const int visible = list->height() - 2 * list->frameWidth() -
                        (list->header()->isHidden() ? 0 : list->header()->sizeHint().height());
    int offset = 0;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        if (rows[r].size() < kBonusListCaptions.size()) continue;
        const int overflow = static_cast<int>(r + 1) * rowHeight - visible;
        offset = std::min(offset + kBonusRowScroll, std::max(overflow, 0));
    }
    m_bonusScroll = offset;
    // A list on a tab not yet shown gets its scroll range only when it is laid out.
    list->verticalScrollBar()->setValue(0);
    list->doItemsLayout();
    applyBonusScroll();
}

void TMainForm::applyBonusScroll() {
    if (m_bonusScroll < 0) return;
    QScrollBar* bar = m_ui->BListView->verticalScrollBar();
    bar->setValue(std::min(m_bonusScroll, bar->maximum()));
    if (bar->maximum() >= m_bonusScroll) m_bonusScroll = -1;
}

// ---- files --------------------------------------------------------------------------------

void TMainForm::FileOpenMenuClick() {
    if (m_busy) return;
    m_busy = true;
    const OnExit idle([this] { m_busy = false; });

    const QString name = m_dialogs.openFileName(this);
    if (name.isEmpty()) return;
    // The file is read whole before anything changes, so a file that turns out to be wrong
    // leaves the history and the views as they were.
    SimFileContents contents;
    const ReadStatus status = readSimFile(fileSystemName(name), contents, m_files);
    if (status == ReadStatus::CannotOpen || status == ReadStatus::ReadFailed ||
        status == ReadStatus::OutOfMemory) {
        const std::string_view why = status == ReadStatus::CannotOpen   ? texts::kCannotOpen
                                     : status == ReadStatus::ReadFailed ? texts::kReadFailed
                                                                        : texts::kOutOfMemory;
        m_dialogs.showError(this, qtext(why) + QLatin1Char('\n') + name);
        return;
    }

    m_ui->StartButton->setEnabled(false);
    const OnExit enable([this] { m_ui->StartButton->setEnabled(true); });
    setStatus(qtext(texts::kLoading));
    if (status != ReadStatus::Ok) {
        m_dialogs.showError(
            this, qtext(status == ReadStatus::NotSimFile ? texts::kNotSimFile : texts::kNoRecords));
        setStatus(qtext(texts::kLoadStopped));
        return;
    }
    m_history = shareHistory(std::move(contents.history));
    m_ui->FlevelComboBox->setCurrentText(QString::number(contents.header.level));
    m_ui->PlayNumEdit->setText(QString::number(contents.header.plays));
    // Opening a file leaves the machine alone: a save writes the last run's level and play
    // count, not the file's.
    ShowResults(m_history, m_playedHeader);
    setStatus(qtext(texts::kLoaded));
}

void TMainForm::FileSaveMenuClick() {
    if (m_busy || !m_shown) return;
    m_busy = true;
    const OnExit idle([this] { m_busy = false; });

    const QString name = m_dialogs.saveFileName(this);
    if (name.isEmpty()) return;
    // The run on screen is saved, with the header it was shown with, whatever a later batch
    // left in the current history.
    switch (writeSimFile(fileSystemName(name), SimVariant::Saved, m_shownHeader, *m_shown->history,
                         m_files)) {
    case WriteStatus::Ok:
        setStatus(qtext(texts::kSaved));
        break;
    case WriteStatus::CannotCreate:
        m_dialogs.showError(this, qtext(texts::kCannotCreate) + QLatin1Char('\n') + name);
        break;
    case WriteStatus::WriteFailed:
        m_dialogs.showError(this, qtext(texts::kWriteFailed) + QLatin1Char('\n') + name);
        break;
    }
}

void TMainForm::FileExitMenuClick() {
    close();
}

// ---- role markers ---------------------------------------------------------------------------

void TMainForm::showMarker(Marker marker, const QCheckBox* box) {
    m_ui->SlumpChart->setMarkerVisible(marker, box->isChecked());
}

void TMainForm::BIGCheckBoxClick() {
    showMarker(Marker::BIG, m_ui->BIGCheckBox);
}
void TMainForm::REGCheckBoxClick() {
    showMarker(Marker::REG, m_ui->REGCheckBox);
}
void TMainForm::BellCheckBoxClick() {
    showMarker(Marker::Bell, m_ui->BellCheckBox);
}
void TMainForm::OrangeCheckBoxClick() {
    showMarker(Marker::Orange, m_ui->OrangeCheckBox);
}
void TMainForm::Cherry2CheckBoxClick() {
    showMarker(Marker::Cherry2, m_ui->Cherry2CheckBox);
}
void TMainForm::Cherry4CheckBoxClick() {
    showMarker(Marker::Cherry4, m_ui->Cherry4CheckBox);
}
void TMainForm::RReplayCheckBoxClick() {
    showMarker(Marker::RReplay, m_ui->RReplayCheckBox);
}
void TMainForm::HazureCheckBoxClick() {
    showMarker(Marker::Hazure, m_ui->HazureCheckBox);
}

// ---- help menu ------------------------------------------------------------------------------

void TMainForm::setHelp(HelpCommands& commands, TAboutBox& aboutBox) {
    m_help = &commands;
    m_aboutBox = &aboutBox;
}

void TMainForm::HelpAboutMenuClick() {
    if (m_aboutBox) m_aboutBox->exec();
}

void TMainForm::HelpManMenuClick() {
    if (m_help) m_help->HelpManMenuClick();
}

void TMainForm::JWord1Click() {
    if (m_help) m_help->JWord1Click();
}

void TMainForm::N3Click() {
    if (m_help) m_help->N3Click();
}

void TMainForm::N4Click() {
    if (m_help) m_help->N4Click();
}

// ---- small writers ------------------------------------------------------------------------

void TMainForm::Timer1Timer() {
    m_statusPanels[1]->setText(clockText(QDateTime::currentDateTime()));
}

void TMainForm::setStatus(const QString& text) {
    m_statusPanels[0]->setText(text);
}

void TMainForm::setHiddenLevelNotice(bool hidden) {
    QLabel* label = m_ui->Label3;
    label->setText(hidden ? qtext(texts::kHiddenLevelNotice) : QString());
    condenseToFit(label, kNoticeRight);
    label->adjustSize();
    label->move(kNoticeRight - label->width(), label->y());
}

void TMainForm::setResultText(const QString& text) {
    QLabel* label = m_ui->ResultLabel;
    label->setText(text);
    condenseToFit(label, m_ui->GroupBox2->width() - label->x() - kResultBoxMargin);
    label->adjustSize();
}

} // namespace zenoku
