// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_window.h"

#include "app/menu_table.h"
#include "app/notebook.h"
#include "app/picture_view.h"
#include "app/shape_view.h"
#include "motions/questions.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include <algorithm>

namespace zephyra {

namespace {

void fillBackground(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QString caption(const ControlSpec& spec) {
    return spec.caption ? QString::fromUtf8(spec.caption) : QString();
}

QLabel* makeLabel(ControlKind kind, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    if (kind == ControlKind::CentredLabel)
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    else
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(kind == ControlKind::WrappedLabel);
    return label;
}

} // namespace

const QImage* Trelativefrm::pictureOf(const QString& name) const {
    static const QStringList turnButtons{QStringLiteral("Image10"), QStringLiteral("Image3"),
                                         QStringLiteral("Image4"),  QStringLiteral("Image5"),
                                         QStringLiteral("Image6"),  QStringLiteral("Image7")};
    if (const qsizetype tag = turnButtons.indexOf(name); tag >= 0)
        return &turnArrows_[static_cast<std::size_t>(tag)];
    const std::pair<const char*, const QImage*> pictures[] = {
        {"waterim", &scene_.waterim}, {"windim", &scene_.windim},
        {"planeim", &scene_.planeim}, {"resultantim", &scene_.resultantim},
        {"Image1", &scene_.image1},   {"airim", &scene_.airim},
        {"wim", &scene_.wim},         {"aim", &scene_.aim}};
    for (const auto& [pictureName, image] : pictures)
        if (name == QLatin1String(pictureName))
            return image;
    return nullptr;
}

void Trelativefrm::buildControls() {
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(clientSize);
    fillBackground(client, QColor::fromRgb(windowColour));
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    font.setPixelSize(11);
    client->setFont(font);
    setCentralWidget(client);
    controls_.insert(QStringLiteral("client"), client);

    for (const ControlSpec& spec : windowLayout()) {
        QWidget* parent = controls_.value(QLatin1String(spec.parent));
        QWidget* widget = buildControl(spec, parent);
        widget->setObjectName(QLatin1String(spec.name));
        if (spec.kind != ControlKind::Page)
            widget->setGeometry(spec.geometry);
        if (!spec.visible)
            widget->setVisible(false);
        if (spec.accessibleName)
            widget->setAccessibleName(QLatin1String(spec.accessibleName));
        else if (qobject_cast<QGroupBox*>(widget))
            widget->setAccessibleName(caption(spec)); // not the title of a box around it
        if (spec.fontPixelSize) {
            QFont small = widget->font();
            small.setPixelSize(spec.fontPixelSize);
            widget->setFont(small);
        }
        if (spec.cursor != Qt::ArrowCursor)
            widget->setCursor(spec.cursor);
        if (spec.background.isValid())
            fillBackground(widget, spec.background);
        widget->raise();
        controls_.insert(widget->objectName(), widget);
    }
}

QWidget* Trelativefrm::buildControl(const ControlSpec& spec, QWidget* parent) {
    const QString caption = zephyra::caption(spec);
    switch (spec.kind) {
    case ControlKind::GroupBox: {
        auto* box = new QGroupBox(caption, parent);
        box->setStyle(groupBoxStyle_);
        return box;
    }
    case ControlKind::Panel:
        return new QWidget(parent);
    case ControlKind::Notebook:
        notebook_ = new Notebook(parent);
        return notebook_;
    case ControlKind::Page:
        return notebook_->addPage(caption, QLatin1String(spec.name));
    case ControlKind::Button:
        return new QPushButton(caption, parent);
    case ControlKind::Label:
    case ControlKind::CentredLabel:
    case ControlKind::WrappedLabel: {
        QLabel* label = makeLabel(spec.kind, parent);
        label->setText(caption);
        return label;
    }
    case ControlKind::ScrollBar: {
        auto* bar = new QScrollBar(Qt::Horizontal, parent);
        bar->setInvertedControls(false); // Right and PageDown step up, as the arrows do
        bar->setFocusPolicy(Qt::StrongFocus);
        return bar;
    }
    case ControlKind::CheckBox:
        return new QCheckBox(caption, parent);
    case ControlKind::RadioButton: {
        auto* button = new QRadioButton(caption, parent);
        button->setChecked(spec.checked);
        return button;
    }
    case ControlKind::RadioGroup: {
        auto* group = new QGroupBox(caption, parent);
        group->setStyle(groupBoxStyle_);
        group->setGeometry(spec.geometry);
        buildDistanceItems(group);
        return group;
    }
    case ControlKind::Picture:
        return new PictureView(pictureOf(QLatin1String(spec.name)), parent);
    case ControlKind::Shape:
        return new ShapeView(spec.shape, parent);
    case ControlKind::Memo:
        return new QPlainTextEdit(parent);
    }
    return nullptr;
}

// Three columns filled top to bottom, each item as wide as its column and as high as an
// equal share of the space below the caption.
void Trelativefrm::buildDistanceItems(QWidget* group) {
    const std::vector<const char*>& items = distanceScaleItems();
    const int columns = 3;
    const int count = static_cast<int>(items.size());
    const int perColumn = (count + columns - 1) / columns;
    const int textHeight = group->fontMetrics().height();
    const int spare = group->height() - textHeight - 5;
    const int itemWidth = (group->width() - 10) / columns;
    const int itemHeight = spare / perColumn;
    const int topMargin = textHeight + 1 + (spare % perColumn) / 2;
    for (int i = 0; i < count; ++i) {
        auto* item = new QRadioButton(QString::fromUtf8(items[static_cast<std::size_t>(i)]), group);
        item->setObjectName(QStringLiteral("distancerb%1").arg(i));
        item->setGeometry((i / perColumn) * itemWidth + 8, (i % perColumn) * itemHeight + topMargin,
                          itemWidth, itemHeight);
        distanceItems_.push_back(item);
    }
}

void Trelativefrm::buildMenu() {
    QHash<QString, QMenu*> menus;
    QHash<QString, QStringList> questionPaths; // submenus of "Questions" by their caption path
    QList<std::pair<QStringList, QMenu*>> questionMenus;
    for (const MenuSpec& spec : mainMenu()) {
        const QString name = QLatin1String(spec.name);
        const QString caption = QString::fromUtf8(spec.caption);
        const QString parentName = spec.parent ? QLatin1String(spec.parent) : QString();
        QMenu* parent = menus.value(parentName);
        QAction* action = nullptr;
        if (spec.kind == MenuKind::Submenu) {
            QMenu* menu = parent ? parent->addMenu(caption) : menuBar()->addMenu(caption);
            menu->setObjectName(name);
            menus.insert(name, menu);
            action = menu->menuAction();
            if (parentName == QLatin1String("Experiment1") || questionPaths.contains(parentName)) {
                const QStringList path = questionPaths.value(parentName) << caption;
                questionPaths.insert(name, path);
                questionMenus.append({path, menu});
            }
        } else if (spec.kind == MenuKind::Separator) {
            action = parent->addSeparator();
        } else {
            action = parent->addAction(caption);
            action->setCheckable(spec.kind == MenuKind::CheckItem);
            action->setVisible(spec.kind != MenuKind::HiddenItem);
            action->setData(spec.tag);
            if (spec.shortcut)
                action->setShortcut(QKeySequence(QLatin1String(spec.shortcut)));
        }
        action->setObjectName(name);
        actions_.insert(name, action);
    }
    buildQuestionItems(questionMenus);
}

// Each question names its submenus and its caption.
void Trelativefrm::buildQuestionItems(const QList<std::pair<QStringList, QMenu*>>& menus) {
    const std::vector<Question>& list = questions();
    for (int index = 0; index < static_cast<int>(list.size()); ++index) {
        const Question& question = list[static_cast<std::size_t>(index)];
        // A caption may hold a '/' itself ("Start/finish line"): the deepest submenu whose
        // path begins the question's path is its home, and the rest is its caption.
        QMenu* home = nullptr;
        QString caption;
        for (const auto& [path, menu] : menus) {
            const QString prefix = path.join(QLatin1Char('/')) + QLatin1Char('/');
            if (question.menuPath.startsWith(prefix) &&
                (!home || question.menuPath.size() - prefix.size() < caption.size())) {
                home = menu;
                caption = question.menuPath.mid(prefix.size());
            }
        }
        if (!home)
            continue;
        QAction* item = home->addAction(caption);
        QString name = question.handler;
        if (name.endsWith(QLatin1String("Click")))
            name.chop(5);
        item->setObjectName(name);
        actions_.insert(name, item);
        connect(item, &QAction::triggered, this, [this, index] {
            handle([this, index] { showQuestion(scene_, index); });
            focusPanel();
        });
    }
}

} // namespace zephyra
