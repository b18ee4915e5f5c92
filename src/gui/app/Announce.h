#pragma once

#include <QAccessible>
#include <QWidget>

// A screen reader hears a label that changed (a message saved, a check done, a merge row sent
// or refused), not only a person who looks at it.
inline void announce(QWidget* label) {
    QAccessibleEvent changed(label, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}
