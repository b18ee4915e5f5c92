#pragma once

#include "PageDocument.h"
#include "WebBrowser.h"
#include "store/SavedMessage.h"

// Submits the sign-in form a view shows (Yahoo! Mail's or Hotmail's) as a demo account; the
// caller waits for the page that follows.
inline void submitSignIn(WebBrowser* view, bool yahoo, const QString& login) {
    const QString form = yahoo ? "login_form" : "hotmail";
    view->document().setFormFields(
        form, {{"login", login}, {"passwd", login}},
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
