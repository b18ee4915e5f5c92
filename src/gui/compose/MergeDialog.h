#pragma once

#include <QDialog>

class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

// DialogMerge, "Mail Merge": who the merge goes to, Test and Stop Test, Start and Stop, the log of
// addresses sent to, and what Postling adds: a preview of every message, a pause between
// messages, and a line saying what the run waits for. It shows the state; MailMerge runs it.
class MergeDialog : public QDialog {
    Q_OBJECT
public:
    explicit MergeDialog(QWidget* parent = nullptr);

    QRadioButton* Option2; // "All addresses in your address book"
    QRadioButton* Option1; // "Only the selected addresses"
    QGroupBox* FrameTest;
    QPushButton* CommandTest;
    QPushButton* CommandUndoTest;
    QPlainTextEdit* TextSent;
    QPushButton* CommandHide;
    QPushButton* CommandStart;
    QPushButton* CommandStop;
    QPushButton* Command1; // "Show Log"
    QLabel* LabelNumSent;
    QPushButton* CancelButton; // "Close"
    QPushButton* Command5;     // "Help"
    QPushButton* CommandPreview;
    QSpinBox* SpinPause;
    QLabel* LabelStatus;

    // The buttons of each state: idle (Test, Start), running (Stop), testing (Stop Test).
    enum class State { Idle, Running, Testing };
    void setState(State state);
    // As first opened: idle, "Emails Sent: 0", the log empty and hidden.
    void reset();
    // "Emails Sent: n", and the address added to the log, which shows.
    void countSent(int sent, const QString& address);
    void clearLog();
    // A row the site refused, with its reason; at the end of the run, the refused rows named
    // (nothing when there were none), and the list starts afresh.
    void countRefused(int row, const QString& address, const QString& reason);
    void reportRefused(int sent);
    void showLog();
    void hideLog();
    void setStatus(const QString& text);
    // Where the dialog opens: at the screen's left edge, 400 twips down, 3585 by 7920 twips.
    void place();

signals:
    void closing();

private:
    QStringList refused_;

protected:
    void closeEvent(QCloseEvent* event) override;
};
