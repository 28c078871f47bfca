#pragma once

#include <QAccessible>
#include <QStringList>

// The controls showing under a window that a screen reader could reach but not name: what
// takes the focus, and the pictures. Each as its role and place in the tree.
inline QStringList unnamedControls(QAccessibleInterface* node, const QString& path = {}) {
    QStringList out;
    for (int i = 0; i < node->childCount(); ++i) {
        QAccessibleInterface* child = node->child(i);
        const QString place = path + QLatin1Char('/') + QString::number(i);
        if (child->state().invisible) {
            continue;
        }
        const bool control = child->state().focusable || child->role() == QAccessible::Graphic;
        if (control && child->text(QAccessible::Name).isEmpty()) {
            const QObject* o = child->object();
            out << QStringLiteral("%1 %2 role %3")
                       .arg(place, o ? o->metaObject()->className() : "?")
                       .arg(int(child->role()));
        }
        out << unnamedControls(child, place);
    }
    return out;
}

inline QStringList unnamedControls(QObject* window) {
    return unnamedControls(QAccessible::queryAccessibleInterface(window));
}
