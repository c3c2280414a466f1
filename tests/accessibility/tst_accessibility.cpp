// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/unit_words.h"
#include "every_form.h"
#include "support/test_registry.h"
#include "ui/form_accessibility.h"

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>

#include <functional>

using namespace ampora;

namespace {

// Every node below `root`, depth first. The inside of the help viewer's web view is the
// page's (the web engine builds it from the manual's HTML, in code without C++ type
// information), so the walk stops at the view itself.
void Walk(QAccessibleInterface* root, const std::function<void(QAccessibleInterface*)>& visit,
          int depth = 0) {
    if (!root || depth > 64) return;
    visit(root);
    if (root->object() && root->object()->inherits("QWebEngineView")) return;
    for (int i = 0; i < root->childCount(); ++i) Walk(root->child(i), visit, depth + 1);
}

QString Describe(const QAccessibleInterface* node) {
    const QObject* object = node->object();
    return QStringLiteral("%1 (%2)").arg(
        object ? object->objectName() : QStringLiteral("?"),
        object ? QString::fromLatin1(object->metaObject()->className()) : QString());
}

bool Readable(const QString& name) {
    for (const QChar ch : name)
        if (ch.isLetterOrNumber()) return true;
    return false;
}

}  // namespace

class TestAccessibility : public QObject {
    Q_OBJECT
private slots:
    void focusableControlsAreNamed_data() { test::EveryForm::addRows(); }
    void focusableControlsAreNamed();
    void boxesHaveDistinctNames_data() { test::EveryForm::addRows(); }
    void boxesHaveDistinctNames();
    void clearButtonsNameTheirBox_data() { test::EveryForm::addRows(); }
    void clearButtonsNameTheirBox();
    void titlesAreReadOnce_data() { test::EveryForm::addRows(); }
    void titlesAreReadOnce();
    void boxesAreNamedAsUsersReadThem_data();
    void boxesAreNamedAsUsersReadThem();
    void unitsAreWholeWords();
    void boxesAreDescribedByKnownUnits_data() { test::EveryForm::addRows(); }
    void boxesAreDescribedByKnownUnits();
};

void TestAccessibility::focusableControlsAreNamed() {
    QFETCH(int, index);
    test::EveryForm forms;
    const auto form = forms.show(index);
    QVERIFY(form);
    QStringList unnamed;
    int focusable = 0;
    Walk(QAccessible::queryAccessibleInterface(form.get()), [&](QAccessibleInterface* node) {
        const QAccessible::State state = node->state();
        if (!state.focusable || state.invisible) return;
        ++focusable;
        const QString name = node->text(QAccessible::Name);
        if (!Readable(name)) unnamed << QStringLiteral("%1 named \"%2\"").arg(Describe(node), name);
    });
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QLatin1String(", "))));
    if (focusable == 0) QWARN("no focusable control");
}

void TestAccessibility::boxesHaveDistinctNames() {
    QFETCH(int, index);
    test::EveryForm forms;
    const auto form = forms.show(index);
    QVERIFY(form);
    QSet<QString> seen;
    QStringList shared;
    for (QWidget* w : form->findChildren<QWidget*>()) {
        if (!qobject_cast<QLineEdit*>(w) && !qobject_cast<QComboBox*>(w)) continue;
        if (qobject_cast<QComboBox*>(w->parentWidget())) continue;
        const QString name = QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
        if (name.isEmpty()) continue;  // a scratch box never shown; visible ones are checked above
        if (seen.contains(name)) shared << name;
        seen.insert(name);
    }
    QVERIFY2(shared.isEmpty(),
             qPrintable(QStringLiteral("shared names: ") + shared.join(QLatin1String(", "))));
}

void TestAccessibility::clearButtonsNameTheirBox() {
    QFETCH(int, index);
    test::EveryForm forms;
    const auto form = forms.show(index);
    QVERIFY(form);
    QSet<QString> boxNames;
    for (const QLineEdit* box : form->findChildren<QLineEdit*>()) boxNames.insert(box->accessibleName());
    for (const QPushButton* button : form->findChildren<QPushButton*>()) {
        if (button->text() != QLatin1String("*")) continue;
        const QString name = button->accessibleName();
        QVERIFY2(name.startsWith(QLatin1String("Clear ")),
                 qPrintable(button->objectName() + QLatin1String(": ") + name));
        QVERIFY2(boxNames.contains(name.mid(6)),
                 qPrintable(button->objectName() + QLatin1String(": ") + name));
    }
}

void TestAccessibility::titlesAreReadOnce() {
    QFETCH(int, index);
    test::EveryForm forms;
    const auto form = forms.show(index);
    QVERIFY(form);
    QList<const QObject*> reached;
    QStringList texts;
    Walk(QAccessible::queryAccessibleInterface(form.get()), [&](QAccessibleInterface* node) {
        reached << node->object();
        if (node->role() == QAccessible::StaticText) texts << node->text(QAccessible::Name);
    });
    for (const QLabel* label : form->findChildren<QLabel*>()) {
        if (!label->property(kDecorative).toBool()) continue;
        QVERIFY2(!reached.contains(label), qPrintable(label->objectName()));
        QCOMPARE(texts.count(label->text()), 1);
    }
}

