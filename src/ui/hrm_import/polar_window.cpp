#include "ui/hrm_import/polar_window.h"

#include "ui/common/message_dialog.h"
#include "ui/common/file_list_panel.h"
#include "ui/common/named_controls.h"
#include "domain/hrm_import/take_over.h"

#include <QAbstractTableModel>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>

#include <algorithm>
#include <utility>

namespace kavren {

namespace {

// A heart-rate file of a day's recording is far below this; a larger file is not read.
constexpr qint64 LargestFileBytes = 256LL << 20;

QString fileNameOf(const QString &path) {
    return QDir::toNativeSeparators(path);
}

} // namespace

// The samples as a table: the elapsed time first, so that it stays in view however far the
// columns are scrolled, then the file's columns under the headings its flags give them.
class SampleTableModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    void show(QStringList headings, std::vector<QStringList> rows) {
        beginResetModel();
        m_headings = std::move(headings);
        m_rows = std::move(rows);
        endResetModel();
    }
    int rowCount(const QModelIndex &parent = {}) const override {
        return parent.isValid() ? 0 : int(m_rows.size());
    }
    int columnCount(const QModelIndex &parent = {}) const override {
        return parent.isValid() ? 0 : int(m_headings.size());
    }
    QVariant data(const QModelIndex &index, int role) const override {
        if (role != Qt::DisplayRole || !index.isValid())
            return {};
        const QStringList &row = m_rows[std::size_t(index.row())];
        return index.column() < row.size() ? QVariant(row[index.column()]) : QVariant();
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
            return m_headings.value(section);
        return QAbstractTableModel::headerData(section, orientation, role);
    }

private:
    QStringList m_headings;
    std::vector<QStringList> m_rows;
};

PolarWindow::PolarWindow(SampleBuffer &samples, QWidget *parent)
    : QWidget(parent, Qt::Window), m_samples(samples) {
    setObjectName(tr("Polar"));
    setWindowTitle(tr("Polar"));
    buildLists();
    buildLapFields();
    buildCommands();
    resize(840, 480);
}

void PolarWindow::buildLists() {
    m_drives = new QComboBox(this);
    m_drives->setObjectName(QStringLiteral("Drive1"));
    m_drives->addItems(driveRoots());
    m_drives->setGeometry(8, 8, 220, 24);
    m_folders = new FolderListView(this);
    m_folders->setGeometry(8, 36, 220, 200);
    m_files = new FileListView(this);
    m_files->setGeometry(8, 240, 220, 200);
    m_files->setPattern(QStringLiteral("*.hrm"));
    connect(m_drives, &QComboBox::textActivated, m_folders, &FolderListView::setPath);
    connect(m_folders, &FolderListView::pathChanged, m_files, &FileListView::setPath);
    connect(m_files, &QListWidget::itemClicked, this,
            [this](QListWidgetItem *item) { readFile(item->text()); });

    m_table = new SampleTableModel(this);
    m_list = new QTableView(this);
    m_list->setObjectName(QStringLiteral("List1"));
    m_list->setModel(m_table);
    m_list->verticalHeader()->hide();
    m_list->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_list->verticalHeader()->setDefaultSectionSize(m_list->fontMetrics().height() + 4);
    // Each column as wide as its heading and values: heart rate, speed, cadence, altitude and
    // power fit beside the time without scrolling.
    m_list->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setGeometry(236, 8, 340, 432);
}

void PolarWindow::buildLapFields() {
    auto *frame = new QGroupBox(tr("Time Events"), this);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setGeometry(584, 8, 248, 236);
    for (int i = 0; i < int(m_lapFields.size()); ++i) {
        auto *field = new QLineEdit(frame);
        field->setObjectName(QStringLiteral("Text1(%1)").arg(i));
        field->setGeometry(8 + (i % 2) * 120, 24 + (i / 2) * 34, 112, 26);
        m_lapFields[std::size_t(i)] = field;
    }
    namedControl<QLabel>(this, "Label3", tr("Sample interval"), {584, 252, 120, 20});
    m_interval = namedControl<QLabel>(this, "Label4", QString(), {708, 252, 120, 20});
    m_info = namedControl<QLabel>(this, "Label5", QString(), {584, 276, 248, 60});
    m_info->setWordWrap(true);
}

void PolarWindow::buildCommands() {
    auto *extractButton = new QPushButton(tr("Extract Polardata"), this);
    extractButton->setObjectName(QStringLiteral("Command1"));
    extractButton->setGeometry(584, 344, 248, 28);
    connect(extractButton, &QPushButton::clicked, this, &PolarWindow::extract);
    auto *closeButton = new QPushButton(tr("Close"), this);
    closeButton->setObjectName(QStringLiteral("Command2"));
    closeButton->setGeometry(584, 378, 248, 28);
    connect(closeButton, &QPushButton::clicked, this, &PolarWindow::closeImport);
    m_notifyField = new QLineEdit(this);
    m_notifyField->setObjectName(QStringLiteral("Text2"));
    m_notifyField->setReadOnly(true);
    m_notifyField->setGeometry(584, 412, 40, 24);
    // An internal wake-up of the main window, not for the user.
    m_notifyField->hide();
    // The field's text is toggled to wake the main window; only an armed change notifies.
    connect(m_notifyField, &QLineEdit::textChanged, this, [this] {
        if (!m_armed)
            return;
        m_armed = false;
        emit notified();
    });
}

