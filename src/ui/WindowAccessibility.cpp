#include "WindowAccessibility.h"

#include "PreviewGrid.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QHash>
#include <QItemSelectionModel>
#include <QPointer>
#include <QTabBar>
#include <QWindow>

namespace {

// One tab of a tab bar. Unlike Qt's, it reports itself disabled when its tab is, selected
// when it is the current one, and offers no action while it cannot be entered.
class TabAccessible final : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    TabAccessible(QTabBar* bar, int index) : m_bar(bar), m_index(index) {}

    bool isValid() const override { return m_bar && m_index < m_bar->count(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_bar ? m_bar->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(m_bar.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessible::Role role() const override { return QAccessible::PageTab; }

    QString text(QAccessible::Text t) const override {
        if (!isValid()) {
            return QString();
        }
        switch (t) {
        case QAccessible::Name: {
            const QString name = m_bar->accessibleTabName(m_index);
            return name.isEmpty() ? spokenName(m_bar->tabText(m_index)) : name;
        }
        case QAccessible::Description:
            return m_bar->tabToolTip(m_index);
        default:
            return QString();
        }
    }
    void setText(QAccessible::Text, const QString&) override {}

    QRect rect() const override {
        if (!isValid()) {
            return QRect();
        }
        const QRect tab = m_bar->tabRect(m_index);
        return QRect(m_bar->mapToGlobal(tab.topLeft()), tab.size());
    }

    QAccessible::State state() const override {
        QAccessible::State s;
        if (!isValid()) {
            s.invalid = true;
            return s;
        }
        s.disabled = !enterable();
        s.invisible = !m_bar->isVisible() || !m_bar->isTabVisible(m_index);
        s.selectable = true;
        s.selected = m_bar->currentIndex() == m_index;
        s.focusable = m_bar->focusPolicy() != Qt::NoFocus;
        s.focused = s.selected && m_bar->hasFocus();
        return s;
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }
    QStringList actionNames() const override {
        return enterable() ? QStringList(pressAction()) : QStringList();
    }
    void doAction(const QString& actionName) override {
        if (actionName == pressAction() && enterable()) {
            m_bar->setCurrentIndex(m_index);
        }
    }
    QStringList keyBindingsForAction(const QString&) const override { return QStringList(); }

    int index() const { return m_index; }

private:
    bool enterable() const {
        return isValid() && m_bar->isEnabled() && m_bar->isTabEnabled(m_index);
    }

    QPointer<QTabBar> m_bar;
    int m_index;
};

// The tab bar: its tabs are its children, its name the current tab's.
class TabBarAccessible final : public QAccessibleWidget {
public:
    explicit TabBarAccessible(QTabBar* bar) : QAccessibleWidget(bar, QAccessible::PageTabList) {}
    ~TabBarAccessible() override {
        for (QAccessible::Id id : std::as_const(m_tabs)) {
            QAccessible::deleteAccessibleInterface(id);
        }
    }

    QTabBar* bar() const { return static_cast<QTabBar*>(object()); }

    int childCount() const override { return bar()->count(); }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= bar()->count()) {
            return nullptr;
        }
        if (const QAccessible::Id id = m_tabs.value(index)) {
            return QAccessible::accessibleInterface(id);
        }
        auto* tab = new TabAccessible(bar(), index);
        m_tabs.insert(index, QAccessible::registerAccessibleInterface(tab));
        return tab;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (child && child->role() == QAccessible::PageTab && child->parent() == this) {
            return static_cast<const TabAccessible*>(child)->index();
        }
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        return child(bar()->tabAt(bar()->mapFromGlobal(QPoint(x, y))));
    }
    QAccessibleInterface* focusChild() const override {
        return bar()->hasFocus() ? child(bar()->currentIndex()) : nullptr;
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && bar()->accessibleName().isEmpty()) {
            const int current = bar()->currentIndex();
            const QString name = bar()->accessibleTabName(current);
            return name.isEmpty() ? spokenName(bar()->tabText(current)) : name;
        }
        return QAccessibleWidget::text(t);
    }

private:
    mutable QHash<int, QAccessible::Id> m_tabs;
};

QAccessibleInterface* windowFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("QTabBar")) {
        if (auto* bar = qobject_cast<QTabBar*>(object)) {
            return new TabBarAccessible(bar);
        }
    }
    if (className == QLatin1String(PreviewGrid::staticMetaObject.className())) {
        if (auto* grid = qobject_cast<PreviewGrid*>(object)) {
            return makePreviewGridAccessible(grid);
        }
    }
    return nullptr;
}

} // namespace

QString spokenName(const QString& caption) {
    QString text = caption;
    text.remove(QLatin1Char('&'));
    text = text.simplified();
    while (text.startsWith(QLatin1Char('<'))) {
        text.remove(0, 1);
    }
    while (text.endsWith(QLatin1Char('>')) || text.endsWith(QLatin1Char(':'))) {
        text.chop(1);
    }
    return text.simplified();
}

void installWindowAccessibility() {
    // Installing twice is harmless: Qt keeps one entry per factory.
    QAccessible::installFactory(windowFactory);
}

void notifyTabEnabledChanged(QTabBar* bar, int index) {
    if (!QAccessible::isActive()) {
        return;
    }
    QAccessible::State changed;
    changed.disabled = true;
    QAccessibleStateChangeEvent event(bar, changed);
    event.setChild(index);
    QAccessible::updateAccessibility(&event);
}

void chooseByListSelection(QComboBox* combo) {
    QAbstractItemView* list = combo->view();
    QObject::connect(list->selectionModel(), &QItemSelectionModel::selectionChanged, combo,
                     [combo, list](const QItemSelection& selected) {
                         // While the list is open its selection follows the highlight, and
                         // the box takes the choice itself when the user picks.
                         if (list->isVisible() || selected.indexes().isEmpty()) {
                             return;
                         }
                         const int row = selected.indexes().first().row();
                         if (row != combo->currentIndex()) {
                             combo->setCurrentIndex(row);
                         }
                     });
}
