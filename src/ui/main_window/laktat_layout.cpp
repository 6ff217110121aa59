// Composition of the main window: the features, where they stand, and the connections between
// them. Positions are designed in twips and scaled to the screen for the run.
#include "ui/main_window/laktat.h"

#include "io/lactate_levels.h"
#include "ui/common/file_list_panel.h"
#include "ui/common/message_dialog.h"
#include "ui/common/named_controls.h"
#include "ui/common/twips.h"
#include "ui/common/widget_habits.h"
#include "ui/common/window_scale.h"
#include "ui/comparison/comparison_panel.h"
#include "ui/comparison/csv_export_dialog.h"
#include "ui/entry/entry_panel.h"
#include "ui/graph/background_panel.h"
#include "ui/graph/cursor_readout_panel.h"
#include "ui/graph/graph_widget.h"
#include "ui/graph/style_panel.h"
#include "ui/help/help_controller.h"
#include "ui/history/history_window.h"
#include "ui/main_window/main_menu.h"
#include "ui/remote_link/link_controller.h"
#include "ui/threshold/threshold_panel.h"
#include "ui/threshold_methods/threshold_methods_window.h"

#include <QAction>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QStatusBar>
#include <QTimer>

#include <algorithm>
#include <cmath>

using namespace kavren;

namespace {

constexpr int GraphLeft = 3480;
constexpr int GraphTop = 120;
constexpr int GraphWidth = 11520;
constexpr int GraphHeight = 6960;
constexpr int SideLeft = GraphLeft + GraphWidth + 120;   // the search and threshold frames
constexpr int BelowGraph = GraphTop + GraphHeight + 120; // the comparison table and the zones
constexpr int ButtonHeight = 375;

// Screens lower than this (in twips of the run) get a smaller graph so that the window still fits.
constexpr int FullScreenHeightTwips = 11520;
constexpr int MinimumGraphHeightTwips = 300;
// Room for the title bar of the maximised window, which the toolkit knows only once it is shown.
constexpr int TitleBarAllowance = 30;

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
    scroller->setAccessibleName(tr("Test entry and graph"));
    setCentralWidget(scroller);
    statusBar()->setObjectName(QStringLiteral("laktatStatus"));

    m_recalcTimer = new QTimer(this);
    m_recalcTimer->setObjectName(QStringLiteral("Timer1"));
    m_recalcTimer->setInterval(300);
    m_screen = new TestScreen({m_test, m_analysis, m_percent, m_samples, m_database}, this);
    m_screen->setExtraLevels(readLactateLevels(m_programFolder));

    buildFeatures(area);
    buildCommands(area);
    auto *menu = new MainMenu(menuBar(), [this] { return m_test.hrOnly; });
    menu->connectTo({m_report, m_styles, m_calculation, m_background, m_databaseCtl, m_link,
                     m_import, new HelpController(this, m_programFolder), m_methodsWindow,
                     [this] {
                         showPreferences(this, m_programFolder);
                         m_screen->setExtraLevels(readLactateLevels(m_programFolder));
                     },
                     m_screen});
    connect(menu->history, &QAction::triggered, this, &Laktat::showHistory);
    connectDatabase();
    connectCalculation();
    connectReport();
    connectImportAndLink();

    // Frames shown over the other controls come to the front whenever they are shown.
    QObject *raiser = makeRaiseWhenShown(this);
    m_fileList->installEventFilter(raiser);
    m_databaseCtl->raiseWhenShown(raiser);
    m_link->raiseWhenShown(raiser);
    m_styles->raiseWhenShown(raiser);
    // Noted last, so that every control of the area is scaled with the rest.
    m_scale = std::make_unique<WindowScale>(area);
    scroller->setWidget(area);
}

