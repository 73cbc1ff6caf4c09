// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScreenReaders.h"

#include "AccessibleNames.h"
#include "TextDoor.h"
#include "WrappingWidgets.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>

namespace velmora {

namespace {

constexpr char kUnitProperty[] = "velmoraFigureUnit";

// A label showing a figure, as a screen reader reads it: what the figure
// means (its name), the text shown (its value) and the unit shown beside it
// (its description).
class FigureAccessible : public QAccessibleWidget {
public:
    explicit FigureAccessible(QLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}
    QString text(QAccessible::Text t) const override
    {
        const auto* label = static_cast<const QLabel*>(widget());
        if (t == QAccessible::Value) return label->text();
        const auto* unit = qobject_cast<const QLabel*>(label->property(kUnitProperty).value<QObject*>());
        const QString unitText = unit ? unit->text().trimmed() : QString();
        if (t == QAccessible::Description) return unitText;
        if (t == QAccessible::Name) {
            // The meaning, the figure and its unit: what a screen reader that reads names says.
            QString name = QAccessibleWidget::text(t) + QStringLiteral(": ") + label->text();
            if (!unitText.isEmpty()) name += QLatin1Char(' ') + unitText;
            return name;
        }
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* figureFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String(FigureLabel::staticMetaObject.className()))
        return new FigureAccessible(static_cast<FigureLabel*>(object));
    return nullptr;
}

} // namespace

bool isFigure(Ctl id)
{
    for (const AccessibleDef& def : accessibleNames())
        if (def.id == id) return def.figure;
    return false;
}

void readFiguresAsFigures()
{
    static const bool installed = (QAccessible::installFactory(figureFactory), true);
    (void)installed;
}

void nameForScreenReaders(const std::function<QWidget*(Ctl)>& widget)
{
    for (const AccessibleDef& def : accessibleNames()) {
        QWidget* w = widget(def.id);
        if (!w) continue;
        w->setAccessibleName(qtText(def.name));
        if (auto* caption = qobject_cast<QLabel*>(def.caption == Ctl::Count ? nullptr : widget(def.caption)))
            caption->setBuddy(w); // "labelled by" for screen readers
        if (!def.figure) continue;
        if (QWidget* unit = def.unit == Ctl::Count ? nullptr : widget(def.unit))
            w->setProperty(kUnitProperty, QVariant::fromValue<QObject*>(unit));
    }
}

void announceFigure(QLabel* label, const QString& text)
{
    if (!QAccessible::isActive() || !qobject_cast<FigureLabel*>(label)) return;
    // The figure is in the label's name too: both change.
    QAccessibleValueChangeEvent changed(label, text);
    QAccessible::updateAccessibility(&changed);
    QAccessibleEvent renamed(label, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&renamed);
}

void announceRecorder(QWidget& window, const QString& name)
{
    // The name is the window's description too, and the title carries it.
    window.setAccessibleDescription(name);
    if (!QAccessible::isActive()) return;
    QAccessibleEvent described(&window, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&described);
    QAccessibleEvent renamed(&window, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&renamed);
}

} // namespace velmora
