// SPDX-License-Identifier: BSD-3-Clause
#include "desktop/nightmode.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>
#include <QToolTip>
#include <QWidget>
#include <algorithm>

namespace {

bool g_active = false;

// The brightest a night colour gets: dim enough not to dazzle, bright enough to read.
constexpr int kTop = 190;
constexpr const char* kFiltered = "zemNightFiltered";
constexpr const char* kOutlined = "zemNightOutlined";

QColor Red(int level) { return QColor(std::min(level, kTop), 0, 0); }

}  // namespace

void RedFilter::Apply(QImage& image) {
    if (image.format() != QImage::Format_ARGB32_Premultiplied && image.format() != QImage::Format_RGB32)
        image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = line[x];
            // What is red already (night colours drawn again) keeps its level.
            const int level = qGreen(p) == 0 && qBlue(p) == 0 ? std::min(qRed(p), kTop) : std::max({qRed(p), qGreen(p), qBlue(p)}) * kTop / 255;
            line[x] = qRgba(level, 0, 0, qAlpha(p));
        }
    }
}

void RedFilter::draw(QPainter* painter) {
    QPoint offset;
    const QPixmap source = sourcePixmap(Qt::DeviceCoordinates, &offset, QGraphicsEffect::NoPad);
    if (source.isNull()) return;
    QImage image = source.toImage();
    Apply(image);
    const QTransform transform = painter->worldTransform();
    painter->setWorldTransform(QTransform());
    painter->drawImage(offset, image);
    painter->setWorldTransform(transform);
}

class NightStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter, const QWidget* widget) const override {
        Filtered(option->rect, painter, [&](QPainter* p) { QProxyStyle::drawPrimitive(element, option, p, widget); });
    }
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter, const QWidget* widget) const override {
        Filtered(option->rect, painter, [&](QPainter* p) { QProxyStyle::drawControl(element, option, p, widget); });
    }
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter, const QWidget* widget) const override {
        Filtered(option->rect, painter, [&](QPainter* p) { QProxyStyle::drawComplexControl(control, option, p, widget); });
    }
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const override {
        return Red(QProxyStyle::standardIcon(icon, option, widget), QSize(16, 16));
    }

    // Each size of the icon (else size) in red.
    static QIcon Red(const QIcon& day, const QSize& size) {
        QIcon night;
        QList<QSize> sizes = day.availableSizes();
        if (sizes.isEmpty()) sizes << size;
        for (const QSize& s : sizes) night.addPixmap(Red(day.pixmap(s)));
        return night.isNull() ? day : night;
    }

    static QPixmap Red(const QPixmap& pixmap) {
        QImage image = pixmap.toImage();
        RedFilter::Apply(image);
        QPixmap red = QPixmap::fromImage(image);
        red.setDevicePixelRatio(pixmap.devicePixelRatio());
        return red;
    }

