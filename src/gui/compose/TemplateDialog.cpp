#include "TemplateDialog.h"

#include "Dialogs.h"
#include "QtText.h"

#include "compose/Template.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>
#include <QVBoxLayout>

namespace {

const char* kSaveQuestion =
    QT_TRANSLATE_NOOP("TemplateDialog", "Do you want to save your changes to this email template?");

QFont courier() {
    QFont font("Courier New");
    font.setStyleHint(QFont::TypeWriter);
    return font;
}

} // namespace

TemplateDialog::TemplateDialog(const QString& mainDir, const QStringList& names, int selected,
                               QWidget* parent)
    : QDialog(parent), Combo1(new QComboBox), Command1(new QPushButton(tr("New"))),
      Text1(new QLineEdit), Text2(new QPlainTextEdit),
      Command4(new QPushButton(tr("Insert to Form >>"))),
      Command3(new QPushButton(tr("Capture from Form <<"))), OKButton(new QPushButton(tr("&Save"))),
      CancelButton(new QPushButton(tr("&Close"))), Command2(new QPushButton(tr("&Help"))),
      mainDir_(mainDir),
      waiting_(new QLabel(tr("Waiting for the compose form to load\u2026 Close this window to "
                             "stop waiting."))) {
    setObjectName("DialogTemplate");
    setWindowTitle(tr("Email Template"));
    const std::pair<QWidget*, const char*> named[] = {
        {Combo1, "Combo1"},     {Command1, "Command1"},         {Text1, "Text1"},
        {Text2, "Text2"},       {Command4, "Command4"},         {Command3, "Command3"},
        {OKButton, "OKButton"}, {CancelButton, "CancelButton"}, {Command2, "Command2"}};
    for (const auto& [widget, name] : named)
        widget->setObjectName(name);
    Combo1->setEditable(true);
    Combo1->setAccessibleName(tr("Template name"));
    Combo1->lineEdit()->setAccessibleName(Combo1->accessibleName());
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    for (QWidget* w : {static_cast<QWidget*>(Text1), static_cast<QWidget*>(Text2)})
        w->setFont(courier());
    Text2->setLineWrapMode(QPlainTextEdit::NoWrap);

    auto* open = new QGroupBox(tr("Open Template"));
    auto* openRow = new QHBoxLayout(open);
    openRow->addWidget(Combo1, 1);
    openRow->addWidget(Command1);

    // A column ruler over the body shows how long its lines are.
    auto* edit = new QGroupBox(tr("Edit"));
    auto* editGrid = new QGridLayout(edit);
    editGrid->addWidget(new QLabel(tr("Subject:")), 0, 0);
    editGrid->addWidget(Text1, 0, 1);
    editGrid->addWidget(new QLabel(tr("Body:")), 1, 0, Qt::AlignTop);
    auto* ruler = new QVBoxLayout;
    ruler->setSpacing(0);
    for (const char* text :
         {"0         1         2         3         4         5         6",
          "012345678901234567890123456789012345678901234567890123456789012345"}) {
        auto* label = new QLabel(text);
        label->setFont(courier());
        ruler->addWidget(label);
    }
    ruler->addWidget(Text2, 1);
    editGrid->addLayout(ruler, 1, 1);
    editGrid->setRowStretch(1, 1);

    auto* form = new QGroupBox(tr("Capture From or Insert to Compose Form"));
    auto* formLayout = new QVBoxLayout(form);
    auto* formRow = new QHBoxLayout;
    formRow->addWidget(Command4);
    formRow->addWidget(Command3);
    formLayout->addLayout(formRow);
    formLayout->addWidget(waiting_);
    waiting_->setObjectName("LabelWaiting");
    waiting_->hide();

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* b : {OKButton, CancelButton, Command2}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(open);
    layout->addWidget(edit, 1);
    layout->addWidget(form);
    layout->addLayout(buttons);
    // Wide enough for the ruler's 66 columns.
    resize(QFontMetrics(courier()).horizontalAdvance(QString(72, 'x')) + 120, 520);

    Combo1->addItems(names);
    Combo1->setCurrentIndex(-1);
    connect(Combo1, &QComboBox::activated, this, &TemplateDialog::loadEntry);
    connect(Text1, &QLineEdit::textChanged, this, [this] { changed_ = true; });
    connect(Text2, &QPlainTextEdit::textChanged, this, [this] { changed_ = true; });
    connect(Command1, &QPushButton::clicked, this, &TemplateDialog::newTemplate);
    connect(Command4, &QPushButton::clicked, this, &TemplateDialog::insertToForm);
    connect(Command3, &QPushButton::clicked, this, &TemplateDialog::captureFromForm);
    connect(OKButton, &QPushButton::clicked, this, &TemplateDialog::save);
    connect(CancelButton, &QPushButton::clicked, this, &TemplateDialog::reject);
    connect(Command2, &QPushButton::clicked, this, &TemplateDialog::helpRequested);
    if (selected >= 0 && selected < names.size())
        loadEntry(selected);
}

