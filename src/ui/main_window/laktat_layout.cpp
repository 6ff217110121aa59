// Composition of the main window: the menu bar, the command buttons, the search frame and the
// controls beside the graph. Positions are designed in twips and scaled to the screen for the run.
#include "ui/main_window/laktat.h"
#include "ui/main_window/main_menu.h"

#include "ui/threshold/threshold_panel.h"
#include "ui/comparison/comparison_panel.h"
#include "ui/comparison/csv_export_dialog.h"
#include "ui/database/database_controller.h"
#include "ui/graph/background_panel.h"
#include "ui/graph/cursor_readout_panel.h"
#include "ui/common/file_list_panel.h"
#include "ui/graph/graph_widget.h"
#include "ui/graph/style_panel.h"
#include "ui/hrm_import/import_controller.h"
#include "ui/remote_link/link_controller.h"
#include "domain/analysis/threshold_calculator.h"
#include "ui/entry/calculation_controller.h"
#include "domain/drawing/curve_plot.h"
#include "ui/entry/entry_panel.h"
#include "ui/entry/speed_unit_controller.h"
#include "ui/main_window/report_inputs.h"
#include "ui/report/report_panel.h"
#include "ui/threshold/threshold_controller.h"
#include "ui/threshold_methods/threshold_methods_window.h"
#include "ui/common/lactate_levels_page.h"
#include "ui/common/preferences_dialog.h"
#include "io/lactate_levels.h"
#include "ui/common/message_dialog.h"
#include "ui/common/twips.h"
#include "ui/common/named_controls.h"
#include "ui/common/window_scale.h"
#include "domain/exercise/numeric_text.h"

#include <QActionGroup>
#include <QCheckBox>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QStatusBar>
#include <QSlider>
#include <QTimer>

#include <algorithm>
#include <cmath>

using namespace kavren;

namespace {

constexpr int GraphLeft = 3480;
constexpr int GraphTop = 120;
constexpr int GraphWidth = 11520;
constexpr int GraphHeight = 6960;
constexpr int ButtonHeight = 375;

// Screens lower than this (in twips of the run) get a smaller graph so that the window still fits.
constexpr int FullScreenHeightTwips = 11520;
constexpr int MinimumGraphHeightTwips = 300;
// Room for the title bar of the maximised window, which the toolkit knows only once it is shown.
constexpr int TitleBarAllowance = 30;

class RaiseWhenShown : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::Show)
            if (auto *frame = qobject_cast<QWidget *>(watched))
                frame->raise();
        return false;
    }
};

const QString TutorialProgram = QStringLiteral("eBookTutorial.exe");

} // namespace

void Laktat::buildWindow() {
    // The layout keeps its proportions; a screen too small for it at a legible size scrolls it.
    auto *scroller = new QScrollArea(this);
    scroller->setObjectName(QStringLiteral("laktatScroller"));
    scroller->setFrameShape(QFrame::NoFrame);
    auto *area = new QWidget(scroller);
    area->setObjectName(QStringLiteral("laktatArea"));
    // The controls are placed in twips for an 8-point face; a larger default font would overflow
    // them.
    QFont font = area->font();
    font.setPointSizeF(DesignFontPoints);
    area->setFont(font);
    setCentralWidget(scroller);
    statusBar()->setObjectName(QStringLiteral("laktatStatus"));

    m_recalcTimer = new QTimer(this);
    m_recalcTimer->setObjectName(QStringLiteral("Timer1"));
    m_recalcTimer->setInterval(300);

    m_entry = new EntryPanel(area);

    m_graph = new GraphWidget(area);
    m_graph->setGeometry(twipsRect(GraphLeft, GraphTop, GraphWidth, GraphHeight));

    m_styles = new StylePanel(area);
    m_styles->setGraph(m_graph);
    m_fileList = new FileListPanel(area);
    m_fileList->folders()->setPath(m_programFolder);
    m_background = new BackgroundPanel(m_graph, m_fileList, this);
    m_background->setTestOnScreen([this] { return m_entry->firstStepTyped(); });

    wireLink(area);
    wireImport();
    buildMenus();
    buildCommands(area);
    buildSearchFrame(area);
    buildSideControls(area);
    wireDatabase();
    bringOverFramesToFront();
    // Noted last, so that every control of the area is scaled with the rest.
    m_scale = std::make_unique<WindowScale>(area);
    scroller->setWidget(area);
}

