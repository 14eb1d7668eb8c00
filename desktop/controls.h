// SPDX-License-Identifier: BSD-3-Clause
// The Qt widgets that stand for the platform's controls in a template view. None of them keeps
// state of its own: a click, a key or a tick is handed to the view, which feeds it to the
// platform's input entry points, and the widget shows whatever the platform's window then holds.
#pragma once

#include <QAbstractListModel>
#include <QAbstractScrollArea>
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListView>
#include <QRadioButton>
#include <QTimer>
#include <functional>

#include "platform/wnd.h"

class CQelListBoxAObj;
class CQelListBoxCheck;

// The application's style with the check and radio boxes of the windowing system the templates
// were drawn for: a 13-pixel box and a narrow gap before the label, so that labels get the room
// their templates planned for them.
QStyle* TemplateButtonStyle();

// A check box that does not toggle itself; the platform decides its state.
class TemplateCheckBox : public QCheckBox {
public:
    using QCheckBox::QCheckBox;

protected:
    void nextCheckState() override {}
};

// A radio button that does not check itself; the arrow keys move within its group.
class TemplateRadioButton : public QRadioButton {
public:
    using QRadioButton::QRadioButton;
    std::function<void(bool forward)> onArrow;

protected:
    void nextCheckState() override {}
    void keyPressEvent(QKeyEvent* event) override;
};

// A frame whose access key moves the focus on, as a label's does: it holds no controls itself
// (the template's controls only lie within it).
class TemplateGroupBox : public QGroupBox {
public:
    using QGroupBox::QGroupBox;
    std::function<void()> onAccessKey;

protected:
    bool event(QEvent* event) override;
};

// An edit whose up and down arrow keys press the arrows of its up-down buddy.
class TemplateEdit : public QLineEdit {
public:
    using QLineEdit::QLineEdit;
    std::function<void(bool up)> onArrow;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// The two arrows of an up-down control. A press is one step; held, it repeats.
class UpDownControl : public QWidget {
public:
    explicit UpDownControl(QWidget* parent);
    std::function<void(bool up)> onStep;
    QSize sizeHint() const override { return {18, 22}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void Step();

    QTimer repeat_;
    int pressed_ = 0;  // +1 up arrow held, -1 down arrow held
};

// The items of a list box window and, for a check list, each item's tick, read from the control
// every time the list is drawn.
class CheckListModel : public QAbstractListModel {
public:
    explicit CheckListModel(HWND window, QObject* parent) : QAbstractListModel(parent), window_(window) {}
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    void Reload();
    void TicksChanged();
    void Forget();  // the window is gone
    CQelListBoxCheck* List() const;

private:
    HWND window_;
};

class CheckListView : public QListView {
public:
    CheckListView(HWND window, int rowHeight, QWidget* parent);
    CheckListModel* Model() const { return model_; }
    std::function<void(int item)> onTick;
    std::function<void(int item)> onPick;
    // Where the tick box of item sits, in viewport coordinates.
    QRect TickRect(int item) const;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    CheckListModel* model_;
};

// A list of rows in columns that holds nothing: every time it is drawn it asks its dialog for the
// cells through the control, as the module's own list does. The module sets its lists up with
// hidden headers (the labels above them name them), so rows start at the top.
class CellListView : public QAbstractScrollArea {
public:
    // pixelsPerModuleUnit: the view's pixels per pixel of the module's column layout.
    CellListView(HWND window, int rowHeight, double pixelsPerModuleUnit, QWidget* parent);
    std::function<void(int row, int column)> onCell;
    void Forget() { window_ = nullptr; }
    void Refresh();
    // The rectangle of a cell in viewport coordinates (empty when there is no such cell).
    QRect CellRect(int row, int column) const;
    CQelListBoxAObj* List() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    std::vector<int> ColumnEdges() const;
    void UpdateScrollBar();

    HWND window_;
    int rowHeight_;
    double scale_;
    int current_ = 0;
};
