// SPDX-License-Identifier: BSD-3-Clause
#include "desktop/templateview.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QScreen>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "desktop/controls.h"

namespace {

constexpr DWORD SS_TYPEMASK = 0x1F;
constexpr DWORD SS_CENTER = 0x1;
constexpr DWORD SS_RIGHT = 0x2;
constexpr DWORD SS_LEFTNOWORDWRAP = 0xC;
constexpr DWORD SS_OWNERDRAW = 0xD;
constexpr DWORD UDS_AUTOBUDDY = 0x10;
constexpr DWORD UDS_ARROWKEYS = 0x20;

enum class Kind { Push, Check, Radio, Group, Edit, Label, CellList, UpDown, Combo, List };

Kind KindOf(HWND w) {
    switch (w->wndClass) {
        case WndClass::Button:
            switch (w->style & BS_TYPEMASK) {
                case BS_CHECKBOX:
                case BS_AUTOCHECKBOX:
                case BS_3STATE:
                case BS_AUTO3STATE: return Kind::Check;
                case BS_RADIOBUTTON:
                case BS_AUTORADIOBUTTON: return Kind::Radio;
                case BS_GROUPBOX: return Kind::Group;
                default: return Kind::Push;
            }
        case WndClass::Edit: return Kind::Edit;
        case WndClass::Static: return (w->style & SS_TYPEMASK) == SS_OWNERDRAW ? Kind::CellList : Kind::Label;
        case WndClass::UpDown: return Kind::UpDown;
        case WndClass::ComboBox: return Kind::Combo;
        case WndClass::ListBox: return Kind::List;
    }
    return Kind::Label;
}

QString Text(const std::wstring& text) { return QString::fromStdWString(text); }

bool HasAccessKey(const QString& text) { return WithoutAccessKey(text) != text; }

Qt::FocusPolicy TemplateFocus(HWND w) { return (w->style & WS_TABSTOP) ? Qt::StrongFocus : Qt::ClickFocus; }

}  // namespace

QString WithoutAccessKey(const QString& text) {
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&' && i + 1 < text.size()) ++i;
        out += text[i];
    }
    return out;
}

TemplateView::TemplateView(CDialog& dialog, QWidget* parent) : QDialog(parent), dialog_(dialog), window_(dialog.m_hWnd) {
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setObjectName(QStringLiteral("dialog%1").arg(dialog.GetTemplateId()));
    Build();
    AfxAddWndObserver(this);
}

TemplateView::~TemplateView() { AfxRemoveWndObserver(this); }

