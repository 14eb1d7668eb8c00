// SPDX-License-Identifier: BSD-3-Clause
#include "controls.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QApplication>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QScrollBar>
#include <QStyleOption>
#include <algorithm>

#include "companions/zemcst/qellistboxaobj.h"
#include "companions/zemcst/qellistboxcheck.h"

namespace {
QString Text(const std::wstring& text) { return QString::fromStdWString(text); }
QString Text(const CString& text) { return Text(text.str()); }
}  // namespace

namespace {
class ButtonStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
        switch (metric) {
            case PM_IndicatorWidth:
            case PM_IndicatorHeight:
            case PM_ExclusiveIndicatorWidth:
            case PM_ExclusiveIndicatorHeight: return 13;
            case PM_CheckBoxLabelSpacing:
            case PM_RadioButtonLabelSpacing: return 3;
            default: return QProxyStyle::pixelMetric(metric, option, widget);
        }
    }
};
}  // namespace

QStyle* TemplateButtonStyle() {
    // One for the application's style; made again when the application changes its style.
    static QPointer<QStyle> style;
    static QString base;
    const QString current = QApplication::style()->name();
    if (!style || base != current) {
        style = new ButtonStyle(QStyleFactory::create(current));
        style->setParent(qApp);
        base = current;
    }
    return style;
}

void TemplateRadioButton::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (onArrow && (key == Qt::Key_Up || key == Qt::Key_Left || key == Qt::Key_Down || key == Qt::Key_Right)) {
        onArrow(key == Qt::Key_Down || key == Qt::Key_Right);
        return;
    }
    QRadioButton::keyPressEvent(event);
}

bool TemplateGroupBox::event(QEvent* event) {
    if (event->type() == QEvent::Shortcut && onAccessKey) {
        onAccessKey();
        return true;
    }
    return QGroupBox::event(event);
}

void TemplateEdit::keyPressEvent(QKeyEvent* event) {
    if (onArrow && (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down) && event->modifiers() == Qt::NoModifier) {
        onArrow(event->key() == Qt::Key_Up);
        return;
    }
    QLineEdit::keyPressEvent(event);
}

// ---- up-down --------------------------------------------------------------------------------

UpDownControl::UpDownControl(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
    repeat_.setInterval(60);
    connect(&repeat_, &QTimer::timeout, this, [this] {
        repeat_.setInterval(60);
        Step();
    });
}

void UpDownControl::Step() {
    if (pressed_ != 0 && isEnabled() && onStep) onStep(pressed_ > 0);
}

void UpDownControl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int half = height() / 2;
    const QRect halves[2] = {QRect(0, 0, width(), half), QRect(0, half, width(), height() - half)};
    for (int i = 0; i < 2; ++i) {
        QStyleOptionButton button;
        button.initFrom(this);
        button.rect = halves[i];
        const bool down = (i == 0 && pressed_ > 0) || (i == 1 && pressed_ < 0);
        button.state |= down ? QStyle::State_Sunken : QStyle::State_Raised;
        style()->drawPrimitive(QStyle::PE_PanelButtonBevel, &button, &painter, this);
        QStyleOption arrow;
        arrow.initFrom(this);
        arrow.rect = halves[i].adjusted(3, 2, -3, -2);
        style()->drawPrimitive(i == 0 ? QStyle::PE_IndicatorArrowUp : QStyle::PE_IndicatorArrowDown, &arrow, &painter, this);
    }
}

void UpDownControl::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    pressed_ = event->position().y() < height() / 2.0 ? 1 : -1;
    update();
    Step();
    // A held arrow repeats after a pause, as the keyboard does.
    if (pressed_ != 0) {
        repeat_.setInterval(400);
        repeat_.start();
    }
}

void UpDownControl::mouseReleaseEvent(QMouseEvent*) {
    pressed_ = 0;
    repeat_.stop();
    update();
}

void UpDownControl::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange && !isEnabled()) {
        pressed_ = 0;
        repeat_.stop();
    }
    QWidget::changeEvent(event);
}