// Frames shown over the other controls: each comes to the front whenever it is shown, so that
// none of its controls is hidden under another frame.
void Laktat::bringOverFramesToFront() {
    auto *raiser = new RaiseWhenShown(this);
    QWidget *const frames[] = {m_fileList->frame(), m_databaseCtl->createFrame(), m_link->frame()};
    for (QWidget *frame : frames)
        frame->installEventFilter(raiser);
    m_styles->raiseWhenShown(raiser);
}

double Laktat::layoutFactor() const {
    return m_scale->factor();
}

void Laktat::fitToArea(const QRect &available) {
    const int reserved =
        TitleBarAllowance + menuBar()->sizeHint().height() + statusBar()->sizeHint().height();
    const double factor =
        layoutFactorFor(m_scale->designSize(), available.size() - QSize(0, reserved));
    // A graph taller than a low screen allows is shrunk by what the screen lacks.
    int graphHeight = twips(GraphHeight);
    const int screenHeightTwips = int(available.height() * 15 / factor);
    if (screenHeightTwips < FullScreenHeightTwips)
        graphHeight = std::max(twips(MinimumGraphHeightTwips),
                               graphHeight - twips(FullScreenHeightTwips - screenHeightTwips));
    m_scale->setDesignSize(m_graph, QSize(twips(GraphWidth), graphHeight));
    m_scale->apply(factor);
    // The comparison cells stand under the words of the header, which the new font has moved.
    m_comparison->fitCellsToHeader();
    m_graphBaseWidth = int(std::lround(m_graph->width() * 15 / factor));
    m_graphBaseHeight = int(std::lround(m_graph->height() * 15 / factor));
    m_background->setGraphBaseSize(m_graph->size());
}

void Laktat::buildMenus() {
    auto *menu = new MainMenu(menuBar(), [this] { return m_test.hrOnly; });
    connect(menu->printerSetup, &QAction::triggered, this, [this] { m_report->setUpPrinter(); });
    connect(menu->screenStyles, &QAction::triggered, m_styles, &StylePanel::showScreenFrame);
    connect(menu->printerStyles, &QAction::triggered, m_styles, &StylePanel::showPrinterFrame);
    connect(menu->hrOnlyYes, &QAction::triggered, this, [this] { setHeartRateOnly(true); });
    connect(menu->hrOnlyNo, &QAction::triggered, this, [this] { setHeartRateOnly(false); });
    connect(menu->frameToBackground, &QAction::triggered, m_background,
            [this] { m_background->adjustFrameToBackground(true); });
    connect(menu->frameNotToBackground, &QAction::triggered, m_background,
            [this] { m_background->adjustFrameToBackground(false); });
    m_listDatabases = menu->listDatabases;
    m_createDatabase = menu->createDatabase;
    m_exportCsv = menu->exportCsv;
    connect(menu->internet, &QAction::triggered, m_link, &LinkController::showFrame);
    connect(menu->import, &QAction::triggered, m_import, &ImportController::openImport);
    connect(menu->background, &QAction::triggered, m_background, &BackgroundPanel::showPictureList);
    m_previewAction = menu->preview;
    m_pdfAction = menu->pdf;
    connect(menu->help, &QAction::triggered, this, &Laktat::runHelp);
    connect(menu->thresholdMethods, &QAction::triggered, this,
            [this] { m_methodsWindow->showWindow(); });
    connect(menu->preferencesDialog, &QAction::triggered, this, [this] {
        PreferencesDialog dialog(this);
        auto *levels = new LactateLevelsPage(m_programFolder);
        dialog.addPage(levels, tr("Lactate levels"), [levels] { return levels->save(); });
        dialog.exec();
    });
}

