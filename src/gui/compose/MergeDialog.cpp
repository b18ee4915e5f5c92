#include "MergeDialog.h"

#include "Announce.h"
#include "Dialogs.h"

#include "app/Twips.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

QLabel* wrapped(const QString& text) {
    auto* label = new QLabel(text);
    label->setWordWrap(true);
    return label;
}

} // namespace

MergeDialog::MergeDialog(QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::WindowStaysOnTopHint),
      Option2(new QRadioButton(tr("All addresses in your address book"))),
      Option1(new QRadioButton(tr("Only the selected addresses"))),
      FrameTest(new QGroupBox(tr("Test"))), CommandTest(new QPushButton(tr("Test"))),
      CommandUndoTest(new QPushButton(tr("Stop Test"))), TextSent(new QPlainTextEdit),
      CommandHide(new QPushButton(tr("Hide Log"))), CommandStart(new QPushButton(tr("Start"))),
      CommandStop(new QPushButton(tr("Stop"))), Command1(new QPushButton(tr("Show Log"))),
      LabelNumSent(new QLabel(tr("Emails Sent: %n", nullptr, 0))),
      CancelButton(new QPushButton(tr("Close"))), Command5(new QPushButton(tr("Help"))),
      CommandPreview(new QPushButton(tr("Preview..."))), SpinPause(new QSpinBox),
      LabelStatus(new QLabel) {
    setObjectName("DialogMerge");
    setWindowTitle(tr("Mail Merge"));
    setModal(false);
    const std::pair<QWidget*, const char*> named[] = {{Option2, "Option2"},
                                                      {Option1, "Option1"},
                                                      {FrameTest, "FrameTest"},
                                                      {CommandTest, "CommandTest"},
                                                      {CommandUndoTest, "CommandUndoTest"},
                                                      {TextSent, "TextSent"},
                                                      {CommandHide, "CommandHide"},
                                                      {CommandStart, "CommandStart"},
                                                      {CommandStop, "CommandStop"},
                                                      {Command1, "Command1"},
                                                      {LabelNumSent, "LabelNumSent"},
                                                      {CancelButton, "CancelButton"},
                                                      {Command5, "Command5"},
                                                      {CommandPreview, "CommandPreview"},
                                                      {SpinPause, "SpinPause"},
                                                      {LabelStatus, "LabelStatus"}};
    for (const auto& [widget, name] : named)
        widget->setObjectName(name);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(wrapped(tr("Mail Merge lets you send personalized email to a list of "
                                 "people. You must enter the body of your email message into the "
                                 "Compose form. You can use \"Merge  Fields\" to insert "
                                 "personalized information such as names from your address "
                                 "book.")));
    layout->addWidget(wrapped(tr("For detailed instructions on how to use this feature, please  "
                                 "click the Help button.")));

    auto* settings = new QGroupBox(tr("Merge Settings"));
    auto* settingsLayout = new QVBoxLayout(settings);
    settingsLayout->addWidget(new QLabel(tr("Send Mail To:")));
    settingsLayout->addWidget(Option2);
    settingsLayout->addWidget(Option1);
    Option2->setChecked(true);
    auto* pause = new QHBoxLayout;
    pause->addWidget(new QLabel(tr("Pause between messages:")));
    SpinPause->setRange(0, 600);
    SpinPause->setValue(2);
    //: Seconds, after the pause's number.
    SpinPause->setSuffix(tr(" s"));
    pause->addWidget(SpinPause);
    pause->addStretch();
    settingsLayout->addLayout(pause);
    settingsLayout->addWidget(CommandPreview, 0, Qt::AlignLeft);
    layout->addWidget(settings);

    auto* test = new QVBoxLayout(FrameTest);
    test->addWidget(wrapped(tr("The test feature will create one email based on the first "
                               "address in your list and will display it in the Compose form. "
                               "The email will not be sent. After checking the test email to "
                               "make sure it is correct, click the Stop Test button go return to "
                               "your original email template.")));
    auto* testButtons = new QHBoxLayout;
    testButtons->addWidget(CommandTest);
    testButtons->addWidget(CommandUndoTest);
    test->addLayout(testButtons);
    test->addWidget(TextSent, 1);
    test->addWidget(CommandHide, 0, Qt::AlignRight);
    TextSent->setReadOnly(true);
    TextSent->setMinimumHeight(90);
    layout->addWidget(FrameTest, 1);

    auto* start = new QGroupBox(tr("Start Merge: Press Start to begin sending"));
    auto* startLayout = new QVBoxLayout(start);
    auto* startButtons = new QHBoxLayout;
    startButtons->addWidget(CommandStart);
    startButtons->addWidget(CommandStop);
    startButtons->addWidget(Command1);
    startLayout->addLayout(startButtons);
    startLayout->addWidget(LabelNumSent);
    LabelStatus->setWordWrap(true);
    startLayout->addWidget(LabelStatus);
    layout->addWidget(start);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(CancelButton);
    buttons->addWidget(Command5);
    layout->addLayout(buttons);

    for (QPushButton* b : findChildren<QPushButton*>())
        b->setAutoDefault(false);
    hideLog();
    setState(State::Idle);
    connect(Command1, &QPushButton::clicked, this, &MergeDialog::showLog);
    connect(CommandHide, &QPushButton::clicked, this, &MergeDialog::hideLog);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::close);
}

