#pragma once

#include <QWidget>

class QComboBox;

// FormEmail, the "Email Addresses" palette: one list of the book's addresses, kept above the
// main window; choosing one puts it into the To field of the compose form.
class EmailPalette : public QWidget {
    Q_OBJECT
public:
    explicit EmailPalette(QWidget* parent = nullptr);

    // Fills the list with the book's e-mail column, rows 1 to the last (empty cells too).
    void load(const QStringList& addresses);
    // At a view's left edge, 800 twips below its top.
    void placeBelow(const QWidget* view);
    QComboBox* Combo1;

signals:
    void chosen();

private:
    int loading_ = 0;
};
