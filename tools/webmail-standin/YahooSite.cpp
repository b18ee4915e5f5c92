#include "YahooSite.h"

#include "Pages.h"
#include "Postoffice.h"
#include "SiteLabels.h"

#include <algorithm>
#include <cctype>
#include <ctime>

namespace standin {

namespace {

const char* kFolders[] = {"Inbox", "Sent", "Bulk", "Trash"};

std::string lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

std::string knownFolder(const std::string& box) {
    for (const char* f : kFolders)
        if (lower(box) == lower(f))
            return f;
    return "Inbox";
}

std::string banner(const Account& account) {
    return "<table width=\"100%\" cellpadding=4 cellspacing=0 bgcolor=\"#dcdcf0\"><tr>"
           "<td><font face=\"Arial\" size=\"5\" color=\"#6633cc\"><b>Yahoo! Mail</b></font></td>"
           "<td align=right><font face=\"Arial\" size=2>" +
           escapeHtml(account.address) +
           " &nbsp; <a href=\"/ym/Logout\">Sign Out</a></font></td></tr></table>"
           "<table width=\"100%\" cellpadding=3 cellspacing=0 bgcolor=\"#eeeeee\"><tr><td>"
           "<font face=\"Arial\" size=2><a href=\"/ym/ShowFolder?box=Inbox\">Check Mail</a> | "
           "<a href=\"/ym/Compose\">Compose</a> | "
           "<a href=\"/ym/ShowFolder?box=Sent\">Sent</a> | "
           "<a href=\"/ym/ShowFolder?box=Bulk\">Bulk</a> | "
           "<a href=\"/ym/ShowFolder?box=Trash\">Trash</a></font></td></tr></table>\n";
}

std::string page(const std::string& title, const Account& account, const std::string& content) {
    return htmlDocument(title, "<body bgcolor=\"#ffffff\" link=\"#0000cc\">\n" + banner(account) +
                                   content + "\n</body>");
}

} // namespace

Reply YahooSite::handle(const Request& r) {
    if (r.path == "/" && r.method == "GET")
        return loginPage();
    if (r.path == "/config/login" && r.method == "POST")
        return login(r);
    if (r.path == "/ym/Logout") {
        store_.closeSession(r.cookie("Y"));
        Reply reply = Reply::redirect("/");
        reply.headers.emplace_back("Set-Cookie", "Y=; Path=/; Max-Age=0");
        return reply;
    }

    const bool known = r.path == "/ym/login" || r.path == "/ym/ShowFolder" ||
                       r.path == "/ym/ShowLetter" || lower(r.path) == "/ym/compose" ||
                       r.path == "/ym/Send";
    if (!known)
        return Reply::notFound();

    const auto accountId = store_.sessionAccount(r.cookie("Y"));
    const auto account = accountId ? store_.accountById(*accountId) : std::nullopt;
    if (!account)
        return Reply::redirect("/");

    if (r.path == "/ym/login")
        return landing(*account);
    if (r.path == "/ym/ShowFolder")
        return r.method == "POST" ? folderAction(*account, r) : showFolder(*account, r);
    if (r.path == "/ym/ShowLetter")
        return showLetter(*account, r);
    if (r.path == "/ym/Send" && r.method == "POST")
        return send(*account, r);
    if (lower(r.path) == "/ym/compose")
        return compose(*account, r);
    return Reply::error(405, "This page cannot be reached that way.");
}

Reply YahooSite::loginPage(const std::string& error) {
    const std::string message = error.empty()
                                    ? std::string()
                                    : "<p><font color=\"#cc0000\" face=\"Arial\" size=2>" +
                                          escapeHtml(error) + "</font></p>";
    return Reply::page(htmlDocument(
        "Yahoo! Mail - Sign In",
        "<body bgcolor=\"#ffffff\"><center>"
        "<font face=\"Arial\" size=\"6\" color=\"#6633cc\"><b>Yahoo! Mail</b></font>"
        "<p><font face=\"Arial\" size=2>Sign in to Yahoo! Mail</font></p>" +
            message +
            "<form name=\"login_form\" method=\"post\" action=\"/config/login\">"
            "<table bgcolor=\"#eeeeff\" cellpadding=6><tr><td><font face=\"Arial\" "
            "size=2>Yahoo! ID:</font></td><td><input type=\"text\" name=\"login\" "
            "size=17></td></tr>"
            "<tr><td><font face=\"Arial\" size=2>Password:</font></td><td><input "
            "type=\"password\" name=\"passwd\" size=17></td></tr>"
            "<tr><td></td><td><input type=\"submit\" name=\".save\" value=\"Sign In\"></td></tr>"
            "</table></form></center></body>"));
}

Reply YahooSite::login(const Request& r) {
    if (!r.form.has("login") || !r.form.has("passwd"))
        return Reply::error(400, "The sign-in form is missing a field.");
    const auto account = store_.accountByLogin(Site::Yahoo, r.form.value("login"));
    if (!account || account->password != r.form.value("passwd"))
        return loginPage("Invalid ID or password. Please try again.");
    const std::string token = store_.openSession(account->id);
    Reply reply = Reply::redirect("/ym/login?.rand=" + std::to_string(std::time(nullptr) % 100000));
    reply.headers.emplace_back("Set-Cookie", "Y=" + token + "; Path=/; HttpOnly");
    return reply;
}

Reply YahooSite::landing(const Account& account) {
    const auto inbox = store_.folder(account.id, "Inbox");
    const auto unread = std::count_if(inbox.begin(), inbox.end(), [](auto& m) { return m.unread; });
    return Reply::page(page(
        "Yahoo! Mail - " + account.login, account,
        "<table cellpadding=10><tr><td><font face=\"Arial\" size=3>Welcome, <b>" +
            escapeHtml(account.name) +
            "</b></font><p><font face=\"Arial\" size=2>You have <a "
            "href=\"/ym/ShowFolder?box=Inbox\">" +
            std::to_string(unread) +
            " unread messages</a> in your Inbox.</font></p>"
            "<p><font face=\"Arial\" size=2><a href=\"/ym/Compose\">Write a message</a></font></p>"
            "</td></tr></table>"));
}

Reply YahooSite::showFolder(const Account& account, const Request& r) {
    const std::string box = knownFolder(r.query.value("box"));
    const auto messages = store_.folder(account.id, box);
    std::string rows;
    rows.reserve(messages.size() * 400);
    for (const auto& m : messages) {
        const std::string id = std::to_string(m.id);
        const std::string open = m.unread ? "<b>" : "";
        const std::string close = m.unread ? "</b>" : "";
        rows += "<tr class=\"";
        rows += m.unread ? "msgnew" : "msgold";
        rows += "\"><td><input type=\"checkbox\" name=\"Mid\" value=\"" + id + "\"></td><td>" +
                open + escapeHtml(senderName(m.from)) + close + "</td><td>" + open +
                "<a href=\"/ym/ShowLetter?MsgId=" + id + "&amp;box=" + box + "\">" +
                escapeHtml(m.subject.empty() ? "(no subject)" : m.subject) + "</a>" + close +
                "</td><td>" + open + escapeHtml(listDate(m.date)) + close + "</td><td>" + open +
                sizeText(m.size) + close + "</td></tr>\n";
    }
    std::string moveTargets;
    for (const char* f : kFolders)
        if (box != f)
            moveTargets += std::string("<option value=\"") + f + "\">" + f + "</option>";

    const std::string content =
        "<p><font face=\"Arial\" size=3><b>" + box + "</b> (" + std::to_string(messages.size()) +
        " messages)</font></p>\n"
        "<form name=\"messageList\" method=\"post\" action=\"/ym/ShowFolder?box=" +
        box + "\">\n<input type=\"hidden\" name=\"box\" value=\"" + box +
        "\">\n<table cellpadding=2><tr><td><input type=\"submit\" name=\"DEL\" value=\"Delete\">"
        " <select name=\"destBox\">" +
        moveTargets +
        "</select> <input type=\"submit\" name=\"MOV\" value=\"Move\"></td></tr></table>\n"
        "<table class=\"msglist\" width=\"100%\" cellspacing=0 cellpadding=3 border=0>\n"
        "<tr class=\"hdr\" bgcolor=\"#dcdcf0\"><th></th><th align=left>Sender</th>"
        "<th align=left>Subject</th><th align=left>Date</th><th align=left>Size</th></tr>\n" +
        rows + "</table>\n</form>";
    return Reply::page(page("Yahoo! Mail - " + box, account, content));
}

Reply YahooSite::folderAction(const Account& account, const Request& r) {
    const std::string box = knownFolder(r.query.value("box"));
    std::string target;
    if (r.form.has("DEL"))
        target = "Trash";
    else if (r.form.has("MOV"))
        target = knownFolder(r.form.value("destBox"));
    if (!target.empty()) {
        for (const auto& mid : r.form.all("Mid")) {
            std::int64_t id = 0;
            if (parseId(mid, id))
                store_.moveMessage(account.id, id, target);
        }
    }
    return Reply::redirect("/ym/ShowFolder?box=" + box);
}

Reply YahooSite::showLetter(const Account& account, const Request& r) {
    std::int64_t id = 0;
    if (!parseId(r.query.value("MsgId"), id))
        return Reply::error(400, "The message id is missing or malformed.");
    const auto m = store_.message(account.id, id);
    if (!m)
        return Reply::error(404, "This message no longer exists.");
    store_.markRead(account.id, id);

    const HeaderLabels& label = headerLabels(Site::Yahoo, account.lang);
    auto line = [](const std::string& name, const std::string& value) {
        return "<tr><td valign=top nowrap><font face=\"Arial\" size=2><b>" + escapeHtml(name) +
               "</b></font></td><td><font face=\"Arial\" size=2>" + value + "</font></td></tr>\n";
    };
    const auto lt = m->from.find('<');
    const std::string returnPath = !m->replyTo.empty()       ? "<" + m->replyTo + ">"
                                   : lt == std::string::npos ? "<" + m->from + ">"
                                                             : m->from.substr(lt);
    const std::string headers =
        "<table class=\"msghdr\" cellpadding=2 cellspacing=0 border=0>\n" +
        line(label.from, escapeHtml(m->from) + " | <a href=\"/ym/Compose?To=" + urlEncode(m->from) +
                             "\">Add to Address Book</a>") +
        line(label.to, escapeHtml(m->to)) + line(label.replyTo, escapeHtml(returnPath)) +
        line(label.subject, escapeHtml(m->subject)) + line(label.date, escapeHtml(m->date)) +
        "</table>\n";
    const std::string body = m->html ? m->body : plainToHtml(m->body);
    const std::string reSubject = "Re: " + m->subject;
    const std::string actions =
        "<table width=\"100%\" bgcolor=\"#eeeeee\" cellpadding=3><tr><td><font face=\"Arial\" "
        "size=2><a href=\"/ym/Compose?To=" +
        urlEncode(m->from) + "&amp;Subj=" + urlEncode(reSubject) +
        "\">Reply</a> | <a href=\"/ym/ShowFolder?box=" + knownFolder(m->folder) +
        "\">Back to Messages</a></font></td></tr></table>\n";
    return Reply::page(page("Yahoo! Mail - " + m->subject, account,
                            actions + headers + "<hr size=1>\n<div id=\"message\">" + body +
                                "</div>\n<hr size=1>" + actions));
}

// The compose page in its two modes, as the site offered them: plain text with the "Body" field,
// or the rich-text editor ("plainmsg"), whose HTML the page copies into "PlainMsg" on sending.
Reply YahooSite::compose(const Account& account, const Request& r) {
    const bool rich = r.query.value("rich") == "1";
    const std::string editor =
        rich ? "<div id=\"plainmsg\" contenteditable=\"true\" style=\"width:40em;height:16em;"
               "border:1px solid #999;overflow:auto\"></div>"
               "<input type=\"hidden\" name=\"PlainMsg\" value=\"\">"
             : "<textarea name=\"Body\" rows=18 cols=72 wrap=\"soft\"></textarea>";
    const std::string switchLink =
        rich ? "<a href=\"/ym/Compose\">Switch to Plain Text</a>"
             : "<a href=\"/ym/Compose?rich=1\">Switch to Color and Graphics</a>";
    const std::string content =
        "<form name=\"Compose\" method=\"post\" action=\"/ym/Send?YY=" +
        std::to_string(std::time(nullptr) % 100000) + "\"" +
        (rich ? " onsubmit=\"this.PlainMsg.value=document.getElementById('plainmsg').innerHTML\""
              : "") +
        ">\n<input type=\"hidden\" name=\"box\" value=\"Inbox\">\n"
        "<table cellpadding=3><tr><td><font face=\"Arial\" size=2><b>To:</b></font></td>"
        "<td><input type=\"text\" name=\"To\" size=60 value=\"" +
        escapeHtml(r.query.value("To")) +
        "\"></td></tr>\n<tr><td><font face=\"Arial\" size=2><b>Cc:</b></font></td>"
        "<td><input type=\"text\" name=\"Cc\" size=60 value=\"\"></td></tr>\n"
        "<tr><td><font face=\"Arial\" size=2><b>Bcc:</b></font></td>"
        "<td><input type=\"text\" name=\"Bcc\" size=60 value=\"\"></td></tr>\n"
        "<tr><td><font face=\"Arial\" size=2><b>Subject:</b></font></td>"
        "<td><input type=\"text\" name=\"Subj\" size=60 value=\"" +
        escapeHtml(r.query.value("Subj")) + "\"></td></tr>\n<tr><td></td><td>" + editor +
        "<br><font face=\"Arial\" size=1>" + switchLink +
        "</font></td></tr>\n"
        "<tr><td></td><td><input type=\"submit\" name=\"SEND\" value=\"Send\"> "
        "<input type=\"submit\" name=\"CAN\" value=\"Cancel\"></td></tr></table>\n</form>";
    return Reply::page(page("Yahoo! Mail - Compose", account, content));
}

Reply YahooSite::send(const Account& account, const Request& r) {
    if (r.form.has("CAN"))
        return Reply::redirect("/ym/ShowFolder?box=Inbox");
    const bool rich = !r.form.has("Body") && r.form.has("PlainMsg");
    if (!r.form.has("To") || !r.form.has("Subj") || (!r.form.has("Body") && !rich))
        return Reply::error(400, "The compose form is missing a field.");
    Outgoing mail{r.form.value("To"),
                  r.form.value("Cc"),
                  r.form.value("Bcc"),
                  r.form.value("Subj"),
                  r.form.value(rich ? "PlainMsg" : "Body"),
                  rich};
    if (splitAddresses(mail.to).empty())
        return Reply::error(400, "Please specify at least one recipient in the To field.");
    deliver(store_, account, mail);
    return Reply::page(page("Yahoo! Mail - Message Sent", account,
                            "<table cellpadding=10><tr><td><font face=\"Arial\" size=4><b>Message "
                            "Sent</b></font><p><font face=\"Arial\" size=2>Your message was sent "
                            "to " +
                                escapeHtml(mail.to) +
                                ".</font></p><p><font face=\"Arial\" size=2><a "
                                "href=\"/ym/ShowFolder?box=Inbox\">Back to Inbox</a></font></p>"
                                "</td></tr></table>"));
}

} // namespace standin
