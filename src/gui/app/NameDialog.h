#pragma once

#include <QDialog>
#include <functional>

class QLineEdit;
class QPushButton;

// A small dialog that asks for a name (a new folder, a new address book): OK is enabled while
// the box holds a character, and the dialog stays open with the name when `create` refuses it.
class NameDialog : public QDialog {
    Q_OBJECT
public:
    NameDialog(const QString& objectName, const QString& caption, const QString& label,
               std::function<bool(const QString&)> create, QWidget* parent = nullptr);

    QLineEdit* nameBox() const { return name_; }
    QPushButton* okButton() const { return ok_; }

private:
    std::function<bool(const QString&)> create_;
    QLineEdit* name_;
    QPushButton* ok_;
};
