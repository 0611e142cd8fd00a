// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/notebook.h"

#include "app/shown.h"
#include "app/translated.h"

#include <QPainter>
#include <QStackedWidget>
#include <QStyleOptionTabWidgetFrame>
#include <QTabBar>

namespace zephyra {

Notebook::Notebook(QWidget* parent)
    : QWidget(parent), tabs_(new QTabBar(this)), pages_(new QStackedWidget(this)) {
    QFont tabFont(QStringLiteral("sans-serif"));
    tabFont.setPixelSize(tabPixelSize);
    tabFont.setBold(false);
    tabs_->setFont(tabFont);
    tabs_->setDrawBase(false);
    tabs_->setExpanding(false);
    connect(tabs_, &QTabBar::currentChanged, this, [this](int index) {
        pages_->setCurrentIndex(index);
        Q_EMIT currentChanged(index);
    });
}

QWidget* Notebook::addPage(const char* caption, const QString& objectName) {
    auto* page = new QWidget(pages_);
    page->setObjectName(objectName);
    // Pages wear the desktop's own dialog colour, not the panel's khaki around them.
    QPalette palette = page->palette();
    palette.setColor(QPalette::Window, QColor(240, 240, 240));
    page->setPalette(palette);
    page->setAutoFillBackground(true);
    pages_->addWidget(page);
    tabs_->addTab(windowText(caption));
    captions_.push_back(caption);
    fitTabs();
    placeChildren();
    return page;
}

void Notebook::retranslate() {
    for (std::size_t i = 0; i < captions_.size(); ++i)
        tabs_->setTabText(static_cast<int>(i), windowText(captions_[i]));
    fitTabs();
}

// Tabs longer than the designed ones take a smaller font, down to the floor captions have.
void Notebook::fitTabs() {
    QFont font = tabs_->font();
    font.setPixelSize(tabPixelSize);
    tabs_->setFont(font);
    while (font.pixelSize() > smallestPixelSize && tabs_->sizeHint().width() > tabs_->width()) {
        font.setPixelSize(font.pixelSize() - 1);
        tabs_->setFont(font);
    }
}

int Notebook::currentIndex() const {
    return tabs_->currentIndex();
}

void Notebook::setCurrentIndex(int index) {
    tabs_->setCurrentIndex(index);
}

void Notebook::resizeEvent(QResizeEvent*) {
    placeChildren();
}

// Also called before the first show, when resize events are still pending.
void Notebook::placeChildren() {
    tabs_->setGeometry(2, 0, width() - 4, pageOrigin.y() - 3);
    pages_->setGeometry(pageOrigin.x(), pageOrigin.y(), width() - 2 * pageOrigin.x(),
                        height() - pageOrigin.y() - pageOrigin.x());
}

void Notebook::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QStyleOptionTabWidgetFrame frame;
    frame.initFrom(this);
    frame.rect = QRect(0, pageOrigin.y() - 4, width(), height() - pageOrigin.y() + 4);
    frame.shape = QTabBar::RoundedNorth;
    frame.tabBarSize = tabs_->sizeHint();
    style()->drawPrimitive(QStyle::PE_FrameTabWidget, &frame, &painter, this);
}

} // namespace zephyra
