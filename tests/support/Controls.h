// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>

#include <gtest/gtest.h>

// A window's control found as a tool that drives the user interface finds it:
// by its published name (the control's objectName), "cmdAPlayList(2)" for an
// element of a control array. A name the window does not have fails the test.
template <class T> T* control(const QObject& form, const QString& name)
{
    T* found = form.findChild<T*>(name);
    if (!found)
        ADD_FAILURE() << "no control " << name.toStdString() << " of that type";
    return found;
}

template <class T> T* control(const QObject& form, const char* name)
{
    return control<T>(form, QString::fromLatin1(name));
}

template <class T> T* control(const QObject& form, const char* array, int index)
{
    return control<T>(form, QStringLiteral("%1(%2)").arg(QLatin1String(array)).arg(index));
}
