#pragma once

#include <QDialog>
#include <functional>

class QLineEdit;
class QPushButton;

// DialogNewFolder: asks for a folder name; OK is enabled while the name holds a character.
// The dialog stays open with the name when creating the folder fails.
class NewFolderDialog : public QDialog {
    Q_OBJECT
public:
    // `create` makes the folder and returns false (after telling the user) when it cannot.
    NewFolderDialog(std::function<bool(const QString&)> create, QWidget* parent = nullptr);

    QLineEdit* nameBox() const { return name_; }
    QPushButton* okButton() const { return ok_; }

private:
    std::function<bool(const QString&)> create_;
    QLineEdit* name_;
    QPushButton* ok_;
};