void Laktat::buildFeatures(QWidget *area) {
    m_entry = new EntryPanel(area);
    m_graph = new GraphWidget(area);
    m_graph->setGeometry(twipsRect(GraphLeft, GraphTop, GraphWidth, GraphHeight));
    m_styles = new StylePanel(area);
    m_styles->setGraph(m_graph);
    m_fileList = new FileListPanel(area);
    m_fileList->setFolder(m_programFolder);
    m_background = new BackgroundPanel(m_graph, m_fileList, this);
    m_background->setTestOnScreen([this] { return m_entry->firstStepTyped(); });

    // The link box stands over the graph's top left corner.
    const QRect linkRect(m_graph->geometry().topLeft(), twipsRect(0, 0, 4200, 1200).size());
    m_link = new LinkController(area, linkRect, m_samples, m_graph->surface(), m_test);
    const auto freezeChecked = [this] { return m_screen->freezeChecked(); };
    m_import = new ImportController(this, m_test, m_analysis, m_samples, m_graph->surface(),
                                    {freezeChecked, [this] { return m_entry->steps()[0].lactate; },
                                     [this] { return m_databaseCtl->loadSettleTime(); }});

    const QRect searchRect = twipsRect(SideLeft, GraphTop, 3600, 6960);
    const QRect createRect = twipsRect(GraphLeft, GraphTop, 6000, 1200);
    const DatabaseController::Parts parts{this,       area,        searchRect,  createRect,
                                          m_fileList, statusBar(), &m_database, m_programFolder,
                                          m_clock};
    m_databaseCtl = new DatabaseController(parts, m_screen->databaseScreen(), this);
    m_history = new HistoryWindow(
        m_databaseCtl->queue(), [this] { return m_database.databasePath; }, this);
    m_fileList->move(searchRect.topLeft());

    m_comparison = new ComparisonPanel(area);
    m_comparison->setGeometry(twipsRect(GraphLeft, BelowGraph, GraphWidth, 2400));
    m_threshold =
        new ThresholdPanel(area, twipsRect(SideLeft, BelowGraph, 3600, 2760),
                           twipsRect(GraphLeft, BelowGraph + 2520, GraphWidth, 1020), m_test,
                           freezeChecked, [this] { return m_screen->slidersActive(); });

    m_units = new SpeedUnitController(m_entry, m_test, m_recalcTimer, this);
    CalculationController::Links links;
    links.window = this;
    links.statusBar = statusBar();
    links.graph = [this]() -> DrawingSurface & { return m_graph->surface(); };
    links.styles = [this] { return m_styles->settings(); };
    links.freezeChecked = freezeChecked;
    links.linkFirstRun = [this] { return m_screen->linkFirstRun(); };
    links.importNote = [this] { return m_screen->importNote(); };
    links.clock = m_clock;
    links.extraLevels = [this] { return m_screen->extraLevels(); };
    m_calculation = new CalculationController(m_entry, m_test, m_analysis, links, this);
    m_methodsWindow = new ThresholdMethodsWindow(m_test, {links.graph, links.styles}, this);
    m_thresholdFlow =
        new ThresholdController(m_threshold, m_test, m_analysis,
                                {links.graph, links.styles, [this] { runCalculation(); },
                                 freezeChecked, [this] { return m_entry->steps()[0]; }},
                                this);

    ReportPanel::Sources sources;
    sources.window = this;
    sources.inputs = [this] { return m_screen->reportInputs(); };
    sources.testDate = [this] { return m_test.testDate; };
    sources.keepScale = [this](const GraphScale &printed) { m_test.scale.keepAxesOf(printed); };
    sources.clock = m_clock;
    sources.dataFolder = m_programFolder;
    m_report = new ReportPanel(sources, this);
    new CursorReadoutPanel(m_graph, m_analysis.pointTable, freezeChecked);

    m_screen->features = {m_entry,  m_threshold,   m_comparison, m_graph,
                          m_styles, m_background,  m_fileList,   m_databaseCtl,
                          m_import, m_calculation, m_units,      m_recalcTimer};
    m_screen->features.csvExport = new CsvExportDialog(this);
    m_screen->features.statusBar = statusBar();
}

void Laktat::buildCommands(QWidget *area) {
    const int top = 8400;
    const auto button = [area](const char *name, const QString &caption, const QRect &rect) {
        return namedControl<QPushButton>(area, name, caption, rect);
    };
    const int half = 1560;
    connect(button("Command9", tr("Calculate"), twipsRect(60, top, half, ButtonHeight)),
            &QPushButton::clicked, m_calculation, &CalculationController::calculate);
    m_saveButton = button("Command6", tr("Save work"), twipsRect(1740, top, half, ButtonHeight));
    connect(m_saveButton, &QPushButton::clicked, m_databaseCtl, &DatabaseController::saveWork);
    // "Save work" takes the focus when the mouse comes over it.
    focusOnHover(m_saveButton);
    connect(button("Command10", tr("Print"), twipsRect(60, top + 450, half, ButtonHeight)),
            &QPushButton::clicked, m_report, &ReportPanel::print);
    connect(
        button("SSCOmmand15", tr("Clear screen"), twipsRect(1740, top + 450, half, ButtonHeight)),
        &QPushButton::clicked, m_screen, &TestScreen::clearScreen);
    connect(button("SSCommand6", tr("Exit"), twipsRect(60, top + 900, 3240, ButtonHeight)),
            &QPushButton::clicked, this, &QWidget::close);
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
    m_graphBaseSize = QSize(int(std::lround(m_graph->width() * 15 / factor)),
                            int(std::lround(m_graph->height() * 15 / factor)));
    m_background->setGraphBaseSize(m_graph->size());
}

