#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <functional>

class QDialog;
class QUrl;
class QWidget;

// Every modal box and dialog of Postling goes through here, so a test can answer them in
// advance and never block on one.
class Dialogs {
    Q_DECLARE_TR_FUNCTIONS(Dialogs)
public:
    static constexpr const char* kAppName = QT_TR_NOOP("Postling");

    // Runs a dialog modally and returns its result (QDialog::Accepted or Rejected).
    static int exec(QDialog& dialog);
    // A plain box with an OK button and "Postling" as its title.
    static void message(QWidget* parent, const QString& text);
    enum class Answer { Yes, No, Cancel };
    // A Yes/No question; true for Yes. `byDefault` is the button Enter presses.
    static bool question(QWidget* parent, const QString& text, Answer byDefault = Answer::Yes);
    // A Yes/No/Cancel question.
    static Answer askYesNoCancel(QWidget* parent, const QString& text);
    // A web page's alert, confirm and prompt, shown as boxes of their own under the page's
    // origin; true for OK. A prompt's answer goes to `answer`.
    enum class PageBox { Alert, Confirm, Prompt };
    static bool pageBox(QWidget* parent, PageBox kind, const QString& origin, const QString& text,
                        const QString& defaultAnswer = {}, QString* answer = nullptr);
    // A link for the desktop's own browser.
    static void openExternally(const QUrl& url);
    // A file-open dialog; empty when cancelled.
    static QString openFile(QWidget* parent, const QString& caption, const QString& dir,
                            const QString& filter);

    // The program is being stopped: the modal dialog on screen is dismissed and no further
    // one waits for the user.
    static void setTerminating();
    static bool terminating();

    // For tests: answers every dialog, box and file dialog instead of showing it.
    struct Answers {
        std::function<int(QDialog&)> dialog;                 // default: Rejected
        std::function<bool(const QString& text)> question;   // default: Enter
        std::function<Answer(const QString& text)> threeWay; // default: Yes
        // A page's confirm and prompt: OK (true) by default, the prompt's default answer.
        std::function<bool(const QString& text)> pageBox;
        // A file dialog's caption and starting folder; default: cancelled.
        std::function<QString(const QString& caption, const QString& dir)> openFile;
    };
    static void answerWith(Answers answers);
    static void showForReal();
    static bool answering();
    static QStringList messagesShown(); // texts of boxes since answerWith, links opened outside
    static void clearMessages();
};
