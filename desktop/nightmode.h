// SPDX-License-Identifier: BSD-3-Clause
// Night mode: the whole program red on black and dimmed, so that eyes adapted to the dark stay so.
// The application's palette carries it to every window, menu and message box, also those opened
// later; a message box's icon is redrawn in red; pictures (the sky) pass through a filter that
// keeps each pixel's brightness in red alone.
#pragma once

#include <QGraphicsEffect>
#include <QObject>
#include <QPalette>
#include <QPointer>
#include <vector>

class QWidget;

// Each pixel's brightest channel, dimmed, in red; black stays black, and a red already dim enough
// stays as it is.
class RedFilter : public QGraphicsEffect {
public:
    using QGraphicsEffect::QGraphicsEffect;
    // The filter on one image, in place.
    static void Apply(QImage& image);

protected:
    void draw(QPainter* painter) override;
};

// The application's style with everything it draws passed through the red filter: styles draw
// some lines and pictures in fixed greys that no palette reaches.
class NightStyle;

class NightMode : public QObject {
    Q_OBJECT
public:
    explicit NightMode(QObject* parent = nullptr);
    ~NightMode() override;

    void SetOn(bool on);
    bool IsOn() const { return on_; }
    // Whether the program is in night mode now (for colours chosen in code).
    static bool Active();
    // A widget that draws a picture of its own, filtered while night mode is on.
    void AddPicture(QWidget* widget);
    // A window whose every part (menu bar, tool bars, docks, their contents, but not its
    // pictures) is drawn through the filter while on; again when it has new parts.
    void AddFurniture(QWidget* window);
    static QPalette Palette();

signals:
    void Changed(bool on);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FilterPicture(QWidget* widget);
    void StyleFurniture(QWidget* window);

    bool on_ = false;
    QPalette day_;
    std::vector<QPointer<QWidget>> pictures_;
    std::vector<QPointer<QWidget>> furniture_;
    QPointer<NightStyle> style_;
};
