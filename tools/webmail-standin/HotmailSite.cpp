#include "HotmailSite.h"

#include "Pages.h"
#include "Postoffice.h"
#include "SiteLabels.h"

#include <algorithm>
#include <cctype>

namespace standin {

namespace {

struct Box {
    const char* id;
    const char* name;
};

const Box kBoxes[] = {{"F000000001", "Inbox"},
                      {"F000000002", "Trash Can"},
                      {"F000000003", "Sent Messages"},
                      {"F000000005", "Junk Mail"}};

// The folder names stored for each box, shared with the Yahoo side of the store.
const char* storedFolder(const std::string& boxId) {
    if (boxId == "F000000002")
        return "Trash";
    if (boxId == "F000000003")
        return "Sent";
    if (boxId == "F000000005")
        return "Bulk";
    return "Inbox";
}

std::string boxId(const std::string& requested) {
    for (const auto& b : kBoxes)
        if (requested == b.id)
            return b.id;
    return "F000000001";
}

const char* boxName(const std::string& id) {
    for (const auto& b : kBoxes)
        if (id == b.id)
            return b.name;
    return "Inbox";
}

std::string lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

std::string banner(const Account& account, const std::string& a) {
    return "<table width=\"100%\" cellpadding=4 cellspacing=0 bgcolor=\"#003399\"><tr>"
           "<td><font face=\"Verdana\" size=\"4\" color=\"#ffffff\"><b>MSN Hotmail</b></font></td>"
           "<td align=right><font face=\"Verdana\" size=1 color=\"#ffffff\">" +
           escapeHtml(account.address) + " &nbsp; <a href=\"/cgi-bin/logout?a=" + a +
           "\"><font color=\"#ffffff\">Sign Out</font></a></font></td></tr></table>"
           "<table width=\"100%\" cellpadding=3 cellspacing=0 bgcolor=\"#99ccff\"><tr><td>"
           "<font face=\"Verdana\" size=1><a href=\"/cgi-bin/hmhome?a=" +
           a +
           "\">Home</a> | "
           "<a href=\"/cgi-bin/HoTMail?curmbox=F000000001&amp;a=" +
           a +
           "\">Inbox</a> | "
           "<a href=\"/cgi-bin/compose?curmbox=F000000001&amp;a=" +
           a +
           "\">Compose</a> | "
           "<a href=\"/cgi-bin/HoTMail?curmbox=F000000003&amp;a=" +
           a +
           "\">Sent Messages</a> | "
           "<a href=\"/cgi-bin/HoTMail?curmbox=F000000002&amp;a=" +
           a +
           "\">Trash Can</a>"
           "</font></td></tr></table>\n";
}

std::string page(const std::string& title, const Account& account, const std::string& a,
                 const std::string& content) {
    return htmlDocument(title, "<body bgcolor=\"#ffffff\">\n" + banner(account, a) + content +
                                   "\n</body>");
}

} // namespace

Reply HotmailSite::handle(const Request& r) {
    if (r.path == "/" && r.method == "GET")
        return loginPage();
    if (r.path == "/cgi-bin/dologin" && r.method == "POST")
        return login(r);
    if (r.path == "/cgi-bin/logout") {
        store_.closeSession(r.query.value("a"));
        store_.closeSession(r.cookie("MSPAuth"));
        Reply reply = Reply::redirect("/");
        reply.headers.emplace_back("Set-Cookie", "MSPAuth=; Path=/; Max-Age=0");
        return reply;
    }

    const bool known = r.path == "/cgi-bin/hmhome" || r.path == "/cgi-bin/HoTMail" ||
                       r.path == "/cgi-bin/getmsg" || lower(r.path) == "/cgi-bin/compose" ||
                       r.path == "/cgi-bin/premail";
    if (!known)
        return Reply::notFound();

    std::string token = r.query.value("a");
    auto accountId = store_.sessionAccount(token);
    if (!accountId) {
        token = r.cookie("MSPAuth");
        accountId = store_.sessionAccount(token);
    }
    const auto account = accountId ? store_.accountById(*accountId) : std::nullopt;
    if (!account)
        return Reply::redirect("/");

    if (r.path == "/cgi-bin/hmhome")
        return home(*account, token);
    if (r.path == "/cgi-bin/HoTMail")
        return r.method == "POST" ? inboxAction(*account, token, r) : inbox(*account, token, r);
    if (r.path == "/cgi-bin/getmsg")
        return message(*account, token, r);
    if (r.path == "/cgi-bin/premail" && r.method == "POST")
        return send(*account, token, r);
    if (lower(r.path) == "/cgi-bin/compose")
        return compose(*account, token, r);
    return Reply::error(405, "This page cannot be reached that way.");
}

Reply HotmailSite::loginPage(const std::string& error) {
    const std::string message = error.empty()
                                    ? std::string()
                                    : "<p><font color=\"#cc0000\" face=\"Verdana\" size=2>" +
                                          escapeHtml(error) + "</font></p>";
    return Reply::page(htmlDocument(
        "Welcome to MSN Hotmail",
        "<body bgcolor=\"#ffffff\"><center><table width=\"100%\" bgcolor=\"#003399\"><tr><td>"
        "<font face=\"Verdana\" size=\"5\" color=\"#ffffff\"><b>MSN Hotmail</b></font></td></tr>"
        "</table>" +
            message +
            "<form name=\"hotmail\" method=\"post\" action=\"/cgi-bin/dologin\">"
            "<table cellpadding=6><tr><td><font face=\"Verdana\" size=2>Sign-in name</font></td>"
            "<td><input type=\"text\" name=\"login\" size=16>@hotmail.localhost</td></tr>"
            "<tr><td><font face=\"Verdana\" size=2>Password</font></td><td><input "
            "type=\"password\" name=\"passwd\" size=16></td></tr>"
            "<tr><td></td><td><input type=\"submit\" name=\"enter\" value=\"Sign In\"></td></tr>"
            "</table></form></center></body>"));
}

Reply HotmailSite::login(const Request& r) {
    if (!r.form.has("login") || !r.form.has("passwd"))
        return Reply::error(400, "The sign-in form is missing a field.");
    std::string login = r.form.value("login");
    if (const auto at = login.find('@'); at != std::string::npos)
        login.erase(at);
    const auto account = store_.accountByLogin(Site::Hotmail, login);
    if (!account || account->password != r.form.value("passwd"))
        return loginPage("The sign-in name or password is not correct.");
    const std::string token = store_.openSession(account->id);
    Reply reply = Reply::redirect("/cgi-bin/hmhome?curmbox=F000000001&a=" + token);
    reply.headers.emplace_back("Set-Cookie", "MSPAuth=" + token + "; Path=/; HttpOnly");
    return reply;
}

Reply HotmailSite::home(const Account& account, const std::string& a) {
    const auto inbox = store_.folder(account.id, "Inbox");
    const auto unread = std::count_if(inbox.begin(), inbox.end(), [](auto& m) { return m.unread; });
    return Reply::page(
        page("MSN Hotmail - Home", account, a,
             "<table cellpadding=10><tr><td><font face=\"Verdana\" size=3>Good day, <b>" +
                 escapeHtml(account.name) +
                 "</b></font><p><font face=\"Verdana\" size=2>Inbox: <a "
                 "href=\"/cgi-bin/HoTMail?curmbox=F000000001&amp;a=" +
                 a + "\">" + std::to_string(unread) + " new</a></font></p></td></tr></table>"));
}

Reply HotmailSite::inbox(const Account& account, const std::string& a, const Request& r) {
    const std::string box = boxId(r.query.value("curmbox"));
    const auto messages = store_.folder(account.id, storedFolder(box));
    std::string rows;
    rows.reserve(messages.size() * 400);
    for (const auto& m : messages) {
        const std::string name = "MSG" + std::to_string(m.id);
        rows += "<tr bgcolor=\"";
        rows += m.unread ? "#ffffcc" : "#ffffff";
        rows += "\"><td><input type=\"checkbox\" name=\"" + name + "\"></td><td>";
        if (m.unread)
            rows += "<img src=\"/i/newmail.gif\" width=14 height=11 border=0 alt=\"New\">";
        rows += "</td><td>" + escapeHtml(senderName(m.from)) +
                "</td><td><a href=\"/cgi-bin/getmsg?msg=" + name + "&amp;curmbox=" + box +
                "&amp;a=" + a + "\">" + escapeHtml(m.subject.empty() ? "(no subject)" : m.subject) +
                "</a></td><td>" + escapeHtml(listDate(m.date)) + "</td><td>" + sizeText(m.size) +
                "</td></tr>\n";
    }
    std::string targets;
    for (const auto& b : kBoxes)
        if (box != b.id)
            targets += std::string("<option value=\"") + b.id + "\">" + b.name + "</option>";

    const std::string script =
        "<script language=\"JavaScript\">\nfunction CheckAll() {\n"
        "  var f = document.hotmail;\n  for (var i = 0; i < f.elements.length; i++) {\n"
        "    var e = f.elements[i];\n"
        "    if (e.type == 'checkbox' && e.name != 'allbox') e.checked = f.allbox.checked;\n"
        "  }\n}\n</script>\n";
    const std::string content =
        script + "<p><font face=\"Verdana\" size=3><b>" + boxName(box) + "</b></font></p>\n" +
        "<form name=\"hotmail\" method=\"post\" action=\"/cgi-bin/HoTMail?curmbox=" + box +
        "&amp;a=" + a + "\">\n<div><span><input type=\"hidden\" name=\"curmbox\" value=\"" + box +
        "\"><input type=\"hidden\" name=\"a\" value=\"" + a +
        "\"><input type=\"hidden\" name=\"_HMaction\" value=\"\"></span></div>\n"
        "<table cellpadding=2><tr><td><input type=\"submit\" name=\"DoDelete\" value=\"Delete\">"
        "</td><td><select name=\"tobox\">" +
        targets +
        "</select> <input type=\"submit\" name=\"DoMove\" value=\"Move To\"></td></tr></table>\n"
        "<table class=\"msglist\" width=\"100%\" cellspacing=0 cellpadding=3 border=0>\n"
        "<tr bgcolor=\"#99ccff\"><td><input type=\"checkbox\" name=\"allbox\" "
        "onclick=\"CheckAll()\"></td><td></td><td><font size=2><b>From</b></font></td>"
        "<td><font size=2><b>Subject</b></font></td><td><font size=2><b>Date</b></font></td>"
        "<td><font size=2><b>Size</b></font></td></tr>\n" +
        rows + "</table>\n</form>";
    return Reply::page(page(std::string("MSN Hotmail - ") + boxName(box), account, a, content));
}

Reply HotmailSite::inboxAction(const Account& account, const std::string& a, const Request& r) {
    const std::string box = boxId(r.query.value("curmbox"));
    std::string target;
    if (r.form.has("DoDelete"))
        target = "Trash";
    else if (r.form.has("DoMove"))
        target = storedFolder(boxId(r.form.value("tobox")));
    if (!target.empty()) {
        for (const auto& [name, value] : r.form.fields()) {
            std::int64_t id = 0;
            if (name.rfind("MSG", 0) == 0 && parseId(name.substr(3), id))
                store_.moveMessage(account.id, id, target);
        }
    }
    return Reply::redirect("/cgi-bin/HoTMail?curmbox=" + box + "&a=" + a);
}

Reply HotmailSite::message(const Account& account, const std::string& a, const Request& r) {
    const std::string msg = r.query.value("msg");
    std::int64_t id = 0;
    if (msg.rfind("MSG", 0) != 0 || !parseId(msg.substr(3), id))
        return Reply::error(400, "The message id is missing or malformed.");
    const auto m = store_.message(account.id, id);
    if (!m)
        return Reply::error(404, "This message no longer exists.");
    store_.markRead(account.id, id);

    const HeaderLabels& label = headerLabels(Site::Hotmail, account.lang);
    auto line = [](const std::string& name, const std::string& value) {
        return "<tr><td valign=top nowrap><font face=\"Verdana\" size=2>" + escapeHtml(name) +
               "</font></td><td><font face=\"Verdana\" size=2>" + value + "</font></td></tr>\n";
    };
    const auto lt = m->from.find('<');
    const auto gt = m->from.find('>', lt == std::string::npos ? 0 : lt);
    const std::string sender = lt != std::string::npos && gt != std::string::npos
                                   ? m->from.substr(lt + 1, gt - lt - 1)
                                   : m->from;
    const std::string replyTo = m->replyTo.empty() ? sender : m->replyTo;
    // Hotmail shows a Reply-To line only for mail that asks for replies elsewhere.
    const std::string replyLine =
        m->replyTo.empty() ? std::string() : line(label.replyTo, escapeHtml(m->replyTo));
    const std::string headers = "<table class=\"hdr\" cellpadding=2 cellspacing=0 border=0>\n" +
                                line(label.from, escapeHtml(m->from)) + replyLine +
                                line(label.to, escapeHtml(m->to)) +
                                line(label.subject, escapeHtml(m->subject)) +
                                line(label.date, escapeHtml(m->date)) + "</table>\n";
    const std::string body = m->html ? m->body : "<pre>" + escapeHtml(m->body) + "</pre>";
    const std::string box = boxId(r.query.value("curmbox"));
    const std::string actions =
        "<table width=\"100%\" bgcolor=\"#99ccff\" cellpadding=3><tr><td><font face=\"Verdana\" "
        "size=1><a href=\"/cgi-bin/compose?to=" +
        urlEncode(replyTo) + "&amp;subject=" + urlEncode("Re: " + m->subject) + "&amp;a=" + a +
        "\">Reply</a> | <a href=\"/cgi-bin/HoTMail?curmbox=" + box + "&amp;a=" + a + "\">Back to " +
        boxName(box) + "</a></font></td></tr></table>\n";
    return Reply::page(
        page("MSN Hotmail - " + m->subject, account, a,
             actions + headers + "<hr size=1>\n<div class=\"rmsg\">" + body + "</div>\n"));
}

Reply HotmailSite::compose(const Account& account, const std::string& a, const Request& r) {
    const std::string content =
        "<form name=\"composeform\" method=\"post\" action=\"/cgi-bin/premail?curmbox=F000000001"
        "&amp;a=" +
        a +
        "\">\n<input type=\"hidden\" name=\"curmbox\" value=\"F000000001\">\n"
        "<input type=\"hidden\" name=\"_HMaction\" value=\"Send\">\n"
        "<table cellpadding=3><tr><td align=right><font face=\"Verdana\" size=2>To:</font></td>"
        "<td><input type=\"text\" name=\"to\" size=60 value=\"" +
        escapeHtml(r.query.value("to")) +
        "\"></td></tr>\n<tr><td align=right><font face=\"Verdana\" size=2>Cc:</font></td>"
        "<td><input type=\"text\" name=\"cc\" size=60 value=\"\"></td></tr>\n"
        "<tr><td align=right><font face=\"Verdana\" size=2>Bcc:</font></td>"
        "<td><input type=\"text\" name=\"bcc\" size=60 value=\"\"></td></tr>\n"
        "<tr><td align=right><font face=\"Verdana\" size=2>Subject:</font></td>"
        "<td><input type=\"text\" name=\"subject\" size=60 value=\"" +
        escapeHtml(r.query.value("subject")) +
        "\"></td></tr>\n<tr><td></td><td><textarea name=\"body\" rows=18 cols=72 "
        "wrap=\"soft\"></textarea></td></tr>\n"
        "<tr><td></td><td><input type=\"image\" name=\"Send\" src=\"/i/send.gif\" width=60 "
        "height=20 border=0 alt=\"Send\"> <input type=\"submit\" name=\"Cancel\" "
        "value=\"Cancel\"></td></tr></table>\n</form>";
    return Reply::page(page("MSN Hotmail - Compose", account, a, content));
}

Reply HotmailSite::send(const Account& account, const std::string& a, const Request& r) {
    if (r.form.has("Cancel"))
        return Reply::redirect("/cgi-bin/HoTMail?curmbox=F000000001&a=" + a);
    if (!r.form.has("to") || !r.form.has("subject") || !r.form.has("body"))
        return Reply::error(400, "The compose form is missing a field.");
    Outgoing mail{r.form.value("to"), r.form.value("cc"), r.form.value("bcc"),
                  r.form.value("subject"), r.form.value("body")};
    if (splitAddresses(mail.to).empty())
        return Reply::error(400, "Please enter at least one address in the To box.");
    deliver(store_, account, mail);
    return Reply::page(page("MSN Hotmail - Message Sent", account, a,
                            "<table cellpadding=10><tr><td><font face=\"Verdana\" size=3>Your "
                            "message has been sent to " +
                                escapeHtml(mail.to) +
                                "</font><p><font face=\"Verdana\" size=2><a "
                                "href=\"/cgi-bin/HoTMail?curmbox=F000000001&amp;a=" +
                                a + "\">Return to Inbox</a></font></p></td></tr></table>"));
}

} // namespace standin