void TemplateView::Build() {
    const DialogTemplate* t = AfxFindDialogTemplate(dialog_.GetTemplateId());
    DialogTemplate fallback{0, L"", 0, L"MS UI Gothic", 9, 0, 0, {}};
    const QFont font = DialogFont(t ? *t : fallback);
    units_ = MeasureBaseUnits(font);
    setWindowTitle(window_ ? Text(window_->text) : QString());

    canvas_ = new QWidget;
    canvas_->setFont(font);
    canvas_->setFixedSize(TemplateSize());
    scroll_ = new QScrollArea(this);
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setWidget(canvas_);
    scroll_->setWidgetResizable(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSizeConstraint(QLayout::SetNoConstraint);  // the window's size is Present's
    layout->addWidget(scroll_);

    if (!window_) return;
    controls_.reserve(window_->children.size());
    for (const auto& child : window_->children) {
        Control control;
        control.window = child;
        control.rect = DialogUnitsToPixels(units_, child->x, child->y, child->cx, child->cy);
        index_[control.window] = controls_.size();
        controls_.push_back(control);
    }
    for (Control& control : controls_) {
        control.widget = MakeWidget(control);
        control.widget->setObjectName(QStringLiteral("control%1").arg(control.window->id));
        control.widget->setGeometry(control.rect);
        control.widget->setVisible((control.window->style & WS_VISIBLE) != 0);
        Connect(control);
        Sync(control, WndChange::Created);
    }
    SetUpKeyboard();
}

QWidget* TemplateView::MakeWidget(Control& control) {
    HWND w = control.window;
    const int rowHeight = units_.y + 2;
    switch (KindOf(w)) {
        case Kind::Push: {
            auto* button = new QPushButton(canvas_);
            button->setAutoDefault(false);
            return button;
        }
        case Kind::Check: {
            auto* box = new TemplateCheckBox(canvas_);
            box->setTristate((w->style & BS_TYPEMASK) == BS_3STATE || (w->style & BS_TYPEMASK) == BS_AUTO3STATE);
            box->setStyle(TemplateButtonStyle());
            return box;
        }
        case Kind::Radio: {
            auto* radio = new TemplateRadioButton(canvas_);
            radio->setAutoExclusive(false);  // groups are the template's, not Qt's
            radio->setStyle(TemplateButtonStyle());
            return radio;
        }
        case Kind::Group: return new TemplateGroupBox(canvas_);
        case Kind::Edit: return new TemplateEdit(canvas_);
        case Kind::Label: {
            auto* label = new QLabel(canvas_);
            label->setTextFormat(Qt::PlainText);
            const DWORD type = w->style & SS_TYPEMASK;
            const Qt::Alignment horizontal = type == SS_CENTER ? Qt::AlignHCenter : type == SS_RIGHT ? Qt::AlignRight : Qt::AlignLeft;
            label->setAlignment(horizontal | Qt::AlignTop);
            label->setWordWrap(type != SS_LEFTNOWORDWRAP);
            return label;
        }
        case Kind::CellList: return new CellListView(w, rowHeight, units_.x / 6.0, canvas_);
        case Kind::UpDown: return new UpDownControl(canvas_);
        case Kind::Combo: {
            auto* combo = new QComboBox(canvas_);
            // The template gives the height of the open list; closed, the box is one line high.
            control.rect.setHeight(std::min(control.rect.height(), combo->sizeHint().height()));
            combo->setMaxVisibleItems(std::max(1, MulDivRound(w->cy, units_.y, 8) / rowHeight - 1));
            return combo;
        }
        case Kind::List: return new CheckListView(w, rowHeight, canvas_);
    }
    return new QWidget(canvas_);
}

void TemplateView::Connect(Control& control) {
    const UINT id = control.window->id;
    QWidget* widget = control.widget;
    switch (KindOf(control.window)) {
        case Kind::Push:
        case Kind::Check:
        case Kind::Radio:
            connect(static_cast<QAbstractButton*>(widget), &QAbstractButton::clicked, this,
                    [this, id] { Act(id, [id](CDialog& d) { return input::Click(d, id); }); });
            break;
        case Kind::Edit: {
            // Every change the person makes to the text is one change of the platform's edit: a
            // key at the end goes as that key (refused past the limit, as a keyboard refuses it), a
            // backspace as one, anything else as the whole new text.
            const HWND w = control.window;
            connect(static_cast<QLineEdit*>(widget), &QLineEdit::textEdited, this, [this, id, w](const QString& text) {
                const std::wstring typed = text.toStdWString();
                const std::wstring& before = w->text;
                const bool extends = typed.size() == before.size() + 1 && typed.compare(0, before.size(), before) == 0;
                const bool shortens = typed.size() + 1 == before.size() && before.compare(0, typed.size(), typed) == 0;
                Act(id, [id, typed, extends, shortens](CDialog& d) {
                    if (extends) return input::Append(d, id, typed.substr(typed.size() - 1));
                    if (shortens) return input::Backspace(d, id);
                    return input::Paste(d, id, typed);
                });
            });
            break;
        }
        case Kind::Combo:
            connect(static_cast<QComboBox*>(widget), &QComboBox::activated, this,
                    [this, id](int index) { Act(id, [id, index](CDialog& d) { return input::Select(d, id, index); }); });
            break;
        case Kind::List: {
            auto* list = static_cast<CheckListView*>(widget);
            list->onTick = [this, id](int item) { Act(id, [id, item](CDialog& d) { return input::Tick(d, id, item); }); };
            list->onPick = [this, id](int item) { Act(id, [id, item](CDialog& d) { return input::Select(d, id, item); }); };
            break;
        }
        case Kind::CellList:
            static_cast<CellListView*>(widget)->onCell = [this, id](int row, int column) {
                Act(id, [id, row, column](CDialog& d) { return input::Cell(d, id, row, column); });
            };
            break;
        case Kind::UpDown:
            static_cast<UpDownControl*>(widget)->onStep = [this, id](bool up) {
                Act(id, [id, up](CDialog& d) { return input::Spin(d, id, up); });
            };
            break;
        case Kind::Group:
        case Kind::Label: break;
    }
}

void TemplateView::SetUpKeyboard() {
    // Focus: the template's tab stops in template order.
    QWidget* previous = nullptr;
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        Control& c = controls_[i];
        const Kind kind = KindOf(c.window);
        switch (kind) {
            case Kind::Group:
            case Kind::Label:
            case Kind::UpDown: c.widget->setFocusPolicy(Qt::NoFocus); break;
            default: c.widget->setFocusPolicy(TemplateFocus(c.window));
        }
        if (c.widget->focusPolicy() == Qt::NoFocus) continue;
        if (previous) QWidget::setTabOrder(previous, c.widget);
        previous = c.widget;
        if (kind == Kind::Radio)
            static_cast<TemplateRadioButton*>(c.widget)->onArrow = [this, i](bool forward) { MoveInRadioGroup(i, forward); };
    }
    SyncRadioTabStops();

    for (std::size_t i = 0; i < controls_.size(); ++i) {
        Control& c = controls_[i];
        const Kind kind = KindOf(c.window);
        // An up-down's buddy is the control before it; with arrow keys, the buddy's arrows press it.
        if (kind == Kind::UpDown && i > 0 && (c.window->style & UDS_AUTOBUDDY) && (c.window->style & UDS_ARROWKEYS) &&
            KindOf(controls_[i - 1].window) == Kind::Edit) {
            const UINT id = c.window->id;
            static_cast<TemplateEdit*>(controls_[i - 1].widget)->onArrow = [this, id](bool up) {
                Act(id, [id, up](CDialog& d) { return input::Spin(d, id, up); });
            };
        }
        // A label's or a frame's access key moves the focus to the next control that takes it.
        if ((kind == Kind::Label || kind == Kind::Group) && HasAccessKey(Text(c.window->text))) {
            QWidget* next = nullptr;
            for (std::size_t j = i + 1; j < controls_.size() && !next; ++j) {
                const Kind k = KindOf(controls_[j].window);
                if (k != Kind::Label && k != Kind::Group && k != Kind::UpDown) next = controls_[j].widget;
            }
            if (!next) continue;
            if (kind == Kind::Group) {
                static_cast<TemplateGroupBox*>(c.widget)->onAccessKey = [next] { next->setFocus(Qt::ShortcutFocusReason); };
                continue;
            }
            static_cast<QLabel*>(c.widget)->setBuddy(next);
            Sync(c, WndChange::Text);  // with a buddy the "&" is kept for Qt
        }
    }
}

