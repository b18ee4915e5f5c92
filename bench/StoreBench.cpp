// The local store: listing a folder of 20,000 saved messages into ListMsg, searching them by a
// word of the body, and capturing and saving a message with a 1 MB body (page text to file);
// then Save Msg on a real Roundcube showing a message with a 1 MB body, from the click to the
// file on disk (the page read, the message's source fetched and parsed, the file written).
#include "FolderDropList.h"
#include "SavedMessagesPanel.h"
#include "WebBrowser.h"

#include "sites/OldSites.h"
#include "store/MessageCapture.h"
#include "store/MessageStore.h"

#include "BenchSession.h"
#include "BenchTiming.h"
#include "Dialogs.h"
#include "RoundcubeProcess.h"
#include "StoreSubsystem.h"

#include "app/IniFile.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QWebEngineProfile>
#include <algorithm>
#include <cstdio>
#include <fstream>

int main(int argc, char** argv) {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString mainDir = dir.path() + "/";
    const postling::MessageStore store(mainDir.toStdString());
    store.ensureDefaultFolders();

    // 20,000 messages as a busy user's Saved folder holds them.
    static const char* months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                   "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    for (int i = 0; i < 20000; ++i) {
        char name[256];
        std::snprintf(name, sizeof name,
                      "Sender %d  s%d@example.com &&Re  subject number %d&&Tue, %d %s %d "
                      "10^%02d^00 +0000&&me@example.com.htm",
                      i, i, i, 1 + i % 28, months[i % 12], 1995 + i % 10, i % 60);
        // A saved page of about 2 KB: the headers, then a body of ordinary prose.
        std::ofstream file(store.folderPath("Saved") + "/" + name);
        file << "<html><body><div id=from>From:&nbsp;Sender " << i << " &lt;s" << i
             << "@example.com&gt;</div><div id=subject>Subject:&nbsp;Re: subject number " << i
             << "</div><div id=body><font face=arial>";
        for (int line = 0; line < 20; ++line)
            file << "Line " << line << " of message " << i
                 << ": the quarterly figures for the northern region are attached.<br>\n";
        file << (i % 1000 == 7 ? "The caf&#233; on Elm Street closes in May.<br>" : "")
             << "</font></div></body></html>";
    }

    QWebEngineProfile profile;
    auto* preview = new WebBrowser("WebBrowser2", &profile); // the panel takes it
    SavedMessagesPanel panel(preview);
    panel.setMainDir(mainDir);
    panel.ComboFolders2->addItem("Saved");
    panel.resize(1000, 700);
    panel.show();

    std::vector<double> listing;
    for (int run = 0; run < 5; ++run) {
        listing.push_back(timeMs([&] {
            panel.ComboFolders2->setCurrentRow(-1);
            panel.ComboFolders2->setCurrentRow(0); // lists the folder
            QCoreApplication::processEvents();     // and paints it
        }));
    }
    const int rows = panel.rowCount();

    // A search by a word of the body across every folder: the first reads every file, later
    // ones only what changed.
    std::vector<double> searching;
    int found = 0;
    const double firstSearch = timeMs([&] { panel.search("CAFE elm"); });
    for (int run = 0; run < 5; ++run) {
        searching.push_back(timeMs([&] {
            panel.search(run % 2 ? "cafe elm" : "CAFE ELM");
            QCoreApplication::processEvents();
        }));
        found = panel.rowCount();
    }

    // A 1 MB plain-text body on a Yahoo! Mail page, from page text to the file on disk.
    std::string text = "From:\tReports <r@x> | Add\r\nTo:\tann@x\r\nSubject:\tArchive\r\n"
                       "Date:\tTue, 3 Dec 2002 10:15:00\r\n";
    std::string body;
    while (body.size() < 1024 * 1024)
        body += "Archive line: quarterly figures for the northern region, all offices.\r\n";
    std::vector<double> saving;
    for (int run = 0; run < 5; ++run) {
        saving.push_back(timeMs([&] {
            int lang = 0;
            const auto result = postling::yahooSite().capture({text, body, {}}, lang);
            if (!store.save("Saved", result.message).empty())
                std::printf("save failed\n");
        }));
    }

    std::printf("listing a folder of %d saved messages into ListMsg: %8.1f ms (median of 5)\n",
                rows, median(listing));
    std::printf("searching 20,000 saved messages, first search:     %8.1f ms (%d found)\n",
                firstSearch, found);
    std::printf("searching 20,000 saved messages, later searches:   %8.1f ms (median of 5)\n",
                median(searching));
    std::printf("capturing and saving a message with a 1 MB body:    %8.1f ms (median of 5)\n",
                median(saving));

    const roundcube::RoundcubeProcess rc(false);
    QByteArray big = "From: Reports <reports@example.test>\r\nTo: ann@example.test\r\n"
                     "Subject: Archive\r\nDate: Tue, 03 Mar 2026 10:15:00 +0000\r\n"
                     "MIME-Version: 1.0\r\nContent-Type: text/plain; charset=UTF-8\r\n\r\n";
    while (big.size() < 1024 * 1024)
        big += "Archive line: quarterly figures for the northern region, all offices.\r\n";
    if (!rc.ok() || !rc.deliver("ann", big)) {
        std::printf("Roundcube did not start\n");
        return 1;
    }
    QDir().mkpath(dir.filePath("rc"));
    const std::string ini = dir.filePath("rc/postling.ini").toStdString();
    postling::IniFile settings(ini);
    settings.set("Locations", "main dir", mainDir.toStdString());
    settings.set("Settings", "welcome", "1");
    settings.set("Settings", "rstart", rc.url().toStdString());
    settings.set("Settings", "smail", "2");
    Dialogs::answerWith({});
    MainForm form({"postling", "--ini", QString::fromStdString(ini)});
    form.resize(1200, 800);
    form.show();
    WebBrowser* inbox = form.shell().WebBrowser1();
    if (!signInToRoundcube(form, "ann")) {
        std::printf("Roundcube: no message list\n");
        return 1;
    }
    inbox->Navigate(rc.url() + "?_task=mail&_mbox=INBOX&_uid=1&_action=show");
    waitFor(
        [&] {
            return !inbox->Busy() &&
                   pageCall(inbox, "element", {"messagebody"}).value("text").toString().size() >
                       1000000;
        },
        30000);
    std::vector<double> rcSaving;
    for (int run = 0; run < 5; ++run) {
        form.shell().setPanelText(2, "");
        rcSaving.push_back(timeMs([&] {
            form.store().saveButton()->click();
            waitFor([&] { return form.shell().panelText(2) == "Msg Saved"; }, 20000);
        }));
    }
    std::printf("Save Msg on Roundcube, a message with a 1 MB body:  %8.1f ms (median of 5, %s)\n",
                median(rcSaving), qPrintable(form.shell().panelText(2)));
    form.close();
    return 0;
}