void PolarWindow::open(const QString &importFolder) {
    clearShown();
    m_file = HrmFile{};
    m_samples.maxSpeed = 0;
    m_files->setPattern(QStringLiteral("*.hrm"));
    if (!importFolder.isEmpty() && QDir(importFolder).exists())
        m_folders->setPath(importFolder);
    m_files->setPath(m_folders->path());
    show();
}

void PolarWindow::clearShown() {
    for (QLineEdit *field : m_lapFields)
        field->clear();
    m_table->show({}, {});
    m_info->clear();
    m_interval->clear();
}

void PolarWindow::readFile(const QString &fileName) {
    clearShown();
    m_file = HrmFile{};
    m_samples = SampleBuffer{};
    m_importFolder = m_folders->path();
    emit importFolderChanged(m_importFolder);
    const QString path = hrmFileToRead(m_importFolder, fileName);
    QFile input(path);
    if (!input.open(QIODevice::ReadOnly)) {
        report(tr("The heart-rate file %1 could not be opened: %2")
                   .arg(fileNameOf(path), input.errorString()));
        return;
    }
    if (input.size() > LargestFileBytes) {
        report(tr("The heart-rate file %1 is too large to be a recording.").arg(fileNameOf(path)));
        return;
    }
    m_file = readHrmFile(input.readAll());
    showFile(path);
}

void PolarWindow::showFile(const QString &path) {
    switch (m_file.refusal) {
    case HrmRefusal::NoSampleSection:
        report(tr("The heart-rate file %1 holds no samples: its [HRData] section is missing.")
                   .arg(fileNameOf(path)));
        return;
    case HrmRefusal::BeatToBeat:
        report(tr("The heart-rate file %1 is a beat-to-beat (R-R interval) recording, not samples "
                  "at a fixed interval, and cannot be imported.")
                   .arg(fileNameOf(path)));
        return;
    case HrmRefusal::None:
        break;
    }
    m_interval->setText(m_file.intervalText);
    const auto lapTexts = pairedLapTexts(m_file);
    for (std::size_t i = 0; i < lapTexts.size(); ++i)
        m_lapFields[i]->setText(lapTexts[i]);
    QStringList info;
    if (!m_file.hasSpeed)
        info << tr("This file holds no speed: the steps get no speed.");
    if (m_file.skippedLines > 0)
        info << tr("%n line(s) could not be read and were skipped.", nullptr, m_file.skippedLines);
    m_info->setText(info.join(u' '));
    showSamples();
    // Without a pair of lap times there are no steps; the samples still give the heart-rate line.
    if (lapTexts[0].isEmpty())
        report(tr("No Time Events is set !"));
}

void PolarWindow::showSamples() {
    const long long interval = m_file.intervalSeconds();
    std::vector<QStringList> rows;
    rows.reserve(m_file.samples.size());
    QStringList headings = QStringList{tr("Time")} + m_file.sampleHeadings;
    float maxSpeed = 0;
    for (std::size_t i = 0; i < m_file.samples.size(); ++i) {
        const HrmSample &sample = m_file.samples[i];
        const float speed = float(sample.speedKmh10);
        m_samples.setRow(int(i), speed / 36, float(sample.heartRate));
        maxSpeed = std::max(maxSpeed, speed);
        QStringList row{elapsedTimeText(static_cast<long long>(i) * interval)};
        row += sample.text.split(u'\t');
        // Columns the flags do not name are shown without a heading.
        while (headings.size() < row.size())
            headings.append(QString());
        rows.push_back(std::move(row));
    }
    m_samples.sampleCount = int(m_file.samples.size());
    m_samples.maxSpeed = maxSpeed / 36;
    m_table->show(std::move(headings), std::move(rows));
}

void PolarWindow::extract() {
    std::array<QString, 12> lapTexts;
    for (std::size_t i = 0; i < lapTexts.size(); ++i)
        lapTexts[i] = m_lapFields[i]->text().trimmed();
    m_notice = ImportNotice{};
    m_notice.extracted = true;
    m_notice.steps = extractSteps(m_file, lapTexts);
    m_armed = true;
    hide();
    notify();
}

void PolarWindow::closeImport() {
    m_notice = ImportNotice{};
    m_notice.cancelled = true;
    m_armed = true;
    hide();
    notify();
}

void PolarWindow::closeEvent(QCloseEvent *event) {
    // Closing the window by its frame is a "Close": the window is kept, only hidden.
    event->ignore();
    if (isVisible())
        closeImport();
}

ImportNotice PolarWindow::takeNotice() {
    m_armed = false;
    return std::exchange(m_notice, ImportNotice{});
}

void PolarWindow::notify() {
    m_notifyField->setText(m_notifyField->text() == u"-" ? QStringLiteral("?")
                                                         : QStringLiteral("-"));
}

void PolarWindow::report(const QString &text) {
    showMessage(this, text);
}

} // namespace kavren
