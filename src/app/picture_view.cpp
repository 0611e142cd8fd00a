// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/picture_view.h"

#include <QPaintEvent>
#include <QPainter>
#include <QRegion>

#include <cmath>
#include <cstring>

namespace zephyra {

QRect changedRect(const QImage& before, const QImage& after) {
    if (before.size() != after.size() || before.format() != after.format() || after.depth() != 32)
        return after.rect();
    const auto rowBytes = static_cast<std::size_t>(after.bytesPerLine());
    const auto rowDiffers = [&](int y) {
        return std::memcmp(before.constScanLine(y), after.constScanLine(y), rowBytes) != 0;
    };
    int top = 0;
    while (top < after.height() && !rowDiffers(top))
        ++top;
    if (top == after.height())
        return {};
    int bottom = after.height() - 1;
    while (!rowDiffers(bottom))
        --bottom;
    // A tall band (the sky moving under the plane) is repainted whole: narrowing it would cost
    // more than it saves.
    if (4 * (bottom - top + 1) > after.height())
        return {0, top, after.width(), bottom - top + 1};
    int left = after.width(), right = -1;
    for (int y = top; y <= bottom; ++y) {
        const auto* was = reinterpret_cast<const quint32*>(before.constScanLine(y));
        const auto* now = reinterpret_cast<const quint32*>(after.constScanLine(y));
        for (int x = 0; x < left; ++x)
            if (was[x] != now[x]) {
                left = x;
                break;
            }
        for (int x = after.width() - 1; x > right; --x)
            if (was[x] != now[x]) {
                right = x;
                break;
            }
    }
    return {QPoint(left, top), QPoint(right, bottom)};
}

void copyRect(const QImage& picture, const QRect& rect, QImage& copy) {
    const std::ptrdiff_t bytes = picture.depth() / 8;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        std::memcpy(copy.scanLine(y) + rect.left() * bytes,
                    picture.constScanLine(y) + rect.left() * bytes,
                    static_cast<std::size_t>(rect.width() * bytes));
}

PictureView::PictureView(const QImage* image, QWidget* parent)
    : PointerWidget(parent), image_(image), shownKey_(image->cacheKey()), shown_(image->copy()) {}

void PictureView::showEvent(QShowEvent* event) {
    // On a fractional scale Qt rounds a widget's device rectangle and what its parent paints
    // around it apart, and a row or column of device pixels can fall between the two: there the
    // parent paints under the view too, so that no pixel is left as it was.
    const double ratio = devicePixelRatioF();
    setAttribute(Qt::WA_OpaquePaintEvent, ratio == std::floor(ratio));
    PointerWidget::showEvent(event);
}

void PictureView::refresh(bool wholly) {
    if (image_->cacheKey() == shownKey_)
        return;
    shownKey_ = image_->cacheKey();
    if (wholly || stale_) {
        stale_ = wholly;
        if (!wholly)
            shown_ = image_->copy();
        update();
        return;
    }
    const QRect changed = changedRect(shown_, *image_);
    if (changed.isEmpty())
        return;
    const bool alike = shown_.size() == image_->size() && shown_.format() == image_->format() &&
                       image_->depth() == 32;
    if (alike)
        copyRect(*image_, changed, shown_);
    else
        shown_ = image_->copy();
    // A picture smaller than its view leaves the rest of the view to paint as well.
    update(alike ? changed : rect());
}

void PictureView::paintSharp(QPainter& painter, double scale) {
    // In device pixels: the sharp picture at the view's top-left corner, the window's colour
    // in what it leaves of the view's device pixels.
    const QRectF device = painter.deviceTransform().mapRect(QRectF(rect()));
    painter.setWorldTransform(painter.deviceTransform().inverted() * painter.worldTransform());
    const QPoint origin(qRound(device.left()), qRound(device.top()));
    const QRect area(origin, QPoint(static_cast<int>(std::ceil(device.right())),
                                    static_cast<int>(std::ceil(device.bottom()))));
    const QRect picture(origin, QSize(static_cast<int>(std::ceil(image_->width() * scale)),
                                      static_cast<int>(std::ceil(image_->height() * scale))));
    for (const QRect& rest : QRegion(area) - QRegion(picture))
        painter.fillRect(rest, palette().window());
    painter.setClipRect(picture, Qt::IntersectClip);
    painter.translate(origin);
    renderer_(scale, painter);
}

void PictureView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QTransform device = painter.deviceTransform();
    // Shown scaled (uniformly, without turning), the view paints its picture sharp.
    if (renderer_ && device.type() <= QTransform::TxScale && device.m11() == device.m22() &&
        device.m11() != 1.0) {
        paintSharp(painter, device.m11());
        return;
    }
    const QRect picture = image_->rect();
    // On a fractional scale the widget's last row and column of device pixels may lie past
    // its scaled rectangle: they are filled too (the painter clips to the widget).
    const bool fractional = devicePixelRatioF() != std::floor(devicePixelRatioF());
    for (const QRect& area : event->region()) {
        if (fractional)
            painter.fillRect(area.adjusted(0, 0, 1, 1), palette().window());
        else if (!picture.contains(area))
            painter.fillRect(area, palette().window());
        const QRect shown = area & picture;
        if (!shown.isEmpty())
            painter.drawImage(shown.topLeft(), *image_, shown);
    }
}

} // namespace zephyra