void TemplateView::SyncRadioTabStops() {
    // As with the auto radio buttons of the windowing system the templates were drawn for, the
    // checked radio of a group is its tab stop.
    std::size_t first = 0;
    while (first < controls_.size()) {
        std::size_t end = first + 1;
        while (end < controls_.size() && !(controls_[end].window->style & WS_GROUP)) ++end;
        bool anyChecked = false;
        for (std::size_t i = first; i < end; ++i)
            if (KindOf(controls_[i].window) == Kind::Radio && controls_[i].window->check == BST_CHECKED) anyChecked = true;
        if (anyChecked)
            for (std::size_t i = first; i < end; ++i)
                if (KindOf(controls_[i].window) == Kind::Radio)
                    controls_[i].widget->setFocusPolicy(controls_[i].window->check == BST_CHECKED ? Qt::StrongFocus : Qt::ClickFocus);
        first = end;
    }
}

void TemplateView::MoveInRadioGroup(std::size_t index, bool forward) {
    std::size_t first = index;
    while (first > 0 && !(controls_[first].window->style & WS_GROUP)) --first;
    std::size_t end = index + 1;
    while (end < controls_.size() && !(controls_[end].window->style & WS_GROUP)) ++end;
    const std::size_t count = end - first;
    for (std::size_t step = 1; step < count; ++step) {
        const std::size_t i = first + (index - first + (forward ? step : count - step)) % count;
        const Control& c = controls_[i];
        if (!c.window->enabled || KindOf(c.window) != Kind::Radio) continue;
        c.widget->setFocus(Qt::TabFocusReason);
        // Moving onto an automatic radio button checks it.
        if ((c.window->style & BS_TYPEMASK) == BS_AUTORADIOBUTTON) {
            const UINT id = c.window->id;
            Act(id, [id](CDialog& d) { return input::Click(d, id); });
        }
        return;
    }
}

