#include "Dialogs.h"

#include <QDialog>
#include <QFileDialog>
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

} // namespace

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
    if (!answers())
        return dialog.exec();
    const int result = answers()->dialog ? answers()->dialog(dialog) : QDialog::Rejected;
    dialog.done(result);
    return result;
}

void Dialogs::message(QWidget* parent, const QString& text) {
    if (answers()) {
        shown() << text;
        return;
    }
    QMessageBox::information(parent, kAppName, text, QMessageBox::Ok);
}

bool Dialogs::question(QWidget* parent, const QString& text) {
    if (answers()) {
        shown() << text;
        return answers()->question ? answers()->question(text) : true;
    }
    return QMessageBox::question(parent, kAppName, text, QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

QString Dialogs::openFile(QWidget* parent, const QString& caption, const QString& dir,
                          const QString& filter) {
    if (answers())
        return answers()->openFile ? answers()->openFile(caption) : QString();
    return QFileDialog::getOpenFileName(parent, caption, dir, filter);
}