// ---- check list -----------------------------------------------------------------------------

CQelListBoxCheck* CheckListModel::List() const {
    return window_ ? dynamic_cast<CQelListBoxCheck*>(window_->attached) : nullptr;
}

int CheckListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !window_ ? 0 : static_cast<int>(window_->items.size());
}

QVariant CheckListModel::data(const QModelIndex& index, int role) const {
    if (!window_ || !index.isValid() || index.row() >= static_cast<int>(window_->items.size())) return {};
    if (role == Qt::DisplayRole) return Text(window_->items[static_cast<std::size_t>(index.row())]);
    if (role == Qt::CheckStateRole) {
        CQelListBoxCheck* list = List();
        if (!list) return {};
        return list->GetCheck(index.row()) ? Qt::Checked : Qt::Unchecked;
    }
    return {};
}

Qt::ItemFlags CheckListModel::flags(const QModelIndex& index) const {
    // Not user-checkable: a tick goes through the platform, which then says what is ticked.
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

void CheckListModel::Reload() {
    beginResetModel();
    endResetModel();
}

void CheckListModel::TicksChanged() {
    if (const int rows = rowCount(); rows > 0) emit dataChanged(index(0), index(rows - 1), {Qt::CheckStateRole});
}

void CheckListModel::Forget() {
    beginResetModel();
    window_ = nullptr;
    endResetModel();
}

CheckListView::CheckListView(HWND window, int rowHeight, QWidget* parent) : QListView(parent), model_(new CheckListModel(window, this)) {
    setModel(model_);
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);  // shown disabled when not needed
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setGridSize(QSize(0, rowHeight));
}

QRect CheckListView::TickRect(int item) const {
    const QRect row = visualRect(model_->index(item));
    if (!row.isValid()) return {};
    QStyleOptionViewItem option;
    option.initFrom(this);
    option.rect = row;
    option.features |= QStyleOptionViewItem::HasCheckIndicator;
    return style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, this);
}

void CheckListView::mousePressEvent(QMouseEvent* event) {
    const QModelIndex index = indexAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && index.isValid()) {
        selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
        if (TickRect(index.row()).adjusted(-2, -2, 2, 2).contains(event->position().toPoint())) {
            if (onTick) onTick(index.row());
        } else if (onPick) {
            onPick(index.row());
        }
        return;
    }
    QListView::mousePressEvent(event);
}

void CheckListView::mouseDoubleClickEvent(QMouseEvent* event) { mousePressEvent(event); }

void CheckListView::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space && currentIndex().isValid()) {
        if (onTick) onTick(currentIndex().row());
        return;
    }
    QListView::keyPressEvent(event);
}

// ---- cell list ------------------------------------------------------------------------------

