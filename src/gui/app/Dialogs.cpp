#include "Dialogs.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QEventLoop>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <optional>

namespace {

std::optional<Dialogs::Answers>& answers() {
    static std::optional<Dialogs::Answers> a;
    return a;
}

QStringList& shown() {
    static QStringList texts;
    return texts;
}

bool g_terminating = false;

} // namespace

void Dialogs::setTerminating() {
    g_terminating = true;
    if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
        dialog->reject();
}

bool Dialogs::terminating() {
    return g_terminating;
}

void Dialogs::answerWith(Answers a) {
    answers() = std::move(a);
    shown().clear();
}

void Dialogs::showForReal() {
    answers().reset();
}

bool Dialogs::answering() {
    return answers().has_value();
}

QStringList Dialogs::messagesShown() {
    return shown();
}

void Dialogs::clearMessages() {
    shown().clear();
}

int Dialogs::exec(QDialog& dialog) {
    if (g_terminating)
        return QDialog::Rejected;
    if (!answers()) {
        // QDialog::exec() would wait forever for a dialog dismissed while it was being shown
        // (a signal arriving at start-up): finish only on the dialog's own end.
        QEventLoop loop;
        QObject::connect(&dialog, &QDialog::finished, &loop, &QEventLoop::quit);
        dialog.setWindowModality(Qt::ApplicationModal);
        dialog.setResult(QDialog::Rejected);
        dialog.show();
        if (g_terminating)
            dialog.reject();
        if (dialog.isVisible())
            loop.exec(QEventLoop::DialogExec);
        return dialog.result();
    }
    const int result = answers()->dialog ? answers()->dialog(dialog) : QDialog::Rejected;
    dialog.done(result);
    return result;
}

void Dialogs::message(QWidget* parent, const QString& text) {
    if (answers()) {
        shown() << text;
        return;
    }
    QMessageBox::information(parent, tr(kAppName), text, QMessageBox::Ok);
}

bool Dialogs::question(QWidget* parent, const QString& text, Answer byDefault) {
    if (answers()) {
        shown() << text;
        return answers()->question ? answers()->question(text) : byDefault == Answer::Yes;
    }
    return QMessageBox::question(parent, tr(kAppName), text, QMessageBox::Yes | QMessageBox::No,
                                 byDefault == Answer::Yes ? QMessageBox::Yes : QMessageBox::No) ==
           QMessageBox::Yes;
}

Dialogs::Answer Dialogs::askYesNoCancel(QWidget* parent, const QString& text) {
    if (answers()) {
        shown() << text;
        return answers()->threeWay ? answers()->threeWay(text) : Answer::Yes;
    }
    switch (QMessageBox::question(parent, tr(kAppName), text,
                                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

bool Dialogs::pageBox(QWidget* parent, PageBox kind, const QString& origin, const QString& text,
                      const QString& defaultAnswer, QString* answer) {
    if (answer)
        *answer = defaultAnswer;
    if (answers()) {
        shown() << text;
        return kind == PageBox::Alert || !answers()->pageBox || answers()->pageBox(text);
    }
    const QString title = origin.isEmpty() ? tr(kAppName) : origin;
    switch (kind) {
    case PageBox::Alert:
        QMessageBox::information(parent, title, text, QMessageBox::Ok);
        return true;
    case PageBox::Confirm:
        return QMessageBox::question(parent, title, text, QMessageBox::Ok | QMessageBox::Cancel,
                                     QMessageBox::Cancel) == QMessageBox::Ok;
    case PageBox::Prompt: {
        bool ok = false;
        const QString typed =
            QInputDialog::getText(parent, title, text, QLineEdit::Normal, defaultAnswer, &ok);
        if (ok && answer)
            *answer = typed;
        return ok;
    }
    }
    return false;
}

void Dialogs::openExternally(const QUrl& url) {
    if (answers()) {
        shown() << "open " + url.toString();
        return;
    }
    QDesktopServices::openUrl(url);
}

QString Dialogs::openFile(QWidget* parent, const QString& caption, const QString& dir,
                          const QString& filter) {
    if (answers())
        return answers()->openFile ? answers()->openFile(caption, dir) : QString();
    return QFileDialog::getOpenFileName(parent, caption, dir, filter);
}
