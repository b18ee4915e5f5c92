// The main window and every dialog, as a screen reader and a keyboard meet them, in every
// language: each control a person acts on has a name in the accessibility tree, the Tab key can
// reach it (or a menu holds its command), and no two controls shown together share an
// accelerator key.
#include "AboutBox.h"
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
    // leaves the address grid. (It runs first: the table below leaves the last language's
    // catalogue installed.)
    void anAcceleratorOpensItsMenuFromAField() {
        testkit::Workspace ws;
        ws.set("welcome", "0");
        auto form = testkit::openMainForm(ws);
        QVERIFY(form);
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
        Dialogs::answerWith(answers);
        {
            MainForm form({"postling", "--ini", ws.iniPath()});
            form.show();
            for (int tab = Shell::InboxTab; tab <= Shell::SettingsTab; ++tab) {
                form.shell().selectTab(tab);
                walk(&form, found, QString(" (tab %1)").arg(tab));
            }
            for (const char* action :
                 {"FileNewProject", "findaddress", "about", "editttemplate", "mailmerge"})
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
