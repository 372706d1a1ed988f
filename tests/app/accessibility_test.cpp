// What a screen reader gets from every page of the main window and from every help and
// about window: each control that takes the focus is announced by the words a pupil reads
// beside it (never by an internal object name), and a label that shows content (a task,
// a question, a shown number) exposes that content.
#include "fakes.h"
#include "mainwindow.h"
#include "statisticsstore.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QMap>
#include <QStackedWidget>
#include <QTabWidget>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>
#include "updownlong.h"

using namespace quorvel;
using namespace quorvel::test;

namespace {

// Internal names look like "edPrimCalc01", "UpDownEinheiten01", "RadioGroupBruch02",
// "BitBtnStart05": a lower- or upper-case kind prefix glued to a German word and digits.
bool looksInternal(const QString& name)
{
    static const QRegularExpression internal(QStringLiteral(
        "^(ed|Edit|lbl|Label|btn|BitBtn|SB|UpDown|RadioGroup|RB|RadioButton|Notebook|"
        "PaintBox|CheckBox|ComboBox|Panel|GroupBox|TabSheet|PageControl|ListBox|Memo)"
        "[A-Z0-9_][A-Za-z0-9_]*$"));
    return internal.match(name).hasMatch();
}

QString plain(QString text)
{
    text.remove(QRegularExpression(QStringLiteral("<[^>]*>"))); // rich text tags
    text.replace(QLatin1String("&&"), QLatin1String("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return text.simplified();
}

// The entries a choosing control offers, as a pupil sees them: a combo box's items, a
// list's rows, a spinner's shown value. A name that is one of these is the value read
// twice, not what the control chooses.
QStringList entriesOf(QWidget* w)
{
    QStringList entries;
    if (auto* box = qobject_cast<QComboBox*>(w)) {
        for (int i = 0; i < box->count(); ++i)
            entries << box->itemText(i).simplified();
    } else if (auto* view = qobject_cast<QAbstractItemView*>(w); view && view->model()) {
        const QAbstractItemModel* m = view->model();
        for (int r = 0; r < std::min(m->rowCount(view->rootIndex()), 500); ++r)
            for (int c = 0; c < std::min(m->columnCount(view->rootIndex()), 20); ++c)
                entries << m->index(r, c, view->rootIndex()).data().toString().simplified();
    } else if (auto* spin = qobject_cast<QAbstractSpinBox*>(w)) {
        entries << spin->text().simplified();
    } else if (auto* upDown = qobject_cast<TUpDownLong*>(w)) {
        entries << QString::number(upDown->Position());
    }
    entries.removeAll(QString());
    return entries;
}

bool choosesAValue(QWidget* w)
{
    return qobject_cast<QComboBox*>(w) || qobject_cast<QAbstractSpinBox*>(w)
        || qobject_cast<TUpDownLong*>(w)
        || (qobject_cast<QAbstractItemView*>(w) && w->focusPolicy() != Qt::NoFocus);
}

QStringList problemsOf(QWidget* root)
{
    QStringList problems;
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (QWidget* w : widgets) {
        if (w->objectName().startsWith(QLatin1String("qt_")))
            continue; // Qt's own parts: scroll bars of views, tab scrollers
        const QString id = QString::fromLatin1(w->metaObject()->className()) + QLatin1Char(' ')
            + w->objectName();
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
        if (!a)
            continue;
        const QString name = a->text(QAccessible::Name).simplified();
        // An object name that is also a plain word ("Notizblatt") may be spoken; one with
        // capitals inside or digits ("UpDownEinheiten01") may not.
        static const QRegularExpression codeLike(QStringLiteral("[a-zäöü][A-Z]|[0-9]"));
        if (!name.isEmpty()
            && ((name == w->objectName() && codeLike.match(name).hasMatch()) || looksInternal(name)))
            problems << id + QStringLiteral(": announced by the internal name \"") + name + '"';
        const bool takesFocus = w->focusPolicy() != Qt::NoFocus && w->isEnabledTo(root)
            && !w->isHidden()
            && !w->focusProxy() && a->role() != QAccessible::Client;
        const QString description = a->text(QAccessible::Description);
        if (takesFocus && name.isEmpty() && description.isEmpty())
            problems << id + QStringLiteral(": takes the focus but has no name");
        if (choosesAValue(w)) {
            if (name.isEmpty())
                problems << id + QStringLiteral(": chooses a value but has no name");
            else if (entriesOf(w).contains(name))
                problems << id + QStringLiteral(": announced by its value \"") + name + '"';
            if (auto* box = qobject_cast<QComboBox*>(w);
                box && a->text(QAccessible::Value).simplified() != box->currentText().simplified())
                problems << id + QStringLiteral(": shows \"") + box->currentText()
                            + QStringLiteral("\" but its value reads \"")
                            + a->text(QAccessible::Value) + '"';
            // The drop-down list is named like its box.
            if (qobject_cast<QComboBox*>(w) && a->childCount() > 0 && a->child(0)
                && a->child(0)->text(QAccessible::Name).simplified() != name)
                problems << id + QStringLiteral(": its open list is announced as \"")
                            + a->child(0)->text(QAccessible::Name) + '"';
        }
        if (qobject_cast<QTabWidget*>(w) && name.isEmpty())
            problems << id + QStringLiteral(": a tab widget without a name");
        if (auto* label = qobject_cast<QLabel*>(w)) {
            const QString shown = plain(label->text());
            if (!shown.isEmpty() && !label->accessibleName().isEmpty()
                && plain(label->accessibleName()) != shown)
                problems << id + QStringLiteral(": shows \"") + shown
                            + QStringLiteral("\" but is announced as \"") + name + '"';
        }
    }
    return problems;
}

QChar mnemonicOf(QWidget* w)
{
    QString text;
    if (auto* b = qobject_cast<QAbstractButton*>(w))
        text = b->text();
    else if (auto* l = qobject_cast<QLabel*>(w); l && l->buddy())
        text = l->text();
    for (int i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&'))
            continue;
        if (text[i + 1] != QLatin1Char('&'))
            return text[i + 1].toLower();
        ++i;
    }
    return {};
}

// Controls that can be on screen together must not share an Alt letter. Pages of a stack
// (and of a tab widget) are never on screen together, so each page is a scope of its own
// that also sees the letters of everything around the stack.
void checkMnemonics(QWidget* scope, QMap<QChar, QString> seen, QStringList& problems)
{
    QList<QWidget*> nestedPages;
    std::function<void(QWidget*)> walk = [&](QWidget* w) {
        for (QObject* o : w->children()) {
            auto* c = qobject_cast<QWidget*>(o);
            if (!c || c->isWindow() || c->isHidden())
                continue;
            if (auto* stack = qobject_cast<QStackedWidget*>(c)) {
                for (int i = 0; i < stack->count(); ++i)
                    nestedPages << stack->widget(i);
                continue;
            }
            const QChar letter = mnemonicOf(c);
            if (!letter.isNull()) {
                const QString here = c->objectName();
                if (seen.contains(letter))
                    problems << QStringLiteral("Alt+%1 on both %2 and %3")
                                    .arg(letter, seen[letter], here);
                else
                    seen.insert(letter, here);
            }
            walk(c);
        }
    };
    walk(scope);
    for (QWidget* page : nestedPages)
        checkMnemonics(page, seen, problems);
}

} // namespace

TEST(Accessibility, EveryPageAndEveryHelpAndAboutWindow)
{
    TestServices ts;
    StatisticsStore store{ts.clock, ts.messages};
    QTemporaryDir dataDir;
    store.setDataDirectory(dataDir.path());
    TFormHaupt win(ts.services, store, [](QWidget*, const QString&, QString*) { return false; });

    QStringList problems = problemsOf(&win);
    // The help and about windows exist (hidden) from the start, or when first asked for.
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top != &win && top->parentWidget() == &win) {
            const QString cls = QString::fromLatin1(top->metaObject()->className());
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(top);
            if (!a || a->text(QAccessible::Name).isEmpty())
                problems << cls + QStringLiteral(": a window without a name");
            else if (a->role() != QAccessible::Window && a->role() != QAccessible::Dialog)
                problems << cls + QStringLiteral(": read as role %1, not as a window")
                                      .arg(int(a->role()));
            problems += problemsOf(top);
        }
    EXPECT_TRUE(problems.isEmpty()) << problems.join(QLatin1Char('\n')).toStdString();

    QStringList clashes;
    checkMnemonics(&win, {}, clashes);
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top != &win && top->parentWidget() == &win)
            checkMnemonics(top, {}, clashes);
    EXPECT_TRUE(clashes.isEmpty()) << clashes.join(QLatin1Char('\n')).toStdString();
}
