#include "ui/database/database_controller.h"

#include "domain/exercise/current_exercise.h"
#include "domain/exercise/plausible_values.h"
#include "io/database/database_queue.h"
#include "io/database/server_address.h"
#include "ui/common/file_list_panel.h"
#include "ui/common/message_dialog.h"
#include "ui/database/create_database_panel.h"
#include "ui/database/result_list_model.h"
#include "ui/database/search_panel.h"

#include <QApplication>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QStatusBar>
#include <QTimer>

#include <algorithm>

namespace kavren {

namespace {

// The test to save is the one sent before when only the moment of saving differs.
bool sameTestApartFromMoment(StoredRow sent, const StoredRow &now) {
    sent.moment = now.moment;
    return sent == now;
}

// The texts a saved row keeps, as the screen shows them: what tells whether the test on screen
// has changed since it was saved or loaded.
QStringList workOf(const TestToSave &test) {
    QStringList texts = {test.name,   test.breed,   test.age,   test.sex,
                         test.stable, test.trainer, test.maxHr, test.comments};
    for (const TestStep &step : test.steps)
        texts << (test.hrOnly ? QString() : step.lactate) << step.hr << step.speedText;
    for (QString &text : texts)
        text = text.trimmed();
    return texts;
}

} // namespace

DatabaseController::DatabaseController(const Parts &parts, Screen screen, QObject *parent)
    : QObject(parent), m_window(parts.window), m_fileList(parts.fileList),
      m_statusBar(parts.statusBar), m_database(*parts.database),
      m_programFolder(parts.programFolder), m_clock(parts.clock), m_screen(std::move(screen)) {
    m_createPanel = new CreateDatabasePanel(parts.area, parts.createGeometry);
    m_searchPanel = new SearchPanel(parts.area, parts.searchGeometry);
    m_results = m_searchPanel->results();
    m_searchPanel->hideValues(); // shown once a criterion's values are listed
    m_createPanel->hide();

    connect(m_createPanel, &CreateDatabasePanel::createRequested, this,
            &DatabaseController::createDatabase);
    connect(m_fileList, &FileListPanel::fileClicked, this,
            &DatabaseController::databaseFileClicked);
    connect(m_fileList, &FileListPanel::fileDoubleClicked, this,
            &DatabaseController::databaseFileDoubleClicked);
    connect(m_fileList, &FileListPanel::eraseRequested, this, &DatabaseController::eraseListedFile);
    connect(m_searchPanel, &SearchPanel::criterionClicked, this,
            &DatabaseController::criterionChosen);
    connect(m_searchPanel, &SearchPanel::valuesRequested, this,
            &DatabaseController::listCriterionValues);
    connect(m_searchPanel, &SearchPanel::valueChosen, this, &DatabaseController::searchTests);
    connect(m_searchPanel, &SearchPanel::resultClicked, this, &DatabaseController::resultClicked);
    connect(m_searchPanel->freezeBox(), &QCheckBox::clicked, this,
            &DatabaseController::freezeClicked);
    // The calculation of a loaded test waits for the window to settle; see loadTest.
    m_loadSettle = new QTimer(this);
    m_loadSettle->setSingleShot(true);
    connect(m_loadSettle, &QTimer::timeout, this, &DatabaseController::finishLoad);
    // Work on a database server runs away from the window; the status bar says that it waits.
    m_queue = new DatabaseQueue(this);
    connect(m_queue, &DatabaseQueue::busy, this, &DatabaseController::workStarted);
    connect(m_queue, &DatabaseQueue::idle, this, &DatabaseController::workAnswered);
    connect(m_queue, &DatabaseQueue::lastAnswerArriving, this, &DatabaseController::answerArriving);
}

DatabaseController::~DatabaseController() = default;

bool DatabaseController::freezeChecked() const {
    return m_searchPanel->freezesCurve();
}

void DatabaseController::uncheckFreeze() {
    m_searchPanel->freezeBox()->setChecked(false);
}

bool DatabaseController::mayClose(bool askAboutUnsaved) {
    if (busy()) {
        closeWhenAnswered();
        return false;
    }
    if (!askAboutUnsaved || !hasUnsavedWork())
        return true;
    const UnsavedWorkAnswer answer = askAboutUnsavedWork(
        m_window, tr("The test on screen has not been saved. Save it before closing?"));
    if (answer == UnsavedWorkAnswer::Cancel)
        return false;
    if (answer == UnsavedWorkAnswer::Discard)
        return true;
    // A save refused before writing, or one the database did not take, keeps the window open
    // with the test on screen.
    const bool handedOver = saveWork();
    if (handedOver && busy())
        closeWhenAnswered();
    return handedOver && !busy() && !hasUnsavedWork();
}

void DatabaseController::openCreatePanel() {
    m_createPanel->setPath(suggestedNewDatabase(m_createPanel->path(), m_programFolder));
    m_createPanel->open();
}

void DatabaseController::raiseWhenShown(QObject *raiser) {
    m_createPanel->installEventFilter(raiser);
}

void DatabaseController::useSettingsLine(const QString &line) {
    m_database = databaseFromSettingsLine(line, m_programFolder);
    m_createPanel->setPath(createBoxTextOf(line));
    showCurrentDatabase();
    if (isServerAddress(line) && hasPassword(line))
        reportProblem(parseServerAddress(line).error);
    const QString folder = splitAtLastSeparator(line).folder;
    if (!folder.isEmpty() && !isServerAddress(line) && QDir(folder).exists()) {
        m_fileList->setFolder(folder);
    }
}

void DatabaseController::searchByName() {
    m_searchField = DefaultSearchField;
    m_searchPanel->chooseCriterion(0);
}

void DatabaseController::showCurrentDatabase() {
    if (!m_databaseLabel) {
        m_databaseLabel = new QLabel(m_statusBar);
        m_databaseLabel->setObjectName(QStringLiteral("CurrentDatabaseLabel"));
        m_statusBar->addPermanentWidget(m_databaseLabel);
    }
    m_databaseLabel->setText(tr("Database: ") + shownDatabaseName(m_database));
}

void DatabaseController::showDatabaseList() {
    m_fileList->setMode(FileListMode::Databases);
    m_fileList->showFiles(DatabasePattern, tr("Select database (DblClick)"));
    m_searchEnabled = true;
}

void DatabaseController::createDatabase() {
    const QString typed = m_createPanel->path();
    m_queue->run(
        typed.trimmed(), [typed] { return kavren::createDatabase(typed); },
        [this](const CreateResult &result) { finishCreate(result); });
}

void DatabaseController::finishCreate(const CreateResult &result) {
    switch (result.outcome) {
    case CreateOutcome::WrongSyntax:
    case CreateOutcome::Failed:
        showMessage(m_window, result.message);
        return;
    case CreateOutcome::AlreadyExists:
        useCreatedDatabase(result.databasePath);
        m_createPanel->hide();
        QApplication::beep();
        return;
    case CreateOutcome::Created:
        useCreatedDatabase(result.databasePath);
        m_createPanel->hide();
        m_fileList->refresh();
        m_screen.clearAll();
        clearResults();
        return;
    }
}

// A file made by Create becomes the path of the current database; a server database becomes the
// current database altogether, as there is no file list to choose it from.
void DatabaseController::useCreatedDatabase(const QString &path) {
    if (isServerAddress(path)) {
        m_database = serverDatabase(path, m_programFolder);
        m_searchPanel->setTitle(m_database.selectedDatabaseName);
    } else
        m_database.databasePath = path;
    showCurrentDatabase();
}

void DatabaseController::databaseFileClicked() {
    if (m_fileList->mode() != FileListMode::Databases)
        return;
    const QString name = m_fileList->selectedFileName();
    if (name.isEmpty())
        return;
    m_database = databaseChosenInList(m_fileList->folder(), name);
    m_createPanel->setPath(createBoxTextOfPath(m_database.databasePath));
    m_searchPanel->setTitle(name);
    showCurrentDatabase();
    m_reportedProblem.clear();
    reportProblem(checkChosenDatabase(m_database.databasePath).value_or(QString()));
}

void DatabaseController::databaseFileDoubleClicked() {
    if (m_fileList->mode() != FileListMode::Databases)
        return;
    m_fileList->hide();
    m_searchPanel->clearEnteredValue();
    clearResults();
    m_screen.setComments(QString());
    m_screen.clearAll();
    m_searchField = DefaultSearchField;
    m_searchPanel->chooseCriterion(0);
    listCriterionValues();
}

void DatabaseController::eraseListedFile() {
    const QString name = m_fileList->selectedFileName();
    if (name.isEmpty() || isProtectedFile(name))
        return;
    if (!askYesNo(m_window, tr("Message"), tr("Do you want to erase ?")))
        return;
    const EraseFileResult result =
        kavren::eraseListedFile(m_fileList->folder(), name, m_fileList->pattern());
    m_fileList->refreshFiles();
    if (result.outcome == EraseFileOutcome::Failed) {
        showMessage(m_window, result.message);
        return;
    }
    if (result.outcome == EraseFileOutcome::ErasedFolderRemoved) {
        m_fileList->setFolder(QDir::currentPath());
        m_fileList->hide();
    }
    m_createPanel->clearPath();
}

// Tells the user what is wrong with the current database, once: listing again after a click, a
// double-click or "Clear screen" does not repeat the same message. A success forgets it.
void DatabaseController::reportProblem(const QString &problem) {
    if (problem.isEmpty() || problem == m_reportedProblem) {
        m_reportedProblem = problem;
        return;
    }
    m_reportedProblem = problem;
    showMessage(m_window, problem);
}

void DatabaseController::criterionChosen(int option) {
    if (!m_searchEnabled)
        return;
    m_searchField = SearchFields.value(option, DefaultSearchField);
    listCriterionValues();
}

void DatabaseController::listCriterionValues() {
    // The old values go before the database is read, also when reading it fails.
    m_searchPanel->show();
    m_searchPanel->setCriterionValues({}, {});
    const int request = ++m_valuesRequest;
    const QString path = m_database.databasePath;
    const QString field = m_searchField;
    m_queue->run(
        path, [path, field] { return kavren::listCriterionValues(path, field); },
        [this, request](const ValuesResult &result) {
            if (request == m_valuesRequest)
                showCriterionValues(result);
        });
}

void DatabaseController::showCriterionValues(const ValuesResult &result) {
    reportProblem(result.error);
    m_searchPanel->setCriterionValues(result.values, result.storedValues);
    clearResults();
    m_searchPanel->focusValues();
}

void DatabaseController::clearResults() {
    // A search or a clicked test still awaited from a server belongs to the list emptied here.
    ++m_searchGeneration;
    ++m_rowRequest;
    m_search.reset();
    m_results->clear();
    m_listedSearch = {};
}

void DatabaseController::clearSearch() {
    clearResults();
    m_searchPanel->clear();
}

void DatabaseController::searchTests() {
    clearResults();
    emit searchStarted();
    m_fileList->hide();
    m_screen.setComments(kNoComments);
    const QByteArray stored = m_searchPanel->searchValue();
    const QString path = m_database.databasePath;
    const QString field = m_searchField;
    m_listedSearch = {path, field, stored, true};
    const int generation = ++m_searchGeneration;
    if (DatabaseQueue::runsAway(path)) {
        // A server is read whole on the queue's thread; the list fills once it has answered.
        m_queue->run(
            path, [path, field, stored] { return findTests(path, field, stored); },
            [this, generation](FoundTests found) {
                if (generation != m_searchGeneration)
                    return;
                reportProblem(found.error);
                m_results->setTests(std::move(found.tests));
            });
        return;
    }
    m_search = std::make_unique<PagedTestSearch>(path, field, stored);
    continueSearch(generation);
}

// Reads the next page of the running search; a short list is complete after the first page, a
// long one goes on in later turns of the event loop, so the window keeps reacting meanwhile.
void DatabaseController::continueSearch(int generation) {
    if (!m_search || generation != m_searchGeneration)
        return; // cleared, or replaced by a newer search
    if (m_search->readMore(SearchPageRows)) {
        QTimer::singleShot(0, this, [this, generation] { continueSearch(generation); });
        return;
    }
    const std::unique_ptr<PagedTestSearch> done = std::move(m_search);
    reportProblem(done->error());
    m_results->setTests(done->takeSorted());
}

void DatabaseController::resultClicked(int listIndex) {
    const ListedTest *listed = m_results->testAt(listIndex);
    if (!listed)
        return;
    const int request = ++m_rowRequest;
    const QString path = m_database.databasePath;
    const qint64 rowId = listed->rowId;
    m_queue->run(
        path, [path, rowId] { return readListedRow(path, rowId); },
        [this, request](const LoadedRow &loaded) {
            if (request == m_rowRequest)
                showListedRow(loaded);
        });
}

void DatabaseController::openStoredTest(qint64 rowId) {
    const int request = ++m_rowRequest;
    const QString path = m_database.databasePath;
    m_queue->run(
        path, [path, rowId] { return readListedRow(path, rowId); },
        [this, request](const LoadedRow &loaded) {
            if (request == m_rowRequest)
                showListedRow(loaded, false);
        });
}

void DatabaseController::showListedRow(const LoadedRow &loaded, bool mayErase) {
    if (!loaded.row) {
        reportProblem(loaded.error);
        return;
    }
    const TestRow &row = *loaded.row;
    m_database.selectedDatabaseName = kChosenByImportOrLink;
    emit listedTestOpened(row);
    if (mayErase && m_searchPanel->erasesTests()) {
        eraseSelectedTests(row);
        return;
    }
    loadTest(row, true);
}

void DatabaseController::loadTest(const TestRow &row, bool takeComments) {
    ShownTest shown;
    shown.test = unpackTest(row);
    shown.takeComments = takeComments;
    shown.frozen = m_searchPanel->freezesCurve();
    if (!shown.frozen && m_searchPanel->showsTestPicture())
        shown.testPicture = picturePathOf(m_database.databaseFolder, shown.test.pictureName);
    emit testLoaded(shown);

    // A test as loaded is saved work; changing it makes it unsaved again.
    m_savedWork = workOf(m_screen.testOnScreen());

    // The calculation runs once the window has settled, from the event loop: meanwhile the window
    // keeps working and nothing runs inside this call. A later load starts the wait again for its
    // own test; emptying the screen drops the wait (forgetTest).
    m_loadSettleFrozen = shown.frozen;
    if (m_loadSettleMs <= 0)
        finishLoad();
    else
        m_loadSettle->start(m_loadSettleMs);
}

bool DatabaseController::loadSettling() const {
    return m_loadSettle->isActive();
}

void DatabaseController::finishLoad() {
    m_loadSettle->stop();
    emit loadSettled(m_loadSettleFrozen);
}

void DatabaseController::eraseSelectedTests(const TestRow &clicked) {
    if (!askYesNo(m_window, tr("Message"), tr("Do you want to erase ?"))) {
        m_searchPanel->setErasesTests(false);
        return;
    }
    std::vector<ListedTest> selected;
    for (int listRow : m_searchPanel->selectedRows())
        if (const ListedTest *test = m_results->testAt(listRow))
            selected.push_back(*test);
    if (selected.empty()) {
        loadTest(clicked, false);
        return;
    }
    const QString path = m_database.databasePath;
    const int request = m_rowRequest;
    m_queue->run(
        path, [path, selected] { return eraseTests(path, selected); },
        [this, request](const EraseResult &result) {
            if (!result.error.isEmpty())
                showMessage(m_window, result.error);
            // A list emptied or another test clicked while the server erased: the screen is the
            // user's new work and stays.
            if (request != m_rowRequest)
                return;
            m_searchPanel->setErasesTests(false);
            m_screen.clearScreen();
        });
}

// "Export to CSV...": the list holds only what its entries show; the export reads every column of
// the same search again.
void DatabaseController::exportListedTests() {
    if (!m_listedSearch.active) {
        emit listedTestsRead({});
        return;
    }
    const ListedSearch search = m_listedSearch;
    m_queue->run(
        search.databasePath,
        [search] {
            return searchStoredTests(search.databasePath, search.field, search.storedValue);
        },
        [this](const SearchResult &listed) {
            if (!listed.error.isEmpty()) {
                reportProblem(listed.error);
                return;
            }
            emit listedTestsRead(listed);
        });
}

bool DatabaseController::hasUnsavedWork() const {
    const QStringList screen = workOf(m_screen.testOnScreen());
    const bool empty =
        std::all_of(screen.cbegin(), screen.cend(), [](const QString &t) { return t.isEmpty(); });
    return !empty && screen != m_savedWork;
}

void DatabaseController::forgetTest() {
    m_loadSettle->stop();
    m_pendingSave.reset();
    m_savedWork.clear();
    m_searchPanel->setShowsTestPicture(false);
}

std::optional<int> DatabaseController::stepsToSave(const TestSteps &steps, bool hrOnly) {
    const StepCheck check = checkStepsForSaving(steps, hrOnly);
    if (check.refusal) {
        m_screen.focusStep(check.refusedStep, check.refusedField);
        showMessage(m_window, *check.refusal);
        return std::nullopt;
    }
    for (const StepCheck::Question &question : check.questions) {
        m_screen.focusStep(question.step, question.field);
        if (!askYesDefaultNo(m_window, question.text))
            return std::nullopt;
    }
    return check.heldSteps;
}

bool DatabaseController::saveWork() {
    if (m_saveInFlight)
        return false;
    if (m_database.selectedDatabaseName.isEmpty()) {
        showMessage(m_window, QCoreApplication::translate("Database", DatabaseNotSelectedMessage));
        return false;
    }
    const TestToSave typed = m_screen.testOnScreen();
    if (const std::optional<int> missing = firstMissingIdentityField(typed)) {
        m_screen.focusIdentity(*missing);
        showMessage(m_window, QCoreApplication::translate("Database", IdDataMissingMessage));
        return false;
    }
    // Typed steps are written whole or not at all: nothing happens until the user has answered.
    const std::optional<int> heldSteps = stepsToSave(typed.steps, typed.hrOnly);
    if (!heldSteps)
        return false;
    // Values beyond what a horse can show are most likely slips: one question names them all.
    const QStringList implausible =
        implausibleFields(typed.steps, unitOfDiscipline(typed.discipline), typed.age, typed.maxHr);
    if (!implausible.isEmpty() &&
        !askYesDefaultNo(m_window, implausibleValuesQuestion(implausible)))
        return false;
    emit saveStarting();
    m_fileList->hide();
    TestToSave test = m_screen.testOnScreen();
    test.stepCount = *heldSteps;
    const StoredRow row = buildRow(test, m_clock());
    m_savingWork = workOf(test);
    // The same test again goes under the key (and the moment) it was sent with before; a
    // changed test is a new save.
    if (!m_pendingSave || !sameTestApartFromMoment(m_pendingSave->row, row))
        m_pendingSave = PendingSave{QUuid::createUuid(), row, false};
    const PendingSave save = *m_pendingSave;
    // One save at a time: the test stays on screen, and a second "Save work" is ignored, until
    // the database has taken it or said why not.
    m_saveInFlight = true;
    const QString path = m_database.databasePath;
    m_queue->run(
        path, [path, save] { return saveTest(path, save.row, save.key); },
        [this, save](const SaveResult &result) { finishSave(save.row, result); });
    return true;
}

void DatabaseController::finishSave(const StoredRow &row, const SaveResult &result) {
    m_saveInFlight = false;
    SaveOutcome outcome = result.outcome;
    const bool samePending = m_pendingSave && m_pendingSave->row == row;
    // An earlier save of this test that may have been stored is not undone by a failure now.
    if (outcome == SaveOutcome::NotSaved && samePending && m_pendingSave->mayBeStored)
        outcome = SaveOutcome::Unknown;
    if (outcome != SaveOutcome::Saved) {
        // The test stays on screen to be saved again; a close that waited for this save is off.
        m_closeWhenAnswered = false;
        if (outcome == SaveOutcome::Unknown) {
            if (samePending)
                m_pendingSave->mayBeStored = true;
            showMessage(m_window,
                        tr("It is not known whether the test was saved. It stays on screen, "
                           "and \"Save work\" stores it only once. %1")
                            .arg(result.message));
        } else {
            showMessage(m_window, tr("The test was not saved: %1").arg(result.message));
        }
        emit saveEnded();
        return;
    }
    if (samePending)
        m_pendingSave.reset();
    m_savedWork = m_savingWork;
    emit testSaved(row.moment);
    showSavedStatus(row.name, row.moment);
    if (m_fileList->mode() == FileListMode::Databases)
        databaseFileDoubleClicked();
    m_fileList->refreshFiles();
    emit saveEnded();
    clearSearch();
    m_screen.setComments(kNoComments);
    listCriterionValues();
}

void DatabaseController::showSavedStatus(const QString &name, const QString &moment) {
    const QString where = isServerAddress(m_database.databasePath)
                              ? shownDatabaseName(m_database)
                              : QDir::toNativeSeparators(m_database.databasePath);
    m_statusBar->showMessage(tr("Test saved in %1 (%2, %3)").arg(where, name, moment));
}

bool DatabaseController::busy() const {
    return m_queue->isBusy();
}

void DatabaseController::workStarted(const QString &databasePath) {
    m_waitingText = tr("Waiting for the database server of %1…").arg(shownServerName(databasePath));
    m_statusBar->showMessage(m_waitingText);
}

void DatabaseController::answerArriving() {
    if (m_statusBar->currentMessage() == m_waitingText)
        m_statusBar->clearMessage();
}

void DatabaseController::workAnswered() {
    // What the answer put in the status bar (a saved test, say) stays; only the waiting goes.
    if (m_statusBar->currentMessage() == m_waitingText)
        m_statusBar->clearMessage();
    if (m_closeWhenAnswered) {
        m_closeWhenAnswered = false;
        emit readyToClose();
    }
}

} // namespace kavren
