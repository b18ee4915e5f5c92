#include "Seed.h"

#include "Postoffice.h"

#include <array>
#include <string>
#include <vector>

namespace standin {

namespace {

struct Person {
    const char* lang;
    const char* login;
    const char* name;
};

const std::array<Person, 8> kPeople = {{
    {"en", "ann", "Ann Lee"},
    {"de", "hans", "Hans Becker"},
    {"fr", "marie", "Marie Dubois"},
    {"it", "giulia", "Giulia Rossi"},
    {"es", "carmen", "Carmen Ruiz"},
    {"pt", "joao", "Jo\xC3\xA3o Silva"},
    {"nl", "daan", "Daan de Vries"},
    {"sv", "sven", "Sven Lindqvist"},
}};

struct Sample {
    const char* from;
    const char* subject;
    const char* body;
    bool html;
    bool unread;
};

// Ordinary mail from people the demo accounts know. Bodies mix plain text and HTML.
const std::vector<Sample>& ordinary() {
    static const std::vector<Sample> samples = {
        {"Carl Jones <carl@hotmail.localhost>", "Lunch on Friday?",
         "Hi,\r\n\r\nAre we still on for lunch on Friday? The Thai place opens at noon.\r\n\r\n"
         "Carl",
         false, true},
        {"Dana White <dana@yahoo.localhost>", "Minutes of Tuesday's meeting",
         "<p>Hello all,</p><p>Attached below are the minutes.</p><ul><li>Budget approved for "
         "Q1</li><li>New office move in March</li></ul><p>Dana</p>",
         true, false},
        {"Ed Brown <ed@hotmail.localhost>", "Re: holiday schedule",
         "I can cover the 23rd and the 24th.\r\nLet me know if that works.\r\n\r\n-- Ed", false,
         false},
        {"Fay Green <fay@yahoo.localhost>", "Photos from the weekend",
         "<div>The photos from the lake are up on my page.<br>The one with the canoe is my "
         "favourite.</div>",
         true, true},
        {"Gus Hall <gus@hotmail.localhost>", "Book club: next title",
         "We picked the next title for December.\r\nBring your copy on the 12th.", false, false},
        {"Carl Jones <carl@hotmail.localhost>", "Fwd: directions to the cabin",
         "Take route 9 north for 20 miles, then left at the gas station.\r\nThe cabin is the "
         "third on the right.",
         false, false},
        {"Dana White <dana@yahoo.localhost>", "Project plan draft",
         "<p>Here is the first draft of the plan.</p><p>Phase one ends on <b>January "
         "15</b>.</p>",
         true, true},
        {"Ivy King <ivy@yahoo.localhost>", "Thanks for the help",
         "Thank you for helping me move last Saturday.\r\nDinner is on me next week.", false,
         false},
        {"Jon Park <jon@hotmail.localhost>", "Soccer practice moved",
         "Practice is moved to Thursday at 6pm because of the field repairs.", false, true},
        {"Ed Brown <ed@hotmail.localhost>", "Printer on the 3rd floor",
         "The printer on the 3rd floor is fixed.\r\nThe toner is in the supply closet.", false,
         false},
        {"Fay Green <fay@yahoo.localhost>", "Recipe you asked for",
         "<p>Here it is:</p><ol><li>2 cups flour</li><li>1 cup sugar</li><li>3 eggs</li></ol>",
         true, false},
        {"Gus Hall <gus@hotmail.localhost>", "Re: Re: weekend plans",
         "Sounds good, see you at ten.", false, false},
        {"Ivy King <ivy@yahoo.localhost>", "Where are we meeting?",
         "Where are we meeting tomorrow? I forgot the address.", false, true},
        {"Jon Park <jon@hotmail.localhost>", "Team roster",
         "<table border=1><tr><td>Jon</td><td>Goal</td></tr><tr><td>Ivy</td><td>Defence</td></tr>"
         "</table>",
         true, false},
    };
    return samples;
}

// Mail that the inbox tools should flag: keyword subjects from strangers.
const std::vector<Sample>& spamLike() {
    static const std::vector<Sample> samples = {
        {"Prize Center <prizes@winners.example>", "You have WON a free cruise - claim now",
         "Click here to claim your prize.", false, true},
        {"Lender Direct <rates@lenders.example>", "Lowest mortgage rates in 10 years",
         "<p>Refinance today and save.</p>", true, true},
        {"Online U <admissions@degree.example>", "Earn a degree from home", "No classes, no exams.",
         false, true},
        {"Cash Now <cash@fast.example>", "Make money fast!!", "Work from home and earn $5000.",
         false, false},
        {"Pharmacy <rx@meds.example>", "cheap viagra and vitamins", "Best prices online.", false,
         true},
        {"Hot Deals <deals@shop.example>", "Clearance sale! 80% off", "<p>Everything must go.</p>",
         true, true},
        {"Casino Royale <vip@casino.example>", "Your casino bonus is waiting",
         "Play now and double your money.", false, false},
        {"Dating Pros <hello@dates.example>", "Meet someone special tonight",
         "Thousands of singles near you.", false, true},
    };
    return samples;
}

// Mail with accented letters: five or more count as "non-English" to the inbox tools,
// the one with exactly four does not.
const std::vector<Sample>& accented() {
    static const std::vector<Sample> samples = {
        {"Ren\xC3\xA9 Fran\xC3\xA7ois <rene@yahoo.localhost>",
         "R\xC3\xA9union \xC3\xA0 Gen\xC3\xA8ve: caf\xC3\xA9 cr\xC3\xA8me",
         "Nous nous retrouvons au caf\xC3\xA9 pr\xC3\xA8s de la gare.", false, true},
        {"J\xC3\xBCrgen M\xC3\xBCller <juergen@hotmail.localhost>",
         "Gr\xC3\xBC\xC3\x9F\x65 aus K\xC3\xB6ln und M\xC3\xBCnchen",
         "Sch\xC3\xB6ne Gr\xC3\xBC\xC3\x9F\x65 von der ganzen Familie.", false, false},
        {"Zoe Adams <zoe@yahoo.localhost>",
         "R\xC3\xA9sum\xC3\xA9 for the na\xC3\xAFve fa\xC3\xA7"
         "ade",
         "Four accents in the subject line, no more.", false, true},
        {"\xC3\x85sa \xC3\x96"
         "berg <asa@hotmail.localhost>",
         "M\xC3\xB6te p\xC3\xA5 fredag, sm\xC3\xB6rg\xC3\xA5sbord",
         "Vi ses p\xC3\xA5 fredag kl. 18.", false, false},
    };
    return samples;
}

// A few subjects in each account's own language, so its pages read naturally.
std::vector<std::string> localSubjects(const std::string& lang) {
    if (lang == "de")
        return {"Treffen am Freitag", "Rechnung Nr. 4711", "Urlaubsplanung"};
    if (lang == "fr")
        return {"D\xC3\xAEner samedi", "Facture de novembre", "Vacances d'hiver"};
    if (lang == "it")
        return {"Cena sabato", "Fattura di novembre", "Vacanze invernali"};
    if (lang == "es")
        return {"Cena el s\xC3\xA1\x62\x61\x64o", "Factura de noviembre", "Vacaciones"};
    if (lang == "pt")
        return {"Jantar no s\xC3\xA1\x62\x61\x64o", "Fatura de novembro", "F\xC3\xA9rias"};
    if (lang == "nl")
        return {"Etentje zaterdag", "Factuur november", "Wintervakantie"};
    if (lang == "sv")
        return {"Middag p\xC3\xA5 l\xC3\xB6rdag", "Faktura november", "Vinterresa"};
    return {};
}

std::string largeBody() {
    std::string body;
    body.reserve(1100000);
    int line = 1;
    while (body.size() < 1050000) {
        body += "Archive line " + std::to_string(line++) +
                ": quarterly figures for the northern region, all offices reporting.\r\n";
    }
    return body;
}

// Dates run forward from 1 Nov 2002 so that higher message ids are newer.
std::time_t seedTime(int index) {
    return 1036144800 + static_cast<std::time_t>(index) * 80000;
}

void fillMailbox(Mailstore& store, const Account& owner) {
    std::vector<Message> mail;
    auto add = [&](const Sample& s) {
        Message m;
        m.owner = owner.id;
        m.from = s.from;
        m.to = owner.address;
        m.subject = s.subject;
        m.body = s.body;
        m.html = s.html;
        m.unread = s.unread;
        mail.push_back(m);
    };
    for (const auto& s : ordinary())
        add(s);
    for (const auto& s : spamLike())
        add(s);
    for (const auto& s : accented())
        add(s);
    const auto local = localSubjects(owner.lang);
    for (std::size_t i = 0; i < local.size(); ++i)
        add({"Carl Jones <carl@hotmail.localhost>", local[i].c_str(), "...", false, i == 0});
    add({"Reports <reports@office.example>", "Quarterly archive (large)", "", false, false});
    mail.back().body = largeBody();
    // A message without a subject, and one from a bare address.
    add({"noreply@office.example", "", "Automatic notice.", false, false});
    add({"Kim Stone <kim@yahoo.localhost>", "Newsletter: December issue",
         "<div><h3>December</h3><p>News from the neighbourhood.</p></div>", true, true});
    add({"Lou Grant <lou@hotmail.localhost>", "Car pool next week",
         "I can drive on Monday and Wednesday.", false, false});
    add({"Mia Wong <mia@yahoo.localhost>", "Birthday party for Sam",
         "Saturday at 3pm, bring a dish to share.", false, true});

    // Mail from lists asks for replies elsewhere.
    for (auto& m : mail) {
        if (m.subject == "Team roster")
            m.replyTo = "team@hotmail.localhost";
        else if (m.subject == "Newsletter: December issue")
            m.replyTo = "letters@yahoo.localhost";
    }

    for (std::size_t i = 0; i < mail.size(); ++i) {
        mail[i].date = mailDate(seedTime(static_cast<int>(i)));
        store.addMessage(mail[i]);
    }
}

} // namespace

void seedDemo(Mailstore& store) {
    if (store.accountCount() > 0)
        return;
    store.begin();
    for (Site site : {Site::Yahoo, Site::Hotmail}) {
        for (const auto& p : kPeople) {
            Account a;
            a.site = site;
            a.login = (site == Site::Hotmail && std::string(p.login) == "ann") ? "bob" : p.login;
            a.name =
                (site == Site::Hotmail && std::string(p.login) == "ann") ? "Bob Marsh" : p.name;
            a.password = a.login;
            a.lang = p.lang;
            a.address = a.login + "@" + siteName(site) + ".localhost";
            a.id = store.addAccount(a);
            fillMailbox(store, a);
        }
    }
    store.commit();
}

void seedInbox(Mailstore& store, int count) {
    static const char* subjects[] = {"Status update",
                                     "free offer inside",
                                     "Meeting notes",
                                     "Weekly report",
                                     "Lowest rates",
                                     "Question about the invoice",
                                     "Caf\xC3\xA9 \xC3\xA0 r\xC3\xA9sum\xC3\xA9 cr\xC3\xA8me",
                                     "Schedule",
                                     "Win a cruise",
                                     "Follow-up"};
    store.begin();
    for (const auto& [site, login] :
         {std::pair{Site::Yahoo, "ann"}, std::pair{Site::Hotmail, "bob"}}) {
        const auto owner = store.accountByLogin(site, login);
        if (!owner)
            continue;
        for (int i = 0; i < count; ++i) {
            Message m;
            m.owner = owner->id;
            m.from =
                "Sender " + std::to_string(i) + " <sender" + std::to_string(i) + "@example.com>";
            m.to = owner->address;
            m.subject = std::string(subjects[i % 10]) + " #" + std::to_string(i);
            m.body = "Generated message " + std::to_string(i) + ".";
            m.unread = i % 3 != 0;
            m.date = mailDate(seedTime(100 + i % 1000));
            store.addMessage(m);
        }
    }
    store.commit();
}

} // namespace standin