private:
    // The element drawn into a picture of its rectangle, filtered, then onto the painter.
    template <class Draw>
    static void Filtered(const QRect& rect, QPainter* painter, Draw draw) {
        if (rect.isEmpty()) return;
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        QImage image((QSizeF(rect.size()) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(ratio);
        image.fill(Qt::transparent);
        {
            QPainter p(&image);
            p.setRenderHints(painter->renderHints());
            p.setFont(painter->font());
            p.setPen(painter->pen());
            p.setBrush(painter->brush());
            p.translate(-rect.topLeft());
            draw(&p);
        }
        RedFilter::Apply(image);
        painter->drawImage(rect.topLeft(), image);
    }
};

QPalette NightMode::Palette() {
    QPalette p;
    const auto set = [&p](QPalette::ColorRole role, const QColor& active, const QColor& disabled) {
        p.setColor(QPalette::Active, role, active);
        p.setColor(QPalette::Inactive, role, active);
        p.setColor(QPalette::Disabled, role, disabled);
    };
    set(QPalette::Window, Qt::black, Qt::black);
    set(QPalette::Base, Qt::black, Qt::black);
    set(QPalette::AlternateBase, Red(20), Red(20));
    set(QPalette::Button, Red(26), Red(14));
    set(QPalette::Light, Red(70), Red(40));
    set(QPalette::Midlight, Red(44), Red(26));
    set(QPalette::Mid, Red(30), Red(20));
    set(QPalette::Dark, Red(16), Red(10));
    set(QPalette::Shadow, Qt::black, Qt::black);
    set(QPalette::WindowText, Red(170), Red(80));
    set(QPalette::Text, Red(170), Red(80));
    set(QPalette::ButtonText, Red(170), Red(80));
    set(QPalette::BrightText, Red(kTop), Red(90));
    set(QPalette::PlaceholderText, Red(90), Red(60));
    set(QPalette::Highlight, Red(80), Red(40));
    set(QPalette::HighlightedText, Red(kTop), Red(90));
    set(QPalette::Link, Red(kTop), Red(90));
    set(QPalette::LinkVisited, Red(150), Red(80));
    set(QPalette::ToolTipBase, Red(16), Red(16));
    set(QPalette::ToolTipText, Red(170), Red(80));
    return p;
}

namespace {

// The style draws a control's outline a little darker than the window, which on black is no
// outline at all: the controls that have one get a window colour of their own to draw it from.
bool Outlined(const QWidget* widget) {
    if (qobject_cast<const QScrollArea*>(widget)) return false;  // its inside is window-coloured
    return qobject_cast<const QCheckBox*>(widget) || qobject_cast<const QRadioButton*>(widget) || qobject_cast<const QPushButton*>(widget) ||
           qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QComboBox*>(widget) || qobject_cast<const QAbstractScrollArea*>(widget);
}

QPalette OutlinePalette() {
    QPalette p = NightMode::Palette();
    p.setColor(QPalette::Window, Red(130));
    return p;
}

void Outline(QWidget* widget, bool on) {
    if (on && Outlined(widget) && !widget->property(kOutlined).toBool()) {
        widget->setPalette(OutlinePalette());
        widget->setProperty(kOutlined, true);
    } else if (!on && widget->property(kOutlined).toBool()) {
        widget->setPalette(QPalette());
        widget->setAttribute(Qt::WA_SetPalette, false);
        widget->setProperty(kOutlined, false);
    }
}

}  // namespace

NightMode::NightMode(QObject* parent) : QObject(parent) {}

NightMode::~NightMode() { SetOn(false); }

bool NightMode::Active() { return g_active; }

void NightMode::SetOn(bool on) {
    if (on == on_) return;
    on_ = on;
    g_active = on;
    if (on) {
        day_ = QApplication::palette();
        QApplication::setPalette(Palette());
        QToolTip::setPalette(Palette());
        qApp->installEventFilter(this);
    } else {
        qApp->removeEventFilter(this);
        QApplication::setPalette(day_);
        QToolTip::setPalette(day_);
    }
    for (QWidget* widget : QApplication::allWidgets()) Outline(widget, on);
    for (const auto& picture : pictures_)
        if (picture) FilterPicture(picture);
    for (const auto& window : furniture_)
        if (window) StyleFurniture(window);
    emit Changed(on);
}

void NightMode::AddPicture(QWidget* widget) {
    if (!widget) return;
    pictures_.emplace_back(widget);
    FilterPicture(widget);
}

void NightMode::AddFurniture(QWidget* window) {
    if (!window) return;
    // Again for a window already known: furniture added since is styled too.
    if (std::find(furniture_.begin(), furniture_.end(), window) == furniture_.end()) furniture_.emplace_back(window);
    StyleFurniture(window);
}

void NightMode::StyleFurniture(QWidget* window) {
    if (on_ && !style_) {
        style_ = new NightStyle(QStyleFactory::create(QApplication::style()->name()));
        style_->setParent(this);
    }
    QStyle* style = on_ ? style_.data() : nullptr;  // none: the application's again
    window->setStyle(style);
    std::vector<QLineEdit*> clearable;
    for (QWidget* part : window->findChildren<QWidget*>()) {
        const bool picture = std::any_of(pictures_.begin(), pictures_.end(), [part](const QPointer<QWidget>& p) { return p == part || p->isAncestorOf(part); });
        if (picture || part->isWindow()) continue;
        part->setStyle(style);
        if (auto* edit = qobject_cast<QLineEdit*>(part); edit && edit->isClearButtonEnabled()) clearable.push_back(edit);
    }
    // A clear button takes the style's icon when it is made: made again from this style.
    for (QLineEdit* edit : clearable) {
        edit->setClearButtonEnabled(false);
        edit->setClearButtonEnabled(true);
    }
}

void NightMode::FilterPicture(QWidget* widget) {
    // The widget owns its effect; setting none deletes the filter.
    if (on_ && !dynamic_cast<RedFilter*>(widget->graphicsEffect())) widget->setGraphicsEffect(new RedFilter);
    else if (!on_ && dynamic_cast<RedFilter*>(widget->graphicsEffect())) widget->setGraphicsEffect(nullptr);
}

bool NightMode::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Polish)
        if (auto* widget = qobject_cast<QWidget*>(watched)) Outline(widget, true);
    // The icons on a window's buttons (Yes, No, OK, from the style or the desktop's theme) are
    // pictures too: red before it shows.
    if (event->type() == QEvent::Show)
        if (auto* window = qobject_cast<QDialog*>(watched))
            for (QAbstractButton* button : window->findChildren<QAbstractButton*>())
                if (!button->icon().isNull() && !button->property(kFiltered).toBool()) {
                    button->setIcon(NightStyle::Red(button->icon(), button->iconSize()));
                    button->setProperty(kFiltered, true);
                }
    // A message box's icon is a picture of the style's: red like the rest before it shows.
    if (event->type() == QEvent::Show)
        if (auto* box = qobject_cast<QMessageBox*>(watched))
            if (auto* icon = box->findChild<QLabel*>(QStringLiteral("qt_msgboxex_icon_label"));
                icon && !icon->pixmap().isNull() && !icon->property(kFiltered).toBool()) {
                QImage image = icon->pixmap().toImage();
                RedFilter::Apply(image);
                QPixmap red = QPixmap::fromImage(image);
                red.setDevicePixelRatio(icon->pixmap().devicePixelRatio());
                icon->setPixmap(red);
                icon->setProperty(kFiltered, true);
            }
    return QObject::eventFilter(watched, event);
}
