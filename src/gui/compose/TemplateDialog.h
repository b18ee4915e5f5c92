#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// DialogTemplate, "Email Template": opens, edits and saves the templates of the main directory,
// hands one to the compose form ("Insert to Form >>") and takes the form's subject and body
// ("Capture from Form <<"). Unsaved changes are asked about before they could be lost.
class TemplateDialog : public QDialog {
    Q_OBJECT
public:
    // `names` are the templates listed; `selected` (or -1) is opened at once.
    TemplateDialog(const QString& mainDir, const QStringList& names, int selected,
                   QWidget* parent = nullptr);

    QComboBox* Combo1;         // the template's name
    QPushButton* Command1;     // "New"
    QLineEdit* Text1;          // subject
    QPlainTextEdit* Text2;     // body
    QPushButton* Command4;     // "Insert to Form >>"
    QPushButton* Command3;     // "Capture from Form <<"
    QPushButton* OKButton;     // "&Save"
    QPushButton* CancelButton; // "&Close"
    QPushButton* Command2;     // "&Help"

    bool changed() const { return changed_; }
    // Loads entry `index` of the name list, as choosing it does; false when it cannot be read.
    bool loadEntry(int index);
    // "Insert to Form >>", "Capture from Form <<", "&Save" and "New".
    void insertToForm();
    void captureFromForm();
    bool save();
    void newTemplate();
    // The compose form's subject and body, once the capture has read them.
    void showCaptured(const QString& subject, const QString& body);
    // The main window waits for the compose form (its "Please wait..." is behind this dialog).
    void setWaiting(bool waiting);

signals:
    void insertRequested(const QString& subject, const QString& body);
    void captureRequested();
    // A template was saved under a name the lists do not hold yet.
    void added(const QString& name);
    void helpRequested();

public slots:
    // "&Close", Esc and the window's close button: unsaved changes are asked about first.
    void reject() override;

private:
    // Asks whether to save; false when the user cancels.
    bool askToSave();
    QString body() const;

    QString mainDir_;
    QLabel* waiting_;
    bool changed_ = false;
};
