#include "TemplateCommands.h"

#include "Dialogs.h"
#include "NamedAction.h"
#include "QtText.h"
#include "Shell.h"
#include "TemplateDialog.h"

#include "app/Settings.h"
#include "compose/Template.h"
#include "fs/Directory.h"
#include "store/MessageList.h"

#include <QComboBox>
#include <QPushButton>
#include <QScreen>

TemplateCommands::TemplateCommands(Shell& shell, QObject* parent)
    : QObject(parent), shell_(shell), ComboTemplate(new QComboBox), ComboTemplate2(new QComboBox),
      Command4(new QPushButton(tr("Use Temp&late >>"))),
      CommandTemplate(new QPushButton(tr("&New/Edit..."))),
      editttemplate_(namedAction(this, "editttemplate", tr("&Insert/Edit Email Template..."),
                                 &TemplateCommands::CommandTemplate_Click)) {
    ComboTemplate->setObjectName("ComboTemplate");
    ComboTemplate->setMinimumContentsLength(12);
    ComboTemplate2->setObjectName("ComboTemplate2");
    Command4->setObjectName("Command4");
    CommandTemplate->setObjectName("CommandTemplate");
    connect(Command4, &QPushButton::clicked, this, &TemplateCommands::Command4_Click);
    connect(CommandTemplate, &QPushButton::clicked, this, &TemplateCommands::CommandTemplate_Click);
}

void TemplateCommands::loadTemplates(const postling::Settings& settings) {
    const std::string mainDir = str(shell_.main_dir());
    postling::makeDirectory(mainDir + "templates");
    const std::vector<std::string> names = postling::templateNames(mainDir);
    for (QComboBox* list : {ComboTemplate, ComboTemplate2}) {
        list->clear();
        for (const std::string& name : names)
            list->addItem(qs(name));
        list->setCurrentIndex(postling::indexIgnoringCase(names, settings.deftemp));
    }
}

void TemplateCommands::saveSettings(postling::Settings& settings) const {
    settings.deftemp = str(ComboTemplate2->currentText());
}

std::unique_ptr<TemplateDialog> TemplateCommands::makeDialog() {
    QStringList names;
    for (int i = 0; i < ComboTemplate->count(); ++i)
        if (!ComboTemplate->itemText(i).isEmpty())
            names << ComboTemplate->itemText(i);
    auto dialog = std::make_unique<TemplateDialog>(shell_.main_dir(), names, -1, shell_.window());
    connect(dialog.get(), &TemplateDialog::insertRequested, this,
            &TemplateCommands::insertRequested);
    connect(dialog.get(), &TemplateDialog::captureRequested, this,
            &TemplateCommands::captureRequested);
    connect(dialog.get(), &TemplateDialog::helpRequested, this,
            [this] { shell_.ShowHelp(5001, true); });
    connect(dialog.get(), &TemplateDialog::added, this, [this](const QString& name) {
        ComboTemplate->addItem(name);
        ComboTemplate2->addItem(name);
    });
    return dialog;
}

void TemplateCommands::CommandTemplate_Click() {
    insert_template = false;
    emit dialogOpening();
    auto dialog = makeDialog();
    dialog_ = dialog.get();
    dialog->loadEntry(ComboTemplate->currentIndex());
    // At the left edge of the screen, beside the compose form it works on.
    if (const QScreen* screen = shell_.window()->screen())
        dialog->move(screen->availableGeometry().left(), dialog->y());
    Dialogs::exec(*dialog);
    dialog.reset();
    emit dialogClosed();
}

void TemplateCommands::Command4_Click() {
    if (ComboTemplate->currentIndex() < 0) {
        Dialogs::message(shell_.window(), tr("You must select a template."));
        return;
    }
    // The dialog does the work unseen: it loads the template and inserts it.
    insert_template = true;
    auto dialog = makeDialog();
    if (dialog->loadEntry(ComboTemplate->currentIndex()))
        dialog->insertToForm();
}

void TemplateCommands::showCaptured(const QString& subject, const QString& body) {
    if (dialog_)
        dialog_->showCaptured(subject, body);
}

void TemplateCommands::showWaiting(bool waiting) {
    if (dialog_)
        dialog_->setWaiting(waiting);
}