CellListView::CellListView(HWND window, int rowHeight, double pixelsPerModuleUnit, QWidget* parent)
    : QAbstractScrollArea(parent), window_(window), rowHeight_(std::max(1, rowHeight)), scale_(pixelsPerModuleUnit) {
    setFocusPolicy(Qt::StrongFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    verticalScrollBar()->setSingleStep(rowHeight_);
}

CQelListBoxAObj* CellListView::List() const {
    return window_ ? dynamic_cast<CQelListBoxAObj*>(window_->attached) : nullptr;
}

void CellListView::Refresh() {
    UpdateScrollBar();
    viewport()->update();
}

std::vector<int> CellListView::ColumnEdges() const {
    std::vector<int> edges{0};
    CQelListBoxAObj* list = List();
    if (!list) return edges;
    for (std::int64_t c = 0; c < list->GetHeaderCount(); ++c) {
        const int width = static_cast<int>(list->GetHeaderDataItemPtr(static_cast<std::int64_t>(c))->nWidth * scale_ + 0.5);
        edges.push_back(edges.back() + width);
    }
    // The last column takes what is left, and no more.
    if (edges.size() > 1) edges.back() = std::max(edges[edges.size() - 2], viewport()->width());
    return edges;
}

void CellListView::UpdateScrollBar() {
    CQelListBoxAObj* list = List();
    const int rows = list ? static_cast<int>(std::min<std::int64_t>(list->GetValueCountTotal(), 1 << 20)) : 0;
    const int content = rows * rowHeight_;
    verticalScrollBar()->setPageStep(viewport()->height());
    verticalScrollBar()->setRange(0, std::max(0, content - viewport()->height()));
}

QRect CellListView::CellRect(int row, int column) const {
    CQelListBoxAObj* list = List();
    if (!list || row < 0 || row >= list->GetValueCountTotal()) return {};
    const auto edges = ColumnEdges();
    if (column < 0 || column + 1 >= static_cast<int>(edges.size())) return {};
    const int top = row * rowHeight_ - verticalScrollBar()->value();
    return QRect(edges[static_cast<std::size_t>(column)], top, edges[static_cast<std::size_t>(column) + 1] - edges[static_cast<std::size_t>(column)], rowHeight_);
}

void CellListView::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), palette().base());
    CQelListBoxAObj* list = List();
    if (!list) return;
    // Drawing is what asks the dialog for the cells.
    const std::vector<CQelListBoxAObj::Row> rows = list->Draw();
    const auto edges = ColumnEdges();
    const int columns = static_cast<int>(edges.size()) - 1;
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::Text));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        for (int c = 0; c < columns; ++c) {
            const QRect cell = CellRect(r, c);
            if (cell.bottom() < 0 || cell.top() > viewport()->height()) continue;
            const auto* column = list->GetHeaderDataItemPtr(static_cast<std::int64_t>(c));
            const bool hasCell = static_cast<std::size_t>(r) < column->aCell.size();
            if (c == 0) {
                // The box fits its column, however narrow the module makes it.
                QStyleOptionButton box;
                box.initFrom(this);
                const int side = std::max(4, std::min({cell.height() - 2, cell.width() - 2, 13}));
                box.rect = QRect(cell.left() + (cell.width() - side) / 2, cell.top() + (cell.height() - side) / 2, side, side);
                box.state |= rows[static_cast<std::size_t>(r)].nCheck == 1 ? QStyle::State_On : QStyle::State_Off;
                if (hasFocus() && r == current_) box.state |= QStyle::State_HasFocus;
                style()->drawPrimitive(QStyle::PE_IndicatorCheckBox, &box, &painter, this);
                continue;
            }
            if (hasCell)
                painter.drawText(cell.adjusted(2, 0, -2, 0), Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine,
                                 Text(column->aCell[static_cast<std::size_t>(r)].strText));
        }
    }
    if (hasFocus() && current_ < static_cast<int>(rows.size())) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = QRect(0, CellRect(current_, 0).top(), viewport()->width(), rowHeight_);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

void CellListView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const QPoint at = event->position().toPoint();
    const auto edges = ColumnEdges();
    for (int c = 0; c + 1 < static_cast<int>(edges.size()); ++c) {
        if (at.x() < edges[static_cast<std::size_t>(c)] || at.x() >= edges[static_cast<std::size_t>(c) + 1]) continue;
        const int y = at.y() + verticalScrollBar()->value();
        if (y < 0) return;
        const int row = y / rowHeight_;
        if (!CellRect(row, c).isValid()) return;
        current_ = row;
        viewport()->update();
        if (onCell) onCell(row, c);
        return;
    }
}

void CellListView::keyPressEvent(QKeyEvent* event) {
    CQelListBoxAObj* list = List();
    const int rows = list ? static_cast<int>(list->GetValueCountTotal()) : 0;
    switch (event->key()) {
        case Qt::Key_Space:
            if (current_ < rows && onCell) onCell(current_, 0);
            return;
        case Qt::Key_Up:
        case Qt::Key_Down:
            current_ = std::clamp(current_ + (event->key() == Qt::Key_Down ? 1 : -1), 0, std::max(0, rows - 1));
            viewport()->update();
            return;
        default:
            QAbstractScrollArea::keyPressEvent(event);
    }
}

void CellListView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBar();
}
