// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QUrl>

#include <functional>

class QLabel;

namespace zephyra {

// The about box: product, version, a short comment, the logo and a link to the user guide.
// A click anywhere on it closes it. It is shown at the scale of the window's client area.
class Taboutboxp : public QDialog {
    Q_OBJECT
public:
    Taboutboxp(const QString& caption, const QString& productName, const QString& version,
               const QUrl& guide, const std::function<void(const QUrl&)>& openLink, QWidget* parent,
               double scale = 1.0);

protected:
    void mousePressEvent(QMouseEvent* event) override;
};

// The presenter's logo: a wind, a plane and a ground velocity added tip to tail.
QImage aboutLogo(int size);

} // namespace zephyra
