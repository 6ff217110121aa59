#include "ui/history/history_window.h"

#include "ui/common/message_dialog.h"
#include "ui/history/history_chart_view.h"
#include "ui/history/history_controller.h"
#include "ui/history/history_table.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSaveFile>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

#include <map>

namespace kavren {

namespace {

template <typename T> T *named(QWidget *parent, const char *name) {
    auto *widget = new T(parent);
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QString horseText(const HorseKey &horse) {
    QStringList known;
    for (const QString &part : {horse.breed.trimmed(), horse.stable.trimmed()})
        if (!part.isEmpty())
            known << part;
    return known.isEmpty() ? horse.name.trimmed()
                           : QStringLiteral("%1 (%2)").arg(horse.name.trimmed(),
                                                           known.join(QStringLiteral(", ")));
}

} // namespace

HistoryWindow::HistoryWindow(DatabaseQueue &queue, std::function<QString()> databasePath,
                             QWidget *parent)
    : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("history"));
    setWindowTitle(tr("History"));
    m_controller = new HistoryController(queue, std::move(databasePath), this);
    buildControls();
    connectControls();
    resize(1000, 700);
}

void HistoryWindow::buildControls() {
    m_horse = named<QComboBox>(this, "historyHorse");
    m_horse->setAccessibleName(tr("Horse"));
    m_discipline = named<QComboBox>(this, "historyDiscipline");
    m_discipline->setAccessibleName(tr("Discipline of the chart"));
    m_index = named<QComboBox>(this, "historyIndex");
    m_index->setAccessibleName(tr("Index of the chart"));
    for (HistoryIndex index : HistoryIndices)
        m_index->addItem(historyIndexName(index), int(index));
    m_index->setCurrentIndex(int(HistoryIndex::VLa4));
    m_sameBreed = named<QCheckBox>(this, "historySameBreed");
    m_sameBreed->setText(tr("Same breed only"));
    m_status = named<QLabel>(this, "historyStatus");
    m_bandText = named<QLabel>(this, "historyBand");
    m_bandText->setWordWrap(true);
    m_chart = new HistoryChartView(this);
    m_table = named<QTableView>(this, "historyTable");
    m_table->setAccessibleName(tr("Saved tests of the horse"));
    m_tests = new HistoryTableModel(this);
    m_table->setModel(m_tests);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    // Columns are fitted to the rows around those shown, not to every test of a long history.
    m_table->horizontalHeader()->setResizeContentsPrecision(64);

    auto *choices = new QHBoxLayout;
    choices->addWidget(m_horse);
    choices->addWidget(new QLabel(tr("Discipline:"), this));
    choices->addWidget(m_discipline);
    choices->addWidget(new QLabel(tr("Index:"), this));
    choices->addWidget(m_index);
    choices->addWidget(m_sameBreed);
    choices->addStretch();
    auto *split = new QSplitter(Qt::Vertical, this);
    split->addWidget(m_chart);
    split->addWidget(m_table);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 2);
    auto *exports = new QHBoxLayout;
    exports->addWidget(m_bandText, 1);
    const auto button = [this, exports](const char *name, const QString &caption) {
        auto *b = named<QPushButton>(this, name);
        b->setText(caption);
        exports->addWidget(b);
        return b;
    };
    connect(button("historyPng", tr("Save chart as PNG...")), &QPushButton::clicked, this, [this] {
        export_(tr("Save chart as PNG"), m_horseKey.name + QStringLiteral(" history.png"),
                tr("PNG pictures (*.png)"),
                [this](const QString &path) { return saveChartPng(path, HistoryPngSize); });
    });
    connect(button("historyPdf", tr("Save chart as PDF...")), &QPushButton::clicked, this, [this] {
        export_(tr("Save chart as PDF"), m_horseKey.name + QStringLiteral(" history.pdf"),
                tr("PDF files (*.pdf)"),
                [this](const QString &path) { return saveChartPdf(path); });
    });
    connect(button("historyCsv", tr("Save table as CSV...")), &QPushButton::clicked, this, [this] {
        export_(tr("Save table as CSV"), m_horseKey.name + QStringLiteral(" history.csv"),
                tr("CSV files (*.csv)"),
                [this](const QString &path) { return saveTableCsv(path); });
    });

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(choices);
    layout->addWidget(m_status);
    layout->addWidget(split, 1);
    layout->addLayout(exports);
}

