#include "ui/main/accessibility.h"

#include <QAccessibleWidget>
#include <QFocusFrame>
#include <QHash>
#include <QListWidget>
#include <QMenu>
#include <QPointer>
#include <QWidget>
#include <QWindow>

namespace {

// Where a control keeps what the factory reads of it; set before its first interface.
constexpr char RoleProperty[] = "accessibleContainerRole";
constexpr char DrawingProperty[] = "accessibleDrawingOnly";

// A container's controls as a reader meets them: Qt's own list of a widget's children
// (no windows, no focus ring, no menus), the drawing-only ones left out.
QList<QWidget *> readableChildren(const QWidget *container)
{
    QList<QWidget *> children;
    for (QObject *child : container->children()) {
        auto *w = qobject_cast<QWidget *>(child);
        if (w && !w->isWindow() && !qobject_cast<QFocusFrame *>(w) && !qobject_cast<QMenu *>(w)
            && !Accessibility::isDrawingOnly(w))
            children.append(w);
    }
    return children;
}

class ContainerInterface : public QAccessibleWidget
{
public:
    ContainerInterface(QWidget *container, QAccessible::Role role)
        : QAccessibleWidget(container, role)
    {}

    int childCount() const override { return int(readableChildren(widget()).size()); }
    QAccessibleInterface *child(int index) const override
    {
        const QList<QWidget *> children = readableChildren(widget());
        return index >= 0 && index < children.size() ? QAccessible::queryAccessibleInterface(children.at(index))
                                                     : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child ? int(readableChildren(widget()).indexOf(qobject_cast<QWidget *>(child->object()))) : -1;
    }
};

// One row of a list, as the list shows it: hidden with it, or scrolled out of its view.
class ListRow : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    ListRow(QListWidget *list, int row)
        : m_list(list)
        , m_row(row)
    {}

    bool isValid() const override { return m_list && m_row < m_list->count(); }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return m_list ? m_list->window()->windowHandle() : nullptr; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessibleInterface *parent() const override { return QAccessible::queryAccessibleInterface(m_list); }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    void setText(QAccessible::Text, const QString &) override {}

    QString text(QAccessible::Text t) const override
    {
        const QListWidgetItem *row = item();
        if (!row)
            return {};
        switch (t) {
        case QAccessible::Name: {
            const QString spoken = row->data(Qt::AccessibleTextRole).toString();
            return spoken.isEmpty() ? row->text() : spoken;
        }
        case QAccessible::Description: return row->data(Qt::AccessibleDescriptionRole).toString();
        default: return {};
        }
    }

    QRect rect() const override
    {
        const QListWidgetItem *row = item();
        if (!row || !showing())
            return {};
        return m_list->visualItemRect(row).translated(m_list->viewport()->mapToGlobal(QPoint(0, 0)));
    }

    QAccessible::State state() const override
    {
        QAccessible::State state;
        const QListWidgetItem *row = item();
        if (!row)
            return state;
        state.invisible = !showing();
        state.selected = row->isSelected();
        state.focused = m_list->currentRow() == m_row;
        const Qt::ItemFlags flags = row->flags();
        state.disabled = !flags.testFlag(Qt::ItemIsEnabled) || !m_list->isEnabled();
        state.selectable = flags.testFlag(Qt::ItemIsSelectable);
        state.focusable = state.selectable;
        return state;
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface *>(this) : nullptr;
    }

    // As Qt's own rows: toggling a row selects it, which picks it as a click does.
    QStringList actionNames() const override
    {
        return isValid() && showing() ? QStringList{toggleAction()} : QStringList();
    }
    void doAction(const QString &name) override
    {
        if (name == toggleAction() && isValid() && showing() && !item()->isSelected())
            m_list->setCurrentRow(m_row, QItemSelectionModel::ClearAndSelect);
    }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

    const QListWidget *list() const { return m_list; }
    int row() const { return m_row; }

private:
    QListWidgetItem *item() const { return isValid() ? m_list->item(m_row) : nullptr; }
    // On screen: the list shown, and the row within its view.
    bool showing() const
    {
        const QListWidgetItem *row = item();
        return row && m_list->isVisible() && m_list->viewport()->rect().intersects(m_list->visualItemRect(row));
    }

    QPointer<QListWidget> m_list;
    int m_row;
};

class ListInterface : public QAccessibleWidget
{
public:
    explicit ListInterface(QListWidget *list)
        : QAccessibleWidget(list, QAccessible::List)
    {}
    ~ListInterface() override
    {
        for (const QAccessible::Id id : std::as_const(m_rows))
            QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return list()->count(); }
    QAccessibleInterface *child(int index) const override
    {
        if (index < 0 || index >= list()->count())
            return nullptr;
        if (const auto known = m_rows.constFind(index); known != m_rows.cend())
            return QAccessible::accessibleInterface(*known);
        auto *row = new ListRow(list(), index);
        m_rows.insert(index, QAccessible::registerAccessibleInterface(row));
        return row;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        const auto *row = dynamic_cast<const ListRow *>(child);
        return row && row->list() == list() ? row->row() : -1;
    }
    QAccessibleInterface *childAt(int x, int y) const override
    {
        const QListWidgetItem *item = list()->itemAt(list()->viewport()->mapFromGlobal(QPoint(x, y)));
        return item ? child(list()->row(item)) : nullptr;
    }
    // With the focus, the list's own is its highlighted row.
    QAccessibleInterface *focusChild() const override
    {
        return list()->hasFocus() ? child(list()->currentRow()) : nullptr;
    }

private:
    QListWidget *list() const { return static_cast<QListWidget *>(widget()); }

    mutable QHash<int, QAccessible::Id> m_rows; // made as they are asked for
};

QAccessibleInterface *factory(const QString &className, QObject *object)
{
    // Asked once for each class an object is, its own first: the window's controls answer
    // for their own class, and leave the classes below it to Qt.
    if (!object || !object->isWidgetType() || className != QLatin1String(object->metaObject()->className()))
        return nullptr;
    auto *widget = static_cast<QWidget *>(object);
    if (auto *list = qobject_cast<QListWidget *>(widget))
        return new ListInterface(list);
    if (const QVariant role = widget->property(RoleProperty); role.isValid())
        return new ContainerInterface(widget, QAccessible::Role(role.toInt()));
    return nullptr;
}

} // namespace

namespace Accessibility {

void install()
{
    static const bool installed = [] {
        QAccessible::installFactory(factory);
        return true;
    }();
    Q_UNUSED(installed);
}

void setContainerRole(QWidget *container, QAccessible::Role role) { container->setProperty(RoleProperty, int(role)); }

void setDrawingOnly(QWidget *widget) { widget->setProperty(DrawingProperty, true); }

bool isDrawingOnly(const QWidget *widget) { return widget->property(DrawingProperty).toBool(); }

} // namespace Accessibility
