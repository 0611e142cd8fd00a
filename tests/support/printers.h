// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QRect>
#include <QString>

#include <ostream>

// Readable failure messages for Qt values in GoogleTest.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}
inline void PrintTo(const QPoint& p, std::ostream* os) {
    *os << '(' << p.x() << ", " << p.y() << ')';
}
inline void PrintTo(const QRect& r, std::ostream* os) {
    *os << "QRect(" << r.x() << ", " << r.y() << ", " << r.width() << " x " << r.height() << ')';
}
QT_END_NAMESPACE
