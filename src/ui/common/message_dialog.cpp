// The program's message boxes, and the answers that replace them in tests.
#include "ui/common/message_dialog.h"

#include "io/database/server_session.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QList>

namespace kavren {

namespace {

struct Answering {
    bool on = false;
    QList<QMessageBox::StandardButton> queue;
    QStringList texts;
    QStringList details;
    std::function<void()> onShown;
};

Answering &answering() {
    static Answering state;
    return state;
}

// The answer a box gets without a choice: its only button, or No of a question.
QMessageBox::StandardButton escapeAnswer(QMessageBox::StandardButtons buttons) {
    if (buttons.testFlag(QMessageBox::No))
        return QMessageBox::No;
    if (buttons.testFlag(QMessageBox::Cancel))
        return QMessageBox::Cancel;
    return QMessageBox::Ok;
}

// Captions that replace a standard button's own.
struct ButtonCaption {
    QMessageBox::StandardButton button;
    QString caption;
};

QMessageBox::StandardButton ask(QWidget *parent, QMessageBox::Icon icon, const QString &title,
                                const QString &text, QMessageBox::StandardButtons buttons,
                                QMessageBox::StandardButton defaultButton = QMessageBox::NoButton,
                                const QList<ButtonCaption> &captions = {}) {
    // A server's own text (a statement, a line number) goes to the details, out of the way.
    const qsizetype marker = text.indexOf(ServerWordsMarker);
    const QString shown = marker < 0 ? text : text.left(marker);
    const QString details = marker < 0 ? QString() : text.mid(marker + ServerWordsMarker.size());
    Answering &state = answering();
    if (state.on) {
        state.texts << shown;
        state.details << details;
        if (state.onShown)
            state.onShown();
        return state.queue.isEmpty() ? escapeAnswer(buttons) : state.queue.takeFirst();
    }
    QMessageBox box(parent);
    box.setIcon(icon);
    box.setWindowTitle(title);
    box.setText(shown);
    if (!details.isEmpty())
        box.setDetailedText(details);
    box.setStandardButtons(buttons);
    for (const ButtonCaption &caption : captions)
        if (QAbstractButton *button = box.button(caption.button))
            button->setText(caption.caption);
    if (defaultButton != QMessageBox::NoButton) {
        box.setDefaultButton(defaultButton);
        box.setEscapeButton(escapeAnswer(buttons));
    }
    box.exec();
    return box.standardButton(box.clickedButton());
}

} // namespace

void showMessage(QWidget *parent, const QString &text) {
    ask(parent, QMessageBox::NoIcon, QCoreApplication::applicationName(), text, QMessageBox::Ok);
}

bool askYesNo(QWidget *parent, const QString &title, const QString &text) {
    return ask(parent, QMessageBox::Critical, title, text, QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

void showWarning(QWidget *parent, const QString &title, const QString &text) {
    ask(parent, QMessageBox::Warning, title, text, QMessageBox::Ok);
}

bool askYesDefaultNo(QWidget *parent, const QString &text) {
    return ask(parent, QMessageBox::Question, QCoreApplication::applicationName(), text,
               QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

UnsavedWorkAnswer askAboutUnsavedWork(QWidget *parent, const QString &text) {
    const QList<ButtonCaption> captions = {
        {QMessageBox::Save, QCoreApplication::translate("kavren", "Save work")},
        {QMessageBox::Discard, QCoreApplication::translate("kavren", "Discard")},
        {QMessageBox::Cancel, QCoreApplication::translate("kavren", "Cancel")}};
    switch (ask(parent, QMessageBox::Question, QCoreApplication::applicationName(), text,
                QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save,
                captions)) {
    case QMessageBox::Save:
        return UnsavedWorkAnswer::SaveWork;
    case QMessageBox::Discard:
        return UnsavedWorkAnswer::Discard;
    default:
        return UnsavedWorkAnswer::Cancel;
    }
}

void MessageAnswers::answerWithoutShowing(bool on) {
    answering().on = on;
}

bool MessageAnswers::isAnswering() {
    return answering().on;
}

void MessageAnswers::setNextAnswer(QMessageBox::StandardButton answer) {
    answering().queue << answer;
}

int MessageAnswers::queuedAnswers() {
    return int(answering().queue.size());
}

void MessageAnswers::dropQueuedAnswers() {
    answering().queue.clear();
}

QStringList MessageAnswers::shownTexts() {
    return answering().texts;
}

QStringList MessageAnswers::shownDetails() {
    return answering().details;
}

void MessageAnswers::whenShown(std::function<void()> observer) {
    answering().onShown = std::move(observer);
}

void MessageAnswers::clear() {
    answering().onShown = nullptr;
    answering().queue.clear();
    answering().texts.clear();
    answering().details.clear();
}

} // namespace kavren