void TemplateView::Sync(const Control& control, WndChange change) {
    HWND w = control.window;
    QWidget* widget = control.widget;
    const bool all = change == WndChange::Created;
    const QSignalBlocker blocker(widget);
    if (all || change == WndChange::Enabled) widget->setEnabled(w->enabled);
    const Kind kind = KindOf(w);
    switch (kind) {
        case Kind::Push:
        case Kind::Check:
        case Kind::Radio: {
            auto* button = static_cast<QAbstractButton*>(widget);
            if (all || change == WndChange::Text) button->setText(Text(w->text));
            if (all || change == WndChange::Check) {
                if (auto* box = qobject_cast<QCheckBox*>(widget))
                    box->setCheckState(w->check == BST_CHECKED ? Qt::Checked : w->check == BST_UNCHECKED ? Qt::Unchecked : Qt::PartiallyChecked);
                else if (kind == Kind::Radio)
                    button->setChecked(w->check == BST_CHECKED);
                if (kind == Kind::Radio && !all) SyncRadioTabStops();
            }
            break;
        }
        case Kind::Group:
            if (all || change == WndChange::Text) static_cast<QGroupBox*>(widget)->setTitle(Text(w->text));
            break;
        case Kind::Label:
            if (all || change == WndChange::Text) {
                auto* label = static_cast<QLabel*>(widget);
                label->setText(label->buddy() ? Text(w->text) : WithoutAccessKey(Text(w->text)));
            }
            break;
        case Kind::Edit: {
            auto* edit = static_cast<QLineEdit*>(widget);
            // What the program writes may pass the limit; the limit is only for what is typed.
            edit->setMaxLength(std::clamp(std::max(w->textLimit, static_cast<int>(w->text.size())), 1, 32767));
            if ((all || change == WndChange::Text) && edit->text() != Text(w->text)) edit->setText(Text(w->text));
            break;
        }
        case Kind::Combo: {
            auto* combo = static_cast<QComboBox*>(widget);
            if (all || change == WndChange::Items) {
                combo->clear();
                for (const auto& item : w->items) combo->addItem(Text(item));
            }
            combo->setCurrentIndex(w->curSel);
            break;
        }
        case Kind::List: {
            auto* list = static_cast<CheckListView*>(widget);
            if (all || change == WndChange::Items) list->Model()->Reload();
            if (all || change == WndChange::Check) list->Model()->TicksChanged();
            if (all || change == WndChange::Selection || change == WndChange::Items) {
                // The caret is where the list scrolls to; only the selection is highlighted.
                const QModelIndex caret = list->Model()->index(w->caret);
                if (caret.isValid()) {
                    list->selectionModel()->setCurrentIndex(caret, QItemSelectionModel::NoUpdate);
                    list->scrollTo(caret);
                }
                const QModelIndex selected = list->Model()->index(w->curSel);
                if (selected.isValid()) list->selectionModel()->select(selected, QItemSelectionModel::ClearAndSelect);
                else list->selectionModel()->clearSelection();
            }
            list->viewport()->update();
            break;
        }
        case Kind::CellList: static_cast<CellListView*>(widget)->Refresh(); break;
        case Kind::UpDown: widget->update(); break;
    }
    if (change == WndChange::Focus) FollowFocus(control);
}

void TemplateView::FollowFocus(const Control& control) {
    if (!isVisible()) {
        pendingFocus_ = control.window;
        return;
    }
    control.widget->setFocus(Qt::OtherFocusReason);
    scroll_->ensureWidgetVisible(control.widget);
}

const TemplateView::Control* TemplateView::Find(HWND window) const {
    const auto it = index_.find(window);
    return it == index_.end() ? nullptr : &controls_[it->second];
}

QWidget* TemplateView::ControlWidget(UINT id) const {
    for (const auto& c : controls_)
        if (c.window && c.window->id == id) return c.widget;
    return nullptr;
}

std::vector<UINT> TemplateView::ControlIds() const {
    std::vector<UINT> ids;
    for (const auto& c : controls_) ids.push_back(c.window->id);
    return ids;
}

QRect TemplateView::TemplateRect(UINT id) const {
    for (const auto& c : controls_)
        if (c.window && c.window->id == id) return DialogUnitsToPixels(units_, c.window->x, c.window->y, c.window->cx, c.window->cy);
    return {};
}

