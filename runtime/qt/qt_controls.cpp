// The controls of a window view: one widget per control kind, kept in step with the model's
// copies, with the user's clicks, choices and typing sent back as model input.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <algorithm>

#include "runtime/qt/code_page_guard.h"
#include "runtime/qt/legible_colours.h"
#include "runtime/qt/micr_e13b.h"
#include "runtime/qt/qt_control_widgets.h"
#include "runtime/qt/qt_list.h"
#include "runtime/qt/qt_resources.h"
#include "runtime/qt/qt_window.h"
#include "runtime/qt/qt_window_parts.h"
#include "runtime/text/codepage.h"
#include "runtime/text/number_text.h"
#include "runtime/text/picture.h"
#include "runtime/ui/codes.h"
#include "runtime/ui/popup_menu.h"

namespace rt::qt {
namespace {

QString qs(const std::string& s) {
    return QString::fromStdString(cp1252ToUtf8(s));
}

std::string cp(const QString& s) {
    return utf8ToCp1252(s.toStdString());
}

QColor colourOf(int rgb) {
    return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

Qt::Alignment horizontal(Align a, Qt::Alignment fallback) {
    switch (a) {
        case Align::Left:
            return Qt::AlignLeft;
        case Align::Center:
            return Qt::AlignHCenter;
        case Align::Right:
        case Align::Decimal:
            return Qt::AlignRight;
        default:
            return fallback;
    }
}

// A text with its "&" letter for Qt: an "&" before a blank marks no letter (no key is a
// blank), so it stays a plain "&" ("&Name & Address File").
QString mnemonicText(const std::string& text) {
    QString shown = qs(text);
    for (qsizetype i = 0; i + 1 < shown.size(); ++i) {
        if (shown[i] != u'&') continue;
        if (shown[i + 1] == u'&') {
            ++i;
        } else if (shown[i + 1] == u' ') {
            shown.insert(i, u'&');
            ++i;
        }
    }
    return shown;
}

// Plain text of a label: "&" marks no mnemonic here, "&&" is one "&".
QString labelText(const std::string& text) {
    return qs(withoutMnemonic(text));
}

// What an edit control shows of its value: the padding blanks of a text picture (or of a
// fixed-length field) would fill the control, leaving no room for typing and pushing a
// right-aligned text out of sight.
QString editText(const std::string& shown, bool number = false) {
    QString text = qs(shown);
    // A number stands right-aligned by leading blanks: they are padding too.
    if (number) text = text.trimmed();
    qsizetype end = text.size();
    while (end > 0 && text[end - 1] == u' ')
        --end;
    text.truncate(end);
    return text;
}

bool standsBelow(ControlKind k) {
    switch (k) {
        case ControlKind::Sheet:
        case ControlKind::Panel:
        case ControlKind::Box:
        case ControlKind::Group:
        case ControlKind::Option:
        case ControlKind::Image:
            return true;
        default:
            return false;
    }
}

bool isEditKind(ControlKind k) {
    return k == ControlKind::Entry || k == ControlKind::Text || k == ControlKind::Spin ||
           k == ControlKind::Combo;
}

}  // namespace

QFont WindowView::fontFor(const ControlData& data) const {
    return textFont(data.structure.font, window_.structure.font);
}

QWidget* WindowView::containerFor(const ControlData& data) const {
    if (data.structure.toolbar && toolbar_) return toolbar_;
    return canvas_;
}

QRect WindowView::controlRect(const ControlData& data, QWidget* widget) const {
    Rect at = data.structure.at;
    if (data.structure.toolbar && at.width == 0 && at.height == 0) {
        // Tool buttons without a place sit side by side in the order they were declared.
        at = {1, 2, 19, 17};
        for (int n : order_) {
            if (n == data.structure.number) break;
            const ControlData* other = this->data(n);
            if (other && other->structure.toolbar) at.x += 19;
        }
    }
    QRect r = units_.rect(at);
    if (widget && (r.width() <= 0 || r.height() <= 0)) {
        QSize hint = widget->sizeHint();
        if (r.width() <= 0) r.setWidth(std::max(1, hint.width()));
        if (r.height() <= 0) r.setHeight(std::max(1, hint.height()));
    }
    return r;
}

QWidget* WindowView::createWidget(const ControlData& data) {
    const int n = data.structure.number;
    QWidget* parent = containerFor(data);
    auto press = [this, n] {
        Input in;
        in.kind = Input::Kind::Press;
        in.control = n;
        send(in);
    };
    // A mouse click on a button: the model moves the focus to it before accepting it.
    auto click = [this, n] {
        Input in;
        in.kind = Input::Kind::Click;
        in.control = n;
        in.key = KEY::LeftClick;
        send(in);
    };
    QWidget* w = nullptr;
    switch (data.structure.kind) {
        case ControlKind::Button:
            if (data.structure.toolbar) {
                auto* b = new QToolButton(parent);
                b->setAutoRaise(false);
                b->setFocusPolicy(Qt::NoFocus);
                QObject::connect(b, &QToolButton::clicked, b, click);
                w = b;
            } else {
                auto* b = new QPushButton(parent);
                b->setAutoDefault(false);
                QObject::connect(b, &QPushButton::clicked, b, click);
                w = b;
            }
            break;
        case ControlKind::Entry: {
            auto* e = new EntryWidget(parent);
            guardCodePage(e);
            w = e;
            break;
        }
        case ControlKind::Text: {
            auto* t = new QPlainTextEdit(parent);
            t->setTabChangesFocus(true);
            guardCodePage(t);
            w = t;
            break;
        }
        case ControlKind::String:
        case ControlKind::Prompt: {
            auto* l = new QLabel(parent);
            l->setTextFormat(Qt::PlainText);
            // A string takes no clicks: one over a region ("Click here ...") lets the click
            // through to it. A string with a tip keeps the mouse for its tip.
            if (data.structure.kind == ControlKind::String && data.structure.tip.empty())
                l->setAttribute(Qt::WA_TransparentForMouseEvents);
            w = l;
            break;
        }
        case ControlKind::Check: {
            auto* b = new CheckWidget(parent);
            QObject::connect(b, &QCheckBox::clicked, b, press);
            w = b;
            break;
        }
        case ControlKind::Option:
        case ControlKind::Group:
            w = new QGroupBox(parent);
            break;
        case ControlKind::Radio: {
            auto* b = new RadioWidget(parent);
            b->setAutoExclusive(false);  // the option's choice in the model decides
            QObject::connect(b, &QRadioButton::clicked, b, [b, press] {
                b->setChecked(true);  // a click chooses a radio, never clears it
                press();
            });
            w = b;
            break;
        }
        case ControlKind::Spin: {
            auto* s = new QSpinBox(parent);
            s->setKeyboardTracking(false);
            s->setAccelerated(true);
            // The arrows step the value: that is typing a new value into the spin box.
            QObject::connect(s, &QSpinBox::valueChanged, s, [this, n, s](int) {
                if (s->property("rtUpdating").toBool()) return;
                commitEdit(n);
            });
            w = s;
            break;
        }
        case ControlKind::Combo:
        case ControlKind::DropList: {
            auto* c = new QComboBox(parent);
            c->setEditable(data.structure.kind == ControlKind::Combo);
            if (c->lineEdit()) guardCodePage(c->lineEdit());
            c->setInsertPolicy(QComboBox::NoInsert);
            QObject::connect(c, &QComboBox::activated, c, [this, n, c](int index) {
                if (c->lineEdit()) c->lineEdit()->setModified(false);
                Input in;
                in.kind = Input::Kind::Choose;
                in.control = n;
                in.number = index + 1;
                send(in);
            });
            w = c;
            break;
        }
        case ControlKind::List:
            w = new ListView(parent, n, [this](Input in) { send(std::move(in)); });
            break;
        case ControlKind::Sheet: {
            auto* t = new QTabWidget(parent);
            auto choose = [this, t](int index) {
                QVariantList tabs = t->property("rtTabs").toList();
                if (index < 0 || index >= tabs.size()) return;
                Input in;
                in.kind = Input::Kind::Press;
                in.control = tabs[index].toInt();
                send(in);
            };
            QObject::connect(t->tabBar(), &QTabBar::tabBarClicked, t, choose);
            // A tab chosen by its letter or the keyboard (the model ignores a tab chosen twice).
            QObject::connect(t, &QTabWidget::currentChanged, t, choose);
            w = t;
            break;
        }
        case ControlKind::Tab:
            return nullptr;  // a page of its sheet; its controls lie on the client area
        case ControlKind::Panel: {
            auto* f = new PanelWidget(parent);
            f->setAttribute(Qt::WA_TransparentForMouseEvents);
            w = f;
            break;
        }
        case ControlKind::Box:
        case ControlKind::Line: {
            auto* f = new QFrame(parent);
            f->setAttribute(Qt::WA_TransparentForMouseEvents);
            w = f;
            break;
        }
        case ControlKind::Region:
            w = new RegionWidget(parent, n, [this, n](Input in) {
                // The model takes the position in dialog units of the client area.
                if (QWidget* region = controlWidget(n)) {
                    QPoint at = canvas_->mapFromGlobal(region->mapToGlobal(QPoint(in.x, in.y)));
                    in.x = units_.duX(at.x());
                    in.y = units_.duY(at.y());
                }
                send(std::move(in));
            });
            break;
        case ControlKind::Image: {
            auto* image = new ImageWidget(parent);
            image->setAttribute(Qt::WA_TransparentForMouseEvents);
            w = image;
            break;
        }
        case ControlKind::Progress: {
            auto* p = new QProgressBar(parent);
            p->setRange(0, 100);
            p->setTextVisible(false);
            w = p;
            break;
        }
        case ControlKind::Menu:
        case ControlKind::Item:
            return nullptr;
    }
    if (isEditKind(data.structure.kind)) {
        // A right click belongs to the program (the search form's match types), not to
        // Qt's own edit menu.
        auto rightClick = [this, n] {
            Input in;
            in.kind = Input::Kind::Click;
            in.control = n;
            in.key = KEY::RightClick;
            send(in);
        };
        w->setContextMenuPolicy(Qt::CustomContextMenu);
        QObject::connect(w, &QWidget::customContextMenuRequested, w, rightClick);
        for (QLineEdit* inner : w->findChildren<QLineEdit*>()) {
            inner->setContextMenuPolicy(Qt::CustomContextMenu);
            QObject::connect(inner, &QWidget::customContextMenuRequested, w, rightClick);
        }
    }
    w->setProperty("rtControl", n);
    w->installEventFilter(keys_);
    for (QWidget* child : w->findChildren<QWidget*>()) {
        if (!child->property("rtControl").isValid()) child->setProperty("rtControl", n);
        child->installEventFilter(keys_);
    }
    // Controls stack in the structure's order, later ones on top, except that sheets,
    // panels, boxes, groups and images are what other controls stand on: they stay below
    // every other control, so a list placed on a sheet shows on each of its tabs.
    if (standsBelow(data.structure.kind)) {
        for (int other : order_) {
            const Item& it = items_.at(other);
            if (it.widget && it.widget->parentWidget() == parent &&
                !standsBelow(it.data.structure.kind)) {
                w->stackUnder(it.widget);
                return w;
            }
        }
    }
    w->raise();
    return w;
}

void WindowView::createMenuEntry(Item& item) {
    const ControlData& d = item.data;
    const int n = d.structure.number;
    QMenu* parentMenu = nullptr;
    if (auto it = items_.find(d.structure.parent); it != items_.end()) parentMenu = it->second.menu;
    if (d.structure.kind == ControlKind::Menu) {
        item.menu = parentMenu ? parentMenu->addMenu(mnemonicText(d.structure.text))
                               : menuBar()->addMenu(mnemonicText(d.structure.text));
        item.action = item.menu->menuAction();
        return;
    }
    if (d.structure.separator) {
        item.action = parentMenu ? parentMenu->addSeparator() : menuBar()->addSeparator();
        return;
    }
    QAction* a = parentMenu ? parentMenu->addAction(mnemonicText(d.structure.text))
                            : menuBar()->addAction(mnemonicText(d.structure.text));
    a->setCheckable(d.structure.checkItem);
    QObject::connect(a, &QAction::triggered, a, [this, n] {
        Input in;
        in.kind = Input::Kind::Press;
        in.control = n;
        send(in);
    });
    item.action = a;
}

void WindowView::updateControl(const ControlData& data) {
    const int n = data.structure.number;
    auto it = items_.find(n);
    bool fresh = it == items_.end();
    if (fresh) {
        it = items_.emplace(n, Item{}).first;
        order_.push_back(n);
        it->second.data = data;
        if (data.structure.kind == ControlKind::Menu || data.structure.kind == ControlKind::Item) {
            createMenuEntry(it->second);
        } else {
            it->second.widget = createWidget(data);
        }
    } else {
        it->second.data = data;
    }
    applyControl(it->second);
    if (data.structure.kind == ControlKind::Tab) refreshSheet(data.structure.parent);
    if (fresh && linked_) linkPrompts();
}

bool WindowView::takesFocus(const ControlData& data) const {
    switch (data.structure.kind) {
        case ControlKind::Button:
            return !data.structure.toolbar;
        case ControlKind::Entry:
        case ControlKind::Text:
        case ControlKind::Spin:
        case ControlKind::Combo:
        case ControlKind::DropList:
        case ControlKind::List:
        case ControlKind::Check:
        case ControlKind::Radio:
        case ControlKind::Sheet:
            return true;
        default:
            return false;
    }
}

void WindowView::linkPrompts() {
    for (std::size_t i = 0; i < order_.size(); ++i) {
        Item& prompt = items_.at(order_[i]);
        if (prompt.data.structure.kind != ControlKind::Prompt || !prompt.widget) continue;
        auto* label = static_cast<QLabel*>(prompt.widget.data());
        QWidget* buddy = nullptr;
        // A bound prompt shows a value, which has no key letter: a buddy would draw its "&"
        // as one.
        for (std::size_t j = i + 1; j < order_.size() && !buddy && !prompt.data.bound; ++j) {
            const Item& next = items_.at(order_[j]);
            if (next.widget && takesFocus(next.data)) buddy = next.widget;
        }
        if (label->buddy() == buddy) continue;
        label->setBuddy(buddy);
        applyControl(prompt);
    }
}

void WindowView::destroyControl(int control) {
    auto it = items_.find(control);
    if (it == items_.end()) return;
    Item item = it->second;
    items_.erase(it);
    std::erase(order_, control);
    if (item.widget) {
        item.widget->hide();
        item.widget->deleteLater();
    }
    if (item.menu) {
        item.menu->deleteLater();
    } else if (item.action) {
        item.action->deleteLater();
    }
    if (item.data.structure.kind == ControlKind::Tab) refreshSheet(item.data.structure.parent);
}

void WindowView::applyGeometry(Item& item) {
    if (!item.widget) return;
    QRect r = controlRect(item.data, item.widget);
    if (item.data.structure.kind == ControlKind::Line) {
        // A line is drawn in the middle of a thin strip.
        if (r.height() <= 2 && r.width() >= r.height()) r.setHeight(2);
        if (r.width() <= 2 && r.height() > r.width()) r.setWidth(2);
    }
    item.widget->setGeometry(r);
}

QColor WindowView::groundBehind(const QWidget* w) const {
    for (const QWidget* p = w->parentWidget(); p; p = p->parentWidget()) {
        if (p == canvas_) {
            if (window_.structure.background != kDefaultColor)
                return colourOf(window_.structure.background);
            if (!wallpaper_.isNull())
                return wallpaper_.scaled(1, 1, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                    .pixelColor(0, 0);
            return p->palette().color(QPalette::Window);
        }
        if (p->autoFillBackground()) return p->palette().color(p->backgroundRole());
    }
    return w->palette().color(QPalette::Window);
}

void WindowView::applyColours(const Item& item) {
    QWidget* w = item.widget;
    const ControlStructure& s = item.data.structure;
    QPalette pal = QApplication::palette(w);
    int colour = s.font.color;
    // Texts standing on the window's own background take the window font's colour when they
    // have none of their own (white prompts on a dark window); entries and buttons keep their
    // own grounds and the system's text colour.
    const bool onWindowGround = s.kind == ControlKind::String || s.kind == ControlKind::Prompt ||
                                s.kind == ControlKind::Check || s.kind == ControlKind::Radio ||
                                s.kind == ControlKind::Group || s.kind == ControlKind::Option;
    if (colour == kDefaultColor && onWindowGround) colour = window_.structure.font.color;
    bool fill = s.background != kDefaultColor && !s.transparent;
    if (fill) {
        for (auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
            pal.setColor(role, colourOf(s.background));
    }
    if (colour != kDefaultColor) {
        QColor text = colourOf(colour);
        const bool button = s.kind == ControlKind::Button;
        if (button && !fill) {
            // Coloured button texts were chosen for a grey face.
            for (auto group : {QPalette::Active, QPalette::Inactive})
                pal.setColor(group, QPalette::Button, buttonFaceFor(text));
        }
        const QColor ground = fill || button   ? pal.color(QPalette::Button)
                              : onWindowGround ? groundBehind(w)
                                               : pal.color(QPalette::Base);
        text = legibleOn(text, ground);
        // Enabled only: a disabled control keeps the system's grey, so that it shows as such.
        for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            for (auto group : {QPalette::Active, QPalette::Inactive})
                pal.setColor(group, role, text);
    }
    w->setPalette(pal);
    switch (s.kind) {
        case ControlKind::String:
        case ControlKind::Prompt:
        case ControlKind::Check:
        case ControlKind::Radio:
        case ControlKind::Group:
        case ControlKind::Option:
        case ControlKind::Box:
        case ControlKind::Panel:
            w->setAutoFillBackground(fill);
            break;
        default:
            break;
    }
}

void WindowView::applyControl(Item& item) {
    const ControlData& d = item.data;
    const ControlStructure& s = d.structure;
    if (item.action) {
        if (!s.separator && s.kind == ControlKind::Item) item.action->setText(mnemonicText(s.text));
        if (item.menu) item.menu->setTitle(mnemonicText(s.text));
        item.action->setVisible(!s.hidden);
        item.action->setEnabled(d.enabled);
        if (s.checkItem) item.action->setChecked(d.checked);
        return;
    }
    QWidget* w = item.widget;
    if (!w) return;
    w->setFont(fontFor(d));
    applyColours(item);
    w->setToolTip(qs(s.tip));
    if (auto cursor = loadCursor(s.cursor)) {
        w->setCursor(*cursor);
    } else {
        w->unsetCursor();
    }
    Qt::Alignment align = horizontal(s.align, Qt::AlignLeft);
    switch (s.kind) {
        case ControlKind::Button: {
            auto* b = static_cast<QAbstractButton*>(w);
            QIcon icon = loadIcon(s.icon);
            b->setIcon(icon);
            QString text = mnemonicText(s.text).trimmed();
            b->setText(s.toolbar && !icon.isNull() ? QString() : text);
            QRect r = controlRect(d, w);
            int side = std::max(8, std::min(r.width(), r.height()) - 6);
            if (!icon.isNull()) b->setIconSize(QSize(side, side));
            if (auto* push = qobject_cast<QPushButton*>(w)) push->setDefault(drawnAsDefault(*push));
            break;
        }
        case ControlKind::Entry: {
            auto* e = static_cast<EntryWidget*>(w);
            PictureInfo info = describePicture(s.picture);
            if (QString text = editText(d.shown, info.kind == PictureKind::Number);
                !e->isModified() && e->text() != text)
                e->setText(text);
            e->setMicr(isMicrFace(s.font.name.empty() ? window_.structure.font.name : s.font.name));
            e->setReadOnly(s.readOnly);
            // A text picture holds so many characters; a number or a date is checked when it
            // is accepted (a number typed after a shown zero still reads as the number typed,
            // a date may come with its year in four digits).
            bool limited = !s.picture.empty() && info.width > 0 &&
                           info.kind != PictureKind::Number && info.kind != PictureKind::Date;
            e->setMaxLength(limited ? info.width : 32767);
            Qt::Alignment fallback =
                info.kind == PictureKind::Number ? Qt::AlignRight : Qt::AlignLeft;
            e->setAlignment(horizontal(s.align, fallback) | Qt::AlignVCenter);
            if (s.upper) {
                QObject::disconnect(e, &QLineEdit::textEdited, nullptr, nullptr);
                QObject::connect(e, &QLineEdit::textEdited, e, [e](const QString& text) {
                    int at = e->cursorPosition();
                    e->setText(text.toUpper());
                    e->setCursorPosition(at);
                    e->setModified(true);
                });
            }
            break;
        }
        case ControlKind::Text: {
            auto* t = static_cast<QPlainTextEdit*>(w);
            if (QString text = editText(d.shown);
                !t->document()->isModified() && t->toPlainText() != text) {
                t->setPlainText(text);
                t->document()->setModified(false);
            }
            t->setReadOnly(s.readOnly);
            break;
        }
        case ControlKind::String:
        case ControlKind::Prompt: {
            auto* l = static_cast<QLabel*>(w);
            // A prompt's "&" letter moves the focus to the control that follows it. A bound
            // value is shown as stored: its "&" is a character.
            bool mnemonic = s.kind == ControlKind::Prompt && !d.bound &&
                            withoutMnemonic(s.text) != s.text && l->buddy();
            QString text = mnemonic  ? mnemonicText(s.text)
                           : d.bound ? qs(d.shown)
                                     : labelText(s.text);
            // A text picture pads with blanks; a centred or right-aligned text stands by
            // what it shows, not by its padding.
            if (s.align == Align::Center || s.align == Align::Right) {
                qsizetype end = text.size();
                while (end > 0 && text[end - 1] == u' ')
                    --end;
                text.truncate(end);
            }
            l->setText(text);
            l->setAlignment(align | Qt::AlignVCenter);
            // A string two lines high or more wraps its text over its lines.
            l->setWordWrap(controlRect(d, w).height() >= 2 * QFontMetrics(fontFor(d)).height());
            break;
        }
        case ControlKind::Check: {
            auto* b = static_cast<QCheckBox*>(w);
            b->setText(mnemonicText(s.text));
            b->setChecked(d.checked);
            break;
        }
        case ControlKind::Radio: {
            auto* b = static_cast<QRadioButton*>(w);
            b->setText(mnemonicText(s.text));
            b->setChecked(d.checked);
            break;
        }
        case ControlKind::Option:
        case ControlKind::Group:
            static_cast<QGroupBox*>(w)->setTitle(labelText(s.text));
            break;
        case ControlKind::Spin: {
            auto* sp = static_cast<QSpinBox*>(w);
            sp->setProperty("rtUpdating", true);
            bool ranged = s.rangeLow != s.rangeHigh;
            sp->setRange(ranged ? static_cast<int>(s.rangeLow) : -999999999,
                         ranged ? static_cast<int>(s.rangeHigh) : 999999999);
            sp->setSingleStep(s.step > 0 ? static_cast<int>(s.step) : 1);
            sp->setValue(static_cast<int>(textToNumber(d.shown).toInteger()));
            sp->setProperty("rtShown", sp->text());
            sp->setReadOnly(s.readOnly);
            sp->setAlignment(horizontal(s.align, Qt::AlignRight));
            sp->setProperty("rtUpdating", false);
            break;
        }
        case ControlKind::Combo:
        case ControlKind::DropList: {
            auto* c = static_cast<QComboBox*>(w);
            QStringList items;
            for (const std::string& i : d.items)
                items << qs(i);
            QStringList current;
            for (int i = 0; i < c->count(); ++i)
                current << c->itemText(i);
            if (items != current) {
                c->clear();
                c->addItems(items);
            }
            if (c->lineEdit()) {
                if (QString text = editText(d.shown);
                    !c->lineEdit()->isModified() && c->currentText() != text)
                    c->setEditText(text);
            } else {
                c->setCurrentIndex(d.choice - 1);
            }
            break;
        }
        case ControlKind::List:
            static_cast<ListView*>(w)->setData(d, units_);
            break;
        case ControlKind::Sheet:
            refreshSheet(s.number);
            break;
        case ControlKind::Panel: {
            // A panel without a bevel still shows a thin raised edge.
            static_cast<PanelWidget*>(w)->setBevels(s.bevel == 0 && s.innerBevel == 0 ? 1 : s.bevel,
                                                    s.innerBevel);
            break;
        }
        case ControlKind::Box: {
            auto* f = static_cast<QFrame*>(w);
            f->setFrameShape(QFrame::Box);
            f->setFrameShadow(QFrame::Plain);
            break;
        }
        case ControlKind::Line: {
            auto* f = static_cast<QFrame*>(w);
            f->setFrameShape(s.at.width >= s.at.height ? QFrame::HLine : QFrame::VLine);
            f->setFrameShadow(QFrame::Plain);
            break;
        }
        case ControlKind::Image: {
            auto* image = static_cast<ImageWidget*>(w);
            image->setScroll(QPoint(units_.x(d.hScroll), units_.y(d.vScroll)));
            if (!d.pageFile.empty()) {
                image->setPageFile(d.pageFile);
            } else if (!d.imageBytes.empty()) {
                image->setPicture(decodePictureBytes(d.imageBytes));
            } else {
                image->setPicture(loadPicture(s.icon));
            }
            break;
        }
        case ControlKind::Progress:
            static_cast<QProgressBar*>(w)->setValue(std::clamp(d.progress, 0, 100));
            break;
        default:
            break;
    }
    applyGeometry(item);
    w->setEnabled(d.enabled);
    w->setVisible(d.visible);
}

void WindowView::refreshSheet(int sheet) {
    auto* tabs = qobject_cast<QTabWidget*>(controlWidget(sheet));
    if (!tabs) return;
    const ControlData* sheetData = data(sheet);
    std::vector<const ControlData*> pages;
    for (int n : order_) {
        const ControlData* d = data(n);
        if (d && d->structure.kind == ControlKind::Tab && d->structure.parent == sheet)
            pages.push_back(d);
    }
    QSignalBlocker block(tabs);
    while (tabs->count() > static_cast<int>(pages.size())) {
        QWidget* page = tabs->widget(tabs->count() - 1);
        tabs->removeTab(tabs->count() - 1);
        delete page;
    }
    QVariantList numbers;
    for (std::size_t i = 0; i < pages.size(); ++i) {
        int index = static_cast<int>(i);
        if (index >= tabs->count()) {
            auto* page = new QWidget;
            page->setProperty("rtControl", pages[i]->structure.number);
            tabs->addTab(page, QString());
        }
        tabs->setTabText(index, mnemonicText(pages[i]->structure.text));
        tabs->setTabVisible(index, !pages[i]->structure.hidden);
        tabs->setTabEnabled(index, !pages[i]->structure.disabled);
        numbers << pages[i]->structure.number;
    }
    tabs->setProperty("rtTabs", numbers);
    // The page moves only when the program chose another: a choice it shows from before the
    // user's own change of tab (on its way to the program) would take the page away from
    // under the user's typing.
    if (!sheetData || sheetData->choice < 1 || sheetData->choice > tabs->count()) return;
    if (tabs->property("rtChoice").toInt() == sheetData->choice) return;
    tabs->setProperty("rtChoice", sheetData->choice);
    tabs->setCurrentIndex(sheetData->choice - 1);
}

bool WindowView::commitEdit(int control) {
    auto it = items_.find(control);
    if (it == items_.end() || !it->second.widget || !isEditKind(it->second.data.structure.kind))
        return false;
    QWidget* w = it->second.widget;
    QString text;
    bool changed = false;
    switch (it->second.data.structure.kind) {
        case ControlKind::Entry: {
            auto* e = static_cast<QLineEdit*>(w);
            changed = e->isModified();
            text = e->text();
            e->setModified(false);
            break;
        }
        case ControlKind::Text: {
            auto* t = static_cast<QPlainTextEdit*>(w);
            changed = t->document()->isModified();
            text = t->toPlainText();
            t->document()->setModified(false);
            break;
        }
        case ControlKind::Spin: {
            auto* s = static_cast<QSpinBox*>(w);
            text = s->text();
            changed = text != s->property("rtShown").toString();
            s->setProperty("rtShown", text);
            break;
        }
        case ControlKind::Combo: {
            auto* c = static_cast<QComboBox*>(w);
            if (!c->lineEdit()) return false;
            text = c->currentText();
            // The completion of a typed beginning ("Moun" to "Mountain") leaves the edit
            // unmarked: a text other than the one shown is news too.
            changed = c->lineEdit()->isModified() || text != editText(it->second.data.shown);
            c->lineEdit()->setModified(false);
            break;
        }
        default:
            return false;
    }
    if (!changed) return false;
    Input in;
    in.kind = Input::Kind::Type;
    in.control = control;
    in.text = cp(text);
    in.stay = true;  // Qt has moved the focus itself, or the user is acting elsewhere
    send_(in);
    return true;
}

void WindowView::commitEdits() {
    for (int n : order_)
        commitEdit(n);
}

void WindowView::send(Input input) {
    // What the user typed reaches its field before a button, key, choice or close acts.
    switch (input.kind) {
        case Input::Kind::Type:
        case Input::Kind::Focus:
        case Input::Kind::Timer:
        case Input::Kind::Resize:
        case Input::Kind::Move:
            break;
        default:
            commitEdits();
            break;
    }
    send_(std::move(input));
}

}  // namespace rt::qt