void HistoryWindow::connectControls() {
    connect(m_controller, &HistoryController::historyRead, this, &HistoryWindow::takeHistory);
    connect(m_controller, &HistoryController::bandComputing, this, [this] {
        m_band.reset();
        m_bandText->setText(tr("Computing the clinic's reference band…"));
        showChart();
    });
    connect(m_controller, &HistoryController::bandRead, this, &HistoryWindow::takeBand);
    connect(m_horse, &QComboBox::activated, this, [this](int chosen) {
        const int at = m_horse->itemData(chosen).toInt();
        if (at >= int(m_history.horsesOfName.size()))
            return;
        m_horseKey =
            at < 0 ? HorseKey{m_horseKey.name, {}, {}} : m_history.horsesOfName[std::size_t(at)];
        m_controller->loadHistory(m_horseKey);
    });
    connect(m_discipline, &QComboBox::currentIndexChanged, this, &HistoryWindow::requestBand);
    connect(m_index, &QComboBox::currentIndexChanged, this, &HistoryWindow::requestBand);
    connect(m_sameBreed, &QCheckBox::toggled, this, &HistoryWindow::requestBand);
    connect(m_chart, &HistoryChartView::pointClicked, this, &HistoryWindow::testChosen);
    connect(m_table, &QTableView::clicked, this,
            [this](const QModelIndex &index) { chooseRow(index.row()); });
    m_table->installEventFilter(this);
}

void HistoryWindow::chooseRow(int row) {
    if (const auto rowId = m_tests->rowIdAt(row))
        emit testChosen(*rowId);
}