QString TemplateDialog::body() const {
    return Text2->toPlainText().replace("\n", "\r\n"); // as typed: one CR LF a line break
}

bool TemplateDialog::loadEntry(int index) {
    if (index < 0 || index >= Combo1->count())
        return false;
    Combo1->setCurrentIndex(index);
    const QString name = Combo1->itemText(index);
    const auto bytes = postling::readTemplateFile(str(mainDir_), str(name));
    if (!bytes) {
        Dialogs::message(this, tr("The email template could not be read from %1.")
                                   .arg(qs(postling::templatePath(str(mainDir_), str(name)))));
        return false;
    }
    const auto text = postling::parseTemplateFile(*bytes);
    if (text)
        Text1->setText(qs(text->subject));
    Text2->setPlainText(text ? qs(text->body).replace("\r\n", "\n") : QString());
    changed_ = false;
    return true;
}

void TemplateDialog::newTemplate() {
    if (changed_) {
        const Dialogs::Answer answer = Dialogs::askYesNoCancel(this, tr(kSaveQuestion));
        if (answer == Dialogs::Answer::Cancel)
            return;
        if (answer == Dialogs::Answer::Yes)
            save();
    }
    const bool hadText = !Text1->text().isEmpty() || !Text2->toPlainText().isEmpty();
    Combo1->setCurrentIndex(-1);
    Combo1->setEditText(QString());
    Text1->clear();
    Text2->clear();
    changed_ = hadText; // emptying a box counts as a change
    Combo1->setFocus();
}

bool TemplateDialog::save() {
    const QString typed = Combo1->currentText();
    switch (postling::templateRefusal(str(typed), str(Text1->text()), str(body()))) {
    case postling::TemplateRefusal::NoName:
        Dialogs::message(this, tr("You must give the email template a name."));
        Combo1->setFocus();
        return false;
    case postling::TemplateRefusal::NoSubject:
        Dialogs::message(this, tr("You must specify a subject."));
        Text1->setFocus();
        return false;
    case postling::TemplateRefusal::NoBody:
        Dialogs::message(this, tr("You must enter some body text."));
        Text2->setFocus();
        return false;
    case postling::TemplateRefusal::None:
        break;
    }
    const QString name = qs(postling::templateFileName(str(typed)));
    const std::string error =
        postling::writeTemplateFile(str(mainDir_), str(name), str(Text1->text()), str(body()));
    if (!error.empty()) {
        // The dialog stays open with the text as written: nothing is lost.
        Dialogs::message(this, tr("The email template could not be saved.\n%1").arg(qs(error)));
        return false;
    }
    if (Combo1->findText(name, Qt::MatchExactly | Qt::MatchCaseSensitive) < 0) {
        Combo1->addItem(name);
        emit added(name);
    }
    Combo1->setCurrentIndex(Combo1->findText(name, Qt::MatchExactly | Qt::MatchCaseSensitive));
    changed_ = false;
    return true;
}

bool TemplateDialog::askToSave() {
    if (!changed_)
        return true;
    const Dialogs::Answer answer = Dialogs::askYesNoCancel(this, tr(kSaveQuestion));
    if (answer == Dialogs::Answer::Cancel)
        return false;
    if (answer == Dialogs::Answer::Yes)
        save(); // a refused save is said, and the dialog goes all the same
    return true;
}

void TemplateDialog::insertToForm() {
    emit insertRequested(Text1->text(), body());
    if (!askToSave())
        return;
    changed_ = false;
    accept();
}

void TemplateDialog::captureFromForm() {
    emit captureRequested();
}

void TemplateDialog::showCaptured(const QString& subject, const QString& body) {
    Text1->setText(subject);
    Text2->setPlainText(QString(body).replace("\r\n", "\n"));
}

void TemplateDialog::setWaiting(bool waiting) {
    waiting_->setVisible(waiting);
}

void TemplateDialog::reject() {
    if (!askToSave())
        return;
    changed_ = false;
    QDialog::reject();
}
