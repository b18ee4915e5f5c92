#pragma once

#include <QObject>
#include <QPointer>

namespace postling {
struct Settings;
}
class QAction;
class QComboBox;
class QPushButton;
class Shell;
class TemplateDialog;

// The templates of the main window: the "Compose" frame's list with "Use Temp&late >>" and
// "&New/Edit...", the default template of the Settings tab, and the "Email Template" dialog.
// What goes into or comes out of the compose form is asked for by signal.
class TemplateCommands : public QObject {
    Q_OBJECT
public:
    explicit TemplateCommands(Shell& shell, QObject* parent = nullptr);

    QComboBox* list() const { return ComboTemplate; }
    QComboBox* defaultList() const { return ComboTemplate2; }
    QPushButton* useButton() const { return Command4; }
    QPushButton* editButton() const { return CommandTemplate; }
    QAction* editAction() const { return editttemplate_; }

    // Start-up lists the folder and preselects "deftemp"; shutdown keeps the default.
    void loadTemplates(const postling::Settings& settings);
    void saveSettings(postling::Settings& settings) const;

    // "&New/Edit...": the dialog. "Use Temp&late >>": the chosen template into the form, the
    // dialog unseen.
    void CommandTemplate_Click();
    void Command4_Click();
    // The compose form's subject and body, read for the dialog.
    void showCaptured(const QString& subject, const QString& body);
    void showWaiting(bool waiting);
    bool dialogOpen() const { return !dialog_.isNull(); }

signals:
    void insertRequested(const QString& subject, const QString& body);
    void captureRequested();
    void dialogOpening();
    void dialogClosed();

private:
    std::unique_ptr<TemplateDialog> makeDialog();

    Shell& shell_;
    QComboBox* ComboTemplate;
    QComboBox* ComboTemplate2;
    QPushButton* Command4;        // "Use Temp&late >>"
    QPushButton* CommandTemplate; // "&New/Edit..."
    QAction* editttemplate_;
    bool insert_template = false;
    QPointer<TemplateDialog> dialog_;
};
