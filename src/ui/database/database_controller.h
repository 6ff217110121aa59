// The database feature's flows: choosing, creating and erasing database files, "Save work" with
// its checks and the save whose outcome is not known, listing the values of a search criterion,
// finding tests page by page, loading or erasing a listed test, the listed tests for the CSV
// export, and the wait for a database server. It owns the search frame, the frame "Create
// Database" and the queue of database work; what it needs of the test on screen it asks as values,
// and a loaded test goes out as values.
#pragma once

#include "domain/exercise/clock.h"
#include "io/database/database_file.h"
#include "io/database/database_location.h"
#include "io/database/loading.h"
#include "io/database/saving.h"
#include "io/database/search.h"

#include <QObject>
#include <QRect>
#include <QStringList>
#include <QUuid>

#include <functional>
#include <memory>
#include <optional>

class QLabel;
class QStatusBar;
class QTimer;
class QWidget;

namespace kavren {

class CreateDatabasePanel;
class DatabaseQueue;
class FileListPanel;
class ResultListModel;
class SearchPanel;

// A test read from the database, to be put on screen.
struct ShownTest {
    LoadedTest test;
    bool takeComments = true; // an erase that selected nothing loads the test without them
    bool frozen = false;      // "Freeze curve" was ticked: the curve slot and background stay
    // With "Background" ticked: the test's own picture as background (its path, empty when the
    // stored name is no plain file name).
    std::optional<QString> testPicture;
};

class DatabaseController : public QObject {
    Q_OBJECT
public:
    // What the controller asks of, or tells, the rest of the window.
    struct Screen {
        // The test on screen as the save reads it (stepCount left at 0).
        std::function<TestToSave()> testOnScreen;
        // The focus to an identity field (0 = name, breed, age, 3 = sex) or a step field (1…6)
        // that needs correcting.
        std::function<void(int identityField)> focusIdentity;
        std::function<void(int step, StepField field)> focusStep;
        // Empties the test on screen and the comparison table; "Clear screen".
        std::function<void()> clearAll;
        std::function<void()> clearScreen;
        std::function<void(const QString &)> setComments;
    };
    struct Parts {
        QWidget *window = nullptr; // parent of the message boxes
        QWidget *area = nullptr;   // where the frames are placed
        QRect searchGeometry;      // SSFrame2
        QRect createGeometry;      // Frame5
        FileListPanel *fileList = nullptr;
        QStatusBar *statusBar = nullptr;
        CurrentDatabase *database = nullptr;
        QString programFolder;
        Clock clock;
    };
    DatabaseController(const Parts &parts, Screen screen, QObject *parent);
    ~DatabaseController() override;

    // The data folder: the databases' default place and the preferences file's.
    // "Freeze curve" of the search frame: ticked, the curves on the graph are kept for comparison.
    bool freezeChecked() const;
    // Takes the tick off without a click (the keeping of curves is ended by the caller).
    void uncheckFreeze();
    QString searchField() const { return m_searchField; }
    // "Database" > "Create": the frame "Create Database", which comes to the front when shown.
    void openCreatePanel();
    // The frame "Create Database" comes to the front through this filter whenever it is shown.
    void raiseWhenShown(QObject *raiser);

    // The database line of the settings file becomes the current database.
    void useSettingsLine(const QString &line);
    // After start-up the search goes by name until another criterion is chosen.
    void searchByName();
    // The status bar names the current database: its file name, or "host/dbname" of a server.
    void showCurrentDatabase();

    bool saveWork();
    bool hasUnsavedWork() const;
    void listCriterionValues();
    void searchTests();
    void resultClicked(int listIndex);
    // Loads a stored test by its row, as a click in the result list does (never erasing it).
    void openStoredTest(qint64 rowId);
    // The queue that every database operation of the window goes through.
    DatabaseQueue &queue() { return *m_queue; }
    // "Database" > "List", "Create" (the frame's button) and "Export to CSV...".
    void showDatabaseList();
    void createDatabase();
    void exportListedTests();
    // The result list and any search or clicked test still awaited go.
    void clearResults();
    // "Clear screen": the value list and the result list go; the ticks stay.
    void clearSearch();
    // The test on screen was emptied: a loaded test's wait, a pending save and the saved work go.
    void forgetTest();

