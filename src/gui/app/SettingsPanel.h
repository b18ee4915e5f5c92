#pragma once

#include <QWidget>

class QGridLayout;
class QGroupBox;
class QVBoxLayout;

// PictureSettings, the Settings tab. Its options have no handlers of their own: each belongs to
// the part of Postling that reads it, and MainForm places them here in their frames.
class SettingsPanel : public QWidget {
    Q_OBJECT
public:
    explicit SettingsPanel(QWidget* parent = nullptr);

    // Frames stand one under the other in the order they are added.
    void addFrame(QWidget* frame);
    // The "Options" frame: a control on a row of its own, or after a label.
    QGroupBox* optionsFrame() const { return options_; }
    void addOption(QWidget* control, const QString& label = {});

private:
    QGroupBox* options_;
    QGridLayout* optionsLayout_;
    QVBoxLayout* frames_;
    int rows_ = 0;
};