void Laktat::buildCommands(QWidget *area) {
    const int top = 8400;
    m_calculateButton = namedControl<QPushButton>(area, "Command9", tr("Calculate"),
                                                  twipsRect(60, top, 1560, ButtonHeight));
    m_saveButton = namedControl<QPushButton>(area, "Command6", tr("Save work"),
                                             twipsRect(1740, top, 1560, ButtonHeight));
    m_printButton = namedControl<QPushButton>(area, "Command10", tr("Print"),
                                              twipsRect(60, top + 450, 1560, ButtonHeight));
    m_clearScreenButton = namedControl<QPushButton>(area, "SSCOmmand15", tr("Clear screen"),
                                                    twipsRect(1740, top + 450, 1560, ButtonHeight));
    auto *exitButton = namedControl<QPushButton>(area, "SSCommand6", tr("Exit"),
                                                 twipsRect(60, top + 900, 3240, ButtonHeight));
    connect(exitButton, &QPushButton::clicked, this, &QWidget::close);
}

void Laktat::buildSearchFrame(QWidget *area) {
    const int left = GraphLeft + GraphWidth + 120;
    DatabaseController::Parts parts;
    parts.window = this;
    parts.area = area;
    parts.createGeometry = twipsRect(GraphLeft, GraphTop, 6000, 1200);
    parts.searchGeometry = twipsRect(left, GraphTop, 3600, 6960);
    parts.fileList = m_fileList;
    parts.statusBar = statusBar();
    parts.database = &m_database;
    parts.programFolder = m_programFolder;
    parts.clock = m_clock;
    DatabaseController::Screen screen;
    screen.testOnScreen = [this] { return testOnScreen(); };
    screen.focusIdentity = [this](int field) {
        constexpr HorseField Required[] = {HorseField::Name, HorseField::Breed, HorseField::Age,
                                           HorseField::Sex};
        m_entry->focusHorseField(Required[std::clamp(field, 0, 3)]);
    };
    screen.focusStep = [this](int step, StepField field) {
        const int row = std::clamp(step, 1, StepRows) - 1;
        m_entry->focusStep(row, field);
    };
    screen.clearAll = [this] { clearAll(); };
    screen.clearScreen = [this] { clearScreen(); };
    screen.setComments = [this](const QString &text) { m_entry->setComments(text); };
    m_databaseCtl = new DatabaseController(parts, std::move(screen), this);
    m_freeze = m_databaseCtl->freezeBox();
    m_fileList->frame()->move(parts.searchGeometry.topLeft());
}

