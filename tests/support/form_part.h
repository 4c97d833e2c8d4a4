// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Finds a named component of a window, as tests of a form reach its parts.

#include <QObject>
#include <QtGlobal>

template <class T> T* part(QObject& owner, const char* name) {
    T* p = owner.findChild<T*>(QString::fromLatin1(name));
    if (!p) qFatal("no component %s of type %s", name, T::staticMetaObject.className());
    return p;
}
