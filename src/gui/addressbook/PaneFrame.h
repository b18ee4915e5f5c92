#pragma once

#include "app/PaneLayout.h"

#include <QWidget>

namespace postling {
class AddressBook;
}
class AddressPane;
class QFrame;
class QPushButton;

// The left side of the window: the address book pane (TabStrip1), the narrow strip that stands
// in for it while it is hidden (CommandShowAddress, CommandTo), and the splitter (imgSplitter,
// with the bar picSplitter drawn while dragging). Widths follow the pane rules in twips.
class PaneFrame : public QWidget {
    Q_OBJECT
public:
    PaneFrame(postling::AddressBook& book, QWidget* window, QWidget* parent = nullptr);

    AddressPane* pane() const { return TabStrip1; }
    QPushButton* paletteButton() const { return CommandTo; }
    const postling::PaneLayout& layout() const { return layout_; }

    // SizeControls(x): the pane as wide as x twips allows.
    void SizeControls(double x);
    void hidePane();
    void showPane();
    void toggleExpandPane();

signals:
    // Hidden, shown, expanded or contracted.
    void paneChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    double windowWidthTwips() const;
    void setPaneWidth(double twips);

    QWidget* window_;
    postling::PaneLayout layout_;
    AddressPane* TabStrip1;
    QWidget* strip_;
    QPushButton* CommandTo;
    QPushButton* CommandShowAddress;
    QFrame* imgSplitter;
    QFrame* picSplitter;
};
