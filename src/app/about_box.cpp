// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/about_box.h"

#include "app/designed_look.h"
#include "scene/scene.h"

#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QtMath>

namespace zephyra {

namespace {

void arrow(QPainter& painter, QPointF from, QPointF to, const QColor& colour) {
    painter.setPen(QPen(colour, 4, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(from, to);
    const double angle = std::atan2(to.y() - from.y(), to.x() - from.x());
    for (const double side : {-0.45, 0.45}) {
        const QPointF barb(to.x() - 12 * std::cos(angle + side),
                           to.y() - 12 * std::sin(angle + side));
        painter.drawLine(to, barb);
    }
}

} // namespace

QImage aboutLogo(int size) {
    QImage logo(size, size, QImage::Format_ARGB32_Premultiplied);
    logo.fill(Qt::transparent);
    QPainter painter(&logo);
    painter.setRenderHint(QPainter::Antialiasing);
    const double s = size / 100.0;
    painter.setPen(QPen(QColor::fromRgb(khakiColour), 4 * s));
    painter.setBrush(QColor(0, 255, 255));
    painter.drawEllipse(QRectF(3 * s, 3 * s, 94 * s, 94 * s));
    const QPointF tail(22 * s, 70 * s), joint(70 * s, 72 * s), tip(74 * s, 26 * s);
    arrow(painter, tail, joint, QColor(0, 0, 255));
    arrow(painter, joint, tip, QColor(0, 0, 0));
    arrow(painter, tail, tip, QColor(255, 0, 0));
    return logo;
}

Taboutboxp::Taboutboxp(const QString& caption, const QString& productName, const QString& version,
                       const QUrl& guide, const std::function<void(const QUrl&)>& openLink,
                       QWidget* parent, double scale)
    : QDialog(parent) {
    setObjectName(QStringLiteral("aboutboxp"));
    setWindowTitle(caption);
    setModal(true);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    const auto scaled = [scale](int pixels) { return qRound(pixels * scale); };
    if (scale != 1.0)
        setFont(scaledFont(font(), scale));

    auto* logo = new QLabel(this);
    logo->setObjectName(QStringLiteral("ProgramIcon"));
    // Drawn at the resolution it is shown at.
    const double ratio = parent ? parent->devicePixelRatioF() : devicePixelRatioF();
    QPixmap picture = QPixmap::fromImage(aboutLogo(qRound(96 * scale * ratio)));
    picture.setDevicePixelRatio(ratio);
    logo->setPixmap(picture);
    auto* product = new QLabel(productName, this);
    product->setObjectName(QStringLiteral("ProductName"));
    QFont bold = product->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.3);
    product->setFont(bold);
    auto* versionLine = new QLabel(version, this);
    versionLine->setObjectName(QStringLiteral("Version"));
    auto* comment =
        new QLabel(tr("Relative motion for the classroom: fly a plane through the wind and see how "
                      "velocities add as vectors. Free software under the GNU GPL, version 3 or "
                      "later."),
                   this);
    comment->setObjectName(QStringLiteral("Comments"));
    comment->setWordWrap(true);
    comment->setFixedWidth(scaled(240));
    // The fixed-size layout may give a longer translation too few lines.
    comment->setMinimumHeight(comment->heightForWidth(comment->width()));
    auto* link = new QLabel(QStringLiteral("<a href=\"%1\">%2</a>")
                                .arg(guide.toString(QUrl::FullyEncoded), tr("Zephyra user guide")),
                            this);
    link->setObjectName(QStringLiteral("guideLink"));
    link->setTextFormat(Qt::RichText);
    link->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    connect(link, &QLabel::linkActivated, this, [this, openLink](const QString& url) {
        openLink(QUrl(url));
        accept();
    });

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(scaled(16), scaled(16), scaled(16), scaled(16));
    grid->setHorizontalSpacing(scaled(16));
    grid->addWidget(logo, 0, 0, 4, 1, Qt::AlignTop);
    grid->addWidget(product, 0, 1);
    grid->addWidget(versionLine, 1, 1);
    grid->addWidget(comment, 2, 1);
    grid->addWidget(link, 3, 1);
    grid->setSizeConstraint(QLayout::SetFixedSize);
}

void Taboutboxp::mousePressEvent(QMouseEvent* event) {
    event->accept();
    accept();
}

} // namespace zephyra
