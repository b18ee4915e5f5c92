// The main window and every dialog, as a screen reader and a keyboard meet them, in every
// language: each control a person acts on has a name in the accessibility tree, the Tab key can
// reach it (or a menu holds its command), and no two controls shown together share an
// accelerator key. And every text they show goes through Qt's translation system: under a
// translator that wraps each text it is asked for in ⟦ ⟧, a text with letters and without the
// marks was never asked for, and would stay English in every language.
#include "AboutBox.h"
#include "MergePreview.h"
#include "Testkit.h"
#include "Translations.h"
#include "WelcomeDialog.h"

#include <QAccessible>
#include <QMenuBar>

namespace {

// The corner Qt adds to a table: the grid's own keys select it all.
bool qtsOwn(const QObject* o) {
    return o && o->inherits("QTableCornerButton");
}

bool actsOn(QAccessible::Role role) {
    switch (role) {
    case QAccessible::PushButton:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::ComboBox:
    case QAccessible::EditableText:
    case QAccessible::SpinBox:
    case QAccessible::ButtonMenu:
    case QAccessible::ButtonDropDown:
    case QAccessible::List:
    case QAccessible::Table:
    case QAccessible::Tree:
    case QAccessible::PageTab:
    case QAccessible::Slider:
        return true;
    default:
        return false;
    }
}

// Controls the person acts on that a screen reader cannot name.
void unnamed(QAccessibleInterface* node, QStringList& found, int depth = 0) {
    if (!node || depth > 40 || node->state().invisible)
        return;
    if (actsOn(node->role()) && node->text(QAccessible::Name).trimmed().isEmpty() &&
        !qtsOwn(node->object())) {
        const QObject* o = node->object();
        found << QString("%1 %2 (role %3) has no name")
                     .arg(o ? o->metaObject()->className() : "?", o ? o->objectName() : "")
                     .arg(node->role());
    }
    // A web page's own elements are the site's: Postling's part ends at the view.
    if (node->object() && node->object()->inherits("QWebEngineView"))
        return;
    for (int i = 0; i < node->childCount(); ++i)
        unnamed(node->child(i), found, depth + 1);
}

QChar accelerator(const QString& text) {
    for (int i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == '&' && text[i + 1] == '&')
            ++i;
        else if (text[i] == '&')
            return text[i + 1].toLower();
    }
    return {};
}

// Accelerators shown together twice: the visible controls of a window (with its menu titles),
// and the items of each menu; and menu items without one.
void clashes(QWidget* window, QStringList& found) {
    auto check = [&](const QString& where, const QStringList& texts) {
        QMap<QChar, QString> seen;
        for (const QString& text : texts) {
            const QChar key = accelerator(text);
            if (key.isNull())
                continue;
            if (seen.contains(key))
                found << QString("%1: \"%2\" and \"%3\" share Alt+%4")
                             .arg(where, seen[key], text, QString(key));
            seen[key] = text;
        }
    };
    QStringList shown;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window) || w->window() != window)
            continue;
        if (auto* button = qobject_cast<QAbstractButton*>(w))
            shown << button->text();
        else if (auto* label = qobject_cast<QLabel*>(w); label && label->buddy())
            shown << label->text();
        else if (auto* bar = qobject_cast<QMenuBar*>(w))
            for (QAction* a : bar->actions())
                shown << a->text();
    }
    check("shown together", shown);
    for (QMenu* menu : window->findChildren<QMenu*>()) {
        QStringList items;
        for (QAction* a : menu->actions()) {
            items << a->text();
            // With only a keyboard, a menu bar's item is chosen by its key.
            if (!menu->title().isEmpty() && !a->isSeparator() && !a->text().isEmpty() &&
                accelerator(a->text()).isNull())
                found << QString("menu %1: \"%2\" has no accelerator key")
                             .arg(menu->title(), a->text());
        }
        check(window->objectName() + " menu " + menu->title(), items);
    }
}

// Controls the Tab key never stops at whose command no menu holds.
void unreachable(QWidget* window, QStringList& found) {
    QSet<const QAction*> inMenus;
    for (QMenu* menu : window->findChildren<QMenu*>())
        for (QAction* a : menu->actions())
            inMenus << a;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window) || !w->isEnabled() || w->window() != window)
            continue;
        auto* face = QAccessible::queryAccessibleInterface(w);
        if (!face || !actsOn(face->role()) || (w->focusPolicy() & Qt::TabFocus) || qtsOwn(w))
            continue;
        if (w->focusProxy() && (w->focusProxy()->focusPolicy() & Qt::TabFocus))
            continue;
        if (auto* tool = qobject_cast<QToolButton*>(w);
            tool && tool->defaultAction() && inMenus.contains(tool->defaultAction()))
            continue;
        found << QString("%1 %2 \"%3\" cannot be reached with Tab")
                     .arg(w->metaObject()->className(), w->objectName(), w->toolTip());
    }
}

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

