// The window "History": every saved test of the horse on screen, oldest first, as a table and as
// a chart of one index over time for one discipline, in front of the clinic's reference band of
// that discipline in the current database. It stays open beside the main window; a click on a
// point or a row asks for that test to be loaded. The chart exports as PNG and PDF, the table as
// CSV.
#pragma once

#include "domain/drawing/history_chart.h"
#include "io/database/horse_history.h"

#include <QSize>
#include <QWidget>

#include <functional>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QTableView;

namespace kavren {

class DatabaseQueue;
class HistoryChartView;
class HistoryController;
class HistoryTableModel;

// The size of a PNG saved by "Save chart as PNG...".
inline constexpr QSize HistoryPngSize(1600, 900);

class HistoryWindow : public QWidget {
    Q_OBJECT
public:
    // queue: the main window's database queue; databasePath: the current database when asked.
    HistoryWindow(DatabaseQueue &queue, std::function<QString()> databasePath,
                  QWidget *parent = nullptr);

    // Brings the window up for a horse; the chart first shows the discipline given (that of the
    // test on screen) when the horse has tests of it, otherwise the horse's most frequent one.
    void showFor(const HorseKey &horse, const QString &discipline);

    bool saveChartPng(const QString &path, QSize size) const;
    bool saveChartPdf(const QString &path) const;
    bool saveTableCsv(const QString &path) const;
    // Asks for the file to save to (caption, suggested name, filter); an empty answer cancels.
    using FileChooser = std::function<QString(const QString &, const QString &, const QString &)>;
    void setFileChooser(FileChooser chooser) { m_chooseFile = std::move(chooser); }
    // Tests given their indices per turn of the event loop before the band is computed.
    void setFillPiece(int tests);

    const HorseHistory &history() const { return m_history; }
    const HistoryChartView *chartView() const { return m_chart; }

signals:
    // A test of the history was clicked: load it into the main window.
    void testChosen(qint64 rowId);

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void connectControls();
    void chooseRow(int row);
    void takeHistory(const HorseHistory &history);
    void fillHorses();
    void fillDisciplines();
    void fillTable();
    void showChart();
    void requestBand();
    void takeBand(const BandResult &result);
    HistoryIndex chosenIndex() const;
    QString chosenDiscipline() const;
    HistoryChartInput chartInput() const;
    void export_(const QString &caption, const QString &suggested, const QString &filter,
                 const std::function<bool(const QString &)> &save);

    HistoryController *m_controller = nullptr;
    QComboBox *m_horse = nullptr;
    QComboBox *m_discipline = nullptr;
    QComboBox *m_index = nullptr;
    QCheckBox *m_sameBreed = nullptr;
    QLabel *m_status = nullptr;
    QLabel *m_bandText = nullptr;
    HistoryChartView *m_chart = nullptr;
    QTableView *m_table = nullptr;
    HistoryTableModel *m_tests = nullptr;
    FileChooser m_chooseFile;

    HorseKey m_horseKey;
    QString m_screenDiscipline;
    HorseHistory m_history;
    std::optional<ReferenceBand> m_band; // the band of the chart's discipline and index
};

} // namespace kavren