void Laktat::wireDatabase() {
    DatabaseController *database = m_databaseCtl;
    connect(m_listDatabases, &QAction::triggered, database, &DatabaseController::showDatabaseList);
    connect(m_createDatabase, &QAction::triggered, database, &DatabaseController::openCreatePanel);
    connect(m_saveButton, &QPushButton::clicked, database, &DatabaseController::saveWork);
    connect(m_clearScreenButton, &QPushButton::clicked, this, &Laktat::clearScreen);
    connect(database, &DatabaseController::listedTestOpened, this, [this](const TestRow &row) {
        m_threshold->setSliders(120, 0);
        m_test.discipline = row.discipline;
        HorseIdentity identity = m_entry->identity();
        identity.maxHr = row.maxHr;
        identity.stable = row.stable;
        identity.trainer = row.trainer;
        m_entry->setIdentity(identity);
    });
    connect(database, &DatabaseController::testLoaded, this, &Laktat::showLoadedTest);
    connect(database, &DatabaseController::loadSettled, this, &Laktat::calculateLoadedTest);
    connect(database, &DatabaseController::searchStarted, this,
            [this] { m_test.importedFromFile = false; });
    connect(database, &DatabaseController::saveStarting, this, [this] {
        m_test.stepCount = std::int16_t(stepCountForSaving(m_entry->steps(), m_liveDataPending));
        m_liveDataPending = false;
        if (m_test.hrOnly)
            for (int row = 0; row < StepRows; ++row)
                m_entry->setStepText(row, StepField::Lactate, kHeartRateOnlyLactateText);
        m_recalcTimer->stop();
    });
    connect(database, &DatabaseController::saveEnded, m_recalcTimer, qOverload<>(&QTimer::start));
    // A typed test takes the moment it was saved as its date; an imported one keeps its own.
    connect(database, &DatabaseController::testSaved, this, [this](const QString &moment) {
        m_calculation->fitStatusReplaced();
        if (m_test.importedFromFile)
            return;
        m_test.testDate = moment;
        const int row = m_test.comparedCount - 1;
        if (row >= 0 && row < ComparisonCells::Rows) {
            m_analysis.comparison.datex[std::size_t(row)] = moment;
            m_comparison->showValues(m_analysis.comparison);
        }
    });
    connect(database, &DatabaseController::readyToClose, this, &QWidget::close);
    // "Export to CSV...": the listed tests and the comparison table as shown.
    m_csvExport = new CsvExportDialog(this);
    connect(m_exportCsv, &QAction::triggered, database, &DatabaseController::exportListedTests);
    connect(database, &DatabaseController::listedTestsRead, this,
            [this](const SearchResult &listed) {
                const bool recovery = m_test.speedUnit == SpeedUnit::RecoveryTime;
                const QString message = m_csvExport->exportContent(
                    {listed.rows, &m_analysis.comparison, &m_percent, recovery});
                if (!message.isEmpty())
                    statusBar()->showMessage(message);
            });
    m_saveButton->installEventFilter(this);
    m_entry->horseField(HorseField::Trainer)->installEventFilter(this);
}

void Laktat::buildSideControls(QWidget *area) {
    const int top = GraphTop + GraphHeight + 120;
    m_comparison = new ComparisonPanel(area);
    m_comparison->setGeometry(twipsRect(GraphLeft, top, GraphWidth, 2400));

    m_threshold = new ThresholdPanel(
        area, twipsRect(GraphLeft + GraphWidth + 120, top, 3600, 2760),
        twipsRect(GraphLeft, top + 2520, GraphWidth, 1020), m_test,
        [this] { return freezeChecked(); },
        [this] { return slidersActive(m_slidersInert, freezeChecked(), m_test.stepCount); });
    connect(m_threshold, &ThresholdPanel::unitMissing, this,
            [this] { showMessage(this, QStringLiteral("Select speed !")); });
    connect(m_entry, &EntryPanel::maxHrChanged, m_threshold, &ThresholdPanel::showZonesFor);

    wireCalculation();
    wireReport();
}