QSize TemplateView::TemplateSize() const {
    return window_ ? DialogUnitsToPixels(units_, 0, 0, window_->cx, window_->cy).size() : QSize();
}

void TemplateView::OnWndChanged(HWND window, WndChange change) {
    if (!alive_) return;
    if (window == window_) {
        if (change == WndChange::Destroyed) {
            // The platform's windows are gone: nothing here may reach them any more.
            alive_ = false;
            for (auto& c : controls_) {
                if (auto* list = dynamic_cast<CheckListView*>(c.widget)) list->Model()->Forget();
                if (auto* cells = dynamic_cast<CellListView*>(c.widget)) cells->Forget();
                c.window = nullptr;
            }
            index_.clear();
            pendingFocus_ = nullptr;
        } else if (change == WndChange::Text) {
            setWindowTitle(Text(window_->text));
        }
        return;
    }
    if (const Control* control = Find(window)) Sync(*control, change);
}

void TemplateView::Present(QSize room) {
    const QSize content = TemplateSize();
    if (room.isEmpty())
        if (const QScreen* s = parentWidget() ? parentWidget()->screen() : screen())
            room = s->availableGeometry().size() - QSize(16, 48);  // the frame and title bar
    // A dialog larger than its room scrolls instead of being cut.
    const bool wide = !room.isEmpty() && content.width() > room.width();
    const bool tall = !room.isEmpty() && content.height() > room.height();
    scroll_->setHorizontalScrollBarPolicy(wide ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    scroll_->setVerticalScrollBarPolicy(tall ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    resize(wide || tall ? content.boundedTo(room) : content);
    // Focus is always drawn, so a person can see where a key goes.
    setAttribute(Qt::WA_KeyboardFocusChange);
    QWidget* first = nullptr;
    if (const Control* c = Find(pendingFocus_)) first = c->widget;
    for (const auto& c : controls_) {
        if (first) break;
        if (c.widget->isEnabled() && (c.widget->focusPolicy() & Qt::TabFocus)) first = c.widget;
    }
    if (first) first->setFocus(Qt::TabFocusReason);
    pendingFocus_ = nullptr;
}

void TemplateView::Highlight(UINT id) {
    QWidget* control = ControlWidget(id);
    if (!control) return;
    if (!outline_) {
        outline_ = new QFrame(canvas_);
        outline_->setObjectName(QStringLiteral("highlight"));
        outline_->setFrameShape(QFrame::Box);
        outline_->setLineWidth(2);
        outline_->setAttribute(Qt::WA_TransparentForMouseEvents);
        outline_->setForegroundRole(QPalette::Link);
    }
    outline_->setGeometry(control->geometry().adjusted(-3, -3, 3, 3));
    outline_->raise();
    outline_->show();
    QTimer::singleShot(5000, outline_, &QWidget::hide);
    if (control->isEnabled() && control->focusPolicy() != Qt::NoFocus) control->setFocus(Qt::OtherFocusReason);
    scroll_->ensureWidgetVisible(control);
}

bool TemplateView::Act(UINT id, const std::function<InputResult(CDialog&)>& action) {
    if (!alive_ || dialog_.HasEnded()) return false;
    QPointer<TemplateView> self(this);
    action(dialog_);
    if (!self) return true;
    if (alive_ && !dialog_.HasEnded()) {
        // Whatever the platform now holds is what the widget shows (a refused pick, a radio
        // clicked again).
        for (const auto& c : controls_)
            if (c.window && c.window->id == id) Sync(c, WndChange::Created);
    }
    if (dialog_.HasEnded() && isVisible()) done(QDialog::Accepted);
    return true;
}

void TemplateView::reject() {
    // Escape arrives as Cancel, as the close box does.
    Act(0, [](CDialog& d) { return input::Close(d); });
}

void TemplateView::closeEvent(QCloseEvent* event) {
    if (!alive_ || dialog_.HasEnded()) {
        event->accept();
        return;
    }
    event->ignore();
    Act(0, [](CDialog& d) { return input::Close(d); });
}

void TemplateView::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier)) {
        // Enter presses the focused push button, else the dialog's OK.
        UINT id = IDOK;
        for (const auto& c : controls_)
            if (c.widget == focusWidget() && KindOf(c.window) == Kind::Push) id = c.window->id;
        Act(id, [id](CDialog& d) { return input::Click(d, id); });
        return;
    }
    QDialog::keyPressEvent(event);
}