void walk(QWidget* window, QStringList& found, const QString& where = {}) {
    QStringList here;
    unnamed(QAccessible::queryAccessibleInterface(window), here);
    clashes(window, here);
    unreachable(window, here);
    for (const QString& f : here)
        found << window->objectName() + where + ": " + f;
}

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT
private slots:
    // From a field of the window, an accelerator opens its menu and types nothing, and Ctrl+Tab
    // leaves the address grid. (It and the English-only test after it run first: the table
    // below leaves the last language's catalogue installed.)
    void anAcceleratorOpensItsMenuFromAField() {
        testkit::Workspace ws;
        ws.set("welcome", "0");
        auto form = testkit::openMainForm(ws);
        form->show();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        auto* field = form->findChild<QLineEdit*>("TextEdit");
        field->setFocus();
        const QString before = field->text();
        QTest::keyClick(field, Qt::Key_T, Qt::AltModifier);
        QTRY_VERIFY(QApplication::activePopupWidget());
        QCOMPARE(qobject_cast<QMenu*>(QApplication::activePopupWidget())->title(),
                 QString("&Tools"));
        QCOMPARE(field->text(), before);
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
        // The address grid keeps Tab for its cells; Ctrl+Tab leaves it, both ways.
        QWidget* pane = form->findChild<QWidget*>("TabStrip1");
        const Qt::KeyboardModifiers ways[] = {Qt::ControlModifier,
                                              Qt::ControlModifier | Qt::ShiftModifier};
        for (Qt::KeyboardModifiers m : ways) {
            field->setFocus();
            QTest::keyClick(field, Qt::Key_Tab);
            QVERIFY(pane->isAncestorOf(QApplication::focusWidget()));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, m);
            QVERIFY(QApplication::focusWidget() &&
                    !pane->isAncestorOf(QApplication::focusWidget()));
        }
        form->close();
    }

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

    void everyControlIsNamedReachableAndKeyedOnce_data() {
        QTest::addColumn<QString>("language");
        for (const char* l : {"en", "de", "fr", "it", "es", "pt", "nl", "sv"})
            QTest::newRow(l) << QString(l);
    }
    void everyControlIsNamedReachableAndKeyedOnce() {
        QFETCH(QString, language);
        // As the desktop asks for it; each row's catalogue is installed over the last one.
        qputenv("LANGUAGE", language.toUtf8());
        QCOMPARE(Translations::install(), language == "en" ? QString() : language);
        testkit::Workspace ws;
        ws.set("welcome", "0");
        QStringList found, dialogs;
        Dialogs::Answers answers;
        answers.dialog = [&](QDialog& dialog) {
            dialog.show();
            walk(&dialog, found);
            dialogs << dialog.objectName();
            return int(qobject_cast<WelcomeDialog*>(&dialog) ? QDialog::Accepted
                                                             : QDialog::Rejected);
        };
        const QString export_ = ws.root() + "/export.csv";
        QVERIFY(testkit::writeFile(export_, "First,Last,Email\nAnn,Example,a@b.org\n"));
        answers.openFile = [&](const QString&, const QString&) {
            return export_;
        };
        Dialogs::answerWith(answers);
        {
            MainForm form({"postling", "--ini", ws.iniPath()});
            form.show();
            for (int tab = Shell::InboxTab; tab <= Shell::SettingsTab; ++tab) {
                form.shell().selectTab(tab);
                walk(&form, found, QString(" (tab %1)").arg(tab));
            }
            for (const char* action :
                 {"FileNewProject", "Import", "findaddress", "about", "editttemplate", "mailmerge"})
                form.findChild<QAction*>(action)->trigger();
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w != &form && w->isVisible() && qobject_cast<QDialog*>(w))
                    walk(w, found);
            form.close();
        }
        Dialogs::showForReal();
        found.removeDuplicates();
        QVERIFY2(found.isEmpty(), qPrintable(found.join('\n')));
    }
};

QTEST_MAIN(AccessibilityTest)
#include "AccessibilityTest.moc"