void Laktat::wireCalculation() {
    m_units = new SpeedUnitController(m_entry, m_test, m_recalcTimer, this);
    connect(m_units, &SpeedUnitController::unitChosen, this, [this](SpeedUnit unit) {
        m_threshold->showUnit(unit);
        m_comparison->showUnit(unit);
        m_fileList->files()->clearSelectedFileName();
    });
    const auto graph = [this]() -> DrawingSurface & { return m_graph->surface(); };
    const auto styles = [this] { return m_styles->settings(); };
    CalculationController::Links links;
    links.window = this;
    links.statusBar = statusBar();
    links.graph = graph;
    links.styles = styles;
    links.freezeChecked = [this] { return freezeChecked(); };
    links.linkFirstRun = [this] { return m_liveDataPending && m_linkActive; };
    links.importNote = [this] { return m_importNote; };
    links.clock = m_clock;
    links.extraLevels = [this] { return readLactateLevels(m_programFolder); };
    m_calculation = new CalculationController(m_entry, m_test, m_analysis, links, this);
    m_methodsWindow = new ThresholdMethodsWindow(m_test, {graph, styles}, this);
    connect(m_calculation, &CalculationController::calculated, m_methodsWindow,
            &ThresholdMethodsWindow::showTest);
    m_thresholdFlow = new ThresholdController(m_threshold, m_test, m_analysis,
                                              {graph, styles, [this] { runCalculation(); },
                                               [this] { return freezeChecked(); },
                                               [this] { return m_entry->steps()[0]; }},
                                              this);
    connect(m_calculateButton, &QPushButton::clicked, m_calculation,
            &CalculationController::calculate);
    connect(m_freeze, &QCheckBox::clicked, m_calculation,
            &CalculationController::freezeCurveClicked);
    connect(m_calculation, &CalculationController::freezeEnded, m_freeze,
            [this] { m_freeze->setChecked(false); });
    connect(m_calculation, &CalculationController::linkFirstRunUsed, this,
            [this] { m_linkActive = false; });
    connect(m_calculation, &CalculationController::saveWorkNext, m_saveButton,
            [this] { m_saveButton->setFocus(); });
    connect(m_calculation, &CalculationController::lactateSliderMaximum, m_thresholdFlow,
            &ThresholdController::setLactateSliderMaximum);
    connect(m_calculation, &CalculationController::comparisonChanged, m_comparison,
            &ComparisonPanel::showValues);
    connect(m_calculation, &CalculationController::extrapolationMarked, m_comparison,
            &ComparisonPanel::markExtrapolated);
}

void Laktat::wireReport() {
    ReportPanel::Sources sources;
    sources.window = this;
    sources.inputs = [this] {
        return reportInputs({*m_entry, *m_threshold, *m_comparison, m_test, m_analysis,
                             freezeChecked(), m_graph->backgroundPicture(), m_styles->settings()});
    };
    sources.testDate = [this] { return m_test.testDate; };
    sources.keepScale = [this](const GraphScale &printed) {
        m_test.scale.lactateAxisMax = printed.lactateAxisMax;
        m_test.scale.lactateScale = printed.lactateScale;
        m_test.scale.hrAxisMax = printed.hrAxisMax;
        m_test.scale.hrBase = printed.hrBase;
        m_test.scale.hrScale = printed.hrScale;
    };
    sources.clock = m_clock;
    m_report = new ReportPanel(sources, this);
    connect(m_printButton, &QPushButton::clicked, m_report, &ReportPanel::print);
    connect(m_previewAction, &QAction::triggered, m_report, &ReportPanel::showPreview);
    connect(m_pdfAction, &QAction::triggered, m_report, &ReportPanel::saveAsPdf);
    // A printed page ends the keeping of curves, through the box's own action.
    connect(m_report, &ReportPanel::printed, m_freeze, [this] {
        if (m_freeze->isChecked())
            m_freeze->click();
    });
    connect(m_report, &ReportPanel::reportFailed, this,
            [this](const QString &text) { showMessage(this, text); });
    m_readout =
        new CursorReadoutPanel(m_graph, m_analysis.pointTable, [this] { return freezeChecked(); });
}

bool Laktat::saveReportPdf(const QString &path) {
    return m_report->savePdf(path);
}

void Laktat::runHelp() {
    const QString tutorial = QDir(m_programFolder).filePath(TutorialProgram);
    if (!QFileInfo(tutorial).isFile() || !QProcess::startDetached(tutorial, {}, m_programFolder))
        showMessage(this, tr("The tutorial program is not installed."));
}

