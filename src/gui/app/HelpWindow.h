#pragma once

#include <QWidget>

class QTextBrowser;

// Postling's help viewer: "webmail.hlp" in the main directory (or its translation, see
// postling::helpFile) is an HTML document with one
// anchor per topic number. The secondary window "proc1" is a smaller window of its own.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    HelpWindow(const QString& name, QWidget* parent = nullptr);

    void setHelpFile(const QString& path) { helpFile_ = path; }
    // topic 0 is the contents.
    void showTopic(int topic);
    QString currentAnchor() const { return anchor_; }
    QTextBrowser* browser() const { return browser_; }

private:
    QTextBrowser* browser_;
    QString helpFile_;
    QString anchor_;
};
