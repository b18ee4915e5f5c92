// Every text the window shows goes through Qt's translation system: under a translator that
// wraps each text it is asked for in ⟦ ⟧, a text with letters and without the marks was never
// asked for, and would stay English in every language.
#include "AboutBox.h"
#include "MergePreview.h"
#include "Testkit.h"
#include "WelcomeDialog.h"

namespace {

class Marking : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* source, const char*, int) const override {
        return "⟦" + QString::fromUtf8(source) + "⟧";
    }
};

// What the person's own data puts on screen: the address book's columns and cells.
const QStringList kData = {"MSFlexGrid1", "MSFlexGrid2", "LabelEdit"};

bool isData(const QWidget* w) {
    for (; w; w = w->parentWidget())
        if (kData.contains(w->objectName()))
            return true;
    return false;
}

// The texts of a window and everything in it that were not translated, each with its widget.
QStringList untranslated(QWidget* window) {
    static const QRegularExpression letters("\\p{L}");
    QStringList found;
    const auto check = [&](const QObject* where, const QString& text) {
        if (text.contains(letters) && !text.contains(u'⟦'))
            found << QString("%1 %2: %3")
                         .arg(where->metaObject()->className(), where->objectName(), text);
    };
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    for (QWidget* w : widgets) {
        if (isData(w))
            continue;
        if (w->isWindow())
            check(w, w->windowTitle());
        check(w, w->toolTip());
        if (auto* button = qobject_cast<QAbstractButton*>(w))
            check(w, button->text());
        if (auto* label = qobject_cast<QLabel*>(w))
            check(w, label->text());
        if (auto* group = qobject_cast<QGroupBox*>(w))
            check(w, group->title());
        if (auto* menu = qobject_cast<QMenu*>(w))
            check(w, menu->title());
        if (auto* tabs = qobject_cast<QTabBar*>(w))
            for (int i = 0; i < tabs->count(); ++i)
                check(w, tabs->tabText(i));
        if (auto* header = qobject_cast<QHeaderView*>(w); header && header->model())
            for (int s = 0; s < header->count(); ++s)
                check(w, header->model()->headerData(s, header->orientation()).toString());
        for (const QAction* action : w->actions()) {
            check(action, action->text());
            check(action, action->toolTip());
        }
    }
    return found;
}

} // namespace

class TranslationTest : public QObject {
    Q_OBJECT
private slots:
    void everyWindowAndDialogShowsOnlyTranslatedTexts() {
        Marking marking;
        QCoreApplication::installTranslator(&marking);
        testkit::Workspace ws;
        ws.set("welcome", "0");
        const QString export_ = ws.root() + "/export.csv";
        QVERIFY(testkit::writeFile(export_, "Vorname,Nachname,E-Mail\nAnn,Example,a@b.org\n"));

        QStringList found, dialogs;
        Dialogs::Answers answers;
        answers.dialog = [&](QDialog& dialog) {
            dialogs << dialog.objectName();
            found << untranslated(&dialog);
            return int(qobject_cast<WelcomeDialog*>(&dialog) ? QDialog::Accepted
                                                             : QDialog::Rejected);
        };
        answers.openFile = [&](const QString&, const QString&) {
            return export_;
        };
        Dialogs::answerWith(answers);
        {
            MainForm form({"postling", "--ini", ws.iniPath()});
            for (const char* action :
                 {"FileNewProject", "Import", "findaddress", "about", "editttemplate", "mailmerge",
                  "emailaddress", "helpcontents"})
                form.findChild<QAction*>(action)->trigger();
            MergePreview preview({}, {"<<Nickname>>"}, &form);
            found << untranslated(&form); // the window, and the windows it owns
            form.close();
        }
        Dialogs::showForReal();
        QCoreApplication::removeTranslator(&marking);
        QCOMPARE(dialogs, (QStringList{"frmSplash", "DialogWelcome", "DialogNewAddrBook",
                                       "DialogImport", "frmAbout", "DialogTemplate"}));
        QVERIFY2(found.isEmpty(), qPrintable(found.join('\n')));
    }
};

QTEST_MAIN(TranslationTest)
#include "TranslationTest.moc"
