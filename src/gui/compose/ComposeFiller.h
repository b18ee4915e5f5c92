#pragma once

#include "compose/ReplyText.h"
#include "sites/Site.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <optional>

class QTimer;
#include <QVariantMap>
class Shell;
class WaitOverlay;
class WebBrowser;

// Fills the compose form for a reply, forward, send again, mailto or template (ReplyOrForward's
// codes). It first waits for the form: every page load of the target view and a 250 ms timer
// look again, "Please wait..." shows from the second look, and "Cancel" is honoured before each.
class ComposeFiller : public QObject {
    Q_OBJECT
public:
    struct Fill {
        int code = 0;
        QPointer<WebBrowser> target;
        const postling::Site* site = nullptr; // the target page's profile
        postling::ComposeFill text;
        int attempts = 0;
    };

    explicit ComposeFiller(Shell& shell, QObject* parent = nullptr);

    // PictureWait: MainForm places it over the views.
    WaitOverlay* waitOverlay() const { return PictureWait; }

    void start(Fill fill);
    // A field of a site's compose form (by its name there) as the person knows it.
    static QString fieldLabel(const postling::ComposeFields& fields, const QString& name);
    // What "Cancel" does: the waiting fill ends at its next look, or with the look under way
    // even if that one finds the form. With no fill waiting it does nothing.
    void cancel() { user_clicked_cancel = fill_.has_value(); }
    bool waiting() const { return fill_.has_value(); }
    // The key "bug" of the settings: where a fill stopped.
    void writeBug(const char* marker) const;

signals:
    // Code 11: the form's subject and body, read for a template.
    void formRead(const QString& subject, const QString& body);
    // "Please wait..." shows or goes (a dialog in front of it may want to say so too).
    void waitingChanged(bool waiting);

private:
    bool endIfCancelled();
    void showWaiting(bool waiting);
    void attemptFill();
    void fillComposeForm(const QVariantMap& current);

    Shell& shell_;
    WaitOverlay* PictureWait;
    QTimer* timer_;
    QElapsedTimer started_; // the fill gives up after the "fillwait" seconds
    int limitSeconds_ = 60;
    bool user_clicked_cancel = false;
    std::optional<Fill> fill_;
};
