// Messages of the program: a modal message box whose text is the program's own fixed text.
// Every box of the program goes through here, so that tests can answer them without a screen.
#pragma once

#include <QMessageBox>
#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

namespace kavren {

// A message whose text holds a database server's own words after ServerWordsMarker shows the
// program's words and keeps the server's in the box's details.
void showMessage(QWidget *parent, const QString &text);
// A question with the buttons Yes and No and the critical icon; true for Yes.
bool askYesNo(QWidget *parent, const QString &title, const QString &text);
// A failure with a title of its own and the warning icon.
void showWarning(QWidget *parent, const QString &title, const QString &text);
// A question with the buttons Yes and No whose default is No (Return and Escape answer No); true
// for Yes.
bool askYesDefaultNo(QWidget *parent, const QString &text);

// The question before the window closes with work that is not saved: the buttons "Save work",
// "Discard" and "Cancel" (answered in tests as Save, Discard and Cancel; Escape cancels).
enum class UnsavedWorkAnswer { SaveWork, Discard, Cancel };
UnsavedWorkAnswer askAboutUnsavedWork(QWidget *parent, const QString &text);

// Answers the boxes in tests instead of showing them. Once answering is on, a box takes the
// next queued answer, or without one the answer of closing it with Escape (Ok for a message,
// No for a question), and the text of every box is kept in the order shown.
class MessageAnswers {
public:
    static void answerWithoutShowing(bool on);
    static bool isAnswering();
    // Queued answers are taken one per box, first queued first taken.
    static void setNextAnswer(QMessageBox::StandardButton answer);
    static int queuedAnswers();
    static void dropQueuedAnswers();
    static QStringList shownTexts();
    // The details of each box, in the same order (empty for a box without details).
    static QStringList shownDetails();
    // Runs observer as each box is answered, to see the window as the box finds it.
    static void whenShown(std::function<void()> observer);
    // Forgets the queued answers, the texts shown and the observer.
    static void clear();
};

} // namespace kavren