void Laktat::connectDatabase() {
    DatabaseController *database = m_databaseCtl;
    TestScreen *screen = m_screen;
    connect(database, &DatabaseController::listedTestOpened, screen, &TestScreen::takeListedRow);
    connect(database, &DatabaseController::testLoaded, screen, &TestScreen::showLoadedTest);
    connect(database, &DatabaseController::loadSettled, screen, &TestScreen::calculateLoadedTest);
    connect(database, &DatabaseController::searchStarted, this,
            [this] { m_test.importedFromFile = false; });
    connect(database, &DatabaseController::saveStarting, screen, &TestScreen::prepareSave);
    connect(database, &DatabaseController::saveEnded, m_recalcTimer, qOverload<>(&QTimer::start));
    connect(database, &DatabaseController::testSaved, screen, &TestScreen::takeSavedMoment);
    connect(database, &DatabaseController::readyToClose, this, &QWidget::close);
    connect(m_history, &HistoryWindow::testChosen, database, &DatabaseController::openStoredTest);
    // "Export to CSV...": the listed tests and the comparison table as shown.
    connect(database, &DatabaseController::listedTestsRead, m_screen,
            &TestScreen::exportListedTests);
    connect(m_entry, &EntryPanel::trainerLeftByTab, m_screen,
            [this] { m_screen->moveOnFromTrainer(m_saveButton); });
}

void Laktat::showHistory() {
    const TestToSave shown = m_screen->testOnScreen();
    m_history->showFor({shown.name, shown.breed, shown.stable}, m_test.discipline);
}

void Laktat::connectCalculation() {
    connect(m_units, &SpeedUnitController::unitChosen, m_screen, &TestScreen::showUnit);
    connect(m_threshold, &ThresholdPanel::unitMissing, this,
            [this] { showMessage(this, tr("Select speed !")); });
    connect(m_entry, &EntryPanel::maxHrChanged, m_threshold, &ThresholdPanel::showZonesFor);
    CalculationController *calculation = m_calculation;
    connect(m_databaseCtl, &DatabaseController::freezeClicked, calculation,
            &CalculationController::freezeCurveClicked);
    connect(calculation, &CalculationController::freezeEnded, m_databaseCtl,
            &DatabaseController::uncheckFreeze);
    connect(calculation, &CalculationController::linkFirstRunUsed, m_screen,
            &TestScreen::linkFirstRunUsed);
    connect(calculation, &CalculationController::saveWorkNext, m_saveButton,
            [this] { m_saveButton->setFocus(); });
    connect(calculation, &CalculationController::lactateSliderMaximum, m_thresholdFlow,
            &ThresholdController::setLactateSliderMaximum);
    connect(calculation, &CalculationController::comparisonChanged, m_comparison,
            &ComparisonPanel::showValues);
    connect(calculation, &CalculationController::extrapolationMarked, m_comparison,
            &ComparisonPanel::markExtrapolated);
    connect(calculation, &CalculationController::calculated, m_methodsWindow,
            &ThresholdMethodsWindow::showTest);
}

void Laktat::connectReport() {
    // A printed page ends the keeping of curves.
    connect(m_report, &ReportPanel::printed, m_screen, &TestScreen::endFreeze);
    connect(m_report, &ReportPanel::reportFailed, this,
            [this](const QString &text) { showMessage(this, text); });
}

void Laktat::connectImportAndLink() {
    TestScreen *screen = m_screen;
    connect(m_link, &LinkController::runStarted, screen, &TestScreen::startLinkRun);
    connect(m_link, &LinkController::stepsReceived, screen, &TestScreen::takeLinkSteps);
    ImportController *import = m_import;
    connect(import, &ImportController::importOpening, screen, &TestScreen::openImport);
    connect(import, &ImportController::displayRestored, screen, &TestScreen::restoreDisplay);
    connect(import, &ImportController::recordingTakenOver, screen, &TestScreen::takeRecording);
    connect(import, &ImportController::continuousLineTakenOver, screen,
            &TestScreen::takeContinuousLine);
    connect(import, &ImportController::stepsTakenOver, screen, &TestScreen::takeImportedSteps);
    connect(import, &ImportController::calculationDue, m_calculation,
            &CalculationController::calculate);
}