// The link box stands over the graph's top left corner.
void Laktat::wireLink(QWidget *area) {
    const QRect frameRect(m_graph->geometry().topLeft(), twipsRect(0, 0, 4200, 1200).size());
    m_link = new LinkController(area, frameRect, m_samples, m_graph->surface(), m_test);
    connect(m_link, &LinkController::runStarted, this, [this] {
        clearAll();
        m_database.selectedDatabaseName = kChosenByImportOrLink;
        m_entry->setStepText(0, StepField::HeartRate, LinkController::firstHeartRate());
        selectMinPerKm();
        m_linkActive = true;
        m_liveDataPending = true;
        runCalculation();
        setHeartRateOnly(true);
        m_entry->focusName();
    });
    connect(m_link, &LinkController::stepsReceived, this, [this](const LinkStepTexts &steps) {
        m_liveDataPending = true;
        // The steps are written as min/km paces, whatever unit was clicked during the run.
        if (m_test.speedUnit != SpeedUnit::MinPerKm)
            selectMinPerKm();
        for (int row = 0; row < StepRows; ++row) {
            if (const auto &speed = steps.speedTexts[std::size_t(row)])
                m_entry->setStepText(row, StepField::Speed, *speed);
            if (const auto &hr = steps.hrTexts[std::size_t(row)])
                m_entry->setStepText(row, StepField::HeartRate, *hr);
        }
        // The paces are converted now: the run must not work on the speeds of the last tick.
        recalcTick();
        runCalculation();
    });
}

void Laktat::wireImport() {
    ImportScreenReading screen;
    screen.freezeChecked = [this] { return freezeChecked(); };
    screen.firstLactate = [this] { return m_entry->steps()[0].lactate; };
    screen.loadSettleMs = [this] { return m_databaseCtl->loadSettleTime(); };
    m_import = new ImportController(this, m_test, m_analysis, m_samples, m_graph->surface(),
                                    std::move(screen));
    connect(m_import, &ImportController::importOpening, this, [this] {
        clearAll();
        m_database.selectedDatabaseName = kChosenByImportOrLink;
        selectMinPerKm();
        m_threshold->setHrSlider(120);
        setHeartRateOnly(true);
    });
    connect(m_import, &ImportController::displayRestored, this,
            [this](bool hrOnly, SpeedUnit unit) {
                setHeartRateOnly(hrOnly);
                if (unit == SpeedUnit::KmPerHour || unit == SpeedUnit::MinPerKm ||
                    unit == SpeedUnit::MetrePerMin) {
                    m_entry->checkUnit(unit);
                    chooseUnit(unit);
                }
            });
    connect(m_import, &ImportController::recordingTakenOver, this,
            [this](const QString &maxHr, const QString &restHr, const QString &note) {
                m_comparison->showValues(m_analysis.comparison);
                m_entry->setHeartRates(maxHr, restHr);
                m_importNote = note;
            });
    connect(m_import, &ImportController::continuousLineTakenOver, this,
            [this](const ContinuousHrResult &line) {
                m_slidersInert = false;
                for (int i = 0; i < StepRows; ++i) {
                    if (const auto &hr = line.hrTexts[std::size_t(i)])
                        m_entry->setStepText(i, StepField::HeartRate, *hr);
                    if (const auto &speed = line.speedTexts[std::size_t(i)])
                        m_entry->setStepText(i, StepField::Speed, *speed);
                }
                PlotItems items;
                items.curves.push_back(line.line);
                drawCurvePlot(m_graph->surface(), m_styles->settings(), items);
                m_comparison->showValues(m_analysis.comparison);
            });
    connect(m_import, &ImportController::stepsTakenOver, this,
            [this](const std::vector<StepFieldTexts> &steps) {
                setHeartRateOnly(false);
                chooseUnit(SpeedUnit::MinPerKm);
                m_slidersInert = false;
                for (std::size_t i = 0; i < steps.size(); ++i) {
                    const int row = int(i);
                    m_entry->setStepText(row, StepField::Lactate, steps[i].lactate);
                    m_entry->setStepText(row, StepField::HeartRate, steps[i].heartRate);
                    m_entry->setStepText(row, StepField::Speed, steps[i].pace);
                }
                selectMinPerKm();
                m_recalcTimer->start();
                recalcTick();
            });
    connect(m_import, &ImportController::calculationDue, this, &Laktat::calculate);
}

void Laktat::selectMinPerKm() {
    m_entry->checkUnit(SpeedUnit::MinPerKm);
    chooseUnit(SpeedUnit::MinPerKm);
}