// Return on a row of the table loads its test, as a click does.
bool HistoryWindow::eventFilter(QObject *watched, QEvent *event) {
    if (watched == m_table && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && m_table->currentIndex().isValid()) {
            chooseRow(m_table->currentIndex().row());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void HistoryWindow::setFillPiece(int tests) {
    m_controller->setFillPiece(tests);
}

void HistoryWindow::showFor(const HorseKey &horse, const QString &discipline) {
    m_horseKey = horse;
    m_screenDiscipline = discipline;
    show();
    raise();
    activateWindow();
    m_history = {};
    m_band.reset();
    fillTable();
    showChart();
    m_bandText->clear();
    if (horse.name.trimmed().isEmpty()) {
        m_status->setText(tr("Type or load a test of a horse first: its history is shown here."));
        return;
    }
    m_status->setText(tr("Reading the tests of %1…").arg(horse.name));
    m_controller->loadHistory(horse);
}

void HistoryWindow::closeEvent(QCloseEvent *event) {
    // Nothing still on its way is shown in a closed window.
    m_controller->cancel();
    QWidget::closeEvent(event);
}

void HistoryWindow::takeHistory(const HorseHistory &history) {
    m_history = history;
    fillHorses();
    fillTable();
    if (!history.error.isEmpty())
        m_status->setText(history.error);
    else if (history.entries.empty())
        m_status->setText(tr("No saved test of %1 in this database.").arg(m_horseKey.name));
    else
        m_status->setText(tr("%1: %2 saved tests, oldest first.")
                              .arg(m_horseKey.name)
                              .arg(history.entries.size()));
    m_sameBreed->setEnabled(!m_horseKey.breed.trimmed().isEmpty());
    // The band comes after the table (the discipline's choice asks for it).
    fillDisciplines();
}

// Horses that share the name are told apart by breed and stable; until one is chosen the tests
// of all of them are listed.
void HistoryWindow::fillHorses() {
    const QSignalBlocker quiet(m_horse);
    m_horse->clear();
    m_horse->setVisible(!m_history.horsesOfName.empty());
    if (m_history.horsesOfName.empty())
        return;
    m_horse->addItem(tr("All horses named %1").arg(m_horseKey.name), -1);
    for (std::size_t i = 0; i < m_history.horsesOfName.size(); ++i) {
        const HorseKey &horse = m_history.horsesOfName[i];
        m_horse->addItem(horseText(horse), int(i));
        if (horse.breed == m_horseKey.breed && horse.stable == m_horseKey.stable)
            m_horse->setCurrentIndex(m_horse->count() - 1);
    }
}

// The discipline of the test on screen when the horse has tests of it, otherwise the horse's
// most frequent one (between equally frequent ones the latest test's).
void HistoryWindow::fillDisciplines() {
    std::map<QString, int> counts;
    for (const HistoryEntry &entry : m_history.entries)
        ++counts[entry.discipline];
    QString chosen;
    int most = 0;
    for (auto entry = m_history.entries.rbegin(); entry != m_history.entries.rend(); ++entry)
        if (counts[entry->discipline] > most) {
            most = counts[entry->discipline];
            chosen = entry->discipline;
        }
    if (counts.count(m_screenDiscipline))
        chosen = m_screenDiscipline;
    {
        const QSignalBlocker quiet(m_discipline);
        m_discipline->clear();
        for (const auto &[discipline, count] : counts)
            m_discipline->addItem(discipline.isEmpty() ? tr("(none)") : discipline, discipline);
        m_discipline->setCurrentIndex(m_discipline->findData(chosen));
    }
    requestBand();
}

void HistoryWindow::fillTable() {
    m_tests->setEntries(m_history.entries);
}

HistoryIndex HistoryWindow::chosenIndex() const {
    return HistoryIndex(m_index->currentData().toInt());
}

QString HistoryWindow::chosenDiscipline() const {
    return m_discipline->currentData().toString();
}

HistoryChartInput HistoryWindow::chartInput() const {
    HistoryChartInput input;
    const HistoryIndex index = chosenIndex();
    input.indexName = historyIndexName(index);
    input.speedIndex = isSpeedIndex(index);
    input.discipline = chosenDiscipline();
    for (const HistoryEntry &entry : m_history.entries) {
        if (entry.discipline != input.discipline)
            continue;
        const IndexEstimate &estimate = entry.estimate(index);
        input.samples.push_back(
            {entry.rowId, entry.when, estimate.value, estimate.lower, estimate.upper});
    }
    if (m_band)
        input.band = *m_band;
    return input;
}

void HistoryWindow::showChart() {
    m_chart->setInput(chartInput());
}

void HistoryWindow::requestBand() {
    m_band.reset();
    if (m_discipline->currentIndex() < 0) {
        m_controller->cancel();
        m_bandText->clear();
        showChart();
        return;
    }
    BandRequest request;
    request.discipline = chosenDiscipline();
    request.index = chosenIndex();
    if (m_sameBreed->isChecked() && m_sameBreed->isEnabled())
        request.breed = m_horseKey.breed;
    m_controller->requestBand(request);
}

void HistoryWindow::takeBand(const BandResult &result) {
    if (!result.error.isEmpty()) {
        m_bandText->setText(
            tr("The clinic's reference band could not be computed: %1").arg(result.error));
        return;
    }
    const bool breed = m_sameBreed->isChecked() && m_sameBreed->isEnabled();
    const QString tests =
        breed ? tr("%1 tests of this discipline and breed") : tr("%1 tests of this discipline");
    if (result.band.shown()) {
        m_band = result.band;
        m_bandText->setText(tr("The band shows the 10th to 90th percentile and the median of the "
                               "clinic's %1 in this database.")
                                .arg(tests.arg(result.band.testCount)));
    } else {
        m_bandText->setText(
            tr("No reference band: the database holds %1 with a value of %2, "
               "fewer than %3.")
                .arg(tests.arg(result.band.testCount), historyIndexName(chosenIndex()))
                .arg(MinimumBandTests));
    }
    showChart();
}

bool HistoryWindow::saveChartPng(const QString &path, QSize size) const {
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) &&
           historyChartImage(chartInput(), size).save(&file, "PNG") && file.commit();
}

bool HistoryWindow::saveChartPdf(const QString &path) const {
    return writeHistoryChartPdf(chartInput(), path, tr("History of %1").arg(m_horseKey.name));
}

bool HistoryWindow::saveTableCsv(const QString &path) const {
    QSaveFile file(path);
    const QByteArray bytes = historyCsvText(m_history.entries).toUtf8();
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

void HistoryWindow::export_(const QString &caption, const QString &suggested, const QString &filter,
                            const std::function<bool(const QString &)> &save) {
    const QString path = m_chooseFile
                             ? m_chooseFile(caption, suggested, filter)
                             : QFileDialog::getSaveFileName(this, caption, suggested, filter);
    if (path.isEmpty())
        return;
    if (!save(path))
        showMessage(this, tr("%1 could not be written.").arg(QDir::toNativeSeparators(path)));
}

} // namespace kavren