// What a screen reader announces for some boxes: the caption, or the plain name a form
// gives where captions are shared or missing, and the unit beside the box in words.
void TestAccessibility::boxesAreNamedAsUsersReadThem_data() {
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("unit");
    QTest::newRow("conductance: resistance") << "cond"
                                             << "r"
                                             << "Resistance"
                                             << "ohms";
    QTest::newRow("conductance: conductance") << "cond"
                                              << "c"
                                              << "Conductance"
                                              << "mhos";
    QTest::newRow("ammeter: total current") << "amm"
                                            << "i"
                                            << "Total current"
                                            << "";
    QTest::newRow("ammeter: galvanometer current") << "amm"
                                                   << "ig"
                                                   << "Galvanometer current"
                                                   << "";
    QTest::newRow("ammeter: shunt without a caption") << "amm"
                                                      << "rs"
                                                      << "Shunt resistance"
                                                      << "";
    QTest::newRow("basic electricity: power, past its \"*\"") << "pd"
                                                              << "p"
                                                              << "Power"
                                                              << "watts";
    QTest::newRow("basic electricity: time") << "pd"
                                             << "t"
                                             << "Time"
                                             << "seconds";
    QTest::newRow("electro-magnetism: field strength") << "mag"
                                                       << "H"
                                                       << "Magnetic Field Strength"
                                                       << "ampere-turns per metre";
    QTest::newRow("electro-magnetism: raised degree mark") << "mag"
                                                           << "ang"
                                                           << "Angle (theeta)"
                                                           << "degrees";
    QTest::newRow("resistance: unit before the \"*\"") << "res"
                                                       << "v"
                                                       << "Voltage Applied"
                                                       << "volts";
    QTest::newRow("inductance: the answer of a list") << "ind"
                                                      << "ans"
                                                      << "L"
                                                      << "henries";
    QTest::newRow("triangle: a sketch's letter is no unit") << "ratri"
                                                            << "A"
                                                            << "Angle A"
                                                            << "";
}

void TestAccessibility::boxesAreNamedAsUsersReadThem() {
    QFETCH(QString, form);
    QFETCH(QString, box);
    QFETCH(QString, name);
    QFETCH(QString, unit);
    test::EveryForm forms;
    const auto entries = AllForms();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (QString::fromLatin1(entries[i].name) != form) continue;
        const auto shown = forms.show(static_cast<int>(i));
        QVERIFY(shown);
        QWidget* control = shown->findChild<QLineEdit*>(box);
        QVERIFY(control);
        QCOMPARE(QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name), name);
        QCOMPARE(QAccessible::queryAccessibleInterface(control)->text(QAccessible::Description), unit);
        return;
    }
    QSKIP("this form is not part of the program");
}

// Every unit has words a listener understands, for one label each.
void TestAccessibility::unitsAreWholeWords() {
    QSet<QString> labels;
    for (const UnitWords& unit : UnitTable()) {
        const QString label = QString::fromUtf8(unit.label.data(), qsizetype(unit.label.size()));
        const QString words = QString::fromUtf8(unit.words.data(), qsizetype(unit.words.size()));
        QVERIFY2(!labels.contains(label), qPrintable(label));
        labels.insert(label);
        static const QRegularExpression kWords(QStringLiteral("^[a-z]+([ -][a-z]+)*$"));
        QVERIFY2(kWords.match(words).hasMatch(), qPrintable(label + QLatin1String(": ") + words));
        // Labels are laid out with blanks around them now and then (" H").
        std::string padded = " ";
        padded.append(unit.label).append(" ");
        QVERIFY(UnitInWords(padded) == unit.words);
    }
    QVERIFY(UnitInWords("not a unit").empty());
}

// A box's description is the words of a unit the table knows, so a form with a new unit
// label fails here until the table has its words.
void TestAccessibility::boxesAreDescribedByKnownUnits() {
    QFETCH(int, index);
    test::EveryForm forms;
    const auto form = forms.show(index);
    QVERIFY(form);
    QSet<QString> known;
    for (const UnitWords& unit : UnitTable())
        known.insert(QString::fromUtf8(unit.words.data(), qsizetype(unit.words.size())));
    for (const QLineEdit* box : form->findChildren<QLineEdit*>()) {
        const QString description = box->accessibleDescription();
        QVERIFY2(description.isEmpty() || known.contains(description),
                 qPrintable(box->objectName() + QLatin1String(": ") + description));
    }
}

AMPORA_TEST(TestAccessibility)
#include "tst_accessibility.moc"