    void setLoadSettleTime(int milliseconds) { m_loadSettleMs = milliseconds; }
    int loadSettleTime() const { return m_loadSettleMs; }
    bool loadSettling() const;
    // True while work on a database server is under way.
    bool busy() const;
    // The window closes once the server has answered, unless a save failed meanwhile.
    void closeWhenAnswered() { m_closeWhenAnswered = true; }
    // The window is asked to close: true when it may close now. A test still on its way to a
    // server is not given up (the window closes once the server has answered, through
    // readyToClose); unsaved work is asked about unless askAboutUnsaved is false (the system asked
    // the program to end), and "Save" closes only once the test is stored.
    bool mayClose(bool askAboutUnsaved);

signals:
    // "Freeze curve" was clicked.
    void freezeClicked();
    // A listed test was clicked (to be loaded or erased): its stable, trainer, maximum heart rate
    // and discipline are taken at once.
    void listedTestOpened(const kavren::TestRow &row);
    // A loaded test to put on screen; its calculation waits for loadSettled.
    void testLoaded(const kavren::ShownTest &shown);
    // The window has settled after a load: the test calculates. frozen: "Freeze curve" as it was
    // when the test was loaded.
    void loadSettled(bool frozen);
    // A search begins: the test on screen is no imported recording any more.
    void searchStarted();
    // "Save work" passed its checks; the screen is made ready to be saved.
    void saveStarting();
    // The database took the test at this moment (Datum).
    void testSaved(const QString &moment);
    // The database answered a save, whatever the outcome.
    void saveEnded();
    // The listed tests with every column, for the CSV export (none when nothing is listed).
    void listedTestsRead(const kavren::SearchResult &listed);
    // The last server answer came after closeWhenAnswered, and nothing keeps the window open.
    void readyToClose();

private:
    void databaseFileClicked();
    void databaseFileDoubleClicked();
    void eraseListedFile();
    void criterionChosen(int option);
    void finishCreate(const CreateResult &result);
    void useCreatedDatabase(const QString &path);
    void reportProblem(const QString &problem);
    void showCriterionValues(const ValuesResult &result);
    void continueSearch(int generation);
    void showListedRow(const LoadedRow &loaded, bool mayErase = true);
    void loadTest(const TestRow &row, bool takeComments);
    void finishLoad();
    void eraseSelectedTests(const TestRow &clicked);
    std::optional<int> stepsToSave(const TestSteps &steps, bool hrOnly);
    void finishSave(const StoredRow &row, const SaveResult &result);
    void showSavedStatus(const QString &name, const QString &moment);
    void workStarted(const QString &databasePath);
    void answerArriving();
    void workAnswered();

    QWidget *m_window;
    FileListPanel *m_fileList;
    QStatusBar *m_statusBar;
    CurrentDatabase &m_database;
    QString m_programFolder;
    Clock m_clock;
    Screen m_screen;
    SearchPanel *m_searchPanel = nullptr;         // SSFrame2
    CreateDatabasePanel *m_createPanel = nullptr; // Frame5
    ResultListModel *m_results = nullptr;         // the tests of the last search, by list entry
    DatabaseQueue *m_queue = nullptr;
    QLabel *m_databaseLabel = nullptr; // CurrentDatabaseLabel in the status bar
    QTimer *m_loadSettle = nullptr;    // the wait of a loaded test before its calculation

    QString m_searchField;
    bool m_searchEnabled = false; // set by Database > List
    QString m_reportedProblem;    // the database problem last shown
    // The search whose tests the result list shows, for the CSV export.
    struct ListedSearch {
        QString databasePath;
        QString field;
        QByteArray storedValue;
        bool active = false;
    } m_listedSearch;
    // The search whose pages are still being read into the result list, if any.
    std::unique_ptr<PagedTestSearch> m_search;
    int m_searchGeneration = 0;
    // Requests whose answer is still awaited from a server; a newer request, or emptying the
    // screen, makes an older answer stale, and a stale answer is dropped.
    int m_valuesRequest = 0;
    int m_rowRequest = 0;
    bool m_closeWhenAnswered = false;
    bool m_saveInFlight = false; // a save awaits the server's answer
    QStringList m_savedWork;     // the screen as last saved or loaded
    QStringList m_savingWork;    // the screen as the save on its way took it
    QString m_waitingText;       // the status bar's text while the server has not answered
    // The test on screen as last sent to be saved, under the key that the server keeps with it,
    // until it is known to be saved: "Save work" of the same test sends it again under the same
    // key, so that a save whose outcome was unknown is never stored twice.
    struct PendingSave {
        QUuid key;
        StoredRow row;
        bool mayBeStored = false; // a save of it ended with an unknown outcome
    };
    std::optional<PendingSave> m_pendingSave;
    // Tests read in one turn of the event loop: a few milliseconds of reading.
    static constexpr int SearchPageRows = 4000;
    int m_loadSettleMs = 600;
    bool m_loadSettleFrozen = false; // "Freeze curve" as it was when the test was loaded
};

} // namespace kavren
