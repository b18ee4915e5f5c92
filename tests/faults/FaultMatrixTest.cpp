// Every place Postling writes, under real faults of the file system: a full disk (a small
// tmpfs), a read-only main directory or folder (read-only mounts: root writes through
// permissions), a folder gone, a folder where a file should be. Each row keeps three promises:
// the person is told the file and the reason, nothing on disk changed (no part of a file, no
// temporary left), and the same command works once the fault is gone; edits held in memory
// survive. Mounts are made in a private mount namespace (run under unshare -m), so nothing
// outside this process sees them.
#include "Testkit.h"

#include <QProcess>
#include <algorithm>
#include <unistd.h>

using testkit::Workspace;

namespace {

bool run(const QStringList& command) {
    QProcess p;
    p.start(command.first(), command.mid(1));
    return p.waitForFinished(30000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

// Every file under a folder, with its bytes (the filler of a full disk left out).
QMap<QString, QByteArray> snapshot(const QString& root) {
    QMap<QString, QByteArray> files;
    QDirIterator it(root, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (!path.endsWith("/filler"))
            files[path.mid(root.size())] = QByteArray::fromStdString(
                postling::readFile(path.toStdString()).value_or("(unreadable)"));
    }
    return files;
}

enum class Fault { DiskFull, MainReadOnly, FolderReadOnly, FolderGone, FolderInTheWay };
const char* const kFaultNames[] = {"disk full", "main directory read-only", "folder read-only",
                                   "folder gone", "a folder in the file's place"};

// Bytes of the files of `before` that are gone or changed in `after`.
qint64 lostBytes(const QMap<QString, QByteArray>& before, const QMap<QString, QByteArray>& after) {
    qint64 lost = 0;
    for (auto it = before.begin(); it != before.end(); ++it)
        if (after.value(it.key()) != it.value())
            lost += it.value().size();
    return lost;
}

// One command of Postling that writes: where it writes, how a person gives it, and what is on
// disk once it worked.
struct Command {
    QString name;
    QString target; // relative to the main directory: the folder, or the file, it writes
    std::function<QString(MainForm&, Workspace&)> run; // what the person saw
    std::function<bool(MainForm&, Workspace&)> done;
    // The edits in memory survived the failure.
    std::function<bool(MainForm&)> kept = [](MainForm&) {
        return true;
    };
    // What is there before the command.
    std::function<void(MainForm&)> prepare = [](MainForm&) {
    };
};

} // namespace

class FaultMatrixTest : public QObject {
    Q_OBJECT
    QString root; // the workspace's folder, on a tmpfs of its own

    QString mainRelative(Workspace& ws, const QString& target) const {
        return ws.mainDir().mid(root.size()) + target;
    }

    // Puts the workspace on a small tmpfs of its own.
    bool mountWorkspace(Workspace& ws) {
        root = QFileInfo(ws.iniPath()).absolutePath() + "/";
        const QString hold = root.chopped(1) + ".hold";
        return run({"cp", "-a", root, hold}) &&
               run({"mount", "-t", "tmpfs", "-o", "size=4m", "tmpfs", root}) &&
               run({"cp", "-a", hold + "/.", root}) && run({"rm", "-rf", hold});
    }

    // A target with a suffix is a file: its fault is on its folder.
    static QString folderOf(const QString& path) {
        return QFileInfo(path).suffix().isEmpty() ? path : QFileInfo(path).absolutePath();
    }

    bool apply(Fault fault, const QString& target, bool on) {
        const QString path = root + target;
        switch (fault) {
        case Fault::DiskFull: // dd ends with "no space left": the disk is full then
            if (on)
                return !run({"dd", "if=/dev/zero", "of=" + root + "filler", "bs=64k"}) &&
                       QFileInfo(root + "filler").size() > 0;
            return QFile::remove(root + "filler");
        case Fault::MainReadOnly: { // a read-only bind of the main directory alone
            const QString main = root + "maindir";
            return on ? run({"mount", "--bind", main, main}) &&
                            run({"mount", "-o", "remount,bind,ro", main})
                      : run({"umount", "--lazy", main}); // a view may still hold a file there
        }
        case Fault::FolderReadOnly: {
            const QString folder = folderOf(path);
            return on ? run({"mount", "--bind", folder, folder}) &&
                            run({"mount", "-o", "remount,bind,ro", folder})
                      : run({"umount", "--lazy", folder});
        }
        case Fault::FolderGone: {
            const QString folder = folderOf(path);
            if (on)
                return QDir().rename(folder, folder + ".away");
            QDir().rmdir(folder); // made again, empty, meanwhile
            return QDir().rename(folder + ".away", folder);
        }
        case Fault::FolderInTheWay:
            return on ? QDir().rename(path, path + ".away") && QDir().mkdir(path)
                      : QDir().rmdir(path) && QDir().rename(path + ".away", path);
        }
        return false;
    }

    static std::vector<Command> commands() {
        auto message = [](const char* subject) {
            return testkit::message("Ann Lee <ann@x.test>", subject, "Tue, 3 Mar 2026 10:15:00",
                                    "bob@x.test", "Hello");
        };
        auto saved = [](Workspace& ws, const QString& folder, const QString& subject) {
            return ws.savedFiles(folder).filter(subject).size() == 1;
        };
        // One saved message listed in the saved-messages tab, to delete or move.
        auto oldNews = [](MainForm& f) {
            f.store().folderChooser()->setCurrentText("Saved");
            f.store().SaveMessage(testkit::message("Old", "Old news", "1 Jan 2026", "me"));
            f.shell().selectTab(Shell::SavedTab);
            QTRY_COMPARE(f.store().panel()->listedFiles().size(), 1);
        };
        return {
            {"Save Msg <<", "savedmgs/Saved",
             [=](MainForm& f, Workspace&) {
                 f.store().folderChooser()->setCurrentText("Saved");
                 f.store().SaveMessage(message("Kept safe"));
                 return Dialogs::messagesShown().join("\n");
             },
             [=](MainForm&, Workspace& ws) {
                 return saved(ws, "Saved", "Kept safe");
             }},
            {"the Sent copy", "savedmgs/Sent",
             [=](MainForm& f, Workspace&) {
                 postling::SavedMessage m = message("Went out");
                 m.sent = true;
                 f.store().SaveMessage(m);
                 return f.shell().panelText(2);
             },
             [=](MainForm&, Workspace& ws) {
                 return saved(ws, "Sent", "Went out");
             }},
            {"the address book", "addrbooks/myaddrbk.csv",
             [](MainForm& f, Workspace&) {
                 auto* pane = f.findChild<AddressPane*>("TabStrip1");
                 if (!f.addressBook().book().modified()) // an edit: sorted by Last
                     pane->MSFlexGrid1->horizontalHeader()->sectionPressed(1);
                 f.addressBook().SaveAddressBook();
                 return Dialogs::messagesShown().join("\n");
             },
             [](MainForm& f, Workspace&) { return !f.addressBook().book().modified(); },
             [](MainForm& f) {
                 return f.addressBook().book().modified();
             }},
            {"a template", "templates/example.txt",
             [](MainForm&, Workspace& ws) {
                 TemplateDialog dialog(ws.mainDir(), {"example.txt"}, 0);
                 dialog.Combo1->setEditText("example.txt");
                 dialog.Text1->setText("New subject");
                 dialog.Text2->setPlainText("New body");
                 dialog.save();
                 return Dialogs::messagesShown().join("\n");
             },
             [](MainForm&, Workspace& ws) {
                 return testkit::fileText(ws.path("templates/example.txt")).contains("New body");
             }},
            {"the spam keywords", "spamkeys.txt",
             [](MainForm& f, Workspace&) {
                 f.findChild<QPlainTextEdit*>("TextSpam")->setPlainText("cruise,prize,");
                 return QString::fromStdString(f.inbox().saveKeywords());
             },
             [](MainForm&, Workspace& ws) {
                 return testkit::fileText(ws.path("spamkeys.txt")).contains("prize");
             },
             [](MainForm& f) {
                 return f.findChild<QPlainTextEdit*>("TextSpam")->toPlainText().contains("prize");
             },
             [](MainForm& f) {
                 f.findChild<QPlainTextEdit*>("TextSpam")->setPlainText("cruise,");
                 QCOMPARE(f.inbox().saveKeywords(), std::string());
             }},
            {"the settings", "../postling.ini",
             [](MainForm&, Workspace& ws) { // a second run of Postling, closed with a change
                 auto other = testkit::openMainForm(ws);
                 other->compose().saveSentBox()->setChecked(false);
                 other->Form_Unload();
                 other->close();
                 return Dialogs::messagesShown().join("\n");
             },
             [](MainForm&, Workspace& ws) {
                 return ws.get("savesent") == "0";
             }},
            {"deleting a saved message", "savedmgs/Saved",
             [](MainForm& f, Workspace&) {
                 f.store().panel()->selectRow(0);
                 f.store().panel()->deleteSelected();
                 return Dialogs::messagesShown().join("\n");
             },
             [](MainForm&, Workspace& ws) { return ws.savedFiles("Saved").isEmpty(); },
             [](MainForm&) { return true; }, oldNews},
            {"moving a saved message", "savedmgs/Work",
             [](MainForm& f, Workspace&) {
                 f.store().panel()->selectRow(0);
                 f.store().panel()->ComboFolders4->setCurrentText("Work");
                 f.store().panel()->CommandMove->click();
                 return Dialogs::messagesShown().join("\n");
             },
             [](MainForm&, Workspace& ws) { return ws.savedFiles("Work").size() == 1; },
             [](MainForm&) { return true; },
             [=](MainForm& f) {
                 QVERIFY(QDir().mkdir(f.shell().main_dir() + "savedmgs/Work"));
                 f.store().panel()->ComboFolders4->addItem("Work");
                 oldNews(f);
             }},
        };
    }

private slots:
    void initTestCase() {
        if (::geteuid() != 0 || qEnvironmentVariableIsSet("POSTLING_NO_MOUNT_NAMESPACE"))
            QSKIP("the faults are real mounts: run as root, in a mount namespace of its own "
                  "(tests/faults/in-namespace.sh)");
    }

    void everyWriteSurvivesEveryFault_data() {
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("fault");
        QTest::addColumn<QString>("reason"); // the plain words the person reads
        const std::vector<Command> all = commands();
        for (int c = 0; c < int(all.size()); ++c) {
            const bool file = all[std::size_t(c)].target.contains('.');
            const QByteArray name = all[std::size_t(c)].name.toUtf8();
            // A removal or a rename needs no room; a rename out of a folder on a mount of its
            // own is refused as between two disks, so the whole main directory stands for it.
            const bool renames = name.startsWith("deleting") || name.startsWith("moving");
            // The settings file sits beside the main directory, in the mount's own root.
            const bool beside = all[std::size_t(c)].target.startsWith("..");
            if (!renames)
                QTest::newRow(name + ", disk full")
                    << c << int(Fault::DiskFull) << "the disk is full";
            if (!beside)
                QTest::newRow(name + ", main directory read-only")
                    << c << int(Fault::MainReadOnly) << "the disk is read-only";
            if (!name.startsWith("moving"))
                QTest::newRow(name + ", folder read-only")
                    << c << int(Fault::FolderReadOnly) << "the disk is read-only";
            if (!beside)
                QTest::newRow(name + ", folder gone")
                    << c << int(Fault::FolderGone) << "not there any more";
            if (file)
                QTest::newRow(name + ", a folder in the file's place")
                    << c << int(Fault::FolderInTheWay) << "a folder of that name is in the way";
        }
    }
    void everyWriteSurvivesEveryFault() {
        QFETCH(int, command);
        QFETCH(int, fault);
        QFETCH(QString, reason);
        const Command cmd = commands()[std::size_t(command)];
        Workspace ws;
        QVERIFY(mountWorkspace(ws));
        auto form = testkit::openMainForm(ws);
        QVERIFY(form);
        cmd.prepare(*form);
        if (QTest::currentTestFailed())
            return;
        const QString target = mainRelative(ws, cmd.target);
        const auto before = snapshot(root);
        QVERIFY(apply(Fault(fault), target, true));

        Dialogs::clearMessages();
        const QString saw = cmd.run(*form, ws);
        const QString folder = QDir::cleanPath(ws.mainDir() + cmd.target).section('/', 0, -2);
        QVERIFY2(saw.contains(reason) && saw.contains(folder),
                 qPrintable("the person saw: " + saw));
        QVERIFY(cmd.kept(*form));
        QVERIFY(apply(Fault(fault), target, false));
        const auto after = snapshot(root);
        testkit::faultTableRow(kFaultNames[fault], cmd.name, saw, lostBytes(before, after), 0);
        QCOMPARE(after, before); // nothing changed, nothing half-written, no temporary

        Dialogs::clearMessages();
        cmd.run(*form, ws);
        QVERIFY2(cmd.done(*form, ws), qPrintable(Dialogs::messagesShown().join("\n")));
        QVERIFY2(Dialogs::messagesShown().isEmpty(),
                 qPrintable(Dialogs::messagesShown().join("\n")));
        form->close();
        form.reset();
        QVERIFY(run({"umount", "--lazy", root})); // a closed view may still hold a file there
    }

    // A merge whose log can no longer be written stops before its next message: what it sends
    // is always on record. Resumed once the log can be written, every row goes once.
    void aMergeStopsWhenItsLogCannotBeWritten() {
        testkit::StandinServer site;
        Workspace ws;
        QVERIFY(mountWorkspace(ws));
        auto form = testkit::openSignedInWithCompose(site, ws, true);
        QVERIFY(form && testkit::openComposeTab(*form));
        const QStringList f = testkit::composeFieldNames(true);
        QVERIFY(testkit::fillComposeForm(form->shell().WebBrowser3(), true,
                                         {{f[3], "Logged <<First>>"}, {f[4], "Dear <<First>>"}}));
        MergeDialog* dialog = testkit::openMerge(*form, 1, 3, 2);
        const QString log = form->compose().merge().logPath();
        auto received = [&] {
            QList<int> n;
            for (const char* to :
                 {"ann@yahoo.localhost", "bob@hotmail.localhost", "hans@yahoo.localhost"})
                n << site.received(to).filter("Logged").size();
            return n;
        };
        Dialogs::clearMessages();
        dialog->CommandStart->click();
        QTRY_VERIFY_WITH_TIMEOUT(testkit::fileText(log).contains("\tsent"), 30000);
        // During the pause: the log file becomes read-only.
        QVERIFY(run({"mount", "--bind", log, log}) && run({"mount", "-o", "remount,bind,ro", log}));
        QTRY_VERIFY_WITH_TIMEOUT(Dialogs::messagesShown().size() == 2, 30000);
        QVERIFY2(Dialogs::messagesShown()[1].startsWith("The merge log could not be written") &&
                     Dialogs::messagesShown()[1].contains(log + ": the disk is read-only"),
                 qPrintable(Dialogs::messagesShown()[1]));
        QCOMPARE(received(), (QList<int>{1, 0, 0}));

        QVERIFY(run({"umount", log}));
        dialog->CommandStop->click();
        QTRY_VERIFY_WITH_TIMEOUT(dialog->CommandStart->isEnabled(), 30000);
        Dialogs::clearMessages();
        dialog->CommandStart->click(); // offered to resume: Yes
        QTRY_VERIFY2_WITH_TIMEOUT(!dialog->CommandStart->isEnabled(),
                                  qPrintable(Dialogs::messagesShown().join("\n")), 5000);
        QTRY_VERIFY_WITH_TIMEOUT(dialog->CommandStart->isEnabled(), 60000);
        const QList<int> got = received();
        testkit::faultTableRow(
            "merge log read-only mid-run", "Mail Merge, 3 rows",
            "The merge log could not be written… (run stopped; resumed later)", 0,
            int(std::count_if(got.begin(), got.end(), [](int n) { return n > 1; })));
        QCOMPARE(got, (QList<int>{1, 1, 1}));
        form->close();
        form.reset();
        QVERIFY(run({"umount", "--lazy", root}));
    }
};

QTEST_MAIN(FaultMatrixTest)
#include "FaultMatrixTest.moc"
