// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/translated.h"

#include "app/shown.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QVariant>

namespace zephyra {

namespace {

constexpr const char* textProperty = "zephyraEnglishText";
constexpr const char* nameProperty = "zephyraEnglishName";

void showText(QObject* object, const QString& text) {
    if (auto* button = qobject_cast<QAbstractButton*>(object)) {
        button->setText(text);
        fitCaption(button);
    } else if (auto* label = qobject_cast<QLabel*>(object)) {
        label->setText(text);
    } else if (auto* box = qobject_cast<QGroupBox*>(object)) {
        box->setTitle(text);
        box->setAccessibleName(text);
        fitCaption(box);
    } else if (auto* menu = qobject_cast<QMenu*>(object)) {
        menu->setTitle(text);
    } else if (auto* action = qobject_cast<QAction*>(object)) {
        action->setText(text);
    }
}

void retranslateOne(QObject* object) {
    const QVariant text = object->property(textProperty);
    if (text.isValid())
        showText(object, windowText(text.toByteArray().constData()));
    const QVariant name = object->property(nameProperty);
    if (name.isValid())
        if (auto* widget = qobject_cast<QWidget*>(object))
            widget->setAccessibleName(windowText(name.toByteArray().constData()));
}

} // namespace

QString windowText(const char* english) {
    return QCoreApplication::translate(windowContext, english);
}

void setTranslatedText(QObject* object, const char* english) {
    object->setProperty(textProperty, QByteArray(english));
    showText(object, windowText(english));
}

void setTranslatedName(QWidget* widget, const char* english) {
    widget->setProperty(nameProperty, QByteArray(english));
    widget->setAccessibleName(windowText(english));
}

void retranslate(QObject* root) {
    retranslateOne(root);
    for (QObject* object : root->findChildren<QObject*>())
        retranslateOne(object);
}

} // namespace zephyra