void MergeDialog::setState(State state) {
    CommandTest->setEnabled(state == State::Idle);
    CommandStart->setEnabled(state == State::Idle);
    CommandUndoTest->setEnabled(state == State::Testing);
    CommandStop->setEnabled(state == State::Running);
    CommandPreview->setEnabled(state == State::Idle);
    Option1->setEnabled(state == State::Idle);
    Option2->setEnabled(state == State::Idle);
    if (state == State::Idle)
        setStatus({});
}

void MergeDialog::reset() {
    // A count of 0 beside the last run's addresses would read as if they had not been sent.
    setState(State::Idle);
    LabelNumSent->setText(tr("Emails Sent: %n", nullptr, 0));
    refused_.clear();
    clearLog();
    hideLog();
}

void MergeDialog::countSent(int sent, const QString& address) {
    LabelNumSent->setText(tr("Emails Sent: %n", nullptr, sent));
    announce(LabelNumSent);
    showLog();
    TextSent->setPlainText(
        TextSent->toPlainText().isEmpty() ? address : TextSent->toPlainText() + "\n" + address);
}

void MergeDialog::countRefused(int row, const QString& address, const QString& reason) {
    refused_ << tr("row %1, %2: %3").arg(QString::number(row), address, reason);
    setStatus(tr("Not sent to %1: %2").arg(address, reason));
}

void MergeDialog::reportRefused(int sent) {
    if (!refused_.isEmpty())
        Dialogs::message(this, tr("%n sent. The site did not send these:\n%1\nStart again to "
                                  "send just them once they are put right.",
                                  nullptr, sent)
                                   .arg(refused_.join("\n")));
    refused_.clear();
}

void MergeDialog::clearLog() {
    TextSent->clear();
}

void MergeDialog::showLog() {
    TextSent->show();
    CommandHide->show();
    FrameTest->setTitle(tr("Emails have been sent to:"));
    if (height() < sizeHint().height())
        resize(width(), sizeHint().height()); // room for the log under the test text
}

void MergeDialog::hideLog() {
    TextSent->hide();
    CommandHide->hide();
    FrameTest->setTitle(TextSent->toPlainText().isEmpty() ? tr("Test") : QString());
}

void MergeDialog::setStatus(const QString& text) {
    LabelStatus->setText(text);
    LabelStatus->setVisible(!text.isEmpty());
    if (!text.isEmpty())
        announce(LabelStatus);
}

void MergeDialog::place() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    const double dpi = screen ? screen->logicalDotsPerInch() : 96.0;
    resize(std::max(postling::twipsToPixels(3585, dpi), sizeHint().width()),
           std::max(postling::twipsToPixels(7920, dpi), sizeHint().height()));
    move(area.left(), area.top() + postling::twipsToPixels(400, dpi));
}

void MergeDialog::closeEvent(QCloseEvent* event) {
    emit closing();
    QDialog::closeEvent(event);
}
