#include "controls/CUrlLabelAccessible.h"

#include "controls/CUrlLabel.h"

namespace {

QAccessibleInterface* CreateForUrlLabel(const QString& className, QObject* object)
{
    if (className != QLatin1String(CUrlLabel::staticMetaObject.className()))
        return nullptr;
    return new CUrlLabelAccessible(static_cast<CUrlLabel*>(object));
}

}  // namespace

CUrlLabelAccessible::CUrlLabelAccessible(CUrlLabel* label) : QAccessibleWidget(label, QAccessible::Link) {}

void CUrlLabelAccessible::Install()
{
    static const bool installed = [] {
        QAccessible::installFactory(CreateForUrlLabel);
        return true;
    }();
    static_cast<void>(installed);
}

CUrlLabel* CUrlLabelAccessible::Label() const
{
    return static_cast<CUrlLabel*>(widget());
}

QString CUrlLabelAccessible::text(QAccessible::Text kind) const
{
    const QString text = QAccessibleWidget::text(kind);
    return kind == QAccessible::Name && text.isEmpty() ? Label()->text() : text;
}

QAccessible::State CUrlLabelAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.linked = true;
    state.traversed = Label()->IsVisited();
    return state;
}

QStringList CUrlLabelAccessible::actionNames() const
{
    return QStringList{pressAction()} + QAccessibleWidget::actionNames();
}

void CUrlLabelAccessible::doAction(const QString& action)
{
    if (action == pressAction())
        Label()->Activate();
    else
        QAccessibleWidget::doAction(action);
}
