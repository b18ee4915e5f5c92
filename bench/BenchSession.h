#pragma once

#include "PageDocument.h"
#include "WebBrowser.h"
#include "store/SavedMessage.h"

// Submits the sign-in form a view shows (Yahoo! Mail's or Hotmail's) as a demo account; the
// caller waits for the page that follows.
inline void submitSignIn(WebBrowser* view, bool yahoo, const QString& login) {
    const QString form = yahoo ? "login_form" : "hotmail";
    view->document().call(
        "setFormFields", {form, QVariantMap{{"login", login}, {"passwd", login}}},
        [view, form](const QVariantMap&) { view->document().submitForm(form, {}, nullptr); });
}

// A message from Bob to Ann as a user would have saved it.
inline postling::SavedMessage lunchMessage() {
    postling::SavedMessage m;
    m.from = "Bob Marsh <bob@hotmail.localhost>";
    m.subject = "Lunch";
    m.date = "Tue, 3 Dec 2002 10:15:00 +0000";
    m.to = "ann@yahoo.localhost";
    m.body = "Are we still on for lunch on Friday? The Thai place opens at noon.";
    return m;
}

#include "BenchTiming.h"
#include "MainForm.h"
#include "Shell.h"

// A page call answered before the next step (a benchmark's own moves only).
inline QVariantMap pageCall(WebBrowser* view, const QString& function, const QVariantList& args) {
    QVariantMap out{{"error", "timeout"}};
    bool done = false;
    view->document().call(function, args, [&](const QVariantMap& r) {
        out = r;
        done = true;
    });
    waitFor([&] { return done; }, 10000);
    return out;
}

// Signs in on the Roundcube the inbox view shows and waits for its message list (which may be
// empty).
inline bool signInToRoundcube(MainForm& form, const QString& user) {
    WebBrowser* view = form.shell().WebBrowser1();
    waitFor(
        [&] {
            return !view->Busy() &&
                   !pageCall(view, "formFields", {"login-form", QStringList{"_user"}})
                        .contains("error");
        },
        20000);
    pageCall(view, "setFormFields", {"login-form", QVariantMap{{"_user", user}, {"_pass", user}}});
    pageCall(view, "submitForm", {"login-form", QString()});
    return waitFor(
        [&] {
            return !view->Busy() && view->LocationURL().contains("_task=mail") &&
                   !pageCall(view, "sites.roundcube.inboxRows", {}).contains("error");
        },
        30000);
}
